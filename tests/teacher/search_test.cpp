#include "platform/datasource.h"
#include "support/testsupport.h"
#include "teacherdata.h"

namespace {

struct SearchCase
{
    const char *name;
    std::vector<const char *> typed; // the search box's text after each change
    const char *shown;               // the name column after the last change
    int nichtGefunden;               // changes that found nothing
};

class Search : public ::testing::TestWithParam<SearchCase>
{
protected:
    testing_support::ProgramFolderFixture folder;
};

const char kEveryone[] = "1a [Gast] Anna anton Bea* Ben? Jörg Jürgen Max mona Moritz O'Brien Zoe Ömer";

TEST_P(Search, ListsTheNamesThatBeginWithTheTextAndNeverFailsOnWhatIsTyped)
{
    const SearchCase &c = GetParam();
    teacher_testing::saveNames({"Anna", "anton", "O'Brien", "Jörg", "Jürgen", "[Gast]", "Ben?", "Max", "Moritz",
                                "mona", "Ömer", "Zoe", "1a", "Bea*"});
    platform::DataSource datliste;
    datliste.setDatabaseName(platform::resultsDatabasePath());
    teacher_testing::Columns out;
    TeacherList list(datliste, out);
    ASSERT_TRUE(list.fullList().isOk());
    int nichtGefunden = 0;
    for (const char *text : c.typed)
        nichtGefunden += list.search(QString::fromUtf8(text)) ? 0 : 1;
    EXPECT_EQ(list.Suchmodus(), 1);
    EXPECT_EQ(out.names().replace(QStringLiteral("\r\n"), QStringLiteral(" ")).toStdString(), c.shown);
    EXPECT_EQ(nichtGefunden, c.nichtGefunden);
}

// The list by name sorts ASCII letters without regard to case: kEveryone.
INSTANTIATE_TEST_SUITE_P(
    Texts, Search,
    ::testing::Values(SearchCase {"MThenMo", {"M", "Mo"}, "mona Moritz", 0},
                      SearchCase {"UmlautInOtherCase", {"jÖ"}, "Jörg", 0},
                      SearchCase {"StarForAnyRun", {"*r"}, "Jörg Jürgen Moritz O'Brien Ömer", 0},
                      SearchCase {"QuestionMarkForOneCharacter", {"?n"}, "Anna anton", 0},
                      SearchCase {"HashForOneDigit", {"#"}, "1a", 0},
                      SearchCase {"AValidListKeepsItsMeaning", {"[ab]e"}, "Bea* Ben?", 0},
                      SearchCase {"AnApostropheIsFoundByTypingIt", {"O'"}, "O'Brien", 0},
                      SearchCase {"AnUnclosedBracketStandsForItself", {"[", "[G"}, "[Gast]", 0},
                      SearchCase {"ABracketOfAnInvalidListStandsForItself", {"[z-a]"}, kEveryone, 1},
                      SearchCase {"NothingTwiceInARowKeepsTheListing", {"M", "X", "X'"}, "Max mona Moritz", 2},
                      SearchCase {"AnEmptyTextListsEveryNamedRecord", {"Z", ""}, kEveryone, 0}),
    [](const ::testing::TestParamInfo<SearchCase> &row) { return std::string(row.param.name); });

TEST(SearchPattern, MakesPlainOnlyWhatWouldMakeTheCriterionMalformed)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"*a?#", u"*a?#"}, {u"O'", u"O''"}, {u"[a']", u"[a'']"}, {u"Mo[a", u"Mo[[]a"},
        {u"[[b]", u"[[b]"}, {u"[!]x", u"[[]!]x"}, {u"a]", u"a]"},
    };
    for (const auto &[typed, pattern] : cases)
        EXPECT_EQ(searchPattern(QString::fromUtf16(typed)), QString::fromUtf16(pattern));
}

} // namespace
