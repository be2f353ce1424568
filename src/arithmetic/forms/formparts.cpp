#include "arithmetic/forms/formparts.h"

#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/vbcolor.h"

#include <QtCore/QFile>
#include <QtGui/QKeyEvent>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>
#include <QtWidgets/QWidget>

#include <cstdio>

void addEdgeLines(QWidget *client)
{
    const int w = client->width();
    const int h = client->height();
    const QRect edges[] = {{0, 0, w, 1}, {0, h - 1, w, 1}, {0, 0, 1, h}, {w - 1, 0, 1, h}};
    for (const QRect &edge : edges) {
        auto *line = new QWidget(client);
        line->setGeometry(edge);
        QPalette pal = line->palette();
        pal.setColor(QPalette::Window, Qt::black);
        line->setPalette(pal);
        line->setAutoFillBackground(true);
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
        line->raise();
    }
}

KeyPressHook::KeyPressHook(QWidget *widget, std::function<bool(int)> handler)
    : QObject(widget)
    , m_handler(std::move(handler))
{
    widget->installEventFilter(this);
}

bool KeyPressHook::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (m_handler(key->key()))
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QTextEdit *makeRichTextBox(QWidget *parent, const QString &resource)
{
    auto *box = new QTextEdit(parent);
    box->setReadOnly(true);
    box->setFont(platform::vbFont(QStringLiteral("Times New Roman"), 12));
    box->document()->setDefaultFont(box->font());
    box->setTabStopDistance(platform::twipsToPixels(720));
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    box->setPalette(pal);

    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quirlix: text %s not loaded: %s\n", qUtf8Printable(resource),
                     qUtf8Printable(file.errorString()));
        return box;
    }
    // Trimmed: a line end after the last tag would become a blank in the
    // last paragraph.
    box->setHtml(QString::fromUtf8(file.readAll()).trimmed());

    // Word processors stop the first tab of a hanging first line at the
    // indent of the lines below it; the manual's columns are laid out so.
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.textIndent() < 0 && format.leftMargin() > 0) {
            format.setTabPositions({QTextOption::Tab(format.leftMargin(), QTextOption::LeftTab)});
            QTextCursor(block).setBlockFormat(format);
        }
    }
    return box;
}

QPushButton *makeOkayButton(QWidget *parent, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, platform::vbColor(0xFF));
    button->setPalette(pal);
    button->setAutoFillBackground(true);
    return button;
}
