#include "butterfly/forms/frmstartschmetterling.h"

#include "butterfly/forms/flightview.h"
#include "butterfly/forms/screenparts.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/timer.h"
#include "state/modvar.h"
#include "state/variablen.h"

using namespace butterfly;
using platform::Forms;

namespace {

platform::PictureButton *levelButton(QWidget *parent, const char *name, const QString &caption,
                                     const QString &picture, QSize pictureSize, double left)
{
    platform::PictureButton *button = pictureButton(parent, name, caption, picture, pictureSize, 0xFFFF80);
    button->setFont(platform::vbFont(QStringLiteral("MS Sans Serif"), 24));
    platform::Form::placeTwips(button, left, 5040, 3135, 2655);
    return button;
}

} // namespace

frmstartschmetterling::frmstartschmetterling()
    : Form(staticName())
    , m_flight(5)
{
    setWindowTitle(QStringLiteral("Schmettrling"));
    setBorder(Border::FixedDialog, /*closeBox=*/true, /*inTaskbar=*/false);
    setClientSizeTwips(butterfly::AreaWidth, butterfly::AreaHeight);

    imgfangen = new FlightView(m_flight, client());
    imgfangen->setObjectName(QStringLiteral("imgfangen"));
    imgfangen->setBackground(skyPicture(client()->size()));
    imgfangen->setButterflyPicture(butterflyPicture());

    cmdLEICHT = levelButton(client(), "cmdLEICHT", QStringLiteral("LEICHT"),
                            QStringLiteral(":/butterfly/level_easy.svg"), QSize(113, 113), 840);
    // The big butterfly, 151 pixels across, comes without the empty rows
    // above and below it, so that the caption fits under it.
    cmdSCHWER = levelButton(client(), "cmdSCHWER", QStringLiteral("SCHWER"),
                            QStringLiteral(":/butterfly/level_hard.svg"), QSize(151, 122), 7440);
    connect(cmdLEICHT, &QToolButton::clicked, this, &frmstartschmetterling::cmdLEICHT_Click);
    connect(cmdSCHWER, &QToolButton::clicked, this, &frmstartschmetterling::cmdSCHWER_Click);
    setTabOrder(cmdLEICHT, cmdSCHWER);
    cmdLEICHT->setFocus();

    tmrbewegung = new platform::Timer(200, this);
    tmrbewegung->setObjectName(QStringLiteral("tmrbewegung"));
    connect(tmrbewegung, &platform::Timer::tick, this, &frmstartschmetterling::tmrbewegung_Timer);

    adjustSize();
    centerOnScreen();
}

void frmstartschmetterling::Form_Load()
{
    // A new game: no task yet, no points. Gesucht stays as it was.
    Variablen.Operand1 = 0;
    Variablen.Operand2 = 0;
    Variablen.Ergebnis = 0;
    Variablen.Rechenart = 1;
    m_flight.setUp(butterfly::VerticalStart::DownwardOrLevel);
    imgfangen->sync();
    modVar.SpielerPunkte = 0;
    tmrbewegung->setEnabled(true);
}

void frmstartschmetterling::tmrbewegung_Timer()
{
    m_flight.tick();
    imgfangen->sync();
}

// The start screen's butterflies stand still behind the game screen; the
// game screen's end button closes this window, so it never flies again.
void frmstartschmetterling::cmdLEICHT_Click()
{
    modVar.SpielLevel = 1;
    tmrbewegung->setEnabled(false);
    Forms::instance().showModal(QStringLiteral("frmfangmichLEICHT"));
}

void frmstartschmetterling::cmdSCHWER_Click()
{
    modVar.SpielLevel = 2;
    tmrbewegung->setEnabled(false);
    Forms::instance().showModal(QStringLiteral("frmfangmichSCHWER"));
}

void frmstartschmetterling::Form_Unload()
{
    tmrbewegung->setEnabled(false);
    Forms::instance().show(QStringLiteral("frmStart"));
}
