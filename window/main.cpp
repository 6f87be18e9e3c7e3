// Kestrivo: opens the estimation window and runs until it is closed.
//   Kestrivo [--stratum COLUMN] [--blocks-total K | NAME=K,...] [FILE...]
// A FILE (from a terminal, or a file manager's "Open with") is opened as File > Open survey opens
// it; several are field data tabulated together (an export's CSVs, a long table with its table
// of blocks). The design options open the survey's own window under that design.
#include <QApplication>
#include <QCommandLineParser>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "cli/design_words.h"
#include "survey/design_builder.h"
#include "window/form1.h"
#include "window/language.h"

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

    QCoreApplication::setApplicationName(QStringLiteral("Kestrivo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRIVO_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Estimates a city block's free-roaming dogs from three counts; with a "
                       "survey file, the city's dogs in a window of their own."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption stratum(QStringLiteral("stratum"),
                                     QStringLiteral("the survey's column that names the strata"),
                                     QStringLiteral("COLUMN"));
    const QCommandLineOption blocks_total(
        QStringLiteral("blocks-total"),
        QStringLiteral("the city's number of blocks, K, or each stratum's as NAME=K,..."),
        QStringLiteral("K"));
    parser.addOption(stratum);
    parser.addOption(blocks_total);
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("a survey file or field data to open; several files are field data "
                       "tabulated together (an export's CSVs, a long table and its table of "
                       "blocks)"),
        QStringLiteral("[FILE...]"));

    // --help and --version answer before anything needs a display, as a program run from a
    // script or over ssh expects; a plain core application gives the usage line its program
    // name. A command line that does not parse yet may hold Qt's own options (-platform,
    // -display), which only the graphical application takes out: it is read again below.
    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        if (parser.parse(arguments) &&
            (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
             parser.isSet(QStringLiteral("version")))) {
            const QCoreApplication plain(argc, argv);
            parser.process(plain);  // says what was asked and ends with status 0
        }
    }

    const QtMessageHandler previous = qInstallMessageHandler(hold_start_up_messages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : g_held_messages)
        qt_message_output(type, QMessageLogContext(), message);
    g_held_messages.clear();
    kestrivo::window::install_translations(app, kestrivo::window::chosen_locale());

    // A bad option is a usage error (status 2, as for the survey programs); --help and
    // --version end here with status 0.
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "Kestrivo: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    const QStringList files = parser.positionalArguments();
    kestrivo::survey::DesignOptions design;
    if (parser.isSet(stratum)) design.stratum_column = parser.value(stratum).toStdString();
    if (parser.isSet(blocks_total)) {
        const std::string why =
            kestrivo::survey::read_blocks_total(parser.value(blocks_total).toStdString(),
                                                design.blocks_total, design.blocks_by_stratum);
        if (!why.empty()) {
            std::fprintf(stderr, "Kestrivo: --blocks-total: %s.\n", why.c_str());
            return 2;
        }
    }
    const bool designed = parser.isSet(stratum) || parser.isSet(blocks_total);
    if (designed && files.isEmpty()) {
        std::fprintf(stderr, "Kestrivo: the design options need a FILE.\n");
        return 2;
    }
    if (const auto refused = design.refusal()) {
        std::fprintf(stderr, "Kestrivo: %s\n", kestrivo::cli::command_line_words(*refused).c_str());
        return 2;
    }

    kestrivo::window::Form1 window;
    window.show();
    if (!files.isEmpty()) {
        QMetaObject::invokeMethod(
            &window,
            [&window, files, design = designed ? std::optional(design) : std::nullopt] {
                window.open_command_line(files, design);
            },
            Qt::QueuedConnection);
    }
    return QApplication::exec();
}
