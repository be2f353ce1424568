#pragma once

#include "arithmetic/forms/textwindow.h"

// The manual of the pig game.
class frmAnleitung : public TextWindow
{
    Q_OBJECT
    QUIRLIX_FORM(frmAnleitung)
public:
    frmAnleitung();

    QTextEdit *const RichTextBox1;
    QPushButton *const cmdOkay;
};
