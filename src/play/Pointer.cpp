#include "play/Play.h"

namespace zorbel {

namespace {

// No board input while either timer runs, and none on the selected cell.
bool InputAllowed(const Game& g, Int i) {
    if (g.ui.TimerEnabled(Timer::Main) || g.ui.TimerEnabled(Timer::Auto)) return false;
    return i != g.FirstCell;
}

}  // namespace

bool Img_MouseDown(Game& g, Int i) {
    if (!InputAllowed(g, i)) return false;
    ClickCell(g, i);
    return true;
}

bool Img_MouseUp(Game& g, Int i) {
    if (!InputAllowed(g, i)) return false;
    ClickCell(g, i);
    return true;
}

void BoardPointer::Press(Game& g, Int cell) {
    pressed_ = cell;
    grabEnded_ = false;
    if (cell < 1 || cell > kCells) return;
    grabEnded_ = Img_MouseDown(g, cell);
}

void BoardPointer::Release(Game& g, Int cellUnderPointer) {
    const Int target = grabEnded_ ? cellUnderPointer : pressed_;
    pressed_ = 0;
    grabEnded_ = false;
    if (target < 1 || target > kCells) return;
    Img_MouseUp(g, target);
}

}  // namespace zorbel
