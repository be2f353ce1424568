#include "shell/forms/frmStart.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"
#include "shell/hub.h"
#include "platform/startini.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"

#include <QtWidgets/QMenuBar>

using platform::Forms;
using platform::twipsToPixels;

namespace {

platform::ImageBox *gamePicture(QWidget *parent, const QString &resource, double left, double top)
{
    auto *image = new platform::ImageBox(parent);
    platform::Form::placeTwips(image, left, top, 4530, 3810);
    image->setSingleBorder(true);
    image->setStretch(true);
    image->setPicture(platform::picture(resource, image->size()));
    image->setCursor(Qt::PointingHandCursor);
    return image;
}

// One game at a time: a second road would rewrite the game fields and names
// under a running memory game, or under a save window still waiting to read
// them. While one is open a picture only brings that road to the front.
bool runningGameToFront()
{
    bool running = false;
    for (const char *name :
         {"frmAnzahl", "FrmCompi", "FrmSchwierigkeit", "frmSpieler1", "frmMemory", "frmStat", "frmSpeichern"}) {
        if (Forms::instance().find(QLatin1String(name))) {
            Forms::instance().show(QLatin1String(name));
            running = true;
        }
    }
    return running;
}

} // namespace

frmStart::frmStart()
    : Form(staticName())
{
    setWindowTitle(QStringLiteral("Quirlix"));
    setWindowIcon(platform::picture(QStringLiteral(":/shell/quirlix.svg"), QSize(64, 64)));
    setBorder(Border::FixedSingle, /*closeBox=*/true);
    setBackColor(0x800000);
    setClientSizeTwips(11910, 8430);

    Image1 = gamePicture(client(), QStringLiteral(":/shell/schmetterling.svg"), 6840, 120);
    Image2 = gamePicture(client(), QStringLiteral(":/shell/memory.svg"), 6840, 4080);
    Image3 = gamePicture(client(), QStringLiteral(":/shell/schweinchen.svg"), 840, 4080);
    connect(Image1, &platform::ImageBox::clicked, this, &frmStart::Image1_Click);
    connect(Image2, &platform::ImageBox::clicked, this, &frmStart::Image2_Click);
    connect(Image3, &platform::ImageBox::clicked, this, &frmStart::Image3_Click);

    QLabel *lblWaehlen = platform::makeLabel(client(), QStringLiteral("Wähle ein Spiel aus!!!"),
                                             platform::vbFont(QStringLiteral("Comic Sans MS"), 14.25, true),
                                             platform::vbColor(0xFFFF), platform::vbColor(0x800000));
    lblWaehlen->setObjectName(QStringLiteral("lblWählen"));
    placeTwips(lblWaehlen, 1440, 1800, 4455, 735);

    QMenu *mnuSpiel = menuBar()->addMenu(QStringLiteral("&Spiel"));
    mnuHighscore = mnuSpiel->addAction(QStringLiteral("&Highscore"), this, &frmStart::mnuHighscore_Click);
    mnuBeenden = mnuSpiel->addAction(QStringLiteral("&Beenden"), this, &frmStart::mnuBeenden_Click);
    QMenu *mnuLehrer = menuBar()->addMenu(QStringLiteral("&Lehrer"));
    mnuLogin = mnuLehrer->addAction(QStringLiteral("&Login"), this, &frmStart::mnuLogin_Click);
    mnuInfo = menuBar()->addAction(QStringLiteral("&Info"), this, &frmStart::mnuInfo_Click);

    adjustSize();
    centerOnScreen();
}

// A game whose windows are not part of the program yet is not offered: its
// picture does nothing rather than leading into a window that is missing.
void frmStart::Image1_Click()
{
    if (!Forms::instance().isRegistered(QStringLiteral("frmstartschmetterling")) || runningGameToFront())
        return;
    chooseGame(Game::Schmetterling, modVar, Mdlmodul);
    Forms::instance().show(QStringLiteral("frmLoginSpiele"));
}

void frmStart::Image3_Click()
{
    if (!Forms::instance().isRegistered(QStringLiteral("frmHaupt")) || runningGameToFront())
        return;
    chooseGame(Game::Schweinchen, modVar, Mdlmodul);
    Forms::instance().show(QStringLiteral("frmLoginSpiele"));
}

void frmStart::Image2_Click()
{
    if (!Forms::instance().isRegistered(QStringLiteral("frmAnzahl")) || runningGameToFront())
        return;
    chooseGame(Game::Memory, modVar, Mdlmodul);
    Forms::instance().show(QStringLiteral("frmAnzahl"));
}

void frmStart::mnuHighscore_Click()
{
    if (!Forms::instance().isRegistered(QStringLiteral("frmHighscore")))
        return;
    Forms::instance().hide<frmStart>();
    Forms::instance().show(QStringLiteral("frmHighscore"));
}

void frmStart::mnuBeenden_Click()
{
    unload();
}

void frmStart::mnuLogin_Click()
{
    const platform::PasswordSetting setting = platform::readPasswordSetting();
    switch (setting.state) {
    case platform::PasswordSetting::State::Unreadable:
        platform::msgBox(platform::passwordFileUnreadableMessage(setting));
        return;
    case platform::PasswordSetting::State::None:
        if (!Forms::instance().isRegistered(QStringLiteral("frmLehrer")))
            return;
        Forms::instance().hide<frmStart>();
        Forms::instance().show(QStringLiteral("frmLehrer"));
        return;
    case platform::PasswordSetting::State::Set:
        Forms::instance().show(QStringLiteral("frmLogin"));
        return;
    }
}

void frmStart::mnuInfo_Click()
{
    Forms::instance().showModal(QStringLiteral("frmAbout"));
}
