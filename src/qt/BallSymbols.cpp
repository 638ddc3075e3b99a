#include "qt/BallSymbols.h"

#include <QPainterPath>
#include <QPen>
#include <QtMath>

namespace zorbel::ui {

namespace {

const QColor kSymbolFill(255, 255, 255);
const QColor kSymbolOutline(20, 20, 20);
constexpr qreal kOutline = 1.0;  // logical pixels, drawn under the fill's edge

// Shapes in a unit square (0..1 both ways).
QPainterPath Shape(int colour) {
    QPainterPath path;
    switch (colour) {
        case 1: path.addEllipse(QPointF(0.5, 0.5), 0.42, 0.42); break;  // dot
        case 2: path.addPolygon(QPolygonF({{0.5, 0.02}, {0.98, 0.92}, {0.02, 0.92}})); break;  // triangle
        case 3: path.addRect(0.1, 0.1, 0.8, 0.8); break;  // square
        case 4: path.addPolygon(QPolygonF({{0.5, 0.0}, {1.0, 0.5}, {0.5, 1.0}, {0.0, 0.5}})); break;  // diamond
        case 5:  // ring: a hole as wide as the band around it
            path.addEllipse(QPointF(0.5, 0.5), 0.48, 0.48);
            path.addEllipse(QPointF(0.5, 0.5), 0.2, 0.2);
            break;
        case 6: {  // five-pointed star
            QPolygonF star;
            for (int k = 0; k < 10; ++k) {
                const qreal radius = k % 2 == 0 ? 0.52 : 0.22;
                const qreal angle = qDegreesToRadians(-90.0 + 36.0 * k);
                star << QPointF(0.5 + radius * qCos(angle), 0.55 + radius * qSin(angle));
            }
            path.addPolygon(star);
            break;
        }
        case 7: path.addRect(0.0, 0.32, 1.0, 0.36); break;  // bar
        case 8: {  // diagonal cross, unlike the upright plus of an active ball
            QPainterPath bar;
            bar.addRect(-0.62, -0.14, 1.24, 0.28);
            for (qreal turn : {45.0, -45.0}) {
                path = path.united(QTransform().translate(0.5, 0.5).rotate(turn).map(bar));
            }
            break;
        }
        default: break;
    }
    path.closeSubpath();
    return path;
}

}  // namespace

void PaintBallSymbol(QPainter& p, const QRectF& area, int colour) {
    const QPainterPath shape = QTransform().translate(area.left(), area.top()).scale(area.width(), area.height()).map(Shape(colour));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kSymbolOutline, 2 * kOutline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(kSymbolFill);
    p.drawPath(shape);
    p.restore();
}

}  // namespace zorbel::ui
