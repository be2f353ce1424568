#include "arithmetic/forms/frmInfo.h"

#include "arithmetic/forms/formparts.h"

#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>

frmInfo::frmInfo()
    : Form(staticName())
{
    setWindowTitle(QStringLiteral("Info"));
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setBackColor(0xFFC0C0);
    setClientSizeTwips(7350, 7230);

    rtfinfo = makeRichTextBox(client(), QStringLiteral(":/arithmetic/info.html"));
    rtfinfo->setObjectName(QStringLiteral("rtfinfo"));
    placeTwips(rtfinfo, 360, 240, 6615, 5775);

    cmdOK = makeOkayButton(client(), QStringLiteral("Okay"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    placeTwips(cmdOK, 2400, 6240, 2415, 735);
    connect(cmdOK, &QPushButton::clicked, this, &frmInfo::cmdOK_Click);
    cmdOK->setFocus();

    addEdgeLines(client());
    adjustSize();
    centerOnScreen();
}

void frmInfo::cmdOK_Click()
{
    unload();
}
