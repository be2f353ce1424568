#include "arithmetic/countinghelp.h"

#include "state/variablen.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int cellCount = 20;

int bound(double number)
{
    if (std::isnan(number))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(number), -1.0, cellCount + 1.0));
}

void setCells(std::array<bool, 21> &suns, double from, double to)
{
    const int first = std::max(bound(from), 1);
    const int last = std::min(bound(to), cellCount);
    for (int cell = first; cell <= last; ++cell)
        suns[cell] = true;
}

QString number(double value)
{
    return QString::number(qRound64(value));
}

// For "+" the picture is a yellow suns followed by b blue ones, c in all,
// whichever place is sought.
void drawSum(const TaskState &task, HelpPicture &picture)
{
    setCells(picture.Sonne5, 1, task.Operand1);
    setCells(picture.Sonne3, task.Operand1 + 1, task.Ergebnis);
}

void HilfePlusErgebnis(TaskState &task, HelpPicture &picture)
{
    task.Ergebnis = task.Operand1 + task.Operand2;
    drawSum(task, picture);
}

void HilfePlusOperand2(TaskState &task, HelpPicture &picture)
{
    task.Operand2 = task.Ergebnis - task.Operand1;
    drawSum(task, picture);
}

void HilfePlusOperand1(TaskState &task, HelpPicture &picture)
{
    task.Operand1 = task.Ergebnis - task.Operand2;
    drawSum(task, picture);
}

// For "-" the picture is a suns whose last b are crossed out, c left.
void drawDifference(const TaskState &task, HelpPicture &picture, double lastYellow)
{
    setCells(picture.Sonne5, 1, lastYellow);
    setCells(picture.Sonne4, task.Ergebnis + 1, task.Operand1);
}

// With the result sought only the suns that are left are yellow; with an
// operand sought all a are set yellow and the crossed-out ones cover the
// last b: the picture is the same.
void HilfeMinusErgebnis(TaskState &task, HelpPicture &picture)
{
    task.Ergebnis = task.Operand1 - task.Operand2;
    drawDifference(task, picture, task.Ergebnis);
}

void HilfeMinusOperand2(TaskState &task, HelpPicture &picture)
{
    task.Operand2 = task.Operand1 - task.Ergebnis;
    drawDifference(task, picture, task.Operand1);
}

void HilfeMinusOperand1(TaskState &task, HelpPicture &picture)
{
    task.Operand1 = task.Operand2 + task.Ergebnis;
    drawDifference(task, picture, task.Operand1);
}

} // namespace

HelpPicture drawCountingHelp(TaskState &task)
{
    HelpPicture picture;
    const bool plus = task.Rechenart == 1;
    if (task.Rechenart != 1 && task.Rechenart != 2)
        return picture;
    picture.lblRechenart = plus ? QStringLiteral("+") : QStringLiteral("-");

    const QString sought = QStringLiteral("?");
    switch (task.Gesucht) {
    case 3:
        picture.lblOperator1 = number(task.Operand1);
        picture.lblOperator2 = number(task.Operand2);
        picture.lblErgebnis = sought;
        plus ? HilfePlusErgebnis(task, picture) : HilfeMinusErgebnis(task, picture);
        break;
    case 2:
        picture.lblOperator1 = number(task.Operand1);
        picture.lblOperator2 = sought;
        picture.lblErgebnis = number(task.Ergebnis);
        plus ? HilfePlusOperand2(task, picture) : HilfeMinusOperand2(task, picture);
        break;
    case 1:
        picture.lblOperator1 = sought;
        picture.lblOperator2 = number(task.Operand2);
        picture.lblErgebnis = number(task.Ergebnis);
        plus ? HilfePlusOperand1(task, picture) : HilfeMinusOperand1(task, picture);
        break;
    default:
        break;
    }
    return picture;
}
