#pragma once
// A symbol for each ball colour, so that balls can be told apart by shape
// as well as by colour: dot, triangle, square, diamond, ring, star, bar and
// cross for red, yellow, green, cyan, blue, magenta, ivory and orange. Each
// is white with a dark outline, readable on every ball and over the net,
// and sits in the lower right of the ball, clear of the active ball's plus.
#include <QPainter>
#include <QRectF>

namespace zorbel::ui {

// Where the symbol goes in a 40-pixel picture, in logical pixels.
inline const QRectF kSymbolArea{23.5, 23.5, 10.0, 10.0};

// Paints the symbol of colour code 1..8 filling `area`.
void PaintBallSymbol(QPainter& p, const QRectF& area, int colour);

}  // namespace zorbel::ui
