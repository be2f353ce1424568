#include "platform/resultsdb.h"
#include "results/saving.h"
#include "state/modvar.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>

#include <csignal>
#include <functional>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::DbStatus;
using testing_support::SqliteFile;

namespace {

const QDate kToday(2024, 6, 3);
constexpr auto byName = [](const auto &row) { return std::string(row.param.name); };
const char kTable[] = "CREATE TABLE userdaten (Name TEXT, Punkte INT, Spiel TEXT, Level INT, Datum DATE);";
const char kManyRecords[] = "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 2000) "
                            "INSERT INTO userdaten SELECT 'Kind' || x, x, 'Memory', 1, '2024-01-01' FROM n;";

PlayState play(const char *name, qint16 points, const char *name2 = "", qint16 points2 = 0)
{
    PlayState state;
    state.SpielerName = QString::fromUtf8(name);
    state.SpielerPunkte = points;
    state.SpielerName2 = QString::fromUtf8(name2);
    state.SpielerPunkte2 = points2;
    state.SpielName = QStringLiteral("Memory");
    state.SpielLevel = 2;
    return state;
}

class AppendRecords : public ::testing::Test
{
protected:
    QString path() const { return platform::resultsDatabasePath(); }
    QStringList folderFiles() const
    {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    }
    QStringList records() const { return SqliteFile(path()).records(); }

