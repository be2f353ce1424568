#pragma once

#include <QtCore/QFile>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <sqlite3.h>

// Reads and writes a database file behind the program's back, with the
// SQLite library alone, so a test sees what is really in the file.
namespace testing_support {

class SqliteFile
{
public:
    explicit SqliteFile(const QString &path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr);
    }
    ~SqliteFile() { sqlite3_close(m_db); }
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    // Runs SQL; true when all of it ran.
    bool execute(const QString &sql)
    {
        return sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }

    // Every row of a query, its columns joined by "|", Null as "NULL"; the
    // engine's message as the only row when it refuses.
    QStringList rows(const char *sql)
    {
        QStringList rows;
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
            return {QString::fromUtf8(sqlite3_errmsg(m_db))};
        int rc;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            QStringList fields;
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, c));
                fields << (text ? QString::fromUtf8(text) : QStringLiteral("NULL"));
            }
            rows << fields.join(u'|');
        }
        if (rc != SQLITE_DONE)
            rows << QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_finalize(statement);
        return rows;
    }

    // userdaten in the order it was appended, as "Name|Punkte|Spiel|Level|Datum".
    QStringList records() { return rows("SELECT Name, Punkte, Spiel, Level, Datum FROM userdaten ORDER BY rowid"); }

    // The verdict of the engine's full check: "ok" for a sound file.
    QString integrity() { return rows("PRAGMA integrity_check").value(0); }

private:
    sqlite3 *m_db = nullptr;
};

} // namespace testing_support
