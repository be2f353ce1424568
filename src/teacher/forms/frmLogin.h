#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The teacher's password dialog, shown by the main window's teacher menu
// when a password is set; a right password leads to the teacher view.
class frmLogin : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmLogin)
public:
    frmLogin();

    void cmdOK_Click();
    void cmdCancel_Click();

    QLabel *lblLabels1;
    QLineEdit *txtPassword;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};
