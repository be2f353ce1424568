#pragma once

#include "platform/form.h"

class QAction;

namespace platform {
class ImageBox;
}

// The main window: the hub from which every game, the highscore list, the
// teacher administration and the about box are reached.
class frmStart : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmStart)
public:
    frmStart();

    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void mnuHighscore_Click();
    void mnuBeenden_Click();
    void mnuLogin_Click();
    void mnuInfo_Click();

    platform::ImageBox *Image1;
    platform::ImageBox *Image2;
    platform::ImageBox *Image3;
    QAction *mnuHighscore;
    QAction *mnuBeenden;
    QAction *mnuLogin;
    QAction *mnuInfo;

protected:
    void closeBoxClicked() override { mnuBeenden_Click(); }
};
