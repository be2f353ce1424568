#include "teacher/forms/frmPasswort.h"

#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/namebox.h"
#include "teacher/password.h"

#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

using platform::Forms;

namespace {

QLineEdit *passwordBox(QWidget *parent, const char *name, double top)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    platform::makePasswordBox(box);
    platform::Form::placeTwips(box, 2220, top, 1410, 315);
    return box;
}

QLabel *label(QWidget *parent, const QString &text, const char *name, double top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    platform::Form::placeTwips(label, 120, top, 2040, 315);
    return label;
}

} // namespace

frmPasswort::frmPasswort()
    : Form(staticName())
{
    setWindowTitle(QStringLiteral("Anmeldung"));
    setBorder(Border::FixedDialog, /*closeBox=*/true, /*inTaskbar=*/false);
    setClientSizeTwips(3750, 1545);
    // Kept hidden only for its entries: it must not keep the program running
    // once every window the teacher can see has gone.
    setKeepsProcessAliveWhenHidden(false);

    lblLabels0 = label(client(), QStringLiteral("Passwort"), "lblLabels(0)", 120);
    txtPasswort1 = passwordBox(client(), "txtPasswort1", 120);
    lblLabels1 = label(client(), QStringLiteral("Passwort wiederholen"), "lblLabels(1)", 540);
    txtPasswort2 = passwordBox(client(), "txtPasswort2", 540);

    cmdOK = new QPushButton(QStringLiteral("OK"), client());
    placeTwips(cmdOK, 495, 1020, 1140, 390);
    cmdCancel = new QPushButton(QStringLiteral("Abbrechen"), client());
    placeTwips(cmdCancel, 2100, 1020, 1140, 390);
    setDefaultButton(cmdOK);
    setCancelButton(cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &frmPasswort::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPasswort::cmdCancel_Click);

    setTabOrder(txtPasswort1, txtPasswort2);
    setTabOrder(txtPasswort2, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    txtPasswort1->setFocus();

    adjustSize();
    centerOnScreen();
}

void frmPasswort::cmdOK_Click()
{
    const PasswordChange change = changePassword(txtPasswort1->text(), txtPasswort2->text());
    const bool written =
        change.result == PasswordChange::Result::Changed || change.result == PasswordChange::Result::Cleared;
    if (written)
        hide();
    platform::msgBox(change.message, change.title);
    // In every outcome the entries are gone: the next opening starts empty.
    unload();
}

void frmPasswort::cmdCancel_Click()
{
    Forms::instance().hide(staticName());
}