    testing_support::ProgramFolderFixture folder;
    const std::vector<ResultRecord> anna {{QStringLiteral("Anna"), 7, QStringLiteral("Memory"), 2, kToday}};
    const std::vector<ResultRecord> annaAndBert = recordsToSave(play("Anna", 7, "Bert", -3), 2, kToday);
};

// ---- Which records a game leaves, and in which files they are stored ---------------

struct SaveCase
{
    const char *name;
    const char *before; // SQL run on the file first; nullptr: no file
    PlayState play;
    quint8 anzahlSpieler;
    QStringList stored; // "Name|Punkte|Spiel|Level", each with today's date
};

class Save : public AppendRecords, public ::testing::WithParamInterface<SaveCase>
{
};

TEST_P(Save, StoresTheRecordsOfTheSaveRuleAfterWhatTheFileHeld)
{
    const SaveCase &c = GetParam();
    if (c.before) {
        ASSERT_TRUE(SqliteFile(path()).execute(QString::fromUtf8(c.before)));
    }
    const DbStatus status = appendRecords(path(), recordsToSave(c.play, c.anzahlSpieler, kToday));
    ASSERT_TRUE(status.isOk()) << status.reason().toStdString();
    QStringList stored;
    for (const QString &row : c.stored)
        stored << row + QStringLiteral("|2024-06-03");
    EXPECT_EQ(records(), stored);
    EXPECT_EQ(folderFiles(), QStringList({"Daten.mdb"}));
}

INSTANTIATE_TEST_SUITE_P(Rules, Save,
    ::testing::Values(SaveCase {"OneForOnePlayerEvenWithALeftoverSecondName", nullptr, play("Anna", 7, "Bert", 3), 1,
                          {"Anna|7|Memory|2"}},
        SaveCase {"TwoForTwoPlayersFirstPlayerFirst", nullptr, play("Bert", 3, "Anna", 7), 2,
            {"Bert|3|Memory|2", "Anna|7|Memory|2"}},
        SaveCase {"OneForTwoPlayersWithoutASecondName", nullptr, play("Anna", 7, "", 3), 2, {"Anna|7|Memory|2"}},
        SaveCase {"AnEmptyFirstNameIsSpieler1", nullptr, play("", 7), 1, {"Spieler1|7|Memory|2"}},
        SaveCase {"AnEmptyFirstNameBesideASecondPlayer", nullptr, play("", 7, "Bert", 3), 2,
            {"Spieler1|7|Memory|2", "Bert|3|Memory|2"}},
        SaveCase {"NamesOfBlanksAsTheyAre", nullptr, play(" ", 1, "  ", 2), 2, {" |1|Memory|2", "  |2|Memory|2"}},
        SaveCase {
            "NegativeAndZeroPoints", nullptr, play("Anna", -4, "Bert", 0), 2, {"Anna|-4|Memory|2", "Bert|0|Memory|2"}},
        SaveCase {"AnyCountButOneAllowsASecond", nullptr, play("Anna", 7, "Bert", 3), 0,
            {"Anna|7|Memory|2", "Bert|3|Memory|2"}},
        SaveCase {"AnEmptyFileIsLaidOut", "", play("Anna", 7), 1, {"Anna|7|Memory|2"}},
        SaveCase {"EqualRecordsStayTwo",
            "CREATE TABLE userdaten (Name TEXT, Punkte INT, Spiel TEXT, Level INT, Datum DATE);"
            "INSERT INTO userdaten VALUES ('Anna', 7, 'Memory', 2, '2024-06-03')",
            play("Anna", 7), 1, {"Anna|7|Memory|2", "Anna|7|Memory|2"}},
        SaveCase {"NamesInOtherCaseNumbersAsNumericOrReal",
            "CREATE TABLE UserDaten (NAME TEXT, PUNKTE NUMERIC, SPIEL TEXT, LEVEL DOUBLE, DATUM DATE)", play("Anna", 7),
            1, {"Anna|7|Memory|2.0"}}),
    byName);

// The table we lay out keeps another program's values within the record,
// so the lists never meet them.
TEST_F(AppendRecords, OurTableRefusesValuesOutsideTheRecordFromAnyone)
{
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    SqliteFile file(path());
    for (const char *row : {"('x', 40000, 'Memory', 1, '2024-01-01')", "('x', 1, 'Memory', -32769, '2024-01-01')",
                            "('x', 1, 'Memory', 1, 'gestern')", "('x', 1, 'Memory', 1, 20240101)"})
        EXPECT_FALSE(file.execute(QStringLiteral("INSERT INTO userdaten VALUES ") + QLatin1String(row))) << row;
    EXPECT_EQ(file.records().size(), 1);
}

// ---- Files that are not ours, and files that cannot be written -------------------------

struct RefusedCase
{
    const char *name;
    const char *file; // where the program looks for the database
    std::function<std::shared_ptr<void>(const QString &path)> make; // kept alive during the save
    bool unprivileged;
    DbStatus::Code code;
    const char16_t *reason; // a part of the German reason
};

class Refused : public AppendRecords, public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(Refused, FailsWithAGermanReasonAndLeavesEveryFileAsItWas)
{
    const RefusedCase &c = GetParam();
    const QString file = folder.file(QString::fromUtf8(c.file));
    const std::shared_ptr<void> keep = c.make(file);
    const QByteArray before = folder.read(QString::fromUtf8(c.file));
    const QStringList filesBefore = folderFiles();
    const auto save = [&] {
        const DbStatus status = appendRecords(file, annaAndBert, /*busyTimeoutMs=*/200);
        return QByteArray::number(static_cast<int>(status.code())) + ' ' + status.reason().toUtf8();
    };
    const QString outcome = QString::fromUtf8(c.unprivileged ? testing_support::asUnprivilegedUser(save) : save());
    EXPECT_TRUE(outcome.startsWith(QString::number(static_cast<int>(c.code)) + u' ')) << outcome.toStdString();
    EXPECT_TRUE(outcome.contains(QString::fromUtf16(c.reason))) << outcome.toStdString();
    EXPECT_EQ(folder.read(QString::fromUtf8(c.file)), before);
    EXPECT_EQ(folderFiles(), filesBefore);
}

std::shared_ptr<void> bytes(const QString &path, const QByteArray &content)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    return {};
}

std::shared_ptr<void> sql(const QString &path, const QString &text)
{
    EXPECT_TRUE(SqliteFile(path).execute(text));
    return {};
}

// A page that an append does not touch, overwritten.
void damageAPage(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.size() > 4 * 4096);
    file.seek(3 * 4096);
    file.write(QByteArray(4096, '\x5A'));
}

std::shared_ptr<void> folderAt(const QString &path)
{
    EXPECT_TRUE(QDir().mkdir(path));
    return {};
}

