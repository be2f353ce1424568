#include "platform/textfile.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>

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

} // namespace
