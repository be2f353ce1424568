#include "butterfly/flight.h"
#include "butterflytesting.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace butterfly;
using namespace butterfly_testing;

namespace {

class FlightTest : public ::testing::Test
{
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { restoreRandomClock(); }
};

// A butterfly as Left, Top, SchrittX, SchrittY.
using Place = std::tuple<float, float, int, int>;

Place place(const Butterfly &b)
{
    return {b.Left, b.Top, b.SchrittX, b.SchrittY};
}

Butterfly at(Place p, bool visible = true)
{
    return {std::get<0>(p), std::get<1>(p), qint16(std::get<2>(p)), qint16(std::get<3>(p)), visible};
}

// The area is 11880 x 8595 twips; a butterfly 645 x 555; the flight floor
// at 7095, so Left 11235 and Top 6540 touch the right edge and the floor.
struct EdgeRow
{
    const char *name;
    Place start;
    int ticks;
    Place after;
};

const EdgeRow edgeRows[] = {
    {"Left 0 turns before it moves", {0, 3000, -40, 0}, 1, {40, 3000, 40, 0}},
    {"Left 1 with step -100 stands at -99", {1, 3000, -100, 0}, 1, {-99, 3000, -100, 0}},
    {"and the next tick brings it back to 1", {1, 3000, -100, 0}, 2, {1, 3000, 100, 0}},
    {"touching the right edge turns", {11235, 3000, 60, 0}, 1, {11175, 3000, -60, 0}},
    {"one twip short of it goes past", {11234, 3000, 60, 0}, 1, {11294, 3000, 60, 0}},
    {"Top 0 turns", {5000, 0, 0, -100}, 1, {5000, 100, 0, 100}},
    {"touching the flight floor turns", {5000, 6540, 0, 100}, 1, {5000, 6440, 0, -100}},
    {"below the floor by less than a step turns", {5000, 6600, 0, 100}, 1, {5000, 6500, 0, -100}},
    {"in a corner it turns both ways", {0, 6540, -60, 80}, 1, {60, 6460, 60, -80}},
};

TEST_F(FlightTest, ButterfliesTurnAtTheEdgesAndTheFlightFloorHiddenOrNot)
{
    for (const EdgeRow &row : edgeRows) {
        for (bool visible : {true, false}) {
            Flight flight(1);
            flight[0] = at(row.start, visible);
            for (int t = 0; t < row.ticks; ++t)
                flight.tick();
            EXPECT_EQ(place(flight[0]), row.after) << row.name << (visible ? "" : ", hidden");
        }
    }
}

TEST_F(FlightTest, EveryButterflyFliesOnItsOwn)
{
    Flight flight(2);
    flight[0] = at({0, 3000, -40, 0});
    flight[1] = at({500, 500, 30, 40});
    flight.tick();
    EXPECT_EQ(place(flight[0]), Place(40, 3000, 40, 0));
    EXPECT_EQ(place(flight[1]), Place(530, 540, 30, 40));
}

// SchrittX = floor(201 r - 100); SchrittY = the rounded rest of a step of 100.
TEST_F(FlightTest, TheSetUpGivesEveryButterflyAStepOfAboutOneHundred)
{
    const std::pair<int, int> steps[] = {{-100, 0}, {-99, 14}, {-60, 80}, {0, 100}, {1, 100}, {60, 80}, {100, 0}};
    for (auto [x, y] : steps) {
        feed((x + 100.5f) / 201);
        feed(0, 2);
        Flight flight(1);
        flight.setUp(VerticalStart::DownwardOrLevel);
        EXPECT_EQ(flight.Tempo, 100);
        EXPECT_EQ(place(flight[0]), Place(0, 0, x, y)) << "SchrittX " << x;
    }
}

TEST_F(FlightTest, TheSetUpDrawsTheStepTheSignLeftAndTopOfOneButterflyBeforeTheNext)
{
    Flight start(2);
    for (float r : {0.0f, 0.5f, 0.25f, 0.5f, 0.0f, 0.5f})
        feed(r);
    start.setUp(VerticalStart::DownwardOrLevel);
    EXPECT_EQ(place(start[0]), Place(5617.5f, 1635, -100, 0));
    EXPECT_EQ(place(start[1]), Place(0, 3270, 0, 100));

    Flight game(3);
    for (float r : {0.5f, 0.5f, 0.25f, 0.75f, 0.5f, 0.4999f, 0.5f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f})
        feed(r);
    game.setUp(VerticalStart::EitherWay);
    EXPECT_EQ(place(game[0]), Place(2808.75f, 4905, 0, -100)) << "r2 at 0.5 turns the step upward";
    EXPECT_EQ(place(game[1]), Place(5617.5f, 3270, 0, 100));
    EXPECT_EQ(place(game[2]), Place(0, 0, -100, 0));
}

TEST_F(FlightTest, EachSetUpReseedsOnceBeforeItsDraws)
{
    Flight flight(20);
    flight.setUp(VerticalStart::EitherWay);
    flight.setUp(VerticalStart::DownwardOrLevel);
    EXPECT_EQ(reseeds().count, 2);
}

// Over many flights: every butterfly starts inside the area above the
// floor, never stands past a border by a full step, and on the start screen
// never starts upward; on a game screen both ways occur.
TEST_F(FlightTest, NothingLeavesTheAreaByAFullStepOverManyTicks)
{
    int upward[2] = {0, 0};
    for (quint64 seed = 1; seed <= 40; ++seed) {
        for (VerticalStart start : {VerticalStart::DownwardOrLevel, VerticalStart::EitherWay}) {
            platform::Random::instance().seed(seed);
            Flight flight(20);
            flight.setUp(start);
            for (int k = 0; k < 20; ++k) {
                ASSERT_TRUE(flight[k].Left >= 0 && flight[k].Left < 11235) << flight[k].Left;
                ASSERT_TRUE(flight[k].Top >= 0 && flight[k].Top < 6540) << flight[k].Top;
                upward[start == VerticalStart::EitherWay] += flight[k].SchrittY < 0;
            }
            for (int t = 0; t < 1000; ++t) {
                flight.tick();
                for (int k = 0; k < 20; ++k) {
                    const Butterfly &b = flight[k];
                    ASSERT_TRUE(b.Left > -100 && b.Left < 11235 + 100 && b.Top > -100 && b.Top < 6540 + 100)
                        << "seed " << seed << " tick " << t << " butterfly " << k << " at " << b.Left << ", " << b.Top;
                }
            }
        }
    }
    EXPECT_EQ(upward[0], 0) << "the start screen's butterflies start downward or level";
    EXPECT_GT(upward[1], 0) << "the game screens' start upward too";
}

} // namespace
