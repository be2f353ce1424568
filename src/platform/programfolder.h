#pragma once

#include <QtCore/QString>

namespace platform {

// Every file the program reads or writes lives in the program's own folder:
// the executable's folder, or a folder a test points it at.
QString programFolder();
void setProgramFolder(const QString &folder);
QString programFile(const QString &fileName);

} // namespace platform
