#pragma once

#include "platform/form.h"

namespace platform {
class ImageBox;
class Timer;
} // namespace platform

// The right- and the wrong-answer window: a smiley that fills a window without
// title bar and closes it on a click, on Enter or after four seconds.
class FeedbackWindow : public platform::Form
{
    Q_OBJECT
public:
    void Form_Load() override;

protected:
    FeedbackWindow(const QString &name, const QString &smiley, double clientWidth, double clientHeight);

    // What the window does as it closes, once, whichever way comes first.
    virtual void closing() = 0;

    platform::ImageBox *const m_picture;
    platform::Timer *const m_timer;

private:
    void finish();

    bool m_closed = false;
};