std::shared_ptr<void> damagedPage(const QString &path)
{
    sql(path, QString::fromLatin1(kTable) + QString::fromLatin1(kManyRecords));
    damageAPage(path);
    return {};
}

// A foreign file beside a journal the engine would play back into it.
std::shared_ptr<void> foreignBesideAJournal(const QString &path)
{
    const QString journal = path + QStringLiteral("-journal");
    {
        SqliteFile db(path);
        db.execute(QStringLiteral("CREATE TABLE t (x); INSERT INTO t VALUES (1); PRAGMA synchronous = OFF; BEGIN; "
                                  "UPDATE t SET x = 2;"));
        EXPECT_TRUE(QFile::copy(journal, journal + u'2'));
    }
    EXPECT_TRUE(QFile::rename(journal + u'2', journal));
    return bytes(path, QByteArray(8192, 'F'));
}

std::shared_ptr<void> lockedByAnotherCopy(const QString &path)
{
    auto holder = std::make_shared<SqliteFile>(path);
    EXPECT_TRUE(holder->execute(QString::fromLatin1(kTable) + QStringLiteral("BEGIN EXCLUSIVE;")));
    return holder;
}

std::shared_ptr<void> permissions(const QString &path, mode_t folder, mode_t file)
{
    if (file) {
        sql(path, QString::fromLatin1(kTable));
        chmod(QFile::encodeName(path).constData(), file);
    }
    chmod(QFile::encodeName(QFileInfo(path).path()).constData(), folder);
    return {};
}

const char kDaten[] = "Daten.mdb";
using C = DbStatus::Code;
const char16_t kForeign[] = u"ist keine Datenbank dieses Programms";
const char16_t kNotOurs[] = u"enthält keine Tabelle \"userdaten\" mit den Feldern";
using R = RefusedCase;

INSTANTIATE_TEST_SUITE_P(Files, Refused,
    ::testing::Values(R {"Text", kDaten, [](auto &p) { return bytes(p, "Das ist keine Datenbank.\r\n"); }, false,
                          C::NotADatabase, kForeign},
        R {"AnotherDatabaseFormat", kDaten,
            [](auto &p) { return bytes(p, QByteArray("\0\1\0\0Standard Jet DB", 19) + QByteArray(8173, 0)); }, false,
            C::NotADatabase, kForeign},
        R {"ADamagedHeader", kDaten,
            [](auto &p) { return bytes(p, QByteArray("SQLite format 3", 16) + QByteArray(4080, 'x')); }, false,
            C::NotADatabase, kForeign},
        R {"AForeignFileBesideAJournal", kDaten, foreignBesideAJournal, false, C::NotADatabase, kForeign},
        R {"ADamagedPage", kDaten, damagedPage, false, C::Damaged, u"ist beschädigt"},
        R {"AnotherProgramsDatabase", kDaten, [](auto &p) { return sql(p, "CREATE TABLE kunden (name)"); }, false,
            C::NotADatabase, kNotOurs},
        R {"UserdatenWithoutDatum", kDaten,
            [](auto &p) { return sql(p, "CREATE TABLE userdaten (Name, Punkte INT, Spiel, Level INT)"); }, false,
            C::NotADatabase, kNotOurs},
        R {"PointsAsTextFromASpreadsheet", kDaten,
            [](auto &p) {
                return sql(p, "CREATE TABLE userdaten (Name TEXT, Punkte TEXT, Spiel TEXT, Level TEXT, Datum TEXT)");
            },
            false, C::NotADatabase, kNotOurs},
        R {"LevelWithoutAType", kDaten,
            [](auto &p) { return sql(p, "CREATE TABLE userdaten (Name, Punkte REAL, Spiel, Level, Datum)"); }, false,
            C::NotADatabase, kNotOurs},
        R {"AFolderInPlaceOfTheFile", kDaten, folderAt, false, C::CannotOpen,
            u"An der Stelle der Datei \"Daten.mdb\" liegt ein Ordner."},
        R {"AFileWhereTheFolderBelongs", "Programm/Daten.mdb", [](auto &p) { return bytes(QFileInfo(p).path(), "x"); },
            false, C::CannotOpen, u"Programm\" für die Datei \"Daten.mdb\" ist nicht vorhanden."},
        R {"LockedByAnotherCopy", kDaten, lockedByAnotherCopy, false, C::Locked, u"gerade von einem anderen"},
        R {"AFileThatCannotBeWritten", kDaten, [](auto &p) { return permissions(p, 0755, 0444); }, true, C::ReadOnly,
            u"ist schreibgeschützt"},
        R {"AFolderThatCannotBeWrittenReportsTheFirstCause", kDaten, [](auto &p) { return permissions(p, 0555, 0); },
            true, C::NoPermission, u"Für die Datei \"Daten.mdb\" oder ihren Ordner fehlt die Berechtigung."}),
    byName);

