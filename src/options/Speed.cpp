#include "options/Options.h"

namespace zorbel {

void ClearSpeedChecks(Game& g) {
    for (const auto& o : kSpeedItems) g.ui.SetMenuChecked(o.item, false);
}

// Both timers always share one interval; neither is started or stopped here.
void mnuSpeed_Click(Game& g, Int ms) {
    if (g.TickMs == ms) return;
    g.TickMs = ms;
    ClearSpeedChecks(g);
    for (const auto& o : kSpeedItems) {
        if (o.value == ms) g.ui.SetMenuChecked(o.item, true);
    }
    g.ui.SetTimerInterval(Timer::Main, ms);
    g.ui.SetTimerInterval(Timer::Auto, ms);
}

}  // namespace zorbel
