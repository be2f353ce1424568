#pragma once

#include "platform/form.h"

#include <QtCore/QHash>

class QLabel;
class LinkSprokel;
class LinkVexa;
class LinkVexa2;
class MailOstrak;

namespace platform {
class ClickLabel;
class Timer;
} // namespace platform

// The program's first window: title, version, credits with the makers'
// links, disclaimer and address. After 60000 ms, a click or a character key
// it shows the main window and closes for good.
class frmSplash : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmSplash)
public:
    frmSplash();

    void Form_Load() override;
    void Form_KeyPress();
    void Form_Click();
    void Frame1_Click() { endSplash(); }
    void Timer1_Timer() { endSplash(); }

    // A control's place inside the frame in single-precision twips, as the
    // load step computed it; the window system rounds it to pixels.
    struct Place
    {
        float left, top, width, height;
    };
    Place place(const QWidget *control) const;

    platform::ClickLabel *Frame1;
    platform::ClickLabel *lblTitel;
    platform::ClickLabel *lblErklaerung;
    platform::ClickLabel *lblVersion;
    platform::ClickLabel *lblAutoren;
    LinkVexa2 *LinkVexa21;
    LinkSprokel *LinkSprokel1;
    QLabel *lblVexa3;
    LinkVexa *LinkVexa1;
    platform::ClickLabel *lblVexa2;
    MailOstrak *crtMailOstrak;
    platform::Timer *Timer1;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void endSplash();
    void setPlace(QWidget *control, Place place);
    void setLeft(QWidget *control, float left);

    QHash<const QWidget *, Place> m_places;
};
