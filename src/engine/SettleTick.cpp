#include "engine/Engine.h"

namespace zorbel {

// One tick of tmrMain. Marked balls vanish, the rest fall, the top is
// refilled; then either new lines are marked (to be shown for one tick) or
// the board is quiet and its moves are counted.
void tmrMain_Timer(Game& g) {
    for (Int i = 1; i <= kCells; ++i) {
        if (g.Marks[i] == 1) {
            g.Board[i] = 0;
            g.Marks[i] = 0;
        }
    }
    DropBalls(g);
    RefillBoard(g);
    if (HasLine(g) != 0) {
        MarkLines(g);
    } else {
        if (CountMoves(g) == 0) {
            g.ui.SetTimerEnabled(Timer::Main, false);
            if (g.AutoMode != 0) g.ui.SetTimerEnabled(Timer::Auto, true);
        }
        if (g.ActiveBallsOn == 1) {
            AgeActiveBalls(g);
            PlaceActiveBall(g);
        }
    }
    g.ui.DrawBoard();
}

}  // namespace zorbel
