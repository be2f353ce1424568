#include "platform/recordlist.h"
#include "platform/resultsdb.h"
#include "results/highscore.h"
#include "results/saving.h"
#include "state/modvar.h"
#include "support/killchild.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>

#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

using platform::DbStatus;
using testing_support::SqliteFile;

namespace {

constexpr auto byName = [](const auto &row) { return std::string(row.param.name); };
const char kTable[] = "CREATE TABLE userdaten (Name TEXT, Punkte INT, Spiel TEXT, Level INT, Datum DATE);";
const char kManyRecords[] = "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 2000) "
                            "INSERT INTO userdaten SELECT 'Kind' || x, x, 'Memory', 1, '2024-01-01' FROM n;";

PlayState play(const char *name, qint16 points, const char *name2 = "", qint16 points2 = 0)
{
    return {QString::fromUtf8(name), QStringLiteral("Memory"), {}, 2, points, QString::fromUtf8(name2), points2};
}

// A fresh program folder. add() lays out our table with records given as
// "Name Punkte" ("-" for a Null name); rows() reads a list back in that form.
class ResultsFile : public ::testing::Test
{
protected:
    static QString path() { return platform::resultsDatabasePath(); }
    QStringList folderFiles() const
    {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    }
    static void add(const QStringList &records)
    {
        QString sql = QString::fromLatin1(kTable);
        for (const QString &record : records) {
            const QString name = record.section(u' ', 0, 0);
            sql += QStringLiteral("INSERT INTO userdaten VALUES (%1, %2, 'Memory', 1, '2024-05-01');")
                       .arg(name == u"-" ? QStringLiteral("NULL") : u'\'' + name + u'\'', record.section(u' ', 1));
        }
        ASSERT_TRUE(SqliteFile(path()).execute(sql));
    }
    static QStringList rows(const platform::RecordColumns &columns)
    {
        const QStringList names = columns[platform::ListColumn::Name].split(QStringLiteral("\r\n"));
        const QStringList points = columns[platform::ListColumn::Punkte].split(QStringLiteral("\r\n"));
        QStringList rows;
        for (qsizetype k = 0; k < points.size() && !points[k].isEmpty(); ++k)
            rows << names.value(k) + u' ' + points[k];
        EXPECT_EQ(names.size(), points.size());
        return rows;
    }

