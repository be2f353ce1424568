#pragma once

#include "support/testsupport.h"

#include <QtCore/QString>

#include <functional>

class QColor;
class QWidget;
class QAbstractButton;

namespace testing_support {

// Closes every window, flushes their deferred deletion and forgets the
// registered factories, so that a window test starts with no window at all.
void resetWindows();

// A window test: no window open and none registered before and after, and
// the global state of a fresh program.
class WindowTest : public GlobalsTest
{
protected:
    void SetUp() override;
    void TearDown() override;
};

// Deletes the windows that were closed (their deletion is deferred).
void flushClosedWindows();

// Shows the window, waits until it is exposed, so clicks reach what a user
// could reach.
bool showAndExpose(QWidget *widget);

// Runs action as soon as a modal window is active (message box or modal
// form), from inside its event loop. The action gets the modal widget.
void whenModal(std::function<void(QWidget *)> action);

// Answers the next modal message box with its button "OK" and keeps its
// text in *text, which must outlive the box.
void answerNextMessage(QString *text);

// Clicks the button of the active modal message box whose text is given.
void clickMessageBoxButton(QWidget *box, const QString &buttonText);

// Registers a small empty window under the name of a window that another
// subsystem builds, so a test can see it being shown, hidden or closed.
void registerStandIn(const QString &name);

// Whether the button shows color flat over its face: exactly that colour in a
// band inside its left edge, clear of the focus rectangle, caption and picture.
bool showsFlatFace(QWidget *button, const QColor &color);

// Saves a picture of the window as <name>.png in the folder that
// QUIRLIX_SHOTS_DIR names, when it is set (scripts/screenshots sets it).
void shoot(QWidget *window, const QString &name);

} // namespace testing_support
