// One scripted game, played alike by the native build and by the
// WebAssembly build under Node.js (tests/web/same_game.sh compares them):
// presses and releases with several buttons, drags, moves the hint shows,
// ticks of whichever timer runs and every menu command, with the game
// record, labels, timers, menu marks and every random draw printed after
// each event. Any rule that differs between the two builds shows up as the
// first line where the traces part. Before the game, the language rule's
// cases (tests/common/LanguageCases.h): each answer is traced, and one that
// is not the case's fails the run, in either build.
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

#include "common/Language.h"
#include "common/LanguageCases.h"
#include "common/MenuTable.h"
#include "engine/Engine.h"
#include "options/Options.h"
#include "play/Play.h"
#include "support/FakePlatform.h"

using namespace zorbel;

namespace {

constexpr std::uint64_t kGameSeed = 20240607;
constexpr std::uint32_t kScriptSeed = 77;
constexpr int kEvents = 4000;
constexpr int kCellCodes = 160;  // 1..150 are cells, the rest lie off the grid
constexpr int kButtons = 3;
constexpr int kMaxTicks = 12;
constexpr std::uint32_t kDrawScale = 1u << 24;

// The script's own choices: a tiny generator, the same in every build.
class Script {
public:
    int Below(int n) {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(n));
    }

private:
    std::uint32_t state_ = kScriptSeed;
};

// The game's own generator, each draw written into the trace.
class TracedRandom final : public RandomSource {
public:
    float Next() override {
        const float r = twister_.Next();
        std::printf("r%u\n", static_cast<unsigned>(r * static_cast<float>(kDrawScale)));
        return r;
    }

private:
    TwisterRandom twister_{kGameSeed};
};

char Digit(int v) { return "0123456789abcdefghijklmnopqrstuvwxyz"[v < 0 || v > 35 ? 35 : v]; }

std::string Cells(const CellArray& cells) {
    std::string s;
    for (Int i = 1; i <= kCells; ++i) s += Digit(cells[i]);
    return s;
}

class Player {
public:
    int Play() {
        SetDefaults(g_);
        mnuNew_Click(g_);
        Trace("start");
        for (int event = 0; event < kEvents; ++event) Event();
        // The script must have reached what it is meant to compare.
        std::size_t commands = 0;
        for (const MenuEntry& e : MenuEntries()) commands += e.command != Command::None;
        const bool complete = commands_.size() == commands && g_.Score > 0 && moves_ > 0;
        std::printf("commands %zu, score %d, moves %d\n", commands_.size(), g_.Score, moves_);
        return complete ? 0 : 1;
    }

private:
    Int AnyCell() { return static_cast<Int>(script_.Below(kCellCodes)); }

    void Tick() {
        if (ui_.mainOn) {
            tmrMain_Timer(g_);
        } else if (ui_.autoOn) {
            tmrAuto_Timer(g_);
        }
    }

    void Event() {
        const int kind = script_.Below(100);
        if (kind < 15) {
            const int button = script_.Below(kButtons);
            const Int cell = AnyCell();
            pointer_.Press(g_, cell, button);
            Trace("press " + std::to_string(cell) + " " + std::to_string(button));
        } else if (kind < 30) {
            const int button = script_.Below(kButtons);
            const Int cell = AnyCell();
            pointer_.Release(g_, cell, button);
            Trace("release " + std::to_string(cell) + " " + std::to_string(button));
        } else if (kind < 40) {
            const Int from = AnyCell();
            const Int to = static_cast<Int>(from + (script_.Below(2) != 0 ? 1 : kColumns));
            pointer_.Press(g_, from, 0);
            pointer_.Release(g_, to, 0);
            Trace("drag " + std::to_string(from) + " " + std::to_string(to));
        } else if (kind < 55) {
            // The hinted move as two clicks, which settles more often than chance.
            const Int from = g_.HintFrom;
            const Int to = g_.HintTo;
            for (const Int cell : {from, to}) {
                pointer_.Press(g_, cell, 0);
                pointer_.Release(g_, cell, 0);
            }
            if (ui_.mainOn) ++moves_;
            Trace("hinted " + std::to_string(from) + " " + std::to_string(to));
        } else if (kind < 92) {
            const int ticks = 1 + script_.Below(kMaxTicks);
            for (int k = 0; k < ticks; ++k) {
                Tick();
                Trace("tick");
            }
        } else {
            Command();
        }
    }

    // A menu item as the window gives it: a disabled one does nothing.
    void Command() {
        const auto entries = MenuEntries();
        const std::size_t k = static_cast<std::size_t>(script_.Below(static_cast<int>(entries.size())));
        const MenuEntry& e = entries[k];
        if (e.command == Command::None) return;
        if (e.item && ui_.enabled.count(*e.item) != 0 && !ui_.enabled[*e.item]) return;
        RunMenuCommand(g_, e);
        commands_.insert(k);
        Trace(std::string("menu ") + e.name);
    }

    void Trace(const std::string& event) {
        std::string marks;
        for (const auto& [item, on] : ui_.checked) marks += on ? Digit(static_cast<int>(item)) : '-';
        std::printf("%s|%s|%s|%s|%d %d %d %d %d %d %d %d %d %d %d %d|%d/%d %d/%d|%s|%s|%s\n", event.c_str(),
                    Cells(g_.Board).c_str(), Cells(g_.Marks).c_str(), Cells(g_.Active).c_str(), g_.FirstCell,
                    g_.SecondCell, g_.ColorCount, g_.MoveCount, g_.HintFrom, g_.HintTo, g_.Score, g_.TickMs,
                    g_.AutoMode, g_.ActiveBallsOn, g_.ActiveEveryMove, g_.SymbolsOn, ui_.mainOn, ui_.mainInterval,
                    ui_.autoOn, ui_.autoInterval, ui_.steps.c_str(), ui_.exp.c_str(), marks.c_str());
    }

    Script script_;
    test::FakePlatform ui_;
    TracedRandom rnd_;
    Game g_{rnd_, ui_};
    BoardPointer pointer_;
    std::set<std::size_t> commands_;
    int moves_ = 0;
};

// Returns how many cases the rule answers otherwise.
int CheckLanguages() {
    int wrong = 0;
    for (const test::LanguageCase& c : test::kLanguageCases) {
        std::string wanted;
        for (const std::string& p : c.preferred) wanted += p + ' ';
        const std::string chosen = ChooseLanguage(c.preferred, test::kShippedLanguages);
        std::printf("language %s-> %s\n", wanted.c_str(), chosen.c_str());
        if (chosen != c.chosen) std::fprintf(stderr, "FAIL: %s-> %s, not %s\n", wanted.c_str(), chosen.c_str(), c.chosen);
        wrong += chosen != c.chosen;
    }
    for (const test::DirectionCase& c : test::kDirectionCases) {
        const bool rtl = IsRightToLeft(c.language);
        std::printf("direction %s %s\n", c.language, rtl ? "rtl" : "ltr");
        if (rtl != c.rightToLeft) std::fprintf(stderr, "FAIL: %s is not %s\n", c.language, rtl ? "rtl" : "ltr");
        wrong += rtl != c.rightToLeft;
    }
    return wrong;
}

}  // namespace

int main() {
    const int wrongLanguages = CheckLanguages();
    return Player().Play() != 0 || wrongLanguages != 0 ? 1 : 0;
}
