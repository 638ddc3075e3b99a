// The window's colours by the High Contrast setting, which Wine cannot switch
// on (SPI_SETHIGHCONTRAST fails there): the choice is driven here with a
// stand-in for the system's colours.
#include <gtest/gtest.h>

#include "win/Colours.h"

namespace zorbel::win {
namespace {

// A colour of its own for every system colour index.
DWORD WINAPI System(int index) { return RGB(index, 255 - index, 2 * index); }

TEST(Colours, TheGamesOwnWhileHighContrastIsOff) {
    const Colours c = ChooseColours(false, System);
    EXPECT_EQ(c.ground, RGB(192, 192, 255));  // the balls' own ground
    EXPECT_EQ(c.labelText, RGB(0, 0, 0));
    EXPECT_EQ(c.labelGround, RGB(192, 192, 192));
    EXPECT_EQ(c.frame[0], RGB(0, 0, 0));
    EXPECT_EQ(c.frame[1], RGB(255, 255, 255));
}

TEST(Colours, TheSystemsWhileHighContrastIsOn) {
    const Colours c = ChooseColours(true, System);
    EXPECT_EQ(c.ground, System(COLOR_WINDOW));
    EXPECT_EQ(c.labelText, System(COLOR_WINDOWTEXT));
    EXPECT_EQ(c.labelGround, System(COLOR_WINDOW));
    EXPECT_EQ(c.frame[0], System(COLOR_HIGHLIGHT));
    EXPECT_EQ(c.frame[1], System(COLOR_HIGHLIGHTTEXT));
}

}  // namespace
}  // namespace zorbel::win
