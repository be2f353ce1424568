#include "platform/controls.h"

#include "platform/twips.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QStylePainter>

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

void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    // A button too low for two lines keeps its caption on one, as wide as
    // the whole button allows.
    const bool twoLines = height() >= 2 * fontMetrics().lineSpacing() + 4;
    const QRect area = twoLines ? style()->subElementRect(QStyle::SE_PushButtonContents, &option, this) : rect();
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (twoLines)
        flags |= Qt::TextWordWrap;
    painter.drawItemText(area, flags, palette(), isEnabled(), caption, QPalette::ButtonText);
}

LineShape::LineShape(QWidget *parent, double x1, double y1, double x2, double y2, const QColor &color)
    : QWidget(parent)
    , m_color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint from(twipsToPixels(x1), twipsToPixels(y1));
    const QPoint to(twipsToPixels(x2), twipsToPixels(y2));
    const QRect box = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
    setGeometry(box);
    m_from = from - box.topLeft();
    m_to = to - box.topLeft();
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    painter.drawLine(m_from, m_to);
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
