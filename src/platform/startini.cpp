#include "platform/startini.h"

#include "platform/programfolder.h"
#include "platform/textfile.h"

namespace platform {

namespace {

QString passwordFile()
{
    return programFile(QStringLiteral("start.ini"));
}

} // namespace

PasswordSetting readPasswordSetting()
{
    const FirstLine line = readFirstLine(passwordFile());
    PasswordSetting setting;
    switch (line.status) {
    case FirstLine::Status::Ok:
        // Compared exactly: a line holding only a blank is a password.
        setting.state = line.text.isEmpty() ? PasswordSetting::State::None : PasswordSetting::State::Set;
        setting.password = line.text;
        break;
    case FirstLine::Status::NoLine:
    case FirstLine::Status::Missing:
        setting.state = PasswordSetting::State::None;
        break;
    case FirstLine::Status::Unreadable:
        setting.state = PasswordSetting::State::Unreadable;
        setting.error = line.error;
        break;
    }
    return setting;
}

QString passwordFileUnreadableMessage(const PasswordSetting &setting)
{
    return QStringLiteral("Die Datei \"start.ini\" kann nicht gelesen werden (%1). "
                          "Der Lehrerbereich bleibt geschlossen.")
        .arg(setting.error);
}

void removePasswordLeftovers()
{
    removeReplaceLeftovers(passwordFile());
}

} // namespace platform
