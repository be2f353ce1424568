#include "arithmetic/forms/frmAnleitung.h"
#include "arithmetic/forms/frmHaupt.h"
#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/frmInfo.h"
#include "arithmetic/forms/frmfalsch.h"
#include "arithmetic/forms/frmfehler.h"
#include "arithmetic/forms/frmlevel.h"
#include "arithmetic/forms/frmokay.h"
#include "arithmetic/forms/registration.h"
#include "arithmetic/testtasks.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/twips.h"
#include "results/forms/frmHighscore.h"
#include "results/forms/registration.h"
#include "shell/forms/frmLoginSpiele.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "state/modvar.h"
#include "state/variablen.h"
#include "support/guisupport.h"
#include "support/sqlitefile.h"

#include <QtCore/QDate>
#include <QtGui/QAction>
#include <QtGui/QTextBlock>
#include <QtGui/QTextLayout>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTextEdit>

using namespace arithmetic_testing;
using platform::Forms;
using testing_support::advanceClock;
using testing_support::shoot;

namespace {

// Runs action inside the loop of the next modal window, which must be a W for
// the action to close; any other, or one left open, fails and is closed.
template<class W, class Action>
void whenModalIs(Action action)
{
    const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
    testing_support::whenModal([test, action](QWidget *modal) {
        if (test != ::testing::UnitTest::GetInstance()->current_test_info())
            return; // left over from an earlier test
        if (auto *window = qobject_cast<W *>(modal); window && QTest::qWaitForWindowExposed(window))
            action(window);
        if (QApplication::activeModalWidget() == modal) {
            ADD_FAILURE() << "expected " << qPrintable(W::staticName()) << ", open: " << qPrintable(modal->objectName());
            auto *form = qobject_cast<platform::Form *>(modal);
            form ? form->unload() : (void)modal->close();
        }
    });
}

// The board's task line: a locked box in parentheses, an open one in brackets.
QString taskLine(const frmHaupt *board)
{
    const auto show = [](const QLineEdit *box) {
        return QString::fromLatin1(box->isReadOnly() ? "(%1)" : "[%1]").arg(box->text());
    };
    return QStringList({show(board->txtOperator1), board->lblrechenzeichen->text(), show(board->txtOperator2),
                        board->lblgleich->text(), show(board->txtErgebnis)})
        .join(u' ');
}

// The three blocks of pigs as the pupil sees them, four to a row: # shown, . hidden.
QString pigs(const frmHaupt *board)
{
    QString picture;
    for (const auto *block : {&board->imgSchwein1, &board->imgSchwein2, &board->imgSchwein3}) {
        for (int i = 0; i < 20; ++i)
            picture += QLatin1String(i == 0 ? (picture.isEmpty() ? "" : "|") : i % 4 == 0 ? " " : "")
                + ((*block)[i]->isVisible() ? u'#' : u'.');
    }
    return picture;
}

// Every window of the program, on a program folder of its own.
class Board : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        registerArithmeticForms();
        registerShellForms();
        registerResultsForms();
    }

    // Shows the board as the sign-in does and picks the level by a click in
    // the choice it opens. The board shows only once its first task is drawn.
    frmHaupt *openBoard(int level)
    {
        whenModalIs<frmlevel>([level](frmlevel *choice) {
            shoot(choice, QStringLiteral("frmlevel"));
            EXPECT_FALSE(Forms::instance().find<frmHaupt>()->isVisible());
            QTest::mouseClick(level == 2 ? choice->cmdLevel2 : choice->cmdLevel3, Qt::LeftButton);
        });
        auto *board = Forms::instance().show<frmHaupt>();
        EXPECT_TRUE(board && QTest::qWaitForWindowExposed(board));
        return board;
    }

    testing_support::ProgramFolderFixture folder;
};

} // namespace

