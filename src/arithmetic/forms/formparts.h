#pragma once

#include <QtCore/QObject>

#include <functional>

class QWidget;

// Small pieces that several windows of the pig game share.

// The thin frame of four lines along the edges of a window without title bar,
// which otherwise would not stand out from what lies behind it.
void addEdgeLines(QWidget *client);

// Hands every key pressed in widget without Shift, Ctrl or Alt to handler,
// with the Qt key code; a key the handler takes (it returns true) goes no
// further. The picture controls
// and picture buttons get their Enter this way, as the platform passes Enter
// only to push buttons.
class KeyPressHook : public QObject
{
public:
    KeyPressHook(QWidget *widget, std::function<bool(int key)> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool(int)> m_handler;
};

bool isEnterKey(int key);

class QPushButton;
class QTextEdit;

// A read-only box showing one of the rich texts stored with the program
// (":/arithmetic/<file>"), in Times New Roman 12 pt with the tab stops every
// half inch that the texts are laid out for.
QTextEdit *makeRichTextBox(QWidget *parent, const QString &resource);

// The red "Okay" button of the manual and the info window.
QPushButton *makeOkayButton(QWidget *parent, const QString &caption);
