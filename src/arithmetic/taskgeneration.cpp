#include "arithmetic/taskgeneration.h"

#include "arithmetic/tasktexts.h"
#include "state/variablen.h"
#include "platform/random.h"

namespace {

// How far the second operand may go (b in 1..n) for a first operand a. The
// levels differ in whether a task may cross ten: level 2 keeps both the sum
// and the difference on one side of it, level 3 allows crossing but keeps
// the sum below 20.
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

QString wholeNumber(double value)
{
    return QString::number(static_cast<int>(value));
}

} // namespace

bool drawPigTask(quint8 level, TaskTexts &texts)
{
    if (level < 1 || level > 3)
        return false;
    auto &random = platform::Random::instance();
    TaskState &task = Variablen;

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
