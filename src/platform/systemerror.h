#pragma once

#include <QtCore/QLoggingCategory>
#include <QtCore/QString>

namespace platform {

// Where the operating system's and the database engine's own (English) texts
// go: stderr, never a message box.
Q_DECLARE_LOGGING_CATEGORY(lcFiles)

// A short German phrase for an operating-system error number, to stand in a
// message after the file's name: "keine Berechtigung", "der Datenträger ist
// voll". Numbers without a phrase of their own give "Systemfehler <n>".
QString systemReason(int errorNumber);

} // namespace platform
