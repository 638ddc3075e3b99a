#include "play/Play.h"

namespace zorbel {

// Switching on while the board settles drops only the selection: the
// removal marks stay, since the rays of an active ball that already went
// off would not be marked again.
void mnuAuto_Click(Game& g) {
    if (g.AutoMode != 0) {
        g.AutoMode = 0;
        g.ui.SetMenuChecked(MenuItem::mnuAuto, false);
        g.ui.SetTimerEnabled(Timer::Auto, false);
        return;
    }
    g.AutoMode = 1;
    g.ui.SetMenuChecked(MenuItem::mnuAuto, true);
    if (!g.ui.TimerEnabled(Timer::Main)) {
        ClearSelection(g);
        g.ui.SetTimerEnabled(Timer::Auto, true);
    } else if (g.FirstCell != 0) {
        g.Marks[g.FirstCell] = 0;
        g.FirstCell = 0;
        g.SecondCell = 0;
        g.ui.DrawBoard();
    }
}

// Two ticks a move: the first selects HintFrom, the second clicks HintTo,
// which swaps and hands over to the settle cycle. Without a known move no
// click is made; the next count's quiet tick starts this timer again.
void tmrAuto_Timer(Game& g) {
    if (g.AutoMode == 0) return;
    if (g.HintFrom == 0 || g.HintTo == 0) {
        g.ui.SetTimerEnabled(Timer::Auto, false);
        return;
    }
    if (g.AutoMode == 1) {
        g.AutoMode = 2;
        ClickCell(g, g.HintFrom);
    } else {
        g.AutoMode = 1;
        ClickCell(g, g.HintTo);
        g.ui.SetTimerEnabled(Timer::Auto, false);
    }
}

}  // namespace zorbel
