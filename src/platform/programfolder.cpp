#include "platform/programfolder.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>

namespace platform {

namespace {
QString &overriddenFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString programFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder)
{
    overriddenFolder() = folder;
}

QString programFile(const QString &fileName)
{
    return QDir(programFolder()).filePath(fileName);
}

} // namespace platform
