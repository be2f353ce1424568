#pragma once

#include "platform/dbconnection.h"
#include "platform/dbstatus.h"

#include <QtCore/QLoggingCategory>
#include <QtCore/QString>

namespace platform {

// The results database "Daten.mdb" in the program folder: an SQLite file with
// the one table userdaten (Name, Punkte, Spiel, Level, Datum).

Q_DECLARE_LOGGING_CATEGORY(lcResults)

QString resultsDatabasePath();

// Either way the whole file is checked before it is used (a damaged file is
// refused, so no list shows what is left of its records as if it were all):
// once per run, and again only when the file is no longer as our own last
// check or commit left it (rememberSoundFile).
enum class ResultsUse {
    // Never writes: where there is no database yet (no file, or an empty
    // one), an empty table in memory stands in for it.
    Read,
    // Creates the file and its table when there is none.
    Append,
};

// Opens the database. A file that is not an SQLite database, one whose
// tables are not ours, and a userdaten whose Punkte or Level would not sort
// as numbers (declared as text, or without a type) are refused and left as
// they are.
DbResult<DbConnection> openResultsDatabase(
    const QString &path, ResultsUse use, int busyTimeoutMs = DbConnection::DefaultBusyTimeoutMs);

// Before records read through db are changed: the file must still be the one
// db opened (not removed or replaced since), and still ours and sound,
// checked as above. Never creates a file.
DbStatus checkBeforeChange(const DbConnection &db, int busyTimeoutMs = DbConnection::DefaultBusyTimeoutMs);

// The file at path, as it stands now, was left by our own commit: the next
// open skips the check while its size, time and identity stay the same.
void rememberSoundFile(const QString &path);

} // namespace platform
