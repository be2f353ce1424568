#include "platform/clock.h"
#include "platform/timer.h"

#include <gtest/gtest.h>

#include <QtCore/QStringList>

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

// A timer ticks every interval from the moment it is switched on; an
// interval of 0 never ticks; a timer destroyed in its own tick never ticks
// again. The memory game's cover tick switches the computer's timer on at
// every tick; its interval must go on. Off and on again, or a new interval,
// starts a full interval. Equal due times tick as they were scheduled.
TEST_F(TimerTest, TicksEveryIntervalFromTheMomentItIsSwitchedOnAndSwitchingOnAgainKeepsIt)
{
    Timer keeps(1000), restarts(1000), newInterval(1000), zero(0);
    auto *once = new Timer(100);
    record(keeps, "keeps");
    record(restarts, "restarts");
    record(newInterval, "new");
    record(zero, "zero");
    record(*once, "once");
    QObject::connect(once, &Timer::tick, [&] { delete once; });
    advance(500);
    for (Timer *t : {&keeps, &restarts, &newInterval, &zero, once})
        t->setEnabled(true);
    advance(700);
    keeps.setEnabled(true);
    restarts.setEnabled(false);
    restarts.setEnabled(true);
    newInterval.setInterval(500);
    advance(1000);
    EXPECT_EQ(ticks, QStringList({"once@600", "keeps@1500", "new@1700", "restarts@2200", "new@2200"}));
}

// The real clock, with a source of real time that the test moves. Nothing
// wakes it for a timer with an interval of 0.
TEST_F(TimerTest, OnTheRealClockATimerStartedAfterMinutesWaitsItsIntervalNotLongerNorShorter)
{
    qint64 real = 0;
    platform::RealClockDriver driver([&] { return real; });
    Timer zero(0);
    zero.setEnabled(true);
    EXPECT_EQ(driver.pendingWait(), -1);
    real = 5 * 60 * 1000; // the program ran for five minutes without a timer
    Timer timer(4000);
    record(timer, "t");
    timer.setEnabled(true);
    EXPECT_EQ(driver.pendingWait(), 4000);
    real += 3999;
    driver.catchUp();
    EXPECT_TRUE(ticks.isEmpty());
    EXPECT_EQ(driver.pendingWait(), 1);
    real += 1;
    driver.catchUp();
    EXPECT_EQ(ticks, QStringList({"t@304000"}));
    EXPECT_EQ(driver.pendingWait(), 4000);
    real += 9000; // the program was busy: one tick now, not a burst of the ticks it missed
    driver.catchUp();
    EXPECT_EQ(ticks, QStringList({"t@304000", "t@313000"}));
    EXPECT_EQ(driver.pendingWait(), 4000);
}

} // namespace
