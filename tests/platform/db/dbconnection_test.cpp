#include "platform/dbconnection.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <cerrno>

using platform::DbConnection;
using platform::DbStatus;
using platform::Transaction;

namespace {

// A power cut right after a commit must not bring the journal back; a
// transaction keeps what it commits and undoes what goes without commit.
TEST(DbConnection, CommitsThroughAJournalSyncedWithItsFolderAndUndoesWhatGoesWithoutCommit)
{
    testing_support::ProgramFolderFixture folder;
    const QString path = folder.file(QStringLiteral("neu.db"));
    auto opened = DbConnection::open(path);
    ASSERT_TRUE(opened.isOk()) << opened.status().reason().toStdString();
    const DbConnection &db = opened.value();
    {
        auto modes = db.prepare("SELECT synchronous, journal_mode FROM pragma_synchronous, pragma_journal_mode");
        ASSERT_TRUE(modes.isOk());
        ASSERT_EQ(sqlite3_step(modes.value().get()), SQLITE_ROW);
        EXPECT_EQ(sqlite3_column_int(modes.value().get(), 0), 3) << "EXTRA";
        EXPECT_STREQ(reinterpret_cast<const char *>(sqlite3_column_text(modes.value().get(), 1)), "delete");
    }
    ASSERT_TRUE(db.exec("CREATE TABLE t (x)").isOk());
    {
        auto kept = Transaction::begin(db);
        ASSERT_TRUE(kept.isOk());
        ASSERT_TRUE(db.exec("INSERT INTO t VALUES (1)").isOk());
        ASSERT_TRUE(kept.value().commit().isOk());
        auto undone = Transaction::begin(db);
        ASSERT_TRUE(undone.isOk());
        ASSERT_TRUE(db.exec("INSERT INTO t VALUES (2)").isOk());
    }
    EXPECT_TRUE(Transaction::begin(db).isOk()) << "no transaction is left open";
    EXPECT_EQ(testing_support::SqliteFile(path).rows("SELECT x FROM t"), QStringList({"1"}));
    EXPECT_TRUE(DbConnection::open(path).isOk()) << "an existing database opens again";
}

// Every failure the engine or the system reports reaches the window as a
// German sentence naming the file; the engine's own words stay in the log.
TEST(DbStatus, EveryEngineFailureBecomesAGermanReason)
{
    using C = DbStatus::Code;
    const QString busy
        = QStringLiteral("wird gerade von einem anderen Programm oder einem zweiten laufenden Quirlix benutzt.");
    const QString full = QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei für die Datei \"Daten.mdb\".");
    const QString noRight = QStringLiteral("Für die Datei \"Daten.mdb\" oder ihren Ordner fehlt die Berechtigung.");
    const QString noFolder = QStringLiteral("Der Ordner \"/schule\" für die Datei \"Daten.mdb\" ist nicht vorhanden.");
    const QString file = QStringLiteral("Die Datei \"Daten.mdb\" ");
    const struct { int engineCode, systemErrno; C code; QString reason; } rows[] = {
        {SQLITE_NOTADB, 0, C::NotADatabase, file + "ist keine Datenbank dieses Programms. Sie bleibt unverändert."},
        {SQLITE_CORRUPT, 0, C::Damaged, file + "ist beschädigt. Sie bleibt unverändert."},
        {SQLITE_BUSY, 0, C::Locked, file + busy},
        {SQLITE_LOCKED, 0, C::Locked, file + busy},
        {SQLITE_FULL, 0, C::DiskFull, full},
        {SQLITE_IOERR_WRITE, ENOSPC, C::DiskFull, full},
        {SQLITE_IOERR_WRITE, EIO, C::IoError,
            "Beim Lesen oder Schreiben der Datei \"Daten.mdb\" ist ein Fehler aufgetreten."},
        {SQLITE_CANTOPEN, EACCES, C::NoPermission, noRight},
        {SQLITE_PERM, EPERM, C::NoPermission, noRight},
        {SQLITE_CANTOPEN, EROFS, C::ReadOnly, file + "liegt auf einem schreibgeschützten Datenträger."},
        {SQLITE_READONLY, 0, C::ReadOnly, file + "oder ihr Ordner ist schreibgeschützt."},
        {SQLITE_READONLY_DBMOVED, 0, C::FileMoved, file + "ist nicht mehr vorhanden."},
        {SQLITE_CANTOPEN, ENOENT, C::CannotOpen, noFolder},
        {SQLITE_CANTOPEN, ENOTDIR, C::CannotOpen, noFolder},
        {SQLITE_CANTOPEN_ISDIR, EISDIR, C::CannotOpen, "An der Stelle der Datei \"Daten.mdb\" liegt ein Ordner."},
        {SQLITE_CANTOPEN, ELOOP, C::CannotOpen, file + "kann nicht geöffnet oder angelegt werden."},
        {SQLITE_CONSTRAINT_CHECK, 0, C::BadValue, "Ein Wert passt nicht in sein Feld der Datei \"Daten.mdb\"."},
        {SQLITE_ERROR, 0, C::Failed, "Die Datenbank \"Daten.mdb\" meldet einen Fehler (Code 1)."},
    };
    for (const auto &row : rows) {
        const DbStatus status = platform::statusFromEngine(
            row.engineCode, row.systemErrno, QStringLiteral("/schule/Daten.mdb"), QStringLiteral("engine says no"));
        EXPECT_EQ(status.code(), row.code) << row.engineCode;
        EXPECT_EQ(status.reason(), row.reason) << row.engineCode;
        EXPECT_EQ(status.engineCode(), row.engineCode);
    }
}

} // namespace
