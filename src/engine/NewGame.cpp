#include <array>

#include "engine/Engine.h"

namespace zorbel {

void ResetGame(Game& g) {
    for (Int i = 1; i <= kCells; ++i) {
        g.Board[i] = 0;
        g.Marks[i] = 0;
        g.Active[i] = 0;
    }
    g.FirstCell = 0;
    g.SecondCell = 0;
    g.MoveCount = 0;
    g.HintFrom = 0;
    g.HintTo = 0;
    if (g.AutoMode != 0) {
        g.AutoMode = 0;
        g.ui.SetMenuChecked(MenuItem::mnuAuto, false);
    }
    g.ui.SetTimerEnabled(Timer::Main, false);
    g.ui.SetTimerEnabled(Timer::Auto, false);
}

// Cells are filled in index order on an emptied board, so the neighbours
// below and to the right still hold 0 and exclude only "empty", which is
// never drawn: in effect each ball differs from the one above and the one
// to its left, and no two neighbours share a colour.
void GenerateBoard(Game& g) {
    ScanPosition p;
    for (Int i = 1; i <= kCells; ++i) {
        std::array<Int, 9> used{};
        p.Advance();
        if (p.row != 1) used[g.Board[i - kColumns]] = 1;
        if (p.column != 1) used[g.Board[i - 1]] = 1;
        if (p.row != kRows) used[g.Board[i + kColumns]] = 1;
        if (p.column != kColumns) used[g.Board[i + 1]] = 1;
        Int c = DrawOneOf(g.rnd, g.ColorCount);
        while (used[c] == 1) c = DrawOneOf(g.rnd, g.ColorCount);
        g.Board[i] = c;
    }
}

}  // namespace zorbel
