#include "arithmetic/forms/frmAnleitung.h"

#include "arithmetic/forms/formparts.h"

#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>

frmAnleitung::frmAnleitung()
    : Form(staticName())
{
    setWindowTitle(QStringLiteral("Anleitung"));
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setBackColor(0xFFC0C0);
    setClientSizeTwips(10005, 6750);

    RichTextBox1 = makeRichTextBox(client(), QStringLiteral(":/arithmetic/anleitung.html"));
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    placeTwips(RichTextBox1, 240, 240, 9375, 5295);

    cmdOkay = makeOkayButton(client(), QStringLiteral("Okay"));
    cmdOkay->setObjectName(QStringLiteral("cmdOkay"));
    placeTwips(cmdOkay, 3360, 5760, 3255, 735);
    connect(cmdOkay, &QPushButton::clicked, this, &frmAnleitung::cmdOkay_Click);
    // The manual tells the pupil that Enter is all the keyboard needs.
    cmdOkay->setFocus();

    addEdgeLines(client());
    adjustSize();
    centerOnScreen();
}

void frmAnleitung::cmdOkay_Click()
{
    unload();
}
