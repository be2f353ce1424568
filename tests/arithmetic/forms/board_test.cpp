#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/frmAnleitung.h"
#include "arithmetic/forms/frmInfo.h"
#include "arithmetic/forms/frmfalsch.h"
#include "arithmetic/forms/frmfehler.h"
#include "arithmetic/forms/frmlevel.h"
#include "arithmetic/forms/frmokay.h"
#include "arithmetic/forms/windowtesting.h"
#include "platform/timer.h"

#include <QtGui/QAction>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>

using namespace arithmetic_testing;
using platform::Forms;
using testing_support::shoot;

namespace {

// The save window belongs to the results store; here it only has to be
// there to be shown by name.
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

class Board : public PigGameWindows
{
protected:
    void SetUp() override
    {
        PigGameWindows::SetUp();
        Forms::instance().registerForm<SaveWindowStandIn>();
    }

    // Shows the board as the sign-in does and picks the level in the level
    // choice that it opens.
    frmHaupt *openBoard(int level, const char *shot = nullptr)
    {
        bool boardHiddenDuringChoice = false;
        whenModalIs<frmlevel>([&](frmlevel *choice) {
            const frmHaupt *board = Forms::instance().find<frmHaupt>();
            boardHiddenDuringChoice = board && !board->isVisible();
            if (shot)
                shoot(choice, QLatin1String(shot));
            platform::PictureButton *buttons[] = {choice->cmdLevel1, choice->cmdLevel2, choice->cmdLevel3};
            QTest::mouseClick(buttons[level - 1], Qt::LeftButton);
        });
        Forms::instance().show(QStringLiteral("frmHaupt"));
        auto *board = Forms::instance().find<frmHaupt>();
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

    // Closes a feedback window the way the pupil chooses.
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
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
            break;
        case Close::Timer:
            platform::Clock::instance().advance(3999);
            EXPECT_TRUE(Forms::instance().find<W>()) << "closed before 4000 ms";
            platform::Clock::instance().advance(1);
            break;
        }
        EXPECT_FALSE(Forms::instance().find<W>()) << "still open";
    }
};

} // namespace

TEST_F(Board, TheLevelChoiceDrawsTheFirstTaskAndTheBoardShowsItWithPigsAndTheSoughtBoxFocused)
{
    feedTask(1, 3, 1, 4, 3);
    frmHaupt *board = openBoard(1, "frmlevel");
    ASSERT_TRUE(board);
    EXPECT_EQ(taskLine(board), QStringLiteral("(3) + (4) = []"));
    EXPECT_EQ(pigs(board->imgSchwein1), QStringLiteral("###. .... .... .... ...."));
    EXPECT_EQ(pigs(board->imgSchwein2), QStringLiteral("#### .... .... .... ...."));
    EXPECT_EQ(pigs(board->imgSchwein3), QStringLiteral(".... .... .... .... ...."));
    EXPECT_EQ(board->focusWidget(), board->txtErgebnis);
    EXPECT_EQ(board->lblpunkte->text(), QString());
    EXPECT_EQ(Variablen.RechenLevel, 1);
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Mixelo"));
    EXPECT_FALSE(board->hasCloseBox());
}

