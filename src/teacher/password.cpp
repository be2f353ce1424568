#include "teacher/password.h"

#include "platform/programfolder.h"
#include "platform/textfile.h"
#include "platform/startini.h"

#include <QtCore/QList>

#include <array>

namespace {

QString passwordFile()
{
    return platform::programFile(QStringLiteral("start.ini"));
}

} // namespace

LoginCheck checkPassword(const QString &typed)
{
    const platform::PasswordSetting setting = platform::readPasswordSetting();
    if (setting.state == platform::PasswordSetting::State::Unreadable)
        return {LoginCheck::Result::Unreadable, platform::passwordFileUnreadableMessage(setting)};
    // No password set: only the empty text is right.
    if (typed == setting.password)
        return {LoginCheck::Result::Right, {}};
    return {LoginCheck::Result::Wrong, QStringLiteral("Eingabe nicht korrekt!!!")};
}

QString newPasswordRefusal(const QString &password)
{
    const QString notChanged = QStringLiteral("Das Passwort wurde nicht geändert.\n\n");
    const QList<uint> characters = password.toUcs4();
    for (const uint c : characters) {
        if (QChar::category(c) == QChar::Other_Control)
            return notChanged
                 + QStringLiteral("Ein Passwort darf keine Steuerzeichen wie Zeilenumbruch oder Tabulator enthalten.");
    }
    for (const uint c : characters) {
        if (!platform::inWindows1252(c))
            return notChanged
                 + QStringLiteral("Das Zeichen \"%1\" kann in der Datei \"start.ini\" nicht gespeichert werden. "
                                  "Bitte wählen Sie ein Passwort ohne dieses Zeichen.")
                       .arg(QString::fromUcs4(std::array<char32_t, 1> {c}.data(), 1));
    }
    // Its bytes would begin as those of a UTF-8 file, whose mark is dropped.
    if (password.startsWith(QStringLiteral(u"ï»¿")))
        return notChanged + QStringLiteral("Ein Passwort darf nicht mit den Zeichen \"ï»¿\" beginnen.");
    // One byte per character in the code page.
    if (characters.size() > platform::kFirstLineLimit)
        return notChanged
             + QStringLiteral("Ein Passwort darf höchstens %1 Zeichen lang sein.").arg(platform::kFirstLineLimit);
    return {};
}

PasswordChange changePassword(const QString &entry, const QString &repeated)
{
    if (entry != repeated)
        return {PasswordChange::Result::Mismatch, QStringLiteral("Die beiden Passwörter stimmmen nicht überein!!!"),
                QStringLiteral("Fehler")};
    const QString refusal = newPasswordRefusal(entry);
    if (!refusal.isEmpty())
        return {PasswordChange::Result::Refused, refusal, {}};
    QString why;
    if (!platform::replaceWithLine(passwordFile(), entry, &why))
        return {PasswordChange::Result::NotWritten, QStringLiteral("Das Passwort wurde nicht geändert.\n\n") + why, {}};
    if (entry.isEmpty())
        return {PasswordChange::Result::Cleared, QStringLiteral("Passwort wurde gelöscht"), {}};
    return {PasswordChange::Result::Changed, QStringLiteral("Passwort wurde auf '%1' geändert").arg(entry), {}};
}
