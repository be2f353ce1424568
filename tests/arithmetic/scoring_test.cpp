#include "arithmetic/evaluation.h"
#include "arithmetic/scoring.h"
#include "state/modvar.h"
#include "state/variablen.h"
#include "support/testsupport.h"

// A game at one level, told as the pupil plays it: r a right answer, w a
// wrong one, h the counting help, e a text that is no number. The label shows
// the level's points after the last right answer.
TEST(Scoring, PointsByLevelAndOnePointAfterAWrongAnswerOrHelp)
{
    struct Row
    {
        const char *name;
        quint8 level;
        const char *play;
        const char *label;
    };
    const Row rows[] = {
        {"leicht at the first try", 1, "r", "2 Punkte"},
        {"mittel at the first try", 2, "r", "3 Punkte"},
        {"schwer at the first try", 3, "r", "4 Punkte"},
        {"wrong, then right", 1, "wr", "1 Punkt"},
        {"several wrong answers still leave one point", 3, "wwwr", "1 Punkt"},
        {"help, then right, then the next task at full points", 3, "hrr", "5 Punkte"},
        {"an input error costs nothing", 2, "er", "3 Punkte"},
        {"nor does it clear a reduction", 2, "wer", "1 Punkt"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TaskState task;
        task.Punktabzug = true; // left over from an earlier game
        task.PunkteLevel1 = task.PunkteLevel2 = task.PunkteLevel3 = task.Gesamtpunkte = 9;
        startPigGame(task);
        chooseLevel(task, row.level);
        task.Gesucht = 3;
        task.Ergebnis = 7;
        double levelPoints = 0;
        for (const char *event = row.play; *event; ++event) {
            switch (*event) {
            case 'r':
                ASSERT_EQ(judgeAnswer(task, QStringLiteral("7")), Verdict::Right);
                levelPoints = scoreRightAnswer(task);
                break;
            case 'w':
                ASSERT_EQ(judgeAnswer(task, QStringLiteral("6")), Verdict::Wrong);
                markReducedPoints(task);
                break;
            case 'h':
                markReducedPoints(task);
                break;
            case 'e':
                ASSERT_EQ(judgeAnswer(task, QStringLiteral("sieben")), Verdict::InputError);
                break;
            }
        }
        EXPECT_EQ(pointsCaption(levelPoints), QLatin1String(row.label));
        EXPECT_EQ(task.Gesamtpunkte, levelPoints);
        EXPECT_FALSE(task.Punktabzug);
    }
}

TEST(Scoring, TheTotalIsTheSumOfTheThreeLevelCountersAndTheLabelShowsTheLevelsOwn)
{
    TaskState task;
    task.PunkteLevel1 = 5;
    task.PunkteLevel3 = 8;
    chooseLevel(task, 2);
    EXPECT_EQ(scoreRightAnswer(task), 3);
    EXPECT_EQ(task.Gesamtpunkte, 16);
    EXPECT_EQ(pointsCaption(0), QStringLiteral("0 Punkte"));
    EXPECT_EQ(pointsCaption(1250000), QStringLiteral("1250000 Punkte"));
}

TEST(Scoring, TheEndHandsNameTotalAndLevelOverAndLeavesTheSecondPlayerAlone)
{
    PlayState play;
    play.SpielerName2 = QStringLiteral("Ben");
    play.SpielerPunkte2 = 9;
    TaskState task;
    task.RechenLevel = 3;
    task.Gesamtpunkte = 8;
    handOverResult(task, QStringLiteral("Anna"), play);
    EXPECT_EQ(play.SpielerName, QStringLiteral("Anna"));
    EXPECT_EQ(play.SpielerPunkte, 8);
    EXPECT_EQ(play.SpielLevel, 3);
    EXPECT_EQ(play.SpielerName2, QStringLiteral("Ben"));
    EXPECT_EQ(play.SpielerPunkte2, 9);

    // The play state keeps points in 16 bits; a total beyond them must not
    // wrap round into a negative score.
    task.Gesamtpunkte = 40000;
    handOverResult(task, QStringLiteral("Anna"), play);
    EXPECT_EQ(play.SpielerPunkte, 32767);
}
