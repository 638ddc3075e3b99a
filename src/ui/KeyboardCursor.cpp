#include "ui/KeyboardCursor.h"

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
    int dColumn = 0;
    int dRow = 0;
    switch (e.key()) {
        case Qt::Key_Left: dColumn = -1; break;
        case Qt::Key_Right: dColumn = 1; break;
        case Qt::Key_Up: dRow = -1; break;
        case Qt::Key_Down: dRow = 1; break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: return cell_ != 0 ? Action::Click : Action::None;
        default: return Action::None;
    }
    if (cell_ == 0) {
        cell_ = selected != 0 ? selected : 1;
        return Action::Moved;
    }
    const int column = std::clamp(ColumnOf(cell_) + dColumn, 1, static_cast<int>(kColumns));
    const int row = std::clamp(RowOf(cell_) + dRow, 1, static_cast<int>(kRows));
    cell_ = static_cast<Int>((row - 1) * kColumns + column);
    return Action::Moved;
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
