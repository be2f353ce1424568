#include "memory/computer.h"
#include "memory/dealing.h"
#include "memory/memorytesting.h"
#include "memory/score.h"
#include "platform/clock.h"

#include <QtCore/QRegularExpression>

#include <set>

using namespace memory_testing;
using memory::Face;
using memory::PlayerPage;
using memory::Turn;
using testing_support::advanceClock;

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

// Every card needs a partner making N, or the last pair is never found; every N of the level and 1..N-1 come up.
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
            std::array<int, 20> counts {};
            for (int slot = 0; slot < memory::slotCount; ++slot) {
                const bool used = slot < Mdlmodul.AnzahlKarten;
                ASSERT_TRUE(used ? numbers[slot] >= 1 && numbers[slot] < n : numbers[slot] == 0)
                    << "seed " << seed << " slot " << slot << ": " << numbers[slot];
                ++counts[numbers[slot]];
                dealt.insert({n, numbers[slot]});
            }
            for (int number = 1; number < n; ++number)
                ASSERT_TRUE(2 * number == n ? counts[number] % 2 == 0 : counts[number] == counts[n - number])
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
                            memory::foundPairRect(1, slot).left()}), 100000) << "out of sight: " << slot;
}

const QString board16 = QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4"); // N = 7
const QString board24 = board16 + QStringLiteral("  2 5 2 5  1 6 3 4");

class Play : public TimedBoard
{
protected:
    void start(Mode mode, const QString &name1 = {}, const QString &numbers = board16, int target = 7)
    {
        prepareGame(mode, 0, name1);
        feedBoard(target, numbers);
        load();
    }
    // The clock to the given time, then each card's face and what else the board shows.
    QString at(qint64 ms)
    {
        advanceClock(ms - platform::Clock::instance().now());
        return cards().remove(QRegularExpression(QStringLiteral("[\\d ]"))) + QStringLiteral(" / ") + status();
    }
};

