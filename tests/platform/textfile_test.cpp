#include "platform/textfile.h"
#include "support/testsupport.h"
#include "support/unprivileged.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using platform::FirstLine;
using platform::readFirstLine;
using platform::replaceWithLine;

namespace {

struct FirstLineCase
{
    const char *name;
    QByteArray bytes;
    FirstLine::Status status;
    QString text;
};

class FirstLineTest : public ::testing::TestWithParam<FirstLineCase>
{
protected:
    testing_support::ProgramFolderFixture folder;
};

TEST_P(FirstLineTest, ReadsTheTextBeforeTheFirstLineEnd)
{
    const FirstLineCase &c = GetParam();
    folder.write(QStringLiteral("f.ini"), c.bytes);
    const FirstLine line = readFirstLine(folder.file(QStringLiteral("f.ini")));
    EXPECT_EQ(line.status, c.status);
    EXPECT_EQ(line.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FirstLineTest,
    ::testing::Values(
        FirstLineCase {"CrLf", "geheim\r\nzweite\r\n", FirstLine::Status::Ok, "geheim"},
        FirstLineCase {"LoneCr", "geheim\rzweite", FirstLine::Status::Ok, "geheim"},
        FirstLineCase {"LoneLf", "geheim\nzweite", FirstLine::Status::Ok, "geheim"},
        FirstLineCase {"NoLineEnd", "geheim", FirstLine::Status::Ok, "geheim"},
        FirstLineCase {"EmptyFirstLineThenText", "\r\ngeheim\r\n", FirstLine::Status::Ok, ""},
        FirstLineCase {"SingleBlank", " \r\n", FirstLine::Status::Ok, " "},
        FirstLineCase {"TrailingBlankKept", "geheim \r\n", FirstLine::Status::Ok, "geheim "},
        FirstLineCase {"EmptyFile", "", FirstLine::Status::NoLine, ""},
        FirstLineCase {"Windows1252Umlauts", "Gr\xfc\xdf" "e \x80\x84\r\n", FirstLine::Status::Ok,
                       QStringLiteral(u"Grüße €„")}),
    [](const ::testing::TestParamInfo<FirstLineCase> &row) { return std::string(row.param.name); });

// Replaced through a temporary file that is renamed over the old one; none
// is left behind.
TEST(ReplaceWithLine, WritesTheLineInWindows1252WithCrLfAndQuestionMarksOutsideTheCodePage)
{
    testing_support::ProgramFolderFixture folder;
    const QString path = folder.file(QStringLiteral("start.ini"));
    folder.write(QStringLiteral("start.ini"), "alt\r\nmehr\r\nnoch mehr\r\n");
    ASSERT_TRUE(replaceWithLine(path, QStringLiteral(u"Bär€😀")));
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), QByteArray("B\xe4r\x80??\r\n"));
    ASSERT_TRUE(replaceWithLine(path, QString()));
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), QByteArray("\r\n"));
    EXPECT_EQ(readFirstLine(path).status, FirstLine::Status::Ok);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"start.ini"}));
}

TEST(ReplaceWithLine, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("start.ini"), "alt\r\n");
    // The target's folder is a file, so no temporary file can be made
    // beside it; that fails for root too.
    folder.write(QStringLiteral("blocker"), "x");
    QString error;
    EXPECT_FALSE(replaceWithLine(folder.file(QStringLiteral("blocker/start.ini")), QStringLiteral("neu"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), QByteArray("alt\r\n"));
}

// ---- Folders and files that may not be written ----------------------------------

// Replaces the file as a user whom permissions stop, with the file's size
// limited to fileSizeLimit bytes; "1" or "0" and the reason.
QString replaceAsOrdinaryUser(const QString &path, const QString &line, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    return QString::fromUtf8(testing_support::asUnprivilegedUser([&] {
        rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit cut = old; // the soft limit only, which can be raised again
        cut.rlim_cur = std::min(fileSizeLimit, old.rlim_max);
        setrlimit(RLIMIT_FSIZE, &cut);
        const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
        QString error;
        const bool written = replaceWithLine(path, line, &error);
        signal(SIGXFSZ, oldHandler);
        setrlimit(RLIMIT_FSIZE, &old);
        return (written ? QByteArray("1") : QByteArray("0")) + error.toUtf8();
    }));
}

class UnwritableFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("start.ini"), "ein langes altes Passwort\r\nzweite Zeile\r\n");
        chmod(folder.path(), 0777);
        chmod(path(), 0666);
    }
    void TearDown() override { chmod(folder.path(), 0700); }
    static void chmod(const QString &file, mode_t mode) { ::chmod(QFile::encodeName(file).constData(), mode); }
    QString path() const { return folder.file(QStringLiteral("start.ini")); }
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot); }

    testing_support::ProgramFolderFixture folder;
};

TEST_F(UnwritableFiles, AWritableFileInAReadOnlyFolderIsRewrittenInPlace)
{
    chmod(folder.path(), 0555);
    EXPECT_EQ(replaceAsOrdinaryUser(path(), QStringLiteral("kurz")), QStringLiteral("1"));
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), QByteArray("kurz\r\n"));
    EXPECT_EQ(files(), QStringList({"start.ini"}));
}

TEST_F(UnwritableFiles, AReadOnlyFileInAReadOnlyFolderIsRefusedWithAGermanReason)
{
    chmod(folder.path(), 0555);
    chmod(path(), 0444);
    EXPECT_EQ(replaceAsOrdinaryUser(path(), QStringLiteral("neu")),
              QStringLiteral("0Die Datei \"start.ini\" kann nicht geschrieben werden: keine Berechtigung."));
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), QByteArray("ein langes altes Passwort\r\nzweite Zeile\r\n"));
}

TEST_F(UnwritableFiles, AWriteCutShortKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    EXPECT_EQ(replaceAsOrdinaryUser(path(), QStringLiteral("neu"), /*fileSizeLimit=*/1),
              QStringLiteral("0Die Datei \"start.ini\" kann nicht geschrieben werden: sie darf nicht weiter wachsen."));
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), QByteArray("ein langes altes Passwort\r\nzweite Zeile\r\n"));
    EXPECT_EQ(files(), QStringList({"start.ini"}));
}

TEST_F(UnwritableFiles, TheReplacedFileKeepsItsPermissions)
{
    chmod(path(), 0640);
    ASSERT_TRUE(replaceWithLine(path(), QStringLiteral("neu")));
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(path()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

} // namespace
