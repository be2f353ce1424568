#include "memory/computer.h"
#include "memory/memorytesting.h"
#include "platform/clock.h"

#include <QtCore/QRegularExpression>

using namespace memory_testing;
using memory::Face;
using testing_support::advanceClock;

namespace {

// N = 7 on 24 cards, dealt as partners side by side.
const QString board24 = QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4  2 5 2 5  1 6 3 4");

class Computer : public MemoryTest
{
protected:
    void start()
    {
        prepareGame(Mode::AgainstComputer, 0);
        feedBoard(7, board24);
        table.load();
    }
    // Each card's face only, a column of four between bars.
    QString faces() const { return table.cards().remove(QRegularExpression(QStringLiteral("[\\d ]"))); }
    // The clock to the given time, then what the board shows.
    QString at(qint64 ms)
    {
        advanceClock(ms - platform::Clock::instance().now());
        return faces() + QStringLiteral(" / ") + table.status();
    }

    TimedBoard table;
};

// The choice is a pure decision over the board: rows of fed draws, with the
// slots it took and the draws it left. A paired card, the other card of the
// choice and, for the first card, the previous move's second card are drawn
// again; a draw of 24 is slot 0; each draw has its own reseed.
TEST_F(Computer, TheChoiceSkipsPairedCardsAndRepeatsAndCountsThePairAtOnce)
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
        for (const int draw : row.draws)
            platform::Random::instance().feed({drawFor(draw, 1, 24)});
        platform::Random::instance().feed({0.99f});

        memory::compivergleich(picture);
        EXPECT_EQ(QStringLiteral("%1 %2").arg(Mdlmodul.CompiWahl[0]).arg(Mdlmodul.CompiWahl[1]), row.chosen) << row.name;
        EXPECT_EQ(Mdlmodul.PaareSpieler2, row.pairs) << row.name;
        EXPECT_EQ(Mdlmodul.CompiZugOffen, 1) << row.name;
        EXPECT_EQ(reseeds, int(row.draws.size())) << row.name;
        EXPECT_EQ(platform::Random::instance().next(), 0.99f) << row.name << ": every draw fed was taken";
    }
}

// The pupil's first miss of a game: the computer's timer has ticked since
// the load, but its cards turn up only after the pupil's are covered, one
// interval after the cover. Each pair is judged a second later and the next
// move shows in the same tick; a miss gives the pupil the turn. A later miss
// of the pupil goes the same way from the running cover timer's tick.
TEST_F(Computer, AMissOfThePupilHandsOverAndTheComputerPlaysOneMoveASecond)
{
    start();
    advanceClock(1200);
    feedComputer({6, 7});
    table.click({2, 4}); // 2 + 3
    EXPECT_EQ(Mdlmodul.PaareSpieler2, 1);
    QStringList timeline {at(1200), at(2000), at(2200)};
    table.board.computerTick(); // a late tick right after the cover, as a busy real clock may give
    timeline << at(3199) << at(3200);
    table.click({5});
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
    table.click({4, 10}); // 3 + 3
    EXPECT_EQ(at(7199).left(14), QStringLiteral("DDDD|UDBB|BBUD"));
    EXPECT_EQ(at(7200).left(14), QStringLiteral("DDDD|DDBB|BBDD"));
    EXPECT_EQ(at(8199).left(14), QStringLiteral("DDDD|DDBB|BBDD"));
    EXPECT_EQ(at(8200).left(14), QStringLiteral("DDUU|DDBB|BBDD"));
}

// The computer's last pair: SpielEnde at the tick that turns it up, the
// score view one tick later, and then neither timer ticks again. The next
// game starts without the end mark.
TEST_F(Computer, ItsLastPairEndsTheGameOneTickAfterItsCardsTurnedUp)
{
    start();
    for (int slot = 4; slot < 24; slot += 2)
        table.click({slot, slot + 1});
    advanceClock(500);
    feedComputer({1, 0, 3, 2});
    table.click({0, 2}); // 500: 1 + 2
    EXPECT_EQ(at(2500).left(4), QStringLiteral("UUDD"));
    EXPECT_EQ(Mdlmodul.SpielEnde, 0);
    EXPECT_EQ(at(3500).left(4), QStringLiteral("BBUU"));
    EXPECT_EQ(Mdlmodul.SpielEnde, 5);
    EXPECT_EQ(table.scoreViews, 0);
    EXPECT_EQ(at(4500).left(4), QStringLiteral("BBBB"));
    EXPECT_EQ(table.scoreViews, 1);
    EXPECT_EQ(table.board.turn(), memory::Turn::GameOver);
    const int ticks = table.computerTicks;
    advanceClock(5000);
    EXPECT_EQ(table.computerTicks, ticks);
    EXPECT_FALSE(table.tmrTimer.isEnabled() || table.tmrcompi.isEnabled());

    start();
    advanceClock(500);
    feedComputer({0, 1, 4, 6});
    table.click({2, 4});
    advanceClock(4000);
    EXPECT_EQ(faces().left(4), QStringLiteral("BBDD")) << "no end mark: the game goes on";
    EXPECT_EQ(table.scoreViews, 1);
}

} // namespace
