#include "arithmetic/forms/frmlevel.h"
#include "arithmetic/forms/frmokay.h"
#include "arithmetic/forms/windowtesting.h"
#include "memory/mdlmodul.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"

#include <QtWidgets/QPushButton>

using namespace arithmetic_testing;
using platform::Forms;

namespace {

// The save window belongs to the results store; the road only has to reach
// it by name.
class SaveWindowStandIn : public platform::Form
{
    QUIRLIX_FORM(frmSpeichern)
public:
    SaveWindowStandIn()
        : Form(staticName())
    {
        setClientSizeTwips(1500, 1000);
    }
};

class MainRoad : public PigGameWindows
{
protected:
    void SetUp() override
    {
        PigGameWindows::SetUp();
        registerShellForms();
        Forms::instance().registerForm<SaveWindowStandIn>();
    }
};

} // namespace

TEST_F(MainRoad, APupilChoosesThePigGameSignsInPlaysAndEndsAtTheSaveWindow)
{
    auto *start = Forms::instance().show<frmStart>();
    ASSERT_TRUE(start && QTest::qWaitForWindowExposed(start));
    QTest::mouseClick(start->Image3, Qt::LeftButton);
    EXPECT_EQ(modVar.SpielName, QStringLiteral("Schweinchen"));
    EXPECT_EQ(Mdlmodul.AnzahlSpieler, 1);

    auto *signIn = Forms::instance().find<frmLoginSpiele>();
    ASSERT_TRUE(signIn && QTest::qWaitForWindowExposed(signIn));
    QTest::keyClicks(signIn->txtUserName, QStringLiteral("Lena"));

    feedTask(1, 5, 2, 3, 3);
    whenModalIs<frmlevel>([](frmlevel *choice) { QTest::mouseClick(choice->cmdLevel1, Qt::LeftButton); });
    QTest::mouseClick(signIn->cmdOK, Qt::LeftButton);
    testing_support::flushClosedWindows();

    EXPECT_FALSE(Forms::instance().find<frmLoginSpiele>());
    EXPECT_FALSE(start->isVisible()) << "the main window stays visible behind the board";
    auto *board = Forms::instance().find<frmHaupt>();
    ASSERT_TRUE(board && QTest::qWaitForWindowExposed(board));
    EXPECT_EQ(taskLine(board), QStringLiteral("(5) - (3) = []"));

    feedTask(1, 4, 1, 4, 2);
    whenModalIs<frmokay>([](frmokay *) { platform::Clock::instance().advance(4000); });
    QTest::keyClicks(board->txtErgebnis, QStringLiteral("2"));
    QTest::keyClick(board->txtErgebnis, Qt::Key_Return);
    EXPECT_EQ(taskLine(board), QStringLiteral("(4) + [] = (8)"));
    EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("2 Punkte"));

    QTest::mouseClick(board->CmdEnde, Qt::LeftButton);
    EXPECT_EQ(modVar.SpielerName, QStringLiteral("Lena"));
    EXPECT_EQ(modVar.SpielerPunkte, 2);
    EXPECT_EQ(modVar.SpielLevel, 1);
    EXPECT_EQ(modVar.SpielName, QStringLiteral("Schweinchen"));
    EXPECT_TRUE(Forms::instance().find(QStringLiteral("frmSpeichern")));
    EXPECT_FALSE(Forms::instance().find<frmHaupt>());
}
