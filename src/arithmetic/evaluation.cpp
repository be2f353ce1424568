#include "arithmetic/evaluation.h"

#include "state/variablen.h"

#include <QtCore/QLocale>

#include <algorithm>
#include <cmath>

namespace {

double numberIn(const TaskState &task, Box box)
{
    switch (box) {
    case Box::Operand1:
        return task.Operand1;
    case Box::Operand2:
        return task.Operand2;
    case Box::Ergebnis:
        break;
    }
    return task.Ergebnis;
}

// A block holds 20 pigs; a number outside 0..20 never comes from the
// generators, and must not reach past the block if it ever does.
int pigCount(double number)
{
    if (std::isnan(number))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(number), 0.0, 20.0));
}

} // namespace

std::optional<double> readAnswer(const QString &text)
{
    bool ok = false;
    const double value = QLocale(QLocale::German, QLocale::Germany).toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<Box> soughtBox(const TaskState &task)
{
    switch (task.Gesucht) {
    case 1:
        return Box::Operand1;
    case 2:
        return Box::Operand2;
    case 3:
        return Box::Ergebnis;
    default:
        return std::nullopt;
    }
}

Verdict judgeAnswer(TaskState &task, const QString &soughtText)
{
    const std::optional<Box> box = soughtBox(task);
    if (!box)
        return Verdict::NothingSought;
    const std::optional<double> answer = readAnswer(soughtText);
    if (!answer)
        return Verdict::InputError;
    task.Eingabe = *answer;
    return task.Eingabe == numberIn(task, *box) ? Verdict::Right : Verdict::Wrong;
}

std::optional<RefreshPlan> refreshPlan(const TaskState &task)
{
    const std::optional<Box> box = soughtBox(task);
    if (!box)
        return std::nullopt;
    RefreshPlan plan;
    plan.sought = *box;
    for (const Box known : {Box::Operand1, Box::Operand2, Box::Ergebnis}) {
        if (known != *box)
            plan.pigs[static_cast<int>(known)] = pigCount(numberIn(task, known));
    }
    return plan;
}
