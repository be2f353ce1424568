#include "memory/forms/frmStat.h"

#include "memory/score.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/vbcolor.h"

#include <QtGui/QMouseEvent>

frmStat::frmStat()
    : Form(staticName())
{
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setBackColor(0xC00000);
    setClientSizeTwips(7020, 4335);
    setFont(platform::vbFont(QStringLiteral("MS Sans Serif"), 13.5));

    LblAusgabe = new platform::ClickLabel(client());
    LblAusgabe->setObjectName(QStringLiteral("LblAusgabe"));
    LblAusgabe->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::setForeBack(LblAusgabe, Qt::black, platform::vbColor(0xFF));
    placeTwips(LblAusgabe, 960, 600, 5175, 2055);
    connect(LblAusgabe, &platform::ClickLabel::clicked, this, &frmStat::LblAusgabe_Click);

    adjustSize();
}

void frmStat::Form_Load()
{
    LblAusgabe->setText(memory::scoreGame().join(u'\n'));
}

void frmStat::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Form_Click();
}

void frmStat::Form_Click()
{
    unload();
}

void frmStat::LblAusgabe_Click()
{
    unload();
}
