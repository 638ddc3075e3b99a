#include "qt/KeyboardCursor.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace zorbel::ui {

namespace {

constexpr qreal kFrameBand = 2.0;  // logical pixels, each of the two colours

}  // namespace

KeyboardCursor::Action KeyboardCursor::Key(const QKeyEvent& e, Int selected) {
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return Action::None;
    switch (e.key()) {
        case Qt::Key_Left: return cursor_.Press(BoardCursor::Key::Left, selected);
        case Qt::Key_Right: return cursor_.Press(BoardCursor::Key::Right, selected);
        case Qt::Key_Up: return cursor_.Press(BoardCursor::Key::Up, selected);
        case Qt::Key_Down: return cursor_.Press(BoardCursor::Key::Down, selected);
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: return cursor_.Press(BoardCursor::Key::Click, selected);
        default: return Action::None;
    }
}

void PaintCursorFrame(QPainter& p, const QRect& cell, qreal dpr) {
    // Each band is a whole number of device pixels, at least one, so the
    // frame is sharp at 1x, 1.5x and 2x alike.
    const qreal band = std::max(1.0, std::round(kFrameBand * dpr)) / dpr;
    auto snap = [dpr](qreal v) { return std::round(v * dpr) / dpr; };
    const QRectF outer(QPointF(snap(cell.left()), snap(cell.top())),
                       QPointF(snap(cell.left() + cell.width()), snap(cell.top() + cell.height())));
    const QRectF inner = outer.adjusted(band, band, -band, -band);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    for (const auto& [rect, colour] : {std::pair{outer, Qt::black}, std::pair{inner, Qt::white}}) {
        QPainterPath ring;
        ring.addRect(rect);
        ring.addRect(rect.adjusted(band, band, -band, -band));  // odd-even fill leaves the middle open
        p.fillPath(ring, colour);
    }
    p.restore();
}

}  // namespace zorbel::ui
