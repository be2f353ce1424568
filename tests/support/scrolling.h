#pragma once

#include <QtCore/Qt>

#include <span>

class QAbstractScrollArea;
class QPlainTextEdit;
class QString;

// How a user turns the mouse wheel over a box, and what the box then shows.
namespace testing_support {

// Turns the mouse wheel over the area by whole notches, with the keys held;
// positive notches scroll down, as the wheel turned towards the user does.
void turnWheel(QAbstractScrollArea *area, int notches, Qt::KeyboardModifiers keys = {});

// The line (block number) that a plain-text box shows at its top.
int topLine(QPlainTextEdit *box);
// The lines each box shows at its top and at its bottom edge, as
// "top-bottom", one box after the other.
QString shownLines(std::span<QPlainTextEdit *const> boxes);

} // namespace testing_support
