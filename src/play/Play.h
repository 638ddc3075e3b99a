#pragma once
// The player's hand on the board: selection and swap, the hint, and the
// automatic player that makes the hinted moves itself.
#include "engine/Game.h"

namespace zorbel {

// One click on cell c (1..150). Unguarded: callers check timers and the
// selected cell themselves.
void ClickCell(Game& g, Int c);
void ClearSelection(Game& g);

// Two cells are neighbours when they share a column in adjacent rows or a
// row in adjacent columns; 15 and 16 are not.
bool AreNeighbours(Int a, Int b);

// Mouse presses and releases on the board, by cell. The window reports a
// press on a cell and later its release. A press that is let through ends
// the pressed cell's grab, so its release counts for the cell under the
// pointer (0 outside the grid: nothing); a press turned away keeps the
// grab, so its release counts for the pressed cell itself. Each mouse
// button's press and release pair up on their own, so a second button
// pressed meanwhile does not lose the first one's release.
class BoardPointer {
public:
    static constexpr int kButtons = 8;  // button 0..7; higher ones share the last slot
    void Press(Game& g, Int cell, int button = 0);
    void Release(Game& g, Int cellUnderPointer, int button = 0);

private:
    struct Pending {
        Int pressed = 0;
        bool grabEnded = false;
    };
    Pending& Slot(int button);
    Pending pending_[kButtons];
};

// A click from the player's hand, mouse or keyboard: ignored while either
// timer runs and on the selected cell. Returns whether it was let through.
bool ClickIfAllowed(Game& g, Int i);
// The guarded click of a press or release.
bool Img_MouseDown(Game& g, Int i);
bool Img_MouseUp(Game& g, Int i);

void mnuHelp_Click(Game& g);
void mnuAuto_Click(Game& g);
void tmrAuto_Timer(Game& g);

}  // namespace zorbel
