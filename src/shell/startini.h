#pragma once

#include <QtCore/QString>

// What the teacher menu learns from "start.ini": whether a password is set.
struct PasswordSetting
{
    enum class State {
        None,       // empty first line, no line at all, or no file
        Set,        // any other first line, a single blank too
        Unreadable, // the file exists but cannot be read
    };
    State state = State::None;
    QString password;
    QString error;
};

PasswordSetting readPasswordSetting();
