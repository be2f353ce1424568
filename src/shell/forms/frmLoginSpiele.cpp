#include "shell/forms/frmLoginSpiele.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/namebox.h"
#include "platform/vbcolor.h"
#include "state/modvar.h"

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

using platform::Forms;

frmLoginSpiele::frmLoginSpiele()
    : Form(staticName())
{
    setWindowTitle(QStringLiteral("Anmeldung"));
    setBorder(Border::FixedDialog, /*closeBox=*/false, /*inTaskbar=*/false);
    setBackColor(0x800000);
    setClientSizeTwips(3750, 1545);

    lblLabels0 = platform::makeLabel(client(), QStringLiteral("&Name:"),
                                     platform::vbFont(QStringLiteral("MS Sans Serif"), 9.75, true),
                                     platform::vbColor(0xFFFFFF), platform::vbColor(0x800000));
    placeTwips(lblLabels0, 120, 240, 840, 270);

    txtUserName = new QLineEdit(client());
    platform::filterNameBox(txtUserName, 12);
    placeTwips(txtUserName, 960, 240, 2685, 345);
    lblLabels0->setBuddy(txtUserName);

    cmdOK = new QPushButton(QStringLiteral("OK"), client());
    placeTwips(cmdOK, 480, 840, 1140, 390);
    cmdCancel = new QPushButton(QStringLiteral("Abbrechen"), client());
    placeTwips(cmdCancel, 2100, 840, 1140, 390);
    setDefaultButton(cmdOK);
    setCancelButton(cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &frmLoginSpiele::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLoginSpiele::cmdCancel_Click);

    setTabOrder(txtUserName, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    txtUserName->setFocus();

    adjustSize();
    centerOnScreen();
}

void frmLoginSpiele::cmdOK_Click()
{
    modVar.SpielerName = txtUserName->text();
    Forms::instance().hide(QStringLiteral("frmStart"));
    // The pig board asks for the level in a modal window while it opens, so
    // this returns only once the level is chosen; the sign-in closes after.
    const int game = modVar.SpielNummer.toInt();
    if (game == 2)
        Forms::instance().show(QStringLiteral("frmHaupt"));
    else if (game == 1)
        Forms::instance().show(QStringLiteral("frmstartschmetterling"));
    unload();
}

void frmLoginSpiele::cmdCancel_Click()
{
    unload();
}
