#include "memory/dealing.h"

#include "platform/random.h"
#include "state/mdlmodul.h"

namespace memory {

namespace {

constexpr int outOfSight = 100000;
constexpr int cardWidth = 750;
constexpr int cardHeight = 1000;

} // namespace

void chooseBoardSize()
{
    MemoryState &m = Mdlmodul;
    if (m.GegenCompi == u"ja") {
        m.AnzahlSpieler = 2;
        m.AnzahlKarten = 24;
        m.Stufe = m.Schwierigkeit == 0 ? 1 : 2;
    } else if (m.Schwierigkeit == 1) {
        m.AnzahlKarten = 24;
        m.Stufe = 2;
    } else {
        // Also for a difficulty outside 0 and 1, which no choice leaves:
        // the board is always one of the two it knows.
        m.AnzahlKarten = 16;
        m.Stufe = 1;
    }
    m.AnzahlPaare = m.AnzahlKarten / 2;
    m.AnzahlSpalten = m.AnzahlKarten / 4;

    m.KartenTop = 500;
    m.KartenLeft = 500;
    m.AbstandX = 100;
    m.AbstandY = 100;
    m.PaarTop = 500;
    m.PaarLeft = 7000;
    m.PaarAbstandY = 500;
}

int drawTargetSum()
{
    auto &random = platform::Random::instance();
    random.reseed();
    return Mdlmodul.Stufe == 1 ? random.between(5, 9) : random.between(11, 19);
}

std::array<int, slotCount> dealCards(int targetSum)
{
    MemoryState &m = Mdlmodul;
    auto &random = platform::Random::instance();
    random.reseed();

    std::array<int, slotCount> numbers {};
    m.Belegt.fill(false);
    m.FreierPlatz = 0;
    for (m.Zaehler = 1; m.Zaehler <= m.AnzahlPaare; ++m.Zaehler) {
        while (m.Belegt[m.FreierPlatz])
            ++m.FreierPlatz;
        const int first = random.between(1, targetSum - 1);
        numbers[m.FreierPlatz] = first;
        m.Belegt[m.FreierPlatz] = true;

        // Always ends: slot 0 is dealt first, so each partner draw among
        // 1..count-1 finds at least one slot free.
        do {
            m.PartnerPlatz = static_cast<quint8>(random.between(1, m.AnzahlKarten - 1));
        } while (m.Belegt[m.PartnerPlatz]);
        numbers[m.PartnerPlatz] = targetSum - first;
        m.Belegt[m.PartnerPlatz] = true;
    }
    return numbers;
}

QRect cardRect(int slot)
{
    const MemoryState &m = Mdlmodul;
    const int column = slot / 4;
    const int row = slot % 4;
    const int left = slot < m.AnzahlKarten ? m.KartenLeft + (cardWidth + m.AbstandX) * column : outOfSight;
    return {left, m.KartenTop + (cardHeight + m.AbstandY) * row, cardWidth, cardHeight};
}

QRect foundPairRect(int party, int label)
{
    const MemoryState &m = Mdlmodul;
    const int pair = label / 2;
    const int column = pair / 2;
    const int row = pair % 2;
    // Player 2's display starts 4000 twips below player 1's.
    const int top = m.PaarTop + (party == 0 ? 0 : 4000) + (cardHeight + m.PaarAbstandY) * row + (label % 2) * 200;
    const int left = column < m.AnzahlSpalten ? m.PaarLeft + (cardWidth + m.AbstandX) * column : outOfSight;
    return {left, top, cardWidth, cardHeight};
}

} // namespace memory
