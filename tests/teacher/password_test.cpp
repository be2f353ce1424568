#include "platform/textfile.h"
#include "support/testsupport.h"
#include "teacher/password.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>

namespace {

using Login = LoginCheck::Result;
using Change = PasswordChange::Result;

struct LoginCase
{
    const char *name;
    QByteArray startIni; // null: no file at all
    QString typed;
    Login result;
};

class PasswordCheck : public ::testing::TestWithParam<LoginCase>
{
protected:
    testing_support::ProgramFolderFixture folder;
};

TEST_P(PasswordCheck, ComparesTheTypedTextWithTheFirstLineExactly)
{
    const LoginCase &c = GetParam();
    if (!c.startIni.isNull())
        folder.write(QStringLiteral("start.ini"), c.startIni);
    const LoginCheck check = checkPassword(c.typed);
    EXPECT_EQ(check.result, c.result);
    if (c.result == Login::Wrong) {
        EXPECT_EQ(check.message, QStringLiteral("Eingabe nicht korrekt!!!"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    StartIni, PasswordCheck,
    ::testing::Values(LoginCase {"Right", "geheim\r\n", "geheim", Login::Right},
                      LoginCase {"TrailingBlankBelongsToThePassword", "geheim \r\n", "geheim", Login::Wrong},
                      LoginCase {"TrailingBlankTyped", "geheim \r\n", "geheim ", Login::Right},
                      LoginCase {"OtherCaseIsWrong", "Geheim\r\n", "geheim", Login::Wrong},
                      LoginCase {"NothingTypedAgainstAPassword", "geheim\r\n", "", Login::Wrong},
                      LoginCase {"OnlyTheFirstLineCounts", "eins\r\nzwei\r\n", "zwei", Login::Wrong},
                      LoginCase {"LoneCrEndsTheLine", "eins\rzwei", "eins", Login::Right},
                      LoginCase {"LfEndsTheLine", "eins\nzwei", "eins", Login::Right},
                      LoginCase {"NoLineEndAtAll", "eins", "eins", Login::Right},
                      LoginCase {"CodePageCharacters", "B\xe4r\x80\r\n", QStringLiteral(u"Bär€"), Login::Right},
                      LoginCase {"EmptyFirstLineThenTextMeansNone", "\r\ngeheim\r\n", "", Login::Right},
                      LoginCase {"EmptyFileMeansNone", "", "", Login::Right},
                      LoginCase {"NoFileComparesWithTheEmptyPassword", QByteArray(), "", Login::Right},
                      LoginCase {"NoFileAndSomethingTyped", QByteArray(), "x", Login::Wrong}),
    [](const ::testing::TestParamInfo<LoginCase> &row) { return std::string(row.param.name); });

TEST(PasswordFile, IsReadAnewAtEveryCheck)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("start.ini"), "alt\r\n");
    EXPECT_EQ(checkPassword(QStringLiteral("alt")).result, Login::Right);
    // Edited by hand between two presses of OK.
    folder.write(QStringLiteral("start.ini"), "neu\r\n");
    EXPECT_EQ(checkPassword(QStringLiteral("alt")).result, Login::Wrong);
    EXPECT_EQ(checkPassword(QStringLiteral("neu")).result, Login::Right);
}

TEST(PasswordFile, AnUnreadableFileOpensNothingAndSaysSo)
{
    testing_support::ProgramFolderFixture folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("start.ini")));
    const LoginCheck check = checkPassword(QString());
    EXPECT_EQ(check.result, Login::Unreadable);
    EXPECT_TRUE(check.message.contains(QStringLiteral("\"start.ini\" kann nicht gelesen werden"))) << check.message.toStdString();
}

// ---- The password change ---------------------------------------------------------

class PasswordChangeTest : public ::testing::Test
{
protected:
    PasswordChangeTest() { folder.write(QStringLiteral("start.ini"), "alt\r\n"); }
    QByteArray file() const { return folder.read(QStringLiteral("start.ini")); }
    testing_support::ProgramFolderFixture folder;
};

