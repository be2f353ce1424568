#pragma once

#include "arithmetic/forms/feedbackwindow.h"

// The right-answer window: a laughing smiley. As it closes it scores the
// answer and puts the next task on the board.
class frmokay : public FeedbackWindow
{
    Q_OBJECT
    QUIRLIX_FORM(frmokay)
public:
    frmokay();

    platform::ImageBox *const picokay;
    platform::Timer *const tmrTimer;

protected:
    void closing() override;
};
