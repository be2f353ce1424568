#pragma once

#include <QtCore/QString>

// Who made the program and with whom, as the splash, the about box and their
// links show it. Lines of a label are joined by a carriage return alone.
namespace makers {

inline const QString Name = QStringLiteral("Quirlix-Schule");
inline const QString Web = QStringLiteral("www.quirlix-schule.example");
inline const QString Mail = QStringLiteral("info@quirlix-schule.example");
inline const QString PartnerName = QStringLiteral("Förderverein");
inline const QString PartnerWeb = QStringLiteral("www.foerderverein.example");

// Street, town and the attention line; the about box puts the name first.
QString address();
QString nameAndAddress();

QString description();
QString disclaimer();

} // namespace makers

// "Version 1.1.1": each number in decimal, without leading zeros.
QString versionText();
