#pragma once

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

class QEventLoop;
class QMenuBar;
class QPushButton;

namespace platform {

// Base of every window of the program. The registry creates it, then runs
// Form_Load, so a load step that shows other windows (or itself calls back
// into this window through the registry) finds it already registered.
class Form : public QWidget
{
    Q_OBJECT
public:
    enum class Border {
        FixedSingle,        // title bar, no minimise or maximise button
        FixedDialog,        // dialog frame, no minimise or maximise button
        None,               // no border and no title bar
    };

    explicit Form(const QString &name);

    const QString &formName() const { return m_name; }

    virtual void Form_Load() {}

    // The client area: every control of the window lives on it. A menu bar,
    // once asked for, sits above it, outside the client area.
    QWidget *client() const { return m_client; }
    QMenuBar *menuBar();

    // Client area in twips; the window cannot be resized.
    void setClientSizeTwips(double width, double height);
    // Places a control by left, top, width, height in twips.
    static void placeTwips(QWidget *control, double left, double top, double width, double height);
    void setBackColor(quint32 vbColor);
    // A window without a close box ignores the window system's close request;
    // one with a close box runs closeBoxClicked().
    void setBorder(Border border, bool closeBox, bool inTaskbar = true);
    bool hasCloseBox() const { return m_closeBox; }
    void centerOnScreen();

    // Enter (the keypad's too) presses the focused button, else the default
    // button; Escape presses the cancel button.
    void setDefaultButton(QPushButton *button);
    void setCancelButton(QPushButton *button);

    // Shorthand for Forms::instance().close(formName()).
    void unload();

    // A hidden window counts as existing and keeps the process alive, unless
    // it is marked otherwise here: a dialog kept hidden only to show its
    // entries again must not outlive every window the user can see.
    void setKeepsProcessAliveWhenHidden(bool keeps) { m_keepsAliveHidden = keeps; }
    bool keepsProcessAliveWhenHidden() const { return m_keepsAliveHidden; }

protected:
    virtual void closeBoxClicked() { unload(); }
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class Forms;
    QString m_name;
    QWidget *m_client;
    QMenuBar *m_menuBar = nullptr;
    QPointer<QPushButton> m_defaultButton;
    QPointer<QPushButton> m_cancelButton;
    bool m_closeBox = false;
    bool m_closing = false;
    bool m_keepsAliveHidden = true;
    QPointer<QEventLoop> m_modalLoop;
};

} // namespace platform

// Gives a window its registry name: QUIRLIX_FORM(frmStart) inside the class.
#define QUIRLIX_FORM(Name) \
public: \
    static QString staticName() { return QStringLiteral(#Name); } \
\
private:
