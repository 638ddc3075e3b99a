#pragma once
// The one source of randomness. Every draw is a uniform single-precision
// r with 0 <= r < 1; tests replace the source to script exact values.
#include <array>
#include <cstdint>

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
// r is a multiple of 2^-24 and never reaches 1. It is the standard's
// mt19937, word for word, written out so that its state can be read and
// given back: a game kept by the browser tab goes on after a reload with
// the very draws it would have made.
class TwisterRandom final : public RandomSource {
public:
    static constexpr std::size_t kWords = 624;
    struct State {
        std::array<std::uint32_t, kWords> words{};
        std::uint32_t next = kWords;  // the word the next draw tempers; kWords: all used, twist first
    };

    explicit TwisterRandom(std::uint64_t seed);
    float Next() override;
    const State& state() const { return state_; }
    void Restore(const State& s) { state_ = s; }

private:
    std::uint32_t Word();
    void Twist();
    State state_;
};

// Seed taken from the time of day: seconds since midnight with their fraction.
std::uint64_t TimeOfDaySeed();
// The same from a clock read elsewhere: whole local seconds since midnight
// and the microseconds of the current second.
std::uint64_t TimeOfDaySeed(std::int32_t secondsSinceMidnight, std::uint64_t micros);

}  // namespace zorbel
