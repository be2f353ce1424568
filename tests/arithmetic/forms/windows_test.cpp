#include "arithmetic/forms/frmAnleitung.h"
#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/frmInfo.h"
#include "arithmetic/forms/windowtesting.h"

#include <QtGui/QTextBlock>
#include <QtGui/QTextDocument>
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

    static QStringList line(const frmHilfe *help)
    {
        return {help->lblOperator1->text(), help->lblRechenart->text(), help->lblOperator2->text(),
                help->lblGleich->text(), help->lblErgebnis->text()};
    }

    // The cells in which suns of one colour are visible, five to a word.
    static QString visible(const std::array<platform::ImageBox *, 21> &suns)
    {
        QString grid;
        for (int cell = 1; cell <= 20; ++cell) {
            grid += suns[cell]->isVisible() ? u'#' : u'.';
            if (cell % 5 == 0 && cell < 20)
                grid += u' ';
        }
        return grid;
    }

    // What lies on top in each cell, as the pupil sees it: Y yellow, B blue,
    // X crossed out, . nothing.
    static QString onTop(const frmHilfe *help)
    {
        QString grid;
        for (int cell = 1; cell <= 20; ++cell) {
            const QPoint centre = help->Sonne5[cell]->geometry().center();
            const QWidget *top = help->fraAbzählen->childAt(centre);
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

// Every run of text with a style, as "b:", "i:", "u:" or a mix before it.
QStringList styledRuns(const QTextDocument *document)
{
    QStringList runs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            QString style;
            if (format.fontWeight() >= QFont::Bold)
                style += u'b';
            if (format.fontItalic())
                style += u'i';
            if (format.fontUnderline())
                style += u'u';
            if (!style.isEmpty())
                runs << style + u':' + fragment.text();
        }
    }
    return runs;
}

QStringList lines(const QTextEdit *box)
{
    return box->toPlainText().split(u'\n');
}

} // namespace

TEST_F(CountingHelpWindow, ASumWithTheResultSoughtShowsThreeYellowAndFourBlueSuns)
{
    frmHilfe *help = openHelp(1, 3, 3, 4, 0);
    ASSERT_TRUE(help);
    EXPECT_EQ(line(help), (QStringList {"3", "+", "4", "=", "?"}));
    EXPECT_EQ(visible(help->Sonne5), QStringLiteral("###.. ..... ..... ....."));
    EXPECT_EQ(visible(help->Sonne3), QStringLiteral("...## ##... ..... ....."));
    EXPECT_EQ(visible(help->Sonne4), QStringLiteral("..... ..... ..... ....."));
    EXPECT_EQ(onTop(help), QStringLiteral("YYYBB BB... ..... ....."));
    EXPECT_EQ(Variablen.Ergebnis, 7);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Hilfe"));
    EXPECT_FALSE(help->hasCloseBox());
    shoot(help, QStringLiteral("frmHilfe"));

    QTest::mouseClick(help->cmdHilfebeenden, Qt::LeftButton);
    EXPECT_FALSE(Forms::instance().find<frmHilfe>());
}

TEST_F(CountingHelpWindow, ADifferenceWithTheSecondOperandSoughtShowsTheCrossedOutSunsInFront)
{
    frmHilfe *help = openHelp(2, 2, 9, 0, 5);
    ASSERT_TRUE(help);
    EXPECT_EQ(line(help), (QStringList {"9", "-", "?", "=", "5"}));
    EXPECT_EQ(visible(help->Sonne5), QStringLiteral("##### ####. ..... ....."));
    EXPECT_EQ(visible(help->Sonne4), QStringLiteral("..... ####. ..... ....."));
    EXPECT_EQ(onTop(help), QStringLiteral("YYYYY XXXX. ..... ....."));
    EXPECT_EQ(Variablen.Operand2, 4);
    shoot(help, QStringLiteral("frmHilfe_minus"));
}

TEST_F(CountingHelpWindow, ADifferenceOfZeroShowsOnlyCrossedOutSuns)
{
    frmHilfe *help = openHelp(2, 3, 4, 4, 0);
    ASSERT_TRUE(help);
    EXPECT_EQ(onTop(help), QStringLiteral("XXXX. ..... ..... ....."));
}

TEST_F(CountingHelpWindow, TwentySunsFillAllFourRows)
{
    frmHilfe *help = openHelp(1, 1, 0, 9, 20);
    ASSERT_TRUE(help);
    EXPECT_EQ(line(help), (QStringList {"?", "+", "9", "=", "20"}));
    EXPECT_EQ(onTop(help), QStringLiteral("YYYYY YYYYY YBBBB BBBBB"));
}

// Opened modeless by the memory board, the help may be shown again while it
// is open: it comes to the front as it was.
TEST_F(CountingHelpWindow, ShownAgainWhileOpenItKeepsWhatItShowed)
{
    frmHilfe *help = openHelp(1, 2, 3, 0, 8);
    ASSERT_TRUE(help);
    EXPECT_EQ(line(help), (QStringList {"3", "+", "?", "=", "8"}));
    frmHilfe *again = openHelp(1, 2, 6, 0, 9);
    EXPECT_EQ(again, help);
    EXPECT_EQ(line(help), (QStringList {"3", "+", "?", "=", "8"}));
    EXPECT_EQ(onTop(help), QStringLiteral("YYYBB BBB.. ..... ....."));
}

class TextWindows : public PigGameWindows
{
};

