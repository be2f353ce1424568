#include "arithmetic/taskgeneration.h"
#include "arithmetic/testtasks.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

using namespace arithmetic_testing;

namespace {

class TaskGeneration : public ::testing::Test
{
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { restoreRandomClock(); }

    TextsRecorder texts;
};

struct Task
{
    int a, rechenart, b, c, gesucht;
};

Task current()
{
    const TaskState &t = Variablen;
    return {int(t.Operand1), int(t.Rechenart), int(t.Operand2), int(t.Ergebnis), int(t.Gesucht)};
}

// One row of the second-operand table: the first operand and operation it
// applies to, the limit n of b, and the results for b = 1 and b = n.
struct LimitRow
{
    const char *name;
    int level;
    int a;
    int rechenart;
    int n;
    int cForBOfOne;
    int cForBOfN;
};

void PrintTo(const LimitRow &row, std::ostream *out)
{
    *out << row.name;
}

class SecondOperandTable : public TaskGeneration, public ::testing::WithParamInterface<LimitRow>
{
};

const float justBelowOne = 0.99999994f;

} // namespace

TEST_P(SecondOperandTable, DrawsTheSecondOperandBetweenOneAndTheLimitOfItsRow)
{
    const LimitRow row = GetParam();
    auto &random = platform::Random::instance();
    const float a = drawFor(row.a, 2, row.level == 1 ? 8 : 18);
    const float op = drawFor(row.rechenart, 1, 2);

    random.feed({a, op, 0.0f, 0.0f});
    ASSERT_TRUE(drawPigTask(row.level, texts));
    EXPECT_EQ(current().a, row.a);
    EXPECT_EQ(current().b, 1);
    EXPECT_EQ(current().c, row.cForBOfOne);

    random.feed({a, op, justBelowOne, 0.0f});
    ASSERT_TRUE(drawPigTask(row.level, texts));
    EXPECT_EQ(current().b, row.n);
    EXPECT_EQ(current().c, row.cForBOfN);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SecondOperandTable,
    ::testing::Values(LimitRow {"Level1PlusStaysWithinTen", 1, 4, 1, 6, 5, 10},
                      LimitRow {"Level1PlusFromEight", 1, 8, 1, 2, 9, 10},
                      LimitRow {"Level1MinusFromTwoAlwaysTakesOne", 1, 2, 2, 1, 1, 1},
                      LimitRow {"Level1MinusFromEight", 1, 8, 2, 7, 7, 1},
                      LimitRow {"Level2PlusFromTenStaysAboveTen", 2, 10, 1, 10, 11, 20},
                      LimitRow {"Level2PlusFromEighteenReachesTwenty", 2, 18, 1, 2, 19, 20},
                      LimitRow {"Level2PlusBelowTenStaysWithinTen", 2, 7, 1, 3, 8, 10},
                      LimitRow {"Level2MinusFromTenStaysBelowTen", 2, 10, 2, 9, 9, 1},
                      LimitRow {"Level2MinusFromElevenGivesTen", 2, 11, 2, 1, 10, 10},
                      LimitRow {"Level2MinusAboveTenStaysAtTenOrAbove", 2, 17, 2, 7, 16, 10},
                      LimitRow {"Level3PlusFromEighteenGivesNineteen", 3, 18, 1, 1, 19, 19},
                      LimitRow {"Level3PlusFromTwoMayCrossTen", 3, 2, 1, 17, 3, 19},
                      LimitRow {"Level3MinusFromEighteen", 3, 18, 2, 17, 17, 1}),
    [](const ::testing::TestParamInfo<LimitRow> &row) { return row.param.name; });

