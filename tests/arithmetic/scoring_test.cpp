#include "arithmetic/scoring.h"
#include "state/modvar.h"
#include "state/variablen.h"
#include "support/testsupport.h"

// A game at one level, told as the pupil plays it: r a right answer, w a
// wrong one, h the counting help. The label shows the level's points after
// the last right answer.
TEST(Scoring, PointsByLevelAndOnePointAfterAWrongAnswerOrHelp)
{
    const std::tuple<const char *, quint8, const char *, const char *> rows[] = {
        {"leicht at the first try", 1, "r", "2 Punkte"},
        {"mittel at the first try", 2, "r", "3 Punkte"},
        {"schwer at the first try", 3, "r", "4 Punkte"},
        {"wrong, then right", 1, "wr", "1 Punkt"},
        {"several wrong answers still leave one point", 3, "wwwr", "1 Punkt"},
        {"help, then right, then the next task at full points", 3, "hrr", "5 Punkte"},
    };
    for (const auto &[name, level, play, label] : rows) {
        SCOPED_TRACE(name);
        TaskState task;
        task.Punktabzug = true; // left over from an earlier game
        task.PunkteLevel1 = task.PunkteLevel2 = task.PunkteLevel3 = task.Gesamtpunkte = 9;
        startPigGame(task);
        chooseLevel(task, level);
        double levelPoints = 0;
        for (const char *event = play; *event; ++event) {
            if (*event == 'r')
                levelPoints = scoreRightAnswer(task);
            else
                markReducedPoints(task);
        }
        EXPECT_EQ(pointsCaption(levelPoints), QLatin1String(label));
        EXPECT_EQ(task.Gesamtpunkte, levelPoints);
        EXPECT_FALSE(task.Punktabzug);
    }
}

// The label shows the level's own counter, the total sums all three; the end
// hands name, total and level over, the total held in 16 bits without
// wrapping round, and leaves the second player of a memory game alone.
TEST(Scoring, TheTotalSumsTheThreeLevelsAndTheEndHandsItOverWithinSixteenBits)
{
    TaskState task;
    task.PunkteLevel1 = 5;
    task.PunkteLevel3 = 8;
    chooseLevel(task, 2);
    EXPECT_EQ(scoreRightAnswer(task), 3);
    EXPECT_EQ(task.Gesamtpunkte, 16);
    EXPECT_EQ(pointsCaption(0), QStringLiteral("0 Punkte"));
    EXPECT_EQ(pointsCaption(1250000), QStringLiteral("1250000 Punkte"));

    PlayState play;
    play.SpielerName2 = QStringLiteral("Ben");
    play.SpielerPunkte2 = 9;
    handOverResult(task, QStringLiteral("Anna"), play);
    EXPECT_EQ(std::tie(play.SpielerName, play.SpielerPunkte, play.SpielLevel, play.SpielerName2, play.SpielerPunkte2),
              std::make_tuple(QStringLiteral("Anna"), 16, 2, QStringLiteral("Ben"), 9));
    task.Gesamtpunkte = 40000;
    handOverResult(task, QStringLiteral("Anna"), play);
    EXPECT_EQ(play.SpielerPunkte, 32767);
}
