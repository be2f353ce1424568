#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

// The system-information launch behind the about box's "Systeminfo" button.

enum class KeyLookup {
    Found,   // KeyVal holds the value
    Missing, // no such key or value, or longer than 1024 bytes: KeyVal is ""
    Failed,  // a value of size 0, which the routine cannot read: KeyVal is untouched
};

// Reads one text or 32-bit value from the registry. A text loses one
// terminating zero; a 32-bit value becomes "&h" followed by its bytes from
// the most significant down, each in upper-case hexadecimal without a
// leading zero, appended to what KeyVal held; that terminating-zero rule also
// drops a most significant zero byte, so &H10203 reads "&h123". A value of
// any other type leaves KeyVal as it came.
KeyLookup GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

// Starts the system-information program that the registry names; where it
// names none, the first installed of systemInformationPrograms(). False when
// nothing was started: the caller then tells the user.
bool StartSysInfo();

// Common system-information programs of this platform, the preferred first.
QStringList systemInformationPrograms();
