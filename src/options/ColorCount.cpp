#include "options/Options.h"

namespace zorbel {

void mnuColors_Click(Game& g, Int count) {
    if (g.ColorCount == count) return;
    g.ColorCount = count;
    ApplyColorCount(g);
}

void ApplyColorCount(Game& g) {
    // Unchecked in the order 5, 6, 7, 8: the table lists the menu top-down.
    for (auto it = kColorItems.rbegin(); it != kColorItems.rend(); ++it) g.ui.SetMenuChecked(it->item, false);
    for (const auto& o : kColorItems) {
        if (o.value == g.ColorCount) g.ui.SetMenuChecked(o.item, true);
    }
    mnuNew_Click(g);
}

}  // namespace zorbel
