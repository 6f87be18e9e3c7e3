// SurveyWindow: the survey read once for its design controls and its blocks' counts; every
// change of design waits a moment (a user typing K digit by digit starts one report, not five),
// stops what runs and starts the report afresh on a worker; its JSON comes back to this thread
// and fills the table and the answer.
#include "window/survey_window.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

#include "analysis/pooled_visibility.h"
#include "field/field_writers.h"
#include "field/survey_opening.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/whole_file.h"
#include "survey/csv_records.h"
#include "survey/report_table.h"
#include "window/design_words.h"
#include "window/form1.h"
#include "window/header_words.h"
#include "window/plan_dialog.h"
#include "window/report_reading.h"
#include "window/report_reasons.h"
#include "window/survey_answer.h"
#include "window/survey_report_pdf.h"
#include "window/survey_titles.h"

namespace kestrivo::window {
namespace {

[[noreturn]] void file_error(const std::string& message) {
    throw platform::RuntimeError(platform::ErrorKind::FileError, message);
}

std::vector<survey::Row> read_rows(const SurveySource& source, survey::Header& header) {
    std::istringstream text(source.text.value_or(""));
    std::ifstream file;
    std::istream* in = &text;
    if (!source.text) {
        file.open(source.path, std::ios::binary);
        if (!file) {
            file_error(
                QCoreApplication::translate("kestrivo::window::SurveyWindow", "%1: cannot be read.")
                    .arg(QString::fromStdString(source.path))
                    .toStdString());
        }
        in = &file;
    }
    std::vector<survey::Row> rows;
    try {
        // A file's rows are named as the report names them, by its path.
        survey::SurveyReader reader(*in, source.text ? source.name : source.path);
        header = reader.header();
        while (auto row = reader.next())
            rows.push_back(std::move(*row));
    } catch (const survey::HeaderRefused& e) {
        file_error(header_words(e).toStdString());
    } catch (const survey::FileError& e) {
        file_error(e.what());
    }
    if (rows.empty()) {
        file_error(
            QCoreApplication::translate("kestrivo::window::Form1", "%1: the survey holds no block.")
                .arg(QString::fromStdString(source.name))
                .toStdString());
    }
    return rows;
}

}  // namespace

OpenedSurvey opened_survey_file(const std::string& path, std::optional<ReadSurvey> read) {
    OpenedSurvey opened;
    const QFileInfo file(QString::fromStdString(path));
    opened.source.name = file.fileName().toStdString();
    opened.source.path = path;
    opened.source.remembered_as = file.absoluteFilePath().toStdString();
    opened.read = std::move(read);
    return opened;
}

OpenedSurvey open_survey_source(const std::string& path) {
    return open_survey_source(std::vector<std::string>{path});
}

namespace {

// Why the files cannot open as a survey, in the window's words; the tabulator's own reason, where
// it is the whole of it or follows, stays in its words.
QString opening_words(const field::SurveyOpening& how) {
    using Refusal = field::SurveyOpening::Refusal;
    const QString path = QString::fromStdString(how.path);
    switch (how.refusal) {
        case Refusal::neither:
            //: %2 is the reason the field data could not be read, in English.
            return SurveyWindow::tr(
                       "%1: is neither a survey (whose header names c100, c111, c101 and c110) "
                       "nor field data: %2")
                .arg(path, QString::fromStdString(how.detail));
        case Refusal::survey_among_field:
            return SurveyWindow::tr(
                       "%1: is a survey (its header names c100, c111, c101 and c110), which opens "
                       "alone; only field data come in several files.")
                .arg(path);
        case Refusal::second_blocks:
            return SurveyWindow::tr("%1: is a second table of blocks, after %2; give one.")
                .arg(path, QString::fromStdString(how.first_blocks));
        case Refusal::out_of_memory:
            return (how.several ? SurveyWindow::tr(
                                      "%1: hold more than this computer's memory can tabulate.")
                                : SurveyWindow::tr(
                                      "%1: holds more than this computer's memory can tabulate."))
                .arg(path);
        case Refusal::unreadable:
        case Refusal::none:
            break;
    }
    return QString::fromStdString(how.reason);
}

}  // namespace

OpenedSurvey open_survey_source(const std::vector<std::string>& paths) {
    field::SurveyOpening how = field::how_to_open(paths);
    if (how.way == field::SurveyOpening::Way::refused) {
        file_error(opening_words(how).toStdString());
    }
    if (how.way == field::SurveyOpening::Way::survey_file) {
        return opened_survey_file(paths.front(), std::nullopt);
    }
    OpenedSurvey opened;
    // Named as Qt reads a file's name, as every window is: a name that is not UTF-8 has the
    // replacement characters its title shows.
    opened.source.name = QString::fromStdString(how.name).toStdString();
    opened.source.text = std::move(how.text);
    opened.conflicts = std::move(how.conflicts);
    opened.first_day = std::move(how.first_day);
    opened.last_day = std::move(how.last_day);
    // In any order the same files are the same survey.
    std::vector<std::string> full;
    for (const std::string& path : paths)
        full.push_back(QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString());
    std::sort(full.begin(), full.end());
    for (const std::string& path : full)
        opened.source.remembered_as += path + "\n";
    return opened;
}

SurveyWindow::SurveyWindow(OpenedSurvey opened, survey::DesignOptions design,
                           analysis::Library library, Hooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window),
      source_(std::move(opened.source)),
      library_(library),
      conflicts_(std::move(opened.conflicts)),
      first_day_(std::move(opened.first_day)),
      last_day_(std::move(opened.last_day)),
      hooks_(std::move(hooks)) {
    if (opened.read) {
        header_ = std::move(opened.read->header);
        rows_ = std::move(opened.read->rows);
    } else {
        rows_ = read_rows(source_, header_);
    }
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title());
    setAccessibleName(title());
    build_controls();
    build_menus();
    // The design the command line (or the caller) gave.
    if (design.stratum_column) {
        const int at = strata_column->findText(QString::fromStdString(*design.stratum_column));
        if (at >= 0) strata_column->setCurrentIndex(at);
    }
    if (design.weight_column) {
        const int at = weight_column->findText(QString::fromStdString(*design.weight_column));
        if (at >= 0) weight_column->setCurrentIndex(at);
    }
    fill_design_table();
    for (int r = 0; r < blocks_in_city->rowCount(); ++r) {
        const std::string name =
            blocks_in_city->item(r, 0)->data(Qt::UserRole).toString().toStdString();
        std::optional<std::int64_t> k;
        if (design.blocks_total && !design.stratum_column) k = design.blocks_total;
        if (const auto at = design.blocks_by_stratum.find(name);
            at != design.blocks_by_stratum.end()) {
            k = at->second;
        }
        if (k) blocks_in_city->item(r, 2)->setText(QString::number(*k));
    }
    resize(1100, 720);
    recompute();
}

