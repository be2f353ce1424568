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

// A registry in memory, installed while it lives.
class MemoryRegistry : public Registry
{
public:
    MemoryRegistry() { install(this); }
    ~MemoryRegistry() override { install(nullptr); }

    void set(const QString &key, const QString &name, quint32 type, const QByteArray &bytes)
    {
        m_values[{key, name}] = Value {type, bytes};
    }
    std::optional<Value> value(quint32 root, const QString &key, const QString &name) const override
    {
        const auto it = m_values.find({key, name});
        if (root != HKEY_LOCAL_MACHINE || it == m_values.end())
            return std::nullopt;
        return it->second;
    }

private:
    std::map<std::pair<QString, QString>, Value> m_values;
};

struct ValueRow
{
    const char *name;
    quint32 type;
    QByteArray bytes;
    QString before;
    KeyLookup lookup;
    QString after;
};

class KeyValue : public ::testing::TestWithParam<ValueRow>
{
protected:
    MemoryRegistry registry;
};

TEST_P(KeyValue, ReadsTextAndThirtyTwoBitValuesAsTheRoutineDoes)
{
    const ValueRow &row = GetParam();
    registry.set(InfoKey, QStringLiteral("PATH"), row.type, row.bytes);
    QString value = row.before;
    EXPECT_EQ(GetKeyValue(Registry::HKEY_LOCAL_MACHINE, InfoKey, QStringLiteral("PATH"), value), row.lookup);
    EXPECT_EQ(value, row.after);
}

const QByteArray Hallo("Hallo");
const QByteArray HalloZero("Hallo\0", 6);

INSTANTIATE_TEST_SUITE_P(
    Registry, KeyValue,
    ::testing::Values(
        ValueRow {"TextWithItsZero", Registry::REG_SZ, HalloZero, "", KeyLookup::Found, "Hallo"},
        ValueRow {"TextWithoutZero", Registry::REG_SZ, Hallo, "", KeyLookup::Found, "Hallo"},
        ValueRow {"OnlyOneZeroDropped", Registry::REG_SZ, QByteArray("ab\0\0", 4), "", KeyLookup::Found,
                  QString::fromLatin1("ab\0", 3)},
        ValueRow {"EmptyText", Registry::REG_SZ, QByteArray(1, '\0'), "alt", KeyLookup::Found, ""},
        ValueRow {"TextInTheCodePage", Registry::REG_SZ, "Gr\xfc\xdf" "e\x80", "", KeyLookup::Found, "Grüße€"},
        ValueRow {"SizeZeroFails", Registry::REG_SZ, QByteArray(), "alt", KeyLookup::Failed, "alt"},
        ValueRow {"FullBuffer", Registry::REG_SZ, QByteArray(1024, 'x'), "", KeyLookup::Found, QString(1024, u'x')},
        ValueRow {"LongerThanTheBuffer", Registry::REG_SZ, QByteArray(1025, 'x'), "alt", KeyLookup::Missing, ""},
        // &H10203: the most significant zero byte goes, a byte below 16 gives one digit.
        ValueRow {"DwordOfThePart", Registry::REG_DWORD, QByteArray("\x03\x02\x01\x00", 4), "", KeyLookup::Found,
                  "&h123"},
        ValueRow {"DwordAllBytes", Registry::REG_DWORD, QByteArray("\x78\x56\xab\xf2", 4), "", KeyLookup::Found,
                  "&hF2AB5678"},
        ValueRow {"DwordAfterTheText", Registry::REG_DWORD, QByteArray("\x0c\x1b", 2), "x", KeyLookup::Found,
                  "&hx1BC"},
        ValueRow {"OtherTypeKeepsTheText", 3, QByteArray("\x01\x02", 2), "alt", KeyLookup::Found, "alt"}),
    [](const ::testing::TestParamInfo<ValueRow> &row) { return std::string(row.param.name); });

TEST(KeyValueMissing, AMissingKeyOrValueGivesAnEmptyText)
{
    MemoryRegistry registry;
    registry.set(InfoKey, QStringLiteral("Version"), Registry::REG_SZ, Hallo);
    QString value = QStringLiteral("alt");
    EXPECT_EQ(GetKeyValue(Registry::HKEY_LOCAL_MACHINE, InfoKey, QStringLiteral("PATH"), value), KeyLookup::Missing);
    EXPECT_EQ(value, QString());
    value = QStringLiteral("alt");
    EXPECT_EQ(GetKeyValue(Registry::HKEY_LOCAL_MACHINE, LocationKey, QStringLiteral("MSINFO"), value),
              KeyLookup::Missing);
    EXPECT_EQ(value, QString());
    EXPECT_EQ(GetKeyValue(0x80000001, InfoKey, QStringLiteral("Version"), value), KeyLookup::Missing);
}

