#include "../results/resultstable.h"
#include "platform/datasource.h"
#include "platform/dbconnection.h"
#include "platform/recordset.h"
#include "results/resultsdb.h"
#include "support/testsupport.h"
#include "teacher/teacherlist.h"
#include "teacherdata.h"

#include <gtest/gtest.h>

#include <QtCore/QSet>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using platform::DbStatus;
using results_testing::execute;
using results_testing::integrityCheck;
using teacher_testing::numberedNames;
using teacher_testing::saveNames;

namespace {

class Columns : public ListColumnsOutput
{
public:
    void setColumns(const RecordColumns &columns) override { shown = columns; }
    RecordColumns shown;
};

// The names in the file, in the order they were saved.
QStringList storedNames()
{
    QStringList names;
    for (const QString &row : results_testing::tableRows(resultsDatabasePath()))
        names << row.section(u'|', 0, 0);
    return names;
}

class Deletion : public ::testing::Test
{
protected:
    explicit Deletion(int busyTimeoutMs = platform::DbConnection::DefaultBusyTimeoutMs)
        : list(datliste, out, busyTimeoutMs)
    {
        datliste.setDatabaseName(resultsDatabasePath());
    }
    QString current() const { return datliste.Recordset().fieldText(u"Name"); }
    void moveTo(int position)
    {
        datliste.moveFirst();
        for (int i = 0; i < position; ++i)
            datliste.moveNext();
    }

    testing_support::ProgramFolderFixture folder;
    platform::DataSource datliste;
    Columns out;
    TeacherList list;
};

TEST_F(Deletion, TheCurrentRecordIsDeletedAndTheNextBecomesCurrent)
{
    saveNames(numberedNames(5));
    ASSERT_TRUE(list.fullList().isOk());
    moveTo(2);
    ASSERT_TRUE(list.deleteCurrent().isOk());
    EXPECT_EQ(storedNames(), QStringList({"K00", "K01", "K03", "K04"}));
    EXPECT_EQ(current(), QStringLiteral("K03"));

    // The re-list: the first record current, search mode over, paging from the top.
    list.search(QStringLiteral("K0"));
    ASSERT_TRUE(list.fullList().isOk());
    EXPECT_EQ(out.shown[ListColumn::Name], QStringLiteral("K00\r\nK01\r\nK03\r\nK04"));
    EXPECT_EQ(current(), QStringLiteral("K00"));
    EXPECT_EQ(list.Suchmodus(), 0);
}

TEST_F(Deletion, DeletingTheLastRecordStandsOnTheNewLastOne)
{
    saveNames(numberedNames(3));
    ASSERT_TRUE(list.fullList().isOk());
    datliste.moveLast();
    ASSERT_TRUE(list.deleteCurrent().isOk());
    EXPECT_EQ(current(), QStringLiteral("K01"));
    EXPECT_EQ(storedNames(), QStringList({"K00", "K01"}));
}

TEST_F(Deletion, DeletingTheOnlyRecordLeavesFiveEmptyColumnsAfterTheReList)
{
    saveNames({QStringLiteral("Anna")});
    ASSERT_TRUE(list.fullList().isOk());
    ASSERT_TRUE(list.deleteCurrent().isOk());
    EXPECT_EQ(datliste.Recordset().AbsolutePosition(), -1);
    ASSERT_TRUE(list.fullList().isOk());
    for (const QString &column : out.shown.text)
        EXPECT_EQ(column, QString());
    EXPECT_EQ(list.LetztePosition(), -1);
    EXPECT_TRUE(storedNames().isEmpty());
}

TEST_F(Deletion, AllDataLeavesAnEmptyTableAndNothingToPage)
{
    saveNames(numberedNames(20));
    ASSERT_TRUE(list.fullList().isOk());
    moveTo(7); // wherever the teacher stands
    ASSERT_TRUE(list.deleteAll().isOk());
    EXPECT_TRUE(storedNames().isEmpty());
    ASSERT_TRUE(list.fullList().isOk());
    list.up();
    list.down();
    for (const QString &column : out.shown.text)
        EXPECT_EQ(column, QString());
}

TEST_F(Deletion, AnEmptyTableDeletesNothingAndFailsNot)
{
    ASSERT_TRUE(list.fullList().isOk());
    EXPECT_TRUE(list.deleteCurrent().isOk());
    EXPECT_TRUE(list.deleteAll().isOk());
}

TEST_F(Deletion, AllDataWithARefusalHalfwayDeletesNothing)
{
    saveNames(numberedNames(6));
    // Another program's rule refuses the fourth delete.
    ASSERT_TRUE(execute(resultsDatabasePath(), "CREATE TRIGGER keep BEFORE DELETE ON userdaten WHEN old.Name = 'K03' "
                                               "BEGIN SELECT RAISE(ABORT, 'keep K03'); END;"));
    ASSERT_TRUE(list.fullList().isOk());
    const DbStatus status = list.deleteAll();
    EXPECT_FALSE(status.isOk());
    EXPECT_EQ(storedNames(), numberedNames(6));
    EXPECT_TRUE(deleteFailureMessage(status).startsWith(QStringLiteral("Es wurde nichts gelöscht.")));
    // The list shows what the file holds.
    ASSERT_TRUE(list.fullList().isOk());
    EXPECT_EQ(out.shown[ListColumn::Name].count(QStringLiteral("\r\n")), 5);
}

class LockedDeletion : public Deletion
{
protected:
    LockedDeletion()
        : Deletion(150)
    {
    }
};

TEST_F(LockedDeletion, ADeleteRefusedByALockGivesAReasonAndDeletesNothing)
{
    saveNames(numberedNames(4));
    ASSERT_TRUE(list.fullList().isOk());
    auto other = platform::DbConnection::open(resultsDatabasePath());
    ASSERT_TRUE(other.isOk());
    ASSERT_TRUE(other.value().exec("BEGIN EXCLUSIVE").isOk());
    const DbStatus one = list.deleteCurrent();
    const DbStatus all = list.deleteAll();
    other.value().exec("ROLLBACK");
    EXPECT_EQ(one.code(), DbStatus::Code::Locked) << one.reason().toStdString();
    EXPECT_EQ(all.code(), DbStatus::Code::Locked) << all.reason().toStdString();
    EXPECT_EQ(storedNames(), numberedNames(4));
    EXPECT_EQ(current(), QStringLiteral("K00")) << "the record set is as it was";
}

TEST_F(Deletion, AForeignFileIsReportedListedEmptyAndNeverWritten)
{
    ASSERT_TRUE(execute(resultsDatabasePath(), "CREATE TABLE kunden (name TEXT); INSERT INTO kunden VALUES ('x');"));
    const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
    out.shown[ListColumn::Name] = QStringLiteral("vorher");
    const DbStatus status = list.fullList();
    EXPECT_EQ(status.code(), DbStatus::Code::NotADatabase);
    EXPECT_TRUE(listFailureMessage(status).contains(QStringLiteral("\"Daten.mdb\"")));
    EXPECT_EQ(out.shown[ListColumn::Name], QString());
    EXPECT_TRUE(list.deleteCurrent().isOk());
    EXPECT_TRUE(list.deleteAll().isOk());
    list.up();
    list.down();
    list.search(QStringLiteral("x"));
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
}

// ---- Killed right after "Ja" -------------------------------------------------------

// A child process lists the records, deletes as the teacher would and reports
// when the delete has returned; the test kills it then, or at once for a kill
// in the middle. The file must be sound and hold exactly the records that no
// completed delete removed.
pid_t deleteInChild(int report, bool all)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    platform::DataSource source;
    source.setDatabaseName(resultsDatabasePath());
    Columns columns;
    TeacherList teacher(source, columns);
    if (!teacher.fullList().isOk())
        _exit(3);
    source.moveNext(); // K01
    const DbStatus status = all ? teacher.deleteAll() : teacher.deleteCurrent();
    const char done = status.isOk() ? 'D' : 'F';
    [[maybe_unused]] const ssize_t n = write(report, &done, 1);
    pause();
    _exit(0);
}