// ---- Two records, one transaction -------------------------------------------------------

TEST_F(AppendRecords, WhenTheSecondRecordFailsNeitherIsStoredAndTheMessageSaysSo)
{
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    ASSERT_TRUE(
        SqliteFile(path()).execute(QStringLiteral("CREATE TRIGGER nein BEFORE INSERT ON userdaten WHEN NEW.Name = "
                                                  "'Bert' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const DbStatus status = appendRecords(path(), annaAndBert);
    ASSERT_FALSE(status.isOk());
    EXPECT_EQ(records(), QStringList({"Anna|7|Memory|2|2024-06-03"}));
    EXPECT_EQ(saveFailureMessage(status, 2),
              QStringLiteral("Die Ergebnisse beider Spieler konnten nicht gespeichert werden.\n\n") + status.reason());
    EXPECT_EQ(saveFailureMessage(status, 1),
              QStringLiteral("Das Ergebnis konnte nicht gespeichert werden.\n\n") + status.reason());
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
    ASSERT_TRUE(SqliteFile(path()).execute(QStringLiteral(
        "CREATE TRIGGER halt BEFORE INSERT ON userdaten WHEN NEW.Name = 'Bert' BEGIN SELECT halt_here(); END")));
    int reports[2];
    ASSERT_EQ(pipe(reports), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        g_reportHalt = reports[1];
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(registerHaltHere));
        appendRecords(platform::resultsDatabasePath(), annaAndBert);
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

    SqliteFile file(path());
    ASSERT_TRUE(file.execute(QStringLiteral("DROP TRIGGER halt")));
    EXPECT_EQ(file.integrity(), QStringLiteral("ok"));
    EXPECT_EQ(file.records(), QStringList({"Anna|7|Memory|2|2024-06-03"}));
}

TEST_F(AppendRecords, ALockReleasedWithinTheWaitOnlyDelaysTheSave)
{
    SqliteFile other(path());
    ASSERT_TRUE(other.execute(QString::fromLatin1(kTable) + QStringLiteral("BEGIN EXCLUSIVE;")));
    std::thread release([&other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        other.execute(QStringLiteral("COMMIT"));
    });
    const DbStatus status = appendRecords(path(), anna);
    release.join();
    EXPECT_TRUE(status.isOk()) << status.reason().toStdString();
}

// The whole file is checked once per run, and again only when it is no
// longer as our own last commit left it.
TEST_F(AppendRecords, AFileThatChangedUnderUsIsCheckedAgainAndOneAsWeLeftItIsNot)
{
    ASSERT_TRUE(appendRecords(path(), annaAndBert).isOk());
    ASSERT_TRUE(SqliteFile(path()).execute(QString::fromLatin1(kManyRecords)));
    ASSERT_TRUE(appendRecords(path(), anna).isOk()) << "checked again and found sound";
    struct stat left {};
    ASSERT_EQ(stat(QFile::encodeName(path()).constData(), &left), 0);
    damageAPage(path());
    const timespec times[2] = {left.st_atim, left.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path()).constData(), times, 0), 0);
    EXPECT_TRUE(appendRecords(path(), anna).isOk()) << "the same size and time as our commit left: not read again";

    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path()).constData(), nullptr, 0), 0);
    EXPECT_EQ(appendRecords(path(), anna).code(), DbStatus::Code::Damaged);
}

} // namespace
