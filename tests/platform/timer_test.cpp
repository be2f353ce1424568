#include "platform/clock.h"
#include "platform/timer.h"

#include <gtest/gtest.h>

#include <QtCore/QStringList>

#include <memory>

using platform::Clock;
using platform::Timer;

namespace {

class TimerTest : public ::testing::Test
{
protected:
    void SetUp() override { Clock::instance().reset(); }

    // Records "name@time" for every tick of the timer.
    void record(Timer &timer, const char *name)
    {
        QObject::connect(&timer, &Timer::tick, [this, name] {
            ticks << QStringLiteral("%1@%2").arg(QLatin1String(name)).arg(Clock::instance().now());
        });
    }
    static void advance(qint64 ms) { Clock::instance().advance(ms); }

    QStringList ticks;
};

// An interval of 0 never ticks; a timer destroyed in its own tick never
// ticks again.
TEST_F(TimerTest, TicksEveryIntervalFromTheMomentItIsSwitchedOn)
{
    Timer timer(1000), zero(0);
    auto *once = new Timer(100);
    record(timer, "t");
    record(zero, "zero");
    record(*once, "once");
    QObject::connect(once, &Timer::tick, [&] { delete once; });
    advance(500);
    for (Timer *t : {&timer, &zero, once})
        t->setEnabled(true);
    advance(2600);
    EXPECT_EQ(ticks, QStringList({"once@600", "t@1500", "t@2500"}));
}

// The memory game's cover tick switches the computer's timer on at every
// tick; its interval must go on. Off and on again, or a new interval, starts
// a full interval.
TEST_F(TimerTest, SwitchingOnARunningTimerKeepsItsIntervalOffAndOnOrANewIntervalRestartsIt)
{
    Timer keeps(1000), restarts(1000), newInterval(1000);
    record(keeps, "keeps");
    record(restarts, "restarts");
    record(newInterval, "new");
    keeps.setEnabled(true);
    restarts.setEnabled(true);
    newInterval.setEnabled(true);
    advance(700);
    keeps.setEnabled(true);
    restarts.setEnabled(false);
    restarts.setEnabled(true);
    newInterval.setInterval(500);
    advance(1000);
    EXPECT_EQ(ticks, QStringList({"keeps@1000", "new@1200", "restarts@1700", "new@1700"}));
}

// At 1000 b was scheduled (at 0) before a was rescheduled (at 500).
TEST_F(TimerTest, TicksComeInTheOrderTheIntervalsEndAndEqualOnesAsScheduled)
{
    Timer a(500), b(1000), c(1000);
    record(a, "a");
    record(b, "b");
    record(c, "c");
    b.setEnabled(true);
    a.setEnabled(true);
    advance(300);
    c.setEnabled(true);
    advance(1000);
    EXPECT_EQ(ticks, QStringList({"a@500", "b@1000", "a@1000", "c@1300"}));
}

// The real clock, with a source of real time that the test moves.
class RealClock : public TimerTest
{
protected:
    void SetUp() override
    {
        TimerTest::SetUp();
        driver = std::make_unique<platform::RealClockDriver>([this] { return real; });
    }

    qint64 real = 0;
    std::unique_ptr<platform::RealClockDriver> driver;
};

// Nothing wakes the driver for a timer with an interval of 0.
TEST_F(RealClock, ATimerStartedAfterMinutesWaitsItsIntervalNotLongerNorShorter)
{
    Timer zero(0);
    zero.setEnabled(true);
    EXPECT_EQ(driver->pendingWait(), -1);
    real = 5 * 60 * 1000; // the program ran for five minutes without a timer
    Timer timer(4000);
    record(timer, "t");
    timer.setEnabled(true);
    EXPECT_EQ(driver->pendingWait(), 4000);
    real += 3999;
    driver->catchUp();
    EXPECT_TRUE(ticks.isEmpty());
    EXPECT_EQ(driver->pendingWait(), 1);
    real += 1;
    driver->catchUp();
    EXPECT_EQ(ticks, QStringList({"t@304000"}));
    EXPECT_EQ(driver->pendingWait(), 4000);
}

// The program was busy for two seconds: the timer ticks once and goes on
// from now, not in a burst of the ticks it missed.
TEST_F(RealClock, ATimerThatFellBehindTicksOnceInsteadOfInABurst)
{
    Timer timer(100);
    record(timer, "t");
    timer.setEnabled(true);
    real = 2050;
    driver->catchUp();
    EXPECT_EQ(ticks, QStringList({"t@2050"}));
    EXPECT_EQ(driver->pendingWait(), 100);
}

} // namespace
