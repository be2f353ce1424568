#include "platform/form.h"

#include "platform/forms.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"

#include <QtGui/QCloseEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace platform {

Form::Form(const QString &name)
    : m_name(name)
    , m_client(new QWidget(this))
{
    setObjectName(name);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_client);
}

QMenuBar *Form::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        layout()->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void Form::setClientSizeTwips(double width, double height)
{
    m_client->setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

void Form::placeTwips(QWidget *control, double left, double top, double width, double height)
{
    control->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

void Form::setBackColor(quint32 color)
{
    // The client area only: the menu bar keeps the system's colours.
    QPalette pal = m_client->palette();
    pal.setColor(QPalette::Window, vbColor(color));
    m_client->setPalette(pal);
    m_client->setAutoFillBackground(true);
}

void Form::setBorder(Border border, bool closeBox, bool inTaskbar)
{
    m_closeBox = closeBox;
    Qt::WindowFlags flags = inTaskbar ? Qt::Window : Qt::Dialog;
    switch (border) {
    case Border::None:
        flags |= Qt::FramelessWindowHint;
        break;
    case Border::FixedSingle:
    case Border::FixedDialog:
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (closeBox)
            flags |= Qt::WindowCloseButtonHint;
        break;
    }
    setWindowFlags(flags);
}

void Form::centerOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Form::setDefaultButton(QPushButton *button)
{
    m_defaultButton = button;
    button->setDefault(true);
}

void Form::setCancelButton(QPushButton *button)
{
    m_cancelButton = button;
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event)) {
        // As on the platform the program was made for, Enter presses the
        // focused push or picture button (not an option button or a check
        // box); elsewhere the default button.
        QAbstractButton *target = m_defaultButton.data();
        QWidget *focused = focusWidget();
        if (qobject_cast<QPushButton *>(focused) || qobject_cast<QToolButton *>(focused))
            target = static_cast<QAbstractButton *>(focused);
        if (target && target->isEnabled() && target->isVisible()) {
            target->click();
            return;
        }
    }
    if (isEscape(event) && m_cancelButton && m_cancelButton->isEnabled()) {
        m_cancelButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form::unload()
{
    Forms::instance().close(m_name);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    // Only the registry destroys a window; the window system's request is
    // honoured only where the window has a close box.
    event->ignore();
    if (m_closeBox)
        closeBoxClicked();
}

} // namespace platform
