#pragma once
// The whole menu bar as one table: where each item stands, its caption,
// shortcut key, the command it runs and its check mark at start.
#include <optional>
#include <span>

#include "engine/Platform.h"

namespace zorbel::ui {

enum class Command { None, New, Help, Colors, Speed, FishOk, FishStep, Auto, Symbols };

struct MenuEntry {
    int level;              // 0 on the menu bar, 1 in a menu, 2 in a submenu
    const char* name;       // mnuGame, r1, mnuNew ...
    const char* caption;    // in Russian, translated when shown; "-" draws a separator line
    int key;                // Qt::Key of the shortcut, 0 for none
    Command command;
    Int value;              // the count or the interval of Colors and Speed
    std::optional<MenuItem> item;  // items whose check mark the game sets
    bool checkedAtStart;
};

std::span<const MenuEntry> MenuEntries();

}  // namespace zorbel::ui
