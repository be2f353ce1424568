#include "platform/likepattern.h"

#include <gtest/gtest.h>

using platform::LikeCriterion;
using platform::LikePattern;

namespace {

struct MatchCase
{
    const char *name;
    const char16_t *pattern;
    const char16_t *text;
    bool matches;
};

class LikeMatch : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(LikeMatch, MatchesAsTheLikeOperatorDoes)
{
    QString error;
    const auto pattern = LikePattern::parse(QStringView(GetParam().pattern), &error);
    ASSERT_TRUE(pattern) << error.toStdString();
    EXPECT_EQ(pattern->matches(QStringView(GetParam().text)), GetParam().matches);
}

using M = MatchCase;
INSTANTIATE_TEST_SUITE_P(Patterns, LikeMatch,
    ::testing::Values(
        // "*" any run, the empty one too
        M {"StarAloneMatchesEmptyText", u"*", u"", true}, M {"StarAlone", u"*", u"Mo 12 äß", true},
        M {"Prefix", u"Mo*", u"Mona", true}, M {"PrefixAlone", u"Mo*", u"Mo", true},
        M {"PrefixIgnoresCase", u"mo*", u"MOrITZ", true}, M {"PrefixAtTheStart", u"Mo*", u"Amo", false},
        M {"Suffix", u"*ke", u"Anke", true}, M {"SuffixAtTheEnd", u"*ke", u"Anken", false},
        M {"StarsTakeBackWhenTheRestFails", u"*ab", u"aab", true},
        M {"StarsAcrossRuns", u"*a*b*c", u"xxaxbxxbyc", true}, M {"RepeatedStarsAreOne", u"**a**", u"a", true},
        M {"BothEnds", u"a*a", u"a", false}, M {"LiteralWhole", u"Max", u"Maxi", false},
        M {"EmptyPatternEmptyText", u"", u"", true}, M {"EmptyPatternRefusesText", u"", u"a", false},
        // "?" one character, "#" one digit
        M {"QuestionMarkOne", u"M?x", u"Max", true}, M {"QuestionMarkNeedsOne", u"M?x", u"Mx", false},
        M {"QuestionMarkOnlyOne", u"M?x", u"Maax", false}, M {"QuestionMarkSurrogatePair", u"?", u"\U0001F600", true},
        M {"HashZero", u"#", u"0", true}, M {"HashNine", u"#", u"9", true}, M {"HashNoLetter", u"##", u"4a", false},
        M {"HashNoMinus", u"#", u"-", false}, M {"NegativeNumber", u"-#", u"-5", true},
        // character lists
        M {"List", u"[abc]", u"b", true}, M {"ListRefusesOthers", u"[abc]", u"d", false},
        M {"ListIgnoresCase", u"[abc]", u"B", true}, M {"RangeInside", u"[a-c]", u"b", true},
        M {"RangeLowerEnd", u"[b-d]", u"b", true}, M {"RangeUpperEnd", u"[a-c]", u"C", true},
        M {"UpperRangeLowerLetter", u"[A-C]", u"a", true}, M {"RangeOutside", u"[a-c]", u"d", false},
        M {"NegatedOutside", u"[!0-9]", u"a", true}, M {"NegatedInside", u"[!0-9]", u"5", false},
        M {"NegatedIgnoresCase", u"[!a-c]x", u"Ax", false}, M {"SeveralRanges", u"[a-cx-z]", u"Y", true},
        M {"StarInAList", u"[*]", u"*", true}, M {"StarInAListIsNoWildcard", u"[*]", u"a", false},
        M {"QuestionMarkInAList", u"a[?]", u"a?", true}, M {"HashInAList", u"[#]", u"#", true},
        M {"BracketInAList", u"[[]", u"[", true}, M {"LeadingMinus", u"[-a]", u"-", true},
        M {"TrailingMinus", u"[a-]", u"-", true}, M {"EmptyListIsNothing", u"a[]b", u"ab", true},
        M {"ClosingBracketAlone", u"a]", u"a]", true}, M {"ExclamationAlone", u"!", u"!", true},
        M {"UmlautsIgnoreCase", u"ä*", u"Äpfel", true}, M {"ListWithUmlaut", u"[ö]*", u"Özil", true}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(LikePattern, APatternOfStarsAloneIsKnownToMatchEverything)
{
    EXPECT_TRUE(LikePattern::parse(u"*")->matchesAnyText());
    EXPECT_TRUE(LikePattern::parse(u"***")->matchesAnyText());
    EXPECT_FALSE(LikePattern::parse(u"*a")->matchesAnyText());
    EXPECT_FALSE(LikePattern::parse(u"")->matchesAnyText());
}

TEST(LikeCriterion, IsSplitIntoFieldAndPattern)
{
    const struct
    {
        const char16_t *text, *field, *matching;
    } rows[] = {{u"Name like '*'", u"Name", u"Anna"}, {u"  Punkte   LIKE  '1#'  ", u"Punkte", u"12"},
                {u"[Name] like 'Mo*'", u"Name", u"Mona"}, {u"Name like'Mo*'", u"Name", u"Mo"},
                {u"Name like ''", u"Name", u""}, {u"Name like 'O''Brien*'", u"Name", u"O'Brien-Meier"},
                {u"Name like '[''x]'", u"Name", u"'"}};
    for (const auto &row : rows) {
        QString error;
        const auto criterion = LikeCriterion::parse(QStringView(row.text), &error);
        ASSERT_TRUE(criterion) << error.toStdString();
        EXPECT_EQ(criterion->field, QString::fromUtf16(row.field));
        EXPECT_TRUE(criterion->pattern.matches(QStringView(row.matching)))
            << QString::fromUtf16(row.text).toStdString();
    }
}

TEST(LikeCriterion, AMalformedOneIsRefusedWithAReason)
{
    for (const char16_t *text : {u"Name like 'O'Brien*'", u"Name like 'Mo'*'",
                                 u"Name like 'Mo*", u"Name like '[abc'", u"Name like 'Mo['", u"Name like '[!'",
                                 u"Name like '[z-a]'", u"Name like '[!]'", u"like 'Mo*'", u"Name = 'Mo'",
                                 u"Name like Mo*", u"Name like 'a' OR 1=1", u""}) {
        QString error;
        EXPECT_FALSE(LikeCriterion::parse(QStringView(text), &error)) << QString::fromUtf16(text).toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
