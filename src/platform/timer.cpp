#include "platform/timer.h"

#include "platform/clock.h"

namespace platform {

Timer::Timer(int intervalMs, QObject *parent)
    : QObject(parent)
    , m_interval(intervalMs)
{
    Clock::instance().attach(this);
}

Timer::~Timer()
{
    Clock::instance().detach(this);
}

void Timer::setInterval(int ms)
{
    m_interval = ms;
    if (m_enabled) {
        m_enabled = false;
        setEnabled(true);
    }
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled) {
        Clock &clock = Clock::instance();
        m_dueAt = clock.now() + m_interval;
        m_sequence = clock.m_nextSequence++;
    }
    Clock::instance().scheduleChanged();
}

void Timer::fire()
{
    Q_EMIT tick();
}

} // namespace platform
