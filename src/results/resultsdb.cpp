#include "results/resultsdb.h"

#include "platform/programfolder.h"

#include <QtCore/QFileInfo>
#include <QtCore/QSet>

#include <sqlite3.h>

#include <memory>

using platform::DbConnection;
using platform::DbResult;
using platform::DbStatus;
using platform::Statement;

namespace {

// The checks keep a value that another program wrote out of the lists: a
// record's numbers are 16-bit, its date a real day in ISO form.
constexpr char kCreateTables[] = R"sql(
BEGIN IMMEDIATE;
CREATE TABLE IF NOT EXISTS userdaten (
    Name   TEXT,
    Punkte SMALLINT CHECK (Punkte BETWEEN -32768 AND 32767),
    Spiel  TEXT,
    Level  SMALLINT CHECK (Level BETWEEN -32768 AND 32767),
    Datum  DATE CHECK (Datum IS NULL OR (typeof(Datum) = 'text' AND Datum = date(Datum)))
);
COMMIT;
)sql";

const char *const kFields[] = {"name", "punkte", "spiel", "level", "datum"};

DbStatus notOurs(const QString &path)
{
    return {DbStatus::Code::NotADatabase,
            QStringLiteral("Die Datei \"%1\" enthält keine Tabelle \"userdaten\" mit den Feldern Name, Punkte, "
                           "Spiel, Level und Datum. Sie bleibt unverändert.")
                .arg(QFileInfo(path).fileName())};
}

// Runs a query and hands each row's first column to take; the connection's
// failure if the engine refuses.
template<class Take>
DbStatus eachRow(const DbConnection &db, const char *sql, Take take)
{
    sqlite3_stmt *raw = nullptr;
    int rc = sqlite3_prepare_v2(db.handle(), sql, -1, &raw, nullptr);
    Statement statement(raw);
    if (rc != SQLITE_OK)
        return db.lastFailure(rc);
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
        take(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(raw, 0))));
    if (rc != SQLITE_DONE)
        return db.lastFailure(rc);
    return {};
}

} // namespace

QString resultsDatabasePath()
{
    return platform::programFile(QStringLiteral("Daten.mdb"));
}

DbResult<DbConnection> openResultsDatabase(const QString &path, ResultsUse use, int busyTimeoutMs)
{
    DbResult<DbConnection> opened = DbConnection::open(path, busyTimeoutMs);
    if (!opened.isOk())
        return opened;
    const DbConnection &db = opened.value();

    int schemaEntries = 0;
    DbStatus status = eachRow(db, "SELECT count(*) FROM sqlite_schema", [&](const QString &count) {
        schemaEntries = count.toInt();
    });
    if (!status.isOk())
        return status;
    // Only a database without anything in it is ours to lay out; one that
    // holds another program's tables is left alone.
    if (schemaEntries == 0) {
        status = db.exec(kCreateTables);
        if (!status.isOk()) {
            db.exec("ROLLBACK");
            return status;
        }
    }

    QSet<QString> columns;
    status = eachRow(db, "SELECT name FROM pragma_table_info('userdaten')",
                     [&](const QString &name) { columns.insert(name.toLower()); });
    if (!status.isOk())
        return status;
    for (const char *field : kFields) {
        if (!columns.contains(QLatin1String(field)))
            return notOurs(path);
    }

    if (use == ResultsUse::Append) {
        // Writing into a damaged file could spread the damage to records that
        // are still whole; the check reads every page once.
        QString verdict;
        status = eachRow(db, "PRAGMA quick_check(1)", [&](const QString &line) { verdict = line; });
        if (!status.isOk())
            return status;
        if (verdict != u"ok")
            return platform::statusFromEngine(SQLITE_CORRUPT, 0, path, verdict);
    }
    return opened;
}
