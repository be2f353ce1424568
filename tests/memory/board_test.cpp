#include "memory/memorytesting.h"

using namespace memory_testing;
using memory::Turn;
using testing_support::advanceClock;

namespace {

// N = 7, dealt as partners side by side.
const QString board7 = QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4");

class Play : public MemoryTest
{
protected:
    void start(Mode mode, const QString &name1 = {}, const QString &numbers = board7, int target = 7)
    {
        prepareGame(mode, 0, name1);
        feedBoard(target, numbers);
        table.load();
    }

    TimedBoard table;
};

// A pair stays open in the finder's colour and keeps the turn; a miss shows
// until the cover tick and passes the turn, its label and the animal.
TEST_F(Play, TwoPlayersAPairKeepsTheTurnAndAMissPassesIt)
{
    start(Mode::TwoPlayers, QStringLiteral("Lena"));
    EXPECT_EQ(table.status(), QStringLiteral("neutral / animal 3 / Du bist dran, Lena /  /  / "));
    table.click({0});
    EXPECT_EQ(Variablen.Operand1, 1) << "the counting help's first number";
    table.click({1});
    EXPECT_EQ(table.status(), QStringLiteral("laughing / animal 3 / Du bist dran, Lena / Du hast ein Paar! / 1+6 / "));
    table.click({2, 4}); // 2 + 3
    EXPECT_EQ(table.status(), QStringLiteral("sad / animal 1 / Du bist dran, Spieler 2 /  / 1+6 / "));
    advanceClock(999);
    EXPECT_EQ(table.cards().left(11), QStringLiteral("1R 6R 2U 5D"));
    advanceClock(1);
    EXPECT_EQ(table.cards().left(11), QStringLiteral("1R 6R 2D 5D")) << "the first miss shows 1000 ms";
    table.click({2, 3, 4, 6}); // player 2: a pair, then 3 + 1
    EXPECT_EQ(table.cards(), QStringLiteral("1R 6R 2B 5B | 3U 4D 1U 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(table.status(), QStringLiteral("sad / animal 3 / Du bist dran, Lena /  / 1+6 / 2+5"));
    EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, 1) << "player 2's misses are not player 1's";
}

// Alone the turn never passes and every miss is the pupil's. Clicks while a
// miss shows turn nothing and are counted up to 255; a later miss shows only
// until the running cover timer's next tick. Open cards take no click.
TEST_F(Play, AloneClicksWhileAMissShowsTurnNothingAndALaterMissGoesAtTheNextTick)
{
    start(Mode::Alone);
    table.click({0, 2});
    advanceClock(1500);
    table.click({0, 1, 1, 16, -1, 2, 7}); // at 1500: a pair, then 2 + 6
    EXPECT_EQ(table.board.turn(), Turn::MissShowing);
    EXPECT_FALSE(table.board.helpAllowed());
    for (int i = 0; i < 300; ++i)
        table.click({5});
    EXPECT_EQ(table.cards(), QStringLiteral("1R 6R 2U 5D | 3D 4D 1D 6U | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(table.status(), QStringLiteral("neutral / animal 3 /  /  / 1+6 / "));
    EXPECT_EQ(Variablen.AufgedeckteKarten, 255);
    advanceClock(499);
    EXPECT_EQ(table.board.turn(), Turn::MissShowing);
    advanceClock(1);
    EXPECT_EQ(table.cards().left(22), QStringLiteral("1R 6R 2D 5D | 3D 4D 1D"));
    table.click({5});
    EXPECT_TRUE(table.board.helpAllowed());
    EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, 2);
}

// N = 8: the two 4s are a pair, and so are 1 and 7 of different pairs.
TEST_F(Play, AnyTwoCardsThatMakeTheTargetAreAPairEqualNumbersToo)
{
    start(Mode::Alone, {}, QStringLiteral("4 4 1 7  1 7 2 6  3 5 2 6  3 5 4 4"), 8);
    Mdlmodul.FehlversucheSpieler1 = 255;
    table.click({0, 1, 2, 5, 6, 8});
    EXPECT_EQ(table.cards().left(22), QStringLiteral("4R 4R 1R 7D | 1D 7R 2U"));
    EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, 255) << "the count sticks at its end";
}

// The last pair opens the score view; the timers go on. Without the
// computer its timer shows the neutral smiley, until the first cover stops it.
TEST_F(Play, TheLastPairOpensTheScoreViewAndTheComputersTimerStopsAtTheFirstCover)
{
    start(Mode::TwoPlayers);
    advanceClock(500);
    table.click({0, 1, 2, 4}); // at 500: a pair, then a miss
    advanceClock(500);         // 1000: the computer's timer
    EXPECT_TRUE(table.board.picture().smileys[memory::Neutral]);
    EXPECT_EQ(table.status().left(3), QStringLiteral("sad")) << "the sad smiley lies over the neutral one";
    advanceClock(500); // 1500: the cover
    for (int slot = 2; slot < 16; slot += 2)
        table.click({slot, slot + 1});
    EXPECT_EQ(table.scoreViews, 1);
    EXPECT_EQ(table.board.turn(), Turn::GameOver);
    EXPECT_EQ(Mdlmodul.PaareSpieler2, 7);
    advanceClock(10000);
    EXPECT_EQ(table.computerTicks, 1);
    EXPECT_TRUE(table.tmrTimer.isEnabled());
}

} // namespace
