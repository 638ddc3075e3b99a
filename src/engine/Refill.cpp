#include "engine/Engine.h"

namespace zorbel {

// Points are counted where balls enter the board: one per new ball, none
// while the game plays itself, never past the cap.
void RefillBoard(Game& g) {
    Int previous = 0;
    for (Int i = 1; i <= kCells; ++i) {
        if (g.Board[i] != 0) continue;
        Int c = DrawOneOf(g.rnd, g.ColorCount);
        while (c == previous) c = DrawOneOf(g.rnd, g.ColorCount);
        g.Board[i] = c;
        previous = c;
        if (g.Score != kScoreCap && g.AutoMode == 0) ++g.Score;
    }
    ShowScore(g);
}

void ShowScore(Game& g) {
    SetLabelText(g.ui, Label::Exp, g.Score == kScoreCap ? g.texts->scoreCapped : g.texts->score, g.Score);
}

}  // namespace zorbel
