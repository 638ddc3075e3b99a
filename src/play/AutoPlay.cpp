#include "play/Play.h"

namespace zorbel {

// Switching on while the board settles leaves the marks alone: they are the
// removal marks (nothing can be selected while tmrMain runs), and clearing
// them would lose the rays of an active ball that has already gone off.
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
