// Random play from many seeds: presses and releases anywhere, every menu
// command, and ticks of whichever timer runs, with the game's invariants
// checked after every single event. ZORBEL_SOAK_EVENTS sets the total.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "play/PlayRig.h"
#include "support/Invariants.h"

namespace zorbel::test {
namespace {

constexpr long kDefaultSoakEvents = 800000;
constexpr int kSeeds = 40;

long SoakEvents() {
    if (const char* v = std::getenv("ZORBEL_SOAK_EVENTS")) {
        const long n = std::atol(v);
        if (n > 0) return n;
    }
    return kDefaultSoakEvents;
}

class Soak {
public:
    explicit Soak(std::uint64_t seed) : r(seed), pick(seed * 7919u + 13u) {}

    // One random event; its name, for the failure message.
    const char* Step() {
        Game& g = r.g;
        const Int roll = DrawBelow(pick, 100);
        if (roll < 45 && r.ui.mainOn) {
            tmrMain_Timer(g);
            return "tmrMain tick";
        }
        if (roll < 45 && r.ui.autoOn) {
            tmrAuto_Timer(g);
            return "tmrAuto tick";
        }
        if (roll < 70) {
            if (!pressed) {
                pressed = true;
                r.pointer.Press(g, DrawOneOf(pick, kCells));
                return "press";
            }
            pressed = false;
            r.pointer.Release(g, DrawBelow(pick, 8) == 0 ? 0 : DrawOneOf(pick, kCells));
            return "release";
        }
        if (roll < 82) {
            // The player's hinted move as a drag, when the hand is free.
            if (pressed) {
                pressed = false;
                r.pointer.Release(g, g.HintTo);
            } else if (g.FirstCell != 0 && g.FirstCell == g.HintFrom) {
                r.Click(g.HintTo);
            } else {
                r.Drag(g.HintFrom == 0 ? 1 : g.HintFrom, g.HintTo);
            }
            return "hinted drag";
        }
        switch (DrawBelow(pick, 18)) {
            case 0: mnuNew_Click(g); return "new game";
            case 1: case 2: case 3: mnuHelp_Click(g); return "hint";
            case 4: case 5: mnuAuto_Click(g); return "auto";
            case 6: mnuColors_Click(g, static_cast<Int>(5 + DrawBelow(pick, 4))); return "colours";
            case 7: case 8: case 9: case 10: {
                constexpr Int speeds[] = {100, 200, 250, 500, 1000};
                mnuSpeed_Click(g, speeds[DrawBelow(pick, 5)]);
                return "speed";
            }
            case 11: case 12: mnuFishOk_Click(g); return "active balls";
            case 13: case 14:
                // The item is disabled while active balls are off.
                if (g.ActiveBallsOn == 1) mnuFishStep_Click(g);
                return "active every move";
            default:
                // Long stretches of ticks let settles and automatic play run out.
                for (int k = 0; k < 20; ++k) {
                    if (r.ui.mainOn) {
                        tmrMain_Timer(g);
                    } else if (r.ui.autoOn) {
                        tmrAuto_Timer(g);
                    }
                }
                return "ticks";
        }
    }

    Rig r;
    Invariants invariants{r.g, r.ui};
    TwisterRandom pick;
    bool pressed = false;
};

TEST(Soak, RandomEventsKeepEveryInvariant) {
    const long total = SoakEvents();
    const auto start = std::chrono::steady_clock::now();
    long ticks = 0, swaps = 0;
    bool sawCap = false;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        Soak s(static_cast<std::uint64_t>(seed));
        if (seed % 3 == 0) s.r.g.Score = 31700;  // so that the cap is reached
        mnuNew_Click(s.r.g);
        ASSERT_EQ(s.invariants.Check(), "") << "seed " << seed << " at the start";
        for (long e = 0; e < total / kSeeds; ++e) {
            const bool wasSettling = s.r.ui.mainOn;
            const char* what = s.Step();
            const std::string broken = s.invariants.Check();
            ASSERT_EQ(broken, "") << "seed " << seed << ", event " << e << ": " << what;
            if (!wasSettling && s.r.ui.mainOn) ++swaps;
            ticks += what[0] == 't' ? 1 : 0;
            sawCap = sawCap || s.r.ui.exp == "Счёт: 32000+";
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak: %ld events from %d seeds in %.1f s, %ld settles started\n", total, kSeeds, seconds, swaps);
    EXPECT_GT(swaps, total / 200) << "the soak must actually play";
    EXPECT_GT(ticks, total / 10);
    EXPECT_TRUE(sawCap) << "the score cap was never reached";
}

// Played by hand to the cap: the hinted move each time, automatic play off.
TEST(ScoreCap, PlayerReachesItAndTheLabelShowsThePlus) {
    Rig r(21);
    r.g.Score = 31980;
    r.DealToRest();
    bool sawPlainBelowCap = false;
    for (int move = 0; move < 40; ++move) {
        r.Drag(r.g.HintFrom, r.g.HintTo);
        ASSERT_TRUE(r.ui.mainOn);
        r.SettleToRest();
        if (r.g.Score < kScoreCap) sawPlainBelowCap = sawPlainBelowCap || r.ui.exp == ScoreText(r.g.Score);
        ASSERT_LE(r.g.Score, kScoreCap);
    }
    EXPECT_TRUE(sawPlainBelowCap);
    EXPECT_EQ(r.g.Score, kScoreCap);
    EXPECT_EQ(r.ui.exp, "Счёт: 32000+");
}

}  // namespace
}  // namespace zorbel::test