// The jobs stop and join their workers as they go, before the widgets their answers would fill.
SurveyWindow::~SurveyWindow() = default;

QString SurveyWindow::title() const {
    return tr("%1 — Kestrivo survey").arg(QString::fromStdString(source_.name));
}

void SurveyWindow::build_controls() {
    auto* layout = new QVBoxLayout(this);
    menu_bar = new QMenuBar(this);
    layout->setMenuBar(menu_bar);
    layout->addWidget(build_design_box());
    build_answer(layout);
    build_table(layout);
    connect_controls();
}

// The design: the strata and weight columns, the coverage, and each stratum's blocks.
QWidget* SurveyWindow::build_design_box() {
    auto* design = new QGroupBox(tr("Design"), this);
    auto* form = new QFormLayout;
    report_title = new QLineEdit(remembered_title(source_.remembered_as), design);
    report_title->setPlaceholderText(tr("the city or area, as the report's title"));
    report_title->setAccessibleName(tr("Survey title"));
    connect(report_title, &QLineEdit::textEdited, this,
            [this](const QString& text) { remember_title(source_.remembered_as, text); });
    form->addRow(tr("&Title:"), report_title);
    strata_column = new QComboBox(design);
    weight_column = new QComboBox(design);
    strata_column->addItem(tr("(none: one stratum)"));
    weight_column->addItem(tr("(none: blocks drawn at random)"));
    for (const std::string& name : header_.carried) {
        strata_column->addItem(QString::fromStdString(name));
        weight_column->addItem(QString::fromStdString(name));
    }
    strata_column->setAccessibleName(tr("Strata column"));
    weight_column->setAccessibleName(tr("Design weight column"));
    form->addRow(tr("&Strata column:"), strata_column);
    form->addRow(tr("&Weight column:"), weight_column);
    coverage = new QSpinBox(design);
    coverage->setRange(1, 100);
    coverage->setValue(70);
    coverage->setSuffix(QStringLiteral(" %"));
    coverage->setAccessibleName(tr("Vaccination coverage in percent"));
    form->addRow(tr("Vaccination &coverage:"), coverage);
    blocks_in_city = new QTableWidget(0, 3, design);
    blocks_in_city->setHorizontalHeaderLabels(
        {tr("Stratum"), tr("Blocks counted"), tr("Blocks in the city")});
    blocks_in_city->horizontalHeader()->setStretchLastSection(true);
    blocks_in_city->setAccessibleName(tr("Blocks in the city, by stratum"));
    blocks_in_city->setMaximumHeight(120);
    blocks_in_city->verticalHeader()->hide();
    auto* design_layout = new QHBoxLayout(design);
    design_layout->addLayout(form);
    design_layout->addWidget(blocks_in_city, 1);
    return design;
}

