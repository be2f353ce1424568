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
    const MatchCase &c = GetParam();
    QString error;
    const auto pattern = LikePattern::parse(QStringView(c.pattern), &error);
    ASSERT_TRUE(pattern) << error.toStdString();
    EXPECT_EQ(pattern->matches(QStringView(c.text)), c.matches)
        << QString::fromUtf16(c.pattern).toStdString() << " on " << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, LikeMatch,
    ::testing::Values(
        // "*" any run, the empty one too
        MatchCase {"StarAloneMatchesEmptyText", u"*", u"", true},
        MatchCase {"StarAloneMatchesAnyText", u"*", u"Mo 12 äß", true},
        MatchCase {"PrefixMatches", u"Mo*", u"Mona", true},
        MatchCase {"PrefixMatchesItselfAlone", u"Mo*", u"Mo", true},
        MatchCase {"PrefixIgnoresCase", u"mo*", u"MOrITZ", true},
        MatchCase {"PrefixMustStandAtTheStart", u"Mo*", u"Amo", false},
        MatchCase {"SuffixMatches", u"*ke", u"Anke", true},
        MatchCase {"SuffixMustStandAtTheEnd", u"*ke", u"Anken", false},
        MatchCase {"StarsTakeBackCharactersWhenTheRestFails", u"*ab", u"aab", true},
        MatchCase {"StarsInTheMiddleMatchAcrossRuns", u"*a*b*c", u"xxaxbxxbyc", true},
        MatchCase {"RepeatedStarsAreOneStar", u"**a**", u"a", true},
        MatchCase {"BothEndsMustBeThere", u"a*a", u"a", false},
        MatchCase {"LiteralTextMustMatchWhole", u"Max", u"Maxi", false},
        MatchCase {"EmptyPatternMatchesOnlyEmptyText", u"", u"", true},
        MatchCase {"EmptyPatternRefusesText", u"", u"a", false},
        // "?" one character
        MatchCase {"QuestionMarkTakesOneCharacter", u"M?x", u"Max", true},
        MatchCase {"QuestionMarkNeedsACharacter", u"M?x", u"Mx", false},
        MatchCase {"QuestionMarkTakesOnlyOne", u"M?x", u"Maax", false},
        MatchCase {"QuestionMarkTakesASurrogatePairAsOne", u"?", u"\U0001F600", true},
        // "#" one digit
        MatchCase {"HashTakesADigit", u"##", u"42", true},
        MatchCase {"HashRefusesALetter", u"##", u"4a", false},
        MatchCase {"HashRefusesAMinus", u"#", u"-", false},
        MatchCase {"NegativeNumberWithHashes", u"-#", u"-5", true},
        // character lists
        MatchCase {"ListTakesOneOfItsCharacters", u"[abc]", u"b", true},
        MatchCase {"ListRefusesOthers", u"[abc]", u"d", false},
        MatchCase {"ListIgnoresCase", u"[abc]", u"B", true},
        MatchCase {"RangeTakesACharacterInside", u"[a-c]", u"b", true},
        MatchCase {"RangeIgnoresCase", u"[a-c]", u"C", true},
        MatchCase {"UpperRangeTakesLowerLetter", u"[A-C]", u"a", true},
        MatchCase {"RangeRefusesOutside", u"[a-c]", u"d", false},
        MatchCase {"NegatedRangeTakesOutside", u"[!0-9]", u"a", true},
        MatchCase {"NegatedRangeRefusesInside", u"[!0-9]", u"5", false},
        MatchCase {"NegatedListIgnoresCase", u"[!a-c]x", u"Ax", false},
        MatchCase {"SeveralRangesInOneList", u"[a-cx-z]", u"Y", true},
        MatchCase {"StarInsideAListIsAStar", u"[*]", u"*", true},
        MatchCase {"StarInsideAListIsNotAWildcard", u"[*]", u"a", false},
        MatchCase {"QuestionMarkInsideAList", u"a[?]", u"a?", true},
        MatchCase {"HashInsideAList", u"[#]", u"#", true},
        MatchCase {"OpeningBracketInsideAList", u"[[]", u"[", true},
        MatchCase {"LeadingMinusIsAMinus", u"[-a]", u"-", true},
        MatchCase {"TrailingMinusIsAMinus", u"[a-]", u"-", true},
        MatchCase {"EmptyListStandsForNothing", u"a[]b", u"ab", true},
        MatchCase {"ClosingBracketOutsideAListIsItself", u"a]", u"a]", true},
        MatchCase {"ExclamationOutsideAListIsItself", u"!", u"!", true},
        MatchCase {"UmlautsIgnoreCase", u"ä*", u"Äpfel", true},
        MatchCase {"ListWithUmlautIgnoresCase", u"[ö]*", u"Özil", true}),
    [](const ::testing::TestParamInfo<MatchCase> &row) { return std::string(row.param.name); });

