// The program's main window, the block tool: the count, parameter and range boxes, the two
// commands, the help text and the profile plot, with the parameter blocks that live as long as the
// window. A menu bar above the window's own area carries what a desktop program is expected to
// offer: opening a survey, saving counts, exporting, printing and copying the results, and help.
// A survey opens in a survey window of its own (window/survey_window.h), whose Plan... dialog
// (window/plan_dialog.h) plans the next survey; the block tool keeps track of those windows and
// estimates the block a survey window hands it.
#pragma once

#include <QCoreApplication>

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/inference_report.h"
#include "library/kestrivo.h"
#include "platform/number_text.h"
#include "plot/plot_picture.h"
#include "survey/design_builder.h"
#include "survey/survey_reader.h"
#include "window/one_based.h"

class QAction;
class QMenu;
class QMenuBar;
class QPrinter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kestrivo::platform {
class LibraryBinding;
class RuntimeError;
}  // namespace kestrivo::platform

namespace kestrivo::plot {
struct ProfileRange;
}  // namespace kestrivo::plot

namespace kestrivo::window {

class PictureBox;
class SurveyWindow;
struct OpenedSurvey;

class Form1 : public QWidget {
    // The window's texts are looked up under this name in the translations (i18n/*.ts).
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::Form1)

public:
    /// Shows a run-time error to the user; tests put a recorder in its place.
    using ErrorReporter = std::function<void(const platform::RuntimeError&)>;

    /// The questions the menu commands ask. Each has a dialog by default; tests answer in its
    /// place. An empty name or a block of -1 means the user cancelled.
    struct Dialogs {
        /// The files chosen to open together (none: cancelled).
        std::function<QStringList(const QString& title, const QString& filters)> open_files;
        /// `filter`: in, the filter to offer first; out, the one the user chose.
        std::function<QString(const QString& title, const QString& filters, QString& filter)>
            save_file;
        /// Shows the print dialog; false when the user cancels.
        std::function<bool(QPrinter& printer)> print;
        /// Asks whether `question` (about replacing a file) may go ahead; false: leave it.
        std::function<bool(const QString& question)> confirm;
        /// Reading a large survey: called now and then with the share read (0..1); false when
        /// the user cancelled.
        std::function<bool(double share)> reading;
        /// Tells the user something that needs no answer (a language saved for the next start).
        std::function<void(const QString& message)> tell;
    };

    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    void set_error_reporter(ErrorReporter reporter) { report_ = std::move(reporter); }
    /// Tells the user of `error` as the commands do.
    void report_error(const platform::RuntimeError& error) {
        if (report_) report_(error);
    }
    Dialogs& dialogs() { return dialogs_; }
    /// Replaces the entry bound by name in libKestrivo.so (tests observe the calls through it).
    void set_fit_entry(kestrivo_n_e04jyf_fn entry) { fit_entry_ = entry; }
    const platform::NumberLocale& number_locale() const { return locale_; }

    /// What a message box says of `error`: its kind's title in the window's language, then its
    /// detail.
    static QString error_words(const platform::RuntimeError& error);
    /// A box's name as the window's messages give it.
    static QString box_words(const char* box_name);
    /// A number refused in the box `box_name`, in the window's language.
    static QString refusal_words(const char* box_name, const platform::NumberRefused& refused);

    /// The window's own area, under the menu bar: every control stands in it.
    QWidget* client = nullptr;
    QMenuBar* menuBar = nullptr;
    struct Actions {
        QAction *open_survey, *save_counts, *export_plot, *print_plot, *quit;
        QAction *copy_results, *copy_plot;
        QAction *user_guide, *about;
        /// Help > Language, one action for each of language_choices(), in its order.
        std::vector<QAction*> languages;
    } actions{};

    // The controls, by the names the program's documentation uses.
    std::array<QLineEdit*, 5> txtHist{};  // 0: plotting range in percent; 1..4: history counts
    std::array<QLabel*, 4> Label1{};      // the history codes beside txtHist(1..4)
    QLineEdit* txtS = nullptr;
    QLineEdit* txtP = nullptr;
    QCheckBox* chkS = nullptr;
    QRadioButton* optP = nullptr;
    QRadioButton* optS = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    PictureBox* picLL = nullptr;
    /// The inference report, in the strip right of "% plotting range" between the help text and
    /// the plot: empty until an estimate completes.
    QLabel* lblReport = nullptr;

    // Window-lifetime state: zero-filled at creation, never reset.
    OneBased<int32_t, 1000> IUSER;
    OneBased<double, 1000> RUSER;
    int32_t iuCursor = 0;
    int32_t ruCursor = 0;
    int16_t profCount = 0;

    void Form_Load();
    /// "estimate": fit, show the estimates, scan and plot the profile.
    void Command1_Click();
    /// "simulate": the counts the model expects per 100 dogs for the S and P in the window.
    void Command2_Click();

