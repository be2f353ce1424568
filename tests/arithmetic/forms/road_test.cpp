#include "arithmetic/forms/frmlevel.h"
#include "arithmetic/forms/frmokay.h"
#include "arithmetic/forms/windowtesting.h"
#include "platform/clock.h"
#include "results/forms/frmHighscore.h"
#include "results/forms/registration.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "support/sqlitefile.h"

#include <QtCore/QDate>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

using namespace arithmetic_testing;
using platform::Forms;

namespace {

// The whole program's windows, on a program folder of its own.
class MainRoad : public PigGameWindows
{
protected:
    void SetUp() override
    {
        PigGameWindows::SetUp();
        registerShellForms();
        registerResultsForms();
    }

    testing_support::ProgramFolderFixture folder;
};

} // namespace

TEST_F(MainRoad, APupilPlaysThePigGameAndFindsTheResultInTheDatabaseAndTheHighscoreList)
{
    auto *start = Forms::instance().show<frmStart>();
    ASSERT_TRUE(start && QTest::qWaitForWindowExposed(start));
    QTest::mouseClick(start->Image3, Qt::LeftButton);
    auto *signIn = Forms::instance().find<frmLoginSpiele>();
    ASSERT_TRUE(signIn && QTest::qWaitForWindowExposed(signIn));
    QTest::keyClicks(signIn->txtUserName, QStringLiteral("Lena"));

    feedTask(1, 5, 2, 3, 3);
    whenModalIs<frmlevel>([](frmlevel *choice) { QTest::keyClick(choice->focusWidget(), Qt::Key_Return); });
    QTest::keyClick(signIn->txtUserName, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(start->isVisible()) << "the board takes over from the main window";
    auto *board = Forms::instance().find<frmHaupt>();
    ASSERT_TRUE(board && QTest::qWaitForWindowExposed(board));
    EXPECT_EQ(taskLine(board), QStringLiteral("(5) - (3) = []"));

    feedTask(1, 4, 1, 4, 2);
    whenModalIs<frmokay>([](frmokay *) { platform::Clock::instance().advance(4000); });
    QTest::keyClicks(board->txtErgebnis, QStringLiteral("2"));
    QTest::keyClick(board->txtErgebnis, Qt::Key_Return);
    EXPECT_EQ(taskLine(board), QStringLiteral("(4) + [] = (8)"));

    QTest::mouseClick(board->CmdEnde, Qt::LeftButton);
    ASSERT_TRUE(Forms::instance().find(QStringLiteral("frmSpeichern")));
    platform::Clock::instance().advance(2000);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    EXPECT_EQ(testing_support::SqliteFile(folder.file(QStringLiteral("Daten.mdb"))).records(),
              QStringList({QStringLiteral("Lena|2|Schweinchen|1|") + today}));
    EXPECT_FALSE(Forms::instance().find(QStringLiteral("frmSpeichern")));
    start = Forms::instance().find<frmStart>();
    ASSERT_TRUE(start && start->isVisible()) << "the save window leads back to the main window";

    start->mnuHighscore->trigger();
    auto *highscore = Forms::instance().find<frmHighscore>();
    ASSERT_TRUE(highscore);
    platform::Clock::instance().advance(1);
    EXPECT_EQ(highscore->txtName->toPlainText(), QStringLiteral("Lena"));
    EXPECT_EQ(highscore->txtPunkte->toPlainText(), QStringLiteral("2"));
    EXPECT_EQ(highscore->txtSpiel->toPlainText(), QStringLiteral("Schweinchen"));
}
