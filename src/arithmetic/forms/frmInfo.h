#pragma once

#include "platform/form.h"

class QPushButton;
class QTextEdit;

// The info window of the pig game: title, version and makers.
class frmInfo : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmInfo)
public:
    frmInfo();

    void cmdOK_Click();

    QTextEdit *rtfinfo;
    QPushButton *cmdOK;
};