    testing_support::ProgramFolderFixture folder;
    const std::vector<ResultRecord> anna = recordsToSave(play("Anna", 7), 1, QDate(2024, 6, 3));
    const std::vector<ResultRecord> annaAndBert = recordsToSave(play("Anna", 7, "Bert", -3), 2, QDate(2024, 6, 3));
};

struct SaveCase
{
    const char *name;
    PlayState play;
    quint8 anzahlSpieler;
    QStringList stored; // "Name|Punkte|Spiel|Level"
    const char *before = nullptr; // SQL run on the file first; nullptr: no file
};

class Save : public ResultsFile, public ::testing::WithParamInterface<SaveCase>
{
};

TEST_P(Save, StoresTheRecordsOfTheSaveRuleAfterWhatTheFileHeld)
{
    const SaveCase &c = GetParam();
    ASSERT_TRUE(!c.before || SqliteFile(path()).execute(QString::fromUtf8(c.before)));
    const DbStatus status = appendRecords(path(), recordsToSave(c.play, c.anzahlSpieler, QDate(2024, 6, 3)));
    ASSERT_TRUE(status.isOk()) << status.reason().toStdString();
    EXPECT_EQ(SqliteFile(path()).rows("SELECT Name, Punkte, Spiel, Level FROM userdaten ORDER BY rowid"), c.stored);
    EXPECT_EQ(folderFiles(), QStringList({"Daten.mdb"}));
}

using S = SaveCase;
INSTANTIATE_TEST_SUITE_P(Rules, Save,
    ::testing::Values(S {"OneForOnePlayerWithALeftoverSecondName", play("Anna", 7, "Bert", 3), 1, {"Anna|7|Memory|2"}},
        S {"OneForTwoPlayersWithoutASecondName", play("Anna", 7, "", 3), 2, {"Anna|7|Memory|2"}},
        S {"AnEmptyFirstNameBesideASecond", play("", 7, "Bert", 3), 2, {"Spieler1|7|Memory|2", "Bert|3|Memory|2"}},
        S {"NamesOfBlanksAsTheyAre", play(" ", 1, "  ", 2), 2, {" |1|Memory|2", "  |2|Memory|2"}},
        S {"AnyCountButOneAllowsASecond", play("Anna", 7, "Bert", 3), 0, {"Anna|7|Memory|2", "Bert|3|Memory|2"}},
        S {"AnEmptyFileIsLaidOut", play("Anna", 7), 1, {"Anna|7|Memory|2"}, ""},
        S {"NamesInOtherCaseNumbersAsNumericOrReal", play("Anna", 7), 1, {"Anna|7|Memory|2.0"},
            "CREATE TABLE UserDaten (NAME TEXT, PUNKTE NUMERIC, SPIEL TEXT, LEVEL DOUBLE, DATUM DATE)"}),
    byName);

// The table we lay out keeps another program's values within the record,
// so the lists never meet them.
TEST_F(ResultsFile, OurTableRefusesValuesOutsideTheRecordFromAnyone)
{
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    SqliteFile file(path());
    for (const char *row : {"('x', 40000, 'Memory', 1, '2024-01-01')", "('x', 1, 'Memory', -32769, '2024-01-01')",
             "('x', 1, 'Memory', 1, 'gestern')", "('x', 1, 'Memory', 1, 20240101)"})
        EXPECT_FALSE(file.execute(QStringLiteral("INSERT INTO userdaten VALUES ") + QLatin1String(row))) << row;
    EXPECT_EQ(file.records().size(), 1);
}

// Lays at path what a case names: "sql:<SQL>", "folder", "link to nothing",
// "foreign beside a journal" (that the engine would play back into it) or
// "chmod <folder> [<file>]" (octal; the file laid out first).
void lay(const QString &path, const QByteArray &what)
{
    if (what.startsWith("sql:")) {
        EXPECT_TRUE(SqliteFile(path).execute(QString::fromUtf8(what.mid(4))));
    } else if (what == "folder") {
        EXPECT_TRUE(QDir().mkdir(path));
    } else if (what == "link to nothing") {
        EXPECT_TRUE(QFile::link(path + QStringLiteral(".weg"), path));
    } else if (what == "foreign beside a journal") {
        const QString journal = path + QStringLiteral("-journal");
        {
            SqliteFile db(path);
            db.execute(QStringLiteral("CREATE TABLE t (x); INSERT INTO t VALUES (1); PRAGMA synchronous = OFF; BEGIN; "
                                      "UPDATE t SET x = 2;"));
            EXPECT_TRUE(QFile::copy(journal, journal + u'2'));
        }
        EXPECT_TRUE(QFile::rename(journal + u'2', journal));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QByteArray(8192, 'F')) == 8192);
    } else if (what.startsWith("chmod ")) {
        const QList<QByteArray> modes = what.split(' ');
        if (modes.size() > 2) {
            lay(path, QByteArray("sql:") + kTable);
            chmod(QFile::encodeName(path).constData(), modes[2].toUInt(nullptr, 8));
        }
        chmod(QFile::encodeName(QFileInfo(path).path()).constData(), modes[1].toUInt(nullptr, 8));
    }
}

const char16_t kNotOurs[] = u"enthält keine Tabelle \"userdaten\" mit den Feldern";

struct RefusedCase
{
    const char *name;
    QByteArray what; // what lies there, as lay() reads it
    DbStatus::Code code = DbStatus::Code::NotADatabase;
    const char16_t *reason = kNotOurs; // a part of the German reason
};

class Refused : public ResultsFile, public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(Refused, FailsWithAGermanReasonAndLeavesEveryFileAsItWas)
{
    const RefusedCase &c = GetParam();
    const QString file = path();
    lay(file, c.what);
    const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
    const QStringList filesBefore = folderFiles();
    // Permissions stop no one running as root, who runs the tests in CI.
    const auto save = [&] {
        const DbStatus status = appendRecords(file, annaAndBert, /*busyTimeoutMs=*/200);
        return QByteArray::number(static_cast<int>(status.code())) + ' ' + status.reason().toUtf8();
    };
    const QString outcome
        = QString::fromUtf8(c.what.startsWith("chmod") ? testing_support::asUnprivilegedUser(save) : save());
    EXPECT_TRUE(outcome.startsWith(QString::number(static_cast<int>(c.code)) + u' ')) << outcome.toStdString();
    EXPECT_TRUE(outcome.contains(QString::fromUtf16(c.reason))) << outcome.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
    EXPECT_EQ(folderFiles(), filesBefore);
}

