#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Random.h"
#include "support/FakePlatform.h"

namespace zorbel {

TEST(Random, ChoiceStaysInRangeForTheLargestFloatBelowOne) {
    const float largest = std::nextafter(1.0f, 0.0f);
    for (Int n = 1; n <= 150; ++n) {
        test::ScriptedRandom rnd{largest, 0.0f, 1.0f};
        EXPECT_EQ(DrawOneOf(rnd, n), n) << n;
        EXPECT_EQ(DrawOneOf(rnd, n), 1) << n;
        EXPECT_EQ(DrawOneOf(rnd, n), n) << "a source returning 1 must not step past n";
    }
}

TEST(Random, TwisterNeverReachesOne) {
    TwisterRandom rnd(12345);
    float lo = 1.0f, hi = 0.0f;
    for (int k = 0; k < 200000; ++k) {
        const float r = rnd.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lo = std::min(lo, r);
        hi = std::max(hi, r);
    }
    EXPECT_LT(lo, 0.001f);
    EXPECT_GT(hi, 0.999f);
}

TEST(Random, PickHelperLandsOnEachChoice) {
    for (int n : {5, 8, 10, 11, 15, 150}) {
        for (int k = 1; k <= n; ++k) {
            test::ScriptedRandom rnd{test::Pick(k, n)};
            EXPECT_EQ(DrawOneOf(rnd, static_cast<Int>(n)), k);
        }
    }
}

// The browser hands over its own clock reading: the last second of the day
// and a reading that strays past a whole second both stay within the day.
TEST(Random, TimeOfDaySeedFromAClockReadElsewhere) {
    EXPECT_EQ(TimeOfDaySeed(0, 0), 0u);
    EXPECT_EQ(TimeOfDaySeed(86399, 999999), 86399999999u);
    EXPECT_EQ(TimeOfDaySeed(3600, 1250000), 3600250000u);
}

}  // namespace zorbel
