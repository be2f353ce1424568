#include "butterfly/scoring.h"
#include "butterflytesting.h"

#include <gtest/gtest.h>

using namespace butterfly;

namespace {

enum class Click { Right, Miss, Help };

struct ScoreRow
{
    const char *name;
    qint16 before;
    std::vector<Click> clicks;
    qint16 after;
};

TEST(ButterflyScoring, RightAddsThreeAMissTakesOneTheHelpTwoNeverBelowZero)
{
    const ScoreRow rows[] = {
        {"a miss at 0", 0, {Click::Miss}, 0},
        {"a miss at 1", 1, {Click::Miss}, 0},
        {"a miss at 4", 4, {Click::Miss}, 3},
        {"the help at 0", 0, {Click::Help}, 0},
        {"the help at 1", 1, {Click::Help}, 0},
        {"the help at 2", 2, {Click::Help}, 0},
        {"the help at 5", 5, {Click::Help}, 3},
        {"a right answer at 0", 0, {Click::Right}, 3},
        {"three right answers in a row", 0, {Click::Right, Click::Right, Click::Right}, 9},
        {"right at 32766 sticks at the top", 32766, {Click::Right}, 32767},
        {"and stays there", 32767, {Click::Right, Click::Miss}, 32766},
    };
    for (const ScoreRow &row : rows) {
        PlayState play;
        TaskState task;
        play.SpielerPunkte = row.before;
        for (Click click : row.clicks) {
            if (click == Click::Right)
                scoreRightAnswer(play);
            else if (click == Click::Miss)
                scoreMiss(play);
            else
                scoreHelp(play, task);
        }
        EXPECT_EQ(play.SpielerPunkte, row.after) << row.name;
        EXPECT_EQ(task.Gesucht, row.clicks[0] == Click::Help ? 3 : 0) << row.name << ": the result is sought";
    }
}

} // namespace
