#pragma once

#include "memory/playerpage.h"
#include "platform/form.h"

#include <array>

class QLabel;
class QLineEdit;

namespace platform {
class ImageBox;
class PictureButton;
class Timer;
} // namespace platform

// The player page: each pupil types a name and picks one of five animals;
// player 1's page is red, player 2's dark blue.
class frmSpieler1 : public platform::Form, private memory::PlayerPageWindow
{
    Q_OBJECT
    QUIRLIX_FORM(frmSpieler1)
public:
    frmSpieler1();

    void Form_Load() override;
    void Imgicon_Click(int Index);
    void Tmrblinker_Timer();
    void cmdweiter_Click();

    const memory::PlayerPage &page() const { return m_page; }

    QLabel *lblnamen;
    QLineEdit *TxtName;
    QLabel *Label1;
    std::array<platform::ImageBox *, 5> Imgicon {};
    platform::PictureButton *cmdweiter;
    platform::Timer *Tmrblinker;

private:
    void setTmrblinkerEnabled(bool enabled) override;
    void render();

    memory::PlayerPage m_page;
};