TEST_F(Board, EachLevelButtonDrawsTheTaskOfItsLevel)
{
    struct Row
    {
        const char *name;
        int level;
        int a, rechenart, b, gesucht;
        const char *line;
    };
    // The same draws give different tasks at each level.
    const Row rows[] = {
        {"leicht", 1, 6, 1, 3, 1, "[] + (3) = (9)"},
        {"mittel", 2, 14, 1, 5, 2, "(14) + [] = (19)"},
        {"schwer", 3, 8, 1, 9, 3, "(8) + (9) = []"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        feedTask(row.level, row.a, row.rechenart, row.b, row.gesucht);
        frmHaupt *board = openBoard(row.level);
        ASSERT_TRUE(board);
        EXPECT_EQ(taskLine(board), QLatin1String(row.line));
        EXPECT_EQ(Variablen.RechenLevel, row.level);
        board->CmdEnde_Click();
        testing_support::flushClosedWindows();
    }
}

TEST_F(Board, ARightAnswerScoresOnceAndShowsTheNextTaskWhetherItsWindowClosesByClickEnterOrTimer)
{
    const std::pair<const char *, Close> ways[] = {
        {"click", Close::Click}, {"Enter", Close::Enter}, {"timer", Close::Timer}};
    for (const auto &[name, how] : ways) {
        SCOPED_TRACE(name);
        feedTask(3, 12, 1, 5, 3);
        frmHaupt *board = openBoard(3);
        ASSERT_TRUE(board);
        ASSERT_EQ(taskLine(board), QStringLiteral("(12) + (5) = []"));

        feedTask(3, 9, 2, 2, 1); // the next task
        whenModalIs<frmokay>([&, how = how](frmokay *okay) {
            if (how == Close::Click)
                shoot(okay, QStringLiteral("frmokay"));
            closeFeedback(okay, okay->picokay, how);
        });
        typeAnswer(board->txtErgebnis, QStringLiteral("17"));

        EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("4 Punkte"));
        EXPECT_EQ(Variablen.PunkteLevel3, 4);
        EXPECT_EQ(Variablen.Gesamtpunkte, 4);
        EXPECT_EQ(taskLine(board), QStringLiteral("[] - (2) = (7)"));
        EXPECT_EQ(pigs(board->imgSchwein1), QStringLiteral(".... .... .... .... ...."));
        EXPECT_EQ(pigs(board->imgSchwein2), QStringLiteral("##.. .... .... .... ...."));
        EXPECT_EQ(pigs(board->imgSchwein3), QStringLiteral("#### ###. .... .... ...."));
        EXPECT_EQ(board->focusWidget(), board->txtOperator1);
        if (how == Close::Timer) {
            QTest::keyClicks(board->txtOperator1, QStringLiteral("9"));
            shoot(board, QStringLiteral("frmHaupt"));
        }
        board->CmdEnde_Click();
        testing_support::flushClosedWindows();
        Variablen = TaskState {};
    }
}

// A click or key already on its way when the timer closed the window must
// not score the answer a second time.
TEST_F(Board, AClickArrivingAsTheTimerClosesTheRightWindowAddsNothing)
{
    feedTask(1, 5, 1, 2, 3);
    frmHaupt *board = openBoard(1);
    ASSERT_TRUE(board);
    feedTask(1, 4, 1, 1, 3);
    whenModalIs<frmokay>([](frmokay *okay) {
        platform::Clock::instance().advance(4000);
        QTest::mouseClick(okay->picokay, Qt::LeftButton);
    });
    typeAnswer(board->txtErgebnis, QStringLiteral("7"));
    EXPECT_EQ(Variablen.Gesamtpunkte, 2);
    EXPECT_EQ(taskLine(board), QStringLiteral("(4) + (1) = []"));
}

TEST_F(Board, AWrongAnswerKeepsTheTaskWithAnEmptySoughtBoxAndTheRightOneThenEarnsOnePunkt)
{
    const std::pair<const char *, Close> ways[] = {
        {"click", Close::Click}, {"Enter", Close::Enter}, {"timer", Close::Timer}};
    for (const auto &[name, how] : ways) {
        SCOPED_TRACE(name);
        feedTask(1, 8, 2, 3, 2);
        frmHaupt *board = openBoard(1);
        ASSERT_TRUE(board);
        ASSERT_EQ(taskLine(board), QStringLiteral("(8) - [] = (5)"));

        whenModalIs<frmfalsch>([&, how = how](frmfalsch *wrong) {
            if (how == Close::Click)
                shoot(wrong, QStringLiteral("frmfalsch"));
            closeFeedback(wrong, wrong->picfalsch, how);
        });
        typeAnswer(board->txtOperator2, QStringLiteral("4"));
        EXPECT_EQ(taskLine(board), QStringLiteral("(8) - [] = (5)"));
        EXPECT_EQ(board->focusWidget(), board->txtOperator2);
        EXPECT_TRUE(Variablen.Punktabzug);
        EXPECT_EQ(Variablen.Eingabe, 4);

        whenModalIs<frmfalsch>([](frmfalsch *wrong) { QTest::mouseClick(wrong->picfalsch, Qt::LeftButton); });
        typeAnswer(board->txtOperator2, QStringLiteral("2"));

        whenModalIs<frmokay>([](frmokay *okay) { QTest::mouseClick(okay->picokay, Qt::LeftButton); });
        typeAnswer(board->txtOperator2, QStringLiteral("3"));
        EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("1 Punkt"));
        EXPECT_EQ(Variablen.Gesamtpunkte, 1);
        EXPECT_FALSE(Variablen.Punktabzug);
        board->CmdEnde_Click();
        testing_support::flushClosedWindows();
    }
}

