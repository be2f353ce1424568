#include "platform/datasource.h"
#include "platform/recordset.h"
#include "platform/resultsdb.h"
#include "platform/textorder.h"
#include "results/saving.h"
#include "support/killchild.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"
#include "teacher/teacherlist.h"

#include <gtest/gtest.h>

using platform::DbStatus;
using testing_support::SqliteFile;

namespace {

// Saves the names as the save window would, in the order given.
void saveNames(const QStringList &names)
{
    std::vector<ResultRecord> records;
    for (int i = 0; i < names.size(); ++i)
        records.push_back({names[i], static_cast<qint16>(i), QStringLiteral("Memory"), 1, QDate(2024, 3, 1)});
    const DbStatus status = appendRecords(platform::resultsDatabasePath(), records);
    ASSERT_TRUE(status.isOk()) << status.reason().toStdString();
}

// "K00", "K01", ...: a name's number is its position in the list by name.
QStringList numberedNames(int count, const char *prefix = "K")
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

constexpr auto byName = [](const auto &row) { return std::string(row.param.name); };

// The teacher view's five columns.
class Columns : public ListColumnsOutput
{
public:
    void setColumns(const platform::RecordColumns &columns) override { shown = columns; }
    QStringList names() const
    {
        return shown.text[0].isEmpty() ? QStringList() : shown.text[0].split(QStringLiteral("\r\n"));
    }
    platform::RecordColumns shown;
};

// The names in the file, in the order they were saved.
QStringList storedNames()
{
    return SqliteFile(platform::resultsDatabasePath()).rows("SELECT Name FROM userdaten ORDER BY rowid");
}

class TeacherListTest : public ::testing::Test
{
protected:
    void SetUp() override { datliste.setDatabaseName(platform::resultsDatabasePath()); }

