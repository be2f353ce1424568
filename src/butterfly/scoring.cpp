#include "butterfly/scoring.h"

#include "platform/saturate.h"
#include "state/modvar.h"
#include "state/variablen.h"

namespace butterfly {

void scoreRightAnswer(PlayState &play)
{
    play.SpielerPunkte = platform::saturate<qint16>(play.SpielerPunkte + 3);
}

void scoreMiss(PlayState &play)
{
    play.SpielerPunkte = play.SpielerPunkte > 0 ? qint16(play.SpielerPunkte - 1) : qint16(0);
}

void scoreHelp(PlayState &play, TaskState &task)
{
    play.SpielerPunkte = play.SpielerPunkte > 1 ? qint16(play.SpielerPunkte - 2) : qint16(0);
    task.Gesucht = 3;
}

} // namespace butterfly
