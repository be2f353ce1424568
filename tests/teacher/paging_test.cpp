#include "platform/datasource.h"
#include "platform/recordset.h"
#include "results/resultsdb.h"
#include "support/testsupport.h"
#include "teacher/teacherlist.h"
#include "teacherdata.h"

#include <gtest/gtest.h>

using teacher_testing::numberedNames;
using teacher_testing::saveNames;

namespace {

// The five columns as the teacher view would show them.
class Columns : public ListColumnsOutput
{
public:
    void setColumns(const RecordColumns &columns) override { shown = columns; }
    RecordColumns shown;
};

// One press and what the teacher sees after it: the rows the columns show,
// Versatz, and the record number in the caption of datliste.
struct Step
{
    const char *press; // "Liste" (the full list), "Up", "Down", or "Suche:<text>"
    const char *rows;  // names; "first..last" for more than five in a row
    int versatz;
    int recordNumber;
    bool message = false; // the press tells the teacher "... nicht gefunden"
};

struct Scenario
{
    const char *name;
    QStringList records;
    std::vector<Step> steps;
};

class TeacherListTest : public ::testing::Test
{
protected:
    TeacherListTest() { datliste.setDatabaseName(resultsDatabasePath()); }

    // The rows of the name column, checked to be consecutive records of the
    // full list: up to five as they are, more as "first..last".
    std::string rows(const QStringList &all) const
    {
        const QString column = out.shown[ListColumn::Name];
        if (column.isEmpty())
            return {};
        const QStringList names = column.split(QStringLiteral("\r\n"));
        const qsizetype first = all.indexOf(names.first());
        bool consecutive = first >= 0;
        for (qsizetype i = 0; consecutive && i < names.size(); ++i)
            consecutive = first + i < all.size() && all[first + i] == names[i];
        if (!consecutive || names.size() <= 5)
            return names.join(u' ').toStdString();
        return (names.first() + QStringLiteral("..") + names.last()).toStdString();
    }

    bool press(const QString &what)
    {
        if (what == u"Liste")
            return list.fullList().isOk();
        if (what == u"Up") {
            list.up();
            return true;
        }
        if (what == u"Down")
            return list.down();
        return list.search(what.section(u':', 1));
    }

    void play(const Scenario &scenario)
    {
        if (!scenario.records.isEmpty())
            saveNames(scenario.records);
        QStringList all = scenario.records;
        std::sort(all.begin(), all.end());
        int step = 0;
        for (const Step &s : scenario.steps) {
            ++step;
            const bool found = press(QString::fromUtf8(s.press));
            SCOPED_TRACE(testing::Message() << "step " << step << " (" << s.press << ")");
            EXPECT_EQ(!found, s.message);
            EXPECT_EQ(rows(all), s.rows);
            EXPECT_EQ(list.Versatz(), s.versatz);
            EXPECT_EQ(recordNumberCaption(datliste.Recordset().AbsolutePosition()),
                      QStringLiteral("Datensatz Nr.: %1").arg(s.recordNumber));
        }
    }

