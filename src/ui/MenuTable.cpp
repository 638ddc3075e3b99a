#include "ui/MenuTable.h"

#include <QCoreApplication>
#include <Qt>

namespace zorbel::ui {

namespace {

using C = Command;
using M = MenuItem;

const MenuEntry kMenu[] = {
    {0, "mnuGame", QT_TRANSLATE_NOOP("Menu", "Игра"), 0, C::None, 0, {}, false},
    {1, "mnuNew", QT_TRANSLATE_NOOP("Menu", "Новая"), Qt::Key_F2, C::New, 0, {}, false},
    {1, "r1", "-", 0, C::None, 0, {}, false},
    {1, "mnuHelp", QT_TRANSLATE_NOOP("Menu", "Подсказка"), Qt::Key_F1, C::Help, 0, {}, false},
    {0, "mnuOptions", QT_TRANSLATE_NOOP("Menu", "Настройки"), 0, C::None, 0, {}, false},
    {1, "mnuNum", QT_TRANSLATE_NOOP("Menu", "Количество цветов"), 0, C::None, 0, {}, false},
    {2, "mnuColors8", QT_TRANSLATE_NOOP("Menu", "8 цветов"), Qt::Key_F8, C::Colors, 8, M::mnuColors8, false},
    {2, "mnuColors7", QT_TRANSLATE_NOOP("Menu", "7 цветов"), Qt::Key_F7, C::Colors, 7, M::mnuColors7, false},
    {2, "mnuColors6", QT_TRANSLATE_NOOP("Menu", "6 цветов"), Qt::Key_F6, C::Colors, 6, M::mnuColors6, true},
    {2, "mnuColors5", QT_TRANSLATE_NOOP("Menu", "5 цветов"), Qt::Key_F5, C::Colors, 5, M::mnuColors5, false},
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

}  // namespace zorbel::ui
