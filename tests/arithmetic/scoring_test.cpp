#include "arithmetic/evaluation.h"
#include "arithmetic/scoring.h"
#include "arithmetic/testtasks.h"

#include <gtest/gtest.h>

using namespace arithmetic_testing;

namespace {

class Scoring : public ::testing::Test
{
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { restoreRandomClock(); }

    // The board opens and the level is chosen: the first task is worth full
    // points.
    static void startAtLevel(quint8 level)
    {
        startPigGame();
        chooseLevel(level);
    }
};

} // namespace

TEST_F(Scoring, ARightAnswerEarnsTwoThreeOrFourPointsByLevelAndOneAfterAWrongAnswerOrHelp)
{
    struct Row
    {
        const char *name;
        quint8 level;
        bool reduced;
        double points;
    };
    const Row rows[] = {
        {"leicht, first try", 1, false, 2}, {"leicht, reduced", 1, true, 1},
        {"mittel, first try", 2, false, 3}, {"mittel, reduced", 2, true, 1},
        {"schwer, first try", 3, false, 4}, {"schwer, reduced", 3, true, 1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        startAtLevel(row.level);
        if (row.reduced)
            markReducedPoints();
        EXPECT_EQ(scoreRightAnswer(), row.points);
        EXPECT_EQ(Variablen.Gesamtpunkte, row.points);
        const double counters[] = {Variablen.PunkteLevel1, Variablen.PunkteLevel2, Variablen.PunkteLevel3};
        for (int level = 1; level <= 3; ++level)
            EXPECT_EQ(counters[level - 1], level == row.level ? row.points : 0) << "counter of level " << level;
    }
}

TEST_F(Scoring, LevelTwoFirstRightAnswerAtTheFirstTryReadsThreePunkte)
{
    startAtLevel(2);
    EXPECT_EQ(pointsCaption(scoreRightAnswer()), QStringLiteral("3 Punkte"));
    EXPECT_EQ(Variablen.Gesamtpunkte, 3);
}

TEST_F(Scoring, AWrongAnswerThenTheRightOneEarnsOnePunktAndTheNextTaskFullPointsAgain)
{
    startAtLevel(1);
    Variablen.Gesucht = 3;
    Variablen.Ergebnis = 7;
    ASSERT_EQ(judgeAnswer(QStringLiteral("6")), Verdict::Wrong);
    markReducedPoints(); // what the wrong-answer window does
    ASSERT_EQ(judgeAnswer(QStringLiteral("7")), Verdict::Right);
    EXPECT_EQ(pointsCaption(scoreRightAnswer()), QStringLiteral("1 Punkt"));
    EXPECT_FALSE(Variablen.Punktabzug);
    EXPECT_EQ(scoreRightAnswer(), 3);
}

TEST_F(Scoring, SeveralWrongAnswersStillLeaveOnePoint)
{
    startAtLevel(3);
    markReducedPoints();
    markReducedPoints();
    markReducedPoints();
    EXPECT_EQ(scoreRightAnswer(), 1);
}

TEST_F(Scoring, HelpThenTheRightAnswerEarnsOnePointAndTheNextTaskFullPoints)
{
    startAtLevel(3);
    markReducedPoints(); // "HILFE !"
    EXPECT_EQ(scoreRightAnswer(), 1);
    EXPECT_EQ(scoreRightAnswer(), 5);
    EXPECT_EQ(Variablen.Gesamtpunkte, 5);
}

TEST_F(Scoring, AnInputErrorCostsNothing)
{
    startAtLevel(2);
    Variablen.Gesucht = 1;
    Variablen.Operand1 = 4;
    ASSERT_EQ(judgeAnswer(QStringLiteral("vier")), Verdict::InputError);
    EXPECT_FALSE(Variablen.Punktabzug);
    EXPECT_EQ(scoreRightAnswer(), 3);

    // Nor does it clear a reduction already earned.
    markReducedPoints();
    ASSERT_EQ(judgeAnswer(QString()), Verdict::InputError);
    EXPECT_TRUE(Variablen.Punktabzug);
}

TEST_F(Scoring, ChoosingTheLevelMakesTheFirstTaskWorthFullPoints)
{
    Variablen.Punktabzug = true; // left over from an earlier game
    chooseLevel(2);
    EXPECT_EQ(Variablen.RechenLevel, 2);
    EXPECT_FALSE(Variablen.Punktabzug);
}

TEST_F(Scoring, TheTotalIsAlwaysTheSumOfTheThreeLevelCounters)
{
    Variablen.PunkteLevel1 = 5;
    Variablen.PunkteLevel3 = 8;
    chooseLevel(2);
    scoreRightAnswer();
    EXPECT_EQ(Variablen.Gesamtpunkte, 16);
}

TEST_F(Scoring, ThePointsLabelSaysPunktForOneAndPunkteOtherwise)
{
    EXPECT_EQ(pointsCaption(1), QStringLiteral("1 Punkt"));
    EXPECT_EQ(pointsCaption(2), QStringLiteral("2 Punkte"));
    EXPECT_EQ(pointsCaption(13), QStringLiteral("13 Punkte"));
    EXPECT_EQ(pointsCaption(1250000), QStringLiteral("1250000 Punkte"));
}

TEST_F(Scoring, TheEndHandsNameTotalAndLevelToThePlayStateAndLeavesTheSecondPlayerAlone)
{
    modVar.SpielerName2 = QStringLiteral("Ben");
    modVar.SpielerPunkte2 = 9;
    startAtLevel(3);
    scoreRightAnswer();
    scoreRightAnswer();
    handOverResult(QStringLiteral("Anna"));
    EXPECT_EQ(modVar.SpielerName, QStringLiteral("Anna"));
    EXPECT_EQ(modVar.SpielerPunkte, 8);
    EXPECT_EQ(modVar.SpielLevel, 3);
    EXPECT_EQ(modVar.SpielerName2, QStringLiteral("Ben"));
    EXPECT_EQ(modVar.SpielerPunkte2, 9);
}

TEST_F(Scoring, ASecondGameHandsOverOnlyItsOwnPoints)
{
    startAtLevel(1);
    scoreRightAnswer();
    handOverResult(QStringLiteral("Anna"));
    ASSERT_EQ(modVar.SpielerPunkte, 2);

    startAtLevel(2);
    handOverResult(QStringLiteral("Anna"));
    EXPECT_EQ(modVar.SpielerPunkte, 0);
    EXPECT_EQ(modVar.SpielLevel, 2);
}

// The play state keeps points in 16 bits; a total beyond them must not wrap
// round into a negative score.
TEST_F(Scoring, ATotalBeyondThePlayStatesRangeIsHandedOverAs32767)
{
    chooseLevel(3);
    Variablen.PunkteLevel3 = 40000;
    scoreRightAnswer();
    handOverResult(QStringLiteral("Anna"));
    EXPECT_EQ(modVar.SpielerPunkte, 32767);
}
