#include "platform/datasource.h"
#include "results/resultsdb.h"
#include "support/testsupport.h"
#include "teacher/teacherlist.h"
#include "teacherdata.h"

#include <gtest/gtest.h>

namespace {

class Columns : public ListColumnsOutput
{
public:
    void setColumns(const RecordColumns &columns) override { names = columns[ListColumn::Name]; }
    QString names;
};

const QStringList kClass = {"Anna",  "anton", "O'Brien", "Jörg",  "Jürgen", "[Gast]", "Ben?", "Max",
                            "Moritz", "mona",  "Öztürk",  "Ömer", "Zoe",    "1a",     "Bea*"};

struct SearchCase
{
    const char *name;
    std::vector<const char *> typed; // the search box's text after each change
    const char *shown;               // the name column after the last change, names joined by " "
    int messages;                    // how many changes found nothing
};

class Search : public ::testing::TestWithParam<SearchCase>
{
protected:
    testing_support::ProgramFolderFixture folder;
};

TEST_P(Search, ListsTheNamesThatBeginWithTheTextAndNeverFailsOnWhatIsTyped)
{
    const SearchCase &c = GetParam();
    teacher_testing::saveNames(kClass);
    platform::DataSource datliste;
    datliste.setDatabaseName(resultsDatabasePath());
    Columns out;
    TeacherList list(datliste, out);
    ASSERT_TRUE(list.fullList().isOk());
    int messages = 0;
    for (const char *text : c.typed) {
        if (!list.search(QString::fromUtf8(text)))
            ++messages;
        EXPECT_EQ(list.Suchmodus(), 1);
    }
    out.names.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    EXPECT_EQ(out.names.toStdString(), c.shown);
    EXPECT_EQ(messages, c.messages);
}

// In name order (ASCII letters without regard to case): 1a [Gast] Anna anton
// Bea* Ben? Jörg Jürgen Max mona Moritz O'Brien Zoe Ömer Öztürk.
INSTANTIATE_TEST_SUITE_P(
    Texts, Search,
    ::testing::Values(
        SearchCase {"MThenMo", {"M", "Mo"}, "mona Moritz", 0},
        SearchCase {"CaseIsIgnored", {"mO"}, "mona Moritz", 0},
        SearchCase {"UmlautsInAnyCase", {"jö"}, "Jörg", 0},
        SearchCase {"CapitalUmlaut", {"ö"}, "Ömer Öztürk", 0},
        SearchCase {"StarStandsForAnyRun", {"*r"}, "Jörg Jürgen Moritz O'Brien Ömer Öztürk", 0},
        SearchCase {"QuestionMarkForOneCharacter", {"?n"}, "Anna anton", 0},
        SearchCase {"HashForOneDigit", {"#"}, "1a", 0},
        SearchCase {"AValidListKeepsItsMeaning", {"[ab]e"}, "Bea* Ben?", 0},
        SearchCase {"AnApostropheIsFoundByTypingIt", {"O'"}, "O'Brien", 0},
        SearchCase {"AnApostropheThatMatchesNothing", {"X'"}, "1a [Gast] Anna anton Bea* Ben? Jörg Jürgen Max mona Moritz O'Brien Zoe Ömer Öztürk", 1},
        SearchCase {"AnUnclosedBracketStandsForItself", {"[", "[G"}, "[Gast]", 0},
        SearchCase {"ABracketOpeningADescendingRangeStandsForItself", {"[z-a]"}, "1a [Gast] Anna anton Bea* Ben? Jörg Jürgen Max mona Moritz O'Brien Zoe Ömer Öztürk", 1},
        SearchCase {"AnEmptyListMatchesNothingInItsPlace", {"[]Max"}, "Max", 0},
        SearchCase {"NothingTwiceInARowKeepsTheListing", {"M", "X", "Xy"}, "Max mona Moritz", 2},
        SearchCase {"DeletingTheLastCharacterListsEveryNamedRecord", {"Z", ""}, "1a [Gast] Anna anton Bea* Ben? Jörg Jürgen Max mona Moritz O'Brien Zoe Ömer Öztürk", 0}),
    [](const ::testing::TestParamInfo<SearchCase> &row) { return std::string(row.param.name); });

struct PatternCase
{
    const char *name;
    const char16_t *typed;
    const char16_t *pattern;
};

class SearchPattern : public ::testing::TestWithParam<PatternCase>
{
};

TEST_P(SearchPattern, MakesPlainOnlyWhatWouldBreakTheCriterion)
{
    EXPECT_EQ(searchPattern(QString::fromUtf16(GetParam().typed)), QString::fromUtf16(GetParam().pattern));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, SearchPattern,
    ::testing::Values(PatternCase {"PlainText", u"Mo", u"Mo"},
                      PatternCase {"WildcardsStay", u"*a?#", u"*a?#"},
                      PatternCase {"ApostropheDoubled", u"O'", u"O''"},
                      PatternCase {"ApostropheInAValidList", u"[a']", u"[a'']"},
                      PatternCase {"UnclosedBracket", u"Mo[a", u"Mo[[]a"},
                      PatternCase {"ABracketInsideAList", u"[[b]", u"[[b]"},
                      PatternCase {"NegatedEmptyList", u"[!]x", u"[[]!]x"},
                      PatternCase {"ClosingBracketAlone", u"a]", u"a]"}),
    [](const ::testing::TestParamInfo<PatternCase> &row) { return std::string(row.param.name); });

TEST(SearchCriterion, AppendsTheStarAndQuotesThePattern)
{
    EXPECT_EQ(searchCriterion(QStringLiteral("Mo")), QStringLiteral("Name like 'Mo*'"));
    EXPECT_EQ(searchCriterion(QString()), QStringLiteral("Name like '*'"));
}

} // namespace
