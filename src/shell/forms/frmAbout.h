#pragma once

#include "platform/form.h"

class QLabel;
class QPushButton;
class LinkSprokel;
class LinkVexa;
class LinkVexa2;
class MailOstrak;

// The about box over the main window: title, version, the makers' links,
// credits, disclaimer and address, and the system-information launch.
class frmAbout : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmAbout)
public:
    frmAbout();

    void Form_Load() override;
    void cmdOK_Click() { unload(); }
    void cmdSysInfo_Click() { StartSysInfo(); }
    // Starts the system-information program, or says it is not available.
    void StartSysInfo();

    QLabel *lblTitle;
    QLabel *lblVersion;
    LinkVexa *LinkVexa1;
    QWidget *Line1[2];
    QLabel *lblAutoren;
    LinkVexa2 *LinkVexa21;
    LinkSprokel *LinkSprokel1;
    QLabel *lblVexa3;
    QLabel *lblVexa2;
    MailOstrak *crtMailOstrak;
    QPushButton *cmdOK;
    QPushButton *cmdSysInfo;
};
