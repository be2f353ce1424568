#include "platform/namebox.h"

#include "platform/namefilter.h"

#include <QtWidgets/QLineEdit>

namespace platform {

NameValidator::NameValidator(int maxCharacters, QObject *parent)
    : QValidator(parent)
    , m_maxCharacters(maxCharacters)
{
}

QValidator::State NameValidator::validate(QString &input, int &pos) const
{
    qsizetype cursor = pos;
    input = filterName(input, m_maxCharacters, &cursor);
    pos = static_cast<int>(cursor);
    return Acceptable;
}

void filterNameBox(QLineEdit *box, int maxCharacters)
{
    box->setMaxLength(32767);
    box->setValidator(new NameValidator(maxCharacters, box));
}

} // namespace platform
