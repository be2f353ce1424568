#include "platform/textfile.h"
#include "support/testsupport.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <functional>

#include <sys/stat.h>

using platform::FirstLine;
using platform::readFirstLine;

namespace {

// Only a name under which nothing exists means "no file"; every other way of
// not getting a plain short first line is Unreadable, with a German reason.
struct FailClosedCase
{
    const char *name;
    std::function<void(const QString &ini)> make;
    FirstLine::Status status;
    const char *textOrReason;
};

class FirstLineFailsClosed : public ::testing::TestWithParam<FailClosedCase>
{
protected:
    testing_support::ProgramFolderFixture folder;
};

TEST_P(FirstLineFailsClosed, OnlyAPlainlyMissingFileIsMissing)
{
    const FailClosedCase &c = GetParam();
    const QString ini = folder.file(QStringLiteral("start.ini"));
    c.make(ini);
    const FirstLine line = readFirstLine(ini);
    EXPECT_EQ(line.status, c.status);
    EXPECT_EQ(c.status == FirstLine::Status::Unreadable ? line.error : line.text, QString::fromUtf8(c.textOrReason));
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kFullLine(1024, 'p');

INSTANTIATE_TEST_SUITE_P(
    Files, FirstLineFailsClosed,
    ::testing::Values(
        FailClosedCase {"NothingOfThatName", [](const QString &) {}, FirstLine::Status::Missing, ""},
        FailClosedCase {"NoProgramFolder", [](const QString &p) { QDir(QFileInfo(p).path()).removeRecursively(); },
                        FirstLine::Status::Missing, ""},
        FailClosedCase {"LinkToAFile",
                        [](const QString &p) {
                            write(p + QStringLiteral(".echt"), "geheim\r\n");
                            QFile::link(p + QStringLiteral(".echt"), p);
                        },
                        FirstLine::Status::Ok, "geheim"},
        FailClosedCase {"LinkToNothing", [](const QString &p) { QFile::link(p + QStringLiteral(".weg"), p); },
                        FirstLine::Status::Unreadable, "ihre Verknüpfung zeigt auf nichts"},
        FailClosedCase {"LinkLoop", [](const QString &p) { QFile::link(p, p); }, FirstLine::Status::Unreadable,
                        "ihre Verknüpfung führt im Kreis"},
        FailClosedCase {"Folder", [](const QString &p) { QDir().mkdir(p); }, FirstLine::Status::Unreadable,
                        "an ihrer Stelle liegt ein Ordner"},
        FailClosedCase {"FifoWithoutWriter", [](const QString &p) { mkfifo(QFile::encodeName(p).constData(), 0600); },
                        FirstLine::Status::Unreadable, "sie ist keine gewöhnliche Datei"},
        FailClosedCase {"LinkToDevZero", [](const QString &p) { QFile::link(QStringLiteral("/dev/zero"), p); },
                        FirstLine::Status::Unreadable, "sie ist keine gewöhnliche Datei"},
        FailClosedCase {"FirstLineOf1024Bytes", [](const QString &p) { write(p, kFullLine + "\r\nzwei"); },
                        FirstLine::Status::Ok, kFullLine.constData()},
        FailClosedCase {"OnlyLineOf1024Bytes", [](const QString &p) { write(p, kFullLine); }, FirstLine::Status::Ok,
                        kFullLine.constData()},
        FailClosedCase {"FirstLineOf1025Bytes", [](const QString &p) { write(p, kFullLine + "q\r\n"); },
                        FirstLine::Status::Unreadable, "ihre erste Zeile ist länger als 1024 Zeichen"},
        FailClosedCase {"LineOfTwoMegabytes", [](const QString &p) { write(p, QByteArray(2 << 20, 'x')); },
                        FirstLine::Status::Unreadable, "ihre erste Zeile ist länger als 1024 Zeichen"}),
    [](const ::testing::TestParamInfo<FailClosedCase> &row) { return std::string(row.param.name); });

TEST(FirstLine, AFileInAFolderThatCannotBeSearchedIsUnreadable)
{
    testing_support::ProgramFolderFixture folder;
    QDir(folder.path()).mkdir(QStringLiteral("privat"));
    const QString ini = folder.file(QStringLiteral("privat/start.ini"));
    write(ini, "geheim\r\n");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
    QFile::setPermissions(folder.file(QStringLiteral("privat")), QFile::ReadOwner | QFile::ReadOther);
    const QByteArray seen = testing_support::asUnprivilegedUser([&] {
        const FirstLine line = readFirstLine(ini);
        return QByteArray::number(static_cast<int>(line.status)) + ' ' + line.error.toUtf8();
    });
    QFile::setPermissions(folder.file(QStringLiteral("privat")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QString::fromUtf8(seen),
              QStringLiteral("%1 keine Berechtigung").arg(static_cast<int>(FirstLine::Status::Unreadable)));
}

} // namespace
