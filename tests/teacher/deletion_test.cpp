#include "platform/datasource.h"
#include "platform/recordset.h"
#include "support/testsupport.h"
#include "teacherdata.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using platform::DbStatus;
using teacher_testing::numberedNames;
using teacher_testing::storedNames;

namespace {

bool execute(const QString &path, const char *sql)
{
    return testing_support::SqliteFile(path).execute(QString::fromUtf8(sql));
}

class Deletion : public ::testing::Test
{
protected:
    QString current() const { return datliste.Recordset().fieldText(u"Name"); }
    void listWith(const QStringList &names)
    {
        teacher_testing::saveNames(names);
        ASSERT_TRUE(list.fullList().isOk());
    }

    testing_support::ProgramFolderFixture folder;
    platform::DataSource datliste;
    teacher_testing::Columns out;
    TeacherList list {datliste, out, /*busyTimeoutMs=*/150};

    void SetUp() override { datliste.setDatabaseName(platform::resultsDatabasePath()); }
};

TEST_F(Deletion, TheCurrentRecordGoesAndTheNextOrTheNewLastBecomesCurrent)
{
    listWith(numberedNames(4));
    datliste.moveNext();
    ASSERT_TRUE(list.deleteCurrent().isOk());
    EXPECT_EQ(current(), QStringLiteral("K02"));
    datliste.moveLast();
    ASSERT_TRUE(list.deleteCurrent().isOk());
    EXPECT_EQ(current(), QStringLiteral("K02"));
    EXPECT_EQ(storedNames(), QStringList({"K00", "K02"}));

    // The re-list: search mode over, the first record current.
    list.search(QStringLiteral("K02"));
    ASSERT_TRUE(list.fullList().isOk());
    EXPECT_EQ(out.names(), QStringLiteral("K00\r\nK02"));
    EXPECT_EQ(current(), QStringLiteral("K00"));
    EXPECT_EQ(list.Suchmodus(), 0);
}

TEST_F(Deletion, AllDataWhereverTheTeacherStandsThenAnEmptyTableLeaveFiveEmptyColumns)
{
    listWith(numberedNames(5));
    datliste.moveLast();
    ASSERT_TRUE(list.deleteAll().isOk());
    EXPECT_TRUE(storedNames().isEmpty());
    teacher_testing::saveNames({QStringLiteral("Anna")});
    ASSERT_TRUE(list.fullList().isOk());
    ASSERT_TRUE(list.deleteCurrent().isOk());
    EXPECT_EQ(datliste.Recordset().AbsolutePosition(), -1);
    ASSERT_TRUE(list.fullList().isOk());
    EXPECT_EQ(out.shown.text, platform::RecordColumns().text);
    EXPECT_TRUE(list.deleteCurrent().isOk());
    EXPECT_TRUE(list.deleteAll().isOk());
    EXPECT_TRUE(storedNames().isEmpty());
}

// A refusal (here another program's rule that keeps K03; a lock or a
// read-only file alike) deletes nothing, "Alle Daten löschen" included.
TEST_F(Deletion, ARefusedDeleteDeletesNothingAndSaysWhy)
{
    teacher_testing::saveNames(numberedNames(6));
    ASSERT_TRUE(execute(platform::resultsDatabasePath(), "CREATE TRIGGER keep BEFORE DELETE ON userdaten WHEN old.Name = 'K03' "
                                               "BEGIN SELECT RAISE(ABORT, 'keep K03'); END;"));
    ASSERT_TRUE(list.fullList().isOk());
    EXPECT_TRUE(deleteFailureMessage(list.deleteAll()).startsWith(QStringLiteral("Es wurde nichts gelöscht.\n\n")));
    ASSERT_TRUE(list.fullList().isOk());
    for (int i = 0; i < 3; ++i)
        datliste.moveNext();
    EXPECT_FALSE(list.deleteCurrent().isOk());
    EXPECT_EQ(storedNames(), numberedNames(6));

    auto other = platform::DbConnection::open(platform::resultsDatabasePath());
    ASSERT_TRUE(other.isOk() && other.value().exec("BEGIN EXCLUSIVE").isOk());
    datliste.moveFirst();
    EXPECT_EQ(list.deleteCurrent().code(), DbStatus::Code::Locked);
    other.value().exec("ROLLBACK");
    EXPECT_EQ(storedNames(), numberedNames(6));
}

// Damage that neither the list nor a delete reads (a table of another
// program beside ours) is still damage: nothing is written to the file.
TEST_F(Deletion, ADamagedFileIsNotWrittenByADelete)
{
    teacher_testing::saveNames(numberedNames(300));
    ASSERT_TRUE(execute(platform::resultsDatabasePath(), "CREATE TABLE notizen (t TEXT); INSERT INTO notizen VALUES ('x');"));
    int indexPage = 0;
    {
        auto db = platform::DbConnection::open(platform::resultsDatabasePath());
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db.value().handle(), "SELECT rootpage FROM sqlite_schema WHERE name = 'notizen'", -1,
                           &statement, nullptr);
        if (sqlite3_step(statement) == SQLITE_ROW)
            indexPage = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
    }
    QFile file(platform::resultsDatabasePath());
    ASSERT_TRUE(indexPage > 1 && file.open(QIODevice::ReadWrite) && file.seek((indexPage - 1) * 4096));
    file.write(QByteArray(4096, '\x5A'));
    file.close();
    const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
    ASSERT_TRUE(list.fullList().isOk());
    const DbStatus refused = list.deleteCurrent();
    EXPECT_EQ(refused.code(), DbStatus::Code::Damaged) << refused.reason().toStdString();
    EXPECT_EQ(list.deleteAll().code(), DbStatus::Code::Damaged);
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
}

