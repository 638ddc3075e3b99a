#include <algorithm>

#include "options/Options.h"

namespace zorbel {

namespace {

template <std::size_t N>
bool Chosen(const std::array<OptionItem, N>& items, MenuItem m, Int value) {
    return std::any_of(items.begin(), items.end(), [&](const OptionItem& o) { return o.item == m && o.value == value; });
}

}  // namespace

bool ItemChecked(const GameState& s, MenuItem m) {
    switch (m) {
        case MenuItem::mnuFishOk: return s.ActiveBallsOn == 1;
        case MenuItem::mnuFishStep: return s.ActiveEveryMove == 1;
        case MenuItem::mnuAuto: return s.AutoMode != 0;
        case MenuItem::mnuSymbols: return s.SymbolsOn == 1;
        default: return Chosen(kColorItems, m, s.ColorCount) || Chosen(kSpeedItems, m, s.TickMs);
    }
}

// Active balls every move means nothing without active balls.
bool ItemEnabled(const GameState& s, MenuItem m) { return m != MenuItem::mnuFishStep || s.ActiveBallsOn == 1; }

}  // namespace zorbel
