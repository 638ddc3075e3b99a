#include <cstdio>

#include "engine/Random.h"
#include "qt/Application.h"
#include "qt/FrmMain.h"
#include "qt/SingleInstance.h"
#include "qt/Translation.h"

int main(int argc, char* argv[]) {
    // The single-copy check comes first and needs no display: a second copy
    // knocks at the first one's door and leaves without a word.
    zorbel::ui::SingleInstance instance;
    switch (instance.Acquire()) {
        case zorbel::ui::SingleInstance::Outcome::First: break;
        case zorbel::ui::SingleInstance::Outcome::Second: instance.AskFirstCopyToShow(); return 0;
        case zorbel::ui::SingleInstance::Outcome::Unguarded:
            // Two copies are a smaller harm than a game that will not start.
            std::fprintf(stderr, "zorbel: starting without the single-copy lock: %s\n", instance.Problem().c_str());
            break;
    }

    const auto app = zorbel::ui::OpenApplication(argc, argv);
    zorbel::ui::UseTranslationFor(QLocale::system());
    QApplication::setApplicationName(QStringLiteral("zorbel"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zorbel.Zorbel"));

    zorbel::ui::frmMain window(zorbel::TimeOfDaySeed());
    QObject::connect(&instance, &zorbel::ui::SingleInstance::showRequested, &window, [&window](const QByteArray& token) {
        // Qt's Wayland shell hands this token over when the window asks to
        // be activated; elsewhere it is not looked at.
        if (!token.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token);
        window.BringToFront();
    });
    instance.ListenForRequests();
    window.show();
    return QApplication::exec();
}
