#include "platform/controls.h"
#include "platform/forms.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"
#include "support/guisupport.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

using platform::Form;
using platform::Forms;

namespace {

// Stands in for the pig board, which asks for the level modally while it
// opens.
class BoardStandIn : public Form
{
public:
    BoardStandIn()
        : Form(QStringLiteral("frmHaupt"))
    {
    }
    void Form_Load() override { Forms::instance().showModal(QStringLiteral("frmlevel")); }
};

class HubTest : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        registerShellForms();
        auto &forms = Forms::instance();
        for (const char *name : {"frmstartschmetterling", "frmAnzahl", "frmHighscore", "frmLehrer", "frmLogin",
                                 "frmAbout", "frmlevel"})
            testing_support::registerStandIn(QString::fromLatin1(name));
        forms.registerForm(QStringLiteral("frmHaupt"), [] { return new BoardStandIn; });
        forms.setOnLastClosed([this] { ++processEnded; });
        main = forms.show<frmStart>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    }

    static bool exists(const char *name) { return Forms::instance().find(QString::fromLatin1(name)) != nullptr; }
    static bool visible(const char *name)
    {
        Form *form = Forms::instance().find(QString::fromLatin1(name));
        return form && form->isVisible();
    }
    frmLoginSpiele *openSignIn(platform::ImageBox *picture)
    {
        QTest::mouseClick(picture, Qt::LeftButton);
        auto *signIn = Forms::instance().find<frmLoginSpiele>();
        EXPECT_TRUE(signIn && QTest::qWaitForWindowExposed(signIn));
        return signIn;
    }

    testing_support::ProgramFolderFixture folder;
    frmStart *main = nullptr;
    int processEnded = 0;
};

} // namespace

TEST_F(HubTest, EachPictureChoosesItsGameAndOpensItsFirstWindow)
{
    testing_support::shoot(main, QStringLiteral("frmStart"));
    struct Row
    {
        const char *name;
        platform::ImageBox *frmStart::*picture;
        const char *nummer;
        const char *title;
        int playersAfterTwo; // the player count left by a two-player memory game
        const char *opens;
    };
    const Row rows[] = {
        {"butterfly", &frmStart::Image1, "1", "Schmetterling", 1, "frmLoginSpiele"},
        {"pig", &frmStart::Image3, "2", "Schweinchen", 1, "frmLoginSpiele"},
        {"memory", &frmStart::Image2, "3", "Memory", 2, "frmAnzahl"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Mdlmodul.AnzahlSpieler = 2;
        QTest::mouseClick(main->*row.picture, Qt::LeftButton);
        EXPECT_EQ(modVar.SpielNummer, QLatin1String(row.nummer));
        EXPECT_EQ(modVar.SpielName, QLatin1String(row.title));
        EXPECT_EQ(Mdlmodul.AnzahlSpieler, row.playersAfterTwo);
        EXPECT_TRUE(visible(row.opens));
        EXPECT_TRUE(main->isVisible());
        Forms::instance().close(QLatin1String(row.opens));
    }
}

TEST_F(HubTest, TheNameBoxTakesTwelveCharactersAndKeypadEnterPressesOk)
{
    frmLoginSpiele *signIn = openSignIn(main->Image1);
    ASSERT_TRUE(signIn);
    testing_support::shoot(signIn, QStringLiteral("frmLoginSpiele"));
    EXPECT_EQ(QApplication::focusWidget(), signIn->txtUserName);
    QTest::keyClicks(signIn->txtUserName, QStringLiteral("Maximilianeum"));
    EXPECT_EQ(signIn->txtUserName->text(), QStringLiteral("Maximilianeu"));

    QTest::keyClick(signIn->txtUserName, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(modVar.SpielerName, QStringLiteral("Maximilianeu"));
    EXPECT_TRUE(visible("frmstartschmetterling"));
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(exists("frmStart")) << "the main window is hidden, not closed";
    EXPECT_FALSE(exists("frmLoginSpiele"));
}

TEST_F(HubTest, ANamePastedWithALineBreakIsStoredWithoutIt)
{
    frmLoginSpiele *signIn = openSignIn(main->Image1);
    ASSERT_TRUE(signIn);
    signIn->txtUserName->insert(QStringLiteral("Max\r\n"));
    QTest::keyClick(signIn->txtUserName, Qt::Key_Return);
    EXPECT_EQ(modVar.SpielerName, QStringLiteral("Max"));
}

TEST_F(HubTest, EnterOnAFocusedButtonPressesItAndEscapePressesAbbrechen)
{
    const std::pair<const char *, Qt::Key> rows[] = {{"Enter on Abbrechen", Qt::Key_Return},
                                                     {"Escape in the name box", Qt::Key_Escape}};
    for (const auto &[name, key] : rows) {
        SCOPED_TRACE(name);
        frmLoginSpiele *signIn = openSignIn(main->Image3);
        ASSERT_TRUE(signIn);
        QTest::keyClicks(signIn->txtUserName, QStringLiteral("Lea"));
        if (key == Qt::Key_Return)
            signIn->cmdCancel->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_FALSE(exists("frmLoginSpiele"));
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(modVar.SpielName, QStringLiteral("Schweinchen"));
        EXPECT_EQ(modVar.SpielerName, QString());
    }
}

TEST_F(HubTest, TheLastPictureClickedWinsTheTypedNameStaysAndAnEmptyNameIsAccepted)
{
    modVar.SpielerName = QStringLiteral("vorher");
    frmLoginSpiele *signIn = openSignIn(main->Image1);
    ASSERT_TRUE(signIn);
    QTest::keyClicks(signIn->txtUserName, QStringLiteral("Tom"));
    EXPECT_EQ(openSignIn(main->Image3), signIn);
    EXPECT_EQ(signIn->txtUserName->text(), QStringLiteral("Tom"));
    signIn->txtUserName->clear();

    // The sign-in closes only after the board has asked for the level.
    bool signInOpenDuringLevelChoice = false;
    testing_support::whenModal([&](QWidget *) {
        signInOpenDuringLevelChoice = exists("frmLoginSpiele") && signIn->isVisible();
        Forms::instance().close(QStringLiteral("frmlevel"));
    });
    QTest::mouseClick(signIn->cmdOK, Qt::LeftButton);
    EXPECT_TRUE(signInOpenDuringLevelChoice);
    EXPECT_FALSE(exists("frmLoginSpiele"));
    EXPECT_EQ(modVar.SpielerName, QString());
    EXPECT_TRUE(visible("frmHaupt"));
    EXPECT_FALSE(exists("frmstartschmetterling"));
}

// "OK" after "Beenden" still opens the game and makes the main window anew,
// hidden; "Abbrechen" ends the process.
TEST_F(HubTest, BeendenWhileTheSignInIsOpenClosesOnlyTheMainWindow)
{
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "then OK" : "then Abbrechen");
        frmLoginSpiele *signIn = openSignIn(Forms::instance().show<frmStart>()->Image1);
        ASSERT_TRUE(signIn);
        Forms::instance().find<frmStart>()->mnuBeenden->trigger();
        EXPECT_FALSE(exists("frmStart"));
        QTest::mouseClick(ok ? signIn->cmdOK : signIn->cmdCancel, Qt::LeftButton);
        EXPECT_EQ(processEnded, ok ? 0 : 1);
        EXPECT_EQ(exists("frmStart") && !visible("frmStart") && visible("frmstartschmetterling"), ok);
        Forms::instance().close(QStringLiteral("frmstartschmetterling"));
    }
}