TEST(KeyValueMissing, ThisPlatformsRegistryHoldsNoKeys)
{
    QString value = QStringLiteral("alt");
    EXPECT_EQ(GetKeyValue(Registry::HKEY_LOCAL_MACHINE, InfoKey, QStringLiteral("PATH"), value), KeyLookup::Missing);
    EXPECT_EQ(value, QString());
}

// The launch with fake programs that write their own name into a file when
// they run; PATH holds only the folder given.
class Launch : public ::testing::Test
{
protected:
    Launch() { qputenv("PATH", QFile::encodeName(pathDir.path())); }
    ~Launch() override { qputenv("PATH", m_path); }

    QString program(const QString &path, const QByteArray &shebang = "#!/bin/sh") const
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(shebang + "\necho \"$0\" > '" + QFile::encodeName(marker()) + "'\n");
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        return path;
    }
    QString onPath(const QString &name) const { return program(QDir(pathDir.path()).filePath(name)); }
    QString marker() const { return QDir(work.path()).filePath(QStringLiteral("started")); }
    // The program that ran, waiting a while for it.
    QString started() const
    {
        QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            QFile file(marker());
            if (file.open(QIODevice::ReadOnly) && file.size() > 0)
                return QString::fromLocal8Bit(file.readAll()).trimmed();
            QThread::msleep(5);
        }
        return {};
    }
    bool nothingStarted() const
    {
        QThread::msleep(300);
        return !QFile::exists(marker());
    }

    MemoryRegistry registry;
    QTemporaryDir pathDir;
    QTemporaryDir work;
    QByteArray m_path = qgetenv("PATH");
};

TEST_F(Launch, TheFirstKeysTextIsStartedAsItStands)
{
    const QString fake = program(QDir(work.path()).filePath(QStringLiteral("System Info")));
    registry.set(InfoKey, QStringLiteral("PATH"), Registry::REG_SZ, QFile::encodeName(fake) + '\0');
    onPath(systemInformationPrograms().first());
    EXPECT_TRUE(StartSysInfo());
    EXPECT_EQ(started(), fake);
}

TEST_F(Launch, AFirstKeyNamingNoProgramFailsWithoutTryingFurther)
{
    registry.set(InfoKey, QStringLiteral("PATH"), Registry::REG_SZ, "/nirgends/msinfo32.exe");
    onPath(systemInformationPrograms().first());
    EXPECT_FALSE(StartSysInfo());
    EXPECT_TRUE(nothingStarted());
}

TEST_F(Launch, AnUnreadableFirstKeyFailsBeforeTheSecond)
{
    registry.set(InfoKey, QStringLiteral("PATH"), Registry::REG_SZ, QByteArray());
    program(QDir(work.path()).filePath(QStringLiteral("MSINFO32.EXE")));
    registry.set(LocationKey, QStringLiteral("MSINFO"), Registry::REG_SZ, QFile::encodeName(work.path()));
    EXPECT_FALSE(StartSysInfo());
    EXPECT_TRUE(nothingStarted());
}

TEST_F(Launch, TheSecondKeyNamesAFolderThatMustHoldTheProgram)
{
    registry.set(LocationKey, QStringLiteral("MSINFO"), Registry::REG_SZ, QFile::encodeName(work.path()));
    onPath(systemInformationPrograms().first());
    EXPECT_FALSE(StartSysInfo()) << "no MSINFO32.EXE in the folder";
    EXPECT_TRUE(nothingStarted());

    const QString fake = program(QDir(work.path()).filePath(QStringLiteral("MSINFO32.EXE")));
    EXPECT_TRUE(StartSysInfo());
    EXPECT_EQ(started(), fake);
}

TEST_F(Launch, WithoutKeysTheFirstInstalledProgramOfTheListIsStarted)
{
    const QStringList programs = systemInformationPrograms();
    ASSERT_GE(programs.size(), 3);
    onPath(programs[2]);
    const QString second = onPath(programs[1]);
    EXPECT_TRUE(StartSysInfo());
    EXPECT_EQ(started(), second);
}

TEST_F(Launch, WithNothingInstalledOrAProgramThatCannotStartNothingIsStarted)
{
    EXPECT_FALSE(StartSysInfo());
    program(QDir(pathDir.path()).filePath(systemInformationPrograms().first()), "#!/nirgends/sh");
    EXPECT_FALSE(StartSysInfo());
    EXPECT_TRUE(nothingStarted());
}

} // namespace
