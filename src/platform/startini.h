#pragma once

#include <QtCore/QString>

namespace platform {

// What the teacher menu learns from "start.ini" in the program folder:
// whether a password is set. Read anew at every call, through
// readFirstLine, which fails closed: only a file that plainly does
// not exist means no password; a link to nothing, a link loop, a folder that
// cannot be searched, anything but a regular file and a first line longer
// than 1024 bytes are Unreadable, so nothing opens without asking.
struct PasswordSetting
{
    enum class State {
        None,       // empty first line, an empty file, or no file
        Set,        // any other first line, a single blank too
        Unreadable, // see above; nothing may open
    };
    State state = State::None;
    QString password; // for Set, compared exactly
    QString error;    // for Unreadable: why, a German phrase for the message
};

PasswordSetting readPasswordSetting();

// What the teacher is told when "start.ini" cannot be read; nothing opens.
QString passwordFileUnreadableMessage(const PasswordSetting &setting);

// Removes the copies of a new password in clear that a password change cut
// short by a crash or a power cut left beside "start.ini"; called at every
// start of the program. See removeReplaceLeftovers for what counts as one.
void removePasswordLeftovers();

} // namespace platform