// The city's dogs large, the doses, each stratum's answer and what the interval assumes.
void SurveyWindow::build_answer(QVBoxLayout* layout) {
    answer = new QLabel(this);
    QFont large = answer->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    answer->setFont(large);
    answer_font_ = large;
    answer->setWordWrap(true);
    answer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    answer->setAccessibleName(tr("City's dogs"));
    doses = new QLabel(this);
    QFont medium = doses->font();
    medium.setPointSizeF(medium.pointSizeF() * 1.35);
    doses->setFont(medium);
    doses->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    doses->setAccessibleName(tr("Vaccine doses"));
    strata_answer = new QLabel(this);
    strata_answer->setWordWrap(true);
    strata_answer->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    assumptions = new QLabel(this);
    assumptions->setWordWrap(true);
    assumptions->setAccessibleName(tr("What the interval assumes"));
    layout->addWidget(answer);
    layout->addWidget(doses);
    layout->addWidget(strata_answer);
    layout->addWidget(assumptions);
}

// The progress and status line, the table of blocks, strata and totals, and the conflicts.
void SurveyWindow::build_table(QVBoxLayout* layout) {
    auto* busy_row = new QHBoxLayout;
    progress = new QProgressBar(this);
    progress->setRange(0, 0);  // busy: a report has no fraction to show until it ends
    progress->setMaximumWidth(220);
    progress->setAccessibleName(tr("Working"));
    progress->hide();
    status = new QLabel(this);
    status->setAccessibleName(tr("Status"));
    busy_row->addWidget(progress);
    busy_row->addWidget(status, 1);
    layout->addLayout(busy_row);

    table = new QTableView(this);
    model = new SurveyTableModel(this);
    table->setModel(model);
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // the report's order
    table->setAccessibleName(tr("Blocks, strata and totals"));
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSortingEnabled(true);
    table->verticalHeader()->hide();
    // Columns fit the first rows' numbers: measuring every cell of a large survey would hold up
    // the window.
    table->horizontalHeader()->setResizeContentsPrecision(100);
    conflict_list = new QListWidget(this);
    conflict_list->setAccessibleName(tr("Conflicts in the field data"));
    for (const field::Conflict& c : conflicts_) {
        //: A conflict in the list: what it is, its block, where it was found, and its detail in
        //: English as the tabulation says it.
        conflict_list->addItem(
            tr("%1: block \"%2\", %3, line %4: %5")
                .arg(conflict_kind_words(c.kind), QString::fromStdString(c.block),
                     QString::fromStdString(c.where.file), QString::number(c.where.line),
                     QString::fromStdString(field::conflict_detail(c))));
    }
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table);
    splitter->addWidget(conflict_list);
    conflict_list->setVisible(!conflicts_.empty());
    layout->addWidget(splitter, 1);
}

