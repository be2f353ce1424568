#include "platform/dbstatus.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace platform {

Q_LOGGING_CATEGORY(lcDb, "quirlix.db")

namespace {

using Code = DbStatus::Code;

// The failures that come from the operating system, whoever saw them.
DbStatus fromSystem(int systemErrno, int engineCode, const QFileInfo &info)
{
    const QString file = info.fileName();
    switch (systemErrno) {
    case EACCES:
    case EPERM:
        return {Code::NoPermission,
                QStringLiteral("Für die Datei \"%1\" oder ihren Ordner fehlt die Berechtigung.").arg(file),
                engineCode};
    case EROFS:
        return {Code::ReadOnly,
            QStringLiteral("Die Datei \"%1\" liegt auf einem schreibgeschützten Datenträger.").arg(file), engineCode};
    case ENOSPC:
    case EDQUOT:
        return {Code::DiskFull,
                QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei für die Datei \"%1\".").arg(file),
                engineCode};
    case ENOENT:
    case ENOTDIR:
        return {Code::CannotOpen,
                QStringLiteral("Der Ordner \"%1\" für die Datei \"%2\" ist nicht vorhanden.").arg(info.path(), file),
                engineCode};
    case EISDIR:
        return {Code::CannotOpen, QStringLiteral("An der Stelle der Datei \"%1\" liegt ein Ordner.").arg(file),
                engineCode};
    default:
        return {};
    }
}

} // namespace

DbStatus statusFromEngine(int engineCode, int systemErrno, const QString &path, const QString &engineMessage)
{
    const QFileInfo info(path);
    const QString file = info.fileName();
    const int primary = engineCode & 0xff;
    if (primary == SQLITE_OK || primary == SQLITE_ROW || primary == SQLITE_DONE)
        return {};
    qCWarning(lcDb).nospace() << path << ": " << engineMessage << " (code " << engineCode << ")"
                              << (systemErrno ? ", system: " : "") << (systemErrno ? std::strerror(systemErrno) : "");
    switch (primary) {
    case SQLITE_NOTADB:
        return {Code::NotADatabase,
            QStringLiteral("Die Datei \"%1\" ist keine Datenbank dieses Programms. Sie bleibt unverändert.").arg(file),
            engineCode};
    case SQLITE_CORRUPT:
        return {Code::Damaged, QStringLiteral("Die Datei \"%1\" ist beschädigt. Sie bleibt unverändert.").arg(file),
                engineCode};
    case SQLITE_READONLY:
        // The engine will not write into a file that is no longer at its name.
        if (engineCode == SQLITE_READONLY_DBMOVED) {
            const DbStatus moved = fileMoved(path);
            return {moved.code(), moved.reason(), engineCode};
        }
        return {Code::ReadOnly, QStringLiteral("Die Datei \"%1\" oder ihr Ordner ist schreibgeschützt.").arg(file),
                engineCode};
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
        if (DbStatus system = fromSystem(systemErrno, engineCode, info); !system.isOk())
            return system;
        return {Code::IoError,
                QStringLiteral("Beim Lesen oder Schreiben der Datei \"%1\" ist ein Fehler aufgetreten.").arg(file),
                engineCode};
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        if (DbStatus system = fromSystem(systemErrno, engineCode, info); !system.isOk())
            return system;
        return {Code::CannotOpen,
                QStringLiteral("Die Datei \"%1\" kann nicht geöffnet oder angelegt werden.").arg(file), engineCode};
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
        return {Code::BadValue, QStringLiteral("Ein Wert passt nicht in sein Feld der Datei \"%1\".").arg(file),
                engineCode};
    case SQLITE_NOMEM:
        return {Code::Failed, QStringLiteral("Der Arbeitsspeicher reicht nicht aus."), engineCode};
    default:
        return {Code::Failed,
            QStringLiteral("Die Datenbank \"%1\" meldet einen Fehler (Code %2).").arg(file).arg(engineCode),
            engineCode};
    }
}

DbStatus linkToNothing(const QString &path)
{
    return {Code::CannotOpen, QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden (ihre Verknüpfung zeigt auf "
                                             "nichts).")
                                  .arg(QFileInfo(path).fileName())};
}

DbStatus fileMoved(const QString &path)
{
    const QFileInfo info(path);
    const QByteArray name = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(name.constData(), &entry) != 0) {
        const DbStatus system = errno == ENOENT ? DbStatus() : fromSystem(errno, 0, info);
        if (!system.isOk())
            return system;
        return {Code::FileMoved, QStringLiteral("Die Datei \"%1\" ist nicht mehr vorhanden.").arg(info.fileName())};
    }
    if (S_ISLNK(entry.st_mode) && ::stat(name.constData(), &entry) != 0 && errno == ENOENT)
        return linkToNothing(path);
    return {Code::FileMoved,
            QStringLiteral("Die Datei \"%1\" wurde inzwischen durch eine andere ersetzt.").arg(info.fileName())};
}

} // namespace platform
