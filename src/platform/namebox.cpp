#include "platform/namebox.h"

#include "platform/namefilter.h"

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QProxyStyle>

namespace platform {

namespace {

// The application's style, but for the character that stands for each one
// of a password: Qt's styles draw a round dot where the font has one. (A
// style sheet could set it too, but would cut the box off from the colours
// of the window under it.)
class StarEcho final : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return u'*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

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

void makePasswordBox(QLineEdit *box)
{
    box->setEchoMode(QLineEdit::Password);
    auto *style = new StarEcho;
    style->setParent(box);
    box->setStyle(style);
    filterNameBox(box);
}

} // namespace platform
