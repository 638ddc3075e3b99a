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

float TwisterRandom::Next() {
    constexpr float kStep = 1.0f / 16777216.0f;  // 2^-24
    return static_cast<float>(engine_() >> 8) * kStep;
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
