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
    void record(Timer &timer, const QString &name)
    {
        QObject::connect(&timer, &Timer::tick, [this, name] {
            ticks << QStringLiteral("%1@%2").arg(name).arg(Clock::instance().now());
        });
    }

    QStringList ticks;
};

TEST_F(TimerTest, TicksEveryIntervalOnceSwitchedOn)
{
    Timer timer(1000);
    record(timer, QStringLiteral("t"));
    Clock::instance().advance(500);
    timer.setEnabled(true);
    Clock::instance().advance(2600);
    EXPECT_EQ(ticks, QStringList({"t@1500", "t@2500"}));
}

TEST_F(TimerTest, SwitchingOnARunningTimerKeepsItsInterval)
{
    // The memory game's cover tick switches the computer's timer on at every
    // tick; its interval must go on, not start again.
    Timer timer(1000);
    record(timer, QStringLiteral("t"));
    timer.setEnabled(true);
    Clock::instance().advance(700);
    timer.setEnabled(true);
    Clock::instance().advance(300);
    EXPECT_EQ(ticks, QStringList({"t@1000"}));
}

TEST_F(TimerTest, SwitchingOffAndOnStartsAFullInterval)
{
    Timer timer(1000);
    record(timer, QStringLiteral("t"));
    timer.setEnabled(true);
    Clock::instance().advance(700);
    timer.setEnabled(false);
    timer.setEnabled(true);
    Clock::instance().advance(999);
    EXPECT_TRUE(ticks.isEmpty());
    Clock::instance().advance(1);
    EXPECT_EQ(ticks, QStringList({"t@1700"}));
}

TEST_F(TimerTest, TicksComeInTheOrderTheIntervalsEnd)
{
    Timer a(1000);
    Timer b(1000);
    record(a, QStringLiteral("a"));
    record(b, QStringLiteral("b"));
    b.setEnabled(true);
    Clock::instance().advance(300);
    a.setEnabled(true);
    Clock::instance().advance(2000);
    EXPECT_EQ(ticks, QStringList({"b@1000", "a@1300", "b@2000", "a@2300"}));
}

TEST_F(TimerTest, TimersDueAtTheSameMomentTickInTheOrderTheyWereStarted)
{
    Timer a(500);
    Timer b(1000);
    record(a, QStringLiteral("a"));
    record(b, QStringLiteral("b"));
    b.setEnabled(true);
    a.setEnabled(true);
    Clock::instance().advance(1000);
    // At 1000 b was scheduled (at 0) before a was rescheduled (at 500).
    EXPECT_EQ(ticks, QStringList({"a@500", "b@1000", "a@1000"}));
}

TEST_F(TimerTest, AHandlerThatRestartsAnotherTimerMovesItsNextTick)
{
    Timer cover(1000);
    Timer compi(1000);
    record(compi, QStringLiteral("compi"));
    QObject::connect(&cover, &Timer::tick, [&] {
        compi.setEnabled(false);
        compi.setEnabled(true);
    });
    compi.setEnabled(true);
    Clock::instance().advance(400);
    cover.setEnabled(true);
    Clock::instance().advance(2000); // cover ticks at 1400 and 2400
    EXPECT_EQ(ticks, QStringList({"compi@1000"}));
    Clock::instance().advance(1000);
    EXPECT_EQ(ticks, QStringList({"compi@1000"})) << "every cover restarts compi before it is due";
}

TEST_F(TimerTest, ATimerDestroyedInItsOwnTickNeverTicksAgain)
{
    auto *timer = new Timer(100);
    int count = 0;
    QObject::connect(timer, &Timer::tick, [&] {
        ++count;
        delete timer;
    });
    timer->setEnabled(true);
    Clock::instance().advance(1000);
    EXPECT_EQ(count, 1);
}

TEST_F(TimerTest, AnIntervalOfZeroNeverTicks)
{
    Timer timer(0);
    record(timer, QStringLiteral("t"));
    timer.setEnabled(true);
    Clock::instance().advance(1000);
    EXPECT_TRUE(ticks.isEmpty());
}

TEST_F(TimerTest, NewIntervalOnARunningTimerStartsItAnew)
{
    Timer timer(1000);
    record(timer, QStringLiteral("t"));
    timer.setEnabled(true);
    Clock::instance().advance(600);
    timer.setInterval(500);
    Clock::instance().advance(500);
    EXPECT_EQ(ticks, QStringList({"t@1100"}));
}

} // namespace

namespace {

class DrivenClockTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::instance().reset();
        Clock::instance().setTimeSource([this] { return realTime; });
    }
    void TearDown() override { Clock::instance().setTimeSource({}); }

    qint64 realTime = 0;
};

TEST_F(DrivenClockTest, ATimerSwitchedOnCountsFromTheRealTimeNotFromTheLastTick)
{
    // Nothing ticked for a minute; a window opened now must wait its full
    // interval, not close at once.
    realTime = 60000;
    Timer timer(4000);
    int ticks = 0;
    QObject::connect(&timer, &Timer::tick, [&] { ++ticks; });
    timer.setEnabled(true);
    Clock::instance().advanceTo(63999);
    EXPECT_EQ(ticks, 0);
    realTime = 64000;
    Clock::instance().advanceTo(64000);
    EXPECT_EQ(ticks, 1);
}

TEST_F(DrivenClockTest, ATimerThatFellBehindTicksOnceInsteadOfInABurst)
{
    Timer timer(100);
    int ticks = 0;
    QObject::connect(&timer, &Timer::tick, [&] { ++ticks; });
    timer.setEnabled(true);
    realTime = 2050; // the program was busy for two seconds
    Clock::instance().advanceTo(realTime);
    EXPECT_EQ(ticks, 1);
    realTime = 2150;
    Clock::instance().advanceTo(realTime);
    EXPECT_EQ(ticks, 2);
}

} // namespace
