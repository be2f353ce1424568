#include "arithmetic/evaluation.h"
#include "arithmetic/testtasks.h"

#include <gtest/gtest.h>

using namespace arithmetic_testing;

namespace {

class Evaluation : public ::testing::Test
{
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { restoreRandomClock(); }

    static void setTask(double a, quint8 rechenart, double b, quint8 gesucht)
    {
        Variablen.Operand1 = a;
        Variablen.Rechenart = rechenart;
        Variablen.Operand2 = b;
        Variablen.Ergebnis = rechenart == 1 ? a + b : a - b;
        Variablen.Gesucht = gesucht;
    }
};

struct AnswerRow
{
    const char *name;
    const char *text;
    bool isNumber;
    double value;
};

void PrintTo(const AnswerRow &row, std::ostream *out)
{
    *out << row.name;
}

class AnswerReading : public ::testing::TestWithParam<AnswerRow>
{
};

} // namespace

TEST_P(AnswerReading, ReadsTheAnswerByTheGermanNumberRules)
{
    const AnswerRow row = GetParam();
    const std::optional<double> answer = readAnswer(QString::fromUtf8(row.text));
    ASSERT_EQ(answer.has_value(), row.isNumber) << '"' << row.text << '"';
    if (row.isNumber) {
        EXPECT_EQ(*answer, row.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AnswerReading,
    ::testing::Values(AnswerRow {"Plain", "7", true, 7}, AnswerRow {"LeadingZero", "07", true, 7},
                      AnswerRow {"DecimalComma", "7,0", true, 7}, AnswerRow {"DecimalCommaNotWhole", "7,5", true, 7.5},
                      AnswerRow {"BlanksAround", "  12 ", true, 12}, AnswerRow {"Negative", "-3", true, -3},
                      AnswerRow {"Empty", "", false, 0}, AnswerRow {"OnlyBlanks", "   ", false, 0},
                      AnswerRow {"Letter", "a", false, 0}, AnswerRow {"DigitThenLetter", "7a", false, 0},
                      AnswerRow {"BlankBetweenDigits", "1 2", false, 0},
                      AnswerRow {"PointIsNotTheDecimalSeparator", "7.5", false, 0},
                      AnswerRow {"NotANumberSpelledOut", "nan", false, 0},
                      AnswerRow {"InfinitySpelledOut", "inf", false, 0}),
    [](const ::testing::TestParamInfo<AnswerRow> &row) { return row.param.name; });

TEST_F(Evaluation, JudgesTheSoughtNumberAndKeepsTheAnswerInEingabe)
{
    struct Row
    {
        const char *name;
        quint8 gesucht;
        const char *text;
        Verdict verdict;
    };
    const Row rows[] = {
        {"first operand right", 1, "9", Verdict::Right},   {"first operand wrong", 1, "4", Verdict::Wrong},
        {"second operand right", 2, "4", Verdict::Right},  {"second operand wrong", 2, "5", Verdict::Wrong},
        {"result right", 3, "5", Verdict::Right},          {"result with leading zero", 3, "05", Verdict::Right},
        {"result with decimal comma", 3, "5,0", Verdict::Right}, {"result wrong", 3, "13", Verdict::Wrong},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        setTask(9, 2, 4, row.gesucht);
        EXPECT_EQ(judgeAnswer(QString::fromUtf8(row.text)), row.verdict);
        EXPECT_EQ(Variablen.Eingabe, QString::fromUtf8(row.text).replace(u',', u'.').toDouble());
    }
}

TEST_F(Evaluation, ATextThatIsNoNumberIsAnInputErrorAndLeavesEingabeAsItWas)
{
    setTask(3, 1, 4, 3);
    Variablen.Eingabe = 6;
    EXPECT_EQ(judgeAnswer(QString()), Verdict::InputError);
    EXPECT_EQ(judgeAnswer(QStringLiteral("sieben")), Verdict::InputError);
    EXPECT_EQ(Variablen.Eingabe, 6);
}

TEST_F(Evaluation, NothingIsJudgedWhenNoPlaceIsSought)
{
    setTask(3, 1, 4, 0);
    EXPECT_EQ(judgeAnswer(QStringLiteral("7")), Verdict::NothingSought);
    EXPECT_FALSE(soughtBox().has_value());
    EXPECT_FALSE(refreshPlan().has_value());
}

TEST_F(Evaluation, TheRefreshLocksTheKnownBoxesAndShowsTheirPigsBySoughtPlace)
{
    struct Row
    {
        const char *name;
        quint8 gesucht;
        Box sought;
        std::array<int, 3> pigs;
    };
    // 12 - 5 = 7
    const Row rows[] = {
        {"first operand sought", 1, Box::Operand1, {0, 5, 7}},
        {"second operand sought", 2, Box::Operand2, {12, 0, 7}},
        {"result sought", 3, Box::Ergebnis, {12, 5, 0}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        setTask(12, 2, 5, row.gesucht);
        const std::optional<RefreshPlan> plan = refreshPlan();
        ASSERT_TRUE(plan.has_value());
        EXPECT_EQ(plan->sought, row.sought);
        EXPECT_EQ(plan->pigs, row.pigs);
        for (const Box box : {Box::Operand1, Box::Operand2, Box::Ergebnis})
            EXPECT_EQ(plan->isLocked(box), box != row.sought);
    }
}

// A block holds 20 pigs; a number outside 0..20 (never drawn by the
// generators) must not reach past it.
TEST_F(Evaluation, PigsAreCutToTheTwentyOfABlock)
{
    setTask(25, 2, -3, 3);
    const std::optional<RefreshPlan> plan = refreshPlan();
    ASSERT_TRUE(plan.has_value());
    EXPECT_EQ(plan->pigs, (std::array<int, 3> {20, 0, 0}));
}
