#pragma once
// What the game asks of its window: two timers, two labels, menu marks and
// the board drawing. The Qt window implements it; tests use a fake.
#include <algorithm>
#include <array>
#include <charconv>
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

// The words of the two labels in UTF-8, "%1" standing for the number. The
// game's own are Russian; the window may hand over a translation.
struct LabelTexts {
    std::string_view moves = "Ходов: %1";
    std::string_view noMoves = "Ходов нет!";
    std::string_view score = "Счёт: %1";
    std::string_view scoreCapped = "Счёт: %1+";
};
inline constexpr LabelTexts kRussianLabels{};

// The bytes of the UTF-8 character that begins with byte `lead`: 1 for
// ASCII (and, harmlessly, for a stray continuation byte).
inline std::size_t Utf8Length(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    return b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
}

// A label text is put together in a fixed buffer, since the score label is
// rewritten on every tick and should cost no allocation. Only "%1" is
// special, so no text handed over can make it read past its number; a text
// too long for the label is cut between two characters, never inside one.
inline void SetLabelText(Platform& ui, Label l, std::string_view format, int number) {
    std::array<char, 64> text{};
    std::size_t length = 0;
    for (std::size_t k = 0; k < format.size();) {
        if (format.compare(k, 2, "%1") == 0) {
            const auto [end, error] = std::to_chars(text.data() + length, text.data() + text.size(), number);
            if (error != std::errc()) break;
            length = static_cast<std::size_t>(end - text.data());
            k += 2;
            continue;
        }
        const std::size_t n = std::min(Utf8Length(format[k]), format.size() - k);
        if (length + n > text.size()) break;
        format.copy(text.data() + length, n, k);
        length += n;
        k += n;
    }
    ui.SetLabel(l, std::string_view(text.data(), length));
}

}  // namespace zorbel
