#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The pupil sign-in before the pig and the butterfly game.
class frmLoginSpiele : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmLoginSpiele)
public:
    frmLoginSpiele();

    void cmdOK_Click();
    void cmdCancel_Click();

    QLabel *lblLabels0;
    QLineEdit *txtUserName;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};
