#include "qt/BallPictures.h"

#include "qt/BallSymbols.h"

#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace zorbel::ui {
namespace {

// Three tones per ball, from the table every edition shares: the lit side,
// the body and the side turned away. Every glossy effect is mixed from these.
struct Ramp {
    QColor light;
    QColor body;
    QColor dark;
};

static_assert(kBallRamps.size() == kBallColours + 1);
const std::array<Ramp, kBallColours + 1> kRamps = [] {
    std::array<Ramp, kBallColours + 1> ramps;
    for (std::size_t c = 0; c < ramps.size(); ++c) {
        const BallRamp& r = kBallRamps[c];
        ramps[c] = {ToQColor(r.light), ToQColor(r.body), ToQColor(r.dark)};
    }
    return ramps;
}();

// The ball keeps a small margin inside its 40-pixel square, so neighbouring
// balls on the board never touch and the corners stay pure ground.
constexpr qreal kBallInset = 2.0;

// Net over a marked ball: a square mesh bent over the sphere, its meshes
// wide in the middle and squeezed towards the edge. The mesh is cut a little
// outside the ball, so its threads run out across the dark rim and break the
// outline up. Mesh coordinates are in ball radii.
const QColor kNetColour = ToQColor(zorbel::kNetColour);
const QColor kNetShade(72, 72, 96, 80);  // a faint shadow keeps the net readable on pale balls
constexpr qreal kNetWidth = 1.5;
constexpr qreal kNetOvershoot = 1.5;  // logical pixels beyond the ball's edge
constexpr qreal kNetMesh = 0.40;      // distance between threads before bending
constexpr int kNetThreads = 3;        // on each side of the middle thread
constexpr qreal kNetBulge = 0.9;      // how strongly the middle swells
constexpr qreal kNetTurn = 30.0;      // degrees, so the threads cross the rim at many angles
constexpr int kNetSteps = 48;
// Plus sign of an active ball, in logical pixels; snapped to whole physical
// pixels at paint time so it stays crisp at every screen scale.
constexpr qreal kPlusArm = 8.0;        // from the centre to the end of an arm
constexpr qreal kPlusThickness = 2.0;  // width of each bar
constexpr qreal kPlusOutline = 1.0;
const QColor kPlusColour = ToQColor(zorbel::kPlusColour);
const QColor kPlusOutlineColour = ToQColor(zorbel::kPlusOutlineColour);

constexpr std::array<int, 5> kIconSizes{16, 24, 32, 48, 64};
// Icon layout: yellow, red, yellow / red, blue, red / blue, cyan, blue.
constexpr std::array<int, 9> kIconColours{2, 1, 2, 1, 5, 1, 5, 4, 5};
constexpr qreal kIconMargin = 0.02;   // of the icon size
constexpr qreal kIconBallGap = 0.04;  // of one cell

QColor Mix(const QColor& a, const QColor& b, qreal t, int alpha = 255) {
    auto lerp = [t](int x, int y) { return qRound(x + (y - x) * t); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()), alpha);
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// Draws the net in the logical coordinates of a 40-pixel picture.
void PaintNet(QPainter& p, const QRectF& ball) {
    const QPointF centre = ball.center();
    const qreal radius = ball.width() / 2.0;
    const qreal turn = qDegreesToRadians(kNetTurn);
    const qreal reach = kNetMesh * (kNetThreads + 0.5);

    // Mesh point to picture point: the bulge keeps a thread at mesh radius 1
    // on the ball's edge while swelling the middle.
    auto bend = [&](qreal u, qreal v) {
        const qreal squeeze = std::sqrt((1.0 + kNetBulge) / (1.0 + kNetBulge * (u * u + v * v)));
        const qreal x = u * squeeze;
        const qreal y = v * squeeze;
        return QPointF(centre.x() + radius * (x * std::cos(turn) - y * std::sin(turn)),
                       centre.y() + radius * (x * std::sin(turn) + y * std::cos(turn)));
    };

    QPainterPath net;
    for (int k = -kNetThreads; k <= kNetThreads; ++k) {
        const qreal a = k * kNetMesh;
        for (int family = 0; family < 2; ++family) {
            for (int step = 0; step <= kNetSteps; ++step) {
                const qreal t = -reach + 2.0 * reach * step / kNetSteps;
                const QPointF pt = family == 0 ? bend(a, t) : bend(t, a);
                if (step == 0) {
                    net.moveTo(pt);
                } else {
                    net.lineTo(pt);
                }
            }
        }
    }

    QPainterPath cut;
    cut.addEllipse(centre, radius + kNetOvershoot, radius + kNetOvershoot);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(cut);
    p.setBrush(Qt::NoBrush);
    p.translate(0.5, 0.5);
    p.setPen(QPen(kNetShade, kNetWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(net);
    p.translate(-0.5, -0.5);
    p.setPen(QPen(kNetColour, kNetWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(net);
    p.restore();
}

// Draws the plus sign straight onto physical pixels, without antialiasing,
// `scale` physical pixels to one logical pixel.
void PaintPlus(QImage& image, qreal scale) {
    const qreal centre = image.width() / 2.0;
    const int thickness = std::max(1, qRound(kPlusThickness * scale));
    const int arm = std::max(1, qRound(kPlusArm * scale));
    const int outline = std::max(1, qRound(kPlusOutline * scale));
    const int barStart = qFloor(centre - thickness / 2.0);
    const int armStart = qFloor(centre) - arm;

    const QRect across(armStart, barStart, 2 * arm, thickness);
    const QRect down(barStart, armStart, thickness, 2 * arm);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QMargins grow(outline, outline, outline, outline);
    p.fillRect(across.marginsAdded(grow), kPlusOutlineColour);
    p.fillRect(down.marginsAdded(grow), kPlusOutlineColour);
    p.fillRect(across, kPlusColour);
    p.fillRect(down, kPlusColour);
}

}  // namespace

void PaintBall(QPainter& p, const QRectF& rect, int colour) {
    if (colour < 1 || colour > kBallColours) return;
    const Ramp& ramp = kRamps[colour];

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Unit circle space: everything below scales with the ball, so the icon's
    // tiny balls and the board's big ones share one drawing.
    p.translate(rect.center());
    p.scale(rect.width() / 2.0, rect.height() / 2.0);
    p.setPen(Qt::NoPen);

    // Body: lit from the upper left, turning to the dark tone at the far rim.
    QRadialGradient body(QPointF(-0.3, -0.35), 1.45, QPointF(-0.42, -0.48));
    body.setColorAt(0.00, Mix(ramp.light, ramp.body, 0.7));
    body.setColorAt(0.52, ramp.body);
    body.setColorAt(0.84, ramp.dark);
    body.setColorAt(1.00, ramp.dark.darker(150));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);

    // Reflected light: a crescent hugging the lower right, just inside the
    // rim. A ring-shaped gradient centred up and to the left of the middle
    // lights only the far side, thinning out towards its two tips.
    constexpr qreal kCrescentRadius = 0.9;
    constexpr qreal kCrescentShift = 0.17;
    QRadialGradient glow(QPointF(-kCrescentShift, -kCrescentShift), kCrescentRadius + kCrescentShift);
    glow.setColorAt(0.00, WithAlpha(ramp.light, 0));
    glow.setColorAt(0.80, WithAlpha(ramp.light, 0));
    glow.setColorAt(1.00, WithAlpha(Mix(ramp.body, ramp.light, 0.75), 200));
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), kCrescentRadius, kCrescentRadius);

    // Shine: the window mirrored in the glaze, soft at its edge. It is the
    // ball's own brightest tone, not white, so the ball keeps its colour
    // where it is lit most.
    p.save();
    p.translate(-0.36, -0.42);
    p.rotate(-40.0);
    QRadialGradient shine(QPointF(0, 0), 1.0);
    shine.setColorAt(0.0, ramp.light);
    shine.setColorAt(0.5, WithAlpha(ramp.light, 230));
    shine.setColorAt(1.0, WithAlpha(ramp.light, 0));
    p.scale(0.34, 0.22);
    p.setBrush(shine);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.restore();

    // Dark rim: keeps pale balls (ivory) apart from the pale ground.
    constexpr qreal kRimWidth = 0.07;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(ramp.dark.darker(130), 210), kRimWidth));
    p.drawEllipse(QPointF(0, 0), 1.0 - kRimWidth / 2.0, 1.0 - kRimWidth / 2.0);
    p.restore();
}

