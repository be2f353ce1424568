#include "arithmetic/forms/frmAnleitung.h"
#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/frmInfo.h"
#include "arithmetic/forms/frmfalsch.h"
#include "arithmetic/forms/frmfehler.h"
#include "arithmetic/forms/frmlevel.h"
#include "arithmetic/forms/frmokay.h"
#include "arithmetic/forms/windowtesting.h"
#include "platform/clock.h"
#include "state/modvar.h"

#include <QtGui/QAction>
#include <QtWidgets/QPushButton>

using namespace arithmetic_testing;
using platform::Forms;
using testing_support::shoot;

namespace {

class Board : public PigGameWindows
{
protected:
    void SetUp() override
    {
        PigGameWindows::SetUp();
        // The save window belongs to the results store; here it only has to
        // be there to be shown by name.
        testing_support::registerStandIn(QStringLiteral("frmSpeichern"));
    }

    // Shows the board as the sign-in does and picks the level in the level
    // choice that it opens: by a click, or (leicht) by Enter on the button
    // that has the focus when the choice opens.
    frmHaupt *openBoard(int level, bool byEnter = false)
    {
        bool boardHiddenDuringChoice = false;
        whenModalIs<frmlevel>([&](frmlevel *choice) {
            const frmHaupt *board = Forms::instance().find<frmHaupt>();
            boardHiddenDuringChoice = board && !board->isVisible();
            shoot(choice, QStringLiteral("frmlevel"));
            platform::PictureButton *buttons[] = {choice->cmdLevel1, choice->cmdLevel2, choice->cmdLevel3};
            if (byEnter) {
                EXPECT_EQ(choice->focusWidget(), choice->cmdLevel1);
                QTest::keyClick(choice->focusWidget(), Qt::Key_Return);
            } else {
                QTest::mouseClick(buttons[level - 1], Qt::LeftButton);
            }
        });
        auto *board = static_cast<frmHaupt *>(Forms::instance().show(QStringLiteral("frmHaupt")));
        EXPECT_TRUE(boardHiddenDuringChoice) << "the board showed before its first task was drawn";
        if (board) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(board));
        }
        return board;
    }

    static void typeAnswer(QLineEdit *box, const QString &text)
    {
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    static void endGame(frmHaupt *board)
    {
        QTest::mouseClick(board->CmdEnde, Qt::LeftButton);
        Forms::instance().close(QStringLiteral("frmSpeichern"));
        testing_support::flushClosedWindows();
    }

    // Closes a feedback window the way the pupil chooses; Enter from the
    // numeric keypad, as the manual advises.
    enum class Close { Click, Enter, Timer };
    template<class W>
    static void closeFeedback(W *window, QWidget *picture, Close how)
    {
        switch (how) {
        case Close::Click:
            QTest::mouseClick(picture, Qt::LeftButton);
            break;
        case Close::Enter:
            EXPECT_EQ(window->focusWidget(), picture);
            QTest::keyClick(window->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Close::Timer:
            platform::Clock::instance().advance(3999);
            EXPECT_TRUE(Forms::instance().find<W>()) << "closed before 4000 ms";
            platform::Clock::instance().advance(1);
            break;
        }
    }

    static constexpr std::pair<const char *, Close> closeWays[] = {
        {"click", Close::Click}, {"keypad Enter", Close::Enter}, {"timer", Close::Timer}};
};

QString allPigs(const frmHaupt *board)
{
    return pigs(board->imgSchwein1) + u'|' + pigs(board->imgSchwein2) + u'|' + pigs(board->imgSchwein3);
}

} // namespace

