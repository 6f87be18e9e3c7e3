// Files of counts: Open survey reads the survey companion's format (the same reader, the same
// messages) and puts one block's counts into the boxes, or opens the survey's own window for a
// survey of several blocks and for field data (one export, or several files tabulated together);
// Save counts writes the boxes back as a one-row
// survey that Open survey reads.
#include <sys/stat.h>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "analysis/pooled_visibility.h"
#include "platform/runtime_error.h"
#include "platform/whole_file.h"
#include "survey/counts_file.h"
#include "survey/design_builder.h"
#include "window/form1.h"
#include "window/header_words.h"
#include "window/survey_window.h"

namespace kestrivo::window {

namespace {

//: File types: keep each pattern in brackets as it is.
constexpr const char* kSurveyFilters =
    QT_TRANSLATE_NOOP("kestrivo::window::Form1", "Survey files (*.csv);;All files (*)");
// What Open survey reads: survey files, and the exports a team downloads (ODK Central's zip or
// its CSVs, KoboToolbox's XLSX), shown together so that an export is not hidden from the user.
constexpr const char* kOpenFilters = QT_TRANSLATE_NOOP(
    "kestrivo::window::Form1",
    "Surveys and field exports (*.csv *.zip *.xlsx);;Survey files (*.csv);;All files (*)");
// The window keeps every block of a survey it opens in memory, for the chooser.
constexpr off_t kLargestSurvey = off_t{64} << 20;

[[noreturn]] void survey_error(const std::string& message) {
    throw platform::RuntimeError(platform::ErrorKind::FileError, message);
}

// Field data are tabulated before the window can show anything: a large export takes seconds,
// and the pointer says so.
struct BusyPointer {
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

void Form1::open_survey() {
    const QStringList paths = dialogs_.open_files(tr("Open survey"), tr(kOpenFilters));
    if (paths.isEmpty()) return;
    open_survey_files(paths);
}

void Form1::open_survey_files(const QStringList& paths) {
    if (paths.size() == 1) {
        open_survey_file(paths.front());
    } else if (paths.size() > 1) {
        // A survey is one file; several are field data, which the tabulator checks file by file.
        open_survey_window(paths, {});
    }
}

void Form1::open_command_line(const QStringList& paths,
                              const std::optional<survey::DesignOptions>& design) {
    try {
        if (design) {
            open_survey_window(paths, *design);
        } else {
            open_survey_files(paths);
        }
    } catch (const platform::RuntimeError& error) {
        report_error(error);
    } catch (const std::exception& error) {
        // Anything else a file can bring about (memory it would take, say) is said in the
        // window too, which stays open.
        //: %1 names the files; %2 is the system's own reason, in English.
        report_error(platform::RuntimeError(
            platform::ErrorKind::FileError,
            tr("%1: cannot be opened (%2).")
                .arg(paths.join(QStringLiteral(", ")), QString::fromLocal8Bit(error.what()))
                .toStdString()));
    }
}

void Form1::open_survey_file(const QString& path) {
    const std::string name = path.toStdString();
    // Looked at before it is opened: opening a pipe with no writer would wait for ever, and a
    // device such as /dev/zero never ends.
    struct stat status {};
    if (::stat(name.c_str(), &status) != 0) survey_error(name + ": " + std::strerror(errno) + ".");
    if (!S_ISREG(status.st_mode)) {
        survey_error((S_ISDIR(status.st_mode) ? tr("%1: is a folder; a survey is a CSV file.")
                                              : tr("%1: is not an ordinary file; a survey is a "
                                                   "CSV file."))
                         .arg(path)
                         .toStdString());
    }
    if (status.st_size > kLargestSurvey) {
        survey_error(tr("%1: at %2 MB the survey is too large to open in the window (at most %3 "
                        "MB); kestrivo-report reads surveys of any size.")
                         .arg(path, QString::number(status.st_size >> 20),
                              QString::number(kLargestSurvey >> 20))
                         .toStdString());
    }
    std::ifstream in(name, std::ios::binary);
    if (!in) survey_error(name + ": " + std::strerror(errno) + ".");
    // Field data are tabulated here, once, and open in the survey's window; a survey file is
    // read below.
    OpenedSurvey opened = [&] {
        const BusyPointer busy;
        return open_survey_source(name);
    }();
    if (opened.source.text) {
        show_survey_window(std::move(opened), {});
        return;
    }

    // Every row is read before anything changes, so a bad file leaves every box as it was.
    // The progress dialog keeps the window answering on a large file and lets the user stop.
    struct Cancelled {};
    std::vector<kestrivo::survey::Row> rows;
    kestrivo::survey::Header header;
    const double size = double(std::max<off_t>(status.st_size, 1));
    try {
        kestrivo::survey::read_survey(
            in, name, [&](const kestrivo::survey::Header& h) { header = h; },
            [&](const kestrivo::survey::Row& row) {
                rows.push_back(row);
                if (rows.size() % 2000 == 0 && dialogs_.reading &&
                    !dialogs_.reading(double(in.tellg()) / size)) {
                    throw Cancelled{};
                }
            });
    } catch (const kestrivo::survey::HeaderRefused& e) {
        if (dialogs_.reading) dialogs_.reading(1);
        survey_error(header_words(e).toStdString());
    } catch (const kestrivo::survey::FileError& e) {
        if (dialogs_.reading) dialogs_.reading(1);
        survey_error(e.what());
    } catch (const Cancelled&) {
        return;
    }
    if (dialogs_.reading && rows.size() >= 2000) dialogs_.reading(1);
    if (rows.empty()) survey_error(tr("%1: the survey holds no block.").arg(path).toStdString());

    // Several blocks: the survey's own window, with the rows read here.
    if (rows.size() > 1) {
        show_survey_window(opened_survey_file(name, ReadSurvey{std::move(header), std::move(rows)}),
                           {});
        return;
    }
    const kestrivo::survey::Row& row = rows.front();
    if (!row.error.empty()) {
        throw platform::RuntimeError(platform::ErrorKind::InvalidInput, row.error + ".");
    }
    put_counts(row.counts, row.s_held);
}

void Form1::put_counts(const kestrivo::analysis::Counts& counts, std::optional<double> s_held) {
    for (int h = 1; h <= 4; ++h)
        txtHist[std::size_t(h)]->setText(QString::number(counts[std::size_t(h - 1)]));
    chkS->setChecked(!s_held);
    if (s_held) txtS->setText(QString::fromStdString(platform::general_text(*s_held, locale_)));
}

void Form1::estimate_counts(const kestrivo::analysis::Counts& counts,
                            std::optional<double> s_held) {
    put_counts(counts, s_held);
    raise();
    activateWindow();
    run_command(&Form1::Command1_Click);
}

SurveyWindow* Form1::open_survey_window(const QString& path,
                                        const kestrivo::survey::DesignOptions& design) {
    OpenedSurvey opened = [&] {
        const BusyPointer busy;
        return open_survey_source(path.toStdString());
    }();
    return show_survey_window(std::move(opened), design);
}

SurveyWindow* Form1::open_survey_window(const QStringList& paths,
                                        const kestrivo::survey::DesignOptions& design) {
    if (paths.size() == 1) return open_survey_window(paths.front(), design);
    std::vector<std::string> files;
    for (const QString& path : paths)
        files.push_back(path.toStdString());
    OpenedSurvey opened = [&] {
        const BusyPointer busy;
        return open_survey_source(files);
    }();
    return show_survey_window(std::move(opened), design);
}

SurveyWindow* Form1::show_survey_window(OpenedSurvey opened,
                                        const kestrivo::survey::DesignOptions& design) {
    SurveyWindow::Hooks hooks;
    hooks.estimate_block = [this](const kestrivo::analysis::Counts& counts,
                                  std::optional<double> s_held) {
        estimate_counts(counts, s_held);
    };
    hooks.save_file = [this](const QString& title, const QString& filters, QString& filter) {
        return dialogs_.save_file ? dialogs_.save_file(title, filters, filter) : QString();
    };
    hooks.tell = [this](const platform::RuntimeError& error) { report_error(error); };
    // A child of the block tool, so that it goes before the library its reports call.
    auto* window =
        new SurveyWindow(std::move(opened), design, report_library(), std::move(hooks), this);
    survey_windows_.emplace_back(window);
    window->show();
    return window;
}

void Form1::save_counts() {
    const QString filters = tr(kSurveyFilters);
    QString filter = filters.section(QStringLiteral(";;"), 0, 0);
    const QString path = dialogs_.save_file(tr("Save counts"), filters, filter);
    if (path.isEmpty()) return;
    save_counts_to(path);
}

void Form1::save_counts_to(const QString& path) {
    // The boxes are read as the estimate reads them, with the same messages.
    static const char* const kCountBoxes[] = {"", "1,0,0", "1,1,1", "1,0,1", "1,1,0"};
    kestrivo::analysis::Counts counts{};
    for (int h = 1; h <= 4; ++h)
        counts[std::size_t(h - 1)] = count_in(txtHist[std::size_t(h)], kCountBoxes[h]);
    std::optional<double> s_held;
    if (!chkS->isChecked()) s_held = share_in(txtS, "S");
    std::string name = path.toStdString();
    const bool extended = name.find('.', name.find_last_of('/') + 1) == std::string::npos;
    if (extended) name += ".csv";
    if (!may_replace(name, extended)) return;
    platform::write_whole_file(name, kestrivo::survey::one_block_survey(counts, s_held));
}

bool Form1::may_replace(const std::string& name, bool not_yet_asked) {
    struct stat status {};
    if (::stat(name.c_str(), &status) != 0 || !dialogs_.confirm) return true;
    const QString file = QString::fromStdString(name);
    // A file that nobody may write was made so on purpose: say so, whoever we run as.
    if ((status.st_mode & 0222) == 0) {
        return dialogs_.confirm(
            tr("%1 is read-only. Replace it all the same? It stays read-only.").arg(file));
    }
    if (!not_yet_asked) return true;
    return dialogs_.confirm(tr("%1 already exists. Replace it?").arg(file));
}

}  // namespace kestrivo::window