    testing_support::ProgramFolderFixture folder;
    platform::DataSource datliste;
    Columns out;
    TeacherList list {datliste, out, /*busyTimeoutMs=*/150};
};

// Steps: a press ("Liste" for the full list, "Up", "Down", "Suche:<text>", the
// arrows "Next" and "Last", "Löschen", "Alle" for "Alle Daten löschen") and what
// the teacher then sees: the name column ("first..last" for more than five
// consecutive records of the list by name, else joined by commas, "-" for none),
// Versatz, the caption's record number, "!" when "nicht gefunden" or a delete fails.
struct Scenario
{
    const char *name;
    QStringList records;
    const char *steps;
};

class Paging : public TeacherListTest, public ::testing::WithParamInterface<Scenario>
{
};

TEST_P(Paging, ShowsWhatTheTeacherExpectsAfterEveryPress)
{
    saveNames(GetParam().records);
    QStringList sorted = GetParam().records; // as the list sorts
    std::stable_sort(sorted.begin(), sorted.end(),
        [](const QString &a, const QString &b) { return platform::compareText(a.toStdString(), b.toStdString()) < 0; });
    for (const QString &step : QString::fromUtf8(GetParam().steps).split(QStringLiteral("; "))) {
        SCOPED_TRACE(step.toStdString());
        const QString press = step.section(u' ', 0, 0);
        bool found = true;
        if (press == u"Liste")
            found = list.fullList().isOk();
        else if (press == u"Up")
            list.up();
        else if (press == u"Next" || press == u"Last") // the arrows of datliste
            press == u"Next" ? datliste.moveNext() : datliste.moveLast();
        else if (press == u"Löschen" || press == u"Alle")
            found = (press == u"Alle" ? list.deleteAll() : list.deleteCurrent()).isOk();
        else
            found = press == u"Down" ? list.down() : list.search(press.section(u':', 1));
        const QStringList names = out.names();
        const qsizetype first = sorted.indexOf(names.value(0));
        const bool run = names.size() > 5 && first >= 0 && sorted.mid(first, names.size()) == names;
        const QString rows = names.isEmpty() ? QStringLiteral("-")
            : run                            ? names.first() + ".." + names.last()
                                             : names.join(u',');
        const QString number
            = recordNumberCaption(datliste.Recordset().AbsolutePosition()).remove(QStringLiteral("Datensatz Nr.: "));
        EXPECT_EQ(
            QStringLiteral("%1 %2 %3 %4%5").arg(press, rows).arg(list.Versatz()).arg(number, found ? "" : " !"), step);
    }
}

// 30 records, saved in reverse, of which only Mo1 to Mo5 begin with "Mo":
// A00..A14 come before them in the list, Z00..Z09 after.
QStringList thirtyWithFiveMo()
{
    QStringList names
        = numberedNames(15, "A") + QStringList({"Mo1", "Mo2", "Mo3", "Mo4", "Mo5"}) + numberedNames(10, "Z");
    std::reverse(names.begin(), names.end());
    return names;
}

// Saved in no order; by name: anton ärger Ärmel Berta Emil Fritz Hanna Ida
// Lars ölmann Otto Paul Übel Ulf zacharias Zoe.
const QStringList kDictionary = {"Übel", "Ida", "Zoe", "ölmann", "Fritz", "anton", "Ärmel", "Paul", "Ulf", "Hanna",
    "zacharias", "Berta", "Lars", "ärger", "Emil", "Otto"};

const QStringList kSearched = {"Anna", "anton", "O'Brien", "Jörg", "Jürgen", "[Gast]", "Ben?", "Max", "Moritz", "mona",
    "Ömer", "Zoe", "1a", "Bea*"};

// K07 is the record at position 7 of the list by name. After a page the
// current record is its last row; after a press that draws nothing, the
// record that its finds reached.
using S = Scenario;
INSTANTIATE_TEST_SUITE_P(Lists, Paging,
    ::testing::Values(S {"NoRecord", {}, "Liste - 0 0; Up - 1 0; Down - 1 0; Up - 1 0"},
        S {"FourteenRecordsNeverDraw", numberedNames(14),
            "Liste K00..K13 0 1; Down K00..K13 0 3; Up K00..K13 1 1; Down K00..K13 1 4; Suche:K K00..K13 1 14; "
            "Down K00..K13 1 3"},
        S {"Fifteen", numberedNames(15), "Liste K00..K14 0 1; Down K00..K14 0 3; Up K00..K13 0 14"},
        S {"Sixteen", numberedNames(16), "Liste K00..K15 0 1; Down K02..K15 1 16; Down K02..K15 1 4; Up K00..K13 0 14"},
        S {"ThirtyDownDownUpUpUp", numberedNames(30),
            "Liste K00..K29 0 1; Down K02..K15 1 16; Down K03..K16 2 17; Up K01..K14 1 15; Up K00..K13 0 14; "
            "Up K00..K13 0 14"},
        S {"FiveMoAmongThirty", thirtyWithFiveMo(),
            "Liste A00..Z09 0 1; Suche:Mo Mo1,Mo2,Mo3,Mo4,Mo5 0 20; Down Mo3,Mo4,Mo5 1 20; Down Mo4,Mo5 2 20; "
            "Down Mo5 3 20; Down Mo5 4 20 !; Up A03..Mo2 3 17; Down A03..Mo2 4 20 !; Liste A00..Z09 0 1; "
            "Down A02..Mo1 1 16"},
        // After a delete the next record is current, or the new last, or none;
        // "Alle" deletes wherever the teacher stands. The window lists anew.
        S {"Deletions", numberedNames(4),
            "Liste K00,K01,K02,K03 0 1; Next K00,K01,K02,K03 0 2; Löschen K00,K01,K02,K03 0 2; "
            "Last K00,K01,K02,K03 0 3; Löschen K00,K01,K02,K03 0 2; Suche:K02 K02 0 2; Liste K00,K02 0 1; "
            "Last K00,K02 0 2; Alle K00,K02 0 0; Liste - 0 0"},
        S {"TheOnlyRecord", {"Anna"}, "Liste Anna 0 1; Löschen Anna 0 0; Liste - 0 0; Löschen - 0 0; Alle - 0 0"},
        // "*", "?", "#" and a valid list keep their meaning; an apostrophe or a
        // "[" that opens no valid list stands for itself: nothing typed fails.
        S {"MThenMo", kSearched, "Liste [Gast]..Zoe 0 1; Suche:M Max,mona,Moritz 0 11; Suche:Mo mona,Moritz 0 11"},
        S {"UmlautInOtherCase", kSearched, "Liste [Gast]..Zoe 0 1; Suche:jÖ Jörg 0 7"},
        S {"StarForAnyRun", kSearched, "Liste [Gast]..Zoe 0 1; Suche:*r Jörg,Jürgen,Moritz,O'Brien,Ömer 0 13"},
        S {"QuestionMarkForOneCharacter", kSearched, "Liste [Gast]..Zoe 0 1; Suche:?n Anna,anton 0 4"},
        S {"HashForOneDigit", kSearched, "Liste [Gast]..Zoe 0 1; Suche:# 1a 0 2"},
        S {"AValidListKeepsItsMeaning", kSearched, "Liste [Gast]..Zoe 0 1; Suche:[ab]e Bea*,Ben? 0 6"},
        S {"AnApostropheIsFoundByTypingIt", kSearched, "Liste [Gast]..Zoe 0 1; Suche:O' O'Brien 0 12"},
        S {"AnUnclosedBracketStandsForItself", kSearched,
            "Liste [Gast]..Zoe 0 1; Suche:[ [Gast] 0 1; Suche:[G [Gast] 0 1"},
        S {"ABracketOfAnInvalidListStandsForItself", kSearched, "Liste [Gast]..Zoe 0 1; Suche:[z-a] [Gast]..Zoe 0 1 !"},
        S {"NothingTwiceInARowKeepsTheListing", kSearched,
            "Liste [Gast]..Zoe 0 1; Suche:M Max,mona,Moritz 0 11; Suche:X Max,mona,Moritz 0 11 !; "
            "Suche:X' Max,mona,Moritz 0 11 !"},
        // Down in search mode moves on by matches, not by the records between.
        S {"DownInSearchModeMovesOnByMatches", numberedNames(30),
            "Liste K00..K29 0 1; Suche:K?1 K01,K11,K21 0 22; Down K21 1 22"},
        // Pages and searches walk the list in dictionary order ("ölmann"
        // between "Lars" and "Otto"), and so does Down in search mode.
        S {"PagesAndSearchesInDictionaryOrder", kDictionary,
            "Liste anton..Zoe 0 1; Down Ärmel..Zoe 1 16; Up anton..Ulf 0 14; "
            "Suche:*l Ärmel,Emil,Lars,ölmann,Paul,Übel,Ulf 0 14; Down Lars,ölmann,Paul,Übel,Ulf 1 14; "
            "Suche:ä ärger,Ärmel 1 3"},
        S {"AnEmptyTextListsEveryNamedRecord", kSearched,
            "Liste [Gast]..Zoe 0 1; Suche:Z Zoe 0 14; Suche: [Gast]..Zoe 0 14"}),
    byName);

// The lists' filler starts a list with a first row that replaces what it held.
TEST_F(TeacherListTest, TheFillersFirstRowReplacesWhatTheColumnsHeld)
{
    saveNames({"a", "b"});
    ASSERT_TRUE(list.fullList().isOk());
    platform::RecordListFiller filler(datliste.Recordset());
    filler.addFirstRow();
    datliste.moveNext();
    filler.addFirstRow();
    EXPECT_EQ(filler.columns().text[0], QStringLiteral("b"));
}

// A refusal (here another program's rule that keeps K03, then a lock) deletes
// nothing, "Alle Daten löschen" included.
TEST_F(TeacherListTest, ARefusedDeleteDeletesNothingAndSaysWhy)
{
    saveNames(numberedNames(6));
    SqliteFile file(platform::resultsDatabasePath());
    ASSERT_TRUE(file.execute(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON userdaten WHEN old.Name = 'K03' "
                                            "BEGIN SELECT RAISE(ABORT, 'keep K03'); END;")));
    ASSERT_TRUE(list.fullList().isOk());
    EXPECT_TRUE(deleteFailureMessage(list.deleteAll()).startsWith(QStringLiteral("Es wurde nichts gelöscht.\n\n")));
    ASSERT_TRUE(list.fullList().isOk());
    for (int i = 0; i < 3; ++i)
        datliste.moveNext();
    EXPECT_FALSE(list.deleteCurrent().isOk());
    ASSERT_TRUE(file.execute(QStringLiteral("BEGIN EXCLUSIVE")));
    datliste.moveFirst();
    EXPECT_EQ(list.deleteCurrent().code(), DbStatus::Code::Locked);
    file.execute(QStringLiteral("ROLLBACK"));
    EXPECT_EQ(storedNames(), numberedNames(6));
}

