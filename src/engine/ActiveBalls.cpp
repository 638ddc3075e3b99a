#include "engine/Engine.h"

namespace zorbel {

void AgeActiveBalls(GameState& s) {
    for (Int i = 1; i <= kCells; ++i) {
        if (s.Active[i] != 0) --s.Active[i];
    }
}

void PlaceActiveBall(Game& g) {
    if (g.ActiveEveryMove == 0 && DrawBelow(g.rnd, 10) != 0) return;
    bool anyOrdinary = false;
    for (Int i = 1; i <= kCells && !anyOrdinary; ++i) anyOrdinary = g.Active[i] == 0;
    if (!anyOrdinary) return;
    Int c = DrawOneOf(g.rnd, kCells);
    while (g.Active[c] != 0) c = DrawOneOf(g.rnd, kCells);
    g.Active[c] = static_cast<Int>(DrawBelow(g.rnd, kLifetimeSpan) + kMinLifetime);
}

void ClearActive(GameState& s) {
    for (Int i = 1; i <= kCells; ++i) s.Active[i] = 0;
}

}  // namespace zorbel
