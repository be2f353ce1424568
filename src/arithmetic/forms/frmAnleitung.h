#pragma once

#include "platform/form.h"

class QPushButton;
class QTextEdit;

// The manual of the pig game.
class frmAnleitung : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmAnleitung)
public:
    frmAnleitung();

    void cmdOkay_Click();

    QTextEdit *RichTextBox1;
    QPushButton *cmdOkay;
};
