#pragma once
// What the game asks of its window: two timers, two labels, menu marks and
// the board drawing. The Qt window implements it; tests use a fake.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "engine/GameState.h"

namespace zorbel {

enum class Timer { Main, Auto };  // tmrMain, tmrAuto
enum class Label { Steps, Exp };  // lblSteps, lblExp

// The menu items whose check mark or enabled state the game sets.
enum class MenuItem {
    mnuColors8, mnuColors7, mnuColors6, mnuColors5,
    mnuSpeed100, mnuSpeed200, mnuSpeed250, mnuSpeed500, mnuSpeed1000,
    mnuFishOk, mnuFishStep,
    mnuAuto,
    mnuSymbols,
};

class Platform {
public:
    virtual ~Platform() = default;
    virtual void SetTimerEnabled(Timer t, bool on) = 0;
    virtual bool TimerEnabled(Timer t) const = 0;
    virtual void SetTimerInterval(Timer t, int ms) = 0;
    virtual void SetLabel(Label l, std::string_view utf8) = 0;
    virtual void SetMenuChecked(MenuItem m, bool checked) = 0;
    virtual void SetMenuEnabled(MenuItem m, bool enabled) = 0;
    // Brings the shown board up to date with the game record.
    virtual void DrawBoard() = 0;
    // Paints every cell anew, for a change of look that no picture number
    // shows (the symbols on the balls).
    virtual void RedrawBoard() = 0;
};

// Label texts are formatted into a fixed buffer, since the score label is
// rewritten on every tick and should cost no allocation.
template <class... Args>
void SetLabelText(Platform& ui, Label l, const char* format, Args... args) {
    std::array<char, 64> text{};
    const int length = std::snprintf(text.data(), text.size(), format, args...);
    ui.SetLabel(l, std::string_view(text.data(), static_cast<std::size_t>(std::max(length, 0))));
}

}  // namespace zorbel
