#include "common/MenuTable.h"

#include <cstring>

#include "options/Options.h"
#include "play/Play.h"

// The captions are marked for Qt's lupdate, which finds them by this name;
// the front ends translate them when they show them.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace zorbel {

namespace {

using C = Command;
using M = MenuItem;

const MenuEntry kMenu[] = {
    {0, "mnuGame", QT_TRANSLATE_NOOP("Menu", "Игра"), 0, C::None, 0, {}, false},
    {1, "mnuNew", QT_TRANSLATE_NOOP("Menu", "Новая"), 2, C::New, 0, {}, false},
    {1, "r1", "-", 0, C::None, 0, {}, false},
    {1, "mnuHelp", QT_TRANSLATE_NOOP("Menu", "Подсказка"), 1, C::Help, 0, {}, false},
    {0, "mnuOptions", QT_TRANSLATE_NOOP("Menu", "Настройки"), 0, C::None, 0, {}, false},
    {1, "mnuNum", QT_TRANSLATE_NOOP("Menu", "Количество цветов"), 0, C::None, 0, {}, false},
    {2, "mnuColors8", QT_TRANSLATE_NOOP("Menu", "8 цветов"), 8, C::Colors, 8, M::mnuColors8, false},
    {2, "mnuColors7", QT_TRANSLATE_NOOP("Menu", "7 цветов"), 7, C::Colors, 7, M::mnuColors7, false},
    {2, "mnuColors6", QT_TRANSLATE_NOOP("Menu", "6 цветов"), 6, C::Colors, 6, M::mnuColors6, true},
    {2, "mnuColors5", QT_TRANSLATE_NOOP("Menu", "5 цветов"), 5, C::Colors, 5, M::mnuColors5, false},
    {1, "mnuSpeed", QT_TRANSLATE_NOOP("Menu", "Скорость обновления"), 0, C::None, 0, {}, false},
    {2, "mnuSpeed100", QT_TRANSLATE_NOOP("Menu", "10 раз в сек"), 0, C::Speed, 100, M::mnuSpeed100, false},
    {2, "mnuSpeed200", QT_TRANSLATE_NOOP("Menu", "5 раз в сек"), 0, C::Speed, 200, M::mnuSpeed200, false},
    {2, "mnuSpeed250", QT_TRANSLATE_NOOP("Menu", "4 раза в сек"), 0, C::Speed, 250, M::mnuSpeed250, true},
    {2, "mnuSpeed500", QT_TRANSLATE_NOOP("Menu", "2 раза в сек"), 0, C::Speed, 500, M::mnuSpeed500, false},
    {2, "mnuSpeed1000", QT_TRANSLATE_NOOP("Menu", "1 раз в сек"), 0, C::Speed, 1000, M::mnuSpeed1000, false},
    {1, "r2", "-", 0, C::None, 0, {}, false},
    {1, "mnuFishOk", QT_TRANSLATE_NOOP("Menu", "Задействовать активные шарики"), 0, C::FishOk, 0, M::mnuFishOk, true},
    {1, "mnuFishStep", QT_TRANSLATE_NOOP("Menu", "Активные шарики каждый ход"), 0, C::FishStep, 0, M::mnuFishStep, false},
    {1, "r3", "-", 0, C::None, 0, {}, false},
    {1, "mnuAuto", QT_TRANSLATE_NOOP("Menu", "Автоматическая игра"), 0, C::Auto, 0, M::mnuAuto, false},
    {1, "r4", "-", 0, C::None, 0, {}, false},
    {1, "mnuSymbols", QT_TRANSLATE_NOOP("Menu", "Значки на шариках"), 0, C::Symbols, 0, M::mnuSymbols, false},
};

}  // namespace

std::span<const MenuEntry> MenuEntries() { return kMenu; }

bool OpensMenu(std::span<const MenuEntry> entries, std::size_t k) {
    return k + 1 < entries.size() && entries[k + 1].level > entries[k].level;
}

bool IsSeparator(const MenuEntry& e) { return std::strcmp(e.caption, "-") == 0; }

void RunMenuCommand(Game& g, const MenuEntry& e) {
    switch (e.command) {
        case Command::New: mnuNew_Click(g); break;
        case Command::Help: mnuHelp_Click(g); break;
        case Command::Colors: mnuColors_Click(g, e.value); break;
        case Command::Speed: mnuSpeed_Click(g, e.value); break;
        case Command::FishOk: mnuFishOk_Click(g); break;
        case Command::FishStep: mnuFishStep_Click(g); break;
        case Command::Auto: mnuAuto_Click(g); break;
        case Command::Symbols: mnuSymbols_Click(g); break;
        case Command::None: break;
    }
}

}  // namespace zorbel