struct MalformedCase
{
    const char *name;
    const char16_t *pattern;
};

class MalformedPattern : public ::testing::TestWithParam<MalformedCase>
{
};

TEST_P(MalformedPattern, IsRefusedWithAReason)
{
    QString error;
    EXPECT_FALSE(LikePattern::parse(QStringView(GetParam().pattern), &error));
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Patterns, MalformedPattern,
                         ::testing::Values(MalformedCase {"UnclosedList", u"[abc"},
                                           MalformedCase {"UnclosedListAtTheEnd", u"Mo["},
                                           MalformedCase {"UnclosedNegatedList", u"[!"},
                                           MalformedCase {"DescendingRange", u"[z-a]"},
                                           MalformedCase {"NegatedEmptyList", u"[!]"}),
                         [](const ::testing::TestParamInfo<MalformedCase> &row) { return std::string(row.param.name); });

TEST(LikePattern, APatternOfStarsAloneIsKnownToMatchEverything)
{
    EXPECT_TRUE(LikePattern::parse(u"*")->matchesAnyText());
    EXPECT_TRUE(LikePattern::parse(u"***")->matchesAnyText());
    EXPECT_FALSE(LikePattern::parse(u"*a")->matchesAnyText());
    EXPECT_FALSE(LikePattern::parse(u"")->matchesAnyText());
}

struct CriterionCase
{
    const char *name;
    const char16_t *text;
    const char16_t *field;
    const char16_t *matching;
};

class CriterionParse : public ::testing::TestWithParam<CriterionCase>
{
};

TEST_P(CriterionParse, SplitsFieldAndPattern)
{
    const CriterionCase &c = GetParam();
    QString error;
    const auto criterion = LikeCriterion::parse(QStringView(c.text), &error);
    ASSERT_TRUE(criterion) << error.toStdString();
    EXPECT_EQ(criterion->field, QString::fromUtf16(c.field));
    EXPECT_TRUE(criterion->pattern.matches(QStringView(c.matching)));
}

INSTANTIATE_TEST_SUITE_P(
    Criteria, CriterionParse,
    ::testing::Values(CriterionCase {"AsTheListsWriteIt", u"Name like '*'", u"Name", u"Anna"},
                      CriterionCase {"LikeInAnyCaseAndSpaces", u"  Punkte   LIKE  '1#'  ", u"Punkte", u"12"},
                      CriterionCase {"BracketedFieldName", u"[Name] like 'Mo*'", u"Name", u"Mona"},
                      CriterionCase {"NoSpaceBeforeTheQuote", u"Name like'Mo*'", u"Name", u"Mo"},
                      CriterionCase {"EmptyPattern", u"Name like ''", u"Name", u""},
                      CriterionCase {"DoubledApostropheStandsForOne", u"Name like 'O''Brien*'", u"Name",
                                     u"O'Brien-Meier"},
                      CriterionCase {"DoubledApostropheInAList", u"Name like '[''x]'", u"Name", u"'"}),
    [](const ::testing::TestParamInfo<CriterionCase> &row) { return std::string(row.param.name); });

class MalformedCriterion : public ::testing::TestWithParam<MalformedCase>
{
};

TEST_P(MalformedCriterion, IsRefusedWithAReason)
{
    QString error;
    EXPECT_FALSE(LikeCriterion::parse(QStringView(GetParam().pattern), &error));
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Criteria, MalformedCriterion,
    ::testing::Values(MalformedCase {"ApostropheInsideThePattern", u"Name like 'O'Brien*'"},
                      MalformedCase {"ApostropheAtTheEndOfTypedText", u"Name like 'Mo'*'"},
                      MalformedCase {"UnclosedQuote", u"Name like 'Mo*"},
                      MalformedCase {"UnclosedListInThePattern", u"Name like 'Mo[*'"},
                      MalformedCase {"NoFieldName", u"like 'Mo*'"},
                      MalformedCase {"NoLike", u"Name = 'Mo'"},
                      MalformedCase {"PatternWithoutQuotes", u"Name like Mo*"},
                      MalformedCase {"SqlAfterThePattern", u"Name like 'a' OR 1=1"},
                      MalformedCase {"Empty", u""}),
    [](const ::testing::TestParamInfo<MalformedCase> &row) { return std::string(row.param.name); });

} // namespace
