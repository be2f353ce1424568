#include "butterfly/round.h"
#include "butterfly/scoring.h"
#include "butterflytesting.h"
#include "state/modvar.h"
#include "state/variablen.h"
#include "support/testsupport.h"

using namespace butterfly;
using namespace butterfly_testing;

namespace {

using RoundTest = testing_support::GlobalsTest;

// Over many seeds: operands within the level, plus sums within its largest,
// minus results at least 1, both operations alike often, and the next task's
// text always differs from the last.
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

// Operands as drawn, one after the other; two more draws of 1 follow that
// the rule must not take.
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

} // namespace
