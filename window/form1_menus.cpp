// The menu bar and its commands that are not about files of counts: exporting, printing and
// copying what the window shows, the user guide and the about box.
#include <csv.h>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <boost/version.hpp>
#include <memory>
#include <sstream>

#include "platform/runtime_error.h"
#include "platform/whole_file.h"
#include "window/form1.h"
#include "window/language.h"
#include "window/picture_box.h"
#include "window/plot_export.h"
#include "window/report_strip.h"

namespace kestrivo::window {

namespace {

QAction* add_action(QMenu* menu, const QString& text, const QKeySequence& keys,
                    const std::function<void()>& command) {
    QAction* action = menu->addAction(text);
    action->setShortcut(keys);
    QObject::connect(action, &QAction::triggered, menu, command);
    return action;
}

//: File types of an exported plot: keep each pattern in brackets as it is.
constexpr const char* kPlotFilters = QT_TRANSLATE_NOOP(
    "kestrivo::window::Form1", "PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)");

}  // namespace

void Form1::create_menus() {
    menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(tr("&File"));
    actions.open_survey = add_action(file, tr("&Open survey..."), QKeySequence::Open,
                                     [this] { run_command(&Form1::open_survey); });
    actions.save_counts = add_action(file, tr("&Save counts..."), QKeySequence::Save,
                                     [this] { run_command(&Form1::save_counts); });
    file->addSeparator();
    actions.export_plot =
        add_action(file, tr("&Export plot..."), QKeySequence(Qt::CTRL | Qt::Key_E),
                   [this] { run_command(&Form1::export_plot); });
    actions.print_plot = add_action(file, tr("&Print plot..."), QKeySequence::Print,
                                    [this] { run_command(&Form1::print_plot); });
    file->addSeparator();
    actions.quit = add_action(file, tr("&Quit"), QKeySequence::Quit, [this] { close(); });

    QMenu* edit = menuBar->addMenu(tr("&Edit"));
    actions.copy_results = add_action(edit, tr("&Copy results"), QKeySequence::Copy,
                                      [this] { run_command(&Form1::copy_results); });
    actions.copy_plot =
        add_action(edit, tr("Copy &plot"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                   [this] { run_command(&Form1::copy_plot); });

    QMenu* help = menuBar->addMenu(tr("&Help"));
    actions.user_guide = add_action(help, tr("&User guide"), QKeySequence::HelpContents,
                                    [this] { show_user_guide(); });
    actions.about =
        add_action(help, tr("&About Kestrivo"), QKeySequence(), [this] { show_about(); });
    create_language_menu(help);
}

// The window's texts are made once, at start, so a language chosen here is only saved; the user
// is told it takes effect when Kestrivo starts again.
void Form1::create_language_menu(QMenu* help) {
    QMenu* menu = help->addMenu(tr("&Language"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const QString saved = saved_language();
    for (const LanguageChoice& choice : language_choices()) {
        QAction* action = menu->addAction(choice.name);
        action->setCheckable(true);
        action->setChecked(choice.code == saved);
        action->setData(choice.code);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code = choice.code] {
            save_language(code);
            dialogs_.tell(tr("The language is saved; restart Kestrivo to use it."));
        });
        actions.languages.push_back(action);
    }
}

void Form1::install_default_dialogs() {
    dialogs_.open_files = [this](const QString& title, const QString& filters) {
        return QFileDialog::getOpenFileNames(this, title, QString(), filters);
    };
    dialogs_.save_file = [this](const QString& title, const QString& filters, QString& filter) {
        // Over the window that asked: the survey window's exports ask through this one.
        QWidget* over = QApplication::activeWindow() ? QApplication::activeWindow() : this;
        return QFileDialog::getSaveFileName(over, title, QString(), filters, &filter);
    };
    dialogs_.confirm = [this](const QString& question) {
        return QMessageBox::question(this, QStringLiteral("Kestrivo"), question) ==
               QMessageBox::Yes;
    };
    // A progress dialog shown only once reading has taken a moment, with a Cancel button.
    dialogs_.reading = [this, progress = std::shared_ptr<QProgressDialog>()](double share) mutable {
        if (!progress) {
            progress = std::make_shared<QProgressDialog>(tr("Reading the survey..."), tr("Cancel"),
                                                         0, 1000, this);
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(500);
        }
        progress->setValue(int(share * 1000));
        QCoreApplication::processEvents();
        const bool go_on = !progress->wasCanceled();
        if (share >= 1 || !go_on) progress.reset();
        return go_on;
    };
    dialogs_.tell = [this](const QString& message) {
        QMessageBox::information(this, QStringLiteral("Kestrivo"), message);
    };
    dialogs_.print = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(tr("Print plot"));
        return dialog.exec() == QDialog::Accepted;
    };
}

namespace {

enum class PlotUse { export_it, print_it, copy_it };

// Whole sentences: the verb takes different words around it in other languages.
[[noreturn]] void nothing_to(PlotUse use) {
    const QString words =
        use == PlotUse::export_it ? Form1::tr("there is no plot to export yet: press \"%1\" first.")
        : use == PlotUse::print_it ? Form1::tr("there is no plot to print yet: press \"%1\" first.")
                                   : Form1::tr("there is no plot to copy yet: press \"%1\" first.");
    throw platform::RuntimeError(platform::ErrorKind::InvalidInput,
                                 words.arg(Form1::tr("estimate")).toStdString());
}

}  // namespace

void Form1::export_plot() {
    if (!picture_.shown) nothing_to(PlotUse::export_it);
    const QString filters = tr(kPlotFilters);
    QString filter = filters.section(QStringLiteral(";;"), 0, 0);
    const QString path = dialogs_.save_file(tr("Export plot"), filters, filter);
    if (path.isEmpty()) return;
    export_plot_to(path, filter);
}

void Form1::export_plot_to(const QString& path, const QString& filter) {
    if (!picture_.shown) nothing_to(PlotUse::export_it);
    std::string name = path.toStdString();
    std::optional<PlotFormat> format = plot_format_of(name);
    if (!format) {
        // The name has no known ending: the filter the dialog showed supplies one.
        const std::string chosen = filter.toStdString();
        const std::size_t star = chosen.find("*.");
        name += star == std::string::npos ? ".png" : chosen.substr(star + 1, 4);
        format = plot_format_of(name);
        // A filter whose pattern names no format (a translation that changed it) gives PNG.
        if (!format) {
            name = path.toStdString() + ".png";
            format = plot_format_of(name);
        }
        // The dialog asked about the name as typed, not about this one.
        if (!may_replace(name, true)) return;
    } else if (!may_replace(name, false)) {
        return;
    }
    const QSizeF size(picLL->scale_width(), picLL->scale_height());
    platform::write_whole_file(name, plot_file(*format, picture_, size, picLL->font(), locale_));
}

void Form1::print_plot() {
    if (!picture_.shown) nothing_to(PlotUse::print_it);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Kestrivo plot"));
    if (!dialogs_.print(printer)) return;
    print_plot_on(printer);
}

void Form1::print_plot_on(QPrinter& printer) {
    if (!picture_.shown) nothing_to(PlotUse::print_it);
    const QSizeF size(picLL->scale_width(), picLL->scale_height());
    if (!print_plot_page(printer, picture_, size, picLL->font(), locale_)) {
        throw platform::RuntimeError(
            platform::ErrorKind::FileError,
            tr("the plot could not be printed: the printer is not ready.").toStdString());
    }
}

void Form1::copy_results() {
    if (!last_report_) {
        throw platform::RuntimeError(platform::ErrorKind::InvalidInput,
                                     tr("there are no results to copy yet: press \"%1\" first.")
                                         .arg(tr("estimate"))
                                         .toStdString());
    }
    const auto table = results_table(*last_report_, locale_);
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(tab_separated(table)));
    data->setHtml(QString::fromStdString(html_table(table)));
    QApplication::clipboard()->setMimeData(data);
}

