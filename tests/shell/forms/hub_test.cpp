#include "state/mdlmodul.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "state/modvar.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtCore/QDir>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenuBar>
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

class HubTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        modVar = PlayState {};
        Mdlmodul = MemoryState {};
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
    void TearDown() override { testing_support::resetWindows(); }

    static bool exists(const char *name) { return Forms::instance().find(QString::fromLatin1(name)) != nullptr; }
    static bool visible(const char *name)
    {
        Form *form = Forms::instance().find(QString::fromLatin1(name));
        return form && form->isVisible();
    }
    frmLoginSpiele *signIn() { return Forms::instance().find<frmLoginSpiele>(); }
    void clickPicture(QWidget *picture) { QTest::mouseClick(picture, Qt::LeftButton); }

    frmStart *main = nullptr;
    int processEnded = 0;
    testing_support::ProgramFolderFixture folder;
};

TEST_F(HubTest, TheMainWindowShowsTheGameChooserAndItsMenus)
{
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Quirlix"));
    EXPECT_EQ(main->client()->size(), QSize(794, 562));
    auto *label = main->findChild<QLabel *>(QStringLiteral("lblWählen"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Wähle ein Spiel aus!!!"));
    QStringList bar;
    for (QAction *action : main->menuBar()->actions())
        bar << action->text();
    EXPECT_EQ(bar, QStringList({"&Spiel", "&Lehrer", "&Info"}));
    EXPECT_EQ(main->mnuHighscore->text(), QStringLiteral("&Highscore"));
    EXPECT_EQ(main->mnuBeenden->text(), QStringLiteral("&Beenden"));
    EXPECT_EQ(main->mnuLogin->text(), QStringLiteral("&Login"));
    EXPECT_FALSE(main->Image1->pixmap().isNull());
    testing_support::shoot(main, QStringLiteral("frmStart"));
}

TEST_F(HubTest, ThePigAndButterflyPicturesChooseTheGameAndOpenTheSignIn)
{
    Mdlmodul.AnzahlSpieler = 2; // left over from a two-player memory game
    clickPicture(main->Image1);
    EXPECT_EQ(modVar.SpielNummer, QStringLiteral("1"));
    EXPECT_EQ(modVar.SpielName, QStringLiteral("Schmetterling"));
    EXPECT_EQ(Mdlmodul.AnzahlSpieler, 1);
    ASSERT_NE(signIn(), nullptr);
    EXPECT_TRUE(signIn()->isVisible());
    EXPECT_TRUE(main->isVisible());

    Mdlmodul.AnzahlSpieler = 2;
    clickPicture(main->Image3);
    EXPECT_EQ(modVar.SpielNummer, QStringLiteral("2"));
    EXPECT_EQ(modVar.SpielName, QStringLiteral("Schweinchen"));
    EXPECT_EQ(Mdlmodul.AnzahlSpieler, 1);
}

TEST_F(HubTest, TheMemoryPictureLeavesThePlayerCountAndKeepsTheMainWindowVisible)
{
    Mdlmodul.AnzahlSpieler = 2;
    clickPicture(main->Image2);
    EXPECT_EQ(modVar.SpielNummer, QStringLiteral("3"));
    EXPECT_EQ(modVar.SpielName, QStringLiteral("Memory"));
    EXPECT_EQ(Mdlmodul.AnzahlSpieler, 2);
    EXPECT_TRUE(visible("frmAnzahl"));
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(signIn(), nullptr);
}

TEST_F(HubTest, TheNameBoxTakesTwelveCharactersAndEnterPressesOk)
{
    clickPicture(main->Image1);
    frmLoginSpiele *login = signIn();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(login));
    testing_support::shoot(login, QStringLiteral("frmLoginSpiele"));
    EXPECT_EQ(login->windowTitle(), QStringLiteral("Anmeldung"));
    EXPECT_EQ(QApplication::focusWidget(), login->txtUserName);
    QTest::keyClicks(login->txtUserName, QStringLiteral("Maximilianeum"));
    EXPECT_EQ(login->txtUserName->text(), QStringLiteral("Maximilianeu"));

    QTest::keyClick(login->txtUserName, Qt::Key_Return);
    EXPECT_EQ(modVar.SpielerName, QStringLiteral("Maximilianeu"));
    EXPECT_TRUE(visible("frmstartschmetterling"));
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(exists("frmStart")) << "the main window is hidden, not closed";
    EXPECT_EQ(signIn(), nullptr);
}

TEST_F(HubTest, EscapePressesAbbrechenAndLeavesTheGameFieldsAsThePictureWroteThem)
{
    clickPicture(main->Image3);
    frmLoginSpiele *login = signIn();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(login));
    QTest::keyClicks(login->txtUserName, QStringLiteral("Lea"));
    QTest::keyClick(login->txtUserName, Qt::Key_Escape);
    EXPECT_EQ(signIn(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(modVar.SpielName, QStringLiteral("Schweinchen"));
    EXPECT_EQ(modVar.SpielerName, QString());
}

TEST_F(HubTest, AltNPutsTheFocusIntoTheNameBox)
{
    clickPicture(main->Image1);
    frmLoginSpiele *login = signIn();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(login));
    login->cmdOK->setFocus();
    QTest::keyClick(login, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), login->txtUserName);
}

TEST_F(HubTest, AnEmptyNameIsAccepted)
{
    modVar.SpielerName = QStringLiteral("vorher");
    clickPicture(main->Image1);
    QTest::mouseClick(signIn()->cmdOK, Qt::LeftButton);
    EXPECT_EQ(modVar.SpielerName, QString());
    EXPECT_TRUE(visible("frmstartschmetterling"));
}

