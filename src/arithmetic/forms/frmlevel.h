#pragma once

#include "platform/form.h"

class QLabel;
class frmHaupt;

namespace platform {
class PictureButton;
}

// The level choice, shown once while the pig board opens: it draws the first
// task of the chosen level.
class frmlevel : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmlevel)
public:
    frmlevel();

    void cmdLevel1_Click();
    void cmdLevel2_Click();
    void cmdLevel3_Click();

    QLabel *lblleveltext;
    platform::PictureButton *cmdLevel1;
    platform::PictureButton *cmdLevel2;
    platform::PictureButton *cmdLevel3;

private:
    void choose(quint8 level, void (frmHaupt::*generator)());
};
