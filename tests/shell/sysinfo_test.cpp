#include "platform/registry.h"
#include "shell/sysinfo.h"
#include "support/testsupport.h"

#include <QtCore/QDeadlineTimer>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QThread>

#include <map>

using platform::Registry;

namespace {

const QString InfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString LocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

// A registry in memory under HKEY_LOCAL_MACHINE, installed while it lives.
struct MemoryRegistry : Registry
{
    MemoryRegistry() { install(this); }
    ~MemoryRegistry() override { install(nullptr); }
    std::optional<Value> value(quint32 root, const QString &key, const QString &name) const override
    {
        const auto it = values.find({key, name});
        return root == HKEY_LOCAL_MACHINE && it != values.end() ? std::optional(it->second) : std::nullopt;
    }
    std::map<std::pair<QString, QString>, Value> values;
};

} // namespace

TEST(SysInfo, GetKeyValueReadsTextAndThirtyTwoBitValuesAsTheRoutineDoes)
{
    // The type and bytes of the value (null: no such value), KeyVal before, the lookup, KeyVal after.
    const std::tuple<const char *, quint32, QByteArray, QString, KeyLookup, QString> rows[] = {
        {"text with its zero", Registry::REG_SZ, QByteArray("Hallo\0", 6), "", KeyLookup::Found, "Hallo"},
        {"text without its zero", Registry::REG_SZ, "Hallo", "", KeyLookup::Found, "Hallo"},
        {"empty text", Registry::REG_SZ, QByteArray(1, '\0'), "alt", KeyLookup::Found, ""},
        {"text in the code page", Registry::REG_SZ, "Gr\xfc\xdf" "e\x80", "", KeyLookup::Found, "Grüße€"},
        {"size 0 fails", Registry::REG_SZ, QByteArray(""), "alt", KeyLookup::Failed, "alt"},
        {"full buffer", Registry::REG_SZ, QByteArray(1024, 'x'), "", KeyLookup::Found, QString(1024, u'x')},
        {"longer than the buffer", Registry::REG_SZ, QByteArray(1025, 'x'), "alt", KeyLookup::Missing, ""},
        {"key without the value", Registry::REG_SZ, QByteArray(), "alt", KeyLookup::Missing, ""},
        // &H10203: the most significant zero byte goes, a byte below 16 gives one digit.
        {"32 bits of the example", Registry::REG_DWORD, QByteArray("\x03\x02\x01\0", 4), "", KeyLookup::Found, "&h123"},
        {"32 bits, all bytes", Registry::REG_DWORD, "\x78\x56\xab\xf2", "", KeyLookup::Found, "&hF2AB5678"},
        {"another type keeps the text", 3, "\x01\x02", "alt", KeyLookup::Found, "alt"},
    };
    for (const auto &[name, type, bytes, before, lookup, after] : rows) {
        SCOPED_TRACE(name);
        MemoryRegistry registry;
        if (!bytes.isNull())
            registry.values[{InfoKey, QStringLiteral("PATH")}] = {type, bytes};
        QString value = before;
        EXPECT_EQ(GetKeyValue(Registry::HKEY_LOCAL_MACHINE, InfoKey, QStringLiteral("PATH"), value), lookup);
        EXPECT_EQ(value, after);
    }
}

// Fake programs write their own name into a file when they run; PATH holds
// only a folder of ours. The first key names the program, started as it
// stands; the second a folder that must hold it; without either the first
// installed program of the list is started. A key that is there but fails
// ends the search.
TEST(SysInfo, StartSysInfoStartsWhatTheKeysNameElseTheFirstInstalledProgram)
{
    MemoryRegistry registry;
    const QTemporaryDir pathTemp, workTemp;
    const QDir path(pathTemp.path()), work(workTemp.path());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(path.path()));
    const auto fake = [&](const QDir &dir, const QString &name, const QByteArray &shell = "/bin/sh") {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write("#!" + shell + "\necho \"$0\" > '" + QFile::encodeName(work.filePath("started")) + "'\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return file.fileName();
    };
    // The program StartSysInfo started (it ran within three seconds), or "none" when it says it could not.
    const auto run = [&] {
        if (!StartSysInfo())
            return QStringLiteral("none");
        QFile file(work.filePath("started"));
        for (QDeadlineTimer deadline(3000); !deadline.hasExpired() && file.size() == 0;)
            QThread::msleep(5);
        const QString program = file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).trimmed() : "";
        file.remove();
        return program;
    };
    EXPECT_EQ(run(), "none") << "nothing installed";
    fake(path, systemInformationPrograms()[2]);
    const QString second = fake(path, systemInformationPrograms()[1]);
    EXPECT_EQ(run(), second);
    fake(path, systemInformationPrograms()[0], "/nirgends/sh");
    EXPECT_EQ(run(), "none") << "the first installed program fails to start";
    registry.values[{LocationKey, QStringLiteral("MSINFO")}] = {Registry::REG_SZ, QFile::encodeName(work.path())};
    EXPECT_EQ(run(), "none") << "the second key's folder without the program";
    const QString inFolder = fake(work, QStringLiteral("MSINFO32.EXE"));
    EXPECT_EQ(run(), inFolder);
    for (const QByteArray &unusable : {QByteArray("/nirgends/msinfo32.exe"), QByteArray("")}) {
        registry.values[{InfoKey, QStringLiteral("PATH")}] = {Registry::REG_SZ, unusable};
        EXPECT_EQ(run(), "none") << "a key that is there but fails ends the search";
    }
    const QString named = fake(work, QStringLiteral("System Info"));
    registry.values[{InfoKey, QStringLiteral("PATH")}] = {Registry::REG_SZ, QFile::encodeName(named) + '\0'};
    EXPECT_EQ(run(), named) << "a program the first key names, started as it stands";
    qputenv("PATH", oldPath);
}
