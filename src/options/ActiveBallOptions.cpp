#include "engine/Engine.h"
#include "options/Options.h"

namespace zorbel {

// Switching on changes nothing on the board: the first active ball comes at
// a quiet tick. Switching off makes every ball ordinary at once.
void mnuFishOk_Click(Game& g) {
    if (g.ActiveBallsOn == 0) {
        g.ActiveBallsOn = 1;
        g.ui.SetMenuChecked(MenuItem::mnuFishOk, true);
        g.ui.SetMenuEnabled(MenuItem::mnuFishStep, true);
        return;
    }
    g.ActiveBallsOn = 0;
    g.ui.SetMenuChecked(MenuItem::mnuFishOk, false);
    g.ActiveEveryMove = 0;
    g.ui.SetMenuEnabled(MenuItem::mnuFishStep, false);
    g.ui.SetMenuChecked(MenuItem::mnuFishStep, false);
    ClearActive(g);
    g.ui.DrawBoard();
}

void mnuFishStep_Click(Game& g) {
    g.ActiveEveryMove = g.ActiveEveryMove == 0 ? 1 : 0;
    g.ui.SetMenuChecked(MenuItem::mnuFishStep, g.ActiveEveryMove == 1);
}

}  // namespace zorbel
