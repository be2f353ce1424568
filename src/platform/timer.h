#pragma once

#include <QtCore/QObject>

namespace platform {

class Clock;

// A window timer with the rules the games rely on:
// - switching on a timer that already runs leaves its current interval running;
// - switching it off and on again starts a new full interval;
// - ticks of several timers come in the order in which their intervals end.
// A timer belongs to its window: the window registry switches off every timer
// among a window's children the moment the window is closed.
class Timer : public QObject
{
    Q_OBJECT
public:
    explicit Timer(int intervalMs, QObject *parent = nullptr);
    ~Timer() override;

    int interval() const { return m_interval; }
    // Like the platform's, a new interval on a running timer starts it anew.
    void setInterval(int ms);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

Q_SIGNALS:
    void tick();

private:
    friend class Clock;
    void fire();

    int m_interval;
    bool m_enabled = false;
    qint64 m_dueAt = 0;
    quint64 m_sequence = 0;
};

} // namespace platform
