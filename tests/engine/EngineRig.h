#pragma once
// Boards and a test bench shared by the engine tests.
#include <set>

#include "engine/Engine.h"
#include "support/FakePlatform.h"

namespace zorbel::test {

constexpr Int Cell(int row, int col) { return static_cast<Int>((row - 1) * kColumns + col); }

// Five colours stepping by one along a row and by two down a column: no two
// neighbours match, no line and no move anywhere. Rows outside 1..10 continue
// the pattern, which the refill scripts use.
constexpr Int QuietColour(int row, int col) { return static_cast<Int>(((col + 2 * row) % 5 + 5) % 5 + 1); }

inline void FillQuiet(GameState& s) {
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kColumns; ++c) s.Board[Cell(r, c)] = QuietColour(r, c);
}

// On the quiet board: colour 6 at (5,5) and (5,6); the 6 at (6,7) moving up
// to (5,7) is the one move.
inline void PlantOneMove(GameState& s) {
    s.Board[Cell(5, 5)] = s.Board[Cell(5, 6)] = s.Board[Cell(6, 7)] = 6;
}

// r for which Int(n * r) comes out as d (0..n-1).
inline float Below(int d, int n) { return Pick(d + 1, n); }

inline std::set<Int> MarkedCells(const GameState& s) {
    std::set<Int> out;
    for (Int i = 1; i <= kCells; ++i)
        if (s.Marks[i] != 0) out.insert(i);
    return out;
}

inline std::set<Int> RowCells(int row) {
    std::set<Int> out;
    for (int c = 1; c <= kColumns; ++c) out.insert(Cell(row, c));
    return out;
}

// A quiet board with eight colours in play, so colours 6..8 can be planted.
struct Bench {
    Bench() {
        g.ColorCount = 8;
        FillQuiet(g);
    }
    FakePlatform ui;
    ScriptedRandom rnd;
    Game g{rnd, ui};
};

}  // namespace zorbel::test
