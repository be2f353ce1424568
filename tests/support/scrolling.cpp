#include "support/scrolling.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>
#include <QtGui/QWheelEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPlainTextEdit>

namespace testing_support {

void turnWheel(QAbstractScrollArea *area, int notches, Qt::KeyboardModifiers keys)
{
    QWidget *viewport = area->viewport();
    const QPointF at = viewport->rect().center();
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

void dragPastBottom(QAbstractScrollArea *area, int beyond)
{
    QWidget *viewport = area->viewport();
    const QPoint from(4, viewport->fontMetrics().height() / 2);
    const QPoint to(4, viewport->height() + beyond);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

int topLine(QPlainTextEdit *box)
{
    return box->cursorForPosition(QPoint(0, box->fontMetrics().height() / 2)).blockNumber();
}

int bottomLine(QPlainTextEdit *box)
{
    const int below = box->cursorForPosition(QPoint(0, box->viewport()->height())).blockNumber();
    const QRect last = box->cursorRect(QTextCursor(box->document()->findBlockByNumber(below)));
    return last.bottom() < box->viewport()->height() ? below : below - 1;
}

} // namespace testing_support
