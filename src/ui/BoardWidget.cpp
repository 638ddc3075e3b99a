#include "ui/BoardWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/BallPictures.h"

namespace zorbel::ui {

QRect CellRect(Int i) {
    return {kCellSize * ColumnOf(i) - (kCellSize - kGridLeft), kCellSize * RowOf(i) - (kCellSize - kGridTop), kCellSize,
            kCellSize};
}

BoardWidget::BoardWidget(const GameState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setGeometry(kGridLeft, kGridTop, kColumns * kCellSize, kRows * kCellSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

Int BoardWidget::CellAt(QPoint pos) {
    if (pos.x() < 0 || pos.y() < 0) return 0;
    const int c = pos.x() / kCellSize + 1;
    const int r = pos.y() / kCellSize + 1;
    if (c > kColumns || r > kRows) return 0;
    return static_cast<Int>((r - 1) * kColumns + c);
}

void BoardWidget::RepaintCell(Int i) {
    ++repaintRequests_;
    update(CellRect(i).translated(-kGridLeft, -kGridTop));
}

// Pictures are made for the screen's pixel density, and made again if the
// window moves to a screen of another density.
void BoardWidget::EnsurePictures() {
    const qreal dpr = devicePixelRatioF();
    if (dpr == picturesDpr_) return;
    pictures_ = MakeBallPictures(dpr);
    picturesDpr_ = dpr;
}

const QPixmap& BoardWidget::Picture(int number) {
    EnsurePictures();
    return pictures_[static_cast<std::size_t>(number)];
}

void BoardWidget::paintEvent(QPaintEvent* e) {
    EnsurePictures();
    QPainter p(this);
    for (Int i = 1; i <= kCells; ++i) {
        const QRect r = CellRect(i).translated(-kGridLeft, -kGridTop);
        if (!e->region().intersects(r)) continue;
        const Int n = state_.ShownPicture[i];
        if (n >= 1 && n <= 24) {
            p.drawPixmap(r, pictures_[static_cast<std::size_t>(n)]);
        } else {
            p.fillRect(r, palette().window());  // not drawn yet: shows the window
        }
    }
}

void BoardWidget::mousePressEvent(QMouseEvent* e) {
    emit cellPressed(CellAt(e->position().toPoint()));
}

// Qt keeps the press's grab on this widget, so a release anywhere arrives
// here; outside the grid it names no cell.
void BoardWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit cellReleased(CellAt(e->position().toPoint()));
}

}  // namespace zorbel::ui
