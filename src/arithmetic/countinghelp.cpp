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
void drawSum(HelpPicture &picture)
{
    const TaskState &task = Variablen;
    setCells(picture.Sonne5, 1, task.Operand1);
    setCells(picture.Sonne3, task.Operand1 + 1, task.Ergebnis);
}

void HilfePlusErgebnis(HelpPicture &picture)
{
    Variablen.Ergebnis = Variablen.Operand1 + Variablen.Operand2;
    drawSum(picture);
}

void HilfePlusOperand2(HelpPicture &picture)
{
    Variablen.Operand2 = Variablen.Ergebnis - Variablen.Operand1;
    drawSum(picture);
}

void HilfePlusOperand1(HelpPicture &picture)
{
    Variablen.Operand1 = Variablen.Ergebnis - Variablen.Operand2;
    drawSum(picture);
}

// For "-" the picture is a suns whose last b are crossed out, c left.
void drawDifference(HelpPicture &picture, double lastYellow)
{
    const TaskState &task = Variablen;
    setCells(picture.Sonne5, 1, lastYellow);
    setCells(picture.Sonne4, task.Ergebnis + 1, task.Operand1);
}

// With the result sought only the suns that are left are yellow; with an
// operand sought all a are set yellow and the crossed-out ones cover the
// last b: the picture is the same.
void HilfeMinusErgebnis(HelpPicture &picture)
{
    Variablen.Ergebnis = Variablen.Operand1 - Variablen.Operand2;
    drawDifference(picture, Variablen.Ergebnis);
}

void HilfeMinusOperand2(HelpPicture &picture)
{
    Variablen.Operand2 = Variablen.Operand1 - Variablen.Ergebnis;
    drawDifference(picture, Variablen.Operand1);
}

void HilfeMinusOperand1(HelpPicture &picture)
{
    Variablen.Operand1 = Variablen.Operand2 + Variablen.Ergebnis;
    drawDifference(picture, Variablen.Operand1);
}

} // namespace

HelpPicture::Sun HelpPicture::visibleSun(int cell) const
{
    if (cell < 1 || cell > cellCount)
        return Sun::None;
    if (Sonne4[cell])
        return Sun::Crossed;
    if (Sonne3[cell])
        return Sun::Blue;
    if (Sonne5[cell])
        return Sun::Yellow;
    return Sun::None;
}

HelpPicture drawCountingHelp()
{
    HelpPicture picture;
    const TaskState &task = Variablen;
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
        plus ? HilfePlusErgebnis(picture) : HilfeMinusErgebnis(picture);
        break;
    case 2:
        picture.lblOperator1 = number(task.Operand1);
        picture.lblOperator2 = sought;
        picture.lblErgebnis = number(task.Ergebnis);
        plus ? HilfePlusOperand2(picture) : HilfeMinusOperand2(picture);
        break;
    case 1:
        picture.lblOperator1 = sought;
        picture.lblOperator2 = number(task.Operand2);
        picture.lblErgebnis = number(task.Ergebnis);
        plus ? HilfePlusOperand1(picture) : HilfeMinusOperand1(picture);
        break;
    default:
        break;
    }
    return picture;
}
