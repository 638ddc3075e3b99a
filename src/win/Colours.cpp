#include "win/Colours.h"

#include "common/BallColours.h"

namespace zorbel::win {

Colours ChooseColours(bool highContrast, SystemColour system) {
    if (highContrast) {
        return {system(COLOR_WINDOW), system(COLOR_WINDOWTEXT), system(COLOR_WINDOW),
                {system(COLOR_HIGHLIGHT), system(COLOR_HIGHLIGHTTEXT)}};
    }
    // The window's ground is the plain balls' own, so that their corners
    // vanish into it; black on silver for the labels; a black and a white
    // band, one of them readable on every ball.
    return {RGB(kBallGround.red, kBallGround.green, kBallGround.blue), RGB(0, 0, 0), RGB(192, 192, 192),
            {RGB(0, 0, 0), RGB(255, 255, 255)}};
}

bool HighContrastOn() {
    HIGHCONTRASTW settings{};
    settings.cbSize = sizeof(settings);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(settings), &settings, 0) != FALSE &&
           (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace zorbel::win
