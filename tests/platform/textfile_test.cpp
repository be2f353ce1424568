#include "platform/textfile.h"
#include "support/testsupport.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>

#include <csignal>
#include <functional>
#include <future>

#include <sys/resource.h>
#include <sys/stat.h>

using platform::FirstLine;
using platform::readFirstLine;
using platform::replaceWithLine;

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void chmod(const QString &path, mode_t mode)
{
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// The text before the first line end, in Windows-1252, or in UTF-8 after its
// mark, which the limit does not count. Only a name under which nothing exists
// means "no file"; every other way of not getting a plain first line of at
// most 1024 bytes is Unreadable, with a German reason, and nothing blocks or
// reads without bound.
TEST(FirstLine, IsTheTextBeforeTheFirstLineEndAndFailsClosed)
{
    using S = FirstLine::Status;
    const QByteArray full(1024, 'p');
    const QByteArray mark("\xef\xbb\xbf");
    const auto bytes = [](const QByteArray &content) { return [content](const QString &ini) { write(ini, content); }; };
    const struct { const char *name; std::function<void(const QString &)> make; S status; QString textOrReason; } rows[] = {
        {"CrLf", bytes("geheim\r\nzweite\r\n"), S::Ok, "geheim"},
        {"LoneCr", bytes("geheim\rzweite"), S::Ok, "geheim"},
        {"LoneLf", bytes("geheim\nzweite"), S::Ok, "geheim"},
        {"NoLineEnd", bytes("geheim"), S::Ok, "geheim"},
        {"EmptyFirstLineThenText", bytes("\r\ngeheim\r\n"), S::Ok, ""},
        {"TrailingBlankKept", bytes("geheim \r\n"), S::Ok, "geheim "},
        {"EmptyFile", bytes(""), S::NoLine, ""},
        {"Windows1252", bytes("Gr\xfc\xdf" "e \x80\x84\r\n"), S::Ok, QStringLiteral(u"Grüße €„")},
        {"NothingOfThatName", [](auto &) {}, S::Missing, ""},
        {"NoProgramFolder", [](auto &ini) { QDir(QFileInfo(ini).path()).removeRecursively(); }, S::Missing, ""},
        {"LinkToAFile", [](auto &ini) { write(ini + "2", "geheim\r\n"), QFile::link(ini + "2", ini); }, S::Ok, "geheim"},
        {"LinkToNothing", [](auto &ini) { QFile::link(ini + "2", ini); }, S::Unreadable,
            "ihre Verknüpfung zeigt auf nichts"},
        {"LinkLoop", [](auto &ini) { QFile::link(ini, ini); }, S::Unreadable, "ihre Verknüpfung führt im Kreis"},
        {"Folder", [](auto &ini) { QDir().mkdir(ini); }, S::Unreadable, "an ihrer Stelle liegt ein Ordner"},
        {"FifoWithoutWriter", [](auto &ini) { mkfifo(QFile::encodeName(ini).constData(), 0600); }, S::Unreadable,
            "sie ist keine gewöhnliche Datei"},
        {"LinkToDevZero", [](auto &ini) { QFile::link("/dev/zero", ini); }, S::Unreadable,
            "sie ist keine gewöhnliche Datei"},
        {"FirstLineOf1024Bytes", bytes(full + "\r\nzwei"), S::Ok, full},
        {"OnlyLineOf1024Bytes", bytes(full), S::Ok, full},
        {"FirstLineOf1025Bytes", bytes(full + "q\r\n"), S::Unreadable, "ihre erste Zeile ist länger als 1024 Zeichen"},
        {"LineOfTwoMegabytes", bytes(QByteArray(2 << 20, 'x')), S::Unreadable,
            "ihre erste Zeile ist länger als 1024 Zeichen"},
        {"Utf8MarkThen1024BytesOfUtf8", bytes(mark + QByteArray("\xc3\xbc").repeated(512) + "\r\n"), S::Ok,
            QString(512, u'ü')},
        // Bytes that are not UTF-8 make it a file of the code page after all.
        {"Utf8MarkThenWindows1252", bytes(mark + "Gr\xfcn\r\n"), S::Ok, QStringLiteral(u"ï»¿Grün")},
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
    chmod(folder.path(), 0711);
    chmod(folder.file(QStringLiteral("privat")), 0744);
    const QByteArray seen = testing_support::asUnprivilegedUser([&] {
        const FirstLine line = readFirstLine(folder.file(QStringLiteral("privat/start.ini")));
        return (line.status == FirstLine::Status::Unreadable ? "unreadable: " : "other: ") + line.error.toUtf8();
    });
    EXPECT_EQ(QString::fromUtf8(seen), QStringLiteral("unreadable: keine Berechtigung"));
}

// Replaced through a temporary file that is renamed over the old one, in
// Windows-1252 with CR LF and "?" outside the code page. As a user whom
// permissions stop (they stop no one running as root), with the file's size
// limited: "1", or "0" and the reason; the old file stays whole, keeps its
// permissions, and no temporary file is left.
TEST(ReplaceWithLine, WritesOneLineOrKeepsTheOldFileAndSaysWhy)
{
    const QByteArray old("ein langes altes Passwort\r\nzweite Zeile\r\n");
    const QString refused = QStringLiteral("0Die Datei \"start.ini\" kann nicht geschrieben werden: ");
    const struct { const char *name; mode_t folderMode, fileMode; rlim_t sizeLimit; QString line, result;
                   QByteArray after; } rows[] = {
        {"OutsideTheCodePage", 0777, 0640, RLIM_INFINITY, QStringLiteral(u"Bär€😀"), "1", "B\xe4r\x80??\r\n"},
        {"EmptyLine", 0777, 0640, RLIM_INFINITY, "", "1", "\r\n"},
        {"WritableFileInAReadOnlyFolderIsRewrittenInPlace", 0555, 0666, RLIM_INFINITY, "kurz", "1", "kurz\r\n"},
        {"ReadOnlyFileInAReadOnlyFolder", 0555, 0444, RLIM_INFINITY, "kurz", refused + "keine Berechtigung.", old},
        {"WriteCutShort", 0777, 0666, 1, "kurz", refused + "sie darf nicht weiter wachsen.", old},
    };
    for (const auto &row : rows) {
        testing_support::ProgramFolderFixture folder;
        const QString path = folder.file(QStringLiteral("start.ini"));
        folder.write(QStringLiteral("start.ini"), old);
        chmod(path, row.fileMode);
        chmod(folder.path(), row.folderMode);
        const QByteArray result = testing_support::asUnprivilegedUser([&] {
            rlimit limit {};
            getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit unlimited = limit;
            limit.rlim_cur = std::min(row.sizeLimit, limit.rlim_max); // the soft limit, which can be raised again
            setrlimit(RLIMIT_FSIZE, &limit);
            const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
            QString error;
            const bool written = replaceWithLine(path, row.line, &error);
            signal(SIGXFSZ, oldHandler);
            setrlimit(RLIMIT_FSIZE, &unlimited);
            return (written ? QByteArray("1") : QByteArray("0")) + error.toUtf8();
        });
        chmod(folder.path(), 0700);
        EXPECT_EQ(QString::fromUtf8(result), row.result) << row.name;
        EXPECT_EQ(folder.read(QStringLiteral("start.ini")), row.after) << row.name;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"start.ini"})) << row.name;
        struct stat info {};
        EXPECT_TRUE(stat(QFile::encodeName(path).constData(), &info) == 0 && (info.st_mode & 0777) == row.fileMode)
            << row.name;
    }
}

