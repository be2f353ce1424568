#include "arithmetic/testtasks.h"
#include "state/variablen.h"

#include <QtCore/QStringList>

#include <map>
#include <set>

using namespace arithmetic_testing;

namespace {

class TaskGeneration : public testing_support::GlobalsTest
{
protected:
    TaskState task;
    TextsRecorder texts;
};

const float justBelowOne = 0.99999994f;

} // namespace

// The second operand's limit n by level, operation and first operand a: the
// lowest and the highest draw give b = 1 and b = n.
TEST_F(TaskGeneration, DrawsTheSecondOperandBetweenOneAndTheLimitOfItsRow)
{
    struct Row
    {
        const char *name;
        int level, a, rechenart, n, cForBOfOne, cForBOfN;
    };
    const Row rows[] = {
        {"level 1, +, stays within ten", 1, 4, 1, 6, 5, 10},
        {"level 1, + from 8", 1, 8, 1, 2, 9, 10},
        {"level 1, - from 2 always takes 1", 1, 2, 2, 1, 1, 1},
        {"level 1, - from 8", 1, 8, 2, 7, 7, 1},
        {"level 2, + from 10 stays above ten", 2, 10, 1, 10, 11, 20},
        {"level 2, + from 18 reaches 20", 2, 18, 1, 2, 19, 20},
        {"level 2, + below 10 stays within ten", 2, 7, 1, 3, 8, 10},
        {"level 2, - from 10 stays below ten", 2, 10, 2, 9, 9, 1},
        {"level 2, - from 11 gives 10", 2, 11, 2, 1, 10, 10},
        {"level 2, - above 10 stays at ten or above", 2, 17, 2, 7, 16, 10},
        {"level 3, + from 18 gives 19", 3, 18, 1, 1, 19, 19},
        {"level 3, + from 2 may cross ten", 3, 2, 1, 17, 3, 19},
        {"level 3, - from 18", 3, 18, 2, 17, 17, 1},
    };
    auto &random = platform::Random::instance();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const float a = drawFor(row.a, 2, row.level == 1 ? 8 : 18);
        const float op = drawFor(row.rechenart, 1, 2);
        random.feed({a, op, 0.0f, 0.0f});
        ASSERT_TRUE(drawPigTask(task, row.level, texts));
        EXPECT_EQ(task.Operand1, row.a);
        EXPECT_EQ(task.Operand2, 1);
        EXPECT_EQ(task.Ergebnis, row.cForBOfOne);
        random.feed({a, op, justBelowOne, 0.0f});
        ASSERT_TRUE(drawPigTask(task, row.level, texts));
        EXPECT_EQ(task.Operand2, row.n);
        EXPECT_EQ(task.Ergebnis, row.cForBOfN);
    }
}

TEST_F(TaskGeneration, ManySeededTasksKeepTheirLevelsBoundsAndReachEveryFirstOperandOperationAndPlace)
{
    for (quint8 level = 1; level <= 3; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << int(level));
        std::set<int> firstOperands, operations, sought, results;
        for (int i = 0; i < 20000; ++i) {
            ASSERT_TRUE(drawPigTask(task, level, texts));
            const int a = task.Operand1, b = task.Operand2, c = task.Ergebnis;
            ASSERT_TRUE(b >= 1 && c >= 1 && c == (task.Rechenart == 1 ? a + b : a - b)) << a << ' ' << b << ' ' << c;
            if (level == 2 && task.Rechenart == 1) {
                ASSERT_TRUE(a >= 10 ? c > 10 : c <= 10) << "a level-2 sum crossed ten: " << a << " + " << b;
            }
            if (level == 2 && task.Rechenart == 2 && a > 10) {
                ASSERT_GE(c, 10) << "a level-2 difference crossed ten: " << a << " - " << b;
            }
            firstOperands.insert(a);
            operations.insert(task.Rechenart);
            sought.insert(task.Gesucht);
            results.insert(c);
        }
        EXPECT_EQ(*firstOperands.begin(), 2);
        EXPECT_EQ(*firstOperands.rbegin(), level == 1 ? 8 : 18);
        EXPECT_EQ(firstOperands.size(), level == 1 ? 7u : 17u);
        EXPECT_EQ(operations, (std::set<int> {1, 2}));
        EXPECT_EQ(sought, (std::set<int> {1, 2, 3}));
        EXPECT_EQ(*results.rbegin(), level == 1 ? 10 : level == 2 ? 20 : 19);
    }
}

// Reseeds come within microseconds of each other; they must not tie the
// operation to the first operand, as a generator restarted from the same
// clock reading would.
TEST_F(TaskGeneration, ReseedingWithinTheSameClockTickStillDrawsBothOperationsForEveryFirstOperand)
{
    std::map<int, std::set<int>> operationsByA;
    for (int i = 0; i < 5000; ++i) {
        ASSERT_TRUE(drawPigTask(task, 3, texts));
        operationsByA[int(task.Operand1)].insert(task.Rechenart);
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
        drawPigTask(task, level, texts);
        EXPECT_EQ(reseeds, expected) << "level " << level;
    }
}

TEST_F(TaskGeneration, WritesTheOperatorAndTheTwoKnownNumbersAndEmptiesTheSoughtBox)
{
    const std::pair<int, const char *> rows[] = {{1, "|-|4|11"}, {2, "15|-||11"}, {3, "15|-|4|"}};
    for (const auto &[gesucht, line] : rows) {
        SCOPED_TRACE(line);
        feedTask(3, 15, 2, 4, gesucht);
        ASSERT_TRUE(drawPigTask(task, 3, texts));
        EXPECT_EQ(task.Gesucht, gesucht);
        EXPECT_EQ(QStringList({texts.operand1, texts.rechenzeichen, texts.operand2, texts.ergebnis}).join(u'|'),
                  QLatin1String(line));
    }
    feedTask(1, 3, 1, 4, 3);
    ASSERT_TRUE(drawPigTask(task, 1, texts));
    EXPECT_EQ(texts.rechenzeichen, QStringLiteral("+"));
    EXPECT_EQ(task.Ergebnis, 7);
}
