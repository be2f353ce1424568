#include "arithmetic/forms/frmAnleitung.h"
#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/frmInfo.h"
#include "arithmetic/forms/registration.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "state/variablen.h"
#include "support/guisupport.h"
#include "platform/twips.h"

#include <QtGui/QTextBlock>
#include <QtGui/QTextLayout>
#include <QtTest/QTest>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>

using platform::Forms;
using testing_support::shoot;

namespace {

class PigGameWindows : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        registerArithmeticForms();
    }
};
using CountingHelpWindow = PigGameWindows;
using TextWindows = PigGameWindows;

} // namespace

// What lies on top in each cell, as the pupil sees it: Y yellow, B blue, X
// crossed out. Opened modeless by the memory board, the help may be shown
// again while it is open: it comes to the front as it was.
TEST_F(CountingHelpWindow, ShowsTheTaskAndTheSunsWithTheCrossedOutOnesInFront)
{
    const std::tuple<const char *, TaskState, const char *, const char *> rows[] = {
        {"frmHilfe", {3, 4, 0, 1, 3}, "3 + 4 = ?", "YYYBB BB... ..... ....."},
        {"frmHilfe_minus", {9, 0, 5, 2, 2}, "9 - ? = 5", "YYYYY XXXX. ..... ....."},
    };
    for (const auto &[name, task, line, grid] : rows) {
        SCOPED_TRACE(name);
        Variablen = task;
        auto *help = Forms::instance().show<frmHilfe>();
        ASSERT_TRUE(help && QTest::qWaitForWindowExposed(help));
        Variablen = TaskState {6, 0, 9, 1, 2};
        EXPECT_EQ(Forms::instance().show<frmHilfe>(), help);
        QString onTop;
        for (int cell = 1; cell <= 20; ++cell) {
            const QWidget *top = help->fraAbzählen->childAt(help->Sonne5[cell]->geometry().center());
            const QString sun = top ? top->objectName().left(6) : QString();
            onTop += QLatin1String(cell % 5 == 1 && cell > 1 ? " " : "")
                + (sun == u"Sonne5" ? u'Y' : sun == u"Sonne3" ? u'B' : sun == u"Sonne4" ? u'X' : u'.');
        }
        EXPECT_EQ(QStringList({help->lblOperator1->text(), help->lblRechenart->text(), help->lblOperator2->text(),
                               help->lblGleich->text(), help->lblErgebnis->text()})
                      .join(u' '),
                  QLatin1String(line));
        EXPECT_EQ(onTop, QLatin1String(grid));
        shoot(help, QLatin1String(name));
        QTest::mouseClick(help->cmdHilfebeenden, Qt::LeftButton);
        EXPECT_FALSE(Forms::instance().find<frmHilfe>());
        testing_support::flushClosedWindows();
    }
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
// change them at all. Okay or Enter, the keypad's too, closes a window.
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
