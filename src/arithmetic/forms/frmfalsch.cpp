#include "arithmetic/forms/frmfalsch.h"

#include "arithmetic/scoring.h"
#include "platform/controls.h"
#include "platform/timer.h"
#include "state/variablen.h"

frmfalsch::frmfalsch()
    : FeedbackWindow(staticName(), QStringLiteral(":/arithmetic/smiley_sad.svg"), 4215, 4200)
    , picfalsch(m_picture)
    , tmrtimer1(m_timer)
{
    picfalsch->setObjectName(QStringLiteral("picfalsch"));
    tmrtimer1->setObjectName(QStringLiteral("tmrtimer1"));
}

void frmfalsch::closing()
{
    markReducedPoints(Variablen);
}
