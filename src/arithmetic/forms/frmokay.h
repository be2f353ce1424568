#pragma once

#include "platform/form.h"

namespace platform {
class ImageBox;
class Timer;
} // namespace platform

// The right-answer window: a laughing smiley that scores the answer and puts
// the next task on the board when it is clicked, Enter is pressed, or after
// four seconds.
class frmokay : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmokay)
public:
    frmokay();

    void Form_Load() override;

    void picokay_Click();
    bool picokay_KeyPress(int key);
    void tmrTimer_Timer();

    platform::ImageBox *picokay;
    platform::Timer *tmrTimer;

private:
    bool m_scored = false;
};