TEST_F(Board, ATextThatIsNoNumberOpensTheInputErrorWindowWhichWaitsForOkAndCostsNoPoint)
{
    struct Row
    {
        const char *name;
        const char *typed;
        bool closeWithEnter;
    };
    const Row rows[] = {
        {"empty box, OK! clicked", "", false},
        {"a letter, Enter on OK!", "b", true},
        {"digit and letter", "7b", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        feedTask(2, 6, 1, 1, 3);
        frmHaupt *board = openBoard(2);
        ASSERT_TRUE(board);

        whenModalIs<frmfehler>([&](frmfehler *error) {
            if (!row.closeWithEnter)
                shoot(error, QStringLiteral("frmfehler"));
            platform::Clock::instance().advance(60000);
            EXPECT_TRUE(Forms::instance().find<frmfehler>()) << "the input-error window has no timer";
            EXPECT_EQ(error->focusWidget(), error->cmdOK);
            if (row.closeWithEnter)
                QTest::keyClick(error->focusWidget(), Qt::Key_Return);
            else
                QTest::mouseClick(error->cmdOK, Qt::LeftButton);
            EXPECT_FALSE(Forms::instance().find<frmfehler>());
        });
        typeAnswer(board->txtErgebnis, QLatin1String(row.typed));
        EXPECT_EQ(taskLine(board), QStringLiteral("(6) + (1) = []"));
        EXPECT_FALSE(Variablen.Punktabzug);

        whenModalIs<frmokay>([](frmokay *okay) { QTest::mouseClick(okay->picokay, Qt::LeftButton); });
        typeAnswer(board->txtErgebnis, QStringLiteral("7"));
        EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("3 Punkte"));
        board->CmdEnde_Click();
        testing_support::flushClosedWindows();
    }
}

TEST_F(Board, ALeadingZeroOrADecimalCommaIsRight)
{
    for (const char *typed : {"07", "7,0", " 7 "}) {
        SCOPED_TRACE(typed);
        feedTask(1, 3, 1, 4, 3);
        frmHaupt *board = openBoard(1);
        ASSERT_TRUE(board);
        bool right = false;
        whenModalIs<frmokay>([&right](frmokay *okay) {
            right = true;
            QTest::mouseClick(okay->picokay, Qt::LeftButton);
        });
        typeAnswer(board->txtErgebnis, QLatin1String(typed));
        EXPECT_TRUE(right);
        EXPECT_EQ(Variablen.Gesamtpunkte, 2);
        board->CmdEnde_Click();
        testing_support::flushClosedWindows();
    }
}

