#include "memory/memorytesting.h"

using namespace memory_testing;
using memory::Turn;
using testing_support::advanceClock;

namespace {

// N = 7; dealt as partners: slots 0+1, 2+3, 4+5, 6+7, 8+9, 10+11, 12+13, 14+15.
const QString board7 = QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4");

class Play : public MemoryTest
{
protected:
    void start(Mode mode, const QString &numbers = board7, int target = 7, quint8 schwierigkeit = 0)
    {
        prepareGame(mode, schwierigkeit, {}, {}, /*icon1=*/3, /*icon2=*/1);
        feedBoard(target, numbers);
        table.load();
    }
    QString cards() const { return memory_testing::cards(table.picture()); }
    const memory::BoardPicture &picture() const { return table.picture(); }

    TimedBoard table;
};

TEST_F(Play, TheBoardOpensFaceDownWithTheTargetAndPlayerOnesAnimal)
{
    start(Mode::TwoPlayers);
    EXPECT_EQ(cards(), QStringLiteral("1D 6D 2D 5D | 3D 4D 1D 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(picture().lblErgebnis, QStringLiteral("Finde zusammen 7!"));
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Du bist dran,Spieler 1")) << "the set-up's text has no blank";
    EXPECT_EQ(smiley(picture()), QStringLiteral("neutral"));
    EXPECT_EQ(animalShown(picture()), 3);
    EXPECT_EQ(table.board.turn(), Turn::NoCardUp);
    EXPECT_EQ(Variablen.Ergebnis, 7);
    EXPECT_EQ(Variablen.Rechenart, 1);
    EXPECT_EQ(Variablen.Gesucht, 2);
}

// A pair stays open in the finder's colour and keeps the turn; a miss shows
// until the cover tick and passes the turn, the label and the animal.
TEST_F(Play, TwoPlayersAPairKeepsTheTurnAndAMissPassesIt)
{
    start(Mode::TwoPlayers);
    table.click({0});
    EXPECT_EQ(table.board.turn(), Turn::OneCardUp);
    EXPECT_EQ(Variablen.Operand1, 1) << "the counting help's first number";
    table.click({1});
    EXPECT_EQ(cards(), QStringLiteral("1R 6R 2D 5D | 3D 4D 1D 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(found(picture(), memory::player1), QStringLiteral("1+6"));
    EXPECT_EQ(picture().LblPaar, QStringLiteral("Du hast ein Paar!"));
    EXPECT_EQ(smiley(picture()), QStringLiteral("laughing"));
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Du bist dran,Spieler 1")) << "a pair leaves the label";
    EXPECT_EQ(animalShown(picture()), 3);

    table.click({2, 4}); // 2 + 3: a miss
    EXPECT_EQ(cards(), QStringLiteral("1R 6R 2U 5D | 3U 4D 1D 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(picture().LblPaar, QString()) << "every click clears the pair message";
    EXPECT_EQ(smiley(picture()), QStringLiteral("sad"));
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Du bist dran, Spieler 2"));
    EXPECT_EQ(animalShown(picture()), 1);
    EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, 1);
    EXPECT_EQ(table.board.turn(), Turn::MissShowing);
    advanceClock(1000);
    EXPECT_EQ(cards(), QStringLiteral("1R 6R 2D 5D | 3D 4D 1D 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));

    table.click({2, 3}); // player 2's pair, in blue
    EXPECT_EQ(cards(), QStringLiteral("1R 6R 2B 5B | 3D 4D 1D 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(found(picture(), memory::player2), QStringLiteral("2+5"));
    EXPECT_EQ(Mdlmodul.PaareSpieler2, 1);
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Du bist dran, Spieler 2"));

    table.click({4, 6}); // player 2 misses: back to player 1
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Du bist dran, Spieler 1"));
    EXPECT_EQ(animalShown(picture()), 3);
    EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, 1) << "player 2's misses are not player 1's";
    EXPECT_TRUE(Mdlmodul.Spieler1Dran);
}

TEST_F(Play, TurnTextsNameThePlayersWhoTypedANameAndTheDefaultsForThoseWhoDidNot)
{
    prepareGame(Mode::TwoPlayers, 0, QStringLiteral("Lena"), QString(), 3, 1);
    feedBoard(7, board7);
    table.load();
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Du bist dran, Lena"));
    table.click({0, 2});
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Du bist dran, Spieler 2"));
    advanceClock(1000);
    Mdlmodul.NameSpieler2 = QStringLiteral("Ben");
    table.click({0, 2});
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Du bist dran, Lena"));
    advanceClock(1000);
    table.click({0, 2});
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Du bist dran, Ben"));
}

// Alone the turn never passes: no turn text, every miss is player 1's, and
// a pair after a miss is still player 1's, in red.
TEST_F(Play, AloneEveryMissCountsForThePupilAndTheTurnLabelStaysEmpty)
{
    start(Mode::Alone);
    EXPECT_EQ(picture().Lbldran, QString());
    for (int miss = 1; miss <= 3; ++miss) {
        table.click({0, 2});
        advanceClock(1000);
        EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, miss);
    }
    table.click({0, 1});
    EXPECT_EQ(cards(), QStringLiteral("1R 6R 2D 5D | 3D 4D 1D 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(found(picture(), memory::player1), QStringLiteral("1+6"));
    EXPECT_EQ(picture().LblPaar, QString()) << "the pair message is for two parties";
    EXPECT_EQ(picture().Lbldran, QString());
    EXPECT_EQ(animalShown(picture()), 3);
}

// The first miss of a game shows for a full interval; a later one only until
// the running cover timer's next tick.
TEST_F(Play, TheFirstMissIsCoveredAfter1000MsALaterOneAtTheRunningTimersNextTick)
{
    start(Mode::Alone);
    table.click({0, 2});
    advanceClock(999);
    EXPECT_EQ(cards().left(11), QStringLiteral("1U 6D 2U 5D"));
    advanceClock(1);
    EXPECT_EQ(cards().left(11), QStringLiteral("1D 6D 2D 5D"));

    advanceClock(500); // 1500
    table.click({0, 2});
    advanceClock(499); // 1999
    EXPECT_EQ(cards().left(11), QStringLiteral("1U 6D 2U 5D"));
    advanceClock(1); // 2000
    EXPECT_EQ(cards().left(11), QStringLiteral("1D 6D 2D 5D"));
    EXPECT_TRUE(table.tmrTimer.isEnabled()) << "play never switches the cover timer off";
}

TEST_F(Play, AThirdClickWhileAMissShowsTurnsNothingAndTheCoverTickSetsTheCountBack)
{
    start(Mode::Alone);
    table.click({0, 2});
    table.click({5});
    EXPECT_EQ(cards().left(22), QStringLiteral("1U 6D 2U 5D | 3D 4D 1D"));
    EXPECT_EQ(Variablen.AufgedeckteKarten, 3);
    EXPECT_EQ(smiley(picture()), QStringLiteral("neutral"));
    table.click({7});
    EXPECT_EQ(Variablen.AufgedeckteKarten, 4);
    EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, 1);

    advanceClock(1000);
    EXPECT_EQ(cards().left(22), QStringLiteral("1D 6D 2D 5D | 3D 4D 1D"));
    EXPECT_EQ(Variablen.AufgedeckteKarten, 0);
    table.click({5});
    EXPECT_EQ(cards().left(22), QStringLiteral("1D 6D 2D 5D | 3D 4U 1D")) << "the next click turns a card again";
}

TEST_F(Play, ClicksThatCannotReachAFaceDownCardOfTheGameAreNeverSeen)
{
    start(Mode::Alone);
    table.click({0, 1});
    table.click({1, 16, 23, -1, 0});
    EXPECT_EQ(Variablen.AufgedeckteKarten, 0) << "paired cards and idle slots take no click";
    table.click({2, 2});
    EXPECT_EQ(Variablen.AufgedeckteKarten, 1) << "an open card takes no second click";
}

// The pupils count many clicks while a miss shows; the count sticks at 255.
TEST_F(Play, ClickCountsSaturateInsteadOfWrappingRound)
{
    start(Mode::Alone);
    Mdlmodul.FehlversucheSpieler1 = 255;
    table.click({0, 2});
    EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, 255);
    for (int i = 0; i < 300; ++i)
        table.click({5});
    EXPECT_EQ(Variablen.AufgedeckteKarten, 255);
    advanceClock(1000);
    EXPECT_EQ(cards().left(11), QStringLiteral("1D 6D 2D 5D"));
}

// N = 8: the two 4s are a pair, and so are 1 and 7 of different pairs.
TEST_F(Play, AnyTwoCardsThatMakeTheTargetAreAPairEqualNumbersToo)
{
    start(Mode::Alone, QStringLiteral("4 4 1 7  1 7 2 6  3 5 2 6  3 5 4 4"), 8);
    table.click({0, 1, 2, 5});
    EXPECT_EQ(cards(), QStringLiteral("4R 4R 1R 7D | 1D 7R 2D 6D | 3D 5D 2D 6D | 3D 5D 4D 4D"));
    EXPECT_EQ(found(picture(), memory::player1), QStringLiteral("4+4 1+7"));
    EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, 0);
}

TEST_F(Play, TheLastPairOpensTheScoreViewOnceAndTheTimersGoOn)
{
    start(Mode::TwoPlayers);
    table.click({0, 1});
    table.click({2, 4}); // a miss: the cover timer runs, player 2 goes on
    advanceClock(1000);
    for (int slot = 2; slot < 14; slot += 2)
        table.click({slot, slot + 1});
    EXPECT_EQ(table.scoreViews, 0);
    EXPECT_EQ(table.board.turn(), Turn::NoCardUp);
    table.click({14, 15});
    EXPECT_EQ(table.scoreViews, 1);
    EXPECT_EQ(table.board.turn(), Turn::GameOver);
    EXPECT_EQ(Mdlmodul.PaareSpieler1, 1);
    EXPECT_EQ(Mdlmodul.PaareSpieler2, 7);
    EXPECT_TRUE(table.tmrTimer.isEnabled());
    advanceClock(5000);
    EXPECT_EQ(table.scoreViews, 1);
}

// Without the computer its timer only shows the neutral smiley, and only
// until the first cover switches it off for good.
TEST_F(Play, WithoutTheComputerItsTimerShowsTheNeutralSmileyUntilTheFirstCover)
{
    start(Mode::TwoPlayers);
    advanceClock(500);
    table.click({0, 2});
    EXPECT_FALSE(picture().smileys[memory::Neutral]);
    advanceClock(500); // 1000: the computer's timer
    EXPECT_TRUE(picture().smileys[memory::Neutral]);
    EXPECT_EQ(smiley(picture()), QStringLiteral("sad")) << "the sad smiley covers the neutral one";
    advanceClock(500); // 1500: the cover
    EXPECT_FALSE(table.tmrcompi.isEnabled());
    advanceClock(10000);
    EXPECT_EQ(table.computerTicks, 1);
}

TEST_F(Play, TheCountingHelpMayOpenOnlyWhileOneCardIsUp)
{
    start(Mode::Alone);
    EXPECT_FALSE(table.board.helpAllowed());
    table.click({0});
    EXPECT_TRUE(table.board.helpAllowed());
    table.click({2});
    EXPECT_FALSE(table.board.helpAllowed());
    advanceClock(1000);
    table.click({0, 1});
    EXPECT_FALSE(table.board.helpAllowed());
}

// Against the computer the pupil's miss hands it the turn: the pupil's
// clicks then only clear the pair message. Each cover starts the computer's
// interval anew.
TEST_F(Play, AgainstTheComputerAMissHandsItTheTurnAndTheCoverRestartsItsTimer)
{
    start(Mode::AgainstComputer, QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4  2 5 2 5  1 6 3 4"));
    EXPECT_EQ(Mdlmodul.AnzahlSpieler, 2);
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Du bist dran,Spieler 1"));
    table.click({0, 1});
    EXPECT_EQ(picture().LblPaar, QStringLiteral("Du hast ein Paar!"));
    advanceClock(1200);
    EXPECT_EQ(table.computerTicks, 1);
    table.click({2, 4}); // 1200: the pupil misses
    EXPECT_EQ(picture().Lbldran, QStringLiteral("Der Compi ist dran"));
    EXPECT_EQ(animalShown(picture()), 1);
    EXPECT_EQ(table.board.turn(), Turn::ComputerMove);
    table.click({6});
    EXPECT_EQ(Variablen.AufgedeckteKarten, 2) << "the pupil's clicks are ignored";

    advanceClock(800); // 2000: the computer's timer, running since the load
    EXPECT_EQ(table.computerTicks, 2);
    advanceClock(200); // 2200: the cover switches it off and on
    EXPECT_EQ(Mdlmodul.GeradeZugedeckt, 1);
    EXPECT_TRUE(table.tmrcompi.isEnabled());
    advanceClock(999); // 3199
    EXPECT_EQ(table.computerTicks, 2);
    advanceClock(1); // 3200
    EXPECT_EQ(table.computerTicks, 3);
    EXPECT_EQ(Mdlmodul.GeradeZugedeckt, 0);
}

} // namespace