// A changed design reports again once typing pauses; the coverage only rewords the answer.
void SurveyWindow::connect_controls() {
    debounce_ = new QTimer(this);
    debounce_->setSingleShot(true);
    debounce_->setInterval(300);
    connect(debounce_, &QTimer::timeout, this, [this] { recompute(); });
    connect(strata_column, &QComboBox::currentIndexChanged, this, [this] {
        fill_design_table();
        debounce_->start();
    });
    connect(weight_column, &QComboBox::currentIndexChanged, this, [this] { debounce_->start(); });
    connect(blocks_in_city, &QTableWidget::itemChanged, this, [this] { debounce_->start(); });
    connect(coverage, &QSpinBox::valueChanged, this, [this] {
        show_answer();
        // After a campaign the doses still needed and the strata below the target are the
        // report's own, with their intervals: it runs again for the new target.
        if (last_rows_ && last_rows_->layout.with_coverage) debounce_->start();
    });
    connect(table, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { activate(index); });
}

void SurveyWindow::build_menus() {
    const auto act = [this](QMenu* menu, const QString& text, const QKeySequence& keys,
                            std::function<void()> command) {
        QAction* action = menu->addAction(text);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, command] {
            try {
                command();
            } catch (const platform::RuntimeError& e) {
                if (hooks_.tell) hooks_.tell(e);
            }
        });
        return action;
    };
    const auto ask = [this](const QString& title, const QString& filters, QString filter) {
        return hooks_.save_file ? hooks_.save_file(title, filters, filter) : QString();
    };
    QMenu* file = menu_bar->addMenu(tr("&File"));
    act(file, tr("Export &table..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), [this, ask] {
        const QString path = ask(tr("Export table"), QStringLiteral("CSV (*.csv);;JSON (*.json)"),
                                 QStringLiteral("CSV (*.csv)"));
        if (!path.isEmpty()) export_table_to(path);
    });
    act(file, tr("Export &map..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), [this, ask] {
        //: File types: keep each pattern in brackets as it is.
        const QString geojson = tr("GeoJSON for QGIS (*.geojson)");
        const QString path =
            ask(tr("Export map"), geojson + ";;" + tr("KML for Google Earth (*.kml)"), geojson);
        if (!path.isEmpty()) export_map_to(path);
    });
    act(file, tr("Export &report (PDF)..."), QKeySequence(Qt::CTRL | Qt::Key_P), [this, ask] {
        const QString path =
            ask(tr("Export report"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("PDF (*.pdf)"));
        if (!path.isEmpty()) export_report_to(path);
    });
    if (!conflicts_.empty()) {
        act(file, tr("Save &conflicts..."), QKeySequence(), [this, ask] {
            const QString path = ask(tr("Save conflicts"), QStringLiteral("CSV (*.csv)"),
                                     QStringLiteral("CSV (*.csv)"));
            if (!path.isEmpty()) save_conflicts_to(path);
        });
    }
    file->addSeparator();
    act(file, tr("&Close"), QKeySequence::Close, [this] { close(); });
    QMenu* edit = menu_bar->addMenu(tr("&Edit"));
    act(edit, tr("&Copy"), QKeySequence::Copy, [this] { copy_selection(); });
    QMenu* survey_menu = menu_bar->addMenu(tr("&Survey"));
    act(survey_menu, tr("&Plan..."), QKeySequence(Qt::CTRL | Qt::Key_L), [this] { open_plan(); });
    act(survey_menu, tr("&Estimate the block"), QKeySequence(Qt::CTRL | Qt::Key_Return),
        [this] { activate(table->currentIndex()); });
}

