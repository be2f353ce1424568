#include "platform/clock.h"
#include "platform/form.h"
#include "platform/forms.h"
#include "platform/timer.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

using platform::Form;
using platform::Forms;

namespace {

int loads = 0;

class frmA : public Form
{
    QUIRLIX_FORM(frmA)
public:
    frmA()
        : Form(staticName())
        , edit(new QLineEdit(client()))
        , timer(new platform::Timer(1000, this))
    {
        setClientSizeTwips(3000, 2000);
        QObject::connect(timer, &platform::Timer::tick, [this] { ++ticks; });
    }
    void Form_Load() override { ++loads; }

    QLineEdit *edit;
    platform::Timer *timer;
    int ticks = 0;
};

class frmModal : public Form
{
    QUIRLIX_FORM(frmModal)
public:
    frmModal()
        : Form(staticName())
    {
        setClientSizeTwips(2000, 1000);
    }
};

// A window whose load step shows another window modally, as the pig board
// asks for the level while it opens.
class frmAsksWhileLoading : public Form
{
    QUIRLIX_FORM(frmAsksWhileLoading)
public:
    frmAsksWhileLoading()
        : Form(staticName())
    {
    }
    void Form_Load() override
    {
        foundItselfWhileLoading = Forms::instance().find<frmAsksWhileLoading>() == this;
        Forms::instance().showModal<frmModal>();
        loadFinished = true;
    }
    bool foundItselfWhileLoading = false;
    bool loadFinished = false;
};

class FormsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        platform::Clock::instance().reset();
        loads = 0;
        Forms::instance().registerForm<frmA>();
        Forms::instance().registerForm<frmModal>();
        Forms::instance().registerForm<frmAsksWhileLoading>();
        Forms::instance().setOnLastClosed([this] { ++lastClosed; });
    }
    void TearDown() override { testing_support::resetWindows(); }

    int lastClosed = 0;
};

TEST_F(FormsTest, ASecondShowOnlyRaisesTheOneInstance)
{
    frmA *first = Forms::instance().show<frmA>();
    first->edit->setText(QStringLiteral("Anna"));
    frmA *second = Forms::instance().show<frmA>();
    EXPECT_EQ(first, second);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(second->edit->text(), QStringLiteral("Anna"));
    EXPECT_TRUE(second->isVisible());
}

TEST_F(FormsTest, HideKeepsTheWindowWithItsStateAndCloseStartsAfresh)
{
    frmA *form = Forms::instance().show<frmA>();
    form->edit->setText(QStringLiteral("Ben"));
    Forms::instance().hide<frmA>();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Forms::instance().show<frmA>()->edit->text(), QStringLiteral("Ben"));

    Forms::instance().close<frmA>();
    EXPECT_EQ(Forms::instance().find<frmA>(), nullptr);
    testing_support::flushClosedWindows();
    EXPECT_EQ(Forms::instance().show<frmA>()->edit->text(), QString());
    EXPECT_EQ(loads, 2);
}

TEST_F(FormsTest, HidingAWindowThatDoesNotExistCreatesItHidden)
{
    frmA *form = Forms::instance().hide<frmA>();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(loads, 1);
}

TEST_F(FormsTest, AWindowThatIsNotRegisteredIsNeverShown)
{
    EXPECT_EQ(Forms::instance().show(QStringLiteral("frmUnbekannt")), nullptr);
    EXPECT_EQ(Forms::instance().count(), 0);
}

TEST_F(FormsTest, TheProcessEndsOnlyWhenNoWindowExistsHiddenOnesCounting)
{
    Forms::instance().show<frmA>();
    Forms::instance().hide<frmModal>();
    Forms::instance().close<frmA>();
    EXPECT_EQ(lastClosed, 0) << "a hidden window keeps the process alive";
    Forms::instance().close<frmModal>();
    EXPECT_EQ(lastClosed, 1);
}