TEST_F(Deletion, AProcessKilledRightAfterADeleteLosesNoOtherRecord)
{
    saveNames(numberedNames(300));
    QStringList expected = numberedNames(300);
    for (int round = 0; round < 4; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = deleteInChild(pipeEnds[1], /*all=*/false);
        close(pipeEnds[1]);
        char done = 0;
        ASSERT_EQ(read(pipeEnds[0], &done, 1), 1);
        close(pipeEnds[0]);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ASSERT_EQ(done, 'D') << "round " << round;
        expected.removeAt(1); // the second record by name was current
        ASSERT_EQ(integrityCheck(resultsDatabasePath()), QStringLiteral("ok"));
        ASSERT_EQ(storedNames(), expected) << "round " << round;
    }
}

TEST_F(Deletion, AProcessKilledWhileDeletingAllLeavesAllOrNothing)
{
    int outcomes[2] = {0, 0}; // kept all, deleted all
    for (int round = 0; round < 8; ++round) {
        if (storedNames().isEmpty())
            teacher_testing::saveMany(2000);
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = deleteInChild(pipeEnds[1], /*all=*/true);
        close(pipeEnds[1]);
        // Kill at a moment that varies by round, or once the delete returned.
        char done = 0;
        if (round % 2 == 0) {
            usleep(static_cast<useconds_t>(2000 + round * 4000));
        } else {
            ASSERT_EQ(read(pipeEnds[0], &done, 1), 1);
            ASSERT_EQ(done, 'D');
        }
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        close(pipeEnds[0]);
        ASSERT_EQ(integrityCheck(resultsDatabasePath()), QStringLiteral("ok")) << "round " << round;
        const qsizetype left = storedNames().size();
        EXPECT_TRUE(left == 0 || left == 2000) << left << " records left in round " << round;
        if (done == 'D') {
            EXPECT_EQ(left, 0) << "a completed delete of all was undone in round " << round;
        }
        ++outcomes[left == 0 ? 1 : 0];
    }
    EXPECT_GT(outcomes[1], 0);
}

} // namespace
