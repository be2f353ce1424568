#pragma once

#include "platform/dbstatus.h"

#include <QtCore/QString>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

// A prepared statement that is finalized when it goes out of scope.
struct StatementDeleter
{
    void operator()(sqlite3_stmt *statement) const;
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

// An open SQLite database file. Copies share the one connection, which
// closes when the last copy (a record set holds one) goes.
//
// Every commit is durable: a rollback journal and synchronous = EXTRA, which
// also syncs the folder once the journal is deleted, so neither a killed
// process nor a power cut right after a commit can undo it.
//
// Every connection knows the function kSortKeyFunction (textorder.h), by
// which the lists sort.
class DbConnection
{
public:
    // Long enough for another running copy to finish its save; short enough
    // that a window waiting on a stuck one still gives up in reasonable time.
    static constexpr int DefaultBusyTimeoutMs = 3000;

    // Opens an existing database, or creates an empty file when nothing of
    // that name exists (a failure to create it reports its first cause: a
    // folder that cannot be written, not the engine's later retry). A file
    // that is not an SQLite database is refused before the engine sees it,
    // so it stays byte for byte as it was, even beside a stray journal.
    static DbResult<DbConnection> open(const QString &path, int busyTimeoutMs = DefaultBusyTimeoutMs);
    // An empty database in memory, gone when the last copy goes.
    static DbResult<DbConnection> openInMemory();

    DbConnection();
    ~DbConnection();
    DbConnection(const DbConnection &);
    DbConnection &operator=(const DbConnection &);
    DbConnection(DbConnection &&) noexcept;
    DbConnection &operator=(DbConnection &&) noexcept;

    bool isOpen() const;
    const QString &path() const;
    sqlite3 *handle() const;
    // Opened read-only because the file could not be opened for writing.
    bool isReadOnly() const;
    // The file is no longer the one at the path it was opened by: removed,
    // renamed or replaced since. The engine then refuses to write into it.
    bool hasMoved() const;

    // Runs statements that return no rows.
    DbStatus exec(const char *sql) const;
    // One statement, ready to bind and step; the failure with its reason when
    // the engine refuses it.
    DbResult<Statement> prepare(const QByteArray &sql) const;
    // The status of the connection's last failed call, as a reason for the
    // user; engineCode is that call's result code.
    DbStatus lastFailure(int engineCode) const;

private:
    struct Impl;
    std::shared_ptr<Impl> d;
};

// A write transaction on a connection: begun holding the write lock, so no
// other copy can slip a change in between; undone when it goes out of scope
// without commit(). Everything written inside is kept together or not at all.
class Transaction
{
public:
    static DbResult<Transaction> begin(const DbConnection &connection);

    Transaction(Transaction &&other) noexcept;
    Transaction &operator=(Transaction &&) = delete;
    ~Transaction();

    DbStatus commit();

private:
    explicit Transaction(DbConnection connection);

    DbConnection m_connection; // not open once committed or rolled back
};

} // namespace platform
