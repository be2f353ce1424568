#pragma once

#include "arithmetic/forms/textwindow.h"

// The info window of the pig game: title, version and makers.
class frmInfo : public TextWindow
{
    Q_OBJECT
    QUIRLIX_FORM(frmInfo)
public:
    frmInfo();

    QTextEdit *const rtfinfo;
    QPushButton *const cmdOK;
};
