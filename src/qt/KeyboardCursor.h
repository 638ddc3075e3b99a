#pragma once
// The keyboard cursor on the desktop: Qt's keys onto the shared cursor.
#include <QKeyEvent>
#include <QPainter>
#include <QRect>

#include "common/BoardCursor.h"

namespace zorbel::ui {

class KeyboardCursor {
public:
    using Action = BoardCursor::Action;

    // Arrows: the first one shows the cursor on the selected cell (or the
    // top-left one), later ones move it a cell, stopping at the edges.
    // Space and Enter ask for a click on its cell. Other keys, and keys
    // held with Ctrl, Alt or Meta, are left to the window.
    Action Key(const QKeyEvent& e, Int selected);
    // A mouse press hides the cursor until the next arrow.
    void Hide() { cursor_.Hide(); }
    Int cell() const { return cursor_.cell(); }  // 0 while hidden

private:
    BoardCursor cursor_;
};

// A black and a white frame just inside the cell, one of them readable on
// every ball, the net and the plus sign; edges on whole device pixels.
void PaintCursorFrame(QPainter& p, const QRect& cell, qreal dpr);

}  // namespace zorbel::ui