TEST_F(HubTest, HighscoreHidesTheMainWindowAndItsCloseBoxEndsTheProcessWhenNoOtherWindowIsLeft)
{
    main->mnuHighscore->trigger();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(visible("frmHighscore"));
    Forms::instance().close(QStringLiteral("frmHighscore"));
    main->close();
    EXPECT_FALSE(exists("frmStart"));
    EXPECT_EQ(processEnded, 1);
}

TEST_F(HubTest, TheFirstLineOfStartIniDecidesWhetherToAskForThePassword)
{
    struct Row
    {
        const char *name;
        QByteArray startIni; // null: no file at all
        const char *opens;
    };
    const Row rows[] = {
        {"an empty first line means no password", "\r\ngeheim\r\n", "frmLehrer"},
        {"a single blank is a password", " \r\n", "frmLogin"},
        {"an empty file means no password", "", "frmLehrer"},
        {"a missing file means no password", QByteArray(), "frmLehrer"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(folder.file(QStringLiteral("start.ini")));
        if (!row.startIni.isNull())
            folder.write(QStringLiteral("start.ini"), row.startIni);
        main->mnuLogin->trigger();
        EXPECT_TRUE(visible(row.opens));
        // The teacher view takes over from the main window; the password
        // dialog leaves it visible.
        EXPECT_EQ(main->isVisible(), QLatin1String(row.opens) == u"frmLogin");
        Forms::instance().close(QLatin1String(row.opens));
        main->show();
    }
}

TEST_F(HubTest, AnUnreadableStartIniIsReportedAndOpensNothing)
{
    QDir(folder.path()).mkdir(QStringLiteral("start.ini"));
    QString message;
    testing_support::answerNextMessage(&message);
    main->mnuLogin->trigger();
    EXPECT_TRUE(message.contains(QStringLiteral("start.ini")));
    EXPECT_TRUE(message.contains(QStringLiteral("kann nicht gelesen werden")));
    EXPECT_FALSE(exists("frmLehrer"));
    EXPECT_FALSE(exists("frmLogin"));
    EXPECT_TRUE(main->isVisible());
}

TEST_F(HubTest, TheAboutBoxIsShownModallyAndInfoReturnsOnlyWhenItHasClosed)
{
    bool modal = false;
    bool returned = false;
    testing_support::whenModal([&](QWidget *window) {
        modal = window == Forms::instance().find(QStringLiteral("frmAbout")) && !returned;
        Forms::instance().close(QStringLiteral("frmAbout"));
    });
    main->mnuInfo->trigger();
    returned = true;
    EXPECT_TRUE(modal);
}
