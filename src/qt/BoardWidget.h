#pragma once
// The 150 cell images as one surface. It paints the picture numbers the game
// record holds and reports presses and releases by cell; it decides nothing.
#include <QPixmap>
#include <QWidget>
#include <memory>

#include "engine/GameState.h"
#include "qt/BallPictures.h"
#include "qt/KeyboardCursor.h"

namespace zorbel::ui {

constexpr int kCellSize = 40;
constexpr int kGridLeft = 5;  // margins around the grid belong to no cell
constexpr int kGridTop = 5;

// Cell i in window client coordinates: Left = 40c - 35, Top = 40r - 35.
QRect CellRect(Int i);

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    explicit BoardWidget(const GameState& state, QWidget* parent = nullptr);

    // Cell under a point of this widget, 0 outside the grid. Positions are
    // floored, so each cell owns exactly its 40 columns and rows of pixels.
    static Int CellAt(QPointF pos);
    // Schedules a repaint of one cell whose picture number changed; a
    // screen reader, if one listens, hears the cell's new name.
    void RepaintCell(Int i);
    // One pass over the whole board, when the look of every cell changes.
    void RepaintAll();
    int RepaintRequests() const { return repaintRequests_; }
    const QPixmap& Picture(int number, bool symbols = false);
    const GameState& state() const { return state_; }
    Int cursorCell() const { return cursor_.cell(); }

signals:
    void cellPressed(zorbel::Int cell, int button);
    void cellReleased(zorbel::Int cell, int button);
    // Space or Enter on the keyboard cursor's cell.
    void cellClicked(zorbel::Int cell);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void UpdateCell(Int i);

    const GameState& state_;
    KeyboardCursor cursor_;
    std::unique_ptr<BallPictureSet> pictures_;
    int repaintRequests_ = 0;
};

}  // namespace zorbel::ui
