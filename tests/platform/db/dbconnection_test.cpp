#include "platform/dbconnection.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <sqlite3.h>

using platform::DbConnection;
using platform::DbStatus;

namespace {

TEST(DbConnection, CreatesAnEmptyDatabaseWhereNoFileIsAndOpensItAgainLater)
{
    testing_support::ProgramFolderFixture folder;
    const QString path = folder.file(QStringLiteral("neu.db"));
    {
        auto opened = DbConnection::open(path);
        ASSERT_TRUE(opened.isOk()) << opened.status().reason().toStdString();
        EXPECT_TRUE(QFileInfo::exists(path));
        EXPECT_FALSE(opened.value().isReadOnly());
        ASSERT_TRUE(opened.value().exec("CREATE TABLE t (x); INSERT INTO t VALUES (1);").isOk());
    }
    auto again = DbConnection::open(path);
    ASSERT_TRUE(again.isOk());
    EXPECT_TRUE(again.value().exec("INSERT INTO t VALUES (2)").isOk());
}

// A kill or a power cut after Update returns must not lose the record: the
// commit goes through a rollback journal and waits for the disk.
TEST(DbConnection, CommitsGoThroughARollbackJournalWithFullSyncs)
{
    testing_support::ProgramFolderFixture folder;
    auto opened = DbConnection::open(folder.file(QStringLiteral("t.db")));
    ASSERT_TRUE(opened.isOk());
    sqlite3 *db = opened.value().handle();
    const auto pragma = [db](const char *sql) {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        QString value;
        if (sqlite3_step(statement) == SQLITE_ROW)
            value = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return value;
    };
    EXPECT_EQ(pragma("PRAGMA synchronous"), QStringLiteral("3")) << "EXTRA";
    EXPECT_EQ(pragma("PRAGMA journal_mode"), QStringLiteral("delete"));
}

TEST(Transaction, KeepsWhatItCommitsAndUndoesWhatGoesWithoutCommit)
{
    testing_support::ProgramFolderFixture folder;
    auto opened = DbConnection::open(folder.file(QStringLiteral("t.db")));
    ASSERT_TRUE(opened.isOk());
    const DbConnection &db = opened.value();
    ASSERT_TRUE(db.exec("CREATE TABLE t (x)").isOk());
    {
        auto kept = platform::Transaction::begin(db);
        ASSERT_TRUE(kept.isOk());
        ASSERT_TRUE(db.exec("INSERT INTO t VALUES (1)").isOk());
        ASSERT_TRUE(kept.value().commit().isOk());
        auto undone = platform::Transaction::begin(db);
        ASSERT_TRUE(undone.isOk());
        ASSERT_TRUE(db.exec("INSERT INTO t VALUES (2)").isOk());
    }
    auto sum = db.prepare("SELECT total(x) FROM t");
    ASSERT_TRUE(sum.isOk());
    ASSERT_EQ(sqlite3_step(sum.value().get()), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(sum.value().get(), 0), 1);
    EXPECT_TRUE(platform::Transaction::begin(db).isOk()) << "no transaction is left open";
}

struct ForeignCase
{
    const char *name;
    QByteArray bytes;
};

class ForeignFile : public ::testing::TestWithParam<ForeignCase>
{
protected:
    testing_support::ProgramFolderFixture folder;
};

TEST_P(ForeignFile, IsRefusedAsNotADatabaseAndLeftByteForByte)
{
    const QByteArray bytes = GetParam().bytes;
    folder.write(QStringLiteral("Daten.mdb"), bytes);
    auto opened = DbConnection::open(folder.file(QStringLiteral("Daten.mdb")));
    ASSERT_FALSE(opened.isOk());
    EXPECT_EQ(opened.status().code(), DbStatus::Code::NotADatabase);
    EXPECT_TRUE(opened.status().reason().contains(QStringLiteral("\"Daten.mdb\""))) << opened.status().reason().toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), bytes);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"Daten.mdb"})) << "no journal left beside it";
}

QByteArray jetLike()
{
    QByteArray bytes(4096, '\0');
    bytes.replace(4, 15, "Standard Jet DB");
    return bytes;
}

QByteArray damagedSqlite()
{
    // The right magic, then nonsense where the page size and the rest belong.
    QByteArray bytes("SQLite format 3", 16);
    bytes += QByteArray(4080, '\xA5');
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ForeignFile,
    ::testing::Values(ForeignCase {"ShortText", "Hallo"}, ForeignCase {"AnotherDatabaseFormat", jetLike()},
                      ForeignCase {"Zeros", QByteArray(8192, '\0')}, ForeignCase {"DamagedSqliteHeader", damagedSqlite()}),
    [](const ::testing::TestParamInfo<ForeignCase> &row) { return std::string(row.param.name); });

TEST(DbConnection, AnEmptyFileIsAnEmptyDatabase)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("leer.db"), {});
    auto opened = DbConnection::open(folder.file(QStringLiteral("leer.db")));
    ASSERT_TRUE(opened.isOk());
    EXPECT_TRUE(opened.value().exec("CREATE TABLE t (x)").isOk());
}

TEST(DbConnection, AFolderThatCannotExistIsReportedWithTheFolder)
{
    // A regular file stands where the folder should be, so the database can
    // be created by no one, root included.
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("datei"), "x");
    const QString path = folder.file(QStringLiteral("datei/Programm/Daten.mdb"));
    auto opened = DbConnection::open(path);
    ASSERT_FALSE(opened.isOk());
    EXPECT_EQ(opened.status().code(), DbStatus::Code::CannotOpen);
    EXPECT_TRUE(opened.status().reason().contains(QStringLiteral("Ordner"))) << opened.status().reason().toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("datei")), QByteArray("x"));
}

TEST(DbConnection, AFolderInPlaceOfTheFileIsReported)
{
    testing_support::ProgramFolderFixture folder;
    QDir(folder.path()).mkdir(QStringLiteral("Daten.mdb"));
    auto opened = DbConnection::open(folder.file(QStringLiteral("Daten.mdb")));
    ASSERT_FALSE(opened.isOk());
    EXPECT_EQ(opened.status().code(), DbStatus::Code::CannotOpen);
}

TEST(DbConnection, ADatabaseLockedPastTheWaitIsReportedAsLocked)
{
    testing_support::ProgramFolderFixture folder;
    const QString path = folder.file(QStringLiteral("t.db"));
    auto holder = DbConnection::open(path);
    ASSERT_TRUE(holder.isOk());
    ASSERT_TRUE(holder.value().exec("CREATE TABLE t (x); BEGIN EXCLUSIVE; INSERT INTO t VALUES (1);").isOk());

    auto opened = DbConnection::open(path, /*busyTimeoutMs=*/100);
    ASSERT_FALSE(opened.isOk());
    EXPECT_EQ(opened.status().code(), DbStatus::Code::Locked);
    EXPECT_FALSE(opened.status().reason().isEmpty());
    holder.value().exec("COMMIT");
}

} // namespace
