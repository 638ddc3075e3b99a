#include <utility>

#include "engine/Engine.h"
#include "play/Play.h"

namespace zorbel {

bool AreNeighbours(Int a, Int b) {
    if (a - b == kColumns || b - a == kColumns) return true;
    return (a - b == 1 || b - a == 1) && RowOf(a) == RowOf(b);
}

void ClearSelection(Game& g) {
    for (Int i = 1; i <= kCells; ++i) g.Marks[i] = 0;
    g.FirstCell = 0;
    g.SecondCell = 0;
    g.ui.DrawBoard();
}

namespace {

void Select(Game& g, Int c) {
    g.FirstCell = c;
    g.Marks[c] = 1;
    g.ui.DrawBoard();
}

void SwapBalls(GameState& s, Int a, Int b) {
    std::swap(s.Board[a], s.Board[b]);
    std::swap(s.Active[a], s.Active[b]);
}

}  // namespace

// A swap stands only when it leaves a line somewhere on the board; one that
// doesn't is undone before anything is drawn, and the clicked neighbour
// simply becomes the selected cell.
void ClickCell(Game& g, Int c) {
    if (g.FirstCell == 0) {
        Select(g, c);
        return;
    }
    g.SecondCell = c;
    if (!AreNeighbours(g.FirstCell, c)) {
        g.SecondCell = 0;
        ClearSelection(g);
        Select(g, c);
        return;
    }
    SwapBalls(g, g.FirstCell, g.SecondCell);
    if (HasLine(g) != 0) {
        g.ui.SetTimerEnabled(Timer::Main, true);
        ClearSelection(g);
        return;
    }
    SwapBalls(g, g.FirstCell, g.SecondCell);
    ClearSelection(g);
    Select(g, c);
}

}  // namespace zorbel
