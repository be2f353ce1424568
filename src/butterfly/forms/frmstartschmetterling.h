#pragma once

#include "butterfly/flight.h"
#include "platform/form.h"

namespace butterfly {
class FlightView;
}

namespace platform {
class PictureButton;
class Timer;
} // namespace platform

// The butterfly game's start screen: five butterflies fly for show while the
// pupil chooses the easy or the hard game. Opening it starts a new game at 0
// points; closing it (close box, or the game screen's end button) brings the
// main window back.
class frmstartschmetterling : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmstartschmetterling)
public:
    frmstartschmetterling();

    void Form_Load() override;
    void Form_Unload() override;
    void tmrbewegung_Timer();
    void cmdLEICHT_Click();
    void cmdSCHWER_Click();

    const butterfly::Flight &flight() const { return m_flight; }

    butterfly::FlightView *imgfangen;
    platform::PictureButton *cmdLEICHT;
    platform::PictureButton *cmdSCHWER;
    platform::Timer *tmrbewegung;

private:
    butterfly::Flight m_flight;
};
