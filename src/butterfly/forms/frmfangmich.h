#pragma once

#include "butterfly/round.h"
#include "platform/form.h"

#include <vector>

class QLabel;
class QPushButton;

namespace platform {
class ImageBox;
class PictureButton;
class Timer;
} // namespace platform

namespace butterfly {
class FlightView;
struct GameScreenLayout;
} // namespace butterfly

// A game screen of the butterfly game: a task in a speech bubble, butterflies
// to catch for its result, baskets for the catches, "Fertig!!" to compare and
// the end button. The easy and the hard screen are this one design with
// their own numbers and layout.
class frmfangmich : public platform::Form
{
    Q_OBJECT
public:
    void Form_Load() override;
    void Form_Unload() override;
    void tmrBewegung_Timer();
    void imgfangen_Click(int k);
    void imgfang_Click(int slot);
    void cmdGenug_Click();
    void CmdEnde_Click();
    void Form_GotFocus();
    // The next task, after a right answer; the right window calls it.
    void cmdstart_Click();

    const butterfly::CatchRound &round() const { return m_round; }

    QLabel *lblaufgabe;
    butterfly::FlightView *imgfangen;
    std::vector<platform::ImageBox *> imgfang;
    platform::PictureButton *cmdGenug;
    platform::PictureButton *CmdEnde;
    QPushButton *cmdstart;
    QLabel *Label1;
    QLabel *lblpunkte; // lblpunktel on the easy screen, lblpunktes on the hard one
    platform::Timer *tmrBewegung;

protected:
    frmfangmich(const QString &name, const butterfly::GameScreenLayout &layout);
    void changeEvent(QEvent *event) override;

private:
    void showTask();
    void showCatches();

    const butterfly::GameScreenLayout &m_layout;
    butterfly::CatchRound m_round;
};

class frmfangmichLEICHT : public frmfangmich
{
    Q_OBJECT
    QUIRLIX_FORM(frmfangmichLEICHT)
public:
    frmfangmichLEICHT();
};

class frmfangmichSCHWER : public frmfangmich
{
    Q_OBJECT
    QUIRLIX_FORM(frmfangmichSCHWER)
public:
    frmfangmichSCHWER();
};
