#include "arithmetic/forms/frmfalsch.h"

#include "arithmetic/forms/formparts.h"
#include "arithmetic/scoring.h"
#include "platform/controls.h"
#include "platform/pictures.h"
#include "platform/timer.h"

frmfalsch::frmfalsch()
    : Form(staticName())
{
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setClientSizeTwips(4215, 4200);

    picfalsch = new platform::ImageBox(client());
    picfalsch->setObjectName(QStringLiteral("picfalsch"));
    placeTwips(picfalsch, 0, 0, 4215, 4215);
    picfalsch->setPicture(platform::picture(QStringLiteral(":/arithmetic/smiley_sad.svg"), picfalsch->size()));
    picfalsch->setFocusPolicy(Qt::StrongFocus);
    picfalsch->setFocus();
    connect(picfalsch, &platform::ImageBox::clicked, this, &frmfalsch::picfalsch_Click);
    new KeyPressHook(picfalsch, [this](int key) { return picfalsch_KeyPress(key); });

    tmrtimer1 = new platform::Timer(4000, this);
    tmrtimer1->setObjectName(QStringLiteral("tmrtimer1"));
    connect(tmrtimer1, &platform::Timer::tick, this, &frmfalsch::tmrtimer1_Timer);

    adjustSize();
    centerOnScreen();
}

void frmfalsch::Form_Load()
{
    tmrtimer1->setEnabled(true);
}

void frmfalsch::tmrtimer1_Timer()
{
    tmrtimer1->setEnabled(false);
    picfalsch_Click();
}

bool frmfalsch::picfalsch_KeyPress(int key)
{
    if (!isEnterKey(key))
        return false;
    picfalsch_Click();
    return true;
}

void frmfalsch::picfalsch_Click()
{
    markReducedPoints();
    unload();
}
