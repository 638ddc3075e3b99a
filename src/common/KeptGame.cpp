#include "common/KeptGame.h"

#include <array>
#include <cstdint>
#include <limits>
#include <utility>

#include "engine/Engine.h"
#include "options/Options.h"

namespace zorbel {

namespace {

// Names the format; a change of the fields below takes the next number.
constexpr std::string_view kVersion = "zorbel-game 1";
constexpr Int kMostMoves = 550;  // every cell's four moves, less those off the edges
constexpr Int kLongestLifetime = kMinLifetime + kLifetimeSpan - 1;
constexpr std::int64_t kLargestWord = std::numeric_limits<std::uint32_t>::max();
// FNV-1a over the text: a value changed by hand or cut short reads as damaged.
constexpr std::uint32_t kHashBasis = 2166136261u;
constexpr std::uint32_t kHashPrime = 16777619u;

std::uint32_t Hash(std::string_view text) {
    std::uint32_t h = kHashBasis;
    for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * kHashPrime;
    return h;
}

// Whole numbers from 0 up, in decimal, each after a space. Written out by
// hand: the standard's conversions would add a fifth to the browser
// edition's download.
class Writer {
public:
    template <class T>
    void Field(const T& value, std::int64_t, std::int64_t) {
        Put(static_cast<std::uint32_t>(value));
    }
    template <std::size_t N>
    void OneOf(const Int& value, const std::array<OptionItem, N>&) { Put(static_cast<std::uint32_t>(value)); }
    void Put(std::uint32_t v);
    std::string text{kVersion};
};

void Writer::Put(std::uint32_t v) {
    std::array<char, 10> digits{};
    std::size_t n = 0;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    text += ' ';
    while (n > 0) text += digits[--n];
}

class Reader {
public:
    explicit Reader(std::string_view fields) : rest(fields) {}
    template <class T>
    void Field(T& value, std::int64_t low, std::int64_t high) {
        value = static_cast<T>(Take(low, high));
    }
    template <std::size_t N>
    void OneOf(Int& value, const std::array<OptionItem, N>& items) {
        value = static_cast<Int>(Take(0, std::numeric_limits<Int>::max()));
        bool found = false;
        for (const auto& o : items) found = found || o.value == value;
        ok = ok && found;
    }
    // The next number if it lies in low..high; else `ok` turns false.
    std::int64_t Take(std::int64_t low, std::int64_t high);
    std::string_view rest;
    bool ok = true;
};

std::int64_t Reader::Take(std::int64_t low, std::int64_t high) {
    constexpr std::size_t kMostDigits = 10;  // a 32-bit word's; a longer number leaves a digit behind, and fails next
    std::size_t n = 1;
    std::int64_t v = 0;
    while (n < rest.size() && n <= kMostDigits && rest[n] >= '0' && rest[n] <= '9') v = v * 10 + (rest[n++] - '0');
    if (rest.empty() || rest[0] != ' ' || n == 1 || v < low || v > high) {
        ok = false;
        return low;
    }
    rest.remove_prefix(n);
    return v;
}

// Every field in its order, with its range: the one list both directions
// follow. A field's range may depend on one read before it.
template <class Io, class Kept>
void Fields(Io& io, Kept& k) {
    auto& s = k.record;
    io.Field(k.settling, 0, 1);
    io.Field(k.autoTicking, 0, 1);
    io.Field(k.scoreShown, 0, 1);
    io.Field(k.cursor, 0, kCells);
    io.OneOf(s.ColorCount, kColorItems);
    io.OneOf(s.TickMs, kSpeedItems);
    io.Field(s.ActiveBallsOn, 0, 1);
    io.Field(s.ActiveEveryMove, 0, 1);
    io.Field(s.SymbolsOn, 0, 1);
    io.Field(s.AutoMode, 0, 2);
    io.Field(s.FirstCell, 0, kCells);
    io.Field(s.SecondCell, 0, kCells);
    io.Field(s.MoveCount, 0, kMostMoves);
    io.Field(s.HintFrom, 0, kCells);
    io.Field(s.HintTo, 0, kCells);
    io.Field(s.Score, 0, kScoreCap);
    for (Int i = 1; i <= kCells; ++i) io.Field(s.Board[i], 0, s.ColorCount);
    for (Int i = 1; i <= kCells; ++i) io.Field(s.Marks[i], 0, 1);
    for (Int i = 1; i <= kCells; ++i) io.Field(s.Active[i], 0, kLongestLifetime);
    io.Field(k.random.next, 0, TwisterRandom::kWords);
    for (auto& word : k.random.words) io.Field(word, 0, kLargestWord);
}

}  // namespace

// The version, the fields, then the hash of all that before it.
std::string WriteKeptGame(const KeptGame& k) {
    Writer w;
    Fields(w, k);
    w.Field(Hash(w.text), 0, 0);
    return std::move(w.text);
}

std::optional<KeptGame> ReadKeptGame(std::string_view text) {
    const std::size_t last = text.rfind(' ');
    if (last == std::string_view::npos || text.substr(0, kVersion.size()) != kVersion) return std::nullopt;
    const std::string_view body = text.substr(0, last);
    Reader hash(text.substr(last));
    std::uint32_t written = 0;
    hash.Field(written, 0, kLargestWord);
    if (!hash.ok || !hash.rest.empty() || written != Hash(body)) return std::nullopt;
    KeptGame k;
    Reader r(body.substr(kVersion.size()));
    Fields(r, k);
    if (!r.ok || !r.rest.empty()) return std::nullopt;
    return k;
}

}  // namespace zorbel
