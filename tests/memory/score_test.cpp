#include "memory/memorytesting.h"
#include "memory/score.h"

using namespace memory_testing;

namespace {

struct AloneRow
{
    int cards;
    int misses;
    int points;
};

class ScoreAlone : public MemoryTest, public ::testing::WithParamInterface<AloneRow>
{
};

// A pupil alone: the two rows of bounds, each tried on both sides.
TEST_P(ScoreAlone, MissesGivePointsByTheRowOfTheCardCount)
{
    const AloneRow &row = GetParam();
    prepareGame(Mode::Alone, row.cards == 16 ? 0 : 1);
    Mdlmodul.AnzahlKarten = static_cast<quint8>(row.cards);
    Mdlmodul.FehlversucheSpieler1 = static_cast<quint8>(row.misses);
    EXPECT_EQ(memory::scoreGame(), QStringList {QStringLiteral("Spieler 1: %1").arg(row.points)});
    EXPECT_EQ(Mdlmodul.PunkteSpieler1, row.points);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, ScoreAlone,
    ::testing::Values(AloneRow {16, 0, 40}, AloneRow {16, 10, 40}, AloneRow {16, 11, 30}, AloneRow {16, 20, 30},
                      AloneRow {16, 21, 20}, AloneRow {16, 30, 20}, AloneRow {16, 31, 10}, AloneRow {16, 255, 10},
                      AloneRow {24, 15, 40}, AloneRow {24, 16, 30}, AloneRow {24, 30, 30}, AloneRow {24, 31, 20},
                      AloneRow {24, 45, 20}, AloneRow {24, 46, 10}),
    [](const auto &row) {
        return std::to_string(row.param.cards) + "Cards" + std::to_string(row.param.misses) + "Misses";
    });

using Score = MemoryTest;

TEST_F(Score, TwoPartiesGetFourPointsAPairAndDefaultNames)
{
    prepareGame(Mode::TwoPlayers, 0);
    Mdlmodul.AnzahlKarten = 16;
    Mdlmodul.PaareSpieler1 = 5;
    Mdlmodul.PaareSpieler2 = 3;
    Mdlmodul.FehlversucheSpieler1 = 40;
    EXPECT_EQ(memory::scoreGame(), QStringList({QStringLiteral("Spieler 1: 20"), QStringLiteral("Spieler 2: 12")}));
    EXPECT_EQ(Mdlmodul.NameSpieler1, QStringLiteral("Spieler 1"));
    EXPECT_EQ(Mdlmodul.NameSpieler2, QStringLiteral("Spieler 2"));
    EXPECT_EQ(Mdlmodul.PunkteSpieler1 + Mdlmodul.PunkteSpieler2, 32);
}

TEST_F(Score, APupilAloneGetsADefaultNameAndLeavesTheSecondPlayerAlone)
{
    prepareGame(Mode::Alone, 0);
    Mdlmodul.AnzahlKarten = 16;
    Mdlmodul.PunkteSpieler2 = 12;
    EXPECT_EQ(memory::scoreGame(), QStringList {QStringLiteral("Spieler 1: 40")});
    EXPECT_EQ(Mdlmodul.NameSpieler2, QString());
    EXPECT_EQ(Mdlmodul.PunkteSpieler2, 12);

    Mdlmodul.NameSpieler1 = QStringLiteral("Mia");
    EXPECT_EQ(memory::scoreGame(), QStringList {QStringLiteral("Mia: 40")});
}

// A finished game hands over what the score view shows.
TEST_F(Score, TheEndButtonHandsOverLevelNamesAndPointsOfAFinishedGame)
{
    prepareGame(Mode::TwoPlayers, 1, QStringLiteral("Lena"));
    TimedBoard table;
    table.load();
    Mdlmodul.PaareSpieler1 = 7;
    Mdlmodul.PaareSpieler2 = 5;
    Mdlmodul.PaarPlatz1 = 14;
    Mdlmodul.PaarPlatz2 = 10;
    memory::handOverGame();
    EXPECT_EQ(modVar.SpielLevel, 2);
    EXPECT_EQ(modVar.SpielerName, QStringLiteral("Lena"));
    EXPECT_EQ(modVar.SpielerPunkte, 28);
    EXPECT_EQ(modVar.SpielerName2, QStringLiteral("Spieler 2"));
    EXPECT_EQ(modVar.SpielerPunkte2, 20);
    EXPECT_EQ(modVar.SpielName, QStringLiteral("Memory")) << "the title is the main window's";
}

// A game left early scores what the board shows as found: against the
// computer a pair chosen but not yet judged is not on the board.
TEST_F(Score, AGameLeftEarlyHandsOverThePairsTheBoardShows)
{
    prepareGame(Mode::AgainstComputer, 0);
    TimedBoard table;
    table.load();
    Mdlmodul.PunkteSpieler1 = 40; // an earlier game's score view
    Mdlmodul.PaareSpieler1 = 2;
    Mdlmodul.PaarPlatz1 = 4;
    Mdlmodul.PaareSpieler2 = 4;
    Mdlmodul.PaarPlatz2 = 6;
    memory::handOverGame();
    EXPECT_EQ(modVar.SpielerPunkte, 8);
    EXPECT_EQ(modVar.SpielerPunkte2, 12);
    EXPECT_EQ(modVar.SpielerName, QStringLiteral("Spieler 1"));
    EXPECT_EQ(modVar.SpielerName2, QStringLiteral("Spieler 2")) << "so that both records are saved";
    EXPECT_EQ(modVar.SpielLevel, 1);
}

// Misses mean something only on a finished board: alone, an unfinished
// game is worth nothing, and it never gets a second name.
TEST_F(Score, APupilWhoLeavesEarlyAloneGetsNoPoints)
{
    prepareGame(Mode::Alone, 1);
    TimedBoard table;
    table.load();
    Mdlmodul.PunkteSpieler1 = 40;
    Mdlmodul.PaareSpieler1 = 11;
    Mdlmodul.PaarPlatz1 = 22;
    memory::handOverGame();
    EXPECT_EQ(modVar.SpielerPunkte, 0);
    EXPECT_EQ(modVar.SpielerName, QStringLiteral("Spieler 1"));
    EXPECT_EQ(modVar.SpielerName2, QString());
    EXPECT_EQ(modVar.SpielLevel, 2);

    Mdlmodul.PaareSpieler1 = 12;
    Mdlmodul.PaarPlatz1 = 24;
    Mdlmodul.FehlversucheSpieler1 = 16;
    memory::handOverGame();
    EXPECT_EQ(modVar.SpielerPunkte, 30) << "finished: scored by the misses";
}

} // namespace
