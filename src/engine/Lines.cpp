#include "engine/Engine.h"

namespace zorbel {

// A line is always found through a middle cell whose two neighbours along
// the line hold its colour; a line of n balls has n - 2 middle cells.
Int HasLine(const GameState& s) {
    ScanPosition p;
    for (Int i = 1; i <= kCells; ++i) {
        p.Advance();
        const Int b = s.Board[i];
        if (p.column != 1 && p.column != kColumns && s.Board[i + 1] == b && s.Board[i - 1] == b) return 1;
        if (p.row != 1 && p.row != kRows && s.Board[i + kColumns] == b && s.Board[i - kColumns] == b) return 1;
    }
    return 0;
}

void MarkLines(Game& g) {
    ScanPosition p;
    for (Int i = 1; i <= kCells; ++i) {
        p.Advance();
        const Int b = g.Board[i];
        if (p.column != 1 && p.column != kColumns && g.Board[i + 1] == b && g.Board[i - 1] == b) {
            g.Marks[i - 1] = g.Marks[i] = g.Marks[i + 1] = 1;
        }
        if (p.row != 1 && p.row != kRows && g.Board[i + kColumns] == b && g.Board[i - kColumns] == b) {
            g.Marks[i - kColumns] = g.Marks[i] = g.Marks[i + kColumns] = 1;
        }
    }

    // A ray may reach an active ball later in the walk (it goes off in the
    // same pass) or earlier (the next pass). Each call zeroes one Active
    // value and nothing here sets one, so the passes end.
    bool detonated = true;
    while (detonated) {
        detonated = false;
        for (Int j = 1; j <= kCells; ++j) {
            if (g.Marks[j] == 1 && g.Active[j] != 0) {
                Detonate(g, j);
                detonated = true;
            }
        }
    }
}

}  // namespace zorbel
