#pragma once

#include "platform/form.h"

namespace platform {
class ImageBox;
class Timer;
} // namespace platform

// The wrong-answer window: a sad smiley; the task stays and now earns only
// one point. Closes on a click, on Enter or after four seconds.
class frmfalsch : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmfalsch)
public:
    frmfalsch();

    void Form_Load() override;

    void picfalsch_Click();
    bool picfalsch_KeyPress(int key);
    void tmrtimer1_Timer();

    platform::ImageBox *picfalsch;
    platform::Timer *tmrtimer1;
};
