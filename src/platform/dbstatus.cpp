#include "platform/dbstatus.h"

#include <QtCore/QFileInfo>

#include <sqlite3.h>

#include <cerrno>

namespace platform {

DbStatus statusFromEngine(int engineCode, int systemErrno, const QString &path, const QString &engineMessage)
{
    using Code = DbStatus::Code;
    const QFileInfo info(path);
    const QString file = info.fileName();
    switch (engineCode & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return {};
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return {Code::NotADatabase,
                QStringLiteral("Die Datei \"%1\" ist keine Datenbank dieses Programms oder sie ist beschädigt. "
                               "Sie bleibt unverändert.")
                    .arg(file),
                engineCode};
    case SQLITE_READONLY:
        return {Code::ReadOnly,
                QStringLiteral("Die Datei \"%1\" oder ihr Ordner ist schreibgeschützt.").arg(file), engineCode};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {Code::Locked,
                QStringLiteral("Die Datei \"%1\" wird gerade von einem anderen Programm oder einem zweiten "
                               "laufenden Quirlix benutzt.")
                    .arg(file),
                engineCode};
    case SQLITE_FULL:
        return {Code::DiskFull,
                QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei für die Datei \"%1\".").arg(file),
                engineCode};
    case SQLITE_IOERR:
        return {Code::IoError,
                QStringLiteral("Beim Lesen oder Schreiben der Datei \"%1\" ist ein Fehler aufgetreten.").arg(file),
                engineCode};
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        switch (systemErrno) {
        case EACCES:
        case EPERM:
        case EROFS:
            return {Code::ReadOnly,
                    QStringLiteral("Die Datei \"%1\" oder ihr Ordner ist schreibgeschützt.").arg(file), engineCode};
        case ENOENT:
        case ENOTDIR:
            return {Code::CannotOpen,
                    QStringLiteral("Der Ordner \"%1\" für die Datei \"%2\" ist nicht vorhanden.")
                        .arg(info.path(), file),
                    engineCode};
        case EISDIR:
            return {Code::CannotOpen,
                    QStringLiteral("An der Stelle der Datei \"%1\" liegt ein Ordner.").arg(file), engineCode};
        default:
            return {Code::CannotOpen,
                    QStringLiteral("Die Datei \"%1\" kann nicht geöffnet oder angelegt werden.").arg(file),
                    engineCode};
        }
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
        return {Code::BadValue,
                QStringLiteral("Ein Wert passt nicht in sein Feld der Datei \"%1\" (%2).").arg(file, engineMessage),
                engineCode};
    case SQLITE_NOMEM:
        return {Code::Failed, QStringLiteral("Der Arbeitsspeicher reicht nicht aus."), engineCode};
    default:
        return {Code::Failed,
                QStringLiteral("Die Datenbank \"%1\" meldet einen Fehler: %2 (Code %3).")
                    .arg(file, engineMessage)
                    .arg(engineCode),
                engineCode};
    }
}

} // namespace platform
