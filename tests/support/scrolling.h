#pragma once

#include <QtCore/Qt>

class QAbstractScrollArea;
class QPlainTextEdit;

// The ways a user scrolls a box with the mouse, and what the box then shows.
namespace testing_support {

// Turns the mouse wheel over the area by whole notches, with the keys held;
// positive notches scroll down, as the wheel turned towards the user does.
void turnWheel(QAbstractScrollArea *area, int notches, Qt::KeyboardModifiers keys = {});

// Presses the left button on the area's first line, drags straight down to
// `beyond` pixels below its bottom edge and lets go there, as a user does who
// selects past the edge.
void dragPastBottom(QAbstractScrollArea *area, int beyond);

// The line (block number) that a plain-text box shows at its top, or at its
// bottom: the last line that its height shows whole.
int topLine(QPlainTextEdit *box);
int bottomLine(QPlainTextEdit *box);

} // namespace testing_support
