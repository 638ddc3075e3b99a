#pragma once
// How a board cell is named to assistive technology, shared by every front
// end: its ball's colour, then "выбран" or "отмечен", then "активный". The
// words are Russian source texts of the "Board" translation context; each
// front end translates them and joins them with ", ".
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

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

// Where a cell lies, for a screen reader that does not tell a table's rows
// and columns by itself: a Russian source text of the "Board" context in
// which "%1" stands for the row and "%2" for the column.
extern const char* const kCellPlace;
// The place of cell i in the words of `format` (kCellPlace or its translation).
std::string CellPlaceText(std::string_view format, Int i);

}  // namespace zorbel
