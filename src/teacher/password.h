#pragma once

#include <QtCore/QString>

// The teacher password: the first line of "start.ini" in the program folder,
// in clear; an empty first line, an empty file and no file at all mean that
// none is set. The file is read anew at every check, and a typed text matches
// only if it is equal character for character: case and blanks count.

struct LoginCheck
{
    enum class Result {
        Right,
        Wrong,
        Unreadable, // the file exists but cannot be read: nothing opens
    };
    Result result = Result::Wrong;
    QString message; // what to tell the teacher, empty for Right
};

LoginCheck checkPassword(const QString &typed);

// Why a new password cannot be kept, in German; empty when it can. A password
// has to read back as typed: only characters of the file's 8-bit code page,
// no control character (a CR would end the line early), not beginning with
// "ï»¿" (the mark of a UTF-8 file in the code page), and no more than the
// bytes of the first line that are read (platform::kFirstLineLimit).
QString newPasswordRefusal(const QString &password);

struct PasswordChange
{
    enum class Result {
        Changed,
        Cleared,    // the new password is empty: none is set any more
        Mismatch,   // the two entries differ; the file is not touched
        Refused,    // the password could not be typed again; nothing written
        NotWritten, // the file could not be replaced; it is as it was
    };
    Result result = Result::Mismatch;
    QString message;
    QString title; // empty: the program's title
};

// Replaces "start.ini" by the new password and CR LF when both entries are
// equal and the password can be kept.
PasswordChange changePassword(const QString &entry, const QString &repeated);
