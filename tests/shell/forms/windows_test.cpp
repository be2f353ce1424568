#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/hyperlinks.h"
#include "shell/forms/frmAbout.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmSplash.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/hyperlinks.h"
#include "shell/forms/registration.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"
#include "support/guisupport.h"

#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QPointer>
#include <QtCore/QUrl>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

#include <csignal>

using platform::Forms;
using testing_support::advanceClock;

namespace {

bool exists(const char *name) { return Forms::instance().find(QLatin1String(name)) != nullptr; }
bool visible(const char *name) { return exists(name) && Forms::instance().find(QLatin1String(name))->isVisible(); }

// The main window, well away from the screen's centre, with the first
// windows of the other subsystems standing in.
class HubTest : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        registerShellForms();
        for (auto *name : {"frmstartschmetterling", "frmHaupt", "frmAnzahl", "frmHighscore", "frmLehrer", "frmLogin"})
            testing_support::registerStandIn(QLatin1String(name));
        Forms::instance().setOnLastClosed([this] { ++processEnded; });
        main = Forms::instance().show<frmStart>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        main->move(300, 200);
    }
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

// Stands in for the system's hyperlink service while it lives: keeps every
// address handed to it, and refuses them all when told to.
struct RecordingLinks : platform::HyperlinkService
{
    RecordingLinks() { install(this); }
    ~RecordingLinks() override { install(nullptr); }
    void navigate(const QUrl &url, std::function<void()> failed) override
    {
        opened << url.toString();
        if (refuse)
            failed();
    }
    QStringList opened;
    bool refuse = false;
};

// The message box on screen that waits in no loop of its own, or nullptr.
QMessageBox *shownMessageBox()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(window); box && box->isVisible())
            return box;
    return nullptr;
}

class Splash : public ::testing::Test
{
protected:
    void SetUp() override { start(); }
    void TearDown() override
    {
        delete shownMessageBox();
        Forms::instance().setOnLastClosed({});
        testing_support::resetWindows();
    }
    // The program's start: the splash and nothing else.
    void start()
    {
        TearDown();
        registerShellForms();
        Forms::instance().setOnLastClosed([] { ADD_FAILURE() << "the process must never be without a window"; });
        splash = Forms::instance().show<frmSplash>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
    }
    // A click as a user makes it: at a point of the window, on whatever lies on top there.
    void clickAt(QWidget *control, QPoint at = {4, 4})
    {
        QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, control->mapTo(splash, at));
    }
    static bool stillUp() { return exists("frmSplash") && !exists("frmStart"); }
    static bool ended() { return !exists("frmSplash") && visible("frmStart"); }

    testing_support::ProgramFolderFixture folder;
    RecordingLinks links;
    frmSplash *splash = nullptr;
};

} // namespace

// Each picture chooses its game (the player count is the one a two-player
// memory game left) and opens its first window. The sign-in belongs to the
// last picture clicked and keeps the typed name; Enter on a focused Abbrechen,
// or Escape, cancels; an empty name is accepted.
TEST_F(HubTest, EachPictureChoosesItsGameAndTheSignInCancelsOrOpensIt)
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
        Forms::instance().close(QLatin1String(opens));
        main->show();
    }
    main->close();
    EXPECT_FALSE(exists("frmStart"));
    EXPECT_EQ(processEnded, 1) << "the close box ends the process when no other window is left";
}

