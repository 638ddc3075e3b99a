#pragma once
// The board as assistive technology sees it: a table of 10 rows and 15
// columns whose cells are named by their ball and its state, so that a
// screen reader can read the board and follow the keyboard cursor. All of
// it is built only when something asks, and nothing is sent while no
// assistive technology listens.
#include <QString>

#include "engine/GameState.h"

namespace zorbel::ui {

class BoardWidget;

// Teaches Qt to describe a BoardWidget as a table; safe to call often.
void InstallBoardAccessibility();

// "красный", "жёлтый, выбран", "синий, отмечен, активный" …
QString CellName(const GameState& s, Int i);

// Only while QAccessible::isActive(): the cell's name has changed, and the
// keyboard cursor has moved to a cell.
void AnnounceCellChanged(BoardWidget* board, Int i);
void AnnounceCursor(BoardWidget* board, Int i);

}  // namespace zorbel::ui