TEST_F(TaskGeneration, ManySeededTasksKeepEveryLevelsBoundsAndCoverEachRowOfTheTable)
{
    for (int level = 1; level <= 3; ++level) {
        std::map<std::tuple<int, int>, std::set<int>> secondOperands; // (operation, a) -> b seen
        std::set<int> operations, sought, results;
        for (int i = 0; i < 30000; ++i) {
            ASSERT_TRUE(drawPigTask(level, texts));
            const Task t = current();
            SCOPED_TRACE(testing::Message() << "level " << level << ": " << t.a << (t.rechenart == 1 ? " + " : " - ")
                                            << t.b << " = " << t.c);
            ASSERT_GE(t.a, 2);
            ASSERT_LE(t.a, level == 1 ? 8 : 18);
            ASSERT_GE(t.b, 1);
            ASSERT_LE(t.b, 17);
            ASSERT_GE(t.c, 1);
            ASSERT_LE(t.c, level == 1 ? 10 : 20);
            ASSERT_EQ(t.c, t.rechenart == 1 ? t.a + t.b : t.a - t.b);
            if (level == 2 && t.rechenart == 1) {
                ASSERT_TRUE(t.a >= 10 ? t.c > 10 : t.c <= 10) << "a level-2 sum crossed ten";
            }
            if (level == 2 && t.rechenart == 2 && t.a > 10) {
                ASSERT_GE(t.c, 10) << "a level-2 difference crossed ten";
            }
            if (level == 3) {
                ASSERT_NE(t.c, 20);
            }
            secondOperands[{t.rechenart, t.a}].insert(t.b);
            operations.insert(t.rechenart);
            sought.insert(t.gesucht);
            results.insert(t.c);
        }
        EXPECT_EQ(operations, (std::set<int> {1, 2}));
        EXPECT_EQ(sought, (std::set<int> {1, 2, 3}));
        EXPECT_EQ(*results.rbegin(), level == 1 ? 10 : level == 2 ? 20 : 19);
        // Every first operand with both operations, and each with exactly the
        // second operands 1..n of its row.
        EXPECT_EQ(secondOperands.size(), size_t(level == 1 ? 2 * 7 : 2 * 17)) << "level " << level;
        for (const auto &[key, seen] : secondOperands) {
            const auto [rechenart, a] = key;
            const int n = secondOperandLimit(level, rechenart, a);
            EXPECT_EQ(*seen.begin(), 1) << "level " << level << ", a " << a << ", operation " << rechenart;
            EXPECT_EQ(*seen.rbegin(), n) << "level " << level << ", a " << a << ", operation " << rechenart;
            EXPECT_EQ(seen.size(), size_t(n)) << "level " << level << ", a " << a << ", operation " << rechenart;
        }
    }
}

// Reseeds come within microseconds of each other; they must not tie the
// operation to the first operand, as a generator restarted from the same
// clock reading would.
TEST_F(TaskGeneration, ReseedingWithinTheSameClockTickStillDrawsBothOperationsForEveryFirstOperand)
{
    std::map<int, std::set<int>> operationsByA;
    for (int i = 0; i < 5000; ++i) {
        ASSERT_TRUE(drawPigTask(3, texts));
        operationsByA[int(Variablen.Operand1)].insert(Variablen.Rechenart);
    }
    ASSERT_EQ(operationsByA.size(), 17u);
    for (const auto &[a, operations] : operationsByA)
        EXPECT_EQ(operations.size(), 2u) << "a = " << a;
}

TEST_F(TaskGeneration, LevelTwoReseedsThreeTimesAndTheOtherLevelsTwice)
{
    int reseeds = 0;
    platform::Random::instance().setClockSource([&reseeds] { return quint64(++reseeds); });
    for (const auto &[level, expected] : {std::pair {1, 2}, {2, 3}, {3, 2}}) {
        reseeds = 0;
        drawPigTask(level, texts);
        EXPECT_EQ(reseeds, expected) << "level " << level;
    }
}

TEST_F(TaskGeneration, WritesTheTwoKnownNumbersAndTheOperatorAndEmptiesTheSoughtBox)
{
    struct Row
    {
        const char *name;
        int gesucht;
        const char *operand1, *operand2, *ergebnis;
    };
    const Row rows[] = {
        {"first operand sought", 1, "", "4", "11"},
        {"second operand sought", 2, "15", "", "11"},
        {"result sought", 3, "15", "4", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        texts = TextsRecorder {};
        feedTask(3, 15, 2, 4, row.gesucht);
        ASSERT_TRUE(drawPigTask(3, texts));
        EXPECT_EQ(Variablen.Gesucht, row.gesucht);
        EXPECT_EQ(texts.operand1, QLatin1String(row.operand1));
        EXPECT_EQ(texts.operand2, QLatin1String(row.operand2));
        EXPECT_EQ(texts.ergebnis, QLatin1String(row.ergebnis));
        EXPECT_EQ(texts.rechenzeichen, QStringLiteral("-"));
    }

    feedTask(1, 3, 1, 4, 3);
    ASSERT_TRUE(drawPigTask(1, texts));
    EXPECT_EQ(texts.rechenzeichen, QStringLiteral("+"));
    EXPECT_EQ(texts.operand1, QStringLiteral("3"));
    EXPECT_EQ(texts.operand2, QStringLiteral("4"));
    EXPECT_EQ(Variablen.Ergebnis, 7);
}

TEST_F(TaskGeneration, DrawsNothingForALevelOutsideOneToThree)
{
    Variablen.Operand1 = 5;
    EXPECT_FALSE(drawPigTask(0, texts));
    EXPECT_FALSE(drawPigTask(4, texts));
    EXPECT_EQ(Variablen.Operand1, 5);
    EXPECT_EQ(texts.operand1, QStringLiteral("old"));
}
