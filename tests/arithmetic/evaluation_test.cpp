#include "arithmetic/evaluation.h"
#include "state/variablen.h"
#include "support/testsupport.h"

// The answer to 12 - 5 = 7 is read by the German number rules; a number goes
// into Eingabe, a text that is no finite number leaves it as it was (-1).
TEST(Evaluation, JudgesTheSoughtNumberAndKeepsANumberInEingabe)
{
    using enum Verdict;
    const std::tuple<quint8, const char *, Verdict, double> rows[] = {
        {1, "12", Right, 12}, {1, "7", Wrong, 7}, {2, "5", Right, 5}, {2, "7", Wrong, 7}, {3, "12", Wrong, 12},
        {3, "7", Right, 7}, {3, "07", Right, 7}, {3, "7,0", Right, 7}, {3, "  7 ", Right, 7}, {3, "7,4", Wrong, 7.4},
        {3, "-7", Wrong, -7}, {3, "", InputError, -1}, {3, "   ", InputError, -1}, {3, "sieben", InputError, -1},
        {3, "7a", InputError, -1}, {3, "1 2", InputError, -1}, {3, "7.5", InputError, -1},
        {3, "nan", InputError, -1}, {3, "inf", InputError, -1}, {0, "7", NothingSought, -1},
    };
    for (const auto &[gesucht, text, verdict, eingabe] : rows) {
        SCOPED_TRACE(testing::Message() << "Gesucht " << int(gesucht) << ", \"" << text << '"');
        TaskState task {12, 5, 7, 2, gesucht, -1};
        EXPECT_EQ(judgeAnswer(task, QString::fromLatin1(text)), verdict);
        EXPECT_EQ(task.Eingabe, eingabe);
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
        TaskState task {a, 5, 7, 2, gesucht};
        const std::optional<RefreshPlan> plan = refreshPlan(task);
        ASSERT_TRUE(plan.has_value());
        EXPECT_EQ(plan->pigs, pigs);
        EXPECT_EQ(static_cast<int>(plan->sought), gesucht - 1);
    }
    EXPECT_FALSE(refreshPlan(TaskState {12, 5, 7, 2, 0}).has_value());
}
