#include "arithmetic/forms/textwindow.h"

#include "arithmetic/forms/formparts.h"
#include "platform/controls.h"
#include "platform/vbcolor.h"

#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>

TextWindow::TextWindow(const QString &name, const QString &caption, const QString &resource, const Layout &layout)
    : Form(name)
    , m_text(platform::makeRichTextBox(client(), resource))
    , m_okay(new QPushButton(QStringLiteral("Okay"), client()))
{
    setWindowTitle(caption);
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setBackColor(0xFFC0C0);
    setClientSizeTwips(layout.client.width(), layout.client.height());
    placeTwips(m_text, layout.text.x(), layout.text.y(), layout.text.width(), layout.text.height());

    placeTwips(m_okay, layout.button.x(), layout.button.y(), layout.button.width(), layout.button.height());
    QPalette pal = m_okay->palette();
    pal.setColor(QPalette::Button, platform::vbColor(0xFF));
    m_okay->setPalette(pal);
    m_okay->setAutoFillBackground(true);
    connect(m_okay, &QPushButton::clicked, this, &TextWindow::unload);
    // The manual tells the pupil that Enter is all the keyboard needs.
    m_okay->setFocus();

    addEdgeLines(client());
    adjustSize();
    centerOnScreen();
}
