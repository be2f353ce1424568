#pragma once

#include <QtCore/QFile>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <sqlite3.h>

// Reads and writes a results database behind the program's back, with the
// SQLite library alone, so the tests see what is really in the file.
namespace results_testing {

// Every row of userdaten in the order it was appended, as
// "Name|Punkte|Spiel|Level|Datum", Null as "NULL".
inline QStringList tableRows(const QString &path)
{
    QStringList rows;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT Name, Punkte, Spiel, Level, Datum FROM userdaten ORDER BY rowid", -1,
                               &statement, nullptr)
            == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                QStringList fields;
                for (int c = 0; c < 5; ++c) {
                    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, c));
                    fields << (text ? QString::fromUtf8(text) : QStringLiteral("NULL"));
                }
                rows << fields.join(u'|');
            }
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return rows;
}

// The verdict of SQLite's full integrity check: "ok" for a sound file.
inline QString integrityCheck(const QString &path)
{
    QString verdict = QStringLiteral("cannot open");
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW)
            verdict = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        else
            verdict = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return verdict;
}

// Runs SQL on the file; true when it all ran.
inline bool execute(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr)
              == SQLITE_OK
              && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

} // namespace results_testing