TEST_F(Deletion, AForeignFileIsReportedListedEmptyAndNeverWritten)
{
    ASSERT_TRUE(execute(platform::resultsDatabasePath(), "CREATE TABLE kunden (name TEXT); INSERT INTO kunden VALUES ('x');"));
    const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
    out.shown[platform::ListColumn::Name] = QStringLiteral("vorher");
    const DbStatus status = list.fullList();
    EXPECT_TRUE(listFailureMessage(status).startsWith(QStringLiteral("Die Ergebnisse können nicht angezeigt werden.")));
    EXPECT_EQ(out.names(), QString());
    list.deleteCurrent();
    list.deleteAll();
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
}

// ---- Killed right after "Ja", or in the middle ----------------------------------------

// A child lists the records and deletes as the teacher would (the second
// record by name, or all); it is killed once it reports that the delete has
// returned, or after waitUs when that is not 0. What the child reported.
char killDeleter(bool all, useconds_t waitUs = 0)
{
    int ends[2];
    if (pipe(ends) != 0)
        return 'P';
    const pid_t child = fork();
    if (child == 0) {
        platform::DataSource source;
        source.setDatabaseName(platform::resultsDatabasePath());
        teacher_testing::Columns columns;
        TeacherList teacher(source, columns);
        teacher.fullList();
        source.moveNext();
        const char done = (all ? teacher.deleteAll() : teacher.deleteCurrent()).isOk() ? 'D' : 'F';
        [[maybe_unused]] const ssize_t n = write(ends[1], &done, 1);
        pause();
    }
    close(ends[1]);
    char done = 0;
    if (waitUs != 0)
        usleep(waitUs);
    else if (read(ends[0], &done, 1) != 1)
        done = 'R';
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ends[0]);
    return done;
}

TEST_F(Deletion, AProcessKilledRightAfterADeleteLosesNoOtherRecord)
{
    teacher_testing::saveNames(numberedNames(300));
    ASSERT_EQ(killDeleter(/*all=*/false), 'D');
    QStringList expected = numberedNames(300);
    expected.removeAt(1);
    EXPECT_EQ(testing_support::SqliteFile(platform::resultsDatabasePath()).integrity(), QStringLiteral("ok"));
    EXPECT_EQ(storedNames(), expected);
}

TEST_F(Deletion, AProcessKilledWhileDeletingAllLeavesAllOrNothing)
{
    teacher_testing::saveNames({QStringLiteral("Anna")});
    for (int round = 0; round < 8; ++round) {
        if (storedNames().isEmpty()) {
            ASSERT_TRUE(execute(platform::resultsDatabasePath(), "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n "
                                                       "WHERE x < 2000) INSERT INTO userdaten SELECT 'Kind' || x, x, "
                                                       "'Memory', 1, '2024-01-01' FROM n"));
        }
        const qsizetype before = storedNames().size();
        // A kill at a moment that varies by round, or once the delete returned.
        const char done = killDeleter(/*all=*/true, round % 2 == 0 ? 2000 + round * 4000 : 0);
        ASSERT_EQ(testing_support::SqliteFile(platform::resultsDatabasePath()).integrity(), QStringLiteral("ok"))
            << "round " << round;
        const qsizetype left = storedNames().size();
        EXPECT_TRUE(left == 0 || left == before) << left << " records left in round " << round;
        if (done == 'D') {
            EXPECT_EQ(left, 0) << "round " << round;
        }
    }
}

} // namespace
