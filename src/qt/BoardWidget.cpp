#include "qt/BoardWidget.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <bit>

#include "qt/BoardAccessible.h"

namespace zorbel::ui {

QRect CellRect(Int i) {
    return {kCellSize * ColumnOf(i) - (kCellSize - kGridLeft), kCellSize * RowOf(i) - (kCellSize - kGridTop), kCellSize,
            kCellSize};
}

BoardWidget::BoardWidget(const GameState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setGeometry(kGridLeft, kGridTop, kColumns * kCellSize, kRows * kCellSize);
    // A column is a column in any script: the board is never mirrored.
    setLayoutDirection(Qt::LeftToRight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    InstallBoardAccessibility();
}

Int BoardWidget::CellAt(QPointF pos) {
    const int x = qFloor(pos.x());
    const int y = qFloor(pos.y());
    if (x < 0 || y < 0) return 0;
    const int c = x / kCellSize + 1;
    const int r = y / kCellSize + 1;
    if (c > kColumns || r > kRows) return 0;
    return static_cast<Int>((r - 1) * kColumns + c);
}

void BoardWidget::UpdateCell(Int i) {
    ++repaintRequests_;
    update(CellRect(i).translated(-kGridLeft, -kGridTop));
}

void BoardWidget::RepaintCell(Int i) {
    UpdateCell(i);
    if (QAccessible::isActive()) AnnounceCellChanged(this, i);
}

void BoardWidget::RepaintAll() {
    ++repaintRequests_;
    update();
}

// Pictures are made for the screen's pixel density, and made anew if the
// window moves to a screen of another density.
const QPixmap& BoardWidget::Picture(int number, bool symbols) {
    const qreal dpr = devicePixelRatioF();
    if (!pictures_ || pictures_->dpr() != dpr) pictures_ = std::make_unique<BallPictureSet>(dpr);
    return pictures_->Picture(number, symbols);
}

void BoardWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    for (Int i = 1; i <= kCells; ++i) {
        const QRect r = CellRect(i).translated(-kGridLeft, -kGridTop);
        if (!e->region().intersects(r)) continue;
        const Int n = state_.ShownPicture[i];
        if (n >= 1 && n <= 24) {
            p.drawPixmap(r, Picture(n, state_.SymbolsOn != 0));
        } else {
            p.fillRect(r, palette().window());  // not drawn yet: shows the window
        }
        if (i == cursor_.cell()) PaintCursorFrame(p, r, devicePixelRatioF());
    }
}

namespace {

// Buttons by number, so that each one's press and release pair up.
int ButtonNumber(Qt::MouseButton b) { return std::countr_zero(static_cast<unsigned>(b)); }

}  // namespace

void BoardWidget::mousePressEvent(QMouseEvent* e) {
    if (const Int shown = cursor_.cell(); shown != 0) {
        cursor_.Hide();
        UpdateCell(shown);
    }
    emit cellPressed(CellAt(e->position()), ButtonNumber(e->button()));
}

// Qt keeps the press's grab on this widget, so a release anywhere arrives
// here; outside the grid it names no cell.
void BoardWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit cellReleased(CellAt(e->position()), ButtonNumber(e->button()));
}

void BoardWidget::keyPressEvent(QKeyEvent* e) {
    const Int from = cursor_.cell();
    switch (cursor_.Key(*e, state_.FirstCell)) {
        case KeyboardCursor::Action::Moved:
            if (from != 0) UpdateCell(from);
            UpdateCell(cursor_.cell());
            if (QAccessible::isActive()) AnnounceCursor(this, cursor_.cell());
            break;
        case KeyboardCursor::Action::Click: emit cellClicked(cursor_.cell()); break;
        case KeyboardCursor::Action::None: QWidget::keyPressEvent(e); break;  // Escape and the rest: the window's
    }
}

}  // namespace zorbel::ui
