#include "butterfly/flight.h"
#include "butterflytesting.h"
#include "support/testsupport.h"

#include <tuple>

using namespace butterfly;
using namespace butterfly_testing;

namespace {

using Place = std::tuple<float, float, int, int>; // Left, Top, SchrittX, SchrittY

Place place(const Butterfly &b)
{
    return {b.Left, b.Top, b.SchrittX, b.SchrittY};
}

using FlightTest = testing_support::GlobalsTest;

// In the 11880 x 8595 area a 645 x 555 butterfly touches the right edge at
// Left 11235 and the flight floor (7095) at Top 6540. Hidden ones fly alike.
TEST_F(FlightTest, ButterfliesTurnAtTheEdgesAndTheFlightFloorHiddenOrNot)
{
    const struct { const char *name; Place start; int ticks; Place after; } rows[] = {
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
    for (const auto &row : rows) {
        for (bool visible : {true, false}) {
            Flight flight(1);
            const auto [left, top, x, y] = row.start;
            flight[0] = {left, top, qint16(x), qint16(y), visible};
            for (int t = 0; t < row.ticks; ++t)
                flight.tick();
            EXPECT_EQ(place(flight[0]), row.after) << row.name << (visible ? "" : ", hidden");
        }
    }
}

// SchrittX = floor(201 r1 - 100), SchrittY the rounded rest of a step of
// 100, turned upward on a game screen when r2 >= 0.5; Left and Top from r3
// and r4. One butterfly's draws come before the next one's.
TEST_F(FlightTest, TheSetUpReseedsThenDrawsEachButterflysStepSignAndPlace)
{
    int reseeds = 0;
    platform::Random::instance().setClockSource([&reseeds] { return quint64(++reseeds); });
    const auto step = [](int x) { return (x + 100.5f) / 201; };
    for (float r : {step(-100), 0.5f, 0.25f, step(60), 0.0f, 0.5f})
        feed(r);
    Flight start(2);
    start.setUp(VerticalStart::DownwardOrLevel);
    EXPECT_EQ(start.Tempo, 100);
    EXPECT_EQ(place(start[0]), Place(5617.5f, 1635, -100, 0));
    EXPECT_EQ(place(start[1]), Place(0, 3270, 60, 80));

    for (float r : {step(0), 0.5f, 0.25f, 0.75f, step(-98), 0.4999f, 0.75f, 0.0f, step(100), 0.9f, 0.0f, 0.0f})
        feed(r);
    Flight game(3);
    game.setUp(VerticalStart::EitherWay);
    EXPECT_EQ(place(game[0]), Place(2808.75f, 4905, 0, -100));
    EXPECT_EQ(place(game[1]), Place(8426.25f, 0, -98, 20));
    EXPECT_EQ(place(game[2]), Place(0, 0, 100, 0));
    EXPECT_EQ(reseeds, 2);
}

// Every butterfly starts inside the area above the floor and never stands
// past a border by a full step.
TEST_F(FlightTest, NothingLeavesTheAreaByAFullStepOverManyTicks)
{
    for (quint64 seed = 1; seed <= 80; ++seed) {
        platform::Random::instance().seed(seed);
        Flight flight(20);
        flight.setUp(seed % 2 ? VerticalStart::EitherWay : VerticalStart::DownwardOrLevel);
        for (int t = 0; t < 1000; ++t, flight.tick()) {
            for (int k = 0; k < 20; ++k) {
                const Butterfly &b = flight[k];
                const bool inside = t == 0 ? b.Left >= 0 && b.Left < 11235 && b.Top >= 0 && b.Top < 6540
                                           : b.Left > -100 && b.Left < 11335 && b.Top > -100 && b.Top < 6640;
                ASSERT_TRUE(inside)
                    << "seed " << seed << " tick " << t << ": " << b.Left << ", " << b.Top;
            }
        }
    }
}

} // namespace
