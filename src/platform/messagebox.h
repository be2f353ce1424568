#pragma once

#include <QtCore/QString>

class QWidget;

namespace platform {

// Message boxes as the program uses them: modal, OK only or Yes/No, titled
// "Quirlix" unless a title is given.
enum class MsgIcon { None, Stop, Question, Exclamation, Information };

void msgBox(const QString &text, const QString &title = {}, MsgIcon icon = MsgIcon::None);
// Yes/No with "Nein" as the default button; true for "Ja".
bool askYesNo(const QString &text, MsgIcon icon = MsgIcon::Stop, const QString &title = {});

QString programTitle();

} // namespace platform
