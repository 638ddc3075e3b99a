#pragma once
// The colours the window draws with besides the balls: its ground, the
// labels' text and ground, and the keyboard frame's two bands. The game's
// own, unless High Contrast is on: then the system's, the ones the player
// chose to read by. The balls keep theirs: they are the game.
#include <windows.h>

#include <array>

namespace zorbel::win {

struct Colours {
    COLORREF ground;
    COLORREF labelText;
    COLORREF labelGround;
    std::array<COLORREF, 2> frame;  // the outer band, then the inner one
};

// GetSysColor, or a stand-in for it in a test.
using SystemColour = DWORD(WINAPI*)(int index);

Colours ChooseColours(bool highContrast, SystemColour system = GetSysColor);
bool HighContrastOn();

}  // namespace zorbel::win