TEST_F(TextWindows, TheManualShowsItsLinesWithTabsStylesAndHangingIndents)
{
    auto *manual = Forms::instance().show<frmAnleitung>();
    ASSERT_TRUE(manual && QTest::qWaitForWindowExposed(manual));
    shoot(manual, QStringLiteral("frmAnleitung"));

    const QStringList expected {
        "Anleitung:",
        "Das Spiel ist komplett über den Ziffernblock und die Maus zu bedienen. Es werden nur die Ziffern und die "
        "Enter Taste benötigt!",
        "",
        "Buttons:",
        "",
        "Auswerten\t-\tMit diesem Button wird das eingegebene Ergebnis überprüft.",
        "\t\t\tDafür muss nur Enter gedrückt werden.",
        "Beenden\t-\tDie Option Beenden, unter dem Menüpunkt Datei, beendet das",
        "\t\t\tProgramm.",
        "Hilfe\t-\tMit einem linken Mausklick auf den HILFE- Button wird die Hilfe des",
        "\t\t\tSpiels aufgerufen.",
        "Hilfe beenden\t-\tMit diesem Button wird die Hilfe beendet.",
        "",
    };
    EXPECT_EQ(lines(manual->RichTextBox1), expected);
    EXPECT_EQ(styledRuns(manual->RichTextBox1->document()),
              (QStringList {"b:Anleitung:", "i:Ziffern", "i:Enter", "bu:Buttons:", "i:Auswerten", "i:Enter",
                            "i:Beenden", "i:Beenden", "i:Datei", "i:Hilfe", "i:HILFE", "i:Hilfe beenden"}));

    // The columns after the tabs line up, the hanging first lines included.
    const auto xAfterLastTab = [&](int lineIndex) {
        const QTextBlock block = manual->RichTextBox1->document()->findBlockByNumber(lineIndex);
        const int position = block.text().lastIndexOf(u'\t') + 1;
        return block.layout()->position().x() + block.layout()->lineAt(0).cursorToX(position);
    };
    const qreal column = xAfterLastTab(5);
    for (int lineIndex : {6, 7, 8, 9, 10, 11})
        EXPECT_EQ(xAfterLastTab(lineIndex), column) << "line " << lineIndex + 1;

    // From the "Hilfe" line on: left indent 1416 twips, first line -1410.
    int blockNumber = 0;
    for (QTextBlock block = manual->RichTextBox1->document()->begin(); block.isValid(); block = block.next()) {
        const bool hanging = blockNumber >= 9;
        EXPECT_EQ(block.blockFormat().leftMargin(), hanging ? 94 : 0) << "line " << blockNumber + 1;
        EXPECT_EQ(block.blockFormat().textIndent(), hanging ? -94 : 0) << "line " << blockNumber + 1;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QFont font = it.fragment().charFormat().font();
            EXPECT_TRUE(font.families().contains(QStringLiteral("Times New Roman"))) << "line " << blockNumber + 1;
            EXPECT_EQ(font.pointSizeF(), 12) << "line " << blockNumber + 1;
        }
        ++blockNumber;
    }
}

TEST_F(TextWindows, TheInfoWindowShowsTitleVersionMakersAndTheProjectSentence)
{
    auto *info = Forms::instance().show<frmInfo>();
    ASSERT_TRUE(info && QTest::qWaitForWindowExposed(info));
    shoot(info, QStringLiteral("frmInfo"));
    const QStringList shown = lines(info->rtfinfo);
    ASSERT_EQ(shown.size(), 7);
    EXPECT_EQ(shown[0], QStringLiteral("Spiel „Mixelo“"));
    EXPECT_EQ(shown[1], QStringLiteral("Version  0.8"));
    EXPECT_EQ(shown[2], QStringLiteral("Idee und Programmierung: das Quirlix-Team"));
    EXPECT_EQ(shown[3], QString());
    EXPECT_TRUE(shown[4].contains(QStringLiteral("„Mixelo“")) && shown[4].contains(QStringLiteral("„Quirlix“")))
        << qPrintable(shown[4]);
    EXPECT_EQ(shown[5], QString());
    EXPECT_EQ(shown[6], QStringLiteral("2002/07"));
    EXPECT_EQ(styledRuns(info->rtfinfo->document()), (QStringList {"b:Mixelo"}));
}

// Anything typed into the texts would be lost anyway; the pupil cannot
// change them at all.
TEST_F(TextWindows, ThePupilCannotTypeIntoTheTextsAndOkayClosesTheWindows)
{
    auto *manual = Forms::instance().show<frmAnleitung>();
    ASSERT_TRUE(manual && QTest::qWaitForWindowExposed(manual));
    const QString before = manual->RichTextBox1->toPlainText();
    QTest::mouseClick(manual->RichTextBox1->viewport(), Qt::LeftButton);
    QTest::keyClicks(manual->RichTextBox1, QStringLiteral("xyz"));
    QTest::keyClick(manual->RichTextBox1, Qt::Key_Delete);
    EXPECT_EQ(manual->RichTextBox1->toPlainText(), before);
    QTest::mouseClick(manual->cmdOkay, Qt::LeftButton);
    EXPECT_FALSE(Forms::instance().find<frmAnleitung>());

    auto *info = Forms::instance().show<frmInfo>();
    ASSERT_TRUE(info && QTest::qWaitForWindowExposed(info));
    const QString infoBefore = info->rtfinfo->toPlainText();
    QTest::keyClicks(info->rtfinfo, QStringLiteral("xyz"));
    EXPECT_EQ(info->rtfinfo->toPlainText(), infoBefore);
    EXPECT_EQ(info->focusWidget(), info->cmdOK);
    QTest::keyClick(info->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(Forms::instance().find<frmInfo>());
}