// The road: the main window's pig picture, the sign-in (twelve characters of
// the name kept; keypad Enter presses its OK), Enter on the level choice's
// leicht, a right answer, Ende, the save window, the highscore list. The
// board keeps its own copy of the name.
TEST_F(Board, APupilPlaysFromTheMainWindowToTheHighscoreList)
{
    auto *start = Forms::instance().show<frmStart>();
    ASSERT_TRUE(start && QTest::qWaitForWindowExposed(start));
    QTest::mouseClick(start->Image3, Qt::LeftButton);
    auto *signIn = Forms::instance().find<frmLoginSpiele>();
    ASSERT_TRUE(signIn && QTest::qWaitForWindowExposed(signIn));
    QTest::keyClicks(signIn->txtUserName, QStringLiteral("Maximilianeum"));
    shoot(signIn, QStringLiteral("frmLoginSpiele"));
    feedTask(1, 5, 2, 3, 3);
    whenModalIs<frmlevel>([signIn](frmlevel *choice) {
        EXPECT_TRUE(signIn->isVisible()) << "the sign-in closes only after the board has asked for the level";
        QTest::keyClick(choice->focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(signIn->txtUserName, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(start->isVisible() || Forms::instance().find<frmLoginSpiele>());
    auto *board = Forms::instance().find<frmHaupt>();
    ASSERT_TRUE(board && QTest::qWaitForWindowExposed(board));
    EXPECT_EQ(taskLine(board), QStringLiteral("(5) - (3) = []"));
    modVar.SpielerName = QStringLiteral("someone else");
    whenModalIs<frmokay>([](frmokay *) { advanceClock(4000); });
    QTest::keyClicks(board->txtErgebnis, QStringLiteral("2"));
    QTest::keyClick(board->txtErgebnis, Qt::Key_Return);
    QTest::mouseClick(board->CmdEnde, Qt::LeftButton);
    ASSERT_TRUE(!Forms::instance().find<frmHaupt>() && Forms::instance().find(QStringLiteral("frmSpeichern")));
    advanceClock(2000);
    EXPECT_EQ(testing_support::SqliteFile(folder.file(QStringLiteral("Daten.mdb"))).records(),
              QStringList({"Maximilianeu|2|Schweinchen|1|" + QDate::currentDate().toString(Qt::ISODate)}));
    start = Forms::instance().find<frmStart>();
    ASSERT_TRUE(start && start->isVisible()) << "the save window leads back to the main window";
    start->mnuHighscore->trigger();
    auto *highscore = Forms::instance().find<frmHighscore>();
    ASSERT_TRUE(highscore);
    advanceClock(1);
    EXPECT_EQ(highscore->txtName->toPlainText() + u'|' + highscore->txtPunkte->toPlainText(), "Maximilianeu|2");
}

// The wrong answer keeps the task, which then earns one point; the right one
// shows the next task with its pigs. Each window closes by a click, by Enter
// from the keypad, as the manual advises, or after 4000 ms; a click then late
// counts no more.
TEST_F(Board, AWrongAnswerKeepsTheTaskAndTheRightOneShowsTheNextWhicheverWayTheirWindowsClose)
{
    enum class Close { Click, Enter, Timer };
    const auto close = [](platform::Form *window, QWidget *picture, Close how) {
        if (how == Close::Click)
            QTest::mouseClick(picture, Qt::LeftButton);
        if (how == Close::Enter) {
            EXPECT_EQ(window->focusWidget(), picture);
            QTest::keyClick(picture, Qt::Key_Enter, Qt::KeypadModifier);
        }
        if (how == Close::Timer) {
            advanceClock(3999);
            EXPECT_TRUE(Forms::instance().find(window->objectName())) << "closed before 4000 ms";
            advanceClock(1);
            QTest::mouseClick(picture, Qt::LeftButton); // on its way when the window closed: must not count again
        }
    };
    for (const auto &[name, how] :
         {std::pair {"click", Close::Click}, {"keypad Enter", Close::Enter}, {"timer", Close::Timer}}) {
        SCOPED_TRACE(name);
        feedTask(3, 12, 1, 5, 3);
        frmHaupt *board = openBoard(3);
        ASSERT_TRUE(board);
        whenModalIs<frmfalsch>([&, how = how](frmfalsch *wrong) {
            shoot(wrong, QStringLiteral("frmfalsch"));
            close(wrong, wrong->picfalsch, how);
        });
        QTest::keyClicks(board->txtErgebnis, QStringLiteral("16"));
        QTest::mouseClick(board->cmdauswerten, Qt::LeftButton);
        EXPECT_EQ(taskLine(board), QStringLiteral("(12) + (5) = []"));
        EXPECT_EQ(board->focusWidget(), board->txtErgebnis);
        feedTask(3, 9, 2, 2, 1); // the next task
        whenModalIs<frmokay>([&, how = how](frmokay *okay) {
            shoot(okay, QStringLiteral("frmokay"));
            close(okay, okay->picokay, how);
        });
        QTest::keyClicks(board->txtErgebnis, QStringLiteral("17"));
        QTest::keyClick(board->txtErgebnis, Qt::Key_Return);
        EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("1 Punkt"));
        EXPECT_EQ(taskLine(board), QStringLiteral("[] - (2) = (7)"));
        EXPECT_EQ(pigs(board), ".... .... .... .... ....|##.. .... .... .... ....|#### ###. .... .... ....");
        EXPECT_EQ(board->focusWidget(), board->txtOperator1);
        shoot(board, QStringLiteral("frmHaupt"));
        board->mnuBeenden->trigger();
        Forms::instance().close(QStringLiteral("frmSpeichern"));
        testing_support::flushClosedWindows();
    }
}

// The board is refreshed when it first appears and after each window over
// it, not on every repaint: a half-typed answer survives it being covered.
// Each window returns to the same task with an empty sought box; Enter in any
// box, also a locked one, judges the sought one; the input-error window has
// no timer. Only help costs points.
TEST_F(Board, EveryWindowOverTheBoardReturnsToTheSameTaskAndOnlyHelpCostsPoints)
{
    feedTask(2, 15, 2, 3, 2);
    frmHaupt *board = openBoard(2);
    ASSERT_TRUE(board);
    QTest::keyClicks(board->txtOperator2, QStringLiteral("1"));
    board->hide();
    ASSERT_TRUE(testing_support::showAndExpose(board));
    EXPECT_EQ(board->txtOperator2->text(), QStringLiteral("1"));
    QTest::keyClicks(board->txtOperator1, QStringLiteral("9"));
    QTest::keyClicks(board->txtOperator2, QStringLiteral("b"));
    whenModalIs<frmfehler>([](frmfehler *error) {
        shoot(error, QStringLiteral("frmfehler"));
        advanceClock(60000);
        EXPECT_EQ(error->focusWidget(), error->cmdOK);
        QTest::keyClick(error->cmdOK, Qt::Key_Return);
    });
    QTest::keyClick(board->txtOperator1, Qt::Key_Return);
    EXPECT_EQ(taskLine(board), QStringLiteral("(15) - [] = (12)"));
    QTest::keyClicks(board->txtOperator2, QStringLiteral("3"));
    whenModalIs<frmAnleitung>([](frmAnleitung *manual) {
        EXPECT_EQ(manual->focusWidget(), manual->cmdOkay);
        QTest::keyClick(manual->cmdOkay, Qt::Key_Enter, Qt::KeypadModifier);
    });
    board->mnuAnleitung->trigger();
    QTest::keyClicks(board->txtOperator2, QStringLiteral("3"));
    whenModalIs<frmInfo>([](frmInfo *info) {
        shoot(info, QStringLiteral("frmInfo"));
        QTest::mouseClick(info->cmdOK, Qt::LeftButton);
    });
    board->mnuinfo->trigger();
    EXPECT_FALSE(Variablen.Punktabzug);
    QTest::keyClicks(board->txtOperator2, QStringLiteral("3"));
    whenModalIs<frmHilfe>([](frmHilfe *help) {
        shoot(help, QStringLiteral("frmHilfe"));
        QString onTop; // Y yellow, B blue, X crossed out
        for (int cell = 1; cell <= 20; ++cell) {
            const QWidget *top = help->fraAbzählen->childAt(help->Sonne5[cell]->geometry().center());
            const QString sun = top ? top->objectName().left(6) : QString();
            onTop += QLatin1String(cell % 5 == 1 && cell > 1 ? " " : "")
                + (sun == u"Sonne5" ? u'Y' : sun == u"Sonne3" ? u'B' : sun == u"Sonne4" ? u'X' : u'.');
        }
        EXPECT_EQ(QStringList({help->lblOperator1->text(), help->lblRechenart->text(), help->lblOperator2->text(),
                               help->lblGleich->text(), help->lblErgebnis->text(), onTop}),
                  QStringList({"15", "-", "?", "=", "12", "YYYYY YYYYY YYXXX ....."}));
        QTest::mouseClick(help->cmdHilfebeenden, Qt::LeftButton);
    });
    QTest::mouseClick(board->cmdhilfe, Qt::LeftButton);
    EXPECT_EQ(taskLine(board), QStringLiteral("(15) - [] = (12)"));
    EXPECT_EQ(board->focusWidget(), board->txtOperator2);
    feedTask(2, 2, 1, 2, 3);
    whenModalIs<frmokay>([](frmokay *) { advanceClock(4000); });
    QTest::keyClicks(board->txtOperator2, QStringLiteral("3"));
    QTest::keyClick(board->txtErgebnis, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(board->lblpunkte->text(), QStringLiteral("1 Punkt"));
}

// Also run on a screen of 144 dpi: the indents are twips and scale with the
// tab stops. From the "Hilfe" line on: left indent 1416 twips, first line -1410.
TEST_F(Board, TheManualsColumnsLineUpAfterTheTabsHangingLinesIncluded)
{
    auto *manual = Forms::instance().show<frmAnleitung>();
    ASSERT_TRUE(manual && QTest::qWaitForWindowExposed(manual));
    shoot(manual, QStringLiteral("frmAnleitung"));
    EXPECT_TRUE(testing_support::showsFlatFace(manual->cmdOkay, Qt::red));
    const QTextDocument *text = manual->RichTextBox1->document();
    ASSERT_EQ(text->blockCount(), 13);
    const auto xAfterLastTab = [text](int line) {
        const QTextBlock block = text->findBlockByNumber(line);
        const int afterTab = block.text().lastIndexOf(u'\t') + 1;
        return block.layout()->position().x() + block.layout()->lineAt(0).cursorToX(afterTab);
    };
    for (int line = 0; line < 13; ++line) {
        SCOPED_TRACE(testing::Message() << "line " << line + 1);
        const QTextBlockFormat format = text->findBlockByNumber(line).blockFormat();
        EXPECT_EQ(format.leftMargin(), platform::twipsToPixels(line >= 9 ? 1416 : 0));
        EXPECT_EQ(format.textIndent(), platform::twipsToPixels(line >= 9 ? -1410 : 0));
    }
    for (int line = 6; line < 12; ++line)
        EXPECT_EQ(xAfterLastTab(line), xAfterLastTab(5)) << "line " << line + 1;
}
