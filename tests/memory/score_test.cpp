#include "memory/memorytesting.h"
#include "memory/score.h"

using namespace memory_testing;

namespace {

using Score = TimedBoard;

// A pupil alone, the two rows of bounds, each tried on both sides.
TEST_F(Score, APupilAloneScoresByTheMissesOnTheRowOfTheCardCount)
{
    for (const QString &row : {QStringLiteral("16: 0:40 10:40 11:30 20:30 21:20 30:20 31:10 255:10"),
                              QStringLiteral("24: 15:40 16:30 30:30 31:20 45:20 46:10")}) {
        QStringList cells = row.split(u' ');
        const int cards = cells.takeFirst().chopped(1).toInt();
        for (const QString &cell : cells) {
            prepareGame(Mode::Alone, cards == 16 ? 0 : 1);
            Mdlmodul.AnzahlKarten = cards;
            Mdlmodul.FehlversucheSpieler1 = cell.section(u':', 0, 0).toInt();
            EXPECT_EQ(memory::scoreGame(), QStringList {QStringLiteral("Spieler 1: ") + cell.section(u':', 1)})
                << cards << " cards, " << cell.toStdString();
        }
    }
}

// The pairs each party found, and how many the board shows as found.
void found(int pairs1, int shown1, int pairs2, int shown2)
{
    Mdlmodul.PaareSpieler1 = pairs1;
    Mdlmodul.PaarPlatz1 = 2 * shown1;
    Mdlmodul.PaareSpieler2 = pairs2;
    Mdlmodul.PaarPlatz2 = 2 * shown2;
}

QString handedOver()
{
    memory::handOverGame();
    return QStringLiteral("%1 %2, %3 %4, level %5")
        .arg(modVar.SpielerName).arg(modVar.SpielerPunkte).arg(modVar.SpielerName2).arg(modVar.SpielerPunkte2)
        .arg(modVar.SpielLevel);
}

// Two parties score 4 a pair, misses aside; alone a pupil scores by misses
// and leaves player 2 alone. A game left early hands over what the board
// shows as found (against the computer, a pair chosen but not yet judged
// is not on the board), and alone nothing. The computer is always
// "Spieler 2", whatever name an earlier two-pupil game left.
TEST_F(Score, TheScoreViewAndTheEndButtonHandOverTheNamesAndPoints)
{
    prepareGame(Mode::TwoPlayers, 1, QStringLiteral("Lena"));
    load();
    Mdlmodul.FehlversucheSpieler1 = 40;
    found(7, 7, 5, 5);
    EXPECT_EQ(memory::scoreGame(), QStringList({QStringLiteral("Lena: 28"), QStringLiteral("Spieler 2: 20")}));
    EXPECT_EQ(handedOver(), QStringLiteral("Lena 28, Spieler 2 20, level 2"));

    prepareGame(Mode::AgainstComputer, 0, {}, QStringLiteral("Ben"));
    load();
    Mdlmodul.PunkteSpieler1 = 40; // an earlier game's score view
    found(2, 2, 4, 3);
    EXPECT_EQ(handedOver(), QStringLiteral("Spieler 1 8, Spieler 2 12, level 1"));
    found(5, 5, 7, 7);
    EXPECT_EQ(memory::scoreGame(), QStringList({QStringLiteral("Spieler 1: 20"), QStringLiteral("Spieler 2: 28")}));

    prepareGame(Mode::Alone, 1, QStringLiteral("Mia"));
    load();
    Mdlmodul.FehlversucheSpieler1 = 16;
    found(11, 11, 0, 0);
    EXPECT_EQ(handedOver(), QStringLiteral("Mia 0,  28, level 2"));
    found(12, 12, 0, 0);
    EXPECT_EQ(handedOver(), QStringLiteral("Mia 30,  28, level 2"));
}

} // namespace
