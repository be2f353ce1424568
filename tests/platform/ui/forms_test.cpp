#include "platform/clock.h"
#include "platform/form.h"
#include "platform/forms.h"
#include "platform/timer.h"
#include "support/guisupport.h"

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

class FormsTest : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        loads = 0;
        Forms::instance().registerForm<frmA>();
        Forms::instance().registerForm<frmModal>();
        Forms::instance().setOnLastClosed([this] { ++lastClosed; });
    }

    int lastClosed = 0;
};

TEST_F(FormsTest, AWindowExistsOnceHideKeepsItAndCloseStartsAfresh)
{
    frmA *form = Forms::instance().hide<frmA>();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->isVisible()) << "hiding a window that does not exist creates it hidden";
    form->edit->setText(QStringLiteral("Anna"));
    EXPECT_EQ(Forms::instance().show<frmA>(), form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->edit->text(), QStringLiteral("Anna"));
    EXPECT_EQ(loads, 1);

    Forms::instance().close<frmA>();
    EXPECT_EQ(Forms::instance().find<frmA>(), nullptr);
    testing_support::flushClosedWindows();
    EXPECT_EQ(Forms::instance().show<frmA>()->edit->text(), QString());
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(Forms::instance().show(QStringLiteral("frmUnbekannt")), nullptr);
    EXPECT_EQ(Forms::instance().count(), 1);
}

// The window is deleted later; until then no tick may reach it. The process
// ends only when no window exists, a hidden one counting.
TEST_F(FormsTest, ClosingAWindowStopsItsTimersAtOnceAndTheLastOneEndsTheProcess)
{
    frmA *form = Forms::instance().show<frmA>();
    Forms::instance().hide<frmModal>();
    form->timer->setEnabled(true);
    platform::Clock::instance().advance(1000);
    Forms::instance().close<frmA>();
    platform::Clock::instance().advance(5000);
    EXPECT_EQ(form->ticks, 1);
    EXPECT_EQ(lastClosed, 0) << "a hidden window keeps the process alive";
    Forms::instance().close<frmModal>();
    EXPECT_EQ(lastClosed, 1);
    testing_support::flushClosedWindows();
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

TEST_F(FormsTest, AModalShowBlocksTheOthersReturnsWhenTheWindowClosesAndTimersTickMeanwhile)
{
    frmA *owner = Forms::instance().show<frmA>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(owner));
    owner->timer->setEnabled(true);
    bool blocked = false;
    int ticksInside = -1;
    testing_support::whenModal([&](QWidget *modal) {
        blocked = modal == Forms::instance().find<frmModal>() && modal->windowModality() == Qt::ApplicationModal;
        platform::Clock::instance().advance(3000);
        ticksInside = owner->ticks;
        Forms::instance().close<frmModal>();
    });
    Forms::instance().showModal<frmModal>();
    EXPECT_TRUE(blocked);
    EXPECT_EQ(ticksInside, 3);
    EXPECT_EQ(Forms::instance().find<frmModal>(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
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
    EXPECT_EQ(Forms::instance().show<frmA>()->client()->size(), QSize(200, 133));
}

} // namespace
