#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/timer.h"
#include "linktesting.h"
#include "shell/forms/frmSplash.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/hyperlinks.h"
#include "shell/forms/registration.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtCore/QPointer>
#include <QtWidgets/QMessageBox>

#include <functional>

using platform::Forms;
using testing_support::advanceClock;

namespace {

class Splash : public ::testing::Test
{
protected:
    void SetUp() override { start(); }
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
    void TearDown() override
    {
        while (QMessageBox *message = shownMessageBox())
            delete message;
        testing_support::resetWindows();
    }

    static bool splashUp() { return Forms::instance().find<frmSplash>() != nullptr; }
    static bool mainShown()
    {
        frmStart *main = Forms::instance().find<frmStart>();
        return main && main->isVisible();
    }
    // A click where a user would click: at a point of the window, on
    // whatever control lies on top there.
    void clickAt(QWidget *control, QPoint at)
    {
        QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, control->mapTo(splash, at));
    }
    void clickOn(QWidget *control) { clickAt(control, QPoint(4, 4)); }
    void expectEnded()
    {
        EXPECT_FALSE(splashUp());
        EXPECT_TRUE(mainShown());
        EXPECT_EQ(processEnded, 0) << "the process must never be without a window";
    }
    void expectStillUp()
    {
        EXPECT_TRUE(splashUp());
        EXPECT_FALSE(Forms::instance().find<frmStart>());
    }

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
    EXPECT_TRUE(splash->isVisible());
    advanceClock(1);
    expectEnded();
}

TEST_F(Splash, AClickOnTheFrameTheMarginOrOneOfFiveLabelsEndsIt)
{
    const std::vector<std::pair<const char *, std::function<void()>>> clicks = {
        {"margin", [&] { QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, QPoint(3, 3)); }},
        {"frame", [&] { clickOn(splash->Frame1); }},
        {"lblTitel", [&] { clickOn(splash->lblTitel); }},
        {"lblErklaerung", [&] { clickOn(splash->lblErklaerung); }},
        {"lblVersion", [&] { clickOn(splash->lblVersion); }},
        {"lblAutoren", [&] { clickOn(splash->lblAutoren); }},
        {"lblVexa2", [&] { clickOn(splash->lblVexa2); }},
    };
    for (const auto &[where, click] : clicks) {
        SCOPED_TRACE(where);
        click();
        expectEnded();
        EXPECT_TRUE(links.opened.isEmpty());
        start();
    }
}

TEST_F(Splash, AClickOnTheDisclaimerDoesNothing)
{
    clickOn(splash->lblVexa3);
    expectStillUp();
    EXPECT_TRUE(links.opened.isEmpty());
}

TEST_F(Splash, AClickOnALinkOpensItsTargetAndTheSplashStaysUntilItsTimer)
{
    clickOn(splash->LinkVexa1);
    clickOn(splash->LinkVexa21);
    clickOn(splash->LinkSprokel1);
    clickOn(splash->crtMailOstrak);
    EXPECT_EQ(links.opened, QStringList({"https://www.quirlix-schule.example", "https://www.quirlix-schule.example",
                                         "https://www.foerderverein.example", "mailto:info@quirlix-schule.example"}));
    expectStillUp();
    advanceClock(60000);
    expectEnded();
}

TEST_F(Splash, AKeyThatProducesACharacterEndsItAlsoWhileALinkHasTheFocus)
{
    struct Key
    {
        const char *name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool ends;
    };
    const Key keys[] = {
        {"arrow", Qt::Key_Left, Qt::NoModifier, false},
        {"F1", Qt::Key_F1, Qt::NoModifier, false},
        {"Shift alone", Qt::Key_Shift, Qt::ShiftModifier, false},
        {"Tab", Qt::Key_Tab, Qt::NoModifier, false},
        {"letter", Qt::Key_A, Qt::NoModifier, true},
        {"digit", Qt::Key_7, Qt::NoModifier, true},
        {"Enter", Qt::Key_Return, Qt::NoModifier, true},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, true},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, true},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, true},
    };
    for (const Key &k : keys) {
        SCOPED_TRACE(k.name);
        splash->LinkSprokel1->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), splash->LinkSprokel1);
        QTest::keyClick(splash->LinkSprokel1, k.key, k.modifiers);
        if (!k.ends) {
            expectStillUp();
            continue;
        }
        expectEnded();
        EXPECT_TRUE(links.opened.isEmpty());
        start();
    }
}

TEST_F(Splash, TheLoadStepCentresInSinglePrecisionTwipsWithoutTheFrameEdge)
{
    struct Left
    {
        const char *control;
        const QWidget *widget;
        float left;
    };
    const Left lefts[] = {
        {"lblTitel", splash->lblTitel, 2452.5f},           {"lblErklaerung", splash->lblErklaerung, 1852.5f},
        {"LinkVexa1", splash->LinkVexa1, 3112.5f},         {"lblVexa2", splash->lblVexa2, 3112.5f},
        {"lblVersion", splash->lblVersion, 3052.5f},       {"crtMailOstrak", splash->crtMailOstrak, 3112.5f},
    };
    for (const Left &l : lefts) {
        SCOPED_TRACE(l.control);
        EXPECT_EQ(splash->place(l.widget).left, l.left);
        // 15 twips a pixel, half pixels rounded up.
        EXPECT_EQ(l.widget->x(), static_cast<int>(l.left / 15 + 0.5f));
    }
    EXPECT_EQ(splash->place(splash->crtMailOstrak).top, 6135.0f);
    EXPECT_EQ(splash->crtMailOstrak->y(), 409);
}

TEST_F(Splash, ShowsVersionDescriptionAndAddressAsTheLoadStepSetsThem)
{
    EXPECT_EQ(splash->lblTitel->text(), QStringLiteral("Quirlix"));
    EXPECT_EQ(splash->lblVersion->text(), QStringLiteral("Version 1.1.1"));
    EXPECT_EQ(splash->lblErklaerung->text().split(u'\n'),
              QStringList({"Ein Mathematiklernprogramm für Grundschulen", "", "Aufgaben im Zahlenraum bis 20"}));
    EXPECT_EQ(splash->lblVexa2->text().split(u'\n'),
              QStringList({"Musterstraße 1", "12345 Musterstadt", "z. Hd. Projektleitung"}));
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash->size(), QSize(656, 475));
}

TEST_F(Splash, ARefusedLinkLeavesAMessageOfItsOwnThatOutlivesTheSplash)
{
    links.refuse = true;
    clickOn(splash->LinkVexa21);
    QPointer<QMessageBox> message = shownMessageBox();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text(), QStringLiteral("Die Adresse www.quirlix-schule.example konnte nicht geöffnet werden."));
    EXPECT_EQ(message->windowTitle(), QStringLiteral("Quirlix"));
    EXPECT_EQ(message->parentWidget(), nullptr);
    expectStillUp();

    advanceClock(60000);
    expectEnded();
    testing_support::flushClosedWindows();
    ASSERT_TRUE(message && message->isVisible());
    QTest::mouseClick(message->buttons().constFirst(), Qt::LeftButton);
    testing_support::flushClosedWindows();
    EXPECT_FALSE(message);
}

} // namespace
