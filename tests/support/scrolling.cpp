#include "support/scrolling.h"

#include <QtGui/QTextCursor>
#include <QtGui/QWheelEvent>
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

int topLine(QPlainTextEdit *box)
{
    return box->cursorForPosition(QPoint(0, box->fontMetrics().height() / 2)).blockNumber();
}

QString shownLines(std::span<QPlainTextEdit *const> boxes)
{
    QStringList shown;
    for (QPlainTextEdit *box : boxes) {
        const int bottom = box->cursorForPosition(QPoint(0, box->viewport()->height() - 1)).blockNumber();
        shown << QStringLiteral("%1-%2").arg(topLine(box)).arg(bottom);
    }
    return shown.join(u' ');
}

} // namespace testing_support
