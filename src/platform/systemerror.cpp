#include "platform/systemerror.h"

#include <cerrno>

namespace platform {

Q_LOGGING_CATEGORY(lcFiles, "quirlix.files")

QString systemReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return QStringLiteral("sie ist nicht vorhanden");
    case ENOTDIR:
        return QStringLiteral("ein Ordner auf ihrem Weg ist eine Datei");
    case EISDIR:
        return QStringLiteral("an ihrer Stelle liegt ein Ordner");
    case EACCES:
    case EPERM:
        return QStringLiteral("keine Berechtigung");
    case EROFS:
        return QStringLiteral("der Datenträger ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("der Datenträger ist voll");
    case EFBIG:
        return QStringLiteral("sie darf nicht weiter wachsen");
    case ELOOP:
        return QStringLiteral("ihre Verknüpfung führt im Kreis");
    case EAGAIN:
    case ETXTBSY:
        return QStringLiteral("sie ist von einem anderen Programm gesperrt");
    case ENAMETOOLONG:
        return QStringLiteral("ihr Name ist zu lang");
    case EIO:
        return QStringLiteral("der Datenträger meldet einen Lesefehler");
    case ENOMEM:
        return QStringLiteral("der Arbeitsspeicher reicht nicht aus");
    default:
        return QStringLiteral("Systemfehler %1").arg(errorNumber);
    }
}

} // namespace platform
