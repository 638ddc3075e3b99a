// The painted ball pictures and window icon: their grounds, sizes, plus
// sign, net and colours, checked pixel by pixel.
#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "qt/BallPictures.h"

using namespace zorbel::ui;

namespace {

// A point on the lit body of the ball, below and right of its shine.
const QPoint kBodyPoint(23, 23);
constexpr int kCentre = 20;  // the middle pixel of a 40-pixel picture at dpr 1
// The eight balls, and each ball against the ground, must differ by at least
// this much (Euclidean RGB distance) to be told apart at a glance.
constexpr double kDistinctColours = 60.0;
const QColor kBlack(0, 0, 0);
const QColor kPlusOutline(128, 128, 128);

double Distance(const QColor& a, const QColor& b) {
    const double dr = a.red() - b.red();
    const double dg = a.green() - b.green();
    const double db = a.blue() - b.blue();
    return std::sqrt(dr * dr + dg * dg + db * db);
}

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

QString Describe(const QColor& c) {
    return QStringLiteral("(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// Rough hues of the icon's balls, tolerant of the gloss over them.
bool IsRed(const QColor& c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; }
bool IsYellow(const QColor& c) { return c.red() > 150 && c.green() > 150 && c.blue() < 90; }
bool IsBlue(const QColor& c) { return c.blue() > 150 && c.red() < 90 && c.green() < 90; }
bool IsCyan(const QColor& c) { return c.green() > 150 && c.blue() > 150 && c.red() < 90; }

}  // namespace

class BallPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void cornersShowTheGroundOfEachPicture_data();
    void cornersShowTheGroundOfEachPicture();
    void picturesAreFortyLogicalPixels_data();
    void picturesAreFortyLogicalPixels();
    void setHoldsAllTwentyFourPictures();
    void plusSignArmsAtDprOne_data();
    void plusSignArmsAtDprOne();
    void plusSignScalesToWholePixelsAtDprTwo();
    void activeBallIsThePlainBallAwayFromThePlus();
    void bodyColoursAreDistinct();
    void symbolsTellEveryColourApartUnderColourBlindness();
    void highlightIsTheBallsOwnBrightTone_data();
    void highlightIsTheBallsOwnBrightTone();
    void markedBallWearsANetThatBreaksItsOutline_data();
    void markedBallWearsANetThatBreaksItsOutline();
    void iconIsOpaqueOnLavenderWithNineBalls_data();
    void iconIsOpaqueOnLavenderWithNineBalls();
    void windowIconOffersAllSizes();
};

void BallPicturesTest::cornersShowTheGroundOfEachPicture_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<qreal>("dpr");
    for (qreal dpr : {1.0, 1.5, 2.0}) {
        for (int n = 1; n <= kPictureCount; ++n) {
            QTest::addRow("picture %d at %.1f", n, dpr) << n << dpr;
        }
    }
}

void BallPicturesTest::cornersShowTheGroundOfEachPicture() {
    QFETCH(int, number);
    QFETCH(qreal, dpr);
    const QImage image = MakeBallPicture(number, dpr).toImage();
    QVERIFY(!image.hasAlphaChannel());
    const QColor ground = number <= 16 ? QColor(192, 192, 255) : QColor(198, 199, 255);
    const int last = image.width() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last),
                          QPoint(1, 1), QPoint(last - 1, last - 1)}) {
        const QColor c = image.pixelColor(corner);
        QVERIFY2(c.rgb() == ground.rgb(), qPrintable(Describe(c)));
        QCOMPARE(c.alpha(), 255);
    }
}

void BallPicturesTest::picturesAreFortyLogicalPixels_data() {
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<int>("physical");
    QTest::newRow("dpr 1") << 1.0 << 40;
    QTest::newRow("dpr 1.5") << 1.5 << 60;
    QTest::newRow("dpr 2") << 2.0 << 80;
}

void BallPicturesTest::picturesAreFortyLogicalPixels() {
    QFETCH(qreal, dpr);
    QFETCH(int, physical);
    for (int n : {1, 12, 24}) {
        const QPixmap pixmap = MakeBallPicture(n, dpr);
        QCOMPARE(pixmap.size(), QSize(physical, physical));
        QCOMPARE(pixmap.devicePixelRatio(), dpr);
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(kPictureSize, kPictureSize));
    }
}

