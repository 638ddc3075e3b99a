// Renders the 24 ball pictures as sprite sheets for the browser edition, so
// that the page shows the very pictures the desktop paints.
// Usage: make_sprites <output dir> <device pixel ratio>...
// Writes <output dir>/balls-<ratio>x.png and balls-<ratio>x-symbols.png per
// ratio: pictures 1..24 side by side, each 40 * ratio pixels square;
// icon.png, the window icon for the browser tab; and the app icons the web
// manifest names: icon-192.png, icon-512.png and icon-maskable-512.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

#include "qt/BallPictures.h"

namespace {

constexpr int kBestCompression = 0;  // QImage's PNG "quality" 0: smallest file
constexpr int kTabIconSize = 32;
constexpr int kAppIconSizes[] = {192, 512};
constexpr int kMaskableIconSize = 512;
// A maskable icon may be cut to a circle of 80% of its side: the design
// keeps to the middle, on the icon's own ground reaching every edge.
constexpr double kMaskableDesign = 0.6;

QImage MaskableIcon(int size) {
    QImage icon(size, size, QImage::Format_RGB32);
    icon.fill(zorbel::ui::kIconGround);
    const int design = static_cast<int>(size * kMaskableDesign);
    QPainter p(&icon);
    p.drawImage((size - design) / 2, (size - design) / 2, zorbel::ui::MakeIconImage(design));
    return icon;
}

bool Save(const QImage& image, const QDir& out, const QString& name) {
    if (image.save(out.filePath(name), "PNG", kBestCompression)) return true;
    std::fprintf(stderr, "make_sprites: cannot write %s\n", qPrintable(name));
    return false;
}

QImage Sheet(int ratio, bool symbols) {
    const int side = zorbel::ui::kPictureSize * ratio;
    QImage sheet(side * zorbel::ui::kPictureCount, side, QImage::Format_RGB32);
    QPainter p(&sheet);
    zorbel::ui::BallPictureSet pictures(ratio);
    for (int n = 1; n <= zorbel::ui::kPictureCount; ++n) {
        QImage picture = pictures.Picture(n, symbols).toImage();
        picture.setDevicePixelRatio(1.0);  // placed pixel for pixel
        p.drawImage((n - 1) * side, 0, picture);
    }
    return sheet;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: make_sprites <output dir> <device pixel ratio>...\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_sprites: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    if (!Save(zorbel::ui::MakeIconImage(kTabIconSize), out, QStringLiteral("icon.png"))) return 1;
    for (const int size : kAppIconSizes) {
        if (!Save(zorbel::ui::MakeIconImage(size), out, QStringLiteral("icon-%1.png").arg(size))) return 1;
    }
    if (!Save(MaskableIcon(kMaskableIconSize), out, QStringLiteral("icon-maskable-%1.png").arg(kMaskableIconSize))) {
        return 1;
    }
    for (qsizetype k = 2; k < args.size(); ++k) {
        bool ok = false;
        const int ratio = args.at(k).toInt(&ok);
        if (!ok || ratio <= 0) {
            std::fprintf(stderr, "make_sprites: bad ratio '%s'\n", qPrintable(args.at(k)));
            return 2;
        }
        for (const bool symbols : {false, true}) {
            const QString name = QStringLiteral("balls-%1x%2.png").arg(ratio).arg(symbols ? "-symbols" : "");
            if (!Save(Sheet(ratio, symbols), out, name)) return 1;
        }
    }
    return 0;
}
