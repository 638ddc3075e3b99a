#pragma once
// The one source of randomness. Every draw is a uniform single-precision
// r with 0 <= r < 1; tests replace the source to script exact values.
#include <cstdint>
#include <random>

#include "engine/GameState.h"

namespace zorbel {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float Next() = 0;  // 0 <= r < 1
};

// Int(n * r): 0..n-1. Computed in double and clamped, so that neither a
// source returning 1 nor a float rounding up can step past n - 1.
Int DrawBelow(RandomSource& rnd, Int n);
// Int(n * r) + 1: a choice among n things, 1..n.
inline Int DrawOneOf(RandomSource& rnd, Int n) { return static_cast<Int>(DrawBelow(rnd, n) + 1); }

// The production source: a Mersenne twister whose 24 high bits make r, so
// r is a multiple of 2^-24 and never reaches 1.
class TwisterRandom final : public RandomSource {
public:
    explicit TwisterRandom(std::uint64_t seed) : engine_(seed) {}
    float Next() override;

private:
    std::mt19937 engine_;
};

// Seed taken from the time of day: seconds since midnight with their fraction.
std::uint64_t TimeOfDaySeed();
// The same from a clock read elsewhere: whole local seconds since midnight
// and the microseconds of the current second.
std::uint64_t TimeOfDaySeed(std::int32_t secondsSinceMidnight, std::uint64_t micros);

}  // namespace zorbel
