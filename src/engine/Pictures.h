#pragma once
// Which of the 24 ball pictures each cell shows, and the pass that finds the
// cells whose picture changed since the last drawing.
#include "engine/GameState.h"

namespace zorbel {

constexpr Int kPictures = 24;
constexpr Int kMarkedOffset = 8;   // colour + 8: the net over a marked ball
constexpr Int kActiveOffset = 16;  // colour + 16: the plus of an active ball

// A mark wins over the active state.
constexpr Int PictureNumber(const GameState& s, Int i) {
    if (s.Marks[i] != 0) return static_cast<Int>(s.Board[i] + kMarkedOffset);
    if (s.Active[i] != 0) return static_cast<Int>(s.Board[i] + kActiveOffset);
    return s.Board[i];
}

// Visits only the cells whose picture number differs from ShownPicture and
// records the new number; returns how many cells changed.
template <class OnChange>
int UpdateShownPictures(GameState& s, OnChange&& onChange) {
    int changed = 0;
    for (Int i = 1; i <= kCells; ++i) {
        const Int n = PictureNumber(s, i);
        if (s.ShownPicture[i] != n) {
            s.ShownPicture[i] = n;
            onChange(i, n);
            ++changed;
        }
    }
    return changed;
}

}  // namespace zorbel
