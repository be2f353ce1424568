#include "platform/clock.h"

#include "platform/timer.h"

#include <algorithm>

namespace platform {

Clock &Clock::instance()
{
    static Clock clock;
    return clock;
}

qint64 Clock::now() const
{
    return m_timeSource ? std::max(m_now, m_timeSource()) : m_now;
}

void Clock::attach(Timer *timer)
{
    m_timers.push_back(timer);
}

void Clock::detach(Timer *timer)
{
    std::erase(m_timers, timer);
    scheduleChanged();
}

void Clock::scheduleChanged()
{
    if (m_scheduleChanged)
        m_scheduleChanged();
}

Timer *Clock::nextTimerDueBy(qint64 time) const
{
    Timer *best = nullptr;
    for (Timer *timer : m_timers) {
        // An interval of 0 never ticks, as on the platform.
        if (!timer->isEnabled() || timer->interval() <= 0 || timer->m_dueAt > time)
            continue;
        // Equal due times tick in the order in which they were scheduled.
        if (!best || timer->m_dueAt < best->m_dueAt
            || (timer->m_dueAt == best->m_dueAt && timer->m_sequence < best->m_sequence))
            best = timer;
    }
    return best;
}

void Clock::advance(qint64 ms)
{
    advanceTo(m_now + ms);
}

void Clock::advanceTo(qint64 time)
{
    while (Timer *timer = nextTimerDueBy(time)) {
        m_now = std::max(m_now, timer->m_dueAt);
        timer->m_dueAt = m_now + timer->interval();
        // A timer that fell behind the real clock (the program was busy)
        // ticks once and goes on from now, not in a burst of missed ticks.
        if (m_timeSource && timer->m_dueAt <= time)
            timer->m_dueAt = std::max(time, m_timeSource()) + timer->interval();
        timer->m_sequence = m_nextSequence++;
        // The handler may destroy the timer, its window, or run a modal window
        // that advances the clock further; nothing of the timer is touched
        // after this call.
        timer->fire();
    }
    m_now = std::max(m_now, time);
    scheduleChanged();
}

qint64 Clock::nextDue() const
{
    qint64 due = -1;
    for (const Timer *timer : m_timers) {
        // Like nextTimerDueBy: a timer with an interval of 0 is never due.
        if (timer->isEnabled() && timer->interval() > 0 && (due < 0 || timer->m_dueAt < due))
            due = timer->m_dueAt;
    }
    return due;
}

void Clock::reset()
{
    for (Timer *timer : m_timers)
        timer->m_enabled = false;
    m_now = 0;
    scheduleChanged();
}

RealClockDriver::RealClockDriver(TimeSource elapsed, QObject *parent)
    : QObject(parent)
    , m_elapsed(std::move(elapsed))
{
    if (!m_elapsed) {
        m_monotonic.start();
        m_elapsed = [this] { return m_monotonic.elapsed(); };
    }
    // The real time goes on from wherever the clock stands now.
    m_offset = Clock::instance().now() - m_elapsed();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { catchUp(); });
    Clock::instance().setTimeSource([this] { return realNow(); });
    Clock::instance().setScheduleChanged([this] { rearm(); });
    rearm();
}

RealClockDriver::~RealClockDriver()
{
    Clock::instance().setScheduleChanged({});
    Clock::instance().setTimeSource({});
}

qint64 RealClockDriver::realNow() const
{
    return m_offset + m_elapsed();
}

int RealClockDriver::pendingWait() const
{
    return m_timer.isActive() ? m_timer.interval() : -1;
}

void RealClockDriver::catchUp()
{
    Clock::instance().advanceTo(realNow());
}

void RealClockDriver::rearm()
{
    const qint64 due = Clock::instance().nextDue();
    if (due < 0) {
        m_timer.stop();
        return;
    }
    const qint64 wait = std::max<qint64>(0, due - realNow());
    m_timer.start(static_cast<int>(std::min<qint64>(wait, 24 * 60 * 60 * 1000)));
}

} // namespace platform
