#include "shell/makers.h"

namespace makers {

namespace {
constexpr QChar CR = QChar(13);
}

QString address()
{
    return QStringLiteral("Musterstraße 1") + CR + QStringLiteral("12345 Musterstadt") + CR
        + QStringLiteral("z. Hd. Projektleitung");
}

QString nameAndAddress()
{
    return Name + CR + address();
}

QString description()
{
    return QStringLiteral("Ein Mathematiklernprogramm für Grundschulen") + CR + CR
        + QStringLiteral("Aufgaben im Zahlenraum bis 20");
}

QString disclaimer()
{
    return QStringLiteral("Die Autoren haben nach bestem Wissen und Gewissen programmiert, übernehmen aber keine "
                          "Gewähr für eventuelle Fehler. Anregungen und Verbesserungsvorschläge bitte an:");
}

} // namespace makers

QString versionText()
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(QUIRLIX_VERSION_MAJOR)
        .arg(QUIRLIX_VERSION_MINOR)
        .arg(QUIRLIX_VERSION_PATCH);
}