void BallPicturesTest::setHoldsAllTwentyFourPictures() {
    const auto pictures = MakeBallPictures(2.0);
    QVERIFY(pictures[0].isNull());
    for (int n = 1; n <= kPictureCount; ++n) {
        QVERIFY(!pictures[n].isNull());
        QCOMPARE(pictures[n].size(), QSize(80, 80));
        QCOMPARE(pictures[n].devicePixelRatio(), 2.0);
    }
    // Each picture of the set is its own: no two numbers share one image.
    for (int a = 1; a <= kPictureCount; ++a) {
        for (int b = a + 1; b <= kPictureCount; ++b) {
            QVERIFY2(pictures[a].toImage() != pictures[b].toImage(), qPrintable(QStringLiteral("%1 == %2").arg(a).arg(b)));
        }
    }
}

void BallPicturesTest::plusSignArmsAtDprOne_data() {
    QTest::addColumn<int>("number");
    for (int n = 17; n <= 24; ++n) QTest::addRow("picture %d", n) << n;
}

void BallPicturesTest::plusSignArmsAtDprOne() {
    QFETCH(int, number);
    const QImage image = MakeBallPicture(number, 1.0).toImage();
    const int c = kCentre;

    // Black along both bars, out to 7 pixels from the middle.
    for (QPoint pt : {QPoint(c, c), QPoint(c - 1, c - 1), QPoint(c + 7, c), QPoint(c - 7, c),
                      QPoint(c, c + 7), QPoint(c, c - 7), QPoint(c + 7, c - 1), QPoint(c - 1, c - 7)}) {
        QVERIFY2(At(image, pt.x(), pt.y()) == kBlack, qPrintable(QStringLiteral("(%1,%2)").arg(pt.x()).arg(pt.y())));
    }
    // Bars 2 pixels thick: one grey pixel on each side of a bar.
    QCOMPARE(At(image, c + 5, c - 2), kPlusOutline);
    QCOMPARE(At(image, c + 5, c + 1), kPlusOutline);
    QCOMPARE(At(image, c - 2, c + 5), kPlusOutline);
    QCOMPARE(At(image, c + 1, c + 5), kPlusOutline);
    // Arms end 8 pixels out, capped by grey.
    QCOMPARE(At(image, c + 8, c), kPlusOutline);
    QCOMPARE(At(image, c - 9, c), kPlusOutline);
    QCOMPARE(At(image, c, c + 8), kPlusOutline);
    QCOMPARE(At(image, c, c - 9), kPlusOutline);
    // Beyond the outline the ball shows again, neither black nor outline grey.
    for (QPoint pt : {QPoint(c + 10, c), QPoint(c - 10, c), QPoint(c, c + 10), QPoint(c, c - 10),
                      QPoint(c + 5, c - 4), QPoint(c - 4, c + 5)}) {
        const QColor seen = At(image, pt.x(), pt.y());
        QVERIFY2(Distance(seen, kBlack) > 80.0, qPrintable(Describe(seen)));
        QVERIFY2(seen != kPlusOutline, qPrintable(Describe(seen)));
    }
}

void BallPicturesTest::plusSignScalesToWholePixelsAtDprTwo() {
    const QImage image = MakeBallPicture(21, 2.0).toImage();
    // Logical centre 20 is physical 40; the arm of 8 becomes 16, the bar 4
    // and the outline 2 whole pixels, so no edge pixel is a blend.
    QCOMPARE(At(image, 40, 40), kBlack);
    QCOMPARE(At(image, 55, 38), kBlack);
    QCOMPARE(At(image, 24, 41), kBlack);
    QCOMPARE(At(image, 39, 24), kBlack);
    QCOMPARE(At(image, 56, 40), kPlusOutline);
    QCOMPARE(At(image, 57, 40), kPlusOutline);
    QCOMPARE(At(image, 50, 37), kPlusOutline);
    QCOMPARE(At(image, 50, 36), kPlusOutline);
    QCOMPARE(At(image, 50, 42), kPlusOutline);
    QVERIFY(Distance(At(image, 60, 40), kBlack) > 80.0);
    QVERIFY(At(image, 58, 40) != kPlusOutline);
    QVERIFY(At(image, 50, 35) != kPlusOutline);
}

