#include "platform/controls.h"
#include "platform/forms.h"
#include "shell/forms/frmAbout.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/hyperlinks.h"
#include "shell/forms/registration.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"
#include "support/guisupport.h"

#include <QtCore/QDir>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

using platform::Forms;

namespace {

// The main window, well away from the screen's centre, with the first
// windows of the other subsystems standing in.
class HubTest : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        registerShellForms();
        for (const char *name : {"frmstartschmetterling", "frmHaupt", "frmAnzahl", "frmHighscore", "frmLehrer"})
            testing_support::registerStandIn(QString::fromLatin1(name));
        testing_support::registerStandIn(QStringLiteral("frmLogin"));
        Forms::instance().setOnLastClosed([this] { ++processEnded; });
        main = Forms::instance().show<frmStart>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        main->move(300, 200);
    }

    static bool exists(const char *name) { return Forms::instance().find(QString::fromLatin1(name)) != nullptr; }
    static bool visible(const char *name) { return exists(name) && Forms::instance().find(name)->isVisible(); }
    frmLoginSpiele *openSignIn(platform::ImageBox *picture)
    {
        QTest::mouseClick(picture, Qt::LeftButton);
        auto *signIn = Forms::instance().find<frmLoginSpiele>();
        EXPECT_TRUE(signIn && QTest::qWaitForWindowExposed(signIn));
        return signIn;
    }
    // Opens the about box from the menu and runs inside it; what is left open is closed.
    void whileAboutIsOpen(std::function<void(frmAbout *)> inside)
    {
        testing_support::whenModal([inside](QWidget *modal) {
            auto *about = qobject_cast<frmAbout *>(modal);
            ASSERT_TRUE(about && QTest::qWaitForWindowExposed(about));
            inside(about);
            Forms::instance().close<frmAbout>();
        });
        main->mnuInfo->trigger();
    }

    testing_support::ProgramFolderFixture folder;
    frmStart *main = nullptr;
    int processEnded = 0;
};

} // namespace

// The player count is the one a two-player memory game left.
TEST_F(HubTest, EachPictureChoosesItsGameAndOpensItsFirstWindow)
{
    testing_support::shoot(main, QStringLiteral("frmStart"));
    const std::tuple<platform::ImageBox *, const char *, const char *, int, const char *> rows[] = {
        {main->Image1, "1", "Schmetterling", 1, "frmLoginSpiele"},
        {main->Image3, "2", "Schweinchen", 1, "frmLoginSpiele"},
        {main->Image2, "3", "Memory", 2, "frmAnzahl"},
    };
    for (const auto &[picture, nummer, title, players, opens] : rows) {
        SCOPED_TRACE(title);
        Mdlmodul.AnzahlSpieler = 2;
        QTest::mouseClick(picture, Qt::LeftButton);
        EXPECT_EQ(std::tie(modVar.SpielNummer, modVar.SpielName, Mdlmodul.AnzahlSpieler),
                  std::make_tuple(nummer, title, players));
        EXPECT_TRUE(visible(opens) && main->isVisible());
        Forms::instance().close(QLatin1String(opens));
    }
}

// The last picture clicked wins and the typed name stays. Enter on a focused
// Abbrechen, or Escape, cancels; an empty name is accepted.
TEST_F(HubTest, TheSignInCancelsOrOpensTheGameOfTheLastPictureClicked)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmLoginSpiele *signIn = openSignIn(main->Image1);
        QTest::keyClicks(signIn->txtUserName, QStringLiteral("Lea"));
        ASSERT_TRUE(signIn && openSignIn(main->Image3) == signIn);
        EXPECT_EQ(signIn->txtUserName->text(), QStringLiteral("Lea"));
        if (key == Qt::Key_Return)
            signIn->cmdCancel->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_TRUE(!exists("frmLoginSpiele") && main->isVisible()) << "key " << key;
        EXPECT_EQ(std::tie(modVar.SpielName, modVar.SpielerName), std::make_tuple("Schweinchen", ""));
    }
    modVar.SpielerName = QStringLiteral("vorher");
    QTest::mouseClick(openSignIn(main->Image1)->cmdOK, Qt::LeftButton);
    EXPECT_EQ(modVar.SpielerName, QString());
    EXPECT_TRUE(!exists("frmLoginSpiele") && visible("frmstartschmetterling") && !main->isVisible());
}

