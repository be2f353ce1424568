#include "memory/memorytesting.h"
#include "memory/score.h"

using namespace memory_testing;

namespace {

using Score = MemoryTest;

// A pupil alone, the two rows of bounds, each tried on both sides.
TEST_F(Score, APupilAloneScoresByTheMissesOnTheRowOfTheCardCount)
{
    const QString expected16 = QStringLiteral("0:40 10:40 11:30 20:30 21:20 30:20 31:10 255:10");
    const QString expected24 = QStringLiteral("15:40 16:30 30:30 31:20 45:20 46:10");
    for (const QString &row : {expected16, expected24}) {
        const int cards = row == expected16 ? 16 : 24;
        QStringList got;
        for (const QString &cell : row.split(u' ')) {
            prepareGame(Mode::Alone, cards == 16 ? 0 : 1);
            Mdlmodul.AnzahlKarten = cards;
            Mdlmodul.FehlversucheSpieler1 = cell.section(u':', 0, 0).toInt();
            const QStringList lines = memory::scoreGame();
            got << cell.section(u':', 0, 0) + u':' + QString::number(Mdlmodul.PunkteSpieler1);
            EXPECT_EQ(lines, QStringList {QStringLiteral("Spieler 1: ") + cell.section(u':', 1)});
        }
        EXPECT_EQ(got.join(u' '), row) << cards << " cards";
    }
}

TEST_F(Score, TwoPartiesGetFourPointsAPairAndTheDefaultNamesAloneOnlyTheFirst)
{
    prepareGame(Mode::TwoPlayers, 0);
    Mdlmodul.AnzahlKarten = 16;
    Mdlmodul.PaareSpieler1 = 5;
    Mdlmodul.PaareSpieler2 = 3;
    Mdlmodul.FehlversucheSpieler1 = 40;
    EXPECT_EQ(memory::scoreGame(), QStringList({QStringLiteral("Spieler 1: 20"), QStringLiteral("Spieler 2: 12")}));

    prepareGame(Mode::Alone, 0, QStringLiteral("Mia"));
    Mdlmodul.FehlversucheSpieler1 = 9;
    Mdlmodul.PunkteSpieler2 = 12;
    EXPECT_EQ(memory::scoreGame(), QStringList {QStringLiteral("Mia: 40")});
    EXPECT_EQ(Mdlmodul.NameSpieler2, QString());
    EXPECT_EQ(Mdlmodul.PunkteSpieler2, 12);
}

QString handedOver()
{
    memory::handOverGame();
    return QStringLiteral("%1 %2, %3 %4, level %5")
        .arg(modVar.SpielerName)
        .arg(modVar.SpielerPunkte)
        .arg(modVar.SpielerName2)
        .arg(modVar.SpielerPunkte2)
        .arg(modVar.SpielLevel);
}

void found(int pairs1, int shown1, int pairs2, int shown2)
{
    Mdlmodul.PaareSpieler1 = pairs1;
    Mdlmodul.PaarPlatz1 = 2 * shown1;
    Mdlmodul.PaareSpieler2 = pairs2;
    Mdlmodul.PaarPlatz2 = 2 * shown2;
}

// A finished game hands over what the score view shows; one left early
// what the board shows as found (against the computer, a pair chosen but
// not yet judged is not on the board), and alone nothing.
TEST_F(Score, TheEndButtonHandsOverTheFinishedScoreOrThePairsShownOnAnUnfinishedBoard)
{
    TimedBoard table;
    prepareGame(Mode::TwoPlayers, 1, QStringLiteral("Lena"));
    table.load();
    found(7, 7, 5, 5);
    EXPECT_EQ(handedOver(), QStringLiteral("Lena 28, Spieler 2 20, level 2"));

    prepareGame(Mode::AgainstComputer, 0);
    table.load();
    Mdlmodul.PunkteSpieler1 = 40; // an earlier game's score view
    found(2, 2, 4, 3);
    EXPECT_EQ(handedOver(), QStringLiteral("Spieler 1 8, Spieler 2 12, level 1"));

    prepareGame(Mode::Alone, 1);
    table.load();
    Mdlmodul.FehlversucheSpieler1 = 16;
    found(11, 11, 0, 0);
    EXPECT_EQ(handedOver(), QStringLiteral("Spieler 1 0,  12, level 2"));
    found(12, 12, 0, 0);
    EXPECT_EQ(handedOver(), QStringLiteral("Spieler 1 30,  12, level 2"));
}

} // namespace