TEST_F(Board, EnterInALockedBoxJudgesTheSoughtBox)
{
    feedTask(2, 15, 2, 3, 3);
    frmHaupt *board = openBoard(2);
    ASSERT_TRUE(board);
    QTest::keyClicks(board->txtOperator1, QStringLiteral("9"));
    EXPECT_EQ(board->txtOperator1->text(), QStringLiteral("15")) << "a locked box took a key";

    QTest::keyClicks(board->txtErgebnis, QStringLiteral("12"));
    whenModalIs<frmokay>([](frmokay *okay) { QTest::mouseClick(okay->picokay, Qt::LeftButton); });
    QTest::keyClick(board->txtOperator1, Qt::Key_Return);
    EXPECT_EQ(Variablen.Gesamtpunkte, 3);

    whenModalIs<frmfehler>([](frmfehler *error) { QTest::mouseClick(error->cmdOK, Qt::LeftButton); });
    QTest::keyClick(board->txtOperator2, Qt::Key_Enter, Qt::KeypadModifier);
}

TEST_F(Board, TheAuswertenButtonJudgesTheAnswer)
{
    feedTask(1, 2, 1, 5, 1);
    frmHaupt *board = openBoard(1);
    ASSERT_TRUE(board);
    QTest::keyClicks(board->txtOperator1, QStringLiteral("3"));
    whenModalIs<frmfalsch>([](frmfalsch *wrong) { QTest::mouseClick(wrong->picfalsch, Qt::LeftButton); });
    QTest::mouseClick(board->cmdauswerten, Qt::LeftButton);
    EXPECT_TRUE(Variablen.Punktabzug);
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

TEST_F(Board, HelpShowsTheTaskEmptiesTheTypedAnswerAndTheRightAnswerThenEarnsOnePoint)
{
    feedTask(1, 3, 1, 4, 3);
    frmHaupt *board = openBoard(1);
    ASSERT_TRUE(board);
    QTest::keyClicks(board->txtErgebnis, QStringLiteral("7"));

    QStringList line;
    whenModalIs<frmHilfe>([&line](frmHilfe *help) {
        line = QStringList {help->lblOperator1->text(), help->lblRechenart->text(), help->lblOperator2->text(),
                            help->lblGleich->text(), help->lblErgebnis->text()};
        QTest::mouseClick(help->cmdHilfebeenden, Qt::LeftButton);
    });
    QTest::mouseClick(board->cmdhilfe, Qt::LeftButton);
    EXPECT_EQ(line, (QStringList {"3", "+", "4", "=", "?"}));
    EXPECT_EQ(taskLine(board), QStringLiteral("(3) + (4) = []"));
    EXPECT_EQ(board->focusWidget(), board->txtErgebnis);
    EXPECT_TRUE(Variablen.Punktabzug);

    feedTask(1, 2, 1, 2, 3);
    whenModalIs<frmokay>([](frmokay *okay) { QTest::mouseClick(okay->picokay, Qt::LeftButton); });
    typeAnswer(board->txtErgebnis, QStringLiteral("7"));
    EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("1 Punkt"));

    feedTask(1, 2, 1, 2, 3);
    whenModalIs<frmokay>([](frmokay *okay) { QTest::mouseClick(okay->picokay, Qt::LeftButton); });
    typeAnswer(board->txtErgebnis, QStringLiteral("4"));
    EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("3 Punkte"));
}

TEST_F(Board, TheManualAndTheInfoWindowReturnToTheSameTaskWithAnEmptySoughtBox)
{
    feedTask(2, 13, 2, 2, 1);
    frmHaupt *board = openBoard(2);
    ASSERT_TRUE(board);

    QTest::keyClicks(board->txtOperator1, QStringLiteral("1"));
    QString manual;
    whenModalIs<frmAnleitung>([&manual](frmAnleitung *window) {
        manual = window->RichTextBox1->toPlainText().section(u'\n', 0, 0);
        QTest::mouseClick(window->cmdOkay, Qt::LeftButton);
    });
    board->mnuAnleitung->trigger();
    EXPECT_EQ(manual, QStringLiteral("Anleitung:"));
    EXPECT_EQ(taskLine(board), QStringLiteral("[] - (2) = (11)"));

    QTest::keyClicks(board->txtOperator1, QStringLiteral("1"));
    QString info;
    whenModalIs<frmInfo>([&info](frmInfo *window) {
        info = window->rtfinfo->toPlainText().section(u'\n', 0, 0);
        QTest::mouseClick(window->cmdOK, Qt::LeftButton);
    });
    board->mnuinfo->trigger();
    EXPECT_EQ(info, QStringLiteral("Spiel „Mixelo“"));
    EXPECT_EQ(taskLine(board), QStringLiteral("[] - (2) = (11)"));
    EXPECT_EQ(board->focusWidget(), board->txtOperator1);
    EXPECT_FALSE(Variablen.Punktabzug);
}

