#include "platform/textfile.h"
#include "support/testsupport.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

#include <sys/file.h>
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
    const QByteArray uuml("\xc3\xbc");
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
        {"OnlyTheUtf8Mark", bytes(mark), S::NoLine, ""},
        {"Utf8MarkThenCrLf", bytes(mark + "\r\ngeheim\r\n"), S::Ok, ""},
        {"Utf8MarkThen1024BytesOfUtf8", bytes(mark + uuml.repeated(512) + "\r\n"), S::Ok, QString(512, u'ü')},
        {"Utf8MarkThen1025Bytes", bytes(mark + uuml.repeated(512) + "q"), S::Unreadable,
            "ihre erste Zeile ist länger als 1024 Zeichen"},
        // Bytes that are not UTF-8 make it a file of the code page after all.
        {"Utf8MarkThenWindows1252", bytes(mark + "Gr\xfcn\r\n"), S::Ok, QStringLiteral(u"ï»¿Grün")},
        {"Utf8MarkThenASequenceCutByTheLineEnd", bytes(mark + "Gr\xc3\r\n"), S::Ok, QStringLiteral(u"ï»¿GrÃ")},
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

// What a replacement cut short left beside the file (its name and a dot and
// six letters or digits, one line and CR LF) goes, and nothing that may be
// someone else's. A byte-for-byte copy of a one-line file under such a name
// cannot be told from one and goes too.
TEST(ReplaceLeftovers, AreRemovedAndNothingThatMayBeSomeoneElses)
{
    testing_support::ProgramFolderFixture folder;
    const QString ini = folder.file(QStringLiteral("start.ini"));
    const auto bytes = [](const QByteArray &content) { return [content](const QString &f) { write(f, content); }; };
    QFile held; // by a replacement at work in another run of the program
    const struct { const char *name; std::function<void(const QString &)> make; bool kept; } rows[] = {
        {"start.ini", bytes("alt\r\n"), true},
        {"start.ini.Ab3xY9", bytes("neu\r\n"), false},
        {"start.ini.000000", bytes("\r\n"), false},
        {"start.ini.LONGST", bytes(QByteArray(1024, '\xe4') + "\r\n"), false},
        {"start.ini.backup", bytes("alt\r\n"), false},
        {"start.ini.kopie1", bytes("alt\r\nneu\r\n"), true},
        {"start.ini.kopie2", bytes("alt\n"), true},
        {"start.ini.kopie3", bytes("alt"), true},
        {"start.ini.kopie4", bytes("a\tb\r\n"), true},
        {"start.ini.TooLng", bytes(QByteArray(1025, 'a') + "\r\n"), true},
        {"start.ini.leer00", bytes(""), true},
        {"start.ini.abcde", bytes("neu\r\n"), true},
        {"start.ini.abcdefg", bytes("neu\r\n"), true},
        {"start.ini.ab-def", bytes("neu\r\n"), true},
        {"Start.ini.abcdef", bytes("neu\r\n"), true},
        {"start.ini2abcdef", bytes("neu\r\n"), true},
        {"daten.ini.abcdef", bytes("neu\r\n"), true},
        {"ziel", bytes("neu\r\n"), true},
        {"start.ini.Link00", [&](auto &f) { QFile::link(folder.file("ziel"), f); }, true},
        {"start.ini.Zweit0", [&](auto &f) {
            ::link(QFile::encodeName(folder.file("ziel")).constData(), QFile::encodeName(f).constData());
        }, true},
        {"start.ini.Ordner", [](auto &f) { QDir().mkdir(f); }, true},
        {"start.ini.Fifo00", [](auto &f) { mkfifo(QFile::encodeName(f).constData(), 0600); }, true},
        {"start.ini.Held00", [&](auto &f) {
            write(f, "neu\r\n");
            held.setFileName(f);
            ASSERT_TRUE(held.open(QIODevice::ReadOnly) && flock(held.handle(), LOCK_EX) == 0);
        }, true},
    };
    for (const auto &row : rows)
        row.make(folder.file(QString::fromLatin1(row.name)));

    platform::removeReplaceLeftovers(ini);
    for (const auto &row : rows) {
        struct stat info {};
        EXPECT_EQ(lstat(QFile::encodeName(folder.file(QString::fromLatin1(row.name))).constData(), &info) == 0, row.kept)
            << row.name;
    }
    EXPECT_EQ(folder.read("ziel"), "neu\r\n");
}

// Another run of the program that starts while this one replaces the file
// sweeps beside it: the copy being written is not taken for a leftover, so
// no replacement fails for want of it.
TEST(ReplaceLeftovers, ACopyBeingWrittenIsLeftToItsWriter)
{
    testing_support::ProgramFolderFixture folder;
    const QString ini = folder.file(QStringLiteral("start.ini"));
    std::atomic<bool> writing = true;
    int failed = 0;
    std::thread writer([&] {
        for (int i = 0; i < 300; ++i)
            failed += replaceWithLine(ini, QStringLiteral("neu%1").arg(i)) ? 0 : 1;
        writing = false;
    });
    while (writing)
        platform::removeReplaceLeftovers(ini);
    writer.join();
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), "neu299\r\n");
}

} // namespace
