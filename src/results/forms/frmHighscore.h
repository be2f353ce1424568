#pragma once

#include "platform/boundboxes.h"
#include "platform/form.h"

#include <array>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Timer;
}

// The ten best records, highest points first; opened from the main window's
// menu and left only through "zurück".
class frmHighscore : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmHighscore)
public:
    frmHighscore();

    void Form_Load() override;
    void TmrZeit_Timer();
    void cmdZurück_Click();

    QPushButton *cmdZurück;
    QListWidget *lstNummer;
    std::array<QLabel *, 5> lblPunkte; // by index: Punkte, Name, Level, Datum, Spiel
    QPlainTextEdit *txtPunkte;
    QPlainTextEdit *txtName;
    QPlainTextEdit *txtSpiel;
    QPlainTextEdit *txtLevel;
    QPlainTextEdit *txtDatum;
    platform::BoundBoxes txtVar; // txtVarName ... txtVarSpiel
    platform::Timer *tmrZeit;

private:
    QString m_databaseName; // what the data source datliste is set to
};
