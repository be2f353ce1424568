#pragma once

#include "arithmetic/forms/feedbackwindow.h"

// The wrong-answer window: a sad smiley; the task stays and now earns only
// one point.
class frmfalsch : public FeedbackWindow
{
    Q_OBJECT
    QUIRLIX_FORM(frmfalsch)
public:
    frmfalsch();

    platform::ImageBox *const picfalsch;
    platform::Timer *const tmrtimer1;

protected:
    void closing() override;
};
