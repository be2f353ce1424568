#include "butterfly/scoring.h"
#include "butterflytesting.h"

using namespace butterfly;

namespace {

TEST(ButterflyScoring, RightAddsThreeAMissTakesOneTheHelpTwoNeverBelowZero)
{
    const struct
    {
        qint16 before;
        const char *clicks; // R right, M miss, H help
        qint16 after;
    } rows[] = {
        {0, "M", 0}, {1, "M", 0},  {4, "M", 3},   {0, "H", 0},        {1, "H", 0},         {2, "H", 0},
        {5, "H", 3}, {0, "R", 3},  {0, "RRR", 9}, {32766, "R", 32767}, {32767, "RM", 32766},
    };
    for (const auto &row : rows) {
        PlayState play;
        TaskState task;
        play.SpielerPunkte = row.before;
        for (const char *c = row.clicks; *c; ++c) {
            if (*c == 'R')
                scoreRightAnswer(play);
            else if (*c == 'M')
                scoreMiss(play);
            else
                scoreHelp(play, task);
        }
        EXPECT_EQ(play.SpielerPunkte, row.after) << row.before << " then " << row.clicks;
        EXPECT_EQ(task.Gesucht, *row.clicks == 'H' ? 3 : 0) << "the help seeks the result";
    }
}

} // namespace
