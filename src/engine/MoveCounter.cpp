#include <array>

#include "engine/Engine.h"

namespace zorbel {

namespace {

constexpr Int kMoveListSize = 150;

// How many balls next to cell t, up to two, hold its colour when walking
// from t in steps of `step` for at most `room` cells.
int SameInARow(const GameState& s, Int t, Int step, Int room) {
    const Int b = s.Board[t];
    int n = 0;
    while (n < 2 && n < room && s.Board[t + (n + 1) * step] == b) ++n;
    return n;
}

// Whether the ball in cell t stands in a line along its row or column.
bool LineThrough(const GameState& s, Int t) {
    const Int column = ColumnOf(t);
    const Int row = RowOf(t);
    const int left = SameInARow(s, t, -1, static_cast<Int>(column - 1));
    const int right = SameInARow(s, t, 1, static_cast<Int>(kColumns - column));
    if (left + right >= 2) return true;
    const int up = SameInARow(s, t, -kColumns, static_cast<Int>(row - 1));
    const int down = SameInARow(s, t, kColumns, static_cast<Int>(kRows - row));
    return up + down >= 2;
}

// A full board without a line: then the only line a trial can make runs
// through the cell the ball moved into, since the one empty cell it leaves
// behind matches nothing. Every caller counts on a board at rest, so this
// holds; on any other board the trials fall back to the whole-board scan.
bool AtRest(const GameState& s) {
    for (Int i = 1; i <= kCells; ++i) {
        if (s.Board[i] == 0) return false;
    }
    return HasLine(s) == 0;
}

// Moves the ball of cell i into t, leaving i empty rather than swapping:
// the question is only whether the moved ball completes a line there.
bool TrialMakesLine(GameState& s, Int i, Int t, bool atRest) {
    const Int c = s.Board[i];
    const Int old = s.Board[t];
    s.Board[t] = c;
    s.Board[i] = 0;
    const bool line = atRest ? LineThrough(s, t) : HasLine(s) == 1;
    s.Board[i] = c;
    s.Board[t] = old;
    return line;
}

}  // namespace

Int CountMoves(Game& g) {
    std::array<Int, kMoveListSize + 1> moveFrom;
    std::array<Int, kMoveListSize + 1> moveTo;
    Int n = 0;
    g.MoveCount = 0;
    g.HintFrom = 0;
    const bool atRest = AtRest(g);

    // Past 150 moves the last entry is overwritten, so the hint is drawn
    // from the first 149 moves in scan order and the last one found.
    auto tryMove = [&](Int i, Int t) {
        if (!TrialMakesLine(g, i, t, atRest)) return;
        ++g.MoveCount;
        if (n != kMoveListSize) ++n;
        moveFrom[n] = i;
        moveTo[n] = t;
    };

    ScanPosition p;
    for (Int i = 1; i <= kCells; ++i) {
        p.Advance();
        if (p.column != 1) tryMove(i, static_cast<Int>(i - 1));
        if (p.column != kColumns) tryMove(i, static_cast<Int>(i + 1));
        if (p.row != 1) tryMove(i, static_cast<Int>(i - kColumns));
        if (p.row != kRows) tryMove(i, static_cast<Int>(i + kColumns));
    }

    if (n != 0) {
        const Int k = DrawOneOf(g.rnd, n);
        g.HintFrom = moveFrom[k];
        g.HintTo = moveTo[k];
    }

    ShowMoveCount(g);
    if (g.MoveCount != 0) return 0;
    MarkRandomRows(g);
    return 1;
}

void ShowMoveCount(Game& g) {
    if (g.MoveCount != 0) {
        SetLabelText(g.ui, Label::Steps, g.texts->moves, g.MoveCount);
    } else {
        g.ui.SetLabel(Label::Steps, g.texts->noMoves);
    }
}

void MarkRandomRows(Game& g) {
    std::array<Int, kRows> rowTaken{};
    for (int k = 0; k < 3; ++k) {
        Int w = DrawBelow(g.rnd, kRows);
        while (rowTaken[w] == 1) w = DrawBelow(g.rnd, kRows);
        rowTaken[w] = 1;
        for (Int i = w * kColumns + 1; i <= w * kColumns + kColumns; ++i) g.Marks[i] = 1;
    }
}

}  // namespace zorbel