void SurveyWindow::fill_design_table() {
    const QSignalBlocker quiet(blocks_in_city);
    const int column = strata_column->currentIndex() - 1;  // -1: no strata
    // The strata in order of first appearance, with their blocks counted.
    std::vector<std::string> names;
    std::map<std::string, int> counted;
    for (const survey::Row& row : rows_) {
        const std::string name = column >= 0 && std::size_t(column) < row.carried.size()
                                     ? row.carried[std::size_t(column)]
                                     : std::string();
        if (counted[name]++ == 0) names.push_back(name);
    }
    // Numbers the user typed stay with their strata, also across another choice of column.
    std::map<std::string, QString>& typed = typed_blocks_[typed_column_];
    for (int r = 0; r < blocks_in_city->rowCount(); ++r) {
        typed[blocks_in_city->item(r, 0)->data(Qt::UserRole).toString().toStdString()] =
            blocks_in_city->item(r, 2)->text();
    }
    typed_column_ = column;
    const std::map<std::string, QString>& shown = typed_blocks_[column];
    blocks_in_city->setRowCount(int(names.size()));
    for (std::size_t r = 0; r < names.size(); ++r) {
        auto* name =
            new QTableWidgetItem(column < 0 ? tr("(the city)") : QString::fromStdString(names[r]));
        name->setData(Qt::UserRole, QString::fromStdString(names[r]));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        auto* n = new QTableWidgetItem(QString::number(counted[names[r]]));
        n->setFlags(n->flags() & ~Qt::ItemIsEditable);
        const auto at = shown.find(names[r]);
        auto* k = new QTableWidgetItem(at != shown.end() ? at->second : QString());
        k->setToolTip(tr("The number of the city's blocks in this stratum"));
        blocks_in_city->setItem(int(r), 0, name);
        blocks_in_city->setItem(int(r), 1, n);
        blocks_in_city->setItem(int(r), 2, k);
    }
}

DesignShown SurveyWindow::design_shown() const {
    DesignShown shown;
    if (strata_column->currentIndex() > 0) {
        shown.stratum_column = strata_column->currentText().toStdString();
    }
    if (weight_column->currentIndex() > 0) {
        shown.weight_column = weight_column->currentText().toStdString();
    }
    shown.coverage_percent = coverage->value();
    for (int r = 0; r < blocks_in_city->rowCount(); ++r) {
        shown.strata.push_back(
            {blocks_in_city->item(r, 0)->data(Qt::UserRole).toString().toStdString(),
             blocks_in_city->item(r, 0)->text().toStdString(),
             blocks_in_city->item(r, 2)->text().toStdString()});
    }
    return shown;
}

survey::ReportOptions SurveyWindow::report_options() const {
    survey::ReportOptions options;
    options.pool = true;  // the window keeps the rows: format and digits are its exports' own
    options.refusal_words = [](const survey::DesignRefusal& refusal) {
        return window_words(refusal).toStdString();
    };
    options.design = design_shown().report_design();
    options.coverage_target = coverage->value() / 100.0;
    return options;
}

struct SurveyWindow::Finished {
    SurveyJobResult result;
    SurveyTableRows table;
};

void SurveyWindow::recompute() {
    debounce_->stop();
    progress->show();
    status->setText(tr("Fitting %1 blocks and the city's interval...").arg(rows_.size()));
    const std::string stratum =
        strata_column->currentIndex() > 0 ? strata_column->currentText().toStdString() : "";
    // The design as the report is asked for it: what the PDF says of the rows this job makes,
    // whatever the controls say by the time it is exported.
    pending_design_ = SurveyPdf{};
    pending_design_.stratum_column = stratum;
    pending_design_.weighted = weight_column->currentIndex() > 0;
    for (int r = 0; r < blocks_in_city->rowCount(); ++r) {
        pending_design_.design.push_back(
            {blocks_in_city->item(r, 0)->text().toStdString(),
             blocks_in_city->item(r, 1)->text().toStdString(),
             blocks_in_city->item(r, 2)->text().trimmed().toStdString()});
    }
    // Starting stops what runs; its answer, should it come, is dropped.
    job_.start(
        [source = source_, options = report_options(), library = library_,
         stratum](const JobControl& control) {
            // The table's rows are built here, off the window's thread.
            auto finished = std::make_shared<Finished>();
            finished->result =
                run_survey_report(source, options, library, Keep::rows, control.cancel());
            if (finished->result.status != survey::kUsageOrFileError && finished->result.rows) {
                finished->table = table_rows(*finished->result.rows, stratum);
            }
            return finished;
        },
        [this](const std::shared_ptr<Finished>& finished) { show_result(*finished); });
}