    // The menu commands. Each asks its question through dialogs(); a run-time error ends it. The
    // menu's actions run them and report that error, as the command buttons do.
    void open_survey();
    /// The report's view of the library: its two entries, bound by name from the program's own
    /// libKestrivo.so (never the entry a test put in place of the fit).
    kestrivo::analysis::Library report_library();
    /// A survey's own window for the file at `path` (a survey, or field data tabulated on the
    /// way), under `design`; the block tool stays as it is. Throws platform::RuntimeError when
    /// the file cannot be read as either.
    SurveyWindow* open_survey_window(const QString& path, const survey::DesignOptions& design);
    /// The same for field data in several files (an export's CSVs, a long table with its table
    /// of blocks), tabulated together; one path is opened as above.
    SurveyWindow* open_survey_window(const QStringList& paths, const survey::DesignOptions& design);
    /// Opens `path` as File > Open survey does: one block fills the boxes, several blocks or
    /// field data open the survey's window.
    void open_survey_file(const QString& path);
    /// Opens what File > Open survey chose: one file as above, several as field data.
    void open_survey_files(const QStringList& paths);
    /// Opens the files named on the command line, under `design` when it gave one. A file that
    /// cannot be opened is told as the menu's commands tell it, whatever the error: the user
    /// may have come from a file manager, with no terminal to read.
    void open_command_line(const QStringList& paths,
                           const std::optional<survey::DesignOptions>& design);
    /// The survey windows open now, in the order they were opened.
    std::vector<SurveyWindow*> survey_windows() const;
    /// Puts `counts` (and a held S) into the boxes and estimates, for a survey window's block.
    void estimate_counts(const kestrivo::analysis::Counts& counts, std::optional<double> s_held);
    void save_counts();
    void export_plot();
    /// Export without the dialog: PNG, SVG or PDF by the name's ending; a name with none gets
    /// the ending of `filter`.
    void export_plot_to(const QString& path, const QString& filter = QString());
    void print_plot();
    void copy_results();
    void copy_plot();
    void show_user_guide();
    void show_about();

private:
    void create_controls();
    void name_controls();
    void create_menus();
    void create_language_menu(QMenu* help);
    void install_default_dialogs();
    void save_counts_to(const QString& path);
    void put_counts(const kestrivo::analysis::Counts& counts, std::optional<double> s_held);
    SurveyWindow* show_survey_window(OpenedSurvey opened, const survey::DesignOptions& design);
    /// Whether `name` may be written: asks when it exists and the file dialog has not asked about
    /// this very name (`not_yet_asked`: an ending was added to the name typed), and always when it
    /// is read-only.
    bool may_replace(const std::string& name, bool not_yet_asked);
    void print_plot_on(QPrinter& printer);
    /// Draws `picture_` in the plot area and describes it for screen readers.
    void show_plot();
    void set_tab_order();
    /// Runs one command, from a button or the menu; a run-time error ends it and is reported,
    /// and the window goes on.
    void run_command(void (Form1::*command)());

    double number_in(const QLineEdit* box, const char* box_name) const;
    /// A probability read from `box`: a number from 0 to 1, or an InvalidInput error naming it.
    double share_in(const QLineEdit* box, const char* box_name) const;
    // The steps of "estimate", in the order Command1_Click takes them.
    struct FitData;
    void read_parameters(FitData& d);
    void read_counts();
    void pass_start_point(FitData& d);
    void run_fit(FitData& d);
    void show_estimates(FitData& d);
    plot::ProfileRange show_share_seen_and_maximum(const FitData& d);
    void scan_profile(FitData& d, const plot::ProfileRange& range);
    plot::ProfileRange plotting_range(double theta);
    platform::RuntimeError no_estimate(int32_t ifail, double f) const;
    /// The plot's words in the window's language.
    static plot::PlotPicture::Words plot_words(bool profile_p);
    /// Takes back what a stopped estimate must not leave beside its data: the maximum log
    /// likelihood and the plot, and with `including_estimates` the percentage seen.
    void clear_results(bool including_estimates = true);
    int32_t count_in(const QLineEdit* box, const char* box_name) const;
    void WriteUserFile();
    kestrivo_n_e04jyf_fn fit_entry();
    void show_report(const kestrivo::analysis::Request& request);
    void clear_report();

    platform::NumberLocale locale_;
    ErrorReporter report_;
    Dialogs dialogs_;
    plot::PlotPicture picture_;
    std::optional<kestrivo::analysis::Report> last_report_;
    std::vector<QPointer<SurveyWindow>> survey_windows_;  // cleared by Qt as each is closed
    std::unique_ptr<platform::LibraryBinding> library_;
    kestrivo_n_e04jyf_fn fit_entry_ = nullptr;
};

/// The user guide Help shows: the README's parts about using Kestrivo, without those about
/// building, testing and changing it.
std::string user_guide(const std::string& readme);

}  // namespace kestrivo::window
