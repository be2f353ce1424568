#pragma once

#include "butterfly/flight.h"

#include <QtCore/QString>

struct TaskState;

namespace butterfly {

// What sets the two game screens apart in their play.
struct Level
{
    int butterflies;    // flying butterflies, and basket slots as many
    int largestOperand; // operands are drawn from 1..largestOperand
    int largestSum;     // a plus task's sum stays within this
};

inline constexpr Level Leicht {10, 9, 10};
inline constexpr Level Schwer {20, 19, 20};

// Draws a game screen's task into the task state (Operand1, Operand2,
// Rechenart; Ergebnis 0, left for the counting help to work out) and returns
// its text, "7+2 =  ? ". The generator is reseeded before the operation is
// drawn and again before the operands. Plus keeps its first operand and draws
// the second until the sum fits; minus draws both until the result is at
// least 1.
QString drawTask(const Level &level, TaskState &task);

// The play of one game screen: the task, the flight of its butterflies, and
// the catches. Between any two calls exactly gefangen() flying butterflies
// are hidden and the basket slots 0..gefangen() - 1 are shown, the others
// hidden.
class CatchRound
{
public:
    CatchRound(const Level &level, TaskState &task);

    // The screen's opening: a new task, nothing caught, a new flight with
    // upward and downward starts. Which butterflies and slots are shown is
    // left as it was (all flying, baskets empty, when the screen is new).
    void open();
    // The next task after a right answer: the opening, again and again until
    // the task text differs from the last one; then every butterfly flies
    // and the baskets are empty.
    void nextTask();

    // A click on flying butterfly k: it vanishes from the air (and flies on
    // unseen) and the next basket slot fills. False, and nothing changes,
    // for a butterfly that is not in the air.
    bool catchButterfly(int k);
    // A click on basket slot j: the highest filled slot empties and the
    // hidden butterfly with the lowest index flies again, wherever its unseen
    // flight has taken it. False, and nothing changes, for an empty slot.
    bool release(int slot);

    // "Fertig!!": as many caught as the result.
    bool isRight() const { return m_loesung == m_gefangen; }

    const QString &task() const { return m_aufgabe; }
    quint8 loesung() const { return m_loesung; }
    qint16 gefangen() const { return m_gefangen; }
    // The baskets fill from slot 0 up, one slot per butterfly caught.
    bool isSlotShown(int slot) const { return slot >= 0 && slot < m_gefangen; }
    const Level &level() const { return m_level; }
    Flight &flight() { return m_flight; }
    const Flight &flight() const { return m_flight; }

private:
    Level m_level;
    TaskState &m_task;
    Flight m_flight;
    qint16 m_gefangen = 0;
    quint8 m_loesung = 0;
    QString m_aufgabe;
};

} // namespace butterfly