TEST_F(Board, EndingHandsNameLevelAndThePointsOfThisGameToThePlayStateAndShowsTheSaveWindow)
{
    struct Row
    {
        const char *name;
        void (frmHaupt::*end)();
    };
    const Row rows[] = {{"Ende", nullptr}, {"Datei > Beenden", &frmHaupt::mnuBeenden_Click}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        modVar = PlayState {};
        modVar.SpielerName = QStringLiteral("Mia");
        modVar.SpielName = QStringLiteral("Schweinchen");
        feedTask(2, 4, 1, 3, 3);
        frmHaupt *board = openBoard(2);
        ASSERT_TRUE(board);
        modVar.SpielerName = QStringLiteral("someone else"); // the board keeps its own copy

        feedTask(2, 5, 1, 2, 3);
        whenModalIs<frmokay>([](frmokay *okay) { QTest::mouseClick(okay->picokay, Qt::LeftButton); });
        typeAnswer(board->txtErgebnis, QStringLiteral("7"));
        whenModalIs<frmokay>([](frmokay *okay) { QTest::mouseClick(okay->picokay, Qt::LeftButton); });
        typeAnswer(board->txtErgebnis, QStringLiteral("7"));

        if (row.end) {
            board->mnuBeenden->trigger();
        } else {
            QTest::mouseClick(board->CmdEnde, Qt::LeftButton);
        }
        EXPECT_EQ(modVar.SpielerName, QStringLiteral("Mia"));
        EXPECT_EQ(modVar.SpielerPunkte, 6);
        EXPECT_EQ(modVar.SpielLevel, 2);
        EXPECT_EQ(modVar.SpielName, QStringLiteral("Schweinchen"));
        const platform::Form *save = Forms::instance().find(QStringLiteral("frmSpeichern"));
        ASSERT_TRUE(save);
        EXPECT_TRUE(save->isVisible());
        EXPECT_FALSE(Forms::instance().find<frmHaupt>());
        Forms::instance().close(QStringLiteral("frmSpeichern"));
        testing_support::flushClosedWindows();
    }
}

TEST_F(Board, ASecondGameInTheSameRunHandsOverOnlyItsOwnPoints)
{
    feedTask(1, 3, 1, 4, 3);
    frmHaupt *board = openBoard(1);
    ASSERT_TRUE(board);
    whenModalIs<frmokay>([](frmokay *okay) { QTest::mouseClick(okay->picokay, Qt::LeftButton); });
    typeAnswer(board->txtErgebnis, QStringLiteral("7"));
    QTest::mouseClick(board->CmdEnde, Qt::LeftButton);
    ASSERT_EQ(modVar.SpielerPunkte, 2);
    Forms::instance().close(QStringLiteral("frmSpeichern"));
    testing_support::flushClosedWindows();

    board = openBoard(3);
    ASSERT_TRUE(board);
    EXPECT_EQ(board->lblpunkte->text(), QString());
    QTest::mouseClick(board->CmdEnde, Qt::LeftButton);
    EXPECT_EQ(modVar.SpielerPunkte, 0);
    EXPECT_EQ(modVar.SpielLevel, 3);
}

TEST_F(Board, TheWindowSystemsCloseRequestDoesNotCloseTheBoard)
{
    feedTask(1, 3, 1, 4, 3);
    frmHaupt *board = openBoard(1);
    ASSERT_TRUE(board);
    board->close();
    testing_support::flushClosedWindows();
    EXPECT_EQ(Forms::instance().find<frmHaupt>(), board);
    EXPECT_TRUE(board->isVisible());
}
