#pragma once

#include "platform/form.h"

#include <QtCore/QRectF>

class QPushButton;
class QTextEdit;

// The manual and the info window: a rich text stored with the program and a
// red "Okay" that closes the window, on a window without title bar.
class TextWindow : public platform::Form
{
    Q_OBJECT
protected:
    struct Layout
    {
        QSizeF client;
        QRectF text;   // left, top, width, height in twips
        QRectF button;
    };
    TextWindow(const QString &name, const QString &caption, const QString &resource, const Layout &layout);

    QTextEdit *const m_text;
    QPushButton *const m_okay;
};
