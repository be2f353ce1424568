#include "platform/textfile.h"
#include "support/testsupport.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>

#include <functional>

#include <sys/stat.h>

using platform::FirstLine;
using platform::readFirstLine;

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Only a name under which nothing exists means "no file"; every other way of
// not getting a plain first line of at most 1024 bytes is Unreadable, with a
// German reason, and nothing blocks or reads without bound.
TEST(FirstLine, FailsClosed)
{
    using S = FirstLine::Status;
    const QByteArray full(1024, 'p');
    const struct
    {
        const char *name;
        std::function<void(const QString &ini)> make;
        S status;
        QString textOrReason;
    } rows[] = {
        {"NothingOfThatName", [](auto &) {}, S::Missing, ""},
        {"NoProgramFolder", [](auto &ini) { QDir(QFileInfo(ini).path()).removeRecursively(); }, S::Missing, ""},
        {"LinkToAFile", [](auto &ini) { write(ini + "2", "geheim\r\n"), QFile::link(ini + "2", ini); }, S::Ok,
            "geheim"},
        {"LinkToNothing", [](auto &ini) { QFile::link(ini + "2", ini); }, S::Unreadable,
            "ihre Verknüpfung zeigt auf nichts"},
        {"LinkLoop", [](auto &ini) { QFile::link(ini, ini); }, S::Unreadable, "ihre Verknüpfung führt im Kreis"},
        {"Folder", [](auto &ini) { QDir().mkdir(ini); }, S::Unreadable, "an ihrer Stelle liegt ein Ordner"},
        {"FifoWithoutWriter", [](auto &ini) { mkfifo(QFile::encodeName(ini).constData(), 0600); }, S::Unreadable,
            "sie ist keine gewöhnliche Datei"},
        {"LinkToDevZero", [](auto &ini) { QFile::link("/dev/zero", ini); }, S::Unreadable,
            "sie ist keine gewöhnliche Datei"},
        {"FirstLineOf1024Bytes", [&](auto &ini) { write(ini, full + "\r\nzwei"); }, S::Ok, full},
        {"OnlyLineOf1024Bytes", [&](auto &ini) { write(ini, full); }, S::Ok, full},
        {"FirstLineOf1025Bytes", [&](auto &ini) { write(ini, full + "q\r\n"); }, S::Unreadable,
            "ihre erste Zeile ist länger als 1024 Zeichen"},
        {"LineOfTwoMegabytes", [](auto &ini) { write(ini, QByteArray(2 << 20, 'x')); }, S::Unreadable,
            "ihre erste Zeile ist länger als 1024 Zeichen"},
    };
    for (const auto &row : rows) {
        testing_support::ProgramFolderFixture folder;
        const QString ini = folder.file(QStringLiteral("start.ini"));
        row.make(ini);
        const FirstLine line = readFirstLine(ini);
        EXPECT_EQ(line.status, row.status) << row.name;
        EXPECT_EQ(row.status == S::Unreadable ? line.error : line.text, row.textOrReason) << row.name;
    }
}

TEST(FirstLine, AFileInAFolderThatCannotBeSearchedIsUnreadable)
{
    testing_support::ProgramFolderFixture folder;
    QDir(folder.path()).mkdir(QStringLiteral("privat"));
    write(folder.file(QStringLiteral("privat/start.ini")), "geheim\r\n");
    chmod(QFile::encodeName(folder.path()).constData(), 0711);
    chmod(QFile::encodeName(folder.file(QStringLiteral("privat"))).constData(), 0744);
    const QByteArray seen = testing_support::asUnprivilegedUser([&] {
        const FirstLine line = readFirstLine(folder.file(QStringLiteral("privat/start.ini")));
        return (line.status == FirstLine::Status::Unreadable ? "unreadable: " : "other: ") + line.error.toUtf8();
    });
    EXPECT_EQ(QString::fromUtf8(seen), QStringLiteral("unreadable: keine Berechtigung"));
}

} // namespace
