#pragma once

#include "platform/dbconnection.h"
#include "platform/dbstatus.h"
#include "platform/recordlist.h"

#include <QtCore/QString>

namespace platform {
class RecordSet;
}

// The query the highscore list runs: ascending by points.
inline const QString kHighscoreQuery = QStringLiteral("Select userdaten.* from userdaten ORDER BY userdaten.Punkte");

// The backward walk: the record with the highest points first, then at most
// nine more, each found before the last.
platform::DbStatus fillHighscore(platform::RecordSet &records, platform::RecordListFiller &filler);

struct HighscoreList
{
    platform::RecordColumns columns; // empty after a failure
    platform::RecordColumns bound;   // the bound boxes once the walk has ended
    platform::DbStatus status;
};

// Opens the results database at path, runs the query and walks it.
HighscoreList loadHighscore(const QString &path, int busyTimeoutMs = platform::DbConnection::DefaultBusyTimeoutMs);

// What the highscore list tells the pupil when it cannot read the records.
QString highscoreFailureMessage(const platform::DbStatus &failure);
