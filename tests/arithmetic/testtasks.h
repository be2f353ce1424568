#pragma once

#include "arithmetic/taskgeneration.h"
#include "arithmetic/tasktexts.h"
#include "platform/random.h"
#include "support/testsupport.h"

// What the tests of the pig game share: the draws that produce a chosen task.
namespace arithmetic_testing {

// The value r that makes Int((hi - lo + 1) * r + lo) give value.
inline float drawFor(int value, int lo, int hi)
{
    return static_cast<float>((value - lo + 0.5) / (hi - lo + 1));
}

// Feeds the four draws of one task: first operand, operation (1 "+",
// 2 "-"), second operand, sought place.
inline void feedTask(int level, int a, int rechenart, int b, int gesucht)
{
    platform::Random::instance().feed({drawFor(a, 2, level == 1 ? 8 : 18), drawFor(rechenart, 1, 2),
                                       drawFor(b, 1, secondOperandLimit(level, rechenart, a)),
                                       drawFor(gesucht, 1, 3)});
}

// Holders for the board's four texts.
struct TextsRecorder : TaskTexts
{
    QString operand1 = QStringLiteral("old");
    QString operand2 = QStringLiteral("old");
    QString ergebnis = QStringLiteral("old");
    QString rechenzeichen;

    void setOperand1Text(const QString &text) override { operand1 = text; }
    void setOperand2Text(const QString &text) override { operand2 = text; }
    void setErgebnisText(const QString &text) override { ergebnis = text; }
    void setRechenzeichen(const QString &text) override { rechenzeichen = text; }
};

} // namespace arithmetic_testing
