#include "arithmetic/taskgeneration.h"

#include "arithmetic/tasktexts.h"
#include "platform/random.h"
#include "state/variablen.h"

int secondOperandLimit(quint8 level, quint8 rechenart, int a)
{
    const bool plus = rechenart == 1;
    switch (level) {
    case 1:
        return plus ? 10 - a : a - 1;
    case 2:
        // The two operations test a against ten differently: a = 10 takes
        // the 20 - a row for "+" but the a - 1 row for "-".
        if (plus)
            return a >= 10 ? 20 - a : 10 - a;
        return a <= 10 ? a - 1 : a - 10;
    default:
        return plus ? 19 - a : a - 1;
    }
}

namespace {

QString wholeNumber(double value)
{
    return QString::number(static_cast<int>(value));
}

} // namespace

bool drawPigTask(TaskState &task, quint8 level, TaskTexts &texts)
{
    if (level < 1 || level > 3)
        return false;
    auto &random = platform::Random::instance();

    texts.setErgebnisText(QString());
    texts.setOperand1Text(QString());
    texts.setOperand2Text(QString());

    random.reseed();
    const int a = random.between(2, level == 1 ? 8 : 18);
    task.Operand1 = a;

    random.reseed();
    task.Rechenart = static_cast<quint8>(random.between(1, 2));
    texts.setRechenzeichen(task.Rechenart == 1 ? QStringLiteral("+") : QStringLiteral("-"));

    if (level == 2)
        random.reseed();
    const int b = random.between(1, secondOperandLimit(level, task.Rechenart, a));
    task.Operand2 = b;
    task.Ergebnis = task.Rechenart == 1 ? a + b : a - b;

    task.Gesucht = static_cast<quint8>(random.between(1, 3));

    if (task.Gesucht != 1)
        texts.setOperand1Text(wholeNumber(task.Operand1));
    if (task.Gesucht != 2)
        texts.setOperand2Text(wholeNumber(task.Operand2));
    if (task.Gesucht != 3)
        texts.setErgebnisText(wholeNumber(task.Ergebnis));
    return true;
}
