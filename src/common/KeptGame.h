#pragma once
// A game in progress as one line of text, for a front end whose window can
// outlive its program: the browser tab keeps it across reloads, and gives
// it back after the browser has thrown the page away. Versioned and
// checked: a text that does not read back field by field, within the range
// the game gives each field, is no game at all.
#include <optional>
#include <string>
#include <string_view>

#include "engine/GameState.h"
#include "engine/Random.h"

namespace zorbel {

struct KeptGame {
    GameState record;  // all but ShownPicture: a game taken back is drawn whole
    TwisterRandom::State random;
    bool settling = false;     // tmrMain runs
    bool autoTicking = false;  // tmrAuto runs
    bool scoreShown = false;   // lblExp is written (blank until the first refill)
    Int cursor = 0;            // the keyboard cursor's cell, 0 while hidden
};

std::string WriteKeptGame(const KeptGame& k);
// Nothing for a text of another version, a damaged or a foreign one.
std::optional<KeptGame> ReadKeptGame(std::string_view text);

}  // namespace zorbel
