#include "butterfly/flight.h"
#include "butterfly/round.h"
#include "butterfly/scoring.h"
#include "butterflytesting.h"
#include "state/modvar.h"
#include "state/variablen.h"
#include "support/testsupport.h"

#include <tuple>

using namespace butterfly;
using namespace butterfly_testing;

namespace {

using RoundTest = testing_support::GlobalsTest;
using FlightTest = testing_support::GlobalsTest;

// Over many seeds: operands within the level, plus sums within its largest, minus results at least 1, both operations
// alike often, and the next task's text always differs from the last.
TEST_F(RoundTest, TasksStayInTheirLevelsRangesAndTheNextAlwaysDiffers)
{
    for (const Level &level : {Leicht, Schwer}) {
        TaskState task;
        CatchRound round(level, task);
        int pluses = 0;
        for (quint64 seed = 1; seed <= 3000; ++seed) {
            platform::Random::instance().seed(seed);
            const QString before = round.task();
            task.Ergebnis = 7;
            round.nextTask();
            const QString &text = round.task();
            const double a = task.Operand1, b = task.Operand2;
            const bool plus = task.Rechenart == 1;
            pluses += plus;
            ASSERT_TRUE(a >= 1 && b >= 1 && a <= level.largestOperand && b <= level.largestOperand
                        && (plus ? a + b <= level.largestSum : a - b >= 1) && task.Ergebnis == 0 && text != before
                        && text.startsWith(QStringLiteral("%1%2%3 ").arg(a).arg(QChar(plus ? u'+' : u'-')).arg(b)))
                << text.toStdString() << " after " << before.toStdString() << ", Ergebnis " << task.Ergebnis
                << " (the counting help works it out)";
        }
        EXPECT_NEAR(pluses, 1500, 150) << "plus and minus are equally likely";
    }
}

// Operands as drawn, one after the other; two more draws of 1 follow that the rule must not take.
TEST_F(RoundTest, PlusKeepsItsFirstOperandAndMinusRedrawsBothUntilTheResultIsPositive)
{
    const struct { const Level &level; char operation; std::initializer_list<int> operands; const char *text; } rows[] = {
        {Leicht, '+', {9, 5, 2, 1}, "9+1 =  ? "},         {Schwer, '+', {19, 19, 7, 1}, "19+1 =  ? "},
        {Leicht, '+', {4, 6}, "4+6 =  ? "},               {Leicht, '-', {3, 5, 4, 4, 6, 2}, "6-2 =  ? "},
        {Schwer, '-', {19, 18}, "19-18 =  ? "},
    };
    for (const auto &row : rows) {
        feedTask(row.level.largestOperand, row.operation, row.operands);
        feed(0.0f, 2);
        TaskState task;
        EXPECT_EQ(drawTask(row.level, task), QLatin1String(row.text));
        platform::Random::instance().seed(1);
    }
}

// The flying butterflies and the basket slots as the pupil sees them.
QString picture(const CatchRound &round)
{
    QString flying, baskets;
    for (int k = 0; k < round.level().butterflies; ++k) {
        flying += round.flight()[k].Visible ? u'#' : u'.';
        baskets += round.isSlotShown(k) ? u'#' : u'.';
    }
    return flying + u' ' + baskets;
}

TEST_F(RoundTest, ACatchFillsTheNextSlotAndAReleaseEmptiesTheHighestAndFreesTheLowestCaught)
{
    TaskState task;
    CatchRound round(Leicht, task);
    feedTask(9, '-', {6, 3});
    round.open();
    EXPECT_FALSE(round.isRight()) << "nothing caught is always a miss";
    for (int k : {7, 2, 5, 0})
        EXPECT_TRUE(round.catchButterfly(k));
    EXPECT_EQ(picture(round), QStringLiteral(".#.##.#.## ####......"));
    EXPECT_FALSE(round.isRight()) << "one more than 6-3";
    EXPECT_FALSE(round.catchButterfly(2)) << "a caught butterfly cannot be caught again";
    EXPECT_FALSE(round.release(4)) << "an empty slot lets nothing go";
    round.flight().tick();
    const Butterfly unseen = round.flight()[0];
    EXPECT_TRUE(round.release(0));
    EXPECT_EQ(picture(round), QStringLiteral("##.##.#.## ###......."));
    EXPECT_EQ(round.flight()[0].Left, unseen.Left) << "it comes back where its flight has taken it";
    EXPECT_TRUE(round.isRight());
    EXPECT_TRUE(round.release(2));
    EXPECT_EQ(picture(round), QStringLiteral("#####.#.## ##........"));
    EXPECT_FALSE(round.isRight());
}

TEST_F(RoundTest, TheNextTaskRunsTheWholeOpeningAgainUntilItsTextDiffers)
{
    TaskState task;
    CatchRound round(Leicht, task);
    feedTask(9, '+', {3, 4});
    round.open();
    round.catchButterfly(0);
    round.catchButterfly(1);
    int reseeds = 0;
    platform::Random::instance().setClockSource([&reseeds] { return quint64(++reseeds); });
    feedTask(9, '+', {3, 4});
    feed(0.0f, 40); // the flight's draws
    feedTask(9, '+', {3, 5});
    feed(0.5f, 40);
    round.nextTask();
    EXPECT_EQ(round.task(), QStringLiteral("3+5 =  ? "));
    EXPECT_EQ(reseeds, 6) << "two openings of three reseeds each: operation, operands, flight";
    EXPECT_EQ(round.flight()[9].Left, 11235 * 0.5f) << "the flight set up again for the new task";
    EXPECT_EQ(picture(round), QStringLiteral("########## .........."));
    EXPECT_EQ(round.gefangen(), 0);
}

// R a right answer, M a miss, H the help.
TEST_F(RoundTest, RightAddsThreeAMissTakesOneTheHelpTwoNeverBelowZero)
{
    const struct { qint16 before; const char *clicks; qint16 after; } rows[] = {
        {0, "M", 0}, {1, "M", 0}, {4, "M", 3}, {0, "H", 0}, {1, "H", 0}, {2, "H", 0},
        {5, "H", 3}, {0, "R", 3}, {0, "RRR", 9}, {32766, "R", 32767}, {32767, "RM", 32766},
    };
    for (const auto &row : rows) {
        PlayState play;
        TaskState task;
        play.SpielerPunkte = row.before;
        for (const char *c = row.clicks; *c; ++c)
            *c == 'R' ? scoreRightAnswer(play) : *c == 'M' ? scoreMiss(play) : scoreHelp(play, task);
        EXPECT_EQ(play.SpielerPunkte, row.after) << row.before << " then " << row.clicks;
        EXPECT_EQ(task.Gesucht, *row.clicks == 'H' ? 3 : 0) << "the help seeks the result";
    }
}

using Place = std::tuple<float, float, int, int>; // Left, Top, SchrittX, SchrittY

Place place(const Butterfly &b) { return {b.Left, b.Top, b.SchrittX, b.SchrittY}; }

// A 645 x 555 butterfly in 11880 x 8595 meets the right edge at Left 11235, the floor (7095) at Top 6540.
TEST_F(FlightTest, ButterfliesTurnAtTheEdgesAndTheFlightFloorHiddenOrNot)
{
    const struct { const char *name; Place start; int ticks; Place after; } rows[] = {
        {"Left 0 turns before it moves", {0, 3000, -40, 0}, 1, {40, 3000, 40, 0}},
        {"Left 1 with step -100 stands at -99", {1, 3000, -100, 0}, 1, {-99, 3000, -100, 0}},
        {"and the next tick brings it back to 1", {1, 3000, -100, 0}, 2, {1, 3000, 100, 0}},
        {"touching the right edge turns", {11235, 3000, 60, 0}, 1, {11175, 3000, -60, 0}},
        {"one twip short of it goes past", {11234, 3000, 60, 0}, 1, {11294, 3000, 60, 0}},
        {"Top 0 turns", {5000, 0, 0, -100}, 1, {5000, 100, 0, 100}},
        {"touching the flight floor turns", {5000, 6540, 0, 100}, 1, {5000, 6440, 0, -100}},
        {"below the floor by less than a step turns", {5000, 6600, 0, 100}, 1, {5000, 6500, 0, -100}},
        {"in a corner it turns both ways", {0, 6540, -60, 80}, 1, {60, 6460, 60, -80}},
    };
    for (const auto &row : rows)
        for (bool visible : {true, false}) {
            Flight flight(1);
            const auto [left, top, x, y] = row.start;
            flight[0] = {left, top, qint16(x), qint16(y), visible};
            for (int t = 0; t < row.ticks; ++t)
                flight.tick();
            EXPECT_EQ(place(flight[0]), row.after) << row.name << (visible ? "" : ", hidden");
        }
}

// SchrittX = floor(201 r1 - 100), SchrittY the rounded rest of a step of 100, turned upward on a game screen when r2
// >= 0.5; Left and Top from r3 and r4. One butterfly's draws come before the next one's.
TEST_F(FlightTest, TheSetUpReseedsThenDrawsEachButterflysStepSignAndPlace)
{
    int reseeds = 0;
    platform::Random::instance().setClockSource([&reseeds] { return quint64(++reseeds); });
    const auto step = [](int x) { return (x + 100.5f) / 201; };
    for (float r : {step(-100), 0.5f, 0.25f, step(60), 0.0f, 0.5f})
        feed(r);
    Flight start(2);
    start.setUp(VerticalStart::DownwardOrLevel);
    EXPECT_EQ(start.Tempo, 100);
    EXPECT_EQ(place(start[0]), Place(5617.5f, 1635, -100, 0));
    EXPECT_EQ(place(start[1]), Place(0, 3270, 60, 80));
    for (float r : {step(0), 0.5f, 0.25f, 0.75f, step(-98), 0.4999f, 0.75f, 0.0f, step(100), 0.9f, 0.0f, 0.0f})
        feed(r);
    Flight game(3);
    game.setUp(VerticalStart::EitherWay);
    EXPECT_EQ(place(game[0]), Place(2808.75f, 4905, 0, -100));
    EXPECT_EQ(place(game[1]), Place(8426.25f, 0, -98, 20));
    EXPECT_EQ(place(game[2]), Place(0, 0, 100, 0));
    EXPECT_EQ(reseeds, 2);
}

// Every butterfly starts inside the area above the floor and never stands past a border by a full step.
TEST_F(FlightTest, NothingLeavesTheAreaByAFullStepOverManyTicks)
{
    for (quint64 seed = 1; seed <= 80; ++seed) {
        platform::Random::instance().seed(seed);
        Flight flight(20);
        flight.setUp(seed % 2 ? VerticalStart::EitherWay : VerticalStart::DownwardOrLevel);
        for (int t = 0; t < 1000; ++t, flight.tick())
            for (int k = 0; k < 20; ++k) {
                const Butterfly &b = flight[k];
                ASSERT_TRUE(t == 0 ? b.Left >= 0 && b.Left < 11235 && b.Top >= 0 && b.Top < 6540
                                   : b.Left > -100 && b.Left < 11335 && b.Top > -100 && b.Top < 6640)
                    << "seed " << seed << " tick " << t << ": " << b.Left << ", " << b.Top;
            }
    }
}

} // namespace
