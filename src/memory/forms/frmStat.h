#pragma once

#include "platform/form.h"

namespace platform {
class ClickLabel;
}

// The score view over the finished board: each party's name and points. A
// click anywhere on it closes it.
class frmStat : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmStat)
public:
    frmStat();

    void Form_Load() override;
    void Form_Click();
    void LblAusgabe_Click();

    platform::ClickLabel *LblAusgabe;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
