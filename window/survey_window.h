// The survey's own window, beside the block tool: the design in plain controls (the strata
// column, each stratum's blocks in the city, the design weights), the report of every block,
// stratum and total as kestrivo-report gives it (the same code), the city's dogs and the
// vaccine doses in large words, and a plan, a map and a report to hand over. Everything slow
// runs off the window's thread; the previous table stays until the next is ready.
#pragma once

#include <QCoreApplication>

#include <QFont>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/inference_report.h"
#include "field/tabulation.h"
#include "platform/runtime_error.h"
#include "survey/design_builder.h"
#include "window/background_job.h"
#include "window/design_shown.h"
#include "window/plan_picture.h"
#include "window/survey_job.h"
#include "window/survey_report_pdf.h"
#include "window/survey_table_model.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QProgressBar;
class QSpinBox;
class QTableView;
class QTableWidget;
class QTimer;
class QVBoxLayout;

namespace kestrivo::window {

class PlanDialog;

/// A survey's header and rows, read whole.
struct ReadSurvey {
    survey::Header header;
    std::vector<survey::Row> rows;
};

/// What a survey window opens: where the survey comes from, the conflicts found while it was
/// tabulated, and its rows when the caller has read them already (else the window reads them).
struct OpenedSurvey {
    SurveySource source;
    std::vector<field::Conflict> conflicts;
    std::optional<ReadSurvey> read;
    /// The fieldwork's first and last days ("YYYY-MM-DD"), where the field data give them.
    std::string first_day, last_day;
};

class SurveyWindow : public QWidget {
    // The window's texts are looked up under this name in the translations (i18n/*.ts).
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::SurveyWindow)

public:
    /// What the window asks of the program around it.
    struct Hooks {
        /// Puts a block's counts (and its held S) into the main window and estimates.
        std::function<void(const analysis::Counts&, std::optional<double>)> estimate_block;
        /// The save dialog: `filter` in, the one offered first; out, the one chosen.
        std::function<QString(const QString& title, const QString& filters, QString& filter)>
            save_file;
        /// Tells the user that something could not be done, as the main window's errors are told.
        std::function<void(const platform::RuntimeError&)> tell;
    };

    /// Reads the survey unless `opened` holds its rows (throws platform::RuntimeError when it
    /// cannot be read) and starts its report under `design`.
    SurveyWindow(OpenedSurvey opened, survey::DesignOptions design, analysis::Library library,
                 Hooks hooks, QWidget* parent = nullptr);
    ~SurveyWindow() override;

    // The controls, for the user and for the tests.
    QMenuBar* menu_bar = nullptr;
    QLineEdit* report_title = nullptr;  // the city or area, for the report's title
    QComboBox* strata_column = nullptr;
    QComboBox* weight_column = nullptr;
    QTableWidget* blocks_in_city = nullptr;  // stratum, blocks counted, blocks in the city
    QSpinBox* coverage = nullptr;            // vaccination coverage, in percent
    QLabel* answer = nullptr;
    QLabel* doses = nullptr;
    QLabel* strata_answer = nullptr;  // each stratum's dogs and doses
    QLabel* assumptions = nullptr;
    QLabel* status = nullptr;
    QProgressBar* progress = nullptr;
    QTableView* table = nullptr;
    SurveyTableModel* model = nullptr;  // the table's rows
    QListWidget* conflict_list = nullptr;

    /// A report is running.
    bool busy() const { return job_.running(); }
    /// The last report's rows, as values.
    std::shared_ptr<const survey::ReportRows> last_rows() const { return last_rows_; }
    /// The same written as kestrivo-report --format json --digits 17 writes it.
    std::string last_report() const;
    /// The design the controls show, read from them.
    DesignShown design_shown() const;
    /// The report's options under the design the controls show.
    survey::ReportOptions report_options() const;
    /// Starts the report again under the design the controls show, stopping what runs.
    void recompute();

    // The menu's commands, without their dialogs. Each throws platform::RuntimeError when the
    // file cannot be written.
    /// The table as kestrivo-report writes it: CSV or JSON by the name's ending.
    void export_table_to(const QString& path);
    void export_map_to(const QString& path);
    void export_report_to(const QString& path);
    void save_conflicts_to(const QString& path);
    void copy_selection();
    void open_plan();
    /// The Plan... dialog, once opened.
    PlanDialog* plan_dialog() const { return plan_dialog_; }

private:
    void build_controls();
    QWidget* build_design_box();
    void build_answer(QVBoxLayout* layout);
    void build_table(QVBoxLayout* layout);
    void connect_controls();
    void build_menus();
    void fill_design_table();
    struct Finished;  // a report's result, read on the worker that ran it
    void show_result(Finished& finished);
    void show_answer();
    void activate(const QModelIndex& index);
    /// The summed counts of a stratum's blocks (all blocks: ""), and the S they hold, for the
    /// main window; throws platform::RuntimeError when they cannot be pooled.
    std::pair<analysis::Counts, std::optional<double>> pooled_counts(
        const std::string& stratum) const;
    void run_export(const QString& path, survey::Format format, bool map);
    QString title() const;

    SurveySource source_;
    analysis::Library library_;
    std::vector<field::Conflict> conflicts_;
    std::string first_day_, last_day_;
    /// The design of the report running, and of the one shown (last_rows_), as the PDF says it.
    SurveyPdf pending_design_, reported_design_;
    Hooks hooks_;
    survey::Header header_;
    std::vector<survey::Row> rows_;
    BackgroundJob job_{this}, export_job_{this};
    bool first_table_ = true;
    QFont answer_font_;  // the city's dogs, large
    // What was typed in "Blocks in the city", by strata column (-1: none) and stratum.
    std::map<int, std::map<std::string, QString>> typed_blocks_;
    int typed_column_ = -1;
    QTimer* debounce_ = nullptr;
    std::shared_ptr<const survey::ReportRows> last_rows_;
    std::optional<MadePlan> plan_;  // the last plan made in the Plan... dialog, for the report
    PlanDialog* plan_dialog_ = nullptr;
};

/// The survey behind `path`, as field::how_to_open tells it: a survey file as it is (read when the
/// window opens), or a field export (ODK Central's zip, KoboToolbox's XLSX, long or wide tables)
/// tabulated in memory as kestrivo-tabulate would, with its conflicts. Throws
/// platform::RuntimeError with the reason it is refused.
OpenedSurvey open_survey_source(const std::string& path);
/// Field data in several files (an export's CSVs; long or wide tables, with at most one table of
/// blocks among them), tabulated together and named by their files, as field::how_to_open tells
/// it; what it refuses is thrown as above. One path is opened as above.
OpenedSurvey open_survey_source(const std::vector<std::string>& paths);
/// A survey file as a window opens it, with its rows when they have been read already.
OpenedSurvey opened_survey_file(const std::string& path, std::optional<ReadSurvey> read);

}  // namespace kestrivo::window