using C = DbStatus::Code;
using R = RefusedCase;

INSTANTIATE_TEST_SUITE_P(Files, Refused,
    ::testing::Values(
        R {"AForeignFileBesideAJournal", "foreign beside a journal", C::NotADatabase, u"ist keine Datenbank"},
        R {"AnotherProgramsDatabase", "sql:CREATE TABLE kunden (name)"},
        R {"UserdatenWithoutDatum", "sql:CREATE TABLE userdaten (Name, Punkte INT, Spiel, Level INT)"},
        R {"PointsAsTextFromASpreadsheet",
            "sql:CREATE TABLE userdaten (Name TEXT, Punkte TEXT, Spiel TEXT, Level TEXT, Datum TEXT)"},
        R {"LevelWithoutAType", "sql:CREATE TABLE userdaten (Name, Punkte REAL, Spiel, Level, Datum)"},
        R {"AFolderInPlaceOfTheFile", "folder", C::CannotOpen, u"der Datei \"Daten.mdb\" liegt ein Ordner."},
        R {"ALinkToNothingIsNamedNotAMissingFolder", "link to nothing", C::CannotOpen,
            u"\"Daten.mdb\" kann nicht geöffnet werden (ihre Verknüpfung zeigt auf nichts)."},
        R {"AFileThatCannotBeWritten", "chmod 755 444", C::ReadOnly, u"ist schreibgeschützt"},
        R {"AFolderThatCannotBeWrittenReportsTheFirstCause", "chmod 555", C::NoPermission, u"fehlt die Berechtigung."}),
    byName);

TEST_F(ResultsFile, WhenTheSecondRecordFailsNeitherIsStoredAndTheMessageSaysSo)
{
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    ASSERT_TRUE(
        SqliteFile(path()).execute(QStringLiteral("CREATE TRIGGER nein BEFORE INSERT ON userdaten WHEN NEW.Name = "
                                                  "'Bert' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const DbStatus status = appendRecords(path(), annaAndBert);
    ASSERT_FALSE(status.isOk());
    EXPECT_EQ(SqliteFile(path()).records(), QStringList({"Anna|7|Memory|2|2024-06-03"}));
    EXPECT_EQ(saveFailureMessage(status, 2),
        QStringLiteral("Die Ergebnisse beider Spieler konnten nicht gespeichert werden.\n\n") + status.reason());
    EXPECT_EQ(saveFailureMessage(status, 1),
        QStringLiteral("Das Ergebnis konnte nicht gespeichert werden.\n\n") + status.reason());
    EXPECT_FALSE(status.reason().contains(QStringLiteral("refused"))) << "the engine's text stays in the log";
}

// Called by a trigger as the second record starts: tells the test, waits to be killed.
int g_reportHalt = -1;
void haltHere(sqlite3_context *, int, sqlite3_value **)
{
    [[maybe_unused]] const ssize_t written = write(g_reportHalt, "H", 1);
    pause();
}

TEST_F(ResultsFile, AProcessKilledBetweenTheTwoRecordsLeavesNeither)
{
    ASSERT_TRUE(appendRecords(path(), anna).isOk());
    ASSERT_TRUE(SqliteFile(path()).execute(QStringLiteral(
        "CREATE TRIGGER halt BEFORE INSERT ON userdaten WHEN NEW.Name = 'Bert' BEGIN SELECT halt_here(); END")));
    const char reported = testing_support::killChild([this](int report) {
        g_reportHalt = report;
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(+[](sqlite3 *db, char **, const sqlite3_api_routines *) {
            return sqlite3_create_function(db, "halt_here", 0, SQLITE_UTF8, nullptr, haltHere, nullptr, nullptr);
        }));
        appendRecords(path(), annaAndBert);
        _exit(3);
    });
    ASSERT_EQ(reported, 'H') << "the saver never reached the second record";
    ASSERT_TRUE(QFile::exists(path() + QStringLiteral("-journal"))) << "killed inside the transaction";
    SqliteFile file(path());
    ASSERT_TRUE(file.execute(QStringLiteral("DROP TRIGGER halt")));
    EXPECT_EQ(file.integrity(), QStringLiteral("ok"));
    EXPECT_EQ(file.records(), QStringList({"Anna|7|Memory|2|2024-06-03"}));
}

TEST_F(ResultsFile, ALockReleasedWithinTheWaitOnlyDelaysTheSave)
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
TEST_F(ResultsFile, AFileThatChangedUnderUsIsCheckedAgainAndOneAsWeLeftItIsNot)
{
    ASSERT_TRUE(appendRecords(path(), annaAndBert).isOk());
    ASSERT_TRUE(SqliteFile(path()).execute(QString::fromLatin1(kManyRecords)));
    ASSERT_TRUE(appendRecords(path(), anna).isOk()) << "checked again and found sound";
    struct stat left {};
    ASSERT_EQ(stat(QFile::encodeName(path()).constData(), &left), 0);
    QFile file(path()); // a page that an append does not touch, overwritten
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.size() > 4 * 4096 && file.seek(3 * 4096));
    file.write(QByteArray(4096, '\x5A'));
    file.close();
    const timespec times[2] = {left.st_atim, left.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path()).constData(), times, 0), 0);
    EXPECT_TRUE(appendRecords(path(), anna).isOk()) << "the same size and time as our commit left: not read again";

    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path()).constData(), nullptr, 0), 0);
    EXPECT_EQ(appendRecords(path(), anna).code(), DbStatus::Code::Damaged);
}