// What a replacement cut short left beside the file (its name, a dot and six
// letters or digits; one line and CR LF) goes, and nothing that may be
// someone else's: another name, other content, a file with a second name.
TEST(ReplaceLeftovers, AreRemovedAndNothingThatMayBeSomeoneElses)
{
    testing_support::ProgramFolderFixture folder;
    const struct { const char *name; QByteArray content; bool kept; } rows[] = {
        {"start.ini", "alt\r\n", true},
        {"start.ini.Ab3xY9", "neu\r\n", false},
        {"start.ini.LONGST", QByteArray(1024, '\xe4') + "\r\n", false},
        {"start.ini.TooLng", QByteArray(1025, 'a') + "\r\n", true},
        {"start.ini.kopie1", "alt\r\nneu\r\n", true},
        {"start.ini.kopie2", "alt\n", true},
        {"start.ini.abcdefg", "neu\r\n", true},
    };
    for (const auto &row : rows)
        folder.write(row.name, row.content);
    const QString ini = folder.file("start.ini");
    ASSERT_EQ(::link(QFile::encodeName(ini).constData(), QFile::encodeName(ini + ".Zweit0").constData()), 0);

    platform::removeReplaceLeftovers(ini);
    for (const auto &row : rows)
        EXPECT_EQ(QFile::exists(folder.file(row.name)), row.kept) << row.name;
    EXPECT_TRUE(QFile::exists(ini + ".Zweit0"));
}

// Another run of the program that starts while this one replaces the file
// sweeps beside it: the copy being written is not taken for a leftover.
TEST(ReplaceLeftovers, ACopyBeingWrittenIsLeftToItsWriter)
{
    testing_support::ProgramFolderFixture folder;
    const QString ini = folder.file(QStringLiteral("start.ini"));
    auto writer = std::async(std::launch::async, [&] {
        int failures = 0;
        for (int i = 0; i < 300; ++i)
            failures += replaceWithLine(ini, QStringLiteral("neu")) ? 0 : 1;
        return failures;
    });
    while (writer.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        platform::removeReplaceLeftovers(ini);
    EXPECT_EQ(writer.get(), 0);
}

} // namespace
