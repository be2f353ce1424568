#include "platform/textfile.h"
#include "support/killchild.h"
#include "support/testsupport.h"
#include "teacher/password.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QRegularExpression>

#include <random>

namespace {

using Login = LoginCheck::Result;
using Change = PasswordChange::Result;
constexpr auto byName = [](const auto &row) { return std::string(row.param.name); };

// A program folder whose "start.ini" is a folder when a case says "/".
template<class Case> class WithStartIni : public ::testing::TestWithParam<Case>
{
protected:
    void SetUp() override
    {
        if (this->GetParam().startIni == "/")
            ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("start.ini")));
        else if (!this->GetParam().startIni.isNull())
            folder.write(QStringLiteral("start.ini"), this->GetParam().startIni);
    }
    testing_support::ProgramFolderFixture folder;
};

struct LoginCase
{
    const char *name;
    QByteArray startIni; // null: no file at all; "/": a folder in its place
    QString typed;
    Login result;
};

using PasswordCheck = WithStartIni<LoginCase>;

TEST_P(PasswordCheck, ComparesTheTypedTextWithTheFirstLineExactly)
{
    const LoginCase &c = GetParam();
    const LoginCheck check = checkPassword(c.typed);
    EXPECT_EQ(check.result, c.result);
    EXPECT_EQ(check.message.contains(QStringLiteral("kann nicht gelesen werden")), c.result == Login::Unreadable)
        << check.message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(StartIni, PasswordCheck,
    ::testing::Values(LoginCase {"TrailingBlankBelongsToThePassword", "geheim \r\n", "geheim", Login::Wrong},
        LoginCase {"OtherCaseIsWrong", "Geheim\r\n", "geheim", Login::Wrong},
        LoginCase {"OnlyTheFirstLineCounts", "eins\r\nzwei\r\n", "zwei", Login::Wrong},
        LoginCase {"LoneCrEndsTheLine", "eins\rzwei", "eins", Login::Right},
        LoginCase {"CodePageCharacters", "B\xe4r\x80\r\n", QStringLiteral(u"Bär€"), Login::Right},
        LoginCase {"EmptyFirstLineMeansNone", "\r\ngeheim\r\n", "", Login::Right},
        LoginCase {"NoFileComparesWithTheEmptyPassword", QByteArray(), "", Login::Right},
        LoginCase {"AFolderInPlaceOfTheFileOpensNothing", "/", "", Login::Unreadable}),
    byName);

struct ChangeCase
{
    const char *name;
    QString entry;
    QString repeated;
    Change result;
    const char *message; // the message, or a part of it that names the reason
    QByteArray file; // start.ini afterwards
    QByteArray startIni = "alt\r\n";
};

using PasswordChangeTest = WithStartIni<ChangeCase>;

TEST_P(PasswordChangeTest, WritesOnlyAPasswordThatCanBeTypedAgain)
{
    const ChangeCase &c = GetParam();
    const PasswordChange change = changePassword(c.entry, c.repeated);
    EXPECT_EQ(change.result, c.result);
    EXPECT_TRUE(change.message.contains(QString::fromUtf8(c.message))) << change.message.toStdString();
    EXPECT_EQ(change.title, QLatin1String(c.result == Change::Mismatch ? "Fehler" : ""));
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), c.file); // a folder reads as nothing
    if (c.result == Change::Changed || c.result == Change::Cleared) {
        EXPECT_EQ(checkPassword(c.entry).result, Login::Right);
    }
}

const QString kLongest(platform::kFirstLineLimit, u'ä');
const QString kTooLong(platform::kFirstLineLimit + 1, u'a');
using P = ChangeCase;

INSTANTIATE_TEST_SUITE_P(Entries, PasswordChangeTest,
    ::testing::Values(
        P {"Equal", "Bär 1", "Bär 1", Change::Changed, "Passwort wurde auf 'Bär 1' geändert", "B\xe4r 1\r\n"},
        P {"Empty", "", "", Change::Cleared, "Passwort wurde gelöscht", "\r\n"},
        P {"Different", "neu", "Neu", Change::Mismatch, "Die beiden Passwörter stimmmen nicht überein!!!", "alt\r\n"},
        P {"OutsideTheCodePage", "Łódź", "Łódź", Change::Refused, "Das Zeichen \"Ł\"", "alt\r\n"},
        P {"AnEmoji", "ab😀", "ab😀", Change::Refused, "Das Zeichen \"😀\"", "alt\r\n"},
        P {"ACarriageReturn", "ab\rcd", "ab\rcd", Change::Refused, "Steuerzeichen", "alt\r\n"},
        P {"AnUndefinedCodePageByte", QStringLiteral(u"a\u0081"), QStringLiteral(u"a\u0081"), Change::Refused,
            "Steuerzeichen", "alt\r\n"},
        P {"LongerThanTheReaderTakes", kTooLong, kTooLong, Change::Refused, "höchstens 1024 Zeichen", "alt\r\n"},
        P {"TheLongestLineThatIsRead", kLongest, kLongest, Change::Changed, "geändert",
            QByteArray(platform::kFirstLineLimit, '\xe4') + "\r\n"},
        P {"BeginningAsAUtf8File", QStringLiteral(u"ï»¿abc"), QStringLiteral(u"ï»¿abc"), Change::Refused,
            "nicht mit den Zeichen \"ï»¿\" beginnen", "alt\r\n"},
        P {"AFileThatCannotBeWritten", "neu", "neu", Change::NotWritten,
            "Das Passwort wurde nicht geändert.\n\nDie Datei \"start.ini\" kann nicht geschrieben werden: an ihrer "
            "Stelle liegt ein Ordner.",
            {}, "/"}),
    byName);

// Changes cut short at a moment that varies with chance, as a power cut or a
// killed program would stop them, leave "start.ini" with the old password or
// a new one, whole, and at most one copy of a new password beside it at any
// time; the next change leaves none.
TEST(PasswordChangeCutShort, LeavesAtMostOneCopyWhichTheNextChangeRemoves)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("start.ini"), "alt\r\n");
    const auto copies = [&folder] { // the files beside "start.ini" that hold anything
        QStringList names = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        names.removeIf([&folder](const QString &name) { return name == "start.ini" || folder.read(name).isEmpty(); });
        return names;
    };
    std::minstd_rand chance(2024);
    qsizetype seen = 0;
    for (int round = 0; round < 150; ++round) {
        testing_support::killChild([](int) {
            for (int i = 0;; ++i)
                changePassword(QStringLiteral("neu%1").arg(i), QStringLiteral("neu%1").arg(i));
        }, static_cast<useconds_t>(1 + chance() % 4000));
        EXPECT_TRUE(QRegularExpression(QStringLiteral("\\A(alt|neu\\d+)\r\n\\z"))
                        .match(QString::fromLatin1(folder.read(QStringLiteral("start.ini")))).hasMatch());
        EXPECT_LE(copies().size(), 1) << copies().join(u' ').toStdString();
        seen += copies().size();
    }
    EXPECT_GT(seen, 20) << "too few kills fell inside a change to tell anything";
    ASSERT_EQ(changePassword(QStringLiteral("zuletzt"), QStringLiteral("zuletzt")).result, Change::Changed);
    EXPECT_EQ(copies(), QStringList());
}

} // namespace
