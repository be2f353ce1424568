#include "memory/dealing.h"
#include "memory/memorytesting.h"

#include <map>
#include <set>

using namespace memory_testing;

namespace {

using Dealing = TimedBoard;

// Against the computer always 24 cards and two parties, the level by the difficulty; otherwise easy is 16 cards at
// level 1, hard 24 at level 2. Each set-up reseeds once for the target sum and once before the deal.
TEST_F(Dealing, TheChoicesGiveTheBoardAndTheSetUpReseedsTwice)
{
    int reseeds = 0;
    platform::Random::instance().setClockSource([&reseeds] { return quint64(++reseeds); });
    for (const auto &[mode, schwierigkeit, expected] :
         {std::tuple(Mode::Alone, 0, "16 1 1"), {Mode::TwoPlayers, 1, "24 2 2"}, {Mode::AgainstComputer, 0, "24 1 2"},
          {Mode::AgainstComputer, 1, "24 2 2"}}) {
        prepareGame(mode, quint8(schwierigkeit));
        reseeds = 0;
        load();
        EXPECT_EQ(QStringLiteral("%1 %2 %3, %4 reseeds").arg(Mdlmodul.AnzahlKarten).arg(Mdlmodul.Stufe)
                      .arg(Mdlmodul.AnzahlSpieler).arg(reseeds), QLatin1String(expected) + QLatin1String(", 2 reseeds"));
    }
}

// Every card needs a partner that makes N, or the last pair can never be found; every N of the level and every number
// 1..N-1 must come up.
TEST_F(Dealing, OverManySeedsEveryCardHasAPartnerAndEveryNumberOfTheLevelComesUp)
{
    for (const quint8 schwierigkeit : {0, 1}) {
        std::set<std::pair<int, int>> dealt;
        for (quint64 seed = 1; seed <= 400; ++seed) {
            platform::Random::instance().seed(seed);
            prepareGame(Mode::Alone, schwierigkeit);
            memory::chooseBoardSize();
            const int n = memory::drawTargetSum();
            const auto numbers = memory::dealCards(n);
            std::map<int, int> counts;
            for (int slot = 0; slot < memory::slotCount; ++slot) {
                const bool used = slot < Mdlmodul.AnzahlKarten;
                ASSERT_TRUE(used ? numbers[slot] >= 1 && numbers[slot] < n : numbers[slot] == 0)
                    << "seed " << seed << " slot " << slot << ": " << numbers[slot];
                ++counts[numbers[slot]];
                dealt.insert({n, numbers[slot]});
            }
            for (const auto &[number, count] : counts)
                ASSERT_TRUE(number == 0 || (2 * number == n ? count % 2 == 0 : count == counts[n - number]))
                    << "seed " << seed << ": " << number << " lacks a partner";
        }
        const auto [lo, hi] = schwierigkeit == 0 ? std::pair(5, 9) : std::pair(11, 19);
        for (int n = 1; n <= 20; ++n)
            for (int number = 1; number < n; ++number)
                EXPECT_EQ(dealt.count({n, number}), n >= lo && n <= hi) << number << " for N " << n;
    }
}

// Slot 0 takes the first number; a partner draw that hits a dealt slot is drawn again, and the next pair starts at
// the first slot still free. A 16-card game leaves the last eight slots out of sight.
TEST_F(Dealing, SlotZeroComesFirstAndAPartnerIsDrawnAgainWhileItsSlotIsDealt)
{
    prepareGame(Mode::Alone, 0);
    memory::chooseBoardSize();
    const auto pair = [](int number, std::initializer_list<int> partnerDraws) {
        feed({number}, 1, 6);
        feed(partnerDraws, 1, 15);
    };
    pair(2, {1});
    pair(4, {1, 2, 5});
    for (const int partner : {6, 8, 10, 12, 14, 15})
        pair(3, {partner});
    memory::BoardPicture dealt;
    dealt.numbers = memory::dealCards(7);
    EXPECT_EQ(memory_testing::cards(dealt), QStringLiteral("2D 5D 4D 3D | 3D 3D 4D 3D | 4D 3D 4D 3D | 4D 3D 4D 4D"));

    EXPECT_EQ(memory::cardRect(15), QRect(500 + 3 * 850, 500 + 3 * 1100, 750, 1000));
    for (int slot = 16; slot < memory::slotCount; ++slot)
        EXPECT_GE(std::min({memory::cardRect(slot).left(), memory::foundPairRect(0, slot).left(),
                            memory::foundPairRect(1, slot).left()}),
                  100000);
}

} // namespace
