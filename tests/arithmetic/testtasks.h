#pragma once

#include "arithmetic/tasktexts.h"
#include "state/variablen.h"
#include "state/mdlmodul.h"
#include "platform/random.h"
#include "state/modvar.h"

#include <QtCore/QString>

#include <ostream>

// Readable texts in the messages of failed checks.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Helpers the arithmetic tests share: a fresh start for the global records
// and the generator, and the draws that produce a chosen task.
namespace arithmetic_testing {

// The value r that makes Int((hi - lo + 1) * r + lo) give value.
inline float drawFor(int value, int lo, int hi)
{
    return static_cast<float>((value - lo + 0.5) / (hi - lo + 1));
}

// How far b may go for a at a level, as the levels are defined: level 1
// within ten, level 2 within twenty without crossing ten, level 3 crossing
// ten but never reaching twenty.
inline int secondOperandLimit(int level, int rechenart, int a)
{
    const bool plus = rechenart == 1;
    if (level == 1)
        return plus ? 10 - a : a - 1;
    if (level == 2)
        return plus ? (a >= 10 ? 20 - a : 10 - a) : (a <= 10 ? a - 1 : a - 10);
    return plus ? 19 - a : a - 1;
}

// Feeds the four draws of one task: first operand, operation (1 "+",
// 2 "-"), second operand, sought place.
inline void feedTask(int level, int a, int rechenart, int b, int gesucht)
{
    platform::Random::instance().feed({drawFor(a, 2, level == 1 ? 8 : 18), drawFor(rechenart, 1, 2),
                                       drawFor(b, 1, secondOperandLimit(level, rechenart, a)),
                                       drawFor(gesucht, 1, 3)});
}

// The three records at zero, and a generator whose reseeds read a clock that
// stands still, so that a seed fixes every draw.
inline void resetGlobals(quint64 seed = 1)
{
    Variablen = TaskState {};
    modVar = PlayState {};
    Mdlmodul = MemoryState {};
    auto &random = platform::Random::instance();
    random.setClockSource([] { return quint64(0); });
    random.seed(seed);
}

inline void restoreRandomClock()
{
    platform::Random::instance().setClockSource({});
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
