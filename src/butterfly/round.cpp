#include "butterfly/round.h"

#include "platform/random.h"
#include "state/variablen.h"

#include <cmath>

namespace butterfly {

namespace {

double drawOperand(int largest)
{
    return std::floor(largest * double(platform::Random::instance().next())) + 1;
}

} // namespace

QString drawTask(const Level &level, TaskState &task)
{
    auto &random = platform::Random::instance();
    random.reseed();
    task.Operand1 = 0;
    task.Operand2 = 0;
    task.Ergebnis = 0;
    task.Rechenart = static_cast<quint8>(std::floor(2 * double(random.next())) + 1);
    random.reseed();

    const bool plus = task.Rechenart == 1;
    if (plus) {
        task.Operand1 = drawOperand(level.largestOperand);
        do
            task.Operand2 = drawOperand(level.largestOperand);
        while (task.Operand1 + task.Operand2 > level.largestSum);
    } else {
        while (task.Operand1 <= task.Operand2) {
            task.Operand1 = drawOperand(level.largestOperand);
            task.Operand2 = drawOperand(level.largestOperand);
        }
    }
    return QString::number(task.Operand1) + (plus ? u'+' : u'-') + QString::number(task.Operand2)
        + QStringLiteral(" = ") + QStringLiteral(" ? ");
}

CatchRound::CatchRound(const Level &level, TaskState &task)
    : m_level(level)
    , m_task(task)
    , m_flight(level.butterflies)
{
}

void CatchRound::open()
{
    m_gefangen = 0;
    m_aufgabe = drawTask(m_level, m_task);
    const double loesung = m_task.Rechenart == 1 ? m_task.Operand1 + m_task.Operand2 : m_task.Operand1 - m_task.Operand2;
    m_loesung = static_cast<quint8>(loesung);
    m_flight.setUp(VerticalStart::EitherWay);
}

void CatchRound::nextTask()
{
    const QString alteAufgabe = m_aufgabe;
    do
        open();
    while (m_aufgabe == alteAufgabe);
    for (int k = 0; k < m_level.butterflies; ++k)
        m_flight[k].Visible = true;
}

bool CatchRound::catchButterfly(int k)
{
    if (k < 0 || k >= m_flight.count() || !m_flight[k].Visible)
        return false;
    m_flight[k].Visible = false;
    ++m_gefangen;
    return true;
}

bool CatchRound::release(int slot)
{
    if (!isSlotShown(slot))
        return false;
    // Whichever slot was clicked, the slots stay filled from slot 0 up.
    --m_gefangen;
    for (int k = 0; k < m_flight.count(); ++k) {
        if (!m_flight[k].Visible) {
            m_flight[k].Visible = true;
            break;
        }
    }
    return true;
}

} // namespace butterfly
