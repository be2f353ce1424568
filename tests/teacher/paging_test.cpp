#include "platform/datasource.h"
#include "platform/recordset.h"
#include "support/testsupport.h"
#include "teacherdata.h"

using teacher_testing::numberedNames;

namespace {

// One press and what the teacher sees after it: the rows of the columns,
// Versatz, and the record number in the caption of datliste.
struct Step
{
    const char *press; // "Liste" (the full list), "Up", "Down", or "Suche:<text>"
    const char *rows;  // names, "first..last" for more than five
    int versatz;
    int recordNumber;
    bool nichtGefunden = false;
};

struct Scenario
{
    const char *name;
    QStringList records;
    std::vector<Step> steps;
};

class Paging : public ::testing::TestWithParam<Scenario>
{
protected:
    // The names of the first column; more than five must be consecutive
    // records of the list by name, written "first..last".
    std::string rows(QStringList all) const
    {
        if (out.names().isEmpty())
            return {};
        const QStringList names = out.names().split(QStringLiteral("\r\n"));
        std::sort(all.begin(), all.end());
        const qsizetype first = all.indexOf(names.first());
        if (names.size() <= 5 || first < 0 || all.mid(first, names.size()) != names)
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
        return what == u"Down" ? list.down() : list.search(what.section(u':', 1));
    }

    testing_support::ProgramFolderFixture folder;
    platform::DataSource datliste;
    teacher_testing::Columns out;
    TeacherList list {datliste, out};
};

TEST_P(Paging, ShowsWhatTheTeacherExpectsAfterEveryPress)
{
    const Scenario &scenario = GetParam();
    if (!scenario.records.isEmpty())
        teacher_testing::saveNames(scenario.records);
    datliste.setDatabaseName(platform::resultsDatabasePath());
    int step = 0;
    for (const Step &s : scenario.steps) {
        SCOPED_TRACE(testing::Message() << "step " << ++step << " (" << s.press << ")");
        EXPECT_EQ(!press(QString::fromUtf8(s.press)), s.nichtGefunden);
        EXPECT_EQ(rows(scenario.records), s.rows);
        EXPECT_EQ(list.Versatz(), s.versatz);
        EXPECT_EQ(recordNumberCaption(datliste.Recordset().AbsolutePosition()),
                  QStringLiteral("Datensatz Nr.: %1").arg(s.recordNumber));
    }
}

// K07 is the record at position 7 of the list by name. After a page the
// current record is its last row; after a press that draws nothing, the
// record that its finds reached.
INSTANTIATE_TEST_SUITE_P(
    Lists, Paging,
    ::testing::Values(
        Scenario {"NoRecord", {}, {{"Liste", "", 0, 0}, {"Up", "", 1, 0}, {"Down", "", 1, 0}, {"Up", "", 1, 0}}},
        Scenario {"FourteenRecordsNeverDraw",
                  numberedNames(14),
                  {{"Liste", "K00..K13", 0, 1}, {"Down", "K00..K13", 0, 3}, {"Up", "K00..K13", 1, 1},
                   {"Down", "K00..K13", 1, 4}, {"Suche:K", "K00..K13", 1, 14}, {"Down", "K00..K13", 1, 3}}},
        Scenario {"Fifteen", numberedNames(15), {{"Liste", "K00..K14", 0, 1}, {"Down", "K00..K14", 0, 3}, {"Up", "K00..K13", 0, 14}}},
        Scenario {"Sixteen",
                  numberedNames(16),
                  {{"Liste", "K00..K15", 0, 1}, {"Down", "K02..K15", 1, 16}, {"Down", "K02..K15", 1, 4},
                   {"Up", "K00..K13", 0, 14}}},
        Scenario {"ThirtyDownDownUpUpUp",
                  numberedNames(30),
                  {{"Liste", "K00..K29", 0, 1}, {"Down", "K02..K15", 1, 16}, {"Down", "K03..K16", 2, 17},
                   {"Up", "K01..K14", 1, 15}, {"Up", "K00..K13", 0, 14}, {"Up", "K00..K13", 0, 14}}},
        Scenario {"ThirtyDownToTheLastRecordAndNoFurther",
                  numberedNames(30),
                  {{"Liste", "K00..K29", 0, 1},  {"Down", "K02..K15", 1, 16},  {"Down", "K03..K16", 2, 17},
                   {"Down", "K04..K17", 3, 18},  {"Down", "K05..K18", 4, 19},  {"Down", "K06..K19", 5, 20},
                   {"Down", "K07..K20", 6, 21},  {"Down", "K08..K21", 7, 22},  {"Down", "K09..K22", 8, 23},
                   {"Down", "K10..K23", 9, 24},  {"Down", "K11..K24", 10, 25}, {"Down", "K12..K25", 11, 26},
                   {"Down", "K13..K26", 12, 27}, {"Down", "K14..K27", 13, 28}, {"Down", "K15..K28", 14, 29},
                   {"Down", "K16..K29", 15, 30}, {"Down", "K16..K29", 15, 18}}},
        Scenario {"FiveMoAmongThirty",
                  teacher_testing::thirtyWithFiveMo(),
                  {{"Liste", "A00..Z09", 0, 1},
                   {"Suche:Mo", "Mo1 Mo2 Mo3 Mo4 Mo5", 0, 20},
                   {"Down", "Mo3 Mo4 Mo5", 1, 20},
                   {"Down", "Mo4 Mo5", 2, 20},
                   {"Down", "Mo5", 3, 20},
                   {"Down", "Mo5", 4, 20, true},
                   {"Up", "A03..Mo2", 3, 17},
                   {"Down", "A03..Mo2", 4, 20, true},
                   {"Liste", "A00..Z09", 0, 1},
                   {"Down", "A02..Mo1", 1, 16}}},
        Scenario {"ThreeDownsBeforeASearch",
                  teacher_testing::thirtyWithFiveMo(),
                  {{"Liste", "A00..Z09", 0, 1}, {"Down", "A02..Mo1", 1, 16}, {"Down", "A03..Mo2", 2, 17},
                   {"Down", "A04..Mo3", 3, 18}, {"Suche:A", "A00..A14", 3, 15}, {"Down", "A05..A14", 4, 15}}}),
    [](const ::testing::TestParamInfo<Scenario> &row) { return std::string(row.param.name); });

} // namespace