void BallPicturesTest::activeBallIsThePlainBallAwayFromThePlus() {
    for (int colour = 1; colour <= kBallColours; ++colour) {
        const QImage plain = MakeBallPicture(colour, 1.0).toImage();
        const QImage active = MakeBallPicture(colour + kActivePictureOffset, 1.0).toImage();
        for (QPoint pt : {QPoint(12, 12), QPoint(28, 28), QPoint(10, 27), QPoint(28, 12), kBodyPoint}) {
            QCOMPARE(active.pixelColor(pt), plain.pixelColor(pt));
        }
        QVERIFY(active.pixelColor(kCentre, kCentre) != plain.pixelColor(kCentre, kCentre));
    }
}

void BallPicturesTest::bodyColoursAreDistinct() {
    std::array<QColor, kBallColours + 1> body;
    for (int colour = 1; colour <= kBallColours; ++colour) {
        body[colour] = MakeBallPicture(colour, 1.0).toImage().pixelColor(kBodyPoint);
    }
    body[0] = QColor(192, 192, 255);  // the ground counts as a ninth colour
    for (int a = 0; a <= kBallColours; ++a) {
        for (int b = a + 1; b <= kBallColours; ++b) {
            const double d = Distance(body[a], body[b]);
            QVERIFY2(d > kDistinctColours,
                     qPrintable(QStringLiteral("%1 %2 vs %3 %4: %5")
                                    .arg(a).arg(Describe(body[a])).arg(b).arg(Describe(body[b])).arg(d)));
        }
    }
    // The named tones: a red body, a warm orange between red and yellow,
    // and an ivory that stays a warm light grey.
    QVERIFY(IsRed(body[1]));
    QVERIFY(IsYellow(body[2]));
    QVERIFY(body[8].red() > 200 && body[8].green() > 70 && body[8].green() < 160 && body[8].blue() < 60);
    QVERIFY(body[7].red() >= body[7].green() && body[7].green() >= body[7].blue());
    QVERIFY(body[7].red() - body[7].blue() < 50 && body[7].blue() > 140);
}

