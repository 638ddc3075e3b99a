#pragma once
// The one game record. Every number is a 16-bit signed integer, as the
// game has always kept them; arrays are indexed 1..150 by cell number and
// slot 0 is never used.
#include <array>
#include <cstdint>

namespace zorbel {

using Int = std::int16_t;

constexpr Int kColumns = 15;
constexpr Int kRows = 10;
constexpr Int kCells = kColumns * kRows;
constexpr Int kScoreCap = 32000;
constexpr Int kDefaultColors = 6;
constexpr Int kDefaultTickMs = 250;

using CellArray = std::array<Int, kCells + 1>;

struct GameState {
    CellArray Board{};         // 0 empty, 1..ColorCount a ball
    CellArray Marks{};         // 1 = selected or marked for removal
    CellArray ShownPicture{};  // picture last given to each cell image
    Int ActiveBallsOn = 0;
    Int ActiveEveryMove = 0;
    CellArray Active{};        // 0 ordinary, 1..16 lifetime of an active ball
    Int FirstCell = 0;
    Int SecondCell = 0;
    Int ColorCount = 0;
    Int MoveCount = 0;
    Int HintFrom = 0;
    Int HintTo = 0;
    Int Score = 0;
    Int TickMs = 0;
    Int AutoMode = 0;          // 0 off, 1 next click HintFrom, 2 next click HintTo
    Int SymbolsOn = 0;         // 1: every ball also wears the symbol of its colour
};

// Row and column of a cell, both counted from 1. Scans keep a running
// column and row instead; these serve the routines given a single cell.
constexpr Int ColumnOf(Int i) { return static_cast<Int>((i - 1) % kColumns + 1); }
constexpr Int RowOf(Int i) { return static_cast<Int>((i - 1) / kColumns + 1); }

// The running column and row of a 1..150 scan: call Advance() before each cell.
struct ScanPosition {
    Int column = 0;
    Int row = 1;
    void Advance() {
        if (++column == kColumns + 1) {
            column = 1;
            ++row;
        }
    }
};

}  // namespace zorbel
