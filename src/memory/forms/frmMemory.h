#pragma once

#include "memory/board.h"
#include "platform/form.h"

#include <array>

class QLabel;

namespace platform {
class ImageBox;
class PictureButton;
class Timer;
} // namespace platform

// The memory board: face-down number cards to be turned two at a time, the
// found pairs of each party beside them, whose turn it is, and the end and
// help buttons.
class frmMemory : public platform::Form, private memory::BoardWindow
{
    Q_OBJECT
    QUIRLIX_FORM(frmMemory)
public:
    frmMemory();

    void Form_Load() override;
    void pctBild_Click(int index);
    void tmrTimer_Timer();
    void tmrcompi_Timer();
    void CmdEnde_Click();
    void cmdhilfe_Click();

    const memory::Board &board() const { return m_board; }

    std::array<platform::ImageBox *, memory::slotCount> pctBild {};
    std::array<QLabel *, memory::slotCount> lblZahl {};
    std::array<QLabel *, memory::slotCount> Lbleins {};
    std::array<QLabel *, memory::slotCount> Lblzwei {};
    std::array<platform::ImageBox *, 3> PctSmilie {};
    std::array<platform::ImageBox *, 5> Imgmyicon {};
    QLabel *lblErgebnis;
    QLabel *Lbldran;
    QLabel *LblPaar;
    platform::PictureButton *CmdEnde;
    platform::PictureButton *cmdhilfe;
    QWidget *Line1;
    platform::Timer *tmrcompi;
    platform::Timer *tmrTimer;

private:
    void setTmrTimerEnabled(bool enabled) override;
    void setTmrcompiEnabled(bool enabled) override;
    void showScoreView() override;

    void layOutCards();
    void loadAnimals();
    // Shows the board's picture as the logic holds it.
    void render();

    memory::Board m_board;
};
