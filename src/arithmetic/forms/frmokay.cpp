#include "arithmetic/forms/frmokay.h"

#include "arithmetic/forms/formparts.h"
#include "arithmetic/forms/frmHaupt.h"
#include "arithmetic/scoring.h"
#include "state/variablen.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/pictures.h"
#include "platform/timer.h"

#include <QtWidgets/QLabel>

frmokay::frmokay()
    : Form(staticName())
{
    setBorder(Border::None, /*closeBox=*/false, /*inTaskbar=*/false);
    setClientSizeTwips(4185, 4215);

    picokay = new platform::ImageBox(client());
    picokay->setObjectName(QStringLiteral("picokay"));
    placeTwips(picokay, 0, 0, 4215, 4215);
    picokay->setPicture(platform::picture(QStringLiteral(":/arithmetic/smiley_laughing.svg"), picokay->size()));
    picokay->setFocusPolicy(Qt::StrongFocus);
    picokay->setFocus();
    connect(picokay, &platform::ImageBox::clicked, this, &frmokay::picokay_Click);
    new KeyPressHook(picokay, [this](int key) { return picokay_KeyPress(key); });

    tmrTimer = new platform::Timer(4000, this);
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
    connect(tmrTimer, &platform::Timer::tick, this, &frmokay::tmrTimer_Timer);

    adjustSize();
    centerOnScreen();
}

void frmokay::Form_Load()
{
    tmrTimer->setEnabled(true);
}

void frmokay::tmrTimer_Timer()
{
    tmrTimer->setEnabled(false);
    picokay_Click();
}

bool frmokay::picokay_KeyPress(int key)
{
    if (!isEnterKey(key))
        return false;
    picokay_Click();
    return true;
}

void frmokay::picokay_Click()
{
    // A click or a key already on its way when the window closed must not
    // score the same answer twice.
    if (m_scored)
        return;
    m_scored = true;

    const quint8 level = Variablen.RechenLevel;
    const double levelPoints = scoreRightAnswer();
    if (auto *board = platform::Forms::instance().find<frmHaupt>()) {
        board->drawTask(level);
        board->lblpunkte->setText(pointsCaption(levelPoints));
        board->hideAllPigs();
        board->unlockBoxes();
    }
    unload();
}
