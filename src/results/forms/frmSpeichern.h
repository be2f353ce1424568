#pragma once

#include "platform/form.h"

class QLabel;

namespace platform {
class Timer;
}

// The notice a finished game ends in: 2000 ms after it opens it appends the
// result records, closes itself and shows the main window again.
class frmSpeichern : public platform::Form
{
    Q_OBJECT
    QUIRLIX_FORM(frmSpeichern)
public:
    frmSpeichern();

    void Form_Load() override;
    void tmrSpeichern_Timer();

    QLabel *Label1;
    platform::Timer *tmrSpeichern;

private:
    QString m_databaseName; // what the data source datliste is set to
};
