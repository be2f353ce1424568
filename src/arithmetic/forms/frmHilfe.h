#pragma once

#include "platform/form.h"

#include <array>

class QFrame;
class QLabel;

namespace platform {
class ImageBox;
class PictureButton;
} // namespace platform

// The counting help of all three games: the task in the task state as an
// equation with "?" in the sought place and as suns to count.
class frmHilfe : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmHilfe)
public:
    frmHilfe();

    void Form_Load() override;
    void cmdHilfebeenden_Click();

    QLabel *lblOperator1;
    QLabel *lblRechenart;
    QLabel *lblOperator2;
    QLabel *lblGleich;
    QLabel *lblErgebnis;
    platform::PictureButton *cmdHilfebeenden;
    QFrame *fraAbzählen;
    // The suns of cells 1..20; element 0 stays empty, so that an index is the
    // cell's number.
    std::array<platform::ImageBox *, 21> Sonne5 {}; // yellow, with sunglasses
    std::array<platform::ImageBox *, 21> Sonne3 {}; // blue
    std::array<platform::ImageBox *, 21> Sonne4 {}; // crossed out
};
