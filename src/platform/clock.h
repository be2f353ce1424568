#pragma once

#include <QtCore/QElapsedTimer>
#include <QtCore/QObject>
#include <QtCore/QTimer>

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

class Timer;

// The one clock that every window timer runs on. It knows the time in whole
// milliseconds and fires the ticks that fall due, in the order in which the
// timers' intervals end. Nothing here reads the wall clock: in the program a
// RealClockDriver advances it, in tests the test does, millisecond by
// millisecond if it likes.
class Clock
{
public:
    static Clock &instance();

    // The current time: the manual time, or, once a driver has given the
    // clock a time source, the later of that and the last tick fired. A timer
    // switched on counts its interval from here.
    qint64 now() const;

    // Fires every tick that is due up to now() + ms, earliest first, then
    // leaves the clock at now() + ms. Safe to call from inside a tick (a tick
    // handler that runs a modal window keeps the clock running).
    void advance(qint64 ms);
    void advanceTo(qint64 time);

    // The earliest time at which an enabled timer is due, or -1.
    qint64 nextDue() const;

    // Forgets every timer and sets the time back to 0; for tests.
    void reset();

    // Called whenever the schedule changed, so that a driver can re-arm.
    void setScheduleChanged(std::function<void()> callback) { m_scheduleChanged = std::move(callback); }
    // Set by a driver only; tests leave the clock manual.
    void setTimeSource(std::function<qint64()> source) { m_timeSource = std::move(source); }

private:
    friend class Timer;
    void attach(Timer *timer);
    void detach(Timer *timer);
    void scheduleChanged();
    Timer *nextTimerDueBy(qint64 time) const;

    qint64 m_now = 0;
    quint64 m_nextSequence = 0;
    std::vector<Timer *> m_timers;
    std::function<void()> m_scheduleChanged;
    std::function<qint64()> m_timeSource;
};

// Drives the Clock from the real monotonic clock with one precise QTimer that
// is armed for the next due tick. Lives in the program, never in logic.
class RealClockDriver : public QObject
{
public:
    // Milliseconds since a fixed moment, never going back.
    using TimeSource = std::function<qint64()>;

    // Without a source the driver reads the monotonic clock.
    explicit RealClockDriver(TimeSource elapsed = {}, QObject *parent = nullptr);
    ~RealClockDriver() override;

    // How long the driver chose to sleep, in milliseconds, when it last armed
    // itself to advance the clock; -1 while no timer is due.
    int pendingWait() const;
    // Advances the clock to the real time, firing every tick due by then. The
    // driver's timer calls it when it wakes.
    void catchUp();

private:
    qint64 realNow() const;
    void rearm();

    TimeSource m_elapsed;
    QElapsedTimer m_monotonic;
    qint64 m_offset = 0;
    QTimer m_timer;
};

} // namespace platform
