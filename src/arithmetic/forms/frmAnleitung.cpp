#include "arithmetic/forms/frmAnleitung.h"

frmAnleitung::frmAnleitung()
    : TextWindow(staticName(), QStringLiteral("Anleitung"), QStringLiteral(":/arithmetic/anleitung.html"),
                 {{10005, 6750}, {240, 240, 9375, 5295}, {3360, 5760, 3255, 735}})
    , RichTextBox1(m_text)
    , cmdOkay(m_okay)
{
}