    testing_support::ProgramFolderFixture folder;
    platform::DataSource datliste;
    Columns out;
    TeacherList list {datliste, out};
};

class Paging : public TeacherListTest, public ::testing::WithParamInterface<Scenario>
{
};

TEST_P(Paging, ShowsWhatTheTeacherExpectsAfterEveryPress)
{
    play(GetParam());
}

// Rows are names; K07 is the record at position 7 of the list by name. The
// record number is the position of the current record plus one: after a page
// its last row, after a press that draws nothing the record its finds reached.
INSTANTIATE_TEST_SUITE_P(
    Lists, Paging,
    ::testing::Values(
        Scenario {"NoRecordFiveEmptyColumnsAndNothingDrawn",
                  {},
                  {{"Liste", "", 0, 0}, {"Up", "", 1, 0}, {"Down", "", 1, 0}, {"Up", "", 1, 0}}},
        Scenario {"FourteenRecordsUpAndDownNeverDraw",
                  numberedNames(14),
                  {{"Liste", "K00..K13", 0, 1},
                   {"Down", "K00..K13", 0, 3},
                   {"Up", "K00..K13", 1, 1},
                   {"Down", "K00..K13", 1, 4}}},
        Scenario {"FifteenRecordsDownDrawsNothingUpTheFirstFourteen",
                  numberedNames(15),
                  {{"Liste", "K00..K14", 0, 1}, {"Down", "K00..K14", 0, 3}, {"Up", "K00..K13", 0, 14}}},
        Scenario {"SixteenRecordsOneDownThenTheBound",
                  numberedNames(16),
                  {{"Liste", "K00..K15", 0, 1},
                   {"Down", "K02..K15", 1, 16},
                   {"Down", "K02..K15", 1, 4},
                   {"Up", "K00..K13", 0, 14}}},
        Scenario {"ThirtyRecordsDownDownUpUpUp",
                  numberedNames(30),
                  {{"Liste", "K00..K29", 0, 1},
                   {"Down", "K02..K15", 1, 16},
                   {"Down", "K03..K16", 2, 17},
                   {"Up", "K01..K14", 1, 15},
                   {"Up", "K00..K13", 0, 14},
                   {"Up", "K00..K13", 0, 14}}},
        Scenario {"ThirtyRecordsDownReachesTheLastRecordAndStopsThere",
                  numberedNames(30),
                  {{"Liste", "K00..K29", 0, 1},  {"Down", "K02..K15", 1, 16},  {"Down", "K03..K16", 2, 17},
                   {"Down", "K04..K17", 3, 18},  {"Down", "K05..K18", 4, 19},  {"Down", "K06..K19", 5, 20},
                   {"Down", "K07..K20", 6, 21},  {"Down", "K08..K21", 7, 22},  {"Down", "K09..K22", 8, 23},
                   {"Down", "K10..K23", 9, 24},  {"Down", "K11..K24", 10, 25}, {"Down", "K12..K25", 11, 26},
                   {"Down", "K13..K26", 12, 27}, {"Down", "K14..K27", 13, 28}, {"Down", "K15..K28", 14, 29},
                   {"Down", "K16..K29", 15, 30}, {"Down", "K16..K29", 15, 18}, {"Liste", "K00..K29", 0, 1}}},
        Scenario {"FiveMoAmongThirtyDownThroughTheMatchesThenUp",
                  teacher_testing::thirtyWithFiveMo(),
                  {{"Liste", "A00..Z09", 0, 1},
                   {"Suche:Mo", "Mo1 Mo2 Mo3 Mo4 Mo5", 0, 20},
                   {"Down", "Mo3 Mo4 Mo5", 1, 20},
                   {"Down", "Mo4 Mo5", 2, 20},
                   {"Down", "Mo5", 3, 20},
                   {"Down", "Mo5", 4, 20, true},
                   {"Up", "A03..Mo2", 3, 17},
                   {"Down", "A03..Mo2", 4, 20, true}}},
        Scenario {"ThreeDownsBeforeASearchCarryOverToDownInSearchMode",
                  teacher_testing::thirtyWithFiveMo(),
                  {{"Liste", "A00..Z09", 0, 1},
                   {"Down", "A02..Mo1", 1, 16},
                   {"Down", "A03..Mo2", 2, 17},
                   {"Down", "A04..Mo3", 3, 18},
                   {"Suche:A", "A00..A14", 3, 15},
                   {"Down", "A05..A14", 4, 15}}},
        Scenario {"AtMostFourteenRecordsDownInSearchModeNeverChangesTheColumns",
                  numberedNames(14),
                  {{"Liste", "K00..K13", 0, 1}, {"Suche:K", "K00..K13", 0, 14}, {"Down", "K00..K13", 0, 2}}}),
    [](const ::testing::TestParamInfo<Scenario> &row) { return std::string(row.param.name); });

TEST_F(TeacherListTest, EveryColumnHoldsOneLinePerRowInTheSameOrder)
{
    saveNames(numberedNames(16));
    ASSERT_TRUE(list.fullList().isOk());
    list.down();
    for (const QString &column : out.shown.text)
        EXPECT_EQ(column.count(QStringLiteral("\r\n")), 13);
    EXPECT_EQ(out.shown[ListColumn::Name].section(QStringLiteral("\r\n"), 0, 0), QStringLiteral("K02"));
    // Record i was saved with i points, level i % 3 + 1 and day i + 1.
    EXPECT_EQ(out.shown[ListColumn::Punkte].section(QStringLiteral("\r\n"), 0, 0), QStringLiteral("2"));
    EXPECT_EQ(out.shown[ListColumn::Level].section(QStringLiteral("\r\n"), 0, 0), QStringLiteral("3"));
    EXPECT_EQ(out.shown[ListColumn::Datum].section(QStringLiteral("\r\n"), 0, 0), QStringLiteral("03.03.2024"));
    EXPECT_EQ(out.shown[ListColumn::Spiel].section(QStringLiteral("\r\n"), -1), QStringLiteral("Schweinchen"));
}

TEST_F(TeacherListTest, TheFullListResetsSearchModeAndSetsTheLastPosition)
{
    saveNames(numberedNames(20));
    ASSERT_TRUE(list.fullList().isOk());
    EXPECT_EQ(list.LetztePosition(), 19);
    list.down();
    list.search(QStringLiteral("K1"));
    EXPECT_EQ(list.Suchmodus(), 1);
    EXPECT_EQ(list.Suchkriterium(), QStringLiteral("Name like 'K1*'"));
    EXPECT_EQ(list.LetztePosition(), 19) << "a search leaves the last position";
    ASSERT_TRUE(list.fullList().isOk());
    EXPECT_EQ(list.Suchmodus(), 0);
    EXPECT_EQ(list.Versatz(), 0);
    EXPECT_EQ(datliste.Recordset().fieldText(u"Name"), QStringLiteral("K00"));
}

TEST_F(TeacherListTest, RecordsWithTheSameNameKeepTheOrderTheyWereSavedIn)
{
    saveNames({QStringLiteral("Lea"), QStringLiteral("Anna"), QStringLiteral("Lea"), QStringLiteral("anna")});
    ASSERT_TRUE(list.fullList().isOk());
    EXPECT_EQ(out.shown[ListColumn::Name], QStringLiteral("Anna\r\nanna\r\nLea\r\nLea"));
    EXPECT_EQ(out.shown[ListColumn::Punkte], QStringLiteral("1\r\n3\r\n0\r\n2"));
}

} // namespace
