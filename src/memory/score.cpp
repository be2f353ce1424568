#include "memory/score.h"

#include "platform/saturate.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"

namespace memory {

namespace {

void nameEmptyPlayers(bool twoParties)
{
    if (Mdlmodul.NameSpieler1.isEmpty())
        Mdlmodul.NameSpieler1 = QStringLiteral("Spieler 1");
    // The player page asks the pupil against the computer for one name only;
    // a second name still in the record is a pupil's of an earlier game, and
    // the computer's points must not be saved as that pupil's result.
    if (twoParties && (Mdlmodul.NameSpieler2.isEmpty() || Mdlmodul.GegenCompi == u"ja"))
        Mdlmodul.NameSpieler2 = QStringLiteral("Spieler 2");
}

QString line(const QString &name, quint8 points)
{
    return name + QStringLiteral(": ") + QString::number(points);
}

quint8 pointsForPairs(int pairs)
{
    return platform::saturate<quint8>(4 * pairs);
}

bool allPairsShownFound()
{
    const MemoryState &m = Mdlmodul;
    return m.AnzahlPaare > 0 && m.PaarPlatz1 + m.PaarPlatz2 >= 2 * m.AnzahlPaare;
}

} // namespace

quint8 pointsAlone(int misses, int cardCount)
{
    const int step = cardCount == 16 ? 10 : 15;
    if (misses <= step)
        return 40;
    if (misses <= 2 * step)
        return 30;
    if (misses <= 3 * step)
        return 20;
    return 10;
}

QStringList scoreGame()
{
    MemoryState &m = Mdlmodul;
    if (m.AnzahlSpieler == 2) {
        m.PunkteSpieler1 = pointsForPairs(m.PaareSpieler1);
        m.PunkteSpieler2 = pointsForPairs(m.PaareSpieler2);
        nameEmptyPlayers(true);
        return {line(m.NameSpieler1, m.PunkteSpieler1), line(m.NameSpieler2, m.PunkteSpieler2)};
    }
    nameEmptyPlayers(false);
    m.PunkteSpieler1 = pointsAlone(m.FehlversucheSpieler1, m.AnzahlKarten);
    return {line(m.NameSpieler1, m.PunkteSpieler1)};
}

void handOverGame()
{
    MemoryState &m = Mdlmodul;
    if (allPairsShownFound()) {
        scoreGame();
    } else if (m.AnzahlSpieler == 2) {
        m.PunkteSpieler1 = pointsForPairs(m.PaarPlatz1 / 2);
        m.PunkteSpieler2 = pointsForPairs(m.PaarPlatz2 / 2);
        nameEmptyPlayers(true);
    } else {
        m.PunkteSpieler1 = 0;
        nameEmptyPlayers(false);
    }
    modVar.SpielLevel = m.Stufe;
    modVar.SpielerName = m.NameSpieler1;
    modVar.SpielerName2 = m.NameSpieler2;
    modVar.SpielerPunkte = m.PunkteSpieler1;
    modVar.SpielerPunkte2 = m.PunkteSpieler2;
}

} // namespace memory
