#include "butterfly/round.h"
#include "butterflytesting.h"

#include <QtCore/QRegularExpression>

#include <gtest/gtest.h>

using namespace butterfly;
using namespace butterfly_testing;

namespace {

class RoundTest : public ::testing::Test
{
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { restoreRandomClock(); }
};

TEST_F(RoundTest, TasksStayInTheirLevelsRangesOverManySeeds)
{
    const QRegularExpression form(QStringLiteral("^(\\d+)([+-])(\\d+) =  \\? $"));
    for (const Level &level : {Leicht, Schwer}) {
        int pluses = 0;
        for (quint64 seed = 1; seed <= 3000; ++seed) {
            platform::Random::instance().seed(seed);
            TaskState task;
            task.Ergebnis = 7;
            const QString text = drawTask(level, task);
            const auto match = form.match(text);
            ASSERT_TRUE(match.hasMatch()) << text.toStdString();
            const bool plus = task.Rechenart == 1;
            pluses += plus;
            ASSERT_EQ(match.captured(1).toDouble(), task.Operand1);
            ASSERT_EQ(match.captured(2), plus ? u"+" : u"-");
            ASSERT_EQ(match.captured(3).toDouble(), task.Operand2);
            ASSERT_EQ(task.Ergebnis, 0) << "the counting help works the result out itself";
            ASSERT_TRUE(task.Operand1 >= 1 && task.Operand1 <= level.largestOperand) << text.toStdString();
            ASSERT_TRUE(task.Operand2 >= 1 && task.Operand2 <= level.largestOperand) << text.toStdString();
            if (plus)
                ASSERT_LE(task.Operand1 + task.Operand2, level.largestSum) << text.toStdString();
            else
                ASSERT_GE(task.Operand1 - task.Operand2, 1) << text.toStdString();
        }
        EXPECT_NEAR(pluses, 1500, 150) << "plus and minus are equally likely";
    }
}

// Rows of fed draws: the operation, then the operands as drawn.
struct DrawRow
{
    const char *name;
    const Level *level;
    bool plus;
    std::vector<int> operands;
    const char *text;
};

TEST_F(RoundTest, PlusKeepsItsFirstOperandAndMinusRedrawsBothUntilTheResultIsPositive)
{
    const DrawRow rows[] = {
        {"easy 9 forces 1", &Leicht, true, {9, 5, 2, 1}, "9+1 =  ? "},
        {"hard 19 forces 1", &Schwer, true, {19, 19, 7, 1}, "19+1 =  ? "},
        {"a sum of exactly 10 fits", &Leicht, true, {4, 6}, "4+6 =  ? "},
        {"minus redraws a negative and a zero result", &Leicht, false, {3, 5, 4, 4, 6, 2}, "6-2 =  ? "},
        {"a result of 1 is taken", &Schwer, false, {19, 18}, "19-18 =  ? "},
    };
    for (const DrawRow &row : rows) {
        feed(row.plus ? plusDraw : minusDraw);
        for (int operand : row.operands)
            feed(operandDraw(operand, row.level->largestOperand));
        // Draws the rule must not take: one more would give 1 - 1 or 1 + 1.
        feed(operandDraw(1, row.level->largestOperand), 2);
        TaskState task;
        EXPECT_EQ(drawTask(*row.level, task), QLatin1String(row.text)) << row.name;
        platform::Random::instance().seed(1);
    }
}

TEST_F(RoundTest, TheOperationAndTheOperandsAreDrawnEachAfterAReseed)
{
    TaskState task;
    task.Operand1 = 5;
    task.Rechenart = 2;
    QStringList seen;
    reseeds().watcher = [&] {
        seen << QStringLiteral("%1 %2 %3").arg(task.Rechenart).arg(task.Operand1).arg(task.Operand2);
    };
    feed(plusDraw);
    feed(operandDraw(3, 9), 2);
    drawTask(Leicht, task);
    EXPECT_EQ(seen, QStringList({QStringLiteral("2 5 0"), QStringLiteral("1 0 0")}));
}

// Basket slots and flying butterflies as the pupil sees them: # shown.
QString basketRow(const CatchRound &round)
{
    QString row;
    for (int j = 0; j < round.level().butterflies; ++j)
        row += round.isSlotShown(j) ? u'#' : u'.';
    return row;
}

QString flyingRow(const CatchRound &round)
{
    QString row;
    for (int k = 0; k < round.flight().count(); ++k)
        row += round.flight()[k].Visible ? u'#' : u'.';
    return row;
}

TEST_F(RoundTest, ACatchFillsTheNextSlotAndAReleaseEmptiesTheHighestAndFreesTheLowestCaught)
{
    TaskState task;
    CatchRound round(Leicht, task);
    round.open();
    for (int k : {7, 2, 5})
        EXPECT_TRUE(round.catchButterfly(k));
    EXPECT_EQ(flyingRow(round), QStringLiteral("##.##.#.##"));
    EXPECT_EQ(basketRow(round), QStringLiteral("###......."));
    EXPECT_FALSE(round.catchButterfly(2)) << "a caught butterfly cannot be caught again";
    EXPECT_FALSE(round.release(3)) << "an empty slot lets nothing go";

    const Butterfly caught = round.flight()[2];
    round.flight().tick();
    const Butterfly unseen = round.flight()[2];
    EXPECT_NE(std::make_pair(unseen.Left, unseen.Top), std::make_pair(caught.Left, caught.Top))
        << "a caught butterfly flies on unseen";
    EXPECT_TRUE(round.release(0));
    EXPECT_EQ(round.gefangen(), 2);
    EXPECT_EQ(basketRow(round), QStringLiteral("##........"));
    EXPECT_EQ(flyingRow(round), QStringLiteral("#####.#.##"));
    EXPECT_EQ(round.flight()[2].Left, unseen.Left) << "it comes back where its flight has taken it";
    EXPECT_TRUE(round.release(1));
    EXPECT_EQ(flyingRow(round), QStringLiteral("#######.##"));
    EXPECT_EQ(basketRow(round), QStringLiteral("#........."));
}

TEST_F(RoundTest, FertigIsRightOnlyWithAsManyCaughtAsTheResult)
{
    TaskState task;
    CatchRound round(Schwer, task);
    feed(plusDraw);
    feed(operandDraw(19, 19));
    feed(operandDraw(1, 19));
    round.open();
    ASSERT_EQ(round.loesung(), 20);
    EXPECT_FALSE(round.isRight()) << "nothing caught is always a miss";
    for (int k = 0; k < 19; ++k)
        round.catchButterfly(k);
    EXPECT_FALSE(round.isRight());
    round.catchButterfly(19);
    EXPECT_TRUE(round.isRight());
    EXPECT_EQ(flyingRow(round), QStringLiteral("...................."));
    EXPECT_EQ(basketRow(round), QStringLiteral("####################"));

    feed(minusDraw);
    feed(operandDraw(7, 9));
    feed(operandDraw(3, 9));
    CatchRound easy(Leicht, task);
    easy.open();
    for (int k = 0; k < 5; ++k)
        easy.catchButterfly(k);
    EXPECT_FALSE(easy.isRight()) << "one more than 7-3";
    easy.release(4);
    EXPECT_TRUE(easy.isRight());
}

TEST_F(RoundTest, TheNextTaskRunsTheWholeOpeningAgainUntilItsTextDiffers)
{
    TaskState task;
    CatchRound round(Leicht, task);
    const auto feedOpening = [](int a, int b, float flightDraw) {
        feed(plusDraw);
        feed(operandDraw(a, 9));
        feed(operandDraw(b, 9));
        feed(flightDraw, 40);
    };
    feedOpening(3, 4, 0);
    round.open();
    round.catchButterfly(0);
    round.catchButterfly(1);
    reseeds().count = 0;

    feedOpening(3, 4, 0);
    feedOpening(3, 5, 0.5f);
    round.nextTask();
    EXPECT_EQ(round.task(), QStringLiteral("3+5 =  ? "));
    EXPECT_EQ(reseeds().count, 6) << "two openings of three reseeds each";
    EXPECT_EQ(round.flight()[9].Left, 11235 * 0.5f) << "the flight was set up again for the new task";
    EXPECT_EQ(round.gefangen(), 0);
    EXPECT_EQ(flyingRow(round), QStringLiteral("##########"));
    EXPECT_EQ(basketRow(round), QStringLiteral(".........."));

    for (quint64 seed = 1; seed <= 500; ++seed) {
        platform::Random::instance().seed(seed);
        const QString before = round.task();
        round.nextTask();
        ASSERT_NE(round.task(), before);
    }
}

} // namespace
