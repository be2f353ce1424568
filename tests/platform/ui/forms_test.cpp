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

// A plain window of the registry's own, shown modal or hidden.
const QString kOther = QStringLiteral("frmModal");

class FormsTest : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        loads = 0;
        Forms::instance().registerForm<frmA>();
        testing_support::registerStandIn(kOther);
        Forms::instance().setOnLastClosed([this] { ++lastClosed; });
    }

    int lastClosed = 0;
};

// A window exists once: hiding one that does not exist creates it hidden,
// showing it again keeps what it holds, closing it starts afresh. The window
// system's close request closes only a window with a close box. A closed
// window is deleted later, but no tick reaches it after the close; the
// process ends only when no window is left, a hidden one counting.
TEST_F(FormsTest, AWindowExistsOnceAndClosingItStopsItsTimersAtOnce)
{
    frmA *form = Forms::instance().hide<frmA>();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->isVisible());
    form->edit->setText(QStringLiteral("Anna"));
    EXPECT_EQ(Forms::instance().show<frmA>(), form);
    form->close();
    EXPECT_TRUE(form->isVisible()) << "no close box";
    EXPECT_EQ(form->edit->text(), QStringLiteral("Anna"));
    EXPECT_EQ(form->client()->size(), QSize(200, 133)) << "fifteen twips a pixel";
    form->timer->setEnabled(true);
    Forms::instance().hide(kOther);
    platform::Clock::instance().advance(1000);
    form->setBorder(Form::Border::FixedSingle, /*closeBox=*/true);
    form->close();
    EXPECT_EQ(Forms::instance().find<frmA>(), nullptr);
    platform::Clock::instance().advance(5000);
    EXPECT_EQ(form->ticks, 1);
    testing_support::flushClosedWindows();
    EXPECT_EQ(Forms::instance().show<frmA>()->edit->text(), QString());
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(Forms::instance().show(QStringLiteral("frmUnbekannt")), nullptr);
    EXPECT_EQ(Forms::instance().count(), 2);
    Forms::instance().close<frmA>();
    EXPECT_EQ(lastClosed, 0) << "a hidden window keeps the process alive";
    Forms::instance().close(kOther);
    EXPECT_EQ(lastClosed, 1);
}

// A dialog kept hidden only to show its entries again (the password change
// after "Abbrechen") must not keep an invisible process running; a window
// without the mark, hidden or not, still does.
TEST_F(FormsTest, AHiddenWindowMarkedNotToKeepTheProcessAliveGoesWithTheLastOther)
{
    Forms::instance().hide<frmA>();
    Forms::instance().show(kOther)->setKeepsProcessAliveWhenHidden(false);
    EXPECT_NE(Forms::instance().hide(kOther), nullptr);
    EXPECT_EQ(lastClosed, 0);
    Forms::instance().close<frmA>();
    EXPECT_EQ(Forms::instance().find(kOther), nullptr);
    EXPECT_EQ(lastClosed, 1);

    Forms::instance().show(kOther)->setKeepsProcessAliveWhenHidden(false);
    EXPECT_EQ(lastClosed, 1) << "visible, it keeps the process alive";
    EXPECT_EQ(Forms::instance().hide(kOther), nullptr);
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
        blocked = modal == Forms::instance().find(kOther) && modal->windowModality() == Qt::ApplicationModal;
        platform::Clock::instance().advance(3000);
        ticksInside = owner->ticks;
        Forms::instance().close(kOther);
    });
    Forms::instance().showModal(kOther);
    EXPECT_TRUE(blocked);
    EXPECT_EQ(ticksInside, 3);
    EXPECT_EQ(Forms::instance().find(kOther), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
