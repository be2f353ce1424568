#pragma once

#include <QtGui/QFont>

namespace platform {

// A font by the family names the windows were designed with, mapped to an
// installed family with the same metrics (Liberation for Arial and Times New
// Roman, Comic Neue for Comic Sans MS, Liberation Sans for MS Sans Serif).
QFont vbFont(const QString &family, double points, bool bold = false);
QString installedFamily(const QString &designFamily);

} // namespace platform
