#pragma once
// The keyboard's place on the board, for playing without a mouse. It is the
// window's, not the game's: it never changes the board, a mark or a timer,
// and it stays where it is across new games and colour changes.
#include <QKeyEvent>
#include <QPainter>
#include <QRect>

#include "engine/GameState.h"

namespace zorbel::ui {

class KeyboardCursor {
public:
    enum class Action { None, Moved, Click };

    // Arrows: the first one shows the cursor on the selected cell (or the
    // top-left one), later ones move it a cell, stopping at the edges.
    // Space and Enter ask for a click on its cell. Other keys, and keys
    // held with Ctrl, Alt or Meta, are left to the window.
    Action Key(const QKeyEvent& e, Int selected);
    // A mouse press hides the cursor until the next arrow.
    void Hide() { cell_ = 0; }
    Int cell() const { return cell_; }  // 0 while hidden

private:
    Int cell_ = 0;
};

// A black and a white frame just inside the cell, one of them readable on
// every ball, the net and the plus sign; edges on whole device pixels.
void PaintCursorFrame(QPainter& p, const QRect& cell, qreal dpr);

}  // namespace zorbel::ui
