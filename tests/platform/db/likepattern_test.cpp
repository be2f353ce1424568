#include "platform/likepattern.h"

#include <gtest/gtest.h>

using platform::LikeCriterion;
using platform::LikePattern;

namespace {

// As the like operator matches: case ignored, "*" any run, "?" one
// character, "#" one digit, "[...]" a list of characters and ranges.
TEST(LikePattern, MatchesAsTheLikeOperatorDoes)
{
    const struct { const char *name; const char16_t *pattern, *text; bool matches; } rows[] = {
        // "*" any run, the empty one too
        {"StarAloneMatchesEmptyText", u"*", u"", true}, {"StarAlone", u"*", u"Mo 12 äß", true},
        {"Prefix", u"Mo*", u"Mona", true}, {"PrefixAlone", u"Mo*", u"Mo", true},
        {"PrefixIgnoresCase", u"mo*", u"MOrITZ", true}, {"PrefixAtTheStart", u"Mo*", u"Amo", false},
        {"Suffix", u"*ke", u"Anke", true}, {"SuffixAtTheEnd", u"*ke", u"Anken", false},
        {"StarsTakeBackWhenTheRestFails", u"*ab", u"aab", true},
        {"StarsAcrossRuns", u"*a*b*c", u"xxaxbxxbyc", true}, {"RepeatedStarsAreOne", u"**a**", u"a", true},
        {"BothEnds", u"a*a", u"a", false}, {"LiteralWhole", u"Max", u"Maxi", false},
        {"EmptyPatternEmptyText", u"", u"", true}, {"EmptyPatternRefusesText", u"", u"a", false},
        // "?" one character, "#" one digit
        {"QuestionMarkOne", u"M?x", u"Max", true}, {"QuestionMarkNeedsOne", u"M?x", u"Mx", false},
        {"QuestionMarkOnlyOne", u"M?x", u"Maax", false}, {"QuestionMarkSurrogatePair", u"?", u"\U0001F600", true},
        {"HashZero", u"#", u"0", true}, {"HashNine", u"#", u"9", true}, {"HashNoLetter", u"##", u"4a", false},
        {"HashNoMinus", u"#", u"-", false}, {"NegativeNumber", u"-#", u"-5", true},
        // character lists
        {"List", u"[abc]", u"b", true}, {"ListRefusesOthers", u"[abc]", u"d", false},
        {"ListIgnoresCase", u"[abc]", u"B", true}, {"RangeInside", u"[a-c]", u"b", true},
        {"RangeLowerEnd", u"[b-d]", u"b", true}, {"RangeUpperEnd", u"[a-c]", u"C", true},
        {"UpperRangeLowerLetter", u"[A-C]", u"a", true}, {"RangeOutside", u"[a-c]", u"d", false},
        {"NegatedOutside", u"[!0-9]", u"a", true}, {"NegatedInside", u"[!0-9]", u"5", false},
        {"NegatedIgnoresCase", u"[!a-c]x", u"Ax", false}, {"SeveralRanges", u"[a-cx-z]", u"Y", true},
        {"StarInAList", u"[*]", u"*", true}, {"StarInAListIsNoWildcard", u"[*]", u"a", false},
        {"QuestionMarkInAList", u"a[?]", u"a?", true}, {"HashInAList", u"[#]", u"#", true},
        {"BracketInAList", u"[[]", u"[", true}, {"LeadingMinus", u"[-a]", u"-", true},
        {"TrailingMinus", u"[a-]", u"-", true}, {"EmptyListIsNothing", u"a[]b", u"ab", true},
        {"ClosingBracketAlone", u"a]", u"a]", true}, {"ExclamationAlone", u"!", u"!", true},
        {"UmlautsIgnoreCase", u"ä*", u"Äpfel", true}, {"ListWithUmlaut", u"[ö]*", u"Özil", true},
    };
    for (const auto &row : rows) {
        QString error;
        const auto pattern = LikePattern::parse(QStringView(row.pattern), &error);
        ASSERT_TRUE(pattern) << row.name << " " << error.toStdString();
        EXPECT_EQ(pattern->matches(QStringView(row.text)), row.matches) << row.name;
    }
}

TEST(LikeCriterion, IsSplitIntoFieldAndPattern)
{
    const struct { const char16_t *text, *field, *matching; } rows[] = {
        {u"Name like '*'", u"Name", u"Anna"}, {u"  Punkte   LIKE  '1#'  ", u"Punkte", u"12"},
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
