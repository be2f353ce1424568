#pragma once

#include "platform/form.h"

namespace platform {
class ImageBox;
class PictureButton;
} // namespace platform

namespace butterfly {

// The butterfly game's right and miss windows: a face without border or
// title bar over the game screen, left only by a click on it (the picture or
// anywhere beside it). No timer: it waits for the pupil.
class FeedbackWindow : public platform::Form
{
    Q_OBJECT
public:
    void Form_Load() override;
    void Form_Click() { Image1_Click(); }
    void Image1_Click();

    platform::ImageBox *Image1;

protected:
    FeedbackWindow(const QString &name, double width, double height, const QString &picture, double pictureTop);
    // Once per window: a second click already on its way when the first
    // closed the window must not score again.
    bool firstClick();
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    virtual void scoreClick() = 0;
    bool m_clicked = false;
};

} // namespace butterfly

// A right count: 3 points, then the next task on the game screen.
class frmRichtig : public butterfly::FeedbackWindow
{
    Q_OBJECT
    QUIRLIX_FORM(frmRichtig)
public:
    frmRichtig();

private:
    void scoreClick() override;
};

// A miss: 1 point off and back to the same task; or 2 points off through the
// help button, which first shows the counting help with the result sought.
class frmdaneben : public butterfly::FeedbackWindow
{
    Q_OBJECT
    QUIRLIX_FORM(frmdaneben)
public:
    frmdaneben();
    void cmdhilfe_Click();

    platform::PictureButton *cmdhilfe;

private:
    void scoreClick() override;
};
