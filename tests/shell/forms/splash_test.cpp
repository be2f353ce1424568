#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/hyperlinks.h"
#include "shell/forms/frmSplash.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/hyperlinks.h"
#include "shell/forms/registration.h"
#include "support/guisupport.h"

#include <QtCore/QPointer>
#include <QtCore/QUrl>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMessageBox>

using platform::Forms;
using testing_support::advanceClock;

namespace {

// Stands in for the system's hyperlink service while it lives: keeps every
// address handed to it, and refuses them all when told to.
struct RecordingLinks : platform::HyperlinkService
{
    RecordingLinks() { install(this); }
    ~RecordingLinks() override { install(nullptr); }
    bool navigate(const QUrl &url) override
    {
        opened << url.toString();
        return !refuse;
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
        Forms::instance().setOnLastClosed({});
        testing_support::resetWindows();
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
    static bool stillUp() { return Forms::instance().find<frmSplash>() && !Forms::instance().find<frmStart>(); }
    static bool ended()
    {
        const frmStart *main = Forms::instance().find<frmStart>();
        return !Forms::instance().find<frmSplash>() && main && main->isVisible();
    }

    testing_support::ProgramFolderFixture folder;
    RecordingLinks links;
    frmSplash *splash = nullptr;
};

// The links navigate (the mail target without the tooltip's blank, the web
// targets with a scheme), the disclaimer does nothing and the timer runs on;
// a refused link leaves a message of its own that outlives the splash.
TEST_F(Splash, TheLinksNavigateAndTheSplashEndsAfterSixtySecondsLeavingARefusedLinksMessage)
{
    testing_support::shoot(splash, QStringLiteral("frmSplash"));
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
    const QImage hand = linkCursor().pixmap().toImage();
    EXPECT_TRUE(qAlpha(hand.pixel(12, 1)) > 128 && qAlpha(hand.pixel(12, 0)) == 0) << "the fingertip is the hot spot";
    clickAt(splash->lblVexa3);

    links.refuse = true;
    clickAt(splash->crtMailOstrak->Label1);
    QPointer<QMessageBox> message = shownMessageBox();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text(),
              QStringLiteral("Die Adresse info@quirlix-schule.example konnte nicht geöffnet werden."));
    EXPECT_EQ(message->windowTitle(), QStringLiteral("Quirlix"));
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

// A click on the margin, the frame or a text, or a key that produces a
// character (each with the text the window system gives it), also while a
// link has the focus, shows the main window and ends the splash.
TEST_F(Splash, AClickOrAKeyThatProducesACharacterEndsIt)
{
    const auto key = [](Qt::Key code, const char *text, Qt::KeyboardModifiers modifiers = {}) {
        return std::function<void()>([=] {
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), code, QString::fromLatin1(text), modifiers);
        });
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
        {"Shift", key(Qt::Key_Shift, "", Qt::ShiftModifier), false},
        {"Tab", key(Qt::Key_Tab, "\t"), false},
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

TEST_F(Splash, TheLoadStepCentresInSinglePrecisionTwipsAndSetsTheTexts)
{
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
    EXPECT_EQ(QStringList({splash->lblTitel->text(), splash->lblVersion->text(), splash->lblErklaerung->text(),
                           splash->lblVexa2->text()}),
              QStringList({"Quirlix", "Version 1.1.1",
                           "Ein Mathematiklernprogramm für Grundschulen\n\nAufgaben im Zahlenraum bis 20",
                           "Musterstraße 1\n12345 Musterstadt\nz. Hd. Projektleitung"}));
}

} // namespace
