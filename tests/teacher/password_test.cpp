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
    EXPECT_EQ(checkPassword(c.typed).result, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    StartIni, PasswordCheck,
    ::testing::Values(LoginCase {"TrailingBlankBelongsToThePassword", "geheim \r\n", "geheim", Login::Wrong},
                      LoginCase {"OtherCaseIsWrong", "Geheim\r\n", "geheim", Login::Wrong},
                      LoginCase {"OnlyTheFirstLineCounts", "eins\r\nzwei\r\n", "zwei", Login::Wrong},
                      LoginCase {"LoneCrEndsTheLine", "eins\rzwei", "eins", Login::Right},
                      LoginCase {"CodePageCharacters", "B\xe4r\x80\r\n", QStringLiteral(u"Bär€"), Login::Right},
                      LoginCase {"EmptyFirstLineMeansNone", "\r\ngeheim\r\n", "", Login::Right},
                      LoginCase {"NoFileComparesWithTheEmptyPassword", QByteArray(), "", Login::Right}),
    [](const ::testing::TestParamInfo<LoginCase> &row) { return std::string(row.param.name); });

TEST(PasswordFile, IsReadAnewAtEveryCheckAndAnUnreadableOneOpensNothing)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("start.ini"), "alt\r\n");
    EXPECT_EQ(checkPassword(QStringLiteral("alt")).result, Login::Right);
    folder.write(QStringLiteral("start.ini"), "neu\r\n"); // edited by hand between two presses of OK
    const LoginCheck wrong = checkPassword(QStringLiteral("alt"));
    EXPECT_EQ(wrong.result, Login::Wrong);
    EXPECT_EQ(wrong.message, QStringLiteral("Eingabe nicht korrekt!!!"));
    EXPECT_EQ(checkPassword(QStringLiteral("neu")).result, Login::Right);

    QFile::remove(folder.file(QStringLiteral("start.ini")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("start.ini")));
    const LoginCheck unreadable = checkPassword(QString());
    EXPECT_EQ(unreadable.result, Login::Unreadable);
    EXPECT_TRUE(unreadable.message.contains(QStringLiteral("\"start.ini\" kann nicht gelesen werden")));
}

struct ChangeCase
{
    const char *name;
    QString entry;
    QString repeated;
    Change result;
    const char *message; // the message, or a part of it that names the reason
    QByteArray file;     // start.ini afterwards; it held "alt"
};

class PasswordChangeTest : public ::testing::TestWithParam<ChangeCase>
{
protected:
    testing_support::ProgramFolderFixture folder;
};

TEST_P(PasswordChangeTest, WritesOnlyAPasswordThatCanBeTypedAgain)
{
    const ChangeCase &c = GetParam();
    folder.write(QStringLiteral("start.ini"), "alt\r\n");
    const PasswordChange change = changePassword(c.entry, c.repeated);
    EXPECT_EQ(change.result, c.result);
    EXPECT_TRUE(change.message.contains(QString::fromUtf8(c.message))) << change.message.toStdString();
    EXPECT_EQ(change.title, QLatin1String(c.result == Change::Mismatch ? "Fehler" : ""));
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), c.file);
    if (c.result == Change::Changed || c.result == Change::Cleared) {
        EXPECT_EQ(checkPassword(c.entry).result, Login::Right);
    }
}

const QString kLongest(platform::kFirstLineLimit, u'ä');

INSTANTIATE_TEST_SUITE_P(
    Entries, PasswordChangeTest,
    ::testing::Values(
        ChangeCase {"Equal", "Bär 1", "Bär 1", Change::Changed, "Passwort wurde auf 'Bär 1' geändert", "B\xe4r 1\r\n"},
        ChangeCase {"Empty", "", "", Change::Cleared, "Passwort wurde gelöscht", "\r\n"},
        ChangeCase {"Different", "neu", "Neu", Change::Mismatch, "Die beiden Passwörter stimmmen nicht überein!!!",
                    "alt\r\n"},
        ChangeCase {"OutsideTheCodePage", "Łódź", "Łódź", Change::Refused, "Das Zeichen \"Ł\"", "alt\r\n"},
        ChangeCase {"AnEmoji", "ab😀", "ab😀", Change::Refused, "Das Zeichen \"😀\"", "alt\r\n"},
        ChangeCase {"ACarriageReturn", "ab\rcd", "ab\rcd", Change::Refused, "Steuerzeichen", "alt\r\n"},
        ChangeCase {"AnUndefinedCodePageByte", QStringLiteral(u"a\u0081"), QStringLiteral(u"a\u0081"), Change::Refused,
                    "Steuerzeichen", "alt\r\n"},
        ChangeCase {"LongerThanTheReaderTakes", QString(platform::kFirstLineLimit + 1, u'a'),
                    QString(platform::kFirstLineLimit + 1, u'a'), Change::Refused, "höchstens 1024 Zeichen", "alt\r\n"},
        ChangeCase {"TheLongestLineThatIsRead", kLongest, kLongest, Change::Changed, "geändert",
                    QByteArray(platform::kFirstLineLimit, '\xe4') + "\r\n"}),
    [](const ::testing::TestParamInfo<ChangeCase> &row) { return std::string(row.param.name); });

TEST(PasswordChange, AFileThatCannotBeWrittenGivesItsReasonAndNoSuccess)
{
    testing_support::ProgramFolderFixture folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("start.ini")));
    const PasswordChange change = changePassword(QStringLiteral("neu"), QStringLiteral("neu"));
    EXPECT_EQ(change.result, Change::NotWritten);
    EXPECT_EQ(change.message, QStringLiteral("Das Passwort wurde nicht geändert.\n\nDie Datei \"start.ini\" kann nicht "
                                             "geschrieben werden: an ihrer Stelle liegt ein Ordner."));
}

} // namespace
