#include "platform/random.h"

#include <gtest/gtest.h>

#include <set>

using platform::Random;

namespace {

class RandomTest : public ::testing::Test
{
protected:
    void TearDown() override { Random::instance().setClockSource({}); }
};

TEST_F(RandomTest, ValuesLieInTheHalfOpenUnitInterval)
{
    Random &random = Random::instance();
    random.seed(1);
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST_F(RandomTest, BetweenCoversEveryWholeNumberOfTheRangeAndNothingElse)
{
    Random &random = Random::instance();
    random.seed(7);
    std::set<int> seen;
    for (int i = 0; i < 10000; ++i) {
        const int n = random.between(2, 8);
        ASSERT_GE(n, 2);
        ASSERT_LE(n, 8);
        seen.insert(n);
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST_F(RandomTest, BetweenRoundsDownLikeIntOfTheScaledValue)
{
    Random &random = Random::instance();
    random.feed({0.0f, 0.5f, 0.99999994f});
    EXPECT_EQ(random.between(1, 24), 1);
    EXPECT_EQ(random.between(1, 24), 13);
    EXPECT_EQ(random.between(1, 24), 24);
}

TEST_F(RandomTest, ReseedingWithAFrozenClockNeverRepeatsTheLastValue)
{
    // The games reseed several times within one microsecond. A generator
    // restarted from the clock would give the same value each time.
    Random &random = Random::instance();
    random.seed(42);
    random.setClockSource([] { return quint64(123456789); });
    float previous = -1;
    std::set<float> values;
    for (int i = 0; i < 10000; ++i) {
        random.reseed();
        const float r = random.next();
        ASSERT_NE(r, previous) << "at draw " << i;
        previous = r;
        values.insert(r);
    }
    EXPECT_GT(values.size(), 9990u);
}

TEST_F(RandomTest, TheSameSeedGivesTheSameSequence)
{
    Random &random = Random::instance();
    random.seed(99);
    const float a1 = random.next();
    const float a2 = random.next();
    random.seed(99);
    EXPECT_EQ(random.next(), a1);
    EXPECT_EQ(random.next(), a2);
}

TEST_F(RandomTest, FedValuesComeFirstThenTheGeneratorGoesOn)
{
    Random &random = Random::instance();
    random.seed(5);
    const float own = random.next();
    random.seed(5);
    random.feed({0.25f, 0.75f});
    EXPECT_EQ(random.next(), 0.25f);
    random.reseed(); // a reseed does not drop fed values
    EXPECT_EQ(random.next(), 0.75f);
    random.seed(5);
    EXPECT_EQ(random.next(), own);
}

} // namespace
