#include "platform/dbconnection.h"
#include "results/resultsdb.h"
#include "results/saving.h"
#include "resultstable.h"
#include "support/sqlitefile.h"
#include "state/modvar.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QSet>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using platform::DbStatus;
using results_testing::execute;
using results_testing::integrityCheck;
using results_testing::tableRows;

namespace {

const QDate kToday(2024, 6, 3);

// ---- Which records, with which values -------------------------------------------

struct SaveCase
{
    const char *name;
    PlayState play;
    quint8 anzahlSpieler;
    QStringList expected; // "Name|Punkte|Spiel|Level"
};

PlayState play(const char *name, qint16 points, const char *name2 = "", qint16 points2 = 0)
{
    PlayState state;
    state.SpielerName = QString::fromUtf8(name);
    state.SpielerPunkte = points;
    state.SpielerName2 = QString::fromUtf8(name2);
    state.SpielerPunkte2 = points2;
    state.SpielName = QStringLiteral("Memory");
    state.SpielNummer = QStringLiteral("3");
    state.SpielLevel = 2;
    return state;
}

class RecordsToSave : public ::testing::TestWithParam<SaveCase>
{
};

TEST_P(RecordsToSave, FollowTheSaveRule)
{
    const SaveCase &c = GetParam();
    QStringList records;
    for (const ResultRecord &record : recordsToSave(c.play, c.anzahlSpieler, kToday)) {
        records << QStringLiteral("%1|%2|%3|%4").arg(record.Name).arg(record.Punkte).arg(record.Spiel).arg(record.Level);
        EXPECT_EQ(record.Datum, kToday);
    }
    EXPECT_EQ(records, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RecordsToSave,
    ::testing::Values(
        SaveCase {"OneRecordForOnePlayerEvenWithALeftoverSecondName", play("Anna", 7, "Bert", 3), 1,
                  {"Anna|7|Memory|2"}},
        SaveCase {"TwoRecordsForTwoPlayersFirstPlayerFirst", play("Anna", 7, "Bert", 3), 2,
                  {"Anna|7|Memory|2", "Bert|3|Memory|2"}},
        SaveCase {"OneRecordForTwoPlayersWithoutASecondName", play("Anna", 7, "", 3), 2, {"Anna|7|Memory|2"}},
        SaveCase {"AnEmptyFirstNameIsSavedAsSpieler1", play("", 7), 1, {"Spieler1|7|Memory|2"}},
        SaveCase {"AnEmptyFirstNameBesideASecondPlayer", play("", 7, "Bert", 3), 2,
                  {"Spieler1|7|Memory|2", "Bert|3|Memory|2"}},
        SaveCase {"NamesOfBlanksAreKeptAsTheyAre", play(" ", 1, "  ", 2), 2, {" |1|Memory|2", "  |2|Memory|2"}},
        SaveCase {"NegativeAndZeroPointsAsTheyAre", play("Anna", -4, "Bert", 0), 2,
                  {"Anna|-4|Memory|2", "Bert|0|Memory|2"}},
        SaveCase {"AnyCountButOneAllowsASecondRecord", play("Anna", 7, "Bert", 3), 0,
                  {"Anna|7|Memory|2", "Bert|3|Memory|2"}}),
    [](const ::testing::TestParamInfo<SaveCase> &row) { return std::string(row.param.name); });

// ---- Writing --------------------------------------------------------------------------

class AppendRecords : public ::testing::Test
{
protected:
    QString path() const { return resultsDatabasePath(); }
    QStringList folderFiles() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

    testing_support::ProgramFolderFixture folder;
    const std::vector<ResultRecord> anna {{QStringLiteral("Anna"), 7, QStringLiteral("Memory"), 2, kToday}};
};

TEST_F(AppendRecords, AMissingFileIsCreatedWithTheTableAndHoldsTheRecord)
{
    ASSERT_FALSE(QFile::exists(path()));
    const DbStatus status = appendRecords(path(), anna);
    ASSERT_TRUE(status.isOk()) << status.reason().toStdString();
    EXPECT_EQ(QFileInfo(path()).fileName(), QStringLiteral("Daten.mdb"));
    EXPECT_EQ(tableRows(path()), QStringList({"Anna|7|Memory|2|2024-06-03"}));
    EXPECT_EQ(folderFiles(), QStringList({"Daten.mdb"}));
}

TEST_F(AppendRecords, TwoEqualSavesGiveTwoEqualRecords)
{
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    EXPECT_EQ(tableRows(path()), QStringList({"Anna|7|Memory|2|2024-06-03", "Anna|7|Memory|2|2024-06-03"}));
}

TEST_F(AppendRecords, TwoPlayersRecordsAreStoredInTheirOrder)
{
    const auto records = recordsToSave(play("Bert", -2, "Anna", 9), 2, kToday);
    ASSERT_TRUE(appendRecords(path(), records).isOk());
    EXPECT_EQ(tableRows(path()), QStringList({"Bert|-2|Memory|2|2024-06-03", "Anna|9|Memory|2|2024-06-03"}));
}

TEST_F(AppendRecords, AnEmptyFileIsLaidOutAsTheDatabase)
{
    folder.write(QStringLiteral("Daten.mdb"), {});
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    EXPECT_EQ(tableRows(path()), QStringList({"Anna|7|Memory|2|2024-06-03"}));
}

TEST_F(AppendRecords, ATableWrittenInOtherCaseIsOurs)
{
    ASSERT_TRUE(execute(path(), "CREATE TABLE UserDaten (NAME TEXT, PUNKTE INTEGER, SPIEL TEXT, LEVEL INTEGER, "
                                "DATUM DATE)"));
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    EXPECT_EQ(tableRows(path()), QStringList({"Anna|7|Memory|2|2024-06-03"}));
}

TEST_F(AppendRecords, TheMessageSaysTheResultWasNotSavedAndWhy)
{
    const DbStatus failure(DbStatus::Code::ReadOnly, QStringLiteral("Grund."));
    EXPECT_EQ(saveFailureMessage(failure, 1), QStringLiteral("Das Ergebnis konnte nicht gespeichert werden.\n\nGrund."));
}

// ---- Two records, one transaction -------------------------------------------------------

TEST_F(AppendRecords, WhenTheSecondRecordFailsNeitherIsStoredAndTheMessageSaysSo)
{
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    testing_support::SqliteFile file(path());
    ASSERT_TRUE(file.execute(QStringLiteral("CREATE TRIGGER nein BEFORE INSERT ON userdaten WHEN NEW.Name = 'Bert' "
                                            "BEGIN SELECT RAISE(ABORT, 'refused by trigger'); END")));
    const DbStatus status = appendRecords(path(), recordsToSave(play("Carla", 5, "Bert", 3), 2, kToday));
    ASSERT_FALSE(status.isOk());
    EXPECT_EQ(file.records(), QStringList({"Anna|7|Memory|2|2024-06-03"}));
    EXPECT_EQ(saveFailureMessage(status, 2),
              QStringLiteral("Die Ergebnisse beider Spieler konnten nicht gespeichert werden.\n\n") + status.reason());
    EXPECT_FALSE(status.reason().contains(QStringLiteral("refused"))) << "the engine's text stays in the log";
}

// Called by a trigger as the second of two records starts: tells the test,
// then waits to be killed.
int g_reportHalt = -1;
void haltHere(sqlite3_context *, int, sqlite3_value **)
{
    [[maybe_unused]] const ssize_t written = write(g_reportHalt, "H", 1);
    pause();
}
int registerHaltHere(sqlite3 *db, char **, const sqlite3_api_routines *)
{
    return sqlite3_create_function(db, "halt_here", 0, SQLITE_UTF8, nullptr, haltHere, nullptr, nullptr);
}

TEST_F(AppendRecords, AProcessKilledBetweenTheTwoRecordsLeavesNeither)
{
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    ASSERT_TRUE(testing_support::SqliteFile(path()).execute(
        QStringLiteral("CREATE TRIGGER halt BEFORE INSERT ON userdaten WHEN NEW.Name = 'Dora' "
                       "BEGIN SELECT halt_here(); END")));
    int reports[2];
    ASSERT_EQ(pipe(reports), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(reports[0]);
        g_reportHalt = reports[1];
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(registerHaltHere));
        appendRecords(resultsDatabasePath(), recordsToSave(play("Carla", 5, "Dora", 6), 2, kToday));
        _exit(3);
    }
    close(reports[1]);
    char halted = 0;
    const bool reported = read(reports[0], &halted, 1) == 1;
    close(reports[0]);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_TRUE(reported) << "the saver never reached the second record";
    ASSERT_TRUE(QFile::exists(path() + QStringLiteral("-journal"))) << "killed inside the transaction";

    testing_support::SqliteFile file(path());
    ASSERT_TRUE(file.execute(QStringLiteral("DROP TRIGGER halt")));
    EXPECT_EQ(file.integrity(), QStringLiteral("ok"));
    EXPECT_EQ(file.records(), QStringList({"Anna|7|Memory|2|2024-06-03"}));
}

// ---- Files that are not ours are left alone ------------------------------------------------

struct ForeignCase
{
    const char *name;
    std::function<void(const QString &path)> make;
};

class AppendToForeignFile : public AppendRecords, public ::testing::WithParamInterface<ForeignCase>
{
};

TEST_P(AppendToForeignFile, FailsWithAReasonAndLeavesTheFileByteForByte)
{
    GetParam().make(path());
    const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
    ASSERT_FALSE(before.isEmpty());
    const QStringList filesBefore = folderFiles();

    const DbStatus status = appendRecords(path(), anna);
    ASSERT_FALSE(status.isOk());
    EXPECT_TRUE(status.code() == DbStatus::Code::NotADatabase || status.code() == DbStatus::Code::Damaged);
    EXPECT_TRUE(status.reason().contains(QStringLiteral("\"Daten.mdb\""))) << status.reason().toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
    EXPECT_EQ(folderFiles(), filesBefore);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void damageAPage(const QString &path)
{
    ASSERT_TRUE(appendRecords(path, {{QStringLiteral("Anna"), 1, QStringLiteral("Memory"), 1, kToday}}).isOk());
    ASSERT_TRUE(execute(path, "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 2000) "
                              "INSERT INTO userdaten SELECT 'Kind' || x, x, 'Memory', 1, '2024-01-01' FROM n"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), 4 * 4096);
    file.seek(3 * 4096);
    file.write(QByteArray(4096, '\x5A'));
}

INSTANTIATE_TEST_SUITE_P(
    Files, AppendToForeignFile,
    ::testing::Values(
        ForeignCase {"Text", [](const QString &p) { writeBytes(p, "Das ist keine Datenbank.\r\n"); }},
        ForeignCase {"AnotherDatabaseFormat",
                     [](const QString &p) {
                         QByteArray bytes(8192, '\0');
                         bytes.replace(4, 15, "Standard Jet DB");
                         writeBytes(p, bytes);
                     }},
        ForeignCase {"ADamagedPageInOurDatabase", damageAPage},
        ForeignCase {"AnotherProgramsSqliteDatabase",
                     [](const QString &p) { ASSERT_TRUE(execute(p, "CREATE TABLE kunden (name TEXT)")); }},
        ForeignCase {"AUserdatenTableWithoutDatum",
                     [](const QString &p) {
                         ASSERT_TRUE(execute(p, "CREATE TABLE userdaten (Name TEXT, Punkte INTEGER, Spiel TEXT, "
                                                "Level INTEGER)"));
                     }}),
    [](const ::testing::TestParamInfo<ForeignCase> &row) { return std::string(row.param.name); });

TEST_F(AppendRecords, AProgramFolderThatCannotExistGivesAReason)
{
    // A regular file stands where the folder would be: the database cannot be
    // created there by anyone, root included (permissions would not stop
    // root, who runs these tests).
    folder.write(QStringLiteral("Programm"), "x");
    const QString inside = folder.file(QStringLiteral("Programm/Daten.mdb"));
    const DbStatus status = appendRecords(inside, anna);
    ASSERT_FALSE(status.isOk());
    EXPECT_EQ(status.code(), DbStatus::Code::CannotOpen);
    EXPECT_TRUE(status.reason().contains(QStringLiteral("Ordner"))) << status.reason().toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("Programm")), QByteArray("x"));
}

