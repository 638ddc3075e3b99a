#include "qt/Application.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace zorbel::ui {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// What Qt says while it looks for a display is held back until it is known
// whether the game starts: then it is passed on, or summed up in one line.
std::vector<HeldMessage>* held = nullptr;

QString WhyNoWindow(const QString& fatal) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("no display is set (DISPLAY and WAYLAND_DISPLAY are empty)");
    // The platform's own word on what failed says more than the advice after it.
    for (const HeldMessage& m : *held) {
        if (m.category.startsWith("qt.qpa")) return m.text.trimmed();
    }
    return fatal.section(QLatin1Char('\n'), 0, 0).trimmed();
}

void HoldWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held->push_back({type, QByteArray(context.category), text});
        return;
    }
    std::fprintf(stderr, "zorbel: cannot open the game window: %s\n", qUtf8Printable(WhyNoWindow(text)));
    // Nothing of the game exists yet, so there is nothing to tear down.
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv) {
    std::vector<HeldMessage> messages;
    held = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(HoldWhileOpening);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    held = nullptr;
    for (const HeldMessage& m : messages)
        previous(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.constData()), m.text);
    return app;
}

}  // namespace zorbel::ui
