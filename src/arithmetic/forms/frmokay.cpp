#include "arithmetic/forms/frmokay.h"

#include "arithmetic/forms/frmHaupt.h"
#include "arithmetic/scoring.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/timer.h"
#include "state/variablen.h"

frmokay::frmokay()
    : FeedbackWindow(staticName(), QStringLiteral(":/arithmetic/smiley_laughing.svg"), 4185, 4215)
    , picokay(m_picture)
    , tmrTimer(m_timer)
{
    picokay->setObjectName(QStringLiteral("picokay"));
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
}

void frmokay::closing()
{
    const double levelPoints = scoreRightAnswer(Variablen);
    if (auto *board = platform::Forms::instance().find<frmHaupt>())
        board->nextTask(levelPoints);
}
