#include "platform/registry.h"
#include "shell/sysinfo.h"

#include <gtest/gtest.h>

#include <QtCore/QDeadlineTimer>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
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

struct ValueRow
{
    const char *name;
    quint32 type;
    QByteArray bytes; // null: no such value
    QString before;
    KeyLookup lookup;
    QString after;
};

class KeyValue : public ::testing::TestWithParam<ValueRow>
{
};

TEST_P(KeyValue, ReadsTextAndThirtyTwoBitValuesAsTheRoutineDoes)
{
    const ValueRow &row = GetParam();
    MemoryRegistry registry;
    if (!row.bytes.isNull())
        registry.values[{InfoKey, QStringLiteral("PATH")}] = {row.type, row.bytes};
    registry.values[{InfoKey, QStringLiteral("Version")}] = {Registry::REG_SZ, "1"};
    QString value = row.before;
    EXPECT_EQ(GetKeyValue(Registry::HKEY_LOCAL_MACHINE, InfoKey, QStringLiteral("PATH"), value), row.lookup);
    EXPECT_EQ(value, row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, KeyValue,
    ::testing::Values(
        ValueRow {"TextWithItsZero", Registry::REG_SZ, QByteArray("Hallo\0", 6), "", KeyLookup::Found, "Hallo"},
        ValueRow {"TextWithoutZero", Registry::REG_SZ, "Hallo", "", KeyLookup::Found, "Hallo"},
        ValueRow {"EmptyText", Registry::REG_SZ, QByteArray(1, '\0'), "alt", KeyLookup::Found, ""},
        ValueRow {"TextInTheCodePage", Registry::REG_SZ, "Gr\xfc\xdf" "e\x80", "", KeyLookup::Found, "Grüße€"},
        ValueRow {"SizeZeroFails", Registry::REG_SZ, QByteArray(""), "alt", KeyLookup::Failed, "alt"},
        ValueRow {"FullBuffer", Registry::REG_SZ, QByteArray(1024, 'x'), "", KeyLookup::Found, QString(1024, u'x')},
        ValueRow {"LongerThanTheBuffer", Registry::REG_SZ, QByteArray(1025, 'x'), "alt", KeyLookup::Missing, ""},
        ValueRow {"KeyWithoutTheValue", Registry::REG_SZ, QByteArray(), "alt", KeyLookup::Missing, ""},
        // &H10203: the most significant zero byte goes, a byte below 16 gives one digit.
        ValueRow {"DwordOfThePart", Registry::REG_DWORD, QByteArray("\x03\x02\x01\x00", 4), "", KeyLookup::Found,
                  "&h123"},
        ValueRow {"DwordAllBytes", Registry::REG_DWORD, "\x78\x56\xab\xf2", "", KeyLookup::Found, "&hF2AB5678"},
        ValueRow {"OtherTypeKeepsTheText", 3, "\x01\x02", "alt", KeyLookup::Found, "alt"}),
    [](const ::testing::TestParamInfo<ValueRow> &row) { return std::string(row.param.name); });

// Fake programs write their own name into a file when they run; PATH holds
// only the folder pathDir.
class Launch : public ::testing::Test
{
protected:
    Launch() { qputenv("PATH", QFile::encodeName(pathDir.path())); }
    ~Launch() override { qputenv("PATH", m_path); }

    QString fake(const QDir &dir, const QString &name, const QByteArray &shebang = "#!/bin/sh") const
    {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(shebang + "\necho \"$0\" > '" + QFile::encodeName(work.filePath("started")) + "'\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return file.fileName();
    }
    void setKey(const QString &key, const QString &name, const QByteArray &bytes)
    {
        registry.values[{key, name}] = {Registry::REG_SZ, bytes};
    }
    // The program that ran, or "" when none has within waitMs.
    QString started(int waitMs = 3000) const
    {
        for (QDeadlineTimer deadline(waitMs); !deadline.hasExpired(); QThread::msleep(5)) {
            QFile file(work.filePath("started"));
            if (file.open(QIODevice::ReadOnly) && file.size() > 0)
                return QString::fromLocal8Bit(file.readAll()).trimmed();
        }
        return {};
    }

    MemoryRegistry registry;
    QTemporaryDir pathTemp, workTemp;
    QDir pathDir {pathTemp.path()}, work {workTemp.path()};
    QByteArray m_path = qgetenv("PATH");
    const QStringList programs = systemInformationPrograms();
};

TEST_F(Launch, TheFirstKeysTextIsStartedAsItStandsAndIfItFailsNothingElseIsTried)
{
    fake(pathDir, programs.first());
    setKey(LocationKey, QStringLiteral("MSINFO"), QFile::encodeName(work.path()));
    fake(work, QStringLiteral("MSINFO32.EXE"));
    for (const QByteArray &unusable : {QByteArray("/nirgends/msinfo32.exe"), QByteArray("")}) {
        setKey(InfoKey, QStringLiteral("PATH"), unusable);
        EXPECT_FALSE(StartSysInfo());
    }
    EXPECT_EQ(started(300), QString());
    const QString program = fake(work, QStringLiteral("System Info"));
    setKey(InfoKey, QStringLiteral("PATH"), QFile::encodeName(program) + '\0');
    EXPECT_TRUE(StartSysInfo());
    EXPECT_EQ(started(), program);
}

TEST_F(Launch, TheSecondKeyNamesAFolderThatMustHoldTheProgram)
{
    setKey(LocationKey, QStringLiteral("MSINFO"), QFile::encodeName(work.path()));
    fake(pathDir, programs.first());
    EXPECT_FALSE(StartSysInfo());
    EXPECT_EQ(started(300), QString());
    const QString program = fake(work, QStringLiteral("MSINFO32.EXE"));
    EXPECT_TRUE(StartSysInfo());
    EXPECT_EQ(started(), program);
}

TEST_F(Launch, WithoutKeysTheFirstInstalledProgramOfTheListIsStartedIfItCan)
{
    EXPECT_FALSE(StartSysInfo()) << "nothing installed";
    fake(pathDir, programs[2]);
    const QString second = fake(pathDir, programs[1]);
    EXPECT_TRUE(StartSysInfo());
    EXPECT_EQ(started(), second);
    QFile::remove(work.filePath("started"));
    fake(pathDir, programs[0], "#!/nirgends/sh");
    EXPECT_FALSE(StartSysInfo());
    EXPECT_EQ(started(300), QString());
}

} // namespace
