// Random play from many seeds: presses and releases anywhere, every menu
// command, and ticks of whichever timer runs, with the game's invariants
// checked after every single event. ZORBEL_SOAK_EVENTS sets the total.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "play/PlayRig.h"

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

std::string ScoreText(Int score) { return "Счёт: " + std::to_string(score) + (score == kScoreCap ? "+" : ""); }

class Soak {
public:
    explicit Soak(std::uint64_t seed) : r(seed), pick(seed * 7919u + 13u) {}

    // Returns the first broken rule, or an empty string.
    std::string Check() {
        const Game& g = r.g;
        const FakePlatform& ui = r.ui;
        for (Int i = 1; i <= kCells; ++i) {
            if (g.Marks[i] != 0 && g.Marks[i] != 1) return "mark not 0/1 at " + std::to_string(i);
            if (g.Active[i] < 0 || g.Active[i] > 16) return "lifetime out of range at " + std::to_string(i);
            if (g.Board[i] < 1 || g.Board[i] > g.ColorCount) return "board not full at " + std::to_string(i);
        }
        if (g.Score < lastScore || g.Score > kScoreCap) return "score went from " + std::to_string(lastScore) + " to " + std::to_string(g.Score);
        if (g.MoveCount < 0 || g.MoveCount > 550) return "move count " + std::to_string(g.MoveCount);
        if (g.SecondCell != 0) return "second cell left set";
        if (g.FirstCell < 0 || g.FirstCell > kCells || (g.FirstCell != 0 && g.Marks[g.FirstCell] != 1)) return "selection not marked";
        if (g.AutoMode < 0 || g.AutoMode > 2) return "auto mode " + std::to_string(g.AutoMode);
        if (g.AutoMode != 0 && ui.mainOn && ui.autoOn) return "both timers run during automatic play";
        if (g.AutoMode != 0 && !ui.mainOn && !ui.autoOn) return "automatic play stalled";
        if (g.AutoMode == 0 && ui.autoOn) return "tmrAuto runs with automatic play off";
        if (r.ui.checked[MenuItem::mnuAuto] != (g.AutoMode != 0)) return "mnuAuto check mark";
        for (const auto& o : kColorItems) {
            if (r.ui.checked[o.item] != (o.value == g.ColorCount)) return "colour check marks";
        }
        for (const auto& o : kSpeedItems) {
            if (r.ui.checked[o.item] != (o.value == g.TickMs)) return "speed check marks";
        }
        if (r.ui.checked[MenuItem::mnuFishOk] != (g.ActiveBallsOn == 1) ||
            r.ui.checked[MenuItem::mnuFishStep] != (g.ActiveEveryMove == 1))
            return "active ball check marks";
        if (ui.mainInterval != g.TickMs || ui.autoInterval != g.TickMs) return "timer intervals";
        if (ui.expWrites != 0 && ui.exp != ScoreText(g.Score)) return "score label " + ui.exp;
        if (ui.steps != (g.MoveCount == 0 ? std::string("Ходов нет!") : "Ходов: " + std::to_string(g.MoveCount)))
            return "moves label " + ui.steps;
        if (scoredDuringAuto) return "points while the game played itself";
        if (!ui.mainOn && !ui.autoOn) {
            if (HasLine(g) != 0) return "a line at rest";
            for (Int i = 1; i <= kCells; ++i) {
                if (g.Marks[i] != (i == g.FirstCell ? 1 : 0)) return "a mark at rest other than the selection at " + std::to_string(i);
            }
            if (g.HintFrom < 1 || !AreNeighbours(g.HintFrom, g.HintTo)) return "no hint move at rest";
            GameState trial = g;
            trial.Board[g.HintTo] = g.Board[g.HintFrom];
            trial.Board[g.HintFrom] = 0;
            if (HasLine(trial) != 1) return "the hint move makes no line";
        }
        lastScore = g.Score;
        return {};
    }

    // One random event; its name, for the failure message.
    const char* Step() {
        Game& g = r.g;
        const Int roll = DrawBelow(pick, 100);
        if (roll < 45 && r.ui.mainOn) {
            MainTick();
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
                        MainTick();
                    } else if (r.ui.autoOn) {
                        tmrAuto_Timer(g);
                    }
                }
                return "ticks";
        }
    }

    void MainTick() {
        const bool playingItself = r.g.AutoMode != 0;
        const Int before = r.g.Score;
        tmrMain_Timer(r.g);
        scoredDuringAuto = scoredDuringAuto || (playingItself && r.g.Score != before);
    }

    Rig r;
    TwisterRandom pick;
    bool pressed = false;
    bool scoredDuringAuto = false;
    Int lastScore = 0;
};

TEST(Soak, RandomEventsKeepEveryInvariant) {
    const long total = SoakEvents();
    const auto start = std::chrono::steady_clock::now();
    long ticks = 0, swaps = 0;
    bool sawCap = false;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        Soak s(static_cast<std::uint64_t>(seed));
        if (seed % 3 == 0) s.r.g.Score = s.lastScore = 31700;  // so that the cap is reached
        mnuNew_Click(s.r.g);
        ASSERT_EQ(s.Check(), "") << "seed " << seed << " at the start";
        for (long e = 0; e < total / kSeeds; ++e) {
            const bool wasSettling = s.r.ui.mainOn;
            const char* what = s.Step();
            const std::string broken = s.Check();
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
