#include "engine/Random.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace zorbel {

Int DrawBelow(RandomSource& rnd, Int n) {
    const double r = static_cast<double>(rnd.Next());
    const auto k = static_cast<long>(static_cast<double>(n) * r);
    return static_cast<Int>(std::clamp<long>(k, 0, std::max<long>(n - 1, 0)));
}

namespace {

// The parameters of mt19937.
constexpr std::uint32_t kSeedMultiplier = 1812433253u;
constexpr std::size_t kMiddle = 397;
constexpr std::uint32_t kTwistMatrix = 0x9908b0dfu;
constexpr std::uint32_t kUpperBit = 0x80000000u;
constexpr std::uint32_t kLowerBits = 0x7fffffffu;
constexpr std::uint32_t kTemperB = 0x9d2c5680u;
constexpr std::uint32_t kTemperC = 0xefc60000u;

}  // namespace

// As std::mt19937 seeds itself from a number: its low 32 bits.
TwisterRandom::TwisterRandom(std::uint64_t seed) {
    auto& w = state_.words;
    w[0] = static_cast<std::uint32_t>(seed);
    for (std::size_t i = 1; i < kWords; ++i) {
        w[i] = kSeedMultiplier * (w[i - 1] ^ (w[i - 1] >> 30)) + static_cast<std::uint32_t>(i);
    }
}

void TwisterRandom::Twist() {
    auto& w = state_.words;
    for (std::size_t i = 0; i < kWords; ++i) {
        const std::uint32_t y = (w[i] & kUpperBit) | (w[(i + 1) % kWords] & kLowerBits);
        w[i] = w[(i + kMiddle) % kWords] ^ (y >> 1) ^ ((y & 1u) != 0 ? kTwistMatrix : 0u);
    }
    state_.next = 0;
}

std::uint32_t TwisterRandom::Word() {
    if (state_.next >= kWords) Twist();
    std::uint32_t y = state_.words[state_.next++];
    y ^= y >> 11;
    y ^= (y << 7) & kTemperB;
    y ^= (y << 15) & kTemperC;
    y ^= y >> 18;
    return y;
}

float TwisterRandom::Next() {
    constexpr float kStep = 1.0f / 16777216.0f;  // 2^-24
    return static_cast<float>(Word() >> 8) * kStep;
}

std::uint64_t TimeOfDaySeed() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    // std::localtime is the one spelling every platform has; the game reads
    // the clock once, at start-up, on its only thread.
    std::tm local{};
    if (const std::tm* now_local = std::localtime(&t)) local = *now_local;
    const auto micros = duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000;
    return TimeOfDaySeed(static_cast<std::int32_t>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec),
                         static_cast<std::uint64_t>(micros));
}

std::uint64_t TimeOfDaySeed(std::int32_t secondsSinceMidnight, std::uint64_t micros) {
    return static_cast<std::uint64_t>(secondsSinceMidnight) * 1000000u + micros % 1000000u;
}

}  // namespace zorbel