// The highscore list and the teacher view take over from the main window;
// the password dialog and the message on an unreadable "start.ini" leave it.
// An empty first line means no password, a blank is one.
TEST_F(HubTest, HighscoreAndTheTeacherMenuOpenTheirWindowsAsStartIniSays)
{
    main->mnuHighscore->trigger();
    EXPECT_TRUE(visible("frmHighscore") && !main->isVisible());
    Forms::instance().close(QStringLiteral("frmHighscore"));
    main->show();
    const std::pair<QByteArray, const char *> rows[] = {{QByteArray(), "frmLehrer"}, {"", "frmLehrer"},
        {"\r\ngeheim\r\n", "frmLehrer"}, {" \r\n", "frmLogin"}, {"a folder", nullptr}};
    for (const auto &[startIni, opens] : rows) {
        SCOPED_TRACE(startIni.constData());
        QFile::remove(folder.file(QStringLiteral("start.ini")));
        if (startIni == "a folder")
            QDir(folder.path()).mkdir(QStringLiteral("start.ini"));
        else if (!startIni.isNull())
            folder.write(QStringLiteral("start.ini"), startIni);
        QString message;
        if (!opens)
            testing_support::answerNextMessage(&message);
        main->mnuLogin->trigger();
        EXPECT_EQ(!opens, message.contains(QStringLiteral("\"start.ini\" kann nicht gelesen werden")));
        EXPECT_EQ(exists("frmLehrer") || exists("frmLogin"), opens != nullptr);
        EXPECT_EQ(main->isVisible(), QLatin1String(opens) != u"frmLehrer");
        if (opens)
            Forms::instance().close(QLatin1String(opens));
        main->show();
    }
    main->close();
    EXPECT_FALSE(exists("frmStart"));
    EXPECT_EQ(processEnded, 1) << "the close box ends the process when no other window is left";
}

// Without any system-information program the box says so and stays open.
TEST_F(HubTest, TheAboutBoxOpensModalOverTheMainWindowAndEnterEscapeOkOrTheCloseBoxCloseIt)
{
    const std::pair<const char *, std::function<void(frmAbout *)>> ways[] = {
        {"Enter", [](frmAbout *about) { QTest::keyClick(about, Qt::Key_Return); }},
        {"Enter on a link", [](frmAbout *about) { QTest::keyClick(about->LinkVexa21, Qt::Key_Return); }},
        {"Escape", [](frmAbout *about) { QTest::keyClick(about, Qt::Key_Escape); }},
        {"OK", [](frmAbout *about) { QTest::mouseClick(about->cmdOK, Qt::LeftButton); }},
        {"close box", [](frmAbout *about) { about->close(); }},
    };
    for (const auto &[way, press] : ways) {
        SCOPED_TRACE(way);
        bool closed = false;
        whileAboutIsOpen([&](frmAbout *about) {
            testing_support::shoot(about, QStringLiteral("frmAbout"));
            EXPECT_EQ(QStringList({about->windowTitle(), about->lblVersion->text(), about->lblVexa2->text()}),
                      QStringList({"Info zu Quirlix", "Version 1.1.1",
                                   "Quirlix-Schule\nMusterstraße 1\n12345 Musterstadt\nz. Hd. Projektleitung"}));
            EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
            // Within the frame edges, which the window system adds only once it is shown.
            EXPECT_LE((about->geometry().center() - main->geometry().center()).manhattanLength(), 4);
            press(about);
            closed = !Forms::instance().find<frmAbout>();
        });
        EXPECT_TRUE(closed);
    }

    const QByteArray path = qgetenv("PATH");
    QTemporaryDir emptyPath;
    qputenv("PATH", QFile::encodeName(emptyPath.path()));
    QString text, title;
    whileAboutIsOpen([&](frmAbout *about) {
        testing_support::whenModal([&](QWidget *box) {
            std::tie(text, title) = std::pair(static_cast<QMessageBox *>(box)->text(), box->windowTitle());
            testing_support::clickMessageBoxButton(box, QStringLiteral("OK"));
        });
        QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
        EXPECT_EQ(Forms::instance().find<frmAbout>(), about);
    });
    qputenv("PATH", path);
    EXPECT_EQ(text, QStringLiteral("Systeminformationen sind momentan nicht verfügbar"));
    EXPECT_EQ(title, QStringLiteral("Quirlix"));
}
