#pragma once
// The menu commands that start a game or change an option.
#include <array>

#include "engine/Game.h"

namespace zorbel {

void mnuNew_Click(Game& g);

struct OptionItem {
    MenuItem item;
    Int value;
};

// Menu order, top to bottom.
constexpr std::array<OptionItem, 4> kColorItems{{
    {MenuItem::mnuColors8, 8}, {MenuItem::mnuColors7, 7}, {MenuItem::mnuColors6, 6}, {MenuItem::mnuColors5, 5},
}};
constexpr std::array<OptionItem, 5> kSpeedItems{{
    {MenuItem::mnuSpeed100, 100}, {MenuItem::mnuSpeed200, 200}, {MenuItem::mnuSpeed250, 250},
    {MenuItem::mnuSpeed500, 500}, {MenuItem::mnuSpeed1000, 1000},
}};

// mnuColors5_Click .. mnuColors8_Click: one command with its count.
void mnuColors_Click(Game& g, Int count);
void ApplyColorCount(Game& g);

// mnuSpeed100_Click .. mnuSpeed1000_Click: one command with its interval.
void mnuSpeed_Click(Game& g, Int ms);
void ClearSpeedChecks(Game& g);

void mnuFishOk_Click(Game& g);
void mnuFishStep_Click(Game& g);

// Symbols on the balls, for players who cannot tell every colour apart.
void mnuSymbols_Click(Game& g);

// Start-up defaults: 6 colours, active balls on, 250 ms.
void SetDefaults(GameState& s);

// The check mark and the enabled state of each item for the record as it
// stands, as the commands above leave them: for a window that takes back a
// game it kept.
bool ItemChecked(const GameState& s, MenuItem m);
bool ItemEnabled(const GameState& s, MenuItem m);

}  // namespace zorbel
