#pragma once

#include <QtCore/QPointer>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>

#include <initializer_list>
#include <vector>

class QAbstractScrollArea;
class QScrollBar;
class QTextEdit;

namespace platform {

// An image control: shows a picture, optionally stretched to the control and
// framed by a single border, and reports clicks.
class ImageBox : public QLabel
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);
    void setPicture(const QPixmap &pixmap);
    void setStretch(bool stretch);
    void setSingleBorder(bool border);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A label that reports clicks (the platform's labels all have a click event).
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A button with a back colour of its own is drawn as the platform draws it:
// a flat face of exactly that colour in the system's raised 3-D edge, sunken
// while pressed, with a dotted focus rectangle (the style's shading would
// show the colour only at its rim); the style draws the caption and the
// picture on it. Without a back colour a button keeps the system's look.

// A command button in graphical style: a picture above its caption.
class PictureButton : public QToolButton
{
    Q_OBJECT
public:
    explicit PictureButton(const QString &caption, const QPixmap &picture, QWidget *parent = nullptr);
    void setBackColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor;
};

// A command button whose caption breaks between words onto a second line
// where one line does not hold it and the button is high enough, as the
// platform's buttons do.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    void setBackColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor;
};

// A line shape: a straight line between two points of its parent, drawn in
// one colour, blind to the mouse.
class LineShape : public QWidget
{
    Q_OBJECT
public:
    // Points in twips of the parent.
    LineShape(QWidget *parent, double x1, double y1, double x2, double y2, const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_color;
};

// Lists standing side by side whose rows belong together (one column per
// field, a column of row numbers) scroll as one: whatever moves one of them
// (the wheel, keys, a drag past its edge, typing, new text) moves all of them
// to the same first row, and none goes further than the one that scrolls
// least can follow, so a row never shows one record's name beside another's
// points. Ctrl and the wheel, which would zoom one read-only box alone, does
// nothing over a member. The members must scroll by rows of one height
// (plain-text boxes without line wrap, lists scrolled per item), so that
// equal values of their vertical scroll bars show equal rows.
class ScrollLink : public QObject
{
    Q_OBJECT
public:
    ScrollLink(std::initializer_list<QAbstractScrollArea *> areas, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void level(int row);

    std::vector<QPointer<QScrollBar>> m_bars;
    int m_row = 0;
    bool m_levelling = false;
};

// A label as the windows are designed: text colour, background (or
// transparent), font and alignment in one call.
QLabel *makeLabel(QWidget *parent, const QString &text, const QFont &font, const QColor &fore,
                  const QColor &back = QColor(), Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
void setForeBack(QWidget *widget, const QColor &fore, const QColor &back = QColor());

// The platform's rich-text box, read-only, showing a text stored with the
// program (HTML, ":/..."): Times New Roman 12 pt, a tab stop every half inch.
// Paragraph indents and margins in the text are written in twips, so that
// they scale with the screen like every other length of a window.
QTextEdit *makeRichTextBox(QWidget *parent, const QString &resource);

} // namespace platform