namespace {

// Colour vision deficiencies as Machado, Oliveira and Fernandes (2009)
// simulate them at full severity, on linear RGB.
using Matrix = std::array<std::array<double, 3>, 3>;
const struct {
    const char* name;
    Matrix m;
} kDeficiencies[] = {
    {"protanopia", {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia", {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia", {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
};

// Two pictures differ clearly when at least kClearPixels of their pixels
// (a patch of about 5 x 5) differ by more than kClearDelta in CIE L*a*b*
// (about 2.3 is the least difference one can see; 20 is plain at a glance).
constexpr double kClearDelta = 20.0;
constexpr int kClearPixels = 25;

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::array<double, 3> Lab(const std::array<double, 3>& rgb) {
    const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
    auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116.0 * f(y) - 16.0, 500.0 * (f(x) - f(y)), 200.0 * (f(y) - f(z))};
}

// The picture as one with the deficiency sees it, pixel by pixel in L*a*b*.
std::vector<std::array<double, 3>> AsSeen(const QImage& image, const Matrix& m) {
    std::vector<std::array<double, 3>> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const std::array<double, 3> rgb{Linear(c.red()), Linear(c.green()), Linear(c.blue())};
            std::array<double, 3> out{};
            for (int i = 0; i < 3; ++i) out[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
            seen.push_back(Lab(out));
        }
    }
    return seen;
}

int ClearlyDifferentPixels(const std::vector<std::array<double, 3>>& a, const std::vector<std::array<double, 3>>& b) {
    int n = 0;
    for (std::size_t k = 0; k < a.size(); ++k) {
        const double d = std::hypot(a[k][0] - b[k][0], a[k][1] - b[k][1], a[k][2] - b[k][2]);
        n += d > kClearDelta;
    }
    return n;
}

}  // namespace

// With symbols on, every two of the eight plain balls still differ clearly
// for players with any of the three full colour vision deficiencies. The
// pairs that are too close without symbols are printed.
void BallPicturesTest::symbolsTellEveryColourApartUnderColourBlindness() {
    for (const auto& deficiency : kDeficiencies) {
        std::vector<std::vector<std::array<double, 3>>> plain, symbols;
        for (int colour = 1; colour <= kBallColours; ++colour) {
            plain.push_back(AsSeen(MakeBallPicture(colour, 1.0).toImage(), deficiency.m));
            symbols.push_back(AsSeen(MakeBallPicture(colour, 1.0, true).toImage(), deficiency.m));
        }
        QStringList tooClose;
        int least = 40 * 40;
        for (int a = 0; a < kBallColours; ++a) {
            for (int b = a + 1; b < kBallColours; ++b) {
                const int with = ClearlyDifferentPixels(symbols[a], symbols[b]);
                least = std::min(least, with);
                QVERIFY2(with >= kClearPixels, qPrintable(QStringLiteral("%1: colours %2 and %3 differ clearly in only %4 pixels")
                                                              .arg(deficiency.name).arg(a + 1).arg(b + 1).arg(with)));
                const int without = ClearlyDifferentPixels(plain[a], plain[b]);
                if (without < kClearPixels) tooClose << QStringLiteral("%1-%2 (%3 px)").arg(a + 1).arg(b + 1).arg(without);
            }
        }
        qInfo("%s: with symbols every pair differs clearly in %d pixels or more; without them too close: %s",
              deficiency.name, least, qPrintable(tooClose.join(QStringLiteral(", "))));
    }
}

// The shine is the ball's own bright tone, not white: the brightest pixel
// on the ball keeps the hue and most of the saturation of the lit tone.
void BallPicturesTest::highlightIsTheBallsOwnBrightTone_data() {
    QTest::addColumn<int>("colour");
    QTest::addColumn<QColor>("light");
    const QColor lights[] = {{255, 43, 43},  {255, 255, 43}, {43, 255, 43},   {43, 255, 255},
                             {43, 43, 255},  {255, 43, 255}, {235, 231, 226}, {255, 153, 44}};
    for (int colour = 1; colour <= kBallColours; ++colour) QTest::addRow("colour %d", colour) << colour << lights[colour - 1];
}

void BallPicturesTest::highlightIsTheBallsOwnBrightTone() {
    QFETCH(int, colour);
    QFETCH(QColor, light);
    const QImage image = MakeBallPicture(colour, 1.0).toImage();
    QColor brightest(0, 0, 0);
    auto luma = [](const QColor& c) { return 299 * c.red() + 587 * c.green() + 114 * c.blue(); };
    constexpr int kInside = 15;  // pixels from the middle: on the ball, clear of the ground
    for (int y = kCentre - kInside; y <= kCentre + kInside; ++y) {
        for (int x = kCentre - kInside; x <= kCentre + kInside; ++x) {
            const QColor c = image.pixelColor(x, y);
            if ((x - kCentre) * (x - kCentre) + (y - kCentre) * (y - kCentre) <= kInside * kInside && luma(c) > luma(brightest))
                brightest = c;
        }
    }
    const int hueGap = std::abs(brightest.hsvHue() - light.hsvHue());
    QVERIFY2(std::min(hueGap, 360 - hueGap) <= 10, qPrintable(Describe(brightest)));
    QVERIFY2(brightest.hsvSaturation() >= light.hsvSaturation() * 3 / 4, qPrintable(Describe(brightest)));
    QVERIFY2(brightest.value() >= light.value() * 9 / 10, qPrintable(Describe(brightest)));  // still a shine
}

void BallPicturesTest::markedBallWearsANetThatBreaksItsOutline_data() {
    QTest::addColumn<int>("colour");
    for (int colour = 1; colour <= kBallColours; ++colour) QTest::addRow("colour %d", colour) << colour;
}

void BallPicturesTest::markedBallWearsANetThatBreaksItsOutline() {
    QFETCH(int, colour);
    const QImage plain = MakeBallPicture(colour, 1.0).toImage();
    const QImage marked = MakeBallPicture(colour + kMarkedPictureOffset, 1.0).toImage();
    const QColor ground(192, 192, 255);
    const QColor netGrey(226, 226, 226);

    int changed = 0;
    int netInside = 0;
    for (int y = 0; y < kPictureSize; ++y) {
        for (int x = 0; x < kPictureSize; ++x) {
            if (plain.pixelColor(x, y) != marked.pixelColor(x, y)) ++changed;
            const double r = std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre);
            if (r < 14.0 && Distance(marked.pixelColor(x, y), netGrey) < 30.0) ++netInside;
        }
    }
    QVERIFY2(changed > 200, qPrintable(QString::number(changed)));
    QVERIFY2(netInside > 40, qPrintable(QString::number(netInside)));

