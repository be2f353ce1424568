#include "arithmetic/scoring.h"

#include "platform/saturate.h"
#include "state/modvar.h"
#include "state/variablen.h"

namespace {

double *levelCounter(TaskState &task)
{
    switch (task.RechenLevel) {
    case 1:
        return &task.PunkteLevel1;
    case 2:
        return &task.PunkteLevel2;
    case 3:
        return &task.PunkteLevel3;
    default:
        return nullptr;
    }
}

} // namespace

void startPigGame(TaskState &task)
{
    task.PunkteLevel1 = 0;
    task.PunkteLevel2 = 0;
    task.PunkteLevel3 = 0;
    task.Gesamtpunkte = 0;
}

void chooseLevel(TaskState &task, quint8 level)
{
    task.RechenLevel = level;
    task.Punktabzug = false;
}

void markReducedPoints(TaskState &task)
{
    task.Punktabzug = true;
}

double scoreRightAnswer(TaskState &task)
{
    double *counter = levelCounter(task);
    if (counter)
        *counter += task.Punktabzug ? 1 : task.RechenLevel + 1;
    task.Punktabzug = false;
    task.Gesamtpunkte = task.PunkteLevel1 + task.PunkteLevel2 + task.PunkteLevel3;
    return counter ? *counter : 0;
}

QString pointsCaption(double points)
{
    return QString::number(points, 'f', 0) + (points == 1 ? QStringLiteral(" Punkt") : QStringLiteral(" Punkte"));
}

void handOverResult(const TaskState &task, const QString &playerName, PlayState &play)
{
    play.SpielerName = playerName;
    play.SpielerPunkte = platform::saturate<qint16>(task.Gesamtpunkte);
    play.SpielLevel = task.RechenLevel;
}
