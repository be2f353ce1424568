#include "arithmetic/scoring.h"

#include "state/variablen.h"
#include "platform/saturate.h"
#include "state/modvar.h"

namespace {

double *levelCounter(quint8 level)
{
    switch (level) {
    case 1:
        return &Variablen.PunkteLevel1;
    case 2:
        return &Variablen.PunkteLevel2;
    case 3:
        return &Variablen.PunkteLevel3;
    default:
        return nullptr;
    }
}

} // namespace

void startPigGame()
{
    Variablen.PunkteLevel1 = 0;
    Variablen.PunkteLevel2 = 0;
    Variablen.PunkteLevel3 = 0;
    Variablen.Gesamtpunkte = 0;
}

void chooseLevel(quint8 level)
{
    Variablen.RechenLevel = level;
    Variablen.Punktabzug = false;
}

void markReducedPoints()
{
    Variablen.Punktabzug = true;
}

double scoreRightAnswer()
{
    TaskState &task = Variablen;
    double *counter = levelCounter(task.RechenLevel);
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

void handOverResult(const QString &playerName)
{
    modVar.SpielerName = playerName;
    modVar.SpielerPunkte = platform::saturate<qint16>(Variablen.Gesamtpunkte);
    modVar.SpielLevel = Variablen.RechenLevel;
}