TEST_F(PasswordChangeTest, EqualEntriesReplaceTheFileAndSayTheNewPassword)
{
    const PasswordChange change = changePassword(QStringLiteral("Bär 1"), QStringLiteral("Bär 1"));
    EXPECT_EQ(change.result, Change::Changed);
    EXPECT_EQ(change.message, QStringLiteral("Passwort wurde auf 'Bär 1' geändert"));
    EXPECT_EQ(file(), QByteArray("B\xe4r 1\r\n"));
    EXPECT_EQ(checkPassword(QStringLiteral("Bär 1")).result, Login::Right);
}

TEST_F(PasswordChangeTest, EmptyEntriesClearThePassword)
{
    const PasswordChange change = changePassword(QString(), QString());
    EXPECT_EQ(change.result, Change::Cleared);
    EXPECT_EQ(change.message, QStringLiteral("Passwort wurde gelöscht"));
    EXPECT_EQ(file(), QByteArray("\r\n"));
    EXPECT_EQ(checkPassword(QString()).result, Login::Right);
}

TEST_F(PasswordChangeTest, DifferentEntriesLeaveTheFileAndComplainUnderFehler)
{
    const PasswordChange change = changePassword(QStringLiteral("neu"), QStringLiteral("Neu"));
    EXPECT_EQ(change.result, Change::Mismatch);
    EXPECT_EQ(change.message, QStringLiteral("Die beiden Passwörter stimmmen nicht überein!!!"));
    EXPECT_EQ(change.title, QStringLiteral("Fehler"));
    EXPECT_EQ(file(), QByteArray("alt\r\n"));
}

TEST_F(PasswordChangeTest, AFileThatCannotBeWrittenGivesItsReasonAndNoSuccess)
{
    QFile::remove(folder.file(QStringLiteral("start.ini")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("start.ini")));
    const PasswordChange change = changePassword(QStringLiteral("neu"), QStringLiteral("neu"));
    EXPECT_EQ(change.result, Change::NotWritten);
    EXPECT_EQ(change.message, QStringLiteral("Das Passwort wurde nicht geändert.\n\n"
                                             "Die Datei \"start.ini\" kann nicht geschrieben werden: an ihrer Stelle "
                                             "liegt ein Ordner."));
}

struct RefusedCase
{
    const char *name;
    QString password;
    const char *reason; // part of the message
};

class RefusedPassword : public PasswordChangeTest, public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(RefusedPassword, IsNotWrittenBecauseItCouldNotBeTypedAgain)
{
    const RefusedCase &c = GetParam();
    const PasswordChange change = changePassword(c.password, c.password);
    EXPECT_EQ(change.result, Change::Refused);
    EXPECT_TRUE(change.message.startsWith(QStringLiteral("Das Passwort wurde nicht geändert.")));
    EXPECT_TRUE(change.message.contains(QString::fromUtf8(c.reason))) << change.message.toStdString();
    EXPECT_EQ(file(), QByteArray("alt\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Passwords, RefusedPassword,
    ::testing::Values(RefusedCase {"OutsideTheCodePage", QStringLiteral(u"Łódź"), "Das Zeichen \"Ł\""},
                      RefusedCase {"AnEmoji", QStringLiteral(u"ab😀"), "Das Zeichen \"😀\""},
                      RefusedCase {"ACarriageReturnWouldEndTheLine", QStringLiteral("ab\rcd"), "Steuerzeichen"},
                      RefusedCase {"ATab", QStringLiteral("ab\tcd"), "Steuerzeichen"},
                      RefusedCase {"AnUndefinedCodePageByte", QStringLiteral(u"a\u0081"), "Steuerzeichen"},
                      RefusedCase {"LongerThanTheReaderTakes", QString(platform::kFirstLineLimit + 1, u'a'),
                                   "höchstens 1024 Zeichen"}),
    [](const ::testing::TestParamInfo<RefusedCase> &row) { return std::string(row.param.name); });

TEST_F(PasswordChangeTest, ThePasswordOfTheLongestLineThatIsReadIsKeptAndReadsBack)
{
    const QString longest(platform::kFirstLineLimit, u'ä');
    EXPECT_EQ(changePassword(longest, longest).result, Change::Changed);
    EXPECT_EQ(checkPassword(longest).result, Login::Right);
}

} // namespace
