#include "fuzz/EventStream.h"

#include <array>
#include <deque>

#include "engine/Engine.h"
#include "options/Options.h"
#include "play/Play.h"
#include "support/FakePlatform.h"
#include "support/Invariants.h"

namespace zorbel::test {

namespace {

enum Kind : int {
    Press, Release, Drag, HintedMove, Tick, Ticks, Hint, NewGame,
    Colours, Speed, ActiveBalls, ActiveEveryMove, Auto, Draws, Symbols,
    kKinds
};
constexpr std::array<const char*, kKinds> kKindNames{
    "press", "release", "drag", "hinted move", "tick", "ticks", "hint", "new game",
    "colours", "speed", "active balls", "active every move", "auto", "draws", "symbols",
};

constexpr std::uint8_t kNearCapFlag = 0x80;
constexpr std::uint8_t kSeedBits = 0x7f;
constexpr Int kNearCap = kScoreCap - 20;
constexpr int kCellCodes = 160;
constexpr int kDragTargets = 5;
constexpr int kTicksPerStep = 8;
constexpr int kMaxTicks = 1000;  // a game's ticks, so that no input runs long
constexpr int kColourChoices = 4;
constexpr int kFewestColours = 5;
constexpr float kByteToR = 1.0f / 256.0f;
constexpr std::array<Int, kDragTargets> kDragSteps{-1, 1, -kColumns, kColumns, 0};

// The draws the input chose, in order; past them a seeded twister, so that
// the game never runs short of numbers and every loop that draws until it
// likes the result ends.
class InputRandom final : public RandomSource {
public:
    void Seed(std::uint64_t seed) { fallback_ = TwisterRandom(seed); }
    void Push(std::uint8_t byte) { chosen_.push_back(static_cast<float>(byte) * kByteToR); }
    float Next() override {
        if (chosen_.empty()) return fallback_.Next();
        const float r = chosen_.front();
        chosen_.pop_front();
        return r;
    }

private:
    std::deque<float> chosen_;
    TwisterRandom fallback_{0};
};

class Player {
public:
    Player(const std::uint8_t* data, std::size_t size) : at_(data), end_(data + size) {}

    std::string Play() {
        int header = 0;
        if (!Take(header)) return {};
        rnd_.Seed(static_cast<std::uint64_t>(header & kSeedBits));
        if ((header & kNearCapFlag) != 0) g_.Score = kNearCap;
        SetDefaults(g_);
        mnuNew_Click(g_);
        std::string broken = invariants_.Check();
        if (!broken.empty()) return "the first game: " + broken;
        for (int event = 1; at_ != end_ && broken.empty(); ++event) {
            const int op = *at_++;
            const Kind kind = static_cast<Kind>(op % kKinds);
            broken = Event(kind, op / kKinds);
            if (!broken.empty()) broken = "event " + std::to_string(event) + " (" + kKindNames[kind] + "): " + broken;
        }
        return broken;
    }

private:
    bool Take(int& byte) {
        if (at_ == end_) return false;
        byte = *at_++;
        return true;
    }
    bool TakeCell(Int& cell) {
        int byte = 0;
        if (!Take(byte)) return false;
        cell = static_cast<Int>(byte % kCellCodes);
        return true;
    }

    // One tick of whichever timer runs; false when neither runs or the
    // game has had all its ticks.
    bool TickOnce() {
        if (ticks_ == kMaxTicks) return false;
        if (ui_.mainOn) {
            tmrMain_Timer(g_);
        } else if (ui_.autoOn) {
            tmrAuto_Timer(g_);
        } else {
            return false;
        }
        ++ticks_;
        return true;
    }

    // Returns the broken invariant, if any; the ticks of a run are checked
    // one by one.
    std::string Event(Kind kind, int p) {
        Int cell = 0;
        switch (kind) {
            case Press:
                if (TakeCell(cell)) pointer_.Press(g_, cell, p);
                break;
            case Release:
                if (TakeCell(cell)) pointer_.Release(g_, cell, p);
                break;
            case Drag:
                if (TakeCell(cell)) {
                    const int button = p / kDragTargets;
                    pointer_.Press(g_, cell, button);
                    pointer_.Release(g_, static_cast<Int>(cell + kDragSteps[static_cast<std::size_t>(p % kDragTargets)]), button);
                }
                break;
            case HintedMove:
                // With the hinted cell already selected a press there would
                // be turned away: a click on its partner makes the move.
                pointer_.Press(g_, g_.FirstCell != 0 && g_.FirstCell == g_.HintFrom ? g_.HintTo : g_.HintFrom);
                pointer_.Release(g_, g_.HintTo);
                break;
            case Tick:
                TickOnce();
                break;
            case Ticks:
                for (int k = 0; k < kTicksPerStep * (p + 1) && TickOnce(); ++k) {
                    std::string broken = invariants_.Check();
                    if (!broken.empty()) return "tick " + std::to_string(k + 1) + ": " + broken;
                }
                break;
            case Hint: mnuHelp_Click(g_); break;
            case NewGame: mnuNew_Click(g_); break;
            case Colours: mnuColors_Click(g_, static_cast<Int>(kFewestColours + p % kColourChoices)); break;
            case Speed: mnuSpeed_Click(g_, kSpeedItems[static_cast<std::size_t>(p) % kSpeedItems.size()].value); break;
            case ActiveBalls: mnuFishOk_Click(g_); break;
            case ActiveEveryMove:
                // The item is disabled while active balls are off.
                if (g_.ActiveBallsOn == 1) mnuFishStep_Click(g_);
                break;
            case Auto: mnuAuto_Click(g_); break;
            case Draws: {
                int byte = 0;
                for (int k = 0; k <= p && Take(byte); ++k) rnd_.Push(static_cast<std::uint8_t>(byte));
                break;
            }
            case Symbols: mnuSymbols_Click(g_); break;
            case kKinds: break;
        }
        return invariants_.Check();
    }

    FakePlatform ui_;
    InputRandom rnd_;
    Game g_{rnd_, ui_};
    BoardPointer pointer_;
    Invariants invariants_{g_, ui_};
    const std::uint8_t* at_;
    const std::uint8_t* end_;
    int ticks_ = 0;
};

}  // namespace

std::string PlayEventStream(const std::uint8_t* data, std::size_t size) { return Player(data, size).Play(); }

}  // namespace zorbel::test
