#include "play/Play.h"

namespace zorbel {

// Selects the cell of the move the last count chose, as a click would.
void mnuHelp_Click(Game& g) {
    if (g.AutoMode != 0 || g.HintFrom == 0 || g.ui.TimerEnabled(Timer::Main)) return;
    ClearSelection(g);
    ClickCell(g, g.HintFrom);
}

}  // namespace zorbel
