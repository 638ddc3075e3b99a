#include "options/Options.h"

namespace zorbel {

// Only the look changes: no rule, no mark and no random draw depends on it.
void mnuSymbols_Click(Game& g) {
    g.SymbolsOn = g.SymbolsOn == 0 ? 1 : 0;
    g.ui.SetMenuChecked(MenuItem::mnuSymbols, g.SymbolsOn == 1);
    g.ui.RedrawBoard();
}

}  // namespace zorbel
