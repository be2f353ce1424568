#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

namespace platform {

// Enter on the main keyboard or on the numeric keypad (which arrives with the
// keypad modifier), without Shift, Ctrl or Alt. The manual tells pupils to
// play with the keypad and Enter.
bool isEnter(const QKeyEvent *event);
// Escape without Shift, Ctrl or Alt.
bool isEscape(const QKeyEvent *event);

// Runs action when Enter is pressed while widget has the focus; the key goes
// no further. For the controls that take Enter as a key of their own (entry
// boxes, pictures); buttons get theirs from the window (Form).
void onEnter(QWidget *widget, std::function<void()> action);

} // namespace platform
