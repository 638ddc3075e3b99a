#include <QApplication>

#include "engine/Random.h"
#include "ui/FrmMain.h"
#include "ui/SingleInstance.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorbel"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zorbel.Zorbel"));

    // A second copy leaves without a word and without touching the first.
    zorbel::ui::SingleInstance instance;
    if (!instance.Acquire()) return 0;

    zorbel::ui::frmMain window(zorbel::TimeOfDaySeed());
    window.show();
    return QApplication::exec();
}
