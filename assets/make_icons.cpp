// Renders the window icon into PNG files for the desktop's icon theme, so
// that the launcher shows the very picture the window paints for itself.
// Usage: make_icons <output dir> <size>...
// Writes <output dir>/<size>x<size>/io.github.zorbel.Zorbel.png per size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "qt/BallPictures.h"

int main(int argc, char* argv[]) {
    // Painting into a QImage needs no screen; the offscreen platform keeps
    // the build independent of any display, even when run by hand.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: make_icons <output dir> <size>...\n");
        return 2;
    }
    const QDir out(args.at(1));
    for (qsizetype k = 2; k < args.size(); ++k) {
        bool ok = false;
        const int size = args.at(k).toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "make_icons: bad size '%s'\n", qPrintable(args.at(k)));
            return 2;
        }
        const QString sub = QStringLiteral("%1x%1").arg(size);
        if (!out.mkpath(sub)) {
            std::fprintf(stderr, "make_icons: cannot create %s\n", qPrintable(out.filePath(sub)));
            return 1;
        }
        QImage image = zorbel::ui::MakeIconImage(size);
        if (image.width() != size || image.height() != size) {
            // The theme looks icons up by their exact size; a mismatch would
            // be shown blurred or skipped.
            image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        const QString path = out.filePath(sub + QStringLiteral("/io.github.zorbel.Zorbel.png"));
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
