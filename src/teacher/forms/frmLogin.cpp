#include "teacher/forms/frmLogin.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/namebox.h"
#include "platform/vbcolor.h"
#include "teacher/password.h"

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

using platform::Forms;

frmLogin::frmLogin()
    : Form(staticName())
{
    setWindowTitle(QStringLiteral("Anmeldung"));
    setBorder(Border::FixedDialog, /*closeBox=*/false, /*inTaskbar=*/false);
    setBackColor(0x800000);
    setClientSizeTwips(3750, 1545);

    lblLabels1 = platform::makeLabel(client(), QStringLiteral("&Kennwort:"),
                                     platform::vbFont(QStringLiteral("MS Sans Serif"), 9.75, true),
                                     platform::vbColor(platform::SystemColor::HighlightText),
                                     platform::vbColor(0x800000));
    lblLabels1->setObjectName(QStringLiteral("lblLabels(1)"));
    placeTwips(lblLabels1, 105, 240, 1185, 270);

    txtPassword = new QLineEdit(client());
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    platform::makePasswordBox(txtPassword);
    placeTwips(txtPassword, 1290, 240, 2325, 345);
    lblLabels1->setBuddy(txtPassword);

    cmdOK = new QPushButton(QStringLiteral("OK"), client());
    placeTwips(cmdOK, 495, 840, 1140, 390);
    cmdCancel = new QPushButton(QStringLiteral("Abbrechen"), client());
    placeTwips(cmdCancel, 2100, 840, 1140, 390);
    setDefaultButton(cmdOK);
    setCancelButton(cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    txtPassword->setFocus();

    adjustSize();
    centerOnScreen();
}

void frmLogin::cmdOK_Click()
{
    const LoginCheck check = checkPassword(txtPassword->text());
    if (check.result == LoginCheck::Result::Right) {
        // The teacher view first: after "Beenden" this dialog may be the last
        // window, and closing it would end the program.
        Forms::instance().hide(QStringLiteral("frmStart"));
        Forms::instance().show(QStringLiteral("frmLehrer"));
        unload();
        return;
    }
    platform::msgBox(check.message);
    // The next typing replaces the wrong entry.
    txtPassword->setFocus();
    txtPassword->selectAll();
}

void frmLogin::cmdCancel_Click()
{
    unload();
}