TEST_F(HubTest, ANamePastedWithALineBreakIsStoredWithoutIt)
{
    clickPicture(main->Image1);
    frmLoginSpiele *login = signIn();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(login));
    login->txtUserName->insert(QStringLiteral("Max\r\n"));
    QTest::keyClick(login->txtUserName, Qt::Key_Return);
    EXPECT_EQ(modVar.SpielerName, QStringLiteral("Max"));
}

TEST_F(HubTest, TheLastPictureClickedWinsAndTheTypedNameStays)
{
    clickPicture(main->Image1);
    frmLoginSpiele *login = signIn();
    QTest::keyClicks(login->txtUserName, QStringLiteral("Tom"));
    clickPicture(main->Image3);
    EXPECT_EQ(signIn(), login);
    EXPECT_EQ(login->txtUserName->text(), QStringLiteral("Tom"));
    EXPECT_EQ(modVar.SpielNummer, QStringLiteral("2"));

    testing_support::whenModal([](QWidget *) { Forms::instance().close(QStringLiteral("frmlevel")); });
    QTest::mouseClick(login->cmdOK, Qt::LeftButton);
    EXPECT_TRUE(visible("frmHaupt"));
    EXPECT_FALSE(exists("frmstartschmetterling"));
}

TEST_F(HubTest, TheSignInClosesOnlyAfterTheBoardHasAskedForTheLevel)
{
    clickPicture(main->Image3);
    frmLoginSpiele *login = signIn();
    bool signInOpenDuringLevelChoice = false;
    bool signInBlocked = false;
    testing_support::whenModal([&](QWidget *modal) {
        signInOpenDuringLevelChoice = Forms::instance().find<frmLoginSpiele>() == login && login->isVisible();
        signInBlocked = QApplication::activeModalWidget() == modal && modal != login;
        Forms::instance().close(QStringLiteral("frmlevel"));
    });
    QTest::mouseClick(login->cmdOK, Qt::LeftButton);
    EXPECT_TRUE(signInOpenDuringLevelChoice);
    EXPECT_TRUE(signInBlocked);
    EXPECT_EQ(signIn(), nullptr);
}

TEST_F(HubTest, BeendenWhileTheSignInIsOpenClosesOnlyTheMainWindow)
{
    clickPicture(main->Image1);
    main->mnuBeenden->trigger();
    EXPECT_FALSE(exists("frmStart"));
    EXPECT_EQ(processEnded, 0);
    QTest::mouseClick(signIn()->cmdCancel, Qt::LeftButton);
    EXPECT_EQ(processEnded, 1);
}

TEST_F(HubTest, OkAfterBeendenStillOpensTheGameAndRecreatesTheMainWindowHidden)
{
    clickPicture(main->Image1);
    main->mnuBeenden->trigger();
    QTest::mouseClick(signIn()->cmdOK, Qt::LeftButton);
    EXPECT_TRUE(visible("frmstartschmetterling"));
    ASSERT_TRUE(exists("frmStart"));
    EXPECT_FALSE(visible("frmStart"));
    EXPECT_EQ(processEnded, 0);
}

TEST_F(HubTest, TheCloseBoxEndsTheProcessWhenNoOtherWindowIsLeft)
{
    main->close();
    EXPECT_FALSE(exists("frmStart"));
    EXPECT_EQ(processEnded, 1);
}

TEST_F(HubTest, HighscoreHidesTheMainWindowAndOpensTheList)
{
    main->mnuHighscore->trigger();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(visible("frmHighscore"));
}

struct TeacherCase
{
    const char *name;
    QByteArray startIni; // null: no file at all
    const char *opens;
    bool mainVisible;
};

class TeacherMenuTest : public HubTest, public ::testing::WithParamInterface<TeacherCase>
{
};

TEST_P(TeacherMenuTest, TheFirstLineOfStartIniDecidesWhetherToAskForThePassword)
{
    const TeacherCase &c = GetParam();
    if (!c.startIni.isNull())
        folder.write(QStringLiteral("start.ini"), c.startIni);
    main->mnuLogin->trigger();
    EXPECT_TRUE(visible(c.opens));
    EXPECT_EQ(main->isVisible(), c.mainVisible);
}

INSTANTIATE_TEST_SUITE_P(
    StartIni, TeacherMenuTest,
    ::testing::Values(TeacherCase {"EmptyFirstLine", "\r\n", "frmLehrer", false},
                      TeacherCase {"EmptyFirstLineThenText", "\r\ngeheim\r\n", "frmLehrer", false},
                      TeacherCase {"SingleBlankIsAPassword", " \r\n", "frmLogin", true},
                      TeacherCase {"Password", "geheim\r\n", "frmLogin", true},
                      TeacherCase {"EmptyFileMeansNoPassword", "", "frmLehrer", false},
                      TeacherCase {"MissingFileMeansNoPassword", QByteArray(), "frmLehrer", false}),
    [](const ::testing::TestParamInfo<TeacherCase> &row) { return std::string(row.param.name); });

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

TEST_F(HubTest, TheAboutBoxBlocksTheMainWindowUntilItCloses)
{
    // Input to blocked windows is dropped by the window system; what we can
    // see is that the about box is the application-modal window while open.
    bool aboutIsApplicationModal = false;
    bool menuReturnedEarly = true;
    bool returned = false;
    testing_support::whenModal([&](QWidget *modal) {
        aboutIsApplicationModal = modal == Forms::instance().find(QStringLiteral("frmAbout"))
            && modal->windowModality() == Qt::ApplicationModal;
        menuReturnedEarly = returned;
        Forms::instance().close(QStringLiteral("frmAbout"));
    });
    main->mnuInfo->trigger();
    returned = true;
    EXPECT_TRUE(aboutIsApplicationModal);
    EXPECT_FALSE(menuReturnedEarly);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