void SurveyWindow::show_result(Finished& finished) {
    progress->hide();
    const SurveyJobResult& result = finished.result;
    if (result.status == survey::kUsageOrFileError || !result.rows) {
        // The design cannot be reported as it stands: the previous table stays.
        status->setText(
            QString::fromStdString(result.refused.empty() ? result.errors : result.refused)
                .trimmed());
        return;
    }
    last_rows_ = result.rows;
    reported_design_ = pending_design_;
    status->setText(result.status == survey::kSomeErrors
                        ? tr("Some blocks could not be fitted: see their rows.")
                        : QString());
    model->set_coverage(coverage->value() / 100.0);
    model->reset(std::move(finished.table));
    table->resizeColumnsToContents();
    if (first_table_) {
        // The first table takes the keyboard: arrows walk the blocks, Ctrl+Return estimates one.
        first_table_ = false;
        table->setCurrentIndex(model->index(0, 0));
        table->setFocus();
    }
    show_answer();
}

std::string SurveyWindow::last_report() const {
    if (!last_rows_) return "";
    std::ostringstream text;
    survey::ReportTable table(text, survey::Format::json, platform::kRoundTripDigits);
    table.begin(last_rows_->layout);
    for (const survey::ReportRow& row : last_rows_->rows)
        table.row(row);
    table.finish();
    return text.str();
}

namespace {

// "58% vaccinated (51% to 66%)", "below 70%: send a team back", "1,200 doses still needed":
// what a stratum's line says of its coverage, each a whole phrase.
QStringList stratum_coverage(const survey::CoverageCells& coverage, double target,
                             const QLocale& locale) {
    if (!std::isfinite(coverage.coverage)) return {};
    const auto percent = [&](double share) { return locale.toString(std::round(share * 100)); };
    QStringList phrases;
    if (std::isfinite(coverage.lower) && std::isfinite(coverage.upper)) {
        //: A stratum's coverage in percent, %2 to %3 its interval.
        phrases << SurveyWindow::tr("%1% vaccinated (%2% to %3%)")
                       .arg(percent(coverage.coverage), percent(coverage.lower),
                            percent(coverage.upper));
    } else {
        phrases << SurveyWindow::tr("%1% vaccinated").arg(percent(coverage.coverage));
    }
    if (const QString standing = coverage_standing(coverage, target, locale); !standing.isEmpty())
        phrases << standing;
    if (std::isfinite(coverage.doses) && coverage.doses > 0) {
        phrases
            << SurveyWindow::tr("%1 doses still needed").arg(people_number(coverage.doses, locale));
    }
    return phrases;
}

}  // namespace

