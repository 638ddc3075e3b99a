#pragma once
// The colours of the ball pictures, for every front end that draws a ball:
// the desktop's painter, which makes the pictures of all three editions, and
// the Windows edition's plain stand-in for them, drawn when its pictures
// cannot be read.
#include <array>
#include <cstdint>

namespace zorbel {

struct RgbColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// Three tones per ball: the lit side, the body and the side turned away.
struct BallRamp {
    RgbColour light;
    RgbColour body;
    RgbColour dark;
};

// By colour code; 0 is no ball.
inline constexpr std::array<BallRamp, 9> kBallRamps{{
    {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}},                 // no ball
    {{255, 43, 43}, {214, 0, 0}, {135, 0, 0}},         // red
    {{255, 255, 43}, {214, 214, 0}, {135, 135, 0}},    // yellow
    {{43, 255, 43}, {0, 214, 0}, {0, 135, 0}},         // green
    {{43, 255, 255}, {0, 214, 214}, {0, 135, 135}},    // cyan
    {{43, 43, 255}, {0, 0, 214}, {0, 0, 135}},         // blue
    {{255, 43, 255}, {214, 0, 214}, {135, 0, 135}},    // magenta
    {{235, 231, 226}, {204, 196, 187}, {140, 121, 104}},  // ivory
    {{255, 153, 44}, {232, 112, 8}, {137, 71, 0}},     // orange
}};

// The plain and marked pictures share the window's ground, so that their
// corners vanish into it; active balls sit on a slightly lighter square.
inline constexpr RgbColour kBallGround{192, 192, 255};
inline constexpr RgbColour kActiveBallGround{198, 199, 255};
// The net over a marked ball, and the plus sign of an active one.
inline constexpr RgbColour kNetColour{226, 226, 226};
inline constexpr RgbColour kPlusColour{0, 0, 0};
inline constexpr RgbColour kPlusOutlineColour{128, 128, 128};

}  // namespace zorbel
