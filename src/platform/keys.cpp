#include "platform/keys.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QWidget>

namespace platform {

namespace {

bool withoutModifiers(const QKeyEvent *event)
{
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class EnterFilter : public QObject
{
public:
    EnterFilter(QWidget *widget, std::function<void()> action)
        : QObject(widget)
        , m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent *>(event))) {
            m_action();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

bool isEnter(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && withoutModifiers(event);
}

bool isEscape(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Escape && withoutModifiers(event);
}

void onEnter(QWidget *widget, std::function<void()> action)
{
    new EnterFilter(widget, std::move(action));
}

} // namespace platform
