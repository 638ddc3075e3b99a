#pragma once
// How a board cell is named to assistive technology, shared by every front
// end: its ball's colour, then "выбран" or "отмечен", then "активный". The
// words are Russian source texts of the "Board" translation context; each
// front end translates them and joins them with ", ".
#include <array>
#include <cstddef>

#include "engine/GameState.h"

namespace zorbel {

constexpr std::size_t kMostCellWords = 3;

struct CellWords {
    std::array<const char*, kMostCellWords> words{};
    std::size_t count = 0;
};

CellWords CellNameWords(const GameState& s, Int i);

// The board's own name, and the separator of a cell's words.
extern const char* const kBoardName;
extern const char* const kCellWordSeparator;

}  // namespace zorbel
