#include "results/forms/frmSpeichern.h"

#include "state/mdlmodul.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/messagebox.h"
#include "platform/timer.h"
#include "platform/vbcolor.h"
#include "platform/resultsdb.h"
#include "results/saving.h"
#include "state/modvar.h"

#include <QtCore/QDate>
#include <QtWidgets/QLabel>

frmSpeichern::frmSpeichern()
    : Form(staticName())
{
    setWindowTitle(QStringLiteral("Daten werden gespeichert"));
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setBackColor(0xFFFF);
    setClientSizeTwips(7245, 1095);

    Label1 = platform::makeLabel(client(), QStringLiteral("Daten werden gespeichert..."),
                                 platform::vbFont(QStringLiteral("MS Sans Serif"), 24, true), platform::vbColor(0xFFFF),
                                 platform::vbColor(0x800000));
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(Label1, 240, 240, 6735, 615);

    tmrSpeichern = new platform::Timer(2000, this);
    tmrSpeichern->setObjectName(QStringLiteral("tmrSpeichern"));
    connect(tmrSpeichern, &platform::Timer::tick, this, &frmSpeichern::tmrSpeichern_Timer);

    adjustSize();
    centerOnScreen();
}

void frmSpeichern::Form_Load()
{
    m_databaseName = platform::resultsDatabasePath();
    tmrSpeichern->setEnabled(true);
}

void frmSpeichern::tmrSpeichern_Timer()
{
    // Off first: the message below runs a modal loop in which the clock goes on.
    tmrSpeichern->setEnabled(false);
    // The play state of this moment, not of the opening, is what is saved.
    const std::vector<ResultRecord> records = recordsToSave(modVar, Mdlmodul.AnzahlSpieler, QDate::currentDate());
    const platform::DbStatus status = appendRecords(m_databaseName, records);
    if (!status.isOk())
        platform::msgBox(saveFailureMessage(status, records.size()), {}, platform::MsgIcon::Exclamation);
    // The main window first: were this the last window, closing it would end
    // the program.
    platform::Forms::instance().show(QStringLiteral("frmStart"));
    unload();
}
