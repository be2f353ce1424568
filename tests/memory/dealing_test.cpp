#include "memory/dealing.h"
#include "memory/memorytesting.h"

#include <map>
#include <set>

using namespace memory_testing;

namespace {

using Dealing = MemoryTest;

struct ModeCase
{
    const char *name;
    Mode mode;
    quint8 schwierigkeit;
    int cards;
    int stufe;
    int players;
};

class BoardSizes : public MemoryTest, public ::testing::WithParamInterface<ModeCase>
{
};

// Against the computer the board always has 24 cards and two parties; the
// level follows the difficulty. Alone or two: easy 16 cards, hard 24.
TEST_P(BoardSizes, TheChoicesGiveCardCountLevelAndPlayerCount)
{
    const ModeCase &c = GetParam();
    prepareGame(c.mode, c.schwierigkeit);
    memory::chooseBoardSize();
    EXPECT_EQ(Mdlmodul.AnzahlKarten, c.cards);
    EXPECT_EQ(Mdlmodul.AnzahlPaare, c.cards / 2);
    EXPECT_EQ(Mdlmodul.Stufe, c.stufe);
    EXPECT_EQ(Mdlmodul.AnzahlSpieler, c.players);
}

INSTANTIATE_TEST_SUITE_P(Modes, BoardSizes,
                         ::testing::Values(ModeCase {"AloneEasy", Mode::Alone, 0, 16, 1, 1},
                                           ModeCase {"AloneHard", Mode::Alone, 1, 24, 2, 1},
                                           ModeCase {"TwoEasy", Mode::TwoPlayers, 0, 16, 1, 2},
                                           ModeCase {"TwoHard", Mode::TwoPlayers, 1, 24, 2, 2},
                                           ModeCase {"ComputerEasy", Mode::AgainstComputer, 0, 24, 1, 2},
                                           ModeCase {"ComputerHard", Mode::AgainstComputer, 1, 24, 2, 2}),
                         [](const auto &row) { return std::string(row.param.name); });

// Every card must have a partner that makes N, or the last pair can never
// be found; and every number 1..N-1 and every N of the level must occur.
TEST_F(Dealing, OverManySeedsEveryCardHasAPartnerAndEveryNumberOfTheLevelOccurs)
{
    for (const quint8 schwierigkeit : {0, 1}) {
        std::set<int> targets;
        std::set<int> numbersSeen;
        for (quint64 seed = 1; seed <= 400; ++seed) {
            platform::Random::instance().seed(seed);
            prepareGame(Mode::Alone, schwierigkeit);
            memory::chooseBoardSize();
            const int n = memory::drawTargetSum();
            targets.insert(n);
            const auto numbers = memory::dealCards(n);
            std::map<int, int> counts;
            for (int slot = 0; slot < memory::slotCount; ++slot) {
                if (slot >= Mdlmodul.AnzahlKarten) {
                    EXPECT_EQ(numbers[slot], 0) << "idle slot " << slot;
                    continue;
                }
                ASSERT_GE(numbers[slot], 1) << "seed " << seed << " slot " << slot;
                ASSERT_LE(numbers[slot], n - 1) << "seed " << seed << " slot " << slot;
                ++counts[numbers[slot]];
                numbersSeen.insert(numbers[slot] + 100 * n);
            }
            for (const auto &[number, count] : counts) {
                if (2 * number == n)
                    EXPECT_EQ(count % 2, 0) << "seed " << seed << ": " << number << " has no partner";
                else
                    EXPECT_EQ(count, counts[n - number]) << "seed " << seed << ": " << number;
            }
        }
        const std::set<int> expected = schwierigkeit == 0 ? std::set<int> {5, 6, 7, 8, 9}
                                                          : std::set<int> {11, 12, 13, 14, 15, 16, 17, 18, 19};
        EXPECT_EQ(targets, expected);
        for (const int n : targets)
            for (int number = 1; number < n; ++number)
                EXPECT_TRUE(numbersSeen.count(number + 100 * n)) << number << " never dealt for N " << n;
    }
}

// Slot 0 takes the first number drawn; a partner draw that hits a dealt slot
// is drawn again, and the pointer to the first free slot skips partners.
TEST_F(Dealing, SlotZeroComesFirstAndAPartnerIsDrawnAgainWhileItsSlotIsDealt)
{
    prepareGame(Mode::Alone, 0);
    memory::chooseBoardSize();
    auto &random = platform::Random::instance();
    // Pair 1: slot 0 takes 2, its partner is slot 1.
    random.feed({drawFor(2, 1, 6), drawFor(1, 1, 15)});
    // Pair 2: slot 2 takes 4; the partner draws hit slots 1 and 2, then 5.
    random.feed({drawFor(4, 1, 6), drawFor(1, 1, 15), drawFor(2, 1, 15), drawFor(5, 1, 15)});
    // Pairs 3..8: the first free slots 3, 4, 7, 9, 11, 13 take 3, partners 4.
    for (const int partner : {6, 8, 10, 12, 14, 15})
        random.feed({drawFor(3, 1, 6), drawFor(partner, 1, 15)});
    memory::BoardPicture dealt;
    dealt.numbers = memory::dealCards(7);
    EXPECT_EQ(cards(dealt), QStringLiteral("2D 5D 4D 3D | 3D 3D 4D 3D | 4D 3D 4D 3D | 4D 3D 4D 4D"));
}

// The target sum is drawn after one reseed and the cards after another, with
// none in between and none while dealing.
TEST_F(Dealing, TheSetUpReseedsOnceForTheTargetAndOnceForTheDeal)
{
    int reseeds = 0;
    platform::Random::instance().setClockSource([&reseeds] { return quint64(++reseeds); });
    prepareGame(Mode::TwoPlayers, 1);
    TimedBoard board;
    board.load();
    EXPECT_EQ(reseeds, 2);
}

// A 16-card game leaves slots 16..23 and their pair labels out of sight.
TEST_F(Dealing, ASixteenCardGameLeavesTheLastEightSlotsOutOfSight)
{
    prepareGame(Mode::Alone, 0);
    memory::chooseBoardSize();
    EXPECT_EQ(memory::cardRect(15), QRect(500 + 3 * 850, 500 + 3 * 1100, 750, 1000));
    for (int slot = 16; slot < memory::slotCount; ++slot) {
        EXPECT_GE(memory::cardRect(slot).left(), 100000) << slot;
        EXPECT_GE(memory::foundPairRect(memory::player1, slot).left(), 100000) << slot;
        EXPECT_GE(memory::foundPairRect(memory::player2, slot).left(), 100000) << slot;
    }
    prepareGame(Mode::Alone, 1);
    memory::chooseBoardSize();
    EXPECT_EQ(memory::cardRect(23), QRect(500 + 5 * 850, 500 + 3 * 1100, 750, 1000));
    EXPECT_EQ(memory::foundPairRect(memory::player2, 23), QRect(7000 + 5 * 850, 6000 + 200, 750, 1000));
}

} // namespace