// "Alle Daten löschen" deletes the records listed: one changed meanwhile by
// another copy of the program stops it, and nothing is deleted.
TEST_F(TeacherListTest, DeletingAllAfterARecordChangedMeanwhileDeletesNothing)
{
    saveNames(numberedNames(3));
    ASSERT_TRUE(list.fullList().isOk());
    ASSERT_TRUE(SqliteFile(platform::resultsDatabasePath())
                    .execute(QStringLiteral("UPDATE userdaten SET Punkte = 9 WHERE Name = 'K02'")));
    EXPECT_EQ(list.deleteAll().code(), DbStatus::Code::RecordChanged);
    EXPECT_EQ(storedNames(), numberedNames(3));
}

// Damage that a delete does not read (a page of another program's table
// beside ours), come after the list was read, is still damage: nothing is
// written.
TEST_F(TeacherListTest, ADamagedFileIsNotWrittenByADelete)
{
    saveNames(numberedNames(3));
    ASSERT_TRUE(SqliteFile(platform::resultsDatabasePath())
                    .execute(QStringLiteral("CREATE TABLE notizen (t BLOB); WITH RECURSIVE n(x) AS (SELECT 1 "
                                            "UNION ALL SELECT x + 1 FROM n WHERE x < 20) INSERT INTO notizen "
                                            "SELECT zeroblob(1000) FROM n;")));
    ASSERT_TRUE(list.fullList().isOk());
    QFile file(platform::resultsDatabasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek(file.size() - 4096));
    file.write(QByteArray(4096, '\x5A'));
    // Later than the list's check, as damage after it would be, not within
    // the same tick of the file system's clock.
    file.setFileTime(QDateTime::currentDateTime().addSecs(1), QFileDevice::FileModificationTime);
    file.close();
    const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
    const DbStatus refused = list.deleteCurrent();
    EXPECT_EQ(refused.code(), DbStatus::Code::Damaged) << refused.reason().toStdString();
    EXPECT_EQ(list.deleteAll().code(), DbStatus::Code::Damaged);
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
}