// A pair stays open in the finder's colour; a miss shows until the cover tick and passes the turn, label, animal.
TEST_F(Play, TwoPlayersAPairKeepsTheTurnAndAMissPassesIt)
{
    start(Mode::TwoPlayers, QStringLiteral("Lena"));
    EXPECT_EQ(status(), QStringLiteral("neutral / animal 3 / Du bist dran, Lena /  /  / "));
    click({0});
    EXPECT_EQ(Variablen.Operand1, 1) << "the counting help's first number";
    click({1});
    EXPECT_EQ(status(), QStringLiteral("laughing / animal 3 / Du bist dran, Lena / Du hast ein Paar! / 1+6 / "));
    click({2, 4}); // 2 + 3
    EXPECT_EQ(status(), QStringLiteral("sad / animal 1 / Du bist dran, Spieler 2 /  / 1+6 / "));
    EXPECT_EQ(at(999).left(9), QStringLiteral("RRUD|UDDD"));
    EXPECT_EQ(at(1000).left(9), QStringLiteral("RRDD|DDDD")) << "the first miss shows 1000 ms";
    click({2, 3, 4, 6}); // player 2: a pair, then 3 + 1
    EXPECT_EQ(cards(), QStringLiteral("1R 6R 2B 5B | 3U 4D 1U 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(status(), QStringLiteral("sad / animal 3 / Du bist dran, Lena /  / 1+6 / 2+5"));
    EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, 1) << "player 2's misses are not player 1's";
}

// N = 8: the two 4s are a pair, and so are 1 and 7 of different pairs. Clicks while a miss shows are counted (up to
// 255) and turn nothing; a later miss shows until the running cover timer's next tick.
TEST_F(Play, AloneClicksWhileAMissShowsTurnNothingAndALaterMissGoesAtTheNextTick)
{
    start(Mode::Alone, {}, QStringLiteral("4 4 1 7  1 7 2 6  3 5 2 6  3 5 4 4"), 8);
    click({0, 3}); // 4 + 7: past N is a miss too
    advanceClock(1500);
    click({0, 1, 1, 16, -1, 2, 7}); // at 1500: a pair, then 1 + 6
    EXPECT_TRUE(board.turn() == Turn::MissShowing && !board.helpAllowed());
    for (int i = 0; i < 300; ++i)
        click({5});
    EXPECT_EQ(cards(), QStringLiteral("4R 4R 1U 7D | 1D 7D 2D 6U | 3D 5D 2D 6D | 3D 5D 4D 4D"));
    EXPECT_EQ(status(), QStringLiteral("neutral / animal 3 /  /  / 4+4 / "));
    EXPECT_EQ(Variablen.AufgedeckteKarten, 255);
    EXPECT_EQ(at(1999).left(9), QStringLiteral("RRUD|DDDU"));
    EXPECT_EQ(at(2000).left(9), QStringLiteral("RRDD|DDDD"));
    click({5});
    EXPECT_TRUE(board.helpAllowed());
    EXPECT_EQ(Mdlmodul.FehlversucheSpieler1, 2);
    Mdlmodul.FehlversucheSpieler1 = 255;
    click({2, 6, 8});
    EXPECT_EQ(cards().left(22) + QString::number(Mdlmodul.FehlversucheSpieler1), QStringLiteral("4R 4R 1R 7D | 1D 7R 2U255"))
        << "the miss count sticks at its end";
}

// Drawn again: a paired card, the choice's other card and, for the first, the last move's second; a reseed each.
TEST_F(Play, TheComputersChoiceSkipsPairedCardsAndRepeatsAndCountsThePairAtOnce)
{
    struct Row { const char *name; std::initializer_list<int> draws; double previousSecond; QString chosen; int pairs; };
    const Row rows[] = {
        {"a pair, counted when chosen", {2, 3}, 0, "2 3", 1},
        {"paired cards drawn again; 24 is slot 0", {4, 5, 24, 5, 1}, 23, "0 1", 1},
        {"the same card twice", {6, 6, 8}, 0, "6 8", 0},
        {"the previous second card not first, but second", {9, 10, 9}, 9, "10 9", 1},
        {"face-up cards of the pupil's miss", {12, 11}, 0, "12 11", 0},
    };
    for (const Row &row : rows) {
        Mdlmodul = MemoryState {};
        Mdlmodul.AnzahlKarten = 24;
        Mdlmodul.CompiWahl = {0, row.previousSecond};
        Variablen.Ergebnis = 7;
        memory::BoardPicture picture;
        picture.numbers = {1, 6, 2, 5, 3, 4, 1, 6, 5, 4, 3, 2, 1, 2};
        picture.faces[4] = picture.faces[5] = Face::PairedRed;
        picture.faces[12] = picture.faces[11] = Face::Up;
        int reseeds = 0;
        platform::Random::instance().setClockSource([&reseeds] { return quint64(++reseeds); });
        feed(row.draws, 1, 24);
        platform::Random::instance().feed({0.99f});
        memory::compivergleich(picture);
        EXPECT_EQ(QStringLiteral("%1 %2").arg(Mdlmodul.CompiWahl[0]).arg(Mdlmodul.CompiWahl[1]), row.chosen) << row.name;
        EXPECT_EQ(Mdlmodul.PaareSpieler2 * 10 + Mdlmodul.CompiZugOffen, row.pairs * 10 + 1) << row.name << ", pending";
        EXPECT_TRUE(reseeds == int(row.draws.size()) && platform::Random::instance().next() == 0.99f)
            << row.name << ": a reseed for each draw fed, and every one taken";
    }
}

// At the pupil's first miss the computer's cards turn up one interval after the cover; a pair is judged a second
// later with the next move in the same tick. A later miss goes the same way from the cover timer's tick.
TEST_F(Play, AMissOfThePupilHandsOverAndTheComputerPlaysOneMoveASecond)
{
    start(Mode::AgainstComputer, {}, board24);
    advanceClock(1200);
    feedComputer({6, 7});
    click({2, 4}); // 2 + 3
    EXPECT_EQ(Mdlmodul.PaareSpieler2, 1);
    QStringList timeline {at(1200), at(2000), at(2200)};
    board.computerTick(); // a late tick right after the cover, as a busy real clock may give
    timeline << at(3199) << at(3200);
    click({5});
    EXPECT_EQ(Variablen.AufgedeckteKarten, 0) << "the computer's move: clicks are ignored";
    feedComputer({8, 9, 10, 12});
    timeline << at(4199) << at(4200) << at(5200) << at(6200);
    EXPECT_EQ(timeline.join(u'\n'),
              QStringLiteral("DDUD|UDDD|DDDD|DDDD|DDDD|DDDD / sad / animal 1 / Der Compi ist dran /  /  / \n"
                             "DDUD|UDDD|DDDD|DDDD|DDDD|DDDD / sad / animal 1 / Der Compi ist dran /  /  / \n"
                             "DDDD|DDDD|DDDD|DDDD|DDDD|DDDD / sad / animal 1 / Der Compi ist dran /  /  / \n"
                             "DDDD|DDDD|DDDD|DDDD|DDDD|DDDD / sad / animal 1 / Der Compi ist dran /  /  / \n"
                             "DDDD|DDUU|DDDD|DDDD|DDDD|DDDD / sad / animal 1 / Der Compi ist dran /  /  / \n"
                             "DDDD|DDUU|DDDD|DDDD|DDDD|DDDD / sad / animal 1 / Der Compi ist dran /  /  / \n"
                             "DDDD|DDBB|UUDD|DDDD|DDDD|DDDD / sad / animal 1 / Der Compi ist dran /  /  / 1+6\n"
                             "DDDD|DDBB|BBUD|UDDD|DDDD|DDDD / sad / animal 1 / Der Compi ist dran /  /  / 1+6 2+5\n"
                             "DDDD|DDBB|BBDD|DDDD|DDDD|DDDD / neutral / animal 3 / Du bist dran,Spieler 1 /  /  / 1+6 2+5"));
    advanceClock(300); // 6500: a later miss
    feedComputer({2, 3});
    click({4, 10}); // 3 + 3
    EXPECT_EQ(at(7199).left(14), QStringLiteral("DDDD|UDBB|BBUD"));
    EXPECT_EQ(at(7200).left(14), QStringLiteral("DDDD|DDBB|BBDD"));
    EXPECT_EQ(at(8199).left(14), QStringLiteral("DDDD|DDBB|BBDD"));
    EXPECT_EQ(at(8200).left(14), QStringLiteral("DDUU|DDBB|BBDD"));
}

// Then neither timer ticks again, and the next game starts without the end mark.
TEST_F(Play, TheComputersLastPairEndsTheGameOneTickAfterItsCardsTurnedUp)
{
    start(Mode::AgainstComputer, {}, board24);
    for (int slot = 4; slot < 24; slot += 2)
        click({slot, slot + 1});
    advanceClock(500);
    feedComputer({1, 0, 3, 2});
    click({0, 2}); // 500: 1 + 2
    const auto endAt = [this](qint64 ms) {
        const QString faces = at(ms).left(4);
        return faces + QStringLiteral(": end %1, %2 score views").arg(Mdlmodul.SpielEnde).arg(scoreViews);
    };
    EXPECT_EQ(endAt(2500), QStringLiteral("UUDD: end 0, 0 score views"));
    EXPECT_EQ(endAt(3500), QStringLiteral("BBUU: end 5, 0 score views"));
    EXPECT_EQ(endAt(4500), QStringLiteral("BBBB: end 5, 1 score views"));
    EXPECT_EQ(board.turn(), Turn::GameOver);
    const int ticks = computerTicks;
    advanceClock(5000);
    EXPECT_TRUE(computerTicks == ticks && !tmrTimer.isEnabled() && !tmrcompi.isEnabled());
    start(Mode::AgainstComputer, {}, board24);
    advanceClock(500);
    feedComputer({0, 1, 4, 6});
    click({2, 4});
    EXPECT_EQ(endAt(platform::Clock::instance().now() + 4000), QStringLiteral("BBDD: end 0, 1 score views"))
        << "no end mark: the game goes on";
}

using Score = TimedBoard;

// A pupil alone, the two rows of bounds ("misses:points"), each tried on both sides.
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

// Two parties score 4 a pair, misses aside; alone a pupil scores by misses and leaves player 2 alone. A game left
// early hands over what the board shows as found (against the computer, a pair chosen but not yet judged is not on
// the board), and alone nothing. The computer is always "Spieler 2", whatever name an earlier two-pupil game left.
TEST_F(Score, TheScoreViewAndTheEndButtonHandOverTheNamesAndPoints)
{
    // The pairs each party found, and how many of them the board shows.
    const auto found = [](int pairs1, int shown1, int pairs2, int shown2) {
        Mdlmodul.PaareSpieler1 = pairs1;
        Mdlmodul.PaarPlatz1 = 2 * shown1;
        Mdlmodul.PaareSpieler2 = pairs2;
        Mdlmodul.PaarPlatz2 = 2 * shown2;
    };
    const auto handedOver = [] {
        memory::handOverGame();
        return QStringLiteral("%1 %2, %3 %4, level %5")
            .arg(modVar.SpielerName).arg(modVar.SpielerPunkte).arg(modVar.SpielerName2).arg(modVar.SpielerPunkte2)
            .arg(modVar.SpielLevel);
    };
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

class Page : public ::testing::Test, private memory::PlayerPageWindow
{
protected:
    void setTmrblinkerEnabled(bool) override {} // the blink is the window's: its road shows it
    testing_support::ProgramFolderFixture folder;
    PlayerPage page {*this};
};

// Each place is drawn after its own reseed until a free animal comes up.
TEST_F(Page, TheShuffleDrawsEachPlaceUntilAFreeAnimalComesUp)
{
    int reseeds = 0;
    platform::Random::instance().setClockSource([&reseeds] { return quint64(++reseeds); });
    feed({3, 3, 1, 10, 1, 2, 4, 5, 5, 6, 7, 8, 9}, 1, 10);
    memory::shuffleAnimals();
    EXPECT_EQ(QStringList(Mdlmodul.IconDateien.begin(), Mdlmodul.IconDateien.end()).join(u' '),
              QStringLiteral(" Marsi.wmf Fliege.wmf Pferd.wmf Hund.wmf Käguruh.wmf Muschel.wmf Ameise.wmf Bigfoot.wmf "
                             "Robbe.wmf Brachio.wmf  "));
    EXPECT_EQ(reseeds, 13) << "one before each draw";
    const auto first = Mdlmodul.IconDateien.begin() + 1;
    const QStringList names(first, first + 10);
    for (quint64 seed = 1; seed <= 200; ++seed) {
        platform::Random::instance().seed(seed);
        memory::shuffleAnimals();
        ASSERT_TRUE(std::is_permutation(first, first + 10, names.begin(), names.end())) << "seed " << seed;
    }
}

// Only the first click picks, even among 255 more. No pick gives picture 1, 2 or 3 (fed), never the other's; the
// computer takes the one right of the pupil's (the fourth for the last). Player 2's page locks player 1's pick.
TEST_F(Page, WithOrWithoutPicksBothPlayersReachTheBoardWithDifferentAnimals)
{
    struct Row { const char *name; Mode mode; std::initializer_list<int> clicks1, clicks2, draws; QString expected; };
    const Row rows[] = {
        {"alone, no pick", Mode::Alone, {}, {}, {2, 2, 2, 1}, "2 1 Lena/"},
        {"alone, a pick", Mode::Alone, {0}, {}, {3}, "0 3 Lena/"},
        {"computer, no pick", Mode::AgainstComputer, {}, {}, {1, 1, 3}, "1 3 Lena/"},
        {"computer, picture 0", Mode::AgainstComputer, {0}, {}, {}, "0 1 Lena/"},
        {"computer, picture 3", Mode::AgainstComputer, {3}, {}, {}, "3 4 Lena/"},
        {"computer, picture 4", Mode::AgainstComputer, {4}, {}, {}, "4 3 Lena/"},
        {"two, no picks", Mode::TwoPlayers, {}, {}, {3, 3, 2}, "3 2 Lena/Ben locked 3"},
        {"two, both picked", Mode::TwoPlayers, {4}, {0}, {}, "4 0 Lena/Ben locked 4"},
        {"two, player 1's picture taken", Mode::TwoPlayers, {1}, {1, 0}, {}, "1 0 Lena/Ben locked 1"},
    };
    for (const Row &row : rows) {
        prepareGame(row.mode, 0);
        Mdlmodul.SpielerAufrufe = 0;
        page.setUp();
        feed(row.draws, 1, 3);
        platform::Random::instance().feed({0.99f});
        for (const int index : row.clicks1)
            page.clickPicture(index);
        for (int i = 0; i < 300 && row.clicks1.size(); ++i)
            page.clickPicture(i % 5);
        QString locked;
        if (page.weiter(QStringLiteral("Lena")) == PlayerPage::Next::SecondPlayer) {
            page.setUp(); // once more before player 2's page opens, and at its load
            page.setUp();
            locked = QStringLiteral(" locked %1").arg(page.picture().taken);
            for (const int index : row.clicks2)
                page.clickPicture(index);
            EXPECT_EQ(page.weiter(QStringLiteral("Ben")), PlayerPage::Next::Board) << row.name;
        }
        EXPECT_EQ(QStringLiteral("%1 %2 %3/%4").arg(Mdlmodul.IconSpieler1).arg(Mdlmodul.IconSpieler2)
                      .arg(Mdlmodul.NameSpieler1, Mdlmodul.NameSpieler2) + locked, row.expected) << row.name;
        EXPECT_EQ(platform::Random::instance().next(), 0.99f) << row.name << ": the draws fed were taken";
    }
}

} // namespace
