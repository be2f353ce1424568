#include "platform/controls.h"

#include <QtGui/QMouseEvent>

namespace platform {

ImageBox::ImageBox(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageBox::setPicture(const QPixmap &pixmap)
{
    setPixmap(pixmap);
}

void ImageBox::setStretch(bool stretch)
{
    setScaledContents(stretch);
}

void ImageBox::setSingleBorder(bool border)
{
    setFrameStyle(border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
}

void ImageBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

PictureButton::PictureButton(const QString &caption, const QPixmap &picture, QWidget *parent)
    : QToolButton(parent)
{
    setText(caption);
    setIcon(QIcon(picture));
    if (!picture.isNull())
        setIconSize(picture.size());
    setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
    setAutoRaise(false);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::setBackColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Button, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

void setForeBack(QWidget *widget, const QColor &fore, const QColor &back)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Text, fore);
    if (back.isValid()) {
        pal.setColor(QPalette::Window, back);
        widget->setAutoFillBackground(true);
    } else {
        widget->setAutoFillBackground(false);
    }
    widget->setPalette(pal);
}

QLabel *makeLabel(QWidget *parent, const QString &text, const QFont &font, const QColor &fore, const QColor &back,
                  Qt::Alignment align)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(align);
    label->setWordWrap(true);
    setForeBack(label, fore, back);
    return label;
}

} // namespace platform