    // Round the dark rim and just outside the ball: the plain ball's
    // outline is whole, the marked one is crossed by light threads that
    // also run out onto the ground.
    int plainRimLight = 0;
    int markedRimLight = 0;
    int plainOutside = 0;
    int markedOutside = 0;
    for (int y = 0; y < kPictureSize; ++y) {
        for (int x = 0; x < kPictureSize; ++x) {
            const double r = std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre);
            if (r >= 16.9 && r <= 17.9) {
                if (Distance(plain.pixelColor(x, y), netGrey) < 45.0) ++plainRimLight;
                if (Distance(marked.pixelColor(x, y), netGrey) < 45.0) ++markedRimLight;
            }
            if (r >= 18.9 && r <= 19.5) {
                if (Distance(plain.pixelColor(x, y), ground) > 20.0) ++plainOutside;
                if (Distance(marked.pixelColor(x, y), ground) > 20.0) ++markedOutside;
            }
        }
    }
    QCOMPARE(plainRimLight, 0);
    QCOMPARE(plainOutside, 0);
    QVERIFY2(markedRimLight >= 12, qPrintable(QString::number(markedRimLight)));
    QVERIFY2(markedOutside >= 12, qPrintable(QString::number(markedOutside)));

    const int last = kPictureSize - 1;
    QCOMPARE(marked.pixelColor(0, 0), ground);
    QCOMPARE(marked.pixelColor(last, last), ground);
}

void BallPicturesTest::iconIsOpaqueOnLavenderWithNineBalls_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64}) QTest::addRow("%d", size) << size;
}

void BallPicturesTest::iconIsOpaqueOnLavenderWithNineBalls() {
    QFETCH(int, size);
    const QImage icon = MakeIconImage(size);
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(!icon.hasAlphaChannel());
    const int last = size - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
        const QColor c = icon.pixelColor(corner);
        QCOMPARE(c.alpha(), 255);
        // Light lavender: blue on top, red and green equal and pale.
        QVERIFY2(c.blue() == 255 && c.red() == c.green() && c.red() >= 190, qPrintable(Describe(c)));
    }
    auto cell = [&](int row, int column) {
        const int x = (2 * column + 1) * size / 6;
        const int y = (2 * row + 1) * size / 6;
        return icon.pixelColor(x, y);
    };
    const auto check = [&](int row, int column, bool (*is)(const QColor&), const char* name) {
        const QColor c = cell(row, column);
        QVERIFY2(is(c), qPrintable(QStringLiteral("row %1 column %2 should be %3, is %4")
                                       .arg(row).arg(column).arg(QLatin1String(name)).arg(Describe(c))));
    };
    check(0, 0, IsYellow, "yellow");
    check(0, 1, IsRed, "red");
    check(0, 2, IsYellow, "yellow");
    check(1, 0, IsRed, "red");
    check(1, 1, IsBlue, "blue");
    check(1, 2, IsRed, "red");
    check(2, 0, IsBlue, "blue");
    check(2, 1, IsCyan, "cyan");
    check(2, 2, IsBlue, "blue");
}

void BallPicturesTest::windowIconOffersAllSizes() {
    const QIcon icon = MakeWindowIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 24, 32, 48, 64}) QVERIFY(sizes.contains(QSize(size, size)));
    // The 64-pixel picture is the painted icon itself, not a scaled copy.
    QCOMPARE(icon.pixmap(QSize(64, 64)).toImage().convertToFormat(QImage::Format_RGB32),
             MakeIconImage(64));
}

QTEST_MAIN(BallPicturesTest)
#include "BallPicturesTest.moc"
