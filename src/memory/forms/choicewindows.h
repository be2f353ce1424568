#pragma once

#include "platform/form.h"

class QLabel;
class QPushButton;

namespace platform {
class ImageBox;
}

// The memory game's choice windows, one after the other before the board:
// how many pupils, alone or against the computer, easy or hard. One click on
// a big button or picture answers and the next window follows; Escape leaves
// the road and brings the main window to the front, with nothing kept.
class ChoiceWindow : public platform::Form
{
    Q_OBJECT
protected:
    explicit ChoiceWindow(const QString &name);

    // After the choice is written: the next window is loaded (its set-up runs
    // now), this one closes, and the next one shows.
    void goOn(const QString &next);
    QLabel *caption(const char *name, const QString &text, quint32 color, double left, double top, double width,
                    double height);
    platform::ImageBox *picture(const char *name, const QString &resource, double left);

    void keyPressEvent(QKeyEvent *event) override;
};

// How many pupils play.
class frmAnzahl : public ChoiceWindow
{
    Q_OBJECT
    QUIRLIX_FORM(frmAnzahl)
public:
    frmAnzahl();

    void CmdeinSpieler_Click();
    void CmdzweiSpieler_Click();

    QLabel *Lblanzahlspieler;
    QPushButton *CmdeinSpieler;
    QPushButton *CmdzweiSpieler;
};

// One pupil: alone, or against the computer.
class FrmCompi : public ChoiceWindow
{
    Q_OBJECT
    QUIRLIX_FORM(FrmCompi)
public:
    FrmCompi();

    void Imgallein_Click();
    void Imgcompi_Click();

    QLabel *LblAlleine;
    QLabel *Lblgegencompi;
    platform::ImageBox *Imgallein;
    platform::ImageBox *Imgcompi;
};

// Easy or hard.
class FrmSchwierigkeit : public ChoiceWindow
{
    Q_OBJECT
    QUIRLIX_FORM(FrmSchwierigkeit)
public:
    FrmSchwierigkeit();

    void ImgLeicht_Click();
    void ImgSchwierig_Click();

    QLabel *Label1;
    QLabel *Label2;
    platform::ImageBox *ImgLeicht;
    platform::ImageBox *ImgSchwierig;
};