TEST_F(AppendRecords, AReadOnlyFileGivesAReasonAndStaysAsItWas)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not stop root";
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const DbStatus status = appendRecords(path(), anna);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(status.code(), DbStatus::Code::ReadOnly) << status.reason().toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
}

// ---- Another running copy ---------------------------------------------------------------------

TEST_F(AppendRecords, ADatabaseLockedPastTheWaitGivesAReasonAndGetsNoRecord)
{
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    auto other = platform::DbConnection::open(path());
    ASSERT_TRUE(other.isOk());
    ASSERT_TRUE(other.value().exec("BEGIN EXCLUSIVE").isOk());
    const DbStatus status = appendRecords(path(), anna, /*busyTimeoutMs=*/200);
    other.value().exec("COMMIT");
    EXPECT_EQ(status.code(), DbStatus::Code::Locked) << status.reason().toStdString();
    EXPECT_EQ(tableRows(path()).size(), 1);
}

TEST_F(AppendRecords, ALockThatAnotherCopyReleasesWithinTheWaitDelaysTheSaveOnly)
{
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The other copy: holds the lock for a moment, then lets go.
        close(ready[0]);
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(resultsDatabasePath()).constData(), &db);
        const bool locked = sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
        const char signal = locked ? 'L' : 'E';
        [[maybe_unused]] ssize_t written = write(ready[1], &signal, 1);
        usleep(400 * 1000);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        _exit(0);
    }
    close(ready[1]);
    char signal = 0;
    ASSERT_EQ(read(ready[0], &signal, 1), 1);
    close(ready[0]);
    ASSERT_EQ(signal, 'L');
    const DbStatus status = appendRecords(path(), anna);
    int childStatus = 0;
    waitpid(child, &childStatus, 0);
    EXPECT_TRUE(status.isOk()) << status.reason().toStdString();
    EXPECT_EQ(tableRows(path()).size(), 2);
}