void Form1::copy_plot() {
    if (!picture_.shown) nothing_to(PlotUse::copy_it);
    QApplication::clipboard()->setImage(picLL->image());
}

std::string user_guide(const std::string& readme) {
    // The README opens with how to build; a user of the installed program wants none of that, nor
    // the sections for those who build, test or change Kestrivo.
    static const char* const kForDevelopers[] = {"## Installing", "## Testing", "## The library",
                                                 "## Layout"};
    std::string guide = "# Kestrivo user guide\n\n";
    std::istringstream lines(readme);
    std::string line;
    bool keep = false, started = false;
    while (std::getline(lines, line)) {
        if (!started) {
            started = line.starts_with("Kestrivo estimates");
            keep = started;
        } else if (line.starts_with("## ")) {
            keep = std::none_of(std::begin(kForDevelopers), std::end(kForDevelopers),
                                [&](const char* title) { return line.starts_with(title); });
        }
        if (keep) guide += line + "\n";
    }
    return guide;
}

void Form1::show_user_guide() {
    QDialog guide(this);
    guide.setWindowTitle(tr("Kestrivo user guide"));
    auto* text = new QTextBrowser(&guide);
    text->setOpenExternalLinks(true);
    text->setSearchPaths({QStringLiteral(":/kestrivo")});
    QFile readme(QStringLiteral(":/kestrivo/README.md"));
    readme.open(QIODevice::ReadOnly);
    text->setMarkdown(QString::fromStdString(user_guide(readme.readAll().toStdString())));
    text->setAccessibleName(tr("user guide"));
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, &guide);
    connect(close, &QDialogButtonBox::rejected, &guide, &QDialog::reject);
    auto* layout = new QVBoxLayout(&guide);
    layout->addWidget(text);
    layout->addWidget(close);
    guide.resize(760, 620);
    guide.exec();
}

void Form1::show_about() {
    QMessageBox::about(
        this, tr("About Kestrivo"),
        tr("<h3>Kestrivo %1</h3>"
           "<p>Estimates how visible the free-roaming dogs of a city block are to a "
           "street count, from three counts of the block.</p>"
           "<p>Licence: MIT.</p>"
           "<p>Built with Qt %2, NLopt (BOBYQA), Boost.Math %3 and libcsv %4.%5.%6.</p>")
            .arg(QStringLiteral(KESTRIVO_VERSION), QString::fromLatin1(qVersion()),
                 QStringLiteral(BOOST_LIB_VERSION).replace('_', '.'))
            .arg(CSV_MAJOR)
            .arg(CSV_MINOR)
            .arg(CSV_RELEASE));
}

}  // namespace kestrivo::window
