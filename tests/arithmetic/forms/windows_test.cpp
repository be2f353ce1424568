#include "arithmetic/forms/frmAnleitung.h"
#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/frmInfo.h"
#include "arithmetic/forms/windowtesting.h"
#include "platform/twips.h"

#include <QtGui/QTextBlock>
#include <QtGui/QTextLayout>
#include <QtWidgets/QFrame>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>

using namespace arithmetic_testing;
using platform::Forms;
using testing_support::shoot;

namespace {

class CountingHelpWindow : public PigGameWindows
{
protected:
    static frmHilfe *openHelp(quint8 rechenart, quint8 gesucht, double a, double b, double c)
    {
        Variablen.Rechenart = rechenart;
        Variablen.Gesucht = gesucht;
        Variablen.Operand1 = a;
        Variablen.Operand2 = b;
        Variablen.Ergebnis = c;
        auto *help = Forms::instance().show<frmHilfe>();
        EXPECT_TRUE(help && QTest::qWaitForWindowExposed(help));
        return help;
    }

    static QString line(const frmHilfe *help)
    {
        return QStringList({help->lblOperator1->text(), help->lblRechenart->text(), help->lblOperator2->text(),
                            help->lblGleich->text(), help->lblErgebnis->text()})
            .join(u' ');
    }

    // What lies on top in each cell, as the pupil sees it: Y yellow, B blue,
    // X crossed out, . nothing.
    static QString onTop(const frmHilfe *help)
    {
        QString grid;
        for (int cell = 1; cell <= 20; ++cell) {
            const QWidget *top = help->fraAbzählen->childAt(help->Sonne5[cell]->geometry().center());
            const QString name = top ? top->objectName() : QString();
            grid += name.startsWith(u"Sonne5") ? u'Y'
                : name.startsWith(u"Sonne3")   ? u'B'
                : name.startsWith(u"Sonne4")   ? u'X'
                                               : u'.';
            if (cell % 5 == 0 && cell < 20)
                grid += u' ';
        }
        return grid;
    }
};

using TextWindows = PigGameWindows;

} // namespace

TEST_F(CountingHelpWindow, ShowsTheTaskAndTheSunsWithTheCrossedOutOnesInFront)
{
    struct Row
    {
        const char *name;
        quint8 rechenart, gesucht;
        double a, b, c;
        const char *line;
        const char *grid;
    };
    const Row rows[] = {
        {"frmHilfe", 1, 3, 3, 4, 0, "3 + 4 = ?", "YYYBB BB... ..... ....."},
        {"frmHilfe_minus", 2, 2, 9, 0, 5, "9 - ? = 5", "YYYYY XXXX. ..... ....."},
        {"twenty", 1, 1, 0, 9, 20, "? + 9 = 20", "YYYYY YYYYY YBBBB BBBBB"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        frmHilfe *help = openHelp(row.rechenart, row.gesucht, row.a, row.b, row.c);
        ASSERT_TRUE(help);
        EXPECT_EQ(line(help), QLatin1String(row.line));
        EXPECT_EQ(onTop(help), QLatin1String(row.grid));
        shoot(help, QLatin1String(row.name));
        QTest::mouseClick(help->cmdHilfebeenden, Qt::LeftButton);
        EXPECT_FALSE(Forms::instance().find<frmHilfe>());
        testing_support::flushClosedWindows();
    }
}

// Opened modeless by the memory board, the help may be shown again while it
// is open: it comes to the front as it was.
TEST_F(CountingHelpWindow, ShownAgainWhileOpenItKeepsWhatItShowed)
{
    frmHilfe *help = openHelp(1, 2, 3, 0, 8);
    ASSERT_TRUE(help);
    EXPECT_EQ(openHelp(1, 2, 6, 0, 9), help);
    EXPECT_EQ(line(help), QStringLiteral("3 + ? = 8"));
    EXPECT_EQ(onTop(help), QStringLiteral("YYYBB BBB.. ..... ....."));
}

// Also run on a screen of 144 dpi: the indents are twips and scale with the
// tab stops.
TEST_F(TextWindows, TheManualsColumnsLineUpAfterTheTabsHangingLinesIncluded)
{
    auto *manual = Forms::instance().show<frmAnleitung>();
    ASSERT_TRUE(manual && QTest::qWaitForWindowExposed(manual));
    shoot(manual, QStringLiteral("frmAnleitung"));
    const QTextDocument *text = manual->RichTextBox1->document();
    ASSERT_EQ(text->blockCount(), 13);

    const auto xAfterLastTab = [&](int lineIndex) {
        const QTextBlock block = text->findBlockByNumber(lineIndex);
        const int position = block.text().lastIndexOf(u'\t') + 1;
        return block.layout()->position().x() + block.layout()->lineAt(0).cursorToX(position);
    };
    for (int lineIndex = 6; lineIndex <= 11; ++lineIndex)
        EXPECT_EQ(xAfterLastTab(lineIndex), xAfterLastTab(5)) << "line " << lineIndex + 1;

    // From the "Hilfe" line on: left indent 1416 twips, first line -1410.
    for (int lineIndex = 0; lineIndex < 13; ++lineIndex) {
        const QTextBlockFormat format = text->findBlockByNumber(lineIndex).blockFormat();
        const bool hanging = lineIndex >= 9;
        EXPECT_EQ(format.leftMargin(), hanging ? platform::twipsToPixels(1416) : 0) << "line " << lineIndex + 1;
        EXPECT_EQ(format.textIndent(), hanging ? platform::twipsToPixels(-1410) : 0) << "line " << lineIndex + 1;
    }
}

// Anything typed into the texts would be lost anyway; the pupil cannot
// change them at all. Enter, the keypad's too, closes a window.
TEST_F(TextWindows, ThePupilCannotTypeIntoTheTextsAndOkayOrEnterClosesTheWindows)
{
    auto *info = Forms::instance().show<frmInfo>();
    ASSERT_TRUE(info && QTest::qWaitForWindowExposed(info));
    shoot(info, QStringLiteral("frmInfo"));
    const QString before = info->rtfinfo->toPlainText();
    QTest::mouseClick(info->rtfinfo->viewport(), Qt::LeftButton);
    QTest::keyClicks(info->rtfinfo, QStringLiteral("xyz"));
    QTest::keyClick(info->rtfinfo, Qt::Key_Delete);
    EXPECT_EQ(info->rtfinfo->toPlainText(), before);
    QTest::mouseClick(info->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(Forms::instance().find<frmInfo>());

    auto *manual = Forms::instance().show<frmAnleitung>();
    ASSERT_TRUE(manual && QTest::qWaitForWindowExposed(manual));
    EXPECT_EQ(manual->focusWidget(), manual->cmdOkay);
    QTest::keyClick(manual->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(Forms::instance().find<frmAnleitung>());
}
