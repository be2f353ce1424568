#pragma once

#include "platform/dbconnection.h"
#include "platform/dbstatus.h"

#include <QtCore/QDate>
#include <QtCore/QString>

#include <vector>

struct PlayState;

// One row of userdaten as the save window writes it.
struct ResultRecord
{
    QString Name;
    qint16 Punkte = 0;
    QString Spiel;
    qint16 Level = 0;
    QDate Datum;

    friend bool operator==(const ResultRecord &, const ResultRecord &) = default;
};

// The records a finished game leaves, first player first: the first player's
// always ("Spieler1" for an empty name), the second's only when the player
// count is not 1 and the second name is not empty. A name of blanks is a
// name.
std::vector<ResultRecord> recordsToSave(const PlayState &play, quint8 anzahlSpieler, const QDate &today);

// Appends the records to the results database at path in the order given,
// all in one transaction: after a failure none of them is stored, and a
// process killed halfway leaves none of them either.
platform::DbStatus appendRecords(const QString &path, const std::vector<ResultRecord> &records,
                                 int busyTimeoutMs = platform::DbConnection::DefaultBusyTimeoutMs);

// What the save window tells the pupil when the records (recordCount of
// them) could not be saved: none of them was.
QString saveFailureMessage(const platform::DbStatus &failure, size_t recordCount);
