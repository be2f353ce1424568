#pragma once

#include "arithmetic/forms/registration.h"
#include "memory/forms/frmMemory.h"
#include "memory/forms/frmStat.h"
#include "memory/forms/registration.h"
#include "memory/memorytesting.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "results/forms/registration.h"
#include "support/guisupport.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>

// What the window tests of the memory game share.
namespace memory_testing {

// The pictures the board reads from the program folder.
inline QStringList programFolderPictures()
{
    return animalFiles()
        + QStringList {QStringLiteral("sonne2.jpg"), QStringLiteral("klein_Weiter-tuer.gif"),
                       QStringLiteral("klein_Fragezeichen.jpg")};
}

// The memory windows, the save window and the counting help registered, the
// main window open behind them as the memory game leaves it, and the
// program folder holding the pictures the build lays beside the program.
class MemoryWindows : public MemoryTest
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        platform::Clock::instance().reset();
        registerMemoryForms();
        registerResultsForms();
        registerArithmeticForms();
        testing_support::registerStandIn(QStringLiteral("frmStart"));
        platform::Forms::instance().show(QStringLiteral("frmStart"));
        if (m_withPictures) {
            for (const QString &name : programFolderPictures())
                QFile::copy(QDir(QStringLiteral(QUIRLIX_PROGRAM_FOLDER)).filePath(name), folder.file(name));
        }
    }
    void TearDown() override { testing_support::resetWindows(); }

    frmMemory *openBoard()
    {
        frmMemory *board = platform::Forms::instance().show<frmMemory>();
        EXPECT_TRUE(board && QTest::qWaitForWindowExposed(board));
        return board;
    }

    bool m_withPictures = true;
};

inline void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

// The cards as the pupil sees them, in slot order, a column of four between
// bars: the number and D (card back showing), U (number up), R or B (number
// on red or dark blue).
inline QString cardsShown(const frmMemory *board)
{
    QStringList columns;
    for (int column = 0; column < Mdlmodul.AnzahlKarten / 4; ++column) {
        QStringList cells;
        for (int slot = column * 4; slot < column * 4 + 4; ++slot) {
            const QLabel *number = board->lblZahl[slot];
            QChar mark = u'?';
            if (board->pctBild[slot]->isVisible() && !number->isVisible())
                mark = u'D';
            else if (!board->pctBild[slot]->isVisible() && number->isVisible()) {
                const QColor back = number->palette().color(QPalette::Window);
                if (!number->autoFillBackground())
                    mark = u'U';
                else if (back == QColor(0xFF, 0, 0))
                    mark = u'R';
                else if (back == QColor(0, 0, 0xC0))
                    mark = u'B';
            }
            cells << number->text() + mark;
        }
        columns << cells.join(u' ');
    }
    return columns.join(QStringLiteral(" | "));
}

// A party's found-pair display as the pupil reads it: "1+6 2+5".
inline QString foundShown(const std::array<QLabel *, memory::slotCount> &labels)
{
    QStringList pairs;
    for (int label = 0; label + 1 < memory::slotCount && labels[label]->isVisible(); label += 2)
        pairs << labels[label]->text() + u'+' + labels[label + 1]->text();
    return pairs.join(u' ');
}

} // namespace memory_testing
