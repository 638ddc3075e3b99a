#include "engine/Engine.h"
#include "options/Options.h"

namespace zorbel {

void SetDefaults(GameState& s) {
    s.ColorCount = kDefaultColors;
    s.ActiveBallsOn = 1;
    s.TickMs = kDefaultTickMs;
}

// A fresh board without a move gets its three marked rows drawn and the
// settle timer started, so the next tick clears them as any stalemate: the
// game never sits still with rows marked and nothing to play.
void mnuNew_Click(Game& g) {
    ResetGame(g);
    GenerateBoard(g);
    g.ui.DrawBoard();
    if (CountMoves(g) == 1) {
        g.ui.DrawBoard();
        g.ui.SetTimerEnabled(Timer::Main, true);
    }
}

}  // namespace zorbel
