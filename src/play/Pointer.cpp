#include "play/Play.h"

namespace zorbel {

// No board input while either timer runs, and none on the selected cell.
bool ClickIfAllowed(Game& g, Int i) {
    if (g.ui.TimerEnabled(Timer::Main) || g.ui.TimerEnabled(Timer::Auto) || i == g.FirstCell) return false;
    ClickCell(g, i);
    return true;
}

bool Img_MouseDown(Game& g, Int i) { return ClickIfAllowed(g, i); }
bool Img_MouseUp(Game& g, Int i) { return ClickIfAllowed(g, i); }

BoardPointer::Pending& BoardPointer::Slot(int button) {
    return pending_[button < 0 ? 0 : button >= kButtons ? kButtons - 1 : button];
}

void BoardPointer::Press(Game& g, Int cell, int button) {
    Pending& p = Slot(button);
    p.pressed = cell;
    p.grabEnded = false;
    if (cell < 1 || cell > kCells) return;
    p.grabEnded = Img_MouseDown(g, cell);
}

void BoardPointer::Release(Game& g, Int cellUnderPointer, int button) {
    Pending& p = Slot(button);
    const Int target = p.grabEnded ? cellUnderPointer : p.pressed;
    p = Pending{};
    if (target < 1 || target > kCells) return;
    Img_MouseUp(g, target);
}

}  // namespace zorbel
