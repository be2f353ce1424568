#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/hyperlinks.h"
#include "shell/forms/frmSplash.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/hyperlinks.h"
#include "shell/forms/registration.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QPointer>
#include <QtCore/QUrl>
#include <QtWidgets/QMessageBox>
#include <QtTest/QTest>

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
        testing_support::resetWindows();
    }
    // The program's start: the splash and nothing else.
    void start()
    {
        Forms::instance().setOnLastClosed({});
        testing_support::resetWindows();
        registerShellForms();
        processEnded = 0;
        Forms::instance().setOnLastClosed([this] { ++processEnded; });
        splash = Forms::instance().show<frmSplash>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
    }
    // A click as a user makes it: at a point of the window, on whatever lies on top there.
    void clickAt(QWidget *control, QPoint at = {4, 4})
    {
        QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, control->mapTo(splash, at));
    }
    void expectEnded()
    {
        EXPECT_FALSE(Forms::instance().find<frmSplash>());
        frmStart *main = Forms::instance().find<frmStart>();
        EXPECT_TRUE(main && main->isVisible());
        EXPECT_EQ(processEnded, 0) << "the process must never be without a window";
    }
    void expectStillUp() { EXPECT_TRUE(Forms::instance().find<frmSplash>() && !Forms::instance().find<frmStart>()); }

    testing_support::ProgramFolderFixture folder;
    RecordingLinks links;
    frmSplash *splash = nullptr;
    int processEnded = 0;
};

TEST_F(Splash, WithoutInputTheMainWindowComesAfterSixtySeconds)
{
    testing_support::shoot(splash, QStringLiteral("frmSplash"));
    advanceClock(59999);
    expectStillUp();
    advanceClock(1);
    expectEnded();
}

TEST_F(Splash, AClickOnTheMarginTheFrameOrTheTextsEndsIt)
{
    for (int row = 0; row < 8; ++row) {
        const std::tuple<const char *, QWidget *, QPoint> clicks[] = {
            {"margin", splash, {3, 3}},
            {"frame", splash->Frame1, {4, 4}},
            {"title", splash->lblTitel, {4, 4}},
            {"description", splash->lblErklaerung, {4, 4}},
            {"version", splash->lblVersion, {4, 4}},
            {"credits", splash->lblAutoren, {4, 4}},
            {"credits past the partner's name, in its link's space", splash->lblAutoren, {400, 24}},
            {"address", splash->lblVexa2, {4, 4}},
        };
        const auto &[where, control, at] = clicks[row];
        SCOPED_TRACE(where);
        clickAt(control, at);
        expectEnded();
        start();
    }
    EXPECT_TRUE(links.opened.isEmpty());
}

TEST_F(Splash, TheLinksNavigateAndTheDisclaimerDoesNothingWhileTheTimerRunsOn)
{
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
    // The mail link's target has no blank after the colon; web targets get a scheme.
    EXPECT_EQ(links.opened, QStringList({"https://www.quirlix-schule.example", "https://www.quirlix-schule.example",
                                         "https://www.foerderverein.example", "mailto:info@quirlix-schule.example"}));
    const QImage hand = linkCursor().pixmap().toImage();
    EXPECT_TRUE(qAlpha(hand.pixel(12, 1)) > 128 && qAlpha(hand.pixel(12, 0)) == 0) << "the fingertip is the hot spot";

    clickAt(splash->lblVexa3);
    expectStillUp();
    advanceClock(60000);
    expectEnded();
}

TEST_F(Splash, AKeyThatProducesACharacterEndsItAlsoWhileALinkHasTheFocus)
{
    // Each key with the text the window system gives it.
    const std::tuple<const char *, Qt::Key, const char *, Qt::KeyboardModifiers, bool> keys[] = {
        {"arrow", Qt::Key_Left, "", Qt::NoModifier, false},
        {"F1", Qt::Key_F1, "", Qt::NoModifier, false},
        {"Shift alone", Qt::Key_Shift, "", Qt::ShiftModifier, false},
        {"Tab", Qt::Key_Tab, "\t", Qt::NoModifier, false},
        {"Delete", Qt::Key_Delete, "\x7f", Qt::NoModifier, false},
        {"letter", Qt::Key_A, "a", Qt::NoModifier, true},
        {"Enter", Qt::Key_Return, "\r", Qt::NoModifier, true},
        {"keypad Enter", Qt::Key_Enter, "\r", Qt::KeypadModifier, true},
        {"Escape", Qt::Key_Escape, "\x1b", Qt::NoModifier, true},
        {"Backspace", Qt::Key_Backspace, "\b", Qt::NoModifier, true},
    };
    for (const auto &[name, key, text, modifiers, ends] : keys) {
        SCOPED_TRACE(name);
        splash->LinkSprokel1->setFocus();
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, QString::fromLatin1(text), modifiers);
        if (!ends) {
            expectStillUp();
            continue;
        }
        expectEnded();
        start();
    }
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
    EXPECT_EQ(splash->lblTitel->text(), QStringLiteral("Quirlix"));
    EXPECT_EQ(splash->lblVersion->text(), QStringLiteral("Version 1.1.1"));
    EXPECT_EQ(splash->lblErklaerung->text().split(u'\n'),
              QStringList({"Ein Mathematiklernprogramm für Grundschulen", "", "Aufgaben im Zahlenraum bis 20"}));
    EXPECT_EQ(splash->lblVexa2->text().split(u'\n'),
              QStringList({"Musterstraße 1", "12345 Musterstadt", "z. Hd. Projektleitung"}));
}

TEST_F(Splash, ARefusedLinkLeavesAMessageOfItsOwnThatOutlivesTheSplash)
{
    links.refuse = true;
    clickAt(splash->crtMailOstrak->Label1);
    QPointer<QMessageBox> message = shownMessageBox();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text(),
              QStringLiteral("Die Adresse info@quirlix-schule.example konnte nicht geöffnet werden."));
    EXPECT_EQ(message->windowTitle(), QStringLiteral("Quirlix"));
    advanceClock(60000);
    expectEnded();
    testing_support::flushClosedWindows();
    ASSERT_TRUE(message && message->isVisible());
    QTest::mouseClick(message->buttons().constFirst(), Qt::LeftButton);
    testing_support::flushClosedWindows();
    EXPECT_FALSE(message);
}

} // namespace
