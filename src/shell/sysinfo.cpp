#include "shell/sysinfo.h"

#include "platform/registry.h"
#include "platform/textfile.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QLoggingCategory>
#include <QtCore/QProcess>
#include <QtCore/QStandardPaths>

Q_LOGGING_CATEGORY(lcSysInfo, "quirlix.shell.sysinfo")

using platform::Registry;

namespace {

// What the registry lookup reads at most; a longer value counts as missing.
constexpr qsizetype BufferSize = 1024;

bool startProgram(const QString &program)
{
    QProcess process;
    process.setProgram(program);
    if (process.startDetached())
        return true;
    qCWarning(lcSysInfo) << "cannot start" << program << ":" << process.errorString();
    return false;
}

bool startInstalledProgram()
{
    for (const QString &name : systemInformationPrograms()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return startProgram(path);
    }
    qCInfo(lcSysInfo) << "none of" << systemInformationPrograms() << "is installed";
    return false;
}

} // namespace

KeyLookup GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal)
{
    const std::optional<Registry::Value> value = Registry::instance().value(KeyRoot, KeyName, SubKeyRef);
    if (!value || value->bytes.size() > BufferSize) {
        KeyVal.clear();
        return KeyLookup::Missing;
    }
    const QByteArray &data = value->bytes;
    if (data.isEmpty())
        return KeyLookup::Failed;
    const QByteArray kept = data.back() == '\0' ? data.chopped(1) : data;

    switch (value->type) {
    case Registry::REG_SZ:
        KeyVal = platform::fromWindows1252(kept);
        break;
    case Registry::REG_DWORD:
        for (auto byte = kept.crbegin(); byte != kept.crend(); ++byte)
            KeyVal += QString::number(static_cast<uchar>(*byte), 16).toUpper();
        KeyVal.prepend(QStringLiteral("&h"));
        break;
    default:
        break;
    }
    return KeyLookup::Found;
}

bool StartSysInfo()
{
    QString SysInfoPath;
    switch (GetKeyValue(Registry::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                        QStringLiteral("PATH"), SysInfoPath)) {
    case KeyLookup::Found:
        // The full file name, started as it stands, without a test first.
        return startProgram(SysInfoPath);
    case KeyLookup::Failed:
        return false;
    case KeyLookup::Missing:
        break;
    }
    switch (GetKeyValue(Registry::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                        QStringLiteral("MSINFO"), SysInfoPath)) {
    case KeyLookup::Found: {
        // A folder; joined to the file name by this platform's separator.
        const QString program = QDir(SysInfoPath).filePath(QStringLiteral("MSINFO32.EXE"));
        return QFileInfo(program).isFile() && startProgram(program);
    }
    case KeyLookup::Failed:
        return false;
    case KeyLookup::Missing:
        break;
    }
    return startInstalledProgram();
}

QStringList systemInformationPrograms()
{
    return {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
            QStringLiteral("gnome-system-monitor")};
}
