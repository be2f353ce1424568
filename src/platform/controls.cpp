#include "platform/controls.h"

#include "platform/fonts.h"
#include "platform/logging.h"
#include "platform/twips.h"

#include <QtCore/QFile>
#include <QtCore/QScopedValueRollback>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QWheelEvent>
#include <QtWidgets/QAbstractScrollArea>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QStylePainter>
#include <QtWidgets/QTextEdit>
#include <QtWidgets/qdrawutil.h>

#include <algorithm>
#include <climits>

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

namespace {

// The face of a button with a back colour and, while it has the focus, the
// platform's dotted focus rectangle inside its edge. (The styles' own focus
// marks tint the face they enclose, or show only after a Tab.)
void drawColouredFace(QPainter &painter, const QAbstractButton *button, const QColor &color)
{
    const QBrush face(color);
    qDrawWinButton(&painter, button->rect(), button->palette(), button->isDown() || button->isChecked(), &face);
    if (button->hasFocus()) {
        QPen dots(button->palette().color(QPalette::ButtonText), 1, Qt::CustomDashLine);
        dots.setDashPattern({1, 1});
        painter.save();
        painter.setPen(dots);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(button->rect().adjusted(3, 3, -4, -4));
        painter.restore();
    }
}

} // namespace

void PictureButton::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void PictureButton::paintEvent(QPaintEvent *event)
{
    if (!m_backColor.isValid()) {
        QToolButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    drawColouredFace(painter, this, m_backColor);
    // The picture and caption where the style puts them inside its own edge.
    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.rect = style()
                      ->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, this)
                      .adjusted(edge, edge, -edge, -edge);
    painter.drawControl(QStyle::CE_ToolButtonLabel, option);
}

void CommandButton::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    if (m_backColor.isValid()) {
        drawColouredFace(painter, this, m_backColor);
        painter.drawControl(QStyle::CE_PushButtonLabel, option);
    } else {
        painter.drawControl(QStyle::CE_PushButton, option);
    }
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

ScrollLink::ScrollLink(std::initializer_list<QAbstractScrollArea *> areas, QObject *parent)
    : QObject(parent)
{
    for (QAbstractScrollArea *area : areas) {
        QScrollBar *bar = area->verticalScrollBar();
        m_bars.emplace_back(bar);
        connect(bar, &QScrollBar::valueChanged, this, [this](int row) {
            if (!m_levelling)
                level(row);
        });
        // A plain-text box that pages or scrolls its cursor into view sets
        // its scroll bar with the bar's signals blocked; the repaint that
        // follows is reported all the same.
        if (auto *box = qobject_cast<QPlainTextEdit *>(area)) {
            connect(box, &QPlainTextEdit::updateRequest, this, [this, bar] {
                if (!m_levelling && bar->value() != m_row)
                    level(bar->value());
            });
            box->viewport()->installEventFilter(this);
        }
    }
    level(0);
}

bool ScrollLink::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl and the wheel would zoom a read-only box alone, and its rows
    // would no longer stand level with its neighbours'.
    if (event->type() == QEvent::Wheel && (static_cast<QWheelEvent *>(event)->modifiers() & Qt::ControlModifier))
        return true;
    return QObject::eventFilter(watched, event);
}

void ScrollLink::level(int row)
{
    // The member that scrolled may have gone further than another can
    // follow; it comes back with the rest.
    int reach = INT_MAX;
    for (const QPointer<QScrollBar> &bar : m_bars) {
        if (bar)
            reach = std::min(reach, bar->maximum());
    }
    m_row = std::clamp(row, 0, std::max(reach, 0));
    const QScopedValueRollback<bool> levelling(m_levelling, true);
    for (const QPointer<QScrollBar> &bar : m_bars) {
        if (bar)
            bar->setValue(m_row);
    }
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

QTextEdit *makeRichTextBox(QWidget *parent, const QString &resource)
{
    auto *box = new QTextEdit(parent);
    box->setReadOnly(true);
    box->setFont(vbFont(QStringLiteral("Times New Roman"), 12));
    box->document()->setDefaultFont(box->font());
    box->setTabStopDistance(twipsToPixels(720));
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    box->setPalette(pal);

    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcPlatform) << "text" << resource << "not loaded:" << file.errorString();
        return box;
    }
    // Trimmed: a line end after the last tag would become a blank in the
    // last paragraph.
    box->setHtml(QString::fromUtf8(file.readAll()).trimmed());

    const qreal tabDistance = box->tabStopDistance();
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(twipsToPixels(format.leftMargin()));
        format.setRightMargin(twipsToPixels(format.rightMargin()));
        format.setTopMargin(twipsToPixels(format.topMargin()));
        format.setBottomMargin(twipsToPixels(format.bottomMargin()));
        format.setTextIndent(twipsToPixels(format.textIndent()));
        // The platform measures tab stops from the paragraph's left edge and
        // stops the first tab of a hanging first line at the indent of the
        // lines below it; Qt measures them from where the line starts. A
        // first line with an indent of its own gets its stops laid out so.
        if (format.textIndent() != 0) {
            const qreal start = format.leftMargin() + format.textIndent();
            qreal last = start;
            QList<QTextOption::Tab> tabs;
            if (format.textIndent() < 0) {
                tabs << QTextOption::Tab(format.leftMargin() - start, QTextOption::LeftTab);
                last = format.leftMargin();
            }
            // Twenty inches of stops: more than any window is wide.
            for (int stop = 1; stop <= 40; ++stop) {
                if (stop * tabDistance > last)
                    tabs << QTextOption::Tab(stop * tabDistance - start, QTextOption::LeftTab);
            }
            format.setTabPositions(tabs);
        }
        QTextCursor(block).setBlockFormat(format);
    }
    return box;
}

} // namespace platform
