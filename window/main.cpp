// Kestrivo: opens the estimation window and runs until it is closed.
#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "window/form1.h"

namespace {

// Qt reports a window system it cannot reach with a few warnings and a fatal message, and then
// aborts. Until the application stands, its messages are held here: a fatal one becomes one line
// that says what is missing and exit status 1; otherwise they are passed on once it stands.
std::vector<std::pair<QtMsgType, QString>> g_held_messages;

std::string no_display_line() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value ? std::string(value) : std::string();
    };
    const std::string platform = set("QT_QPA_PLATFORM"), x = set("DISPLAY"),
                      wayland = set("WAYLAND_DISPLAY");
    if (!platform.empty() && platform.rfind("xcb", 0) != 0 && platform.rfind("wayland", 0) != 0) {
        return "Kestrivo cannot open its window: the platform \"" + platform +
               "\" named in QT_QPA_PLATFORM is not available.";
    }
    if (x.empty() && wayland.empty()) {
        return "Kestrivo needs a graphical display: neither DISPLAY nor WAYLAND_DISPLAY is set.";
    }
    return "Kestrivo needs a graphical display: the display \"" + (x.empty() ? wayland : x) +
           "\" cannot be opened.";
}

void hold_start_up_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", no_display_line().c_str());
        std::_Exit(1);
    }
    g_held_messages.emplace_back(type, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    // A file-size limit makes a write fail with "File too large", which the file output reports;
    // left to its default, the signal would end the program and the user's work with it.
    std::signal(SIGXFSZ, SIG_IGN);

    const QtMessageHandler previous = qInstallMessageHandler(hold_start_up_messages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : g_held_messages)
        qt_message_output(type, QMessageLogContext(), message);
    g_held_messages.clear();

    kestrivo::window::Form1 window;
    window.show();
    return QApplication::exec();
}