void SurveyWindow::show_answer() {
    const QLocale locale;
    const double level = report_options().level, share = coverage->value() / 100.0;
    const std::string stratum = strata_column->currentIndex() > 0
                                    ? strata_column->currentText().toStdString()
                                    : std::string();
    // The city's row is the last total; with strata, each stratum's total comes before it.
    std::optional<TotalInWords> city;
    std::optional<survey::CoverageCells> city_coverage;
    QStringList by_stratum;
    const std::vector<survey::ReportRow> none;
    for (const survey::ReportRow& row : last_rows_ ? last_rows_->rows : none) {
        if (row.kind != survey::RowKind::total) continue;
        const TotalInWords total = total_in_words(row);
        if (row.city || stratum.empty()) {
            city = total;
        } else if (total.dogs) {
            //: %1 is the stratum's name as in the data.
            QStringList phrases{tr("%1: about %2 dogs, %3 doses")
                                    .arg(QString::fromStdString(row.stratum),
                                         people_number(*total.dogs, locale),
                                         people_number(share * *total.dogs, locale))};
            if (row.cells.coverage) phrases << stratum_coverage(*row.cells.coverage, share, locale);
            //: What separates the phrases of a stratum's line.
            by_stratum << phrases.join(tr(", "));
        }
        if (row.city) city_coverage = row.cells.coverage;
    }
    // The number large; what is missing for it in the doses' size, so it reads as a request.
    answer->setFont(city ? answer_font_ : doses->font());
    if (!city) {
        answer->setText(!last_rows_ ? tr("Working out the city's dogs...")
                                    : tr("Give each stratum's number of blocks in the city (or "
                                         "a weight column) for the city's dogs."));
        doses->clear();
    } else {
        answer->setText(dogs_sentence(*city, level, locale));
        // After a campaign, what it reached and what is still needed; before one, the doses.
        doses->setText(city_coverage ? coverage_sentence(*city_coverage, level, locale) +
                                           QStringLiteral(" ") +
                                           doses_needed_sentence(*city_coverage, share, locale)
                                     : doses_sentence(*city, share, locale));
    }
    //: What separates the strata's lines, when shown as one.
    strata_answer->setText(by_stratum.join(tr("; ")));
    strata_answer->setVisible(!by_stratum.isEmpty());
    assumptions->setText(assumption_sentence(weight_column->currentIndex() > 0));
    // A screen reader speaks the answer itself with what it is.
    //: What a screen reader says of the answer: %1 is the answer's sentence.
    answer->setAccessibleName(tr("City's dogs: %1").arg(answer->text()));
    doses->setAccessibleName(tr("Vaccine doses: %1").arg(doses->text()));
    strata_answer->setAccessibleName(tr("By stratum: %1").arg(strata_answer->text()));
    for (QLabel* label : {answer, doses}) {
        QAccessibleEvent event(label, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    // The doses column follows the coverage.
    model->set_coverage(share);
}

void SurveyWindow::activate(const QModelIndex& index) {
    if (!index.isValid() || !hooks_.estimate_block) return;
    const QModelIndex first = model->index(index.row(), 0);
    const int block = first.data(kBlockRole).toInt();
    try {
        if (block >= 0 && std::size_t(block) < rows_.size()) {
            const survey::Row& row = rows_[std::size_t(block)];
            if (!row.error.empty()) {
                throw platform::RuntimeError(platform::ErrorKind::InvalidInput, row.error + ".");
            }
            hooks_.estimate_block(row.counts, row.s_held);
        } else if (first.data().toString() == QStringLiteral("pooled")) {
            // A stratum's pooled row: its blocks' summed histories, one sample of the
            // visibility they share, as the block tool fits one block.
            const auto [counts, s_held] =
                pooled_counts(first.data(kStratumRole).toString().toStdString());
            hooks_.estimate_block(counts, s_held);
        }
    } catch (const platform::RuntimeError& e) {
        if (hooks_.tell) hooks_.tell(e);
    }
}

std::pair<analysis::Counts, std::optional<double>> SurveyWindow::pooled_counts(
    const std::string& stratum) const {
    survey::DesignOptions options;
    if (strata_column->currentIndex() > 0) {
        options.stratum_column = strata_column->currentText().toStdString();
    }
    survey::DesignBuilder builder(options);
    builder.begin_file(header_, source_.name);
    for (const survey::Row& row : rows_)
        builder.add(row);
    const survey::BuiltDesign built = builder.build();
    if (built.design) {
        for (const analysis::Stratum& s : built.design->strata) {
            if (options.stratum_column && s.name != stratum) continue;
            if (const std::string why = analysis::why_not_pooled(s); !why.empty()) {
                throw platform::RuntimeError(platform::ErrorKind::InvalidInput,
                                             (report_reason(why) + ".").toStdString());
            }
            return {*analysis::summed_counts(s.blocks), s.s_held};
        }
    }
    throw platform::RuntimeError(
        platform::ErrorKind::InvalidInput,
        tr("no block of the stratum could be read, so there is nothing to pool.").toStdString());
}

void SurveyWindow::copy_selection() {
    const QItemSelection selection = table->selectionModel()->selection();
    if (selection.isEmpty()) return;
    const QItemSelectionRange& range = selection.front();
    QString text, html = QStringLiteral("<table><tr>");
    for (int c = range.left(); c <= range.right(); ++c) {
        const QString name = model->headerData(c, Qt::Horizontal).toString();
        text += (c > range.left() ? QStringLiteral("\t") : QString()) + name;
        html += QStringLiteral("<th>") + name.toHtmlEscaped() + QStringLiteral("</th>");
    }
    text += QStringLiteral("\n");
    html += QStringLiteral("</tr>");
    for (int r = range.top(); r <= range.bottom(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = range.left(); c <= range.right(); ++c) {
            const QModelIndex cell = model->index(r, c);
            // A spreadsheet gets the numbers at the report's precision.
            const QVariant exact = cell.data(kExactRole);
            const QString value = exact.isValid() ? exact.toString() : cell.data().toString();
            text += (c > range.left() ? QStringLiteral("\t") : QString()) + value;
            html += QStringLiteral("<td>") + value.toHtmlEscaped() + QStringLiteral("</td>");
        }
        text += QStringLiteral("\n");
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html);
    QApplication::clipboard()->setMimeData(data);
}

void SurveyWindow::run_export(const QString& path, survey::Format format, bool map) {
    survey::ReportOptions options = report_options();
    options.format = format;
    options.digits = survey::kDefaultDigits;  // as kestrivo-report writes by default
    if (map) options.map = path.toStdString();
    status->setText(tr("Writing %1...").arg(path));
    progress->show();
    export_job_.start(
        [source = source_, options, library = library_](const JobControl& control) {
            return run_survey_report(source, options, library, Keep::text, control.cancel());
        },
        [this, path, map](const SurveyJobResult& result) {
            progress->setVisible(job_.running());
            if (result.status == survey::kUsageOrFileError) {
                status->setText(QString::fromStdString(result.errors).trimmed());
                if (hooks_.tell) {
                    hooks_.tell(platform::RuntimeError(platform::ErrorKind::FileError,
                                                       status->text().toStdString()));
                }
                return;
            }
            try {
                if (!map) platform::write_whole_file(path.toStdString(), result.output);
                status->setText(tr("Written: %1").arg(path));
            } catch (const platform::RuntimeError& e) {
                status->setText(Form1::error_words(e));
                if (hooks_.tell) hooks_.tell(e);
            }
        });
}

void SurveyWindow::export_table_to(const QString& path) {
    run_export(path,
               path.endsWith(QStringLiteral(".json")) ? survey::Format::json : survey::Format::csv,
               false);
}

void SurveyWindow::export_map_to(const QString& path) {
    QString name = path;
    if (!name.endsWith(QStringLiteral(".geojson")) && !name.endsWith(QStringLiteral(".kml"))) {
        name += QStringLiteral(".geojson");
    }
    run_export(name, survey::Format::csv, true);
}

void SurveyWindow::export_report_to(const QString& path) {
    if (!last_rows_) {
        throw platform::RuntimeError(platform::ErrorKind::InvalidInput,
                                     tr("the report is not ready yet.").toStdString());
    }
    SurveyPdf pdf = reported_design_;
    pdf.name = source_.name;
    pdf.title = report_title->text().trimmed().toStdString();
    pdf.first_day = first_day_;
    pdf.last_day = last_day_;
    pdf.coverage = coverage->value() / 100.0;
    pdf.level = report_options().level;
    pdf.rows = last_rows_;
    pdf.plan = plan_;
    pdf.conflicts = conflicts_;
    write_survey_pdf(path, pdf);
    status->setText(tr("Written: %1").arg(path));
}

void SurveyWindow::save_conflicts_to(const QString& path) {
    std::ostringstream text;
    field::write_conflicts(text, conflicts_);
    platform::write_whole_file(path.toStdString(), text.str());
}

void SurveyWindow::open_plan() {
    const DesignShown shown = design_shown();
    if (!plan_dialog_) {
        plan_dialog_ = new PlanDialog(
            PlanPilot{source_, library_, report_options().level}, shown,
            [this](const MadePlan& made) { plan_ = made; }, this);
    } else if (!plan_dialog_->busy()) {
        plan_dialog_->follow(shown);
    }
    plan_dialog_->show();
    plan_dialog_->raise();
}

}  // namespace kestrivo::window