TEST_F(Board, TheLevelChoiceDrawsTheFirstTaskOfItsLevelAndTheBoardShowsItWithPigsAndTheSoughtBoxFocused)
{
    struct Row
    {
        const char *name;
        int level;
        bool byEnter;
        int a, rechenart, b, gesucht;
        const char *line;
        const char *pigs;
    };
    // The same draws give different tasks at each level.
    const Row rows[] = {
        {"Enter on leicht", 1, true, 6, 1, 3, 1, "[] + (3) = (9)",
         ".... .... .... .... ....|###. .... .... .... ....|#### #### #... .... ...."},
        {"mittel", 2, false, 14, 1, 5, 2, "(14) + [] = (19)",
         "#### #### #### ##.. ....|.... .... .... .... ....|#### #### #### #### ###."},
        {"schwer", 3, false, 8, 1, 9, 3, "(8) + (9) = []",
         "#### #### .... .... ....|#### #### #... .... ....|.... .... .... .... ...."},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        feedTask(row.level, row.a, row.rechenart, row.b, row.gesucht);
        frmHaupt *board = openBoard(row.level, row.byEnter);
        ASSERT_TRUE(board);
        EXPECT_EQ(taskLine(board), QLatin1String(row.line));
        EXPECT_EQ(allPigs(board), QLatin1String(row.pigs));
        QLineEdit *sought[] = {board->txtOperator1, board->txtOperator2, board->txtErgebnis};
        EXPECT_EQ(board->focusWidget(), sought[row.gesucht - 1]);
        EXPECT_EQ(Variablen.RechenLevel, row.level);
        endGame(board);
    }
}

// The wrong answer keeps the task, which then earns one point; the right one
// shows the next task with its pigs. Each window closes by a click, by Enter
// from the keypad or after 4000 ms.
TEST_F(Board, AWrongAnswerKeepsTheTaskAndTheRightOneShowsTheNextWhicheverWayTheirWindowsClose)
{
    for (const auto &[name, how] : closeWays) {
        SCOPED_TRACE(name);
        feedTask(3, 12, 1, 5, 3);
        frmHaupt *board = openBoard(3);
        ASSERT_TRUE(board);

        whenModalIs<frmfalsch>([&, how = how](frmfalsch *wrong) {
            shoot(wrong, QStringLiteral("frmfalsch"));
            closeFeedback(wrong, wrong->picfalsch, how);
        });
        QTest::keyClicks(board->txtErgebnis, QStringLiteral("16"));
        QTest::mouseClick(board->cmdauswerten, Qt::LeftButton);
        EXPECT_EQ(taskLine(board), QStringLiteral("(12) + (5) = []"));
        EXPECT_EQ(board->focusWidget(), board->txtErgebnis);

        feedTask(3, 9, 2, 2, 1); // the next task
        whenModalIs<frmokay>([&, how = how](frmokay *okay) {
            shoot(okay, QStringLiteral("frmokay"));
            closeFeedback(okay, okay->picokay, how);
        });
        typeAnswer(board->txtErgebnis, QStringLiteral("17"));
        EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("1 Punkt"));
        EXPECT_EQ(taskLine(board), QStringLiteral("[] - (2) = (7)"));
        EXPECT_EQ(allPigs(board), QStringLiteral(".... .... .... .... ....|##.. .... .... .... ....|"
                                                 "#### ###. .... .... ...."));
        EXPECT_EQ(board->focusWidget(), board->txtOperator1);
        QTest::keyClicks(board->txtOperator1, QStringLiteral("9"));
        shoot(board, QStringLiteral("frmHaupt"));
        endGame(board);
    }
}

// The input-error window has no timer; OK! closes it by a click or by Enter.
// Enter in a box judges the sought box, also in a locked one.
TEST_F(Board, ATextThatIsNoNumberOpensTheInputErrorWindowWhichWaitsForOkAndCostsNoPoint)
{
    feedTask(2, 15, 2, 3, 3);
    frmHaupt *board = openBoard(2);
    ASSERT_TRUE(board);
    QTest::keyClicks(board->txtOperator1, QStringLiteral("9"));
    EXPECT_EQ(board->txtOperator1->text(), QStringLiteral("15")) << "a locked box took a key";
    for (const bool withEnter : {false, true}) {
        whenModalIs<frmfehler>([withEnter](frmfehler *error) {
            shoot(error, QStringLiteral("frmfehler"));
            platform::Clock::instance().advance(60000);
            ASSERT_EQ(error->focusWidget(), error->cmdOK);
            if (withEnter)
                QTest::keyClick(error->focusWidget(), Qt::Key_Return);
            else
                QTest::mouseClick(error->cmdOK, Qt::LeftButton);
        });
        QTest::keyClicks(board->txtErgebnis, withEnter ? QStringLiteral("b") : QString());
        QTest::keyClick(withEnter ? board->txtOperator1 : board->txtErgebnis, Qt::Key_Return);
        EXPECT_EQ(taskLine(board), QStringLiteral("(15) - (3) = []"));
    }
    QTest::keyClicks(board->txtErgebnis, QStringLiteral("12"));
    whenModalIs<frmokay>([](frmokay *okay) { QTest::mouseClick(okay->picokay, Qt::LeftButton); });
    QTest::keyClick(board->txtOperator2, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("3 Punkte"));
}

