#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

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

// Written out so that its state can be kept, the twister draws exactly as
// the standard's mt19937 of the same seed, through many twists.
TEST(Random, TwisterIsTheStandardMt19937) {
    for (const std::uint64_t seed : {0ull, 5489ull, 12345ull, 86399999999ull}) {
        TwisterRandom rnd(seed);
        std::mt19937 standard(static_cast<std::mt19937::result_type>(seed));
        for (int k = 0; k < 5000; ++k) {
            ASSERT_EQ(rnd.Next(), static_cast<float>(standard() >> 8) / 16777216.0f) << seed << " draw " << k;
        }
    }
}

// A state given back mid-way goes on with the very draws the first one
// made, across the next twist, whatever the new one's own seed.
TEST(Random, TwisterGivenItsStateBackDrawsTheSame) {
    TwisterRandom first(2024);
    for (int k = 0; k < 1000; ++k) first.Next();
    const TwisterRandom::State kept = first.state();
    std::vector<float> drawn;
    for (int k = 0; k < 700; ++k) drawn.push_back(first.Next());
    TwisterRandom second(7);
    second.Restore(kept);
    for (int k = 0; k < 700; ++k) ASSERT_EQ(second.Next(), drawn[static_cast<std::size_t>(k)]) << k;
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
