#include "engine/Engine.h"

namespace zorbel {

// Each pass runs bottom-up, so a whole column above a gap drops one row per
// pass; a gap of h cells takes h moving passes and one still pass.
void DropBalls(GameState& s) {
    bool moving = true;
    while (moving) {
        moving = false;
        for (Int i = kCells - kColumns; i >= 1; --i) {
            if (s.Board[i + kColumns] == 0 && s.Board[i] != 0) {
                s.Board[i + kColumns] = s.Board[i];
                s.Active[i + kColumns] = s.Active[i];
                s.Board[i] = 0;
                s.Active[i] = 0;
                moving = true;
            }
        }
    }
}

}  // namespace zorbel