// The board is refreshed when it first appears and after each window over
// it, not on every repaint: a half-typed answer survives the board being
// covered or redrawn.
TEST_F(Board, AHalfTypedAnswerSurvivesARepaint)
{
    feedTask(3, 11, 1, 6, 3);
    frmHaupt *board = openBoard(3);
    ASSERT_TRUE(board);
    QTest::keyClicks(board->txtErgebnis, QStringLiteral("1"));
    board->repaint();
    board->hide();
    board->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(board));
    QTest::qWait(20);
    EXPECT_EQ(board->txtErgebnis->text(), QStringLiteral("1"));
}

TEST_F(Board, HelpManualAndInfoReturnToTheSameTaskWithAnEmptySoughtBoxAndHelpCostsPoints)
{
    feedTask(1, 3, 1, 4, 3);
    frmHaupt *board = openBoard(1);
    ASSERT_TRUE(board);

    QTest::keyClicks(board->txtErgebnis, QStringLiteral("7"));
    whenModalIs<frmAnleitung>([](frmAnleitung *manual) { QTest::mouseClick(manual->cmdOkay, Qt::LeftButton); });
    board->mnuAnleitung->trigger();
    QTest::keyClicks(board->txtErgebnis, QStringLiteral("7"));
    whenModalIs<frmInfo>([](frmInfo *info) { QTest::mouseClick(info->cmdOK, Qt::LeftButton); });
    board->mnuinfo->trigger();
    EXPECT_FALSE(Variablen.Punktabzug);
    QTest::keyClicks(board->txtErgebnis, QStringLiteral("7"));
    whenModalIs<frmHilfe>([](frmHilfe *help) { QTest::mouseClick(help->cmdHilfebeenden, Qt::LeftButton); });
    QTest::mouseClick(board->cmdhilfe, Qt::LeftButton);
    EXPECT_EQ(taskLine(board), QStringLiteral("(3) + (4) = []"));
    EXPECT_EQ(board->focusWidget(), board->txtErgebnis);

    // A click already on its way when the timer closed the window must not
    // score the answer a second time.
    feedTask(1, 2, 1, 2, 3);
    whenModalIs<frmokay>([](frmokay *okay) {
        platform::Clock::instance().advance(4000);
        QTest::mouseClick(okay->picokay, Qt::LeftButton);
    });
    typeAnswer(board->txtErgebnis, QStringLiteral("7"));
    EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("1 Punkt"));
    EXPECT_EQ(Variablen.Gesamtpunkte, 1);
}

// The board keeps its own copy of the name; a second game in the same run
// hands over only its own points.
TEST_F(Board, EndingHandsNameLevelAndThePointsOfThisGameOverAndShowsTheSaveWindow)
{
    modVar.SpielerName = QStringLiteral("Mia");
    feedTask(2, 4, 1, 3, 3);
    frmHaupt *board = openBoard(2);
    ASSERT_TRUE(board);
    modVar.SpielerName = QStringLiteral("someone else");
    whenModalIs<frmokay>([](frmokay *okay) { QTest::mouseClick(okay->picokay, Qt::LeftButton); });
    typeAnswer(board->txtErgebnis, QStringLiteral("7"));
    QTest::mouseClick(board->CmdEnde, Qt::LeftButton);
    EXPECT_EQ(modVar.SpielerName, QStringLiteral("Mia"));
    EXPECT_EQ(modVar.SpielerPunkte, 3);
    EXPECT_EQ(modVar.SpielLevel, 2);
    EXPECT_FALSE(Forms::instance().find<frmHaupt>());
    ASSERT_TRUE(Forms::instance().find(QStringLiteral("frmSpeichern")));
    EXPECT_TRUE(Forms::instance().find(QStringLiteral("frmSpeichern"))->isVisible());
    Forms::instance().close(QStringLiteral("frmSpeichern"));
    testing_support::flushClosedWindows();

    board = openBoard(3);
    ASSERT_TRUE(board);
    board->mnuBeenden->trigger();
    EXPECT_EQ(modVar.SpielerPunkte, 0);
    EXPECT_EQ(modVar.SpielLevel, 3);
    EXPECT_TRUE(Forms::instance().find(QStringLiteral("frmSpeichern")));
}
