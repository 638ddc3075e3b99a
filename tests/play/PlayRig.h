#pragma once
// A game on the fake window, with the pointer and the helpers the play and
// option tests share. Ticks are given by hand.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/Engine.h"
#include "options/Options.h"
#include "play/Play.h"
#include "support/FakePlatform.h"

namespace zorbel::test {

// Scripted draws first, then a seeded twister: a scripted board can still
// settle, where a constant draw would spin in the refill forever.
class ScriptThenTwister : public RandomSource {
public:
    explicit ScriptThenTwister(std::uint64_t seed) : twister(seed) {}
    float Next() override {
        if (script.empty()) return twister.Next();
        const float r = script.front();
        script.pop_front();
        return r;
    }
    std::deque<float> script;
    TwisterRandom twister;
};

inline std::string CheckEntry(MenuItem m, bool on) {
    return "check " + std::to_string(static_cast<int>(m)) + (on ? " on" : " off");
}
inline std::string EnableEntry(MenuItem m, bool on) {
    return "enable " + std::to_string(static_cast<int>(m)) + (on ? " on" : " off");
}

// Colour of the quiet pattern: any two cells within two steps of each other
// along a row or a column differ, so the board has no line and no move.
inline Int PatternColour(Int i) { return static_cast<Int>((ColumnOf(i) + 2 * RowOf(i)) % 5 + 1); }

struct Rig {
    explicit Rig(std::uint64_t seed = 1) : rnd(seed), g(rnd, ui) { SetDefaults(g); }

    FakePlatform ui;
    ScriptThenTwister rnd;
    Game g;
    BoardPointer pointer;

    // A board at rest with no move at all, in colours 1..5 of 8, so that
    // colours 6..8 can be painted in to make exactly the moves a test wants.
    void QuietBoard() {
        g.ColorCount = 8;
        for (Int i = 1; i <= kCells; ++i) {
            g.Board[i] = PatternColour(i);
            g.Marks[i] = 0;
            g.Active[i] = 0;
        }
        g.FirstCell = g.SecondCell = g.HintFrom = g.HintTo = g.MoveCount = 0;
    }
    void Paint(std::initializer_list<std::pair<Int, Int>> cells) {
        for (const auto& [cell, colour] : cells) g.Board[cell] = colour;
        ASSERT_EQ(HasLine(g), 0) << "the painted board must be quiet";
    }

    // A dealt board at rest with a move known.
    void DealToRest() {
        mnuNew_Click(g);
        SettleToRest();
        ASSERT_NE(g.HintFrom, 0);
    }

    void Click(Int cell) { Drag(cell, cell); }
    void Drag(Int from, Int to) {
        pointer.Press(g, from);
        pointer.Release(g, to);
    }
    int SettleToRest(int limit = 1000) {
        int ticks = 0;
        while (ui.mainOn && ticks < limit) {
            tmrMain_Timer(g);
            ++ticks;
        }
        EXPECT_FALSE(ui.mainOn) << "the settle cycle did not end";
        return ticks;
    }
    // One tick of whichever timer runs; false when neither does.
    bool Tick() {
        if (ui.mainOn) {
            tmrMain_Timer(g);
        } else if (ui.autoOn) {
            tmrAuto_Timer(g);
        } else {
            return false;
        }
        return true;
    }
    // Every check mark and interval agrees with the option in force.
    void ExpectMenuMatchesOptions() {
        for (const auto& o : kColorItems) EXPECT_EQ(ui.checked[o.item], o.value == g.ColorCount) << o.value;
        for (const auto& o : kSpeedItems) EXPECT_EQ(ui.checked[o.item], o.value == g.TickMs) << o.value;
        EXPECT_EQ(ui.checked[MenuItem::mnuFishOk], g.ActiveBallsOn == 1);
        EXPECT_EQ(ui.checked[MenuItem::mnuFishStep], g.ActiveEveryMove == 1);
        EXPECT_EQ(ui.enabled.count(MenuItem::mnuFishStep) == 0 || ui.enabled[MenuItem::mnuFishStep], g.ActiveBallsOn == 1);
        EXPECT_EQ(ui.checked[MenuItem::mnuAuto], g.AutoMode != 0);
        EXPECT_EQ(ui.mainInterval, g.TickMs);
        EXPECT_EQ(ui.autoInterval, g.TickMs);
        // A window that takes the game back shows the same from the record.
        for (int m = 0; m <= static_cast<int>(MenuItem::mnuSymbols); ++m) {
            const auto item = static_cast<MenuItem>(m);
            EXPECT_EQ(ItemChecked(g, item), ui.checked[item]) << m;
            EXPECT_EQ(ItemEnabled(g, item), ui.enabled.count(item) == 0 || ui.enabled[item]) << m;
        }
    }
    void Forget() {
        ui.log.clear();
        ui.draws = 0;
    }
    std::vector<Int> MarkedCells() const {
        std::vector<Int> cells;
        for (Int i = 1; i <= kCells; ++i) {
            if (g.Marks[i] != 0) cells.push_back(i);
        }
        return cells;
    }
};

}  // namespace zorbel::test
