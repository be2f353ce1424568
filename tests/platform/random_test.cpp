#include "platform/random.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class RandomTest : public testing_support::GlobalsTest
{
protected:
    platform::Random &random = platform::Random::instance();
};

// Tests fix every draw by a seed, or feed the values to come: fed values
// come first, a reseed keeps them, a seed drops them.
TEST_F(RandomTest, BetweenGivesEveryWholeNumberOfTheRangeAndFedValuesComeFirst)
{
    random.seed(7);
    const float first = random.next();
    std::set<int> seen;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f) << r;
        seen.insert(random.between(2, 8));
    }
    EXPECT_EQ(seen, (std::set<int> {2, 3, 4, 5, 6, 7, 8}));
    random.feed({0.0f, 0.5f, 0.99999994f, 0.75f});
    random.reseed();
    EXPECT_EQ(random.between(1, 24), 1);
    EXPECT_EQ(random.between(1, 24), 13);
    EXPECT_EQ(random.between(1, 24), 24);
    random.seed(7);
    EXPECT_EQ(random.next(), first);
}

// The games reseed several times within one microsecond. A generator
// restarted from the clock would give the same value each time.
TEST_F(RandomTest, ReseedingWithAFrozenClockNeverRepeatsTheLastValue)
{
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

} // namespace
