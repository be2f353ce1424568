#pragma once

#include "platform/dbconnection.h"
#include "platform/dbstatus.h"

#include <QtCore/QString>

// The results database "Daten.mdb" in the program folder: an SQLite file with
// the one table userdaten (Name, Punkte, Spiel, Level, Datum).

QString resultsDatabasePath();

enum class ResultsUse {
    Read,
    // Also makes sure the file is sound before anything is written into it.
    Append,
};

// Opens the database, creating the file and its table when the file is
// missing (or empty). A file that is not an SQLite database, or one whose
// tables are not ours, is refused and left as it is.
platform::DbResult<platform::DbConnection> openResultsDatabase(const QString &path, ResultsUse use,
                                                               int busyTimeoutMs = platform::DbConnection::DefaultBusyTimeoutMs);