BallPictureSet::BallPictureSet(qreal dpr)
    : dpr_(dpr), side_(std::max(1, qRound(kPictureSize * dpr))), scale_(static_cast<qreal>(side_) / kPictureSize) {}

QImage BallPictureSet::NewLayer() const {
    QImage layer(side_, side_, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

const QRectF& BallPictureSet::BallRect() {
    static const QRectF ball(kBallInset, kBallInset, kPictureSize - 2 * kBallInset, kPictureSize - 2 * kBallInset);
    return ball;
}

const QImage& BallPictureSet::Ball(int colour) {
    QImage& layer = balls_[static_cast<std::size_t>(colour)];
    if (layer.isNull()) {
        layer = NewLayer();
        QPainter p(&layer);
        p.scale(scale_, scale_);
        PaintBall(p, BallRect(), colour);
    }
    return layer;
}

// The net is the same over every colour, so it is drawn once and laid over.
const QImage& BallPictureSet::Net() {
    if (net_.isNull()) {
        net_ = NewLayer();
        QPainter p(&net_);
        p.scale(scale_, scale_);
        PaintNet(p, BallRect());
    }
    return net_;
}

QImage BallPictureSet::Compose(int number, bool symbols) {
    const bool marked = number > kMarkedPictureOffset && number <= kActivePictureOffset;
    const bool active = number > kActivePictureOffset;
    QImage image(side_, side_, QImage::Format_RGB32);
    image.fill(active ? kActivePictureGround : kPictureGround);
    if (number < 1 || number > kPictureCount) return image;
    {
        QPainter p(&image);
        p.drawImage(0, 0, Ball((number - 1) % kBallColours + 1));
        if (marked) p.drawImage(0, 0, Net());
        if (symbols) {  // over the net, so the net never hides it
            p.scale(scale_, scale_);
            PaintBallSymbol(p, kSymbolArea, (number - 1) % kBallColours + 1);
        }
    }
    if (active) PaintPlus(image, scale_);
    return image;
}

const QPixmap& BallPictureSet::Picture(int number, bool symbols) {
    QPixmap& picture = (symbols ? withSymbols_ : pictures_)[static_cast<std::size_t>(number)];
    if (picture.isNull()) {
        picture = QPixmap::fromImage(Compose(number, symbols));
        picture.setDevicePixelRatio(dpr_);
    }
    return picture;
}

QPixmap MakeBallPicture(int number, qreal dpr, bool symbols) { return BallPictureSet(dpr).Picture(number, symbols); }

std::array<QPixmap, 25> MakeBallPictures(qreal dpr) {
    BallPictureSet set(dpr);
    std::array<QPixmap, 25> pictures;
    for (int n = 1; n <= kPictureCount; ++n) pictures[static_cast<std::size_t>(n)] = set.Picture(n);
    return pictures;
}

QImage MakeIconImage(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kIconGround);
    QPainter p(&image);
    const qreal margin = size * kIconMargin;
    const qreal cell = (size - 2.0 * margin) / 3.0;
    const qreal gap = cell * kIconBallGap;
    for (int k = 0; k < 9; ++k) {
        const qreal x = margin + (k % 3) * cell;
        const qreal y = margin + (k / 3) * cell;
        PaintBall(p, QRectF(x + gap, y + gap, cell - 2 * gap, cell - 2 * gap), kIconColours[k]);
    }
    return image;
}

QIcon MakeWindowIcon() {
    QIcon icon;
    for (int size : kIconSizes) icon.addPixmap(QPixmap::fromImage(MakeIconImage(size)));
    return icon;
}

}  // namespace zorbel::ui