// The box is centred within the frame edges, which the window system adds only
// once it is shown. Without any system-information program it says so and stays open.
TEST_F(HubTest, TheAboutBoxOpensModalOverTheMainWindowAndEnterEscapeOkOrTheCloseBoxCloseIt)
{
    const std::pair<const char *, std::function<void(frmAbout *)>> ways[] = {
        {"keypad Enter on OK", [](auto *about) { QTest::keyClick(about->cmdOK, Qt::Key_Enter, Qt::KeypadModifier); }},
        {"Enter on a link", [](auto *about) { QTest::keyClick(about->LinkVexa21, Qt::Key_Return); }},
        {"Escape", [](auto *about) { QTest::keyClick(about, Qt::Key_Escape); }},
        {"OK", [](auto *about) { QTest::mouseClick(about->cmdOK, Qt::LeftButton); }},
        {"close box", [](auto *about) { about->close(); }},
    };
    for (const auto &[way, press] : ways) {
        SCOPED_TRACE(way);
        bool closed = false;
        whileAboutIsOpen([&](frmAbout *about) {
            testing_support::shoot(about, QStringLiteral("frmAbout"));
            EXPECT_EQ(about->windowTitle() + u'|' + about->lblVersion->text() + u'|' + about->lblVexa2->text(),
                      "Info zu Quirlix|Version 1.1.1|Quirlix-Schule\nMusterstraße 1\n"
                      "12345 Musterstadt\nz. Hd. Projektleitung");
            EXPECT_LE((about->geometry().center() - main->geometry().center()).manhattanLength(), 4);
            press(about);
            closed = !Forms::instance().find<frmAbout>();
        });
        EXPECT_TRUE(closed);
    }
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir emptyPath;
    qputenv("PATH", QFile::encodeName(emptyPath.path()));
    QString shown;
    whileAboutIsOpen([&](frmAbout *about) {
        testing_support::whenModal([&](QWidget *box) {
            shown = box->windowTitle() + u'|' + static_cast<QMessageBox *>(box)->text();
            testing_support::clickMessageBoxButton(box, QStringLiteral("OK"));
        });
        QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
        EXPECT_EQ(Forms::instance().find<frmAbout>(), about);
    });
    qputenv("PATH", path);
    EXPECT_EQ(shown, QStringLiteral("Quirlix|Systeminformationen sind momentan nicht verfügbar"));
}

// The load step centres in single-precision twips. The links navigate (the
// mail target without the tooltip's blank, the web targets with a scheme), the
// disclaimer does nothing and the timer runs on; a refused link leaves a
// message of its own that outlives the splash.
TEST_F(Splash, TheLoadStepPlacesTheTextsTheLinksNavigateAndTheSplashEndsAfterSixtySeconds)
{
    testing_support::shoot(splash, QStringLiteral("frmSplash"));
    const std::pair<QWidget *, float> lefts[] = {
        {splash->lblTitel, 2452.5f}, {splash->lblErklaerung, 1852.5f}, {splash->LinkVexa1, 3112.5f},
        {splash->lblVexa2, 3112.5f}, {splash->lblVersion, 3052.5f},    {splash->crtMailOstrak, 3112.5f},
    };
    for (const auto &[control, left] : lefts) {
        SCOPED_TRACE(left);
        EXPECT_EQ(splash->place(control).left, left);
        EXPECT_EQ(control->x(), qRound(left / 15)) << "inside the frame, whose 120 twips are not subtracted";
    }
    EXPECT_EQ(splash->place(splash->crtMailOstrak).top, 6135.0f);
    EXPECT_EQ(splash->lblVersion->text() + u'|' + splash->lblErklaerung->text(),
              "Version 1.1.1|Ein Mathematiklernprogramm für Grundschulen\n\nAufgaben im Zahlenraum bis 20");
    const std::tuple<HyperLink *, QWidget *, const char *> rows[] = {
        {splash->LinkVexa1, splash->LinkVexa1->imgLogo, "www.quirlix-schule.example"},
        {splash->LinkVexa21, splash->LinkVexa21->Label1, "www.quirlix-schule.example"},
        {splash->LinkSprokel1, splash->LinkSprokel1->Label1, "www.foerderverein.example"},
        {splash->crtMailOstrak, splash->crtMailOstrak->Label1, "mailto: info@quirlix-schule.example"},
    };
    for (const auto &[link, shows, toolTip] : rows) {
        SCOPED_TRACE(toolTip);
        EXPECT_EQ(link->toolTip(), QString::fromUtf8(toolTip));
        EXPECT_EQ(shows->cursor().hotSpot(), QPoint(12, 1));
        clickAt(shows);
    }
    EXPECT_EQ(links.opened, QStringList({"https://www.quirlix-schule.example", "https://www.quirlix-schule.example",
                                         "https://www.foerderverein.example", "mailto:info@quirlix-schule.example"}));
    clickAt(splash->lblVexa3);
    links.refuse = true;
    clickAt(splash->crtMailOstrak->Label1);
    QPointer<QMessageBox> message = shownMessageBox();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->windowTitle() + u'|' + message->text(),
              QStringLiteral("Quirlix|Die Adresse info@quirlix-schule.example konnte nicht geöffnet werden."));
    advanceClock(59999);
    EXPECT_TRUE(stillUp());
    advanceClock(1);
    EXPECT_TRUE(ended());
    testing_support::flushClosedWindows();
    ASSERT_TRUE(message && message->isVisible());
    QTest::mouseClick(message->buttons().constFirst(), Qt::LeftButton);
    testing_support::flushClosedWindows();
    EXPECT_FALSE(message);
}

