#include "engine/Engine.h"

namespace zorbel {

void MarkRayLeft(GameState& s, Int c) {
    for (Int k = 1; k < ColumnOf(c); ++k) s.Marks[c - k] = 1;
}

void MarkRayRight(GameState& s, Int c) {
    for (Int k = 1; k <= kColumns - ColumnOf(c); ++k) s.Marks[c + k] = 1;
}

void MarkRayUp(GameState& s, Int c) {
    for (Int k = 1; k < RowOf(c); ++k) s.Marks[c - k * kColumns] = 1;
}

void MarkRayDown(GameState& s, Int c) {
    for (Int k = 1; k <= kRows - RowOf(c); ++k) s.Marks[c + k * kColumns] = 1;
}

// d = Int(15 r): 0-2 left, 3-5 up, 6-8 right, 9-11 down, 12 the row,
// 13 the column, 14 both. A single ray pointing off the board is drawn
// again, so a border ball never wastes its detonation.
void Detonate(Game& g, Int c) {
    const Int col = ColumnOf(c);
    const Int row = RowOf(c);
    for (;;) {
        const Int d = DrawBelow(g.rnd, 15);
        if (d <= 2) {
            if (col == 1) continue;
            MarkRayLeft(g, c);
        } else if (d <= 5) {
            if (row == 1) continue;
            MarkRayUp(g, c);
        } else if (d <= 8) {
            if (col == kColumns) continue;
            MarkRayRight(g, c);
        } else if (d <= 11) {
            if (row == kRows) continue;
            MarkRayDown(g, c);
        } else if (d == 12) {
            MarkRayLeft(g, c);
            MarkRayRight(g, c);
        } else if (d == 13) {
            MarkRayUp(g, c);
            MarkRayDown(g, c);
        } else {
            MarkRayLeft(g, c);
            MarkRayRight(g, c);
            MarkRayUp(g, c);
            MarkRayDown(g, c);
        }
        break;
    }
    g.Active[c] = 0;
}

}  // namespace zorbel
