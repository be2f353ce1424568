#pragma once

#include "platform/form.h"

namespace platform {
class ImageBox;
class PictureButton;
} // namespace platform

// The input-error window: no letters, only digits. Stays until "OK!".
class frmfehler : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmfehler)
public:
    frmfehler();

    void Form_Paint();
    void cmdOK_Click();

    platform::ImageBox *picnoabc;
    platform::ImageBox *Picture2;
    platform::PictureButton *cmdOK;

protected:
    void showEvent(QShowEvent *event) override;
};