// The system's own service hands the address to the desktop's opener (here a
// script on PATH) without waiting for it. A missing or failing opener shows
// the message, its complaint going to the log; a succeeding one shows none.
TEST_F(Splash, ALinkWhoseOpenerFailsSaysSoWithoutHoldingTheWindow)
{
    platform::HyperlinkService::install(nullptr);
    static QString logged;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) { logged += text; });
    const QByteArray path = qgetenv("PATH");
    // The opener's call as "pid address"; its end handled once that process is gone.
    const auto handled = [this] {
        const QStringList call = QString::fromUtf8(folder.read(QStringLiteral("called"))).split(u' ');
        return call.value(1) == "mailto:info@quirlix-schule.example\n" && ::kill(call[0].toInt(), 0) != 0;
    };
    const std::pair<QByteArray, bool> openers[] = {
        {QByteArray(), true}, {"exit 0", false}, {"sleep 1; echo 'no method available' >&2; exit 3", true}};
    for (const auto &[body, fails] : openers) {
        SCOPED_TRACE(body.constData());
        QFile::remove(folder.file(QStringLiteral("called")));
        if (!body.isNull()) {
            folder.write(QStringLiteral("xdg-open"), "#!/bin/sh\necho \"$$ $1\" > \"${0%/*}/called\"\n" + body + "\n");
            QFile::setPermissions(folder.file(QStringLiteral("xdg-open")), QFile::ReadOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(folder.path()) + (body.isNull() ? "" : ":/usr/bin:/bin"));
        QElapsedTimer clock;
        clock.start();
        clickAt(splash->crtMailOstrak->Label1);
        EXPECT_LT(clock.elapsed(), 500);
        EXPECT_TRUE(body.isNull() || QTest::qWaitFor(handled));
        QMessageBox *box = shownMessageBox();
        EXPECT_EQ(box ? box->text() : QString(),
                  fails ? QStringLiteral("Die Adresse info@quirlix-schule.example konnte nicht geöffnet werden.") : QString());
        delete box;
    }
    qputenv("PATH", path);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(logged.contains("(xdg-open: exit code 3): no method available"));
    EXPECT_TRUE(stillUp());
}

// A click on the margin, the frame or a text, or a key that produces a
// character (each with the text the window system gives it), also while a
// link has the focus, shows the main window and ends the splash.
TEST_F(Splash, AClickOrAKeyThatProducesACharacterEndsIt)
{
    const auto key = [](Qt::Key code, const char *text, Qt::KeyboardModifiers modifiers = {}) {
        return [=] {
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), code, QString::fromLatin1(text), modifiers);
        };
    };
    const std::tuple<const char *, std::function<void()>, bool> inputs[] = {
        {"margin", [&] { clickAt(splash, {3, 3}); }, true},
        {"frame", [&] { clickAt(splash->Frame1); }, true},
        {"title", [&] { clickAt(splash->lblTitel); }, true},
        {"description", [&] { clickAt(splash->lblErklaerung); }, true},
        {"version", [&] { clickAt(splash->lblVersion); }, true},
        {"credits past the partner's name, in its link's space", [&] { clickAt(splash->lblAutoren, {400, 24}); }, true},
        {"address", [&] { clickAt(splash->lblVexa2); }, true},
        {"arrow", key(Qt::Key_Left, ""), false},
        {"Tab, which moves the focus on to the next link", key(Qt::Key_Tab, "\t"), false},
        {"Delete", key(Qt::Key_Delete, "\x7f"), false},
        {"letter", key(Qt::Key_A, "a"), true},
        {"keypad Enter", key(Qt::Key_Enter, "\r", Qt::KeypadModifier), true},
        {"Escape", key(Qt::Key_Escape, "\x1b"), true},
    };
    for (const auto &[name, input, ends] : inputs) {
        SCOPED_TRACE(name);
        splash->LinkSprokel1->setFocus();
        input();
        EXPECT_TRUE(ends ? ended() : stillUp());
        if (ends)
            start();
    }
    EXPECT_TRUE(links.opened.isEmpty());
}
