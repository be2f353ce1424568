#pragma once

#include "platform/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Sets a new teacher password, shown from the teacher view. "Abbrechen" only
// hides it, so it shows the same entries when it is opened again.
class frmPasswort : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmPasswort)
public:
    frmPasswort();

    void cmdOK_Click();
    void cmdCancel_Click();

    QLabel *lblLabels0;
    QLabel *lblLabels1;
    QLineEdit *txtPasswort1;
    QLineEdit *txtPasswort2;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};
