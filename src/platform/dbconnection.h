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
// Every change is committed durably: a rollback journal and full syncs, so a
// process killed at any moment leaves the last committed state intact.
class DbConnection
{
public:
    // Long enough for another running copy to finish its save; short enough
    // that a window waiting on a stuck one still gives up in reasonable time.
    static constexpr int DefaultBusyTimeoutMs = 3000;

    // Opens an existing database, or creates an empty one when no file of
    // that name exists. An existing file is written to only through later
    // statements: a file that is not an SQLite database is refused before
    // the engine sees it, so it stays byte for byte as it was.
    static DbResult<DbConnection> open(const QString &path, int busyTimeoutMs = DefaultBusyTimeoutMs);

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

    // Runs statements that return no rows.
    DbStatus exec(const char *sql) const;
    // The status of the connection's last failed call, as a reason for the
    // user; engineCode is that call's result code.
    DbStatus lastFailure(int engineCode) const;

private:
    struct Impl;
    std::shared_ptr<Impl> d;
};

} // namespace platform
