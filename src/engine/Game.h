#pragma once
// The game record together with the two things its routines reach out to:
// the random source and the window. The window owns one of these.
#include "engine/GameState.h"
#include "engine/Platform.h"
#include "engine/Random.h"

namespace zorbel {

struct Game : GameState {
    Game(RandomSource& random, Platform& platform) : rnd(random), ui(platform) {}
    RandomSource& rnd;
    Platform& ui;
    const LabelTexts* texts = &kRussianLabels;
};

}  // namespace zorbel