TEST_F(TeacherListTest, AForeignFileIsReportedListedEmptyAndNeverWritten)
{
    ASSERT_TRUE(SqliteFile(platform::resultsDatabasePath())
                    .execute(QStringLiteral("CREATE TABLE kunden (name TEXT); INSERT INTO kunden VALUES ('x');")));
    const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
    out.shown.text[0] = QStringLiteral("vorher");
    const DbStatus status = list.fullList();
    EXPECT_TRUE(listFailureMessage(status).startsWith(QStringLiteral("Die Ergebnisse können nicht angezeigt werden.")));
    EXPECT_EQ(out.names(), QStringList());
    list.deleteCurrent();
    list.deleteAll();
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
}

// A child lists the records and deletes as the teacher would (the second
// record by name, or all), reports that the delete returned and is killed.
char killDeleter(bool all, useconds_t waitUs = 0)
{
    return testing_support::killChild(
        [all](int report) {
            platform::DataSource source;
            source.setDatabaseName(platform::resultsDatabasePath());
            Columns columns;
            TeacherList teacher(source, columns);
            teacher.fullList();
            source.moveNext();
            const char done = (all ? teacher.deleteAll() : teacher.deleteCurrent()).isOk() ? 'D' : 'F';
            [[maybe_unused]] const ssize_t n = write(report, &done, 1);
        },
        waitUs);
}

TEST_F(TeacherListTest, AProcessKilledRightAfterADeleteLosesNoOtherRecordAndOneDeletingAllLeavesAllOrNothing)
{
    saveNames(numberedNames(300));
    ASSERT_EQ(killDeleter(/*all=*/false), 'D');
    EXPECT_EQ(SqliteFile(platform::resultsDatabasePath()).integrity(), QStringLiteral("ok"));
    EXPECT_EQ(storedNames(), numberedNames(300).mid(0, 1) + numberedNames(300).mid(2));

    for (int round = 0; round < 8; ++round) {
        if (storedNames().isEmpty())
            saveNames(numberedNames(2000));
        const qsizetype before = storedNames().size();
        // A kill at a moment that varies by round, or once the delete returned.
        const char done = killDeleter(/*all=*/true, round % 2 == 0 ? 2000 + round * 4000 : 0);
        ASSERT_EQ(SqliteFile(platform::resultsDatabasePath()).integrity(), QStringLiteral("ok"));
        const qsizetype left = storedNames().size();
        EXPECT_TRUE(left == 0 || left == before) << left << " records left in round " << round;
        EXPECT_TRUE(done != 'D' || left == 0) << "round " << round;
    }
}

} // namespace