struct HighscoreCase
{
    const char *name;
    QStringList records;
    QStringList shown;
};

class Highscore : public ResultsFile, public ::testing::WithParamInterface<HighscoreCase>
{
};

TEST_P(Highscore, ShowsTheTenBestHighestFirst)
{
    add(GetParam().records);
    const HighscoreList list = loadHighscore(path());
    ASSERT_TRUE(list.status.isOk()) << list.status.reason().toStdString();
    EXPECT_EQ(rows(list.columns), GetParam().shown);
}

using H = HighscoreCase;
INSTANTIATE_TEST_SUITE_P(Lists, Highscore,
    ::testing::Values(H {"NoRecordNoRow", {}, {}}, H {"OneRecord", {"Anna -3"}, {"Anna -3"}},
        H {"ElevenRecords", {"a 5", "b 1", "c 10", "d 7", "e 3", "f 2", "g 9", "h 4", "i 8", "j 6", "k 11"},
            {"k 11", "c 10", "g 9", "i 8", "d 7", "j 6", "a 5", "h 4", "e 3", "f 2"}},
        H {"EqualPointsLastAppendedFirst", {"erst 5", "zweit 5", "dritt 5", "klein 1"},
            {"dritt 5", "zweit 5", "erst 5", "klein 1"}},
        // The walk counts four further rows but finds only two named records
        // before the best; it stops instead of listing the last one again.
        H {"UnnamedRecordsArePassedOverAndNoneRepeats", {"a 1", "- 2", "b 3", "- 4", "c 5"}, {"c 5", "b 3", "a 1"}},
        H {"ALineBreakInANameStaysInItsRow", {"b 3", "Max\r\nMo 5", "a\u2028z 4"}, {"Max  Mo 5", "a z 4", "b 3"}}),
    byName);

TEST_F(ResultsFile, WithoutADatabaseTheHighscoreListIsEmptyAndNothingIsWritten)
{
    folder.write(QStringLiteral("Leer.mdb"), {});
    for (const char *file : {"Neu.mdb", "Leer.mdb"}) {
        const HighscoreList list = loadHighscore(folder.file(QLatin1String(file)));
        EXPECT_TRUE(list.status.isOk()) << list.status.reason().toStdString();
        EXPECT_EQ(rows(list.columns), QStringList());
    }
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Neu.mdb"))));
    EXPECT_EQ(folder.read(QStringLiteral("Leer.mdb")), QByteArray());
}

} // namespace
