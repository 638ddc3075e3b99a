#pragma once
// The whole menu bar as one table: where each item stands, its caption,
// shortcut key, the command it runs and its check mark at start. Both front
// ends build their menus from it and run its commands through RunMenuCommand.
#include <optional>
#include <span>

#include "engine/Game.h"

namespace zorbel {

enum class Command { None, New, Help, Colors, Speed, FishOk, FishStep, Auto, Symbols };

struct MenuEntry {
    int level;              // 0 on the menu bar, 1 in a menu, 2 in a submenu
    const char* name;       // mnuGame, r1, mnuNew ...
    const char* caption;    // in Russian, translated when shown; "-" draws a separator line
    int functionKey;        // n of the shortcut key Fn, 0 for none
    Command command;
    Int value;              // the count or the interval of Colors and Speed
    std::optional<MenuItem> item;  // items whose check mark the game sets
    bool checkedAtStart;
};

std::span<const MenuEntry> MenuEntries();

// An entry followed by a deeper one opens a menu of its own.
bool OpensMenu(std::span<const MenuEntry> entries, std::size_t k);
bool IsSeparator(const MenuEntry& e);

// The entry's command, whatever the entry's check mark or enabled state:
// the window keeps those and turns away a disabled item itself.
void RunMenuCommand(Game& g, const MenuEntry& e);

}  // namespace zorbel
