#include "arithmetic/forms/textwindow.h"

#include "arithmetic/forms/formparts.h"
#include "platform/controls.h"
#include "platform/vbcolor.h"

#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>

namespace {

QPushButton *okayButton(QWidget *parent)
{
    auto *button = new platform::CommandButton(QStringLiteral("Okay"), parent);
    button->setBackColor(platform::vbColor(0xFF));
    return button;
}

} // namespace

TextWindow::TextWindow(const QString &name, const QString &caption, const QString &resource, const Layout &layout)
    : Form(name)
    , m_text(platform::makeRichTextBox(client(), resource))
    , m_okay(okayButton(client()))
{
    setWindowTitle(caption);
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setBackColor(0xFFC0C0);
    setClientSizeTwips(layout.client.width(), layout.client.height());
    placeTwips(m_text, layout.text.x(), layout.text.y(), layout.text.width(), layout.text.height());

    placeTwips(m_okay, layout.button.x(), layout.button.y(), layout.button.width(), layout.button.height());
    connect(m_okay, &QPushButton::clicked, this, &TextWindow::unload);
    // The manual tells the pupil that Enter is all the keyboard needs.
    m_okay->setFocus();

    addEdgeLines(client());
    adjustSize();
    centerOnScreen();
}
