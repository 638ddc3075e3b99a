#pragma once
// The 24 ball pictures and the window icon, painted at start-up instead of
// being shipped as image files, so that they stay sharp on any screen scale.
#include <array>

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRectF>

#include "common/BallColours.h"

namespace zorbel::ui {

constexpr int kPictureSize = 40;  // logical pixels
constexpr int kBallColours = 8;
constexpr int kPictureCount = 24;
constexpr int kMarkedPictureOffset = 8;   // colour + 8: the net over a marked ball
constexpr int kActivePictureOffset = 16;  // colour + 16: the plus of an active ball

// The plain and marked pictures share the window's ground so that their
// corners vanish into it; active balls sit on a slightly lighter square.
inline QColor ToQColor(RgbColour c) { return QColor(c.red, c.green, c.blue); }
inline const QColor kPictureGround = ToQColor(kBallGround);
inline const QColor kActivePictureGround = ToQColor(kActiveBallGround);
inline const QColor kIconGround{214, 214, 255};

// Paints one glossy ball of colour code 1..8 filling `rect` (no background).
void PaintBall(QPainter& p, const QRectF& rect, int colour);

// Picture 1..24 (colour, +8 marked net, +16 active plus sign), 40x40
// logical, rendered at device pixel ratio dpr.
QPixmap MakeBallPicture(int number, qreal dpr, bool symbols = false);

// The pictures of one screen density, each made the first time it is shown:
// a board of six colours never pays for the other two, nor for a net or a
// plus sign before one appears. Balls and net are painted once as layers.
class BallPictureSet {
public:
    explicit BallPictureSet(qreal dpr);
    qreal dpr() const { return dpr_; }
    // Picture 1..24, plain or with the ball's symbol over it.
    const QPixmap& Picture(int number, bool symbols = false);

private:
    QImage Compose(int number, bool symbols);
    QImage NewLayer() const;
    static const QRectF& BallRect();
    const QImage& Ball(int colour);
    const QImage& Net();

    qreal dpr_;
    int side_;
    qreal scale_;
    std::array<QImage, kBallColours + 1> balls_;
    QImage net_;
    std::array<QPixmap, kPictureCount + 1> pictures_;
    std::array<QPixmap, kPictureCount + 1> withSymbols_;
};

// All 24, index 0 unused.
std::array<QPixmap, 25> MakeBallPictures(qreal dpr);

// Window icon: nine balls in a 3x3 square on an opaque light lavender ground.
QImage MakeIconImage(int size);
QIcon MakeWindowIcon();  // sizes 16, 24, 32, 48, 64

}  // namespace zorbel::ui