// A dialog kept hidden only to show its entries again (the password change
// after "Abbrechen") must not keep an invisible process running; a window
// without the mark, hidden or not, still does.
TEST_F(FormsTest, AHiddenWindowMarkedNotToKeepTheProcessAliveGoesWithTheLastOther)
{
    Forms::instance().hide<frmA>();
    Forms::instance().show<frmModal>()->setKeepsProcessAliveWhenHidden(false);
    EXPECT_NE(Forms::instance().hide<frmModal>(), nullptr);
    EXPECT_EQ(lastClosed, 0);
    Forms::instance().close<frmA>();
    EXPECT_EQ(Forms::instance().find<frmModal>(), nullptr);
    EXPECT_EQ(lastClosed, 1);

    Forms::instance().show<frmModal>()->setKeepsProcessAliveWhenHidden(false);
    EXPECT_EQ(lastClosed, 1) << "visible, it keeps the process alive";
    EXPECT_EQ(Forms::instance().hide<frmModal>(), nullptr);
    EXPECT_EQ(lastClosed, 2);
}

TEST_F(FormsTest, ClosingAWindowStopsItsTimersAtOnce)
{
    frmA *form = Forms::instance().show<frmA>();
    form->timer->setEnabled(true);
    platform::Clock::instance().advance(1000);
    EXPECT_EQ(form->ticks, 1);
    Forms::instance().close<frmA>();
    // The window is deleted later; until then no tick may reach it.
    platform::Clock::instance().advance(5000);
    EXPECT_EQ(form->ticks, 1);
    testing_support::flushClosedWindows();
}

TEST_F(FormsTest, AModalShowWaitsUntilTheWindowClosesAndBlocksTheOthers)
{
    frmA *owner = Forms::instance().show<frmA>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(owner));
    bool blockedWhileOpen = false;
    testing_support::whenModal([&](QWidget *modal) {
        blockedWhileOpen = modal == Forms::instance().find<frmModal>() && QApplication::activeModalWidget() == modal;
        Forms::instance().close<frmModal>();
    });
    Forms::instance().showModal<frmModal>();
    EXPECT_TRUE(blockedWhileOpen);
    EXPECT_EQ(Forms::instance().find<frmModal>(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(FormsTest, TimersTickWhileAModalWindowIsOpen)
{
    frmA *form = Forms::instance().show<frmA>();
    form->timer->setEnabled(true);
    int ticksSeenInside = -1;
    testing_support::whenModal([&](QWidget *) {
        platform::Clock::instance().advance(3000);
        ticksSeenInside = form->ticks;
        Forms::instance().close<frmModal>();
    });
    Forms::instance().showModal<frmModal>();
    EXPECT_EQ(ticksSeenInside, 3);
}

TEST_F(FormsTest, ALoadStepThatShowsAModalWindowFindsItsWindowRegisteredAndFinishesFirst)
{
    testing_support::whenModal([](QWidget *) { Forms::instance().close<frmModal>(); });
    auto *form = Forms::instance().show<frmAsksWhileLoading>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->foundItselfWhileLoading);
    EXPECT_TRUE(form->loadFinished);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(FormsTest, TheWindowSystemsCloseRequestIsIgnoredWithoutACloseBox)
{
    frmA *form = Forms::instance().show<frmA>();
    form->close();
    EXPECT_EQ(Forms::instance().find<frmA>(), form);
    EXPECT_TRUE(form->isVisible());
    form->setBorder(Form::Border::FixedSingle, /*closeBox=*/true);
    form->close();
    EXPECT_EQ(Forms::instance().find<frmA>(), nullptr);
}

TEST_F(FormsTest, ClientSizeIsGivenInTwipsAtFifteenTwipsAPixel)
{
    frmA *form = Forms::instance().show<frmA>();
    EXPECT_EQ(form->client()->size(), QSize(200, 133));
}

} // namespace