// ---- A kill in the middle of saving ------------------------------------------------------------

TEST_F(AppendRecords, AProcessKilledWhileSavingLeavesASoundFileWithEveryCompletedRecord)
{
    QSet<int> committed;
    for (int round = 0; round < 6; ++round) {
        int reports[2];
        ASSERT_EQ(pipe(reports), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves one record after another and reports each once it is saved.
            close(reports[0]);
            for (int n = round * 100000;; ++n) {
                const ResultRecord record {QStringLiteral("Kind%1").arg(n), static_cast<qint16>(n % 1000),
                                           QStringLiteral("Schweinchen"), 1, kToday};
                if (!appendRecords(resultsDatabasePath(), {record}).isOk())
                    _exit(3);
                if (write(reports[1], &n, sizeof n) != sizeof n)
                    _exit(4);
            }
        }
        close(reports[1]);
        // Let it save a few, then kill it at a moment that varies by round.
        int n = 0;
        for (int seen = 0; seen < 5 + round * 3 && read(reports[0], &n, sizeof n) == sizeof n; ++seen)
            committed.insert(n);
        usleep(static_cast<useconds_t>(round * 1700));
        kill(child, SIGKILL);
        int childStatus = 0;
        waitpid(child, &childStatus, 0);
        EXPECT_TRUE(WIFSIGNALED(childStatus)) << "the saver failed on its own in round " << round;
        // Reports still in the pipe were sent after their commit, too.
        while (read(reports[0], &n, sizeof n) == sizeof n)
            committed.insert(n);
        close(reports[0]);

        ASSERT_EQ(integrityCheck(path()), QStringLiteral("ok")) << "round " << round;
        QSet<QString> stored;
        for (const QString &row : tableRows(path()))
            stored.insert(row.section(u'|', 0, 0));
        for (int c : committed)
            EXPECT_TRUE(stored.contains(QStringLiteral("Kind%1").arg(c))) << "record " << c << " lost in round " << round;
    }
    EXPECT_GE(committed.size(), 5 * 6);
    // The file takes new records afterwards as if nothing had happened.
    EXPECT_TRUE(appendRecords(path(), anna).isOk());
}

} // namespace
