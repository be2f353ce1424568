#include "arithmetic/evaluation.h"
#include "state/variablen.h"
#include "support/testsupport.h"

namespace {

// 12 - 5 = 7 with the place sought.
TaskState twelveMinusFive(quint8 gesucht)
{
    return TaskState {12, 5, 7, 2, gesucht, -1};
}

} // namespace

TEST(Evaluation, ReadsTheAnswerByTheGermanNumberRules)
{
    const std::pair<const char *, std::optional<double>> rows[] = {
        {"7", 7}, {"07", 7}, {"7,0", 7}, {"7,5", 7.5}, {"  12 ", 12}, {"-3", -3},
        {"", {}}, {"   ", {}}, {"a", {}}, {"7a", {}}, {"1 2", {}}, {"7.5", {}}, {"nan", {}}, {"inf", {}},
    };
    for (const auto &[text, value] : rows)
        EXPECT_EQ(readAnswer(QString::fromLatin1(text)), value) << '"' << text << '"';
}

TEST(Evaluation, JudgesTheSoughtNumberAndKeepsANumberInEingabe)
{
    struct Row
    {
        quint8 gesucht;
        const char *text;
        Verdict verdict;
        double eingabe;
    };
    const Row rows[] = {
        {1, "12", Verdict::Right, 12}, {1, "7", Verdict::Wrong, 7},       {2, "5", Verdict::Right, 5},
        {2, "7", Verdict::Wrong, 7},   {3, "7,0", Verdict::Right, 7},     {3, "7,4", Verdict::Wrong, 7.4},
        {3, "12", Verdict::Wrong, 12}, {3, "", Verdict::InputError, -1}, {3, "sieben", Verdict::InputError, -1},
        {0, "7", Verdict::NothingSought, -1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << "Gesucht " << int(row.gesucht) << ", \"" << row.text << '"');
        TaskState task = twelveMinusFive(row.gesucht);
        EXPECT_EQ(judgeAnswer(task, QString::fromLatin1(row.text)), row.verdict);
        EXPECT_EQ(task.Eingabe, row.eingabe);
    }
}

// The refresh shows pigs above the known boxes; a block holds 20, and a
// number outside 0..20 (never drawn by the generators) must not reach past it.
TEST(Evaluation, TheRefreshShowsThePigsOfTheKnownBoxesCutToTheTwentyOfABlock)
{
    const std::tuple<quint8, double, std::array<int, 3>> rows[] = {
        {1, 12, {0, 5, 7}}, {2, 12, {12, 0, 7}}, {3, 12, {12, 5, 0}}, {3, 25, {20, 5, 0}}};
    for (const auto &[gesucht, a, pigs] : rows) {
        SCOPED_TRACE(testing::Message() << "Gesucht " << int(gesucht) << ", a = " << a);
        TaskState task = twelveMinusFive(gesucht);
        task.Operand1 = a;
        const std::optional<RefreshPlan> plan = refreshPlan(task);
        ASSERT_TRUE(plan.has_value());
        EXPECT_EQ(plan->pigs, pigs);
        EXPECT_EQ(static_cast<int>(plan->sought), gesucht - 1);
    }
    EXPECT_FALSE(refreshPlan(twelveMinusFive(0)).has_value());
}
