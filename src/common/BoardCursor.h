#pragma once
// The keyboard's place on the board, for playing without a mouse. It is the
// window's, not the game's: it never changes the board, a mark or a timer,
// and it stays where it is across new games and colour changes. Each front
// end maps its own key events onto these keys.
#include "engine/GameState.h"

namespace zorbel {

class BoardCursor {
public:
    enum class Key { Left, Right, Up, Down, Click };
    enum class Action { None, Moved, Click };

    // Arrows: the first one shows the cursor on the selected cell (or the
    // top-left one), later ones move it a cell, stopping at the edges.
    // Click (Space or Enter) asks for a click on its cell while it is shown.
    Action Press(Key k, Int selected);
    // A mouse press hides the cursor until the next arrow (or, where the
    // cursor is to show whenever the board has the focus, moves it onto
    // the pressed cell).
    void Hide() { cell_ = 0; }
    // Onto `cell` at once (0: hidden): the pressed cell, where the cursor
    // shows whenever the board has the focus, or where a game taken back had it.
    void MoveTo(Int cell) { cell_ = cell; }
    Int cell() const { return cell_; }  // 0 while hidden

private:
    Int cell_ = 0;
};

}  // namespace zorbel
