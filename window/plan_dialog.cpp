// PlanDialog: the inputs are read on the window's thread into a request; the worker reads the
// pilot's assumptions and makes the plan, telling the dialog of each batch; the dialog shows
// the result when it comes back, unless a newer plan has since been started.
#include "window/plan_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <sstream>
#include <variant>

#include "analysis/parallel_for.h"
#include "platform/number_text.h"
#include "survey/pilot_assumptions.h"
#include "survey/plan_note.h"
#include "window/design_words.h"
#include "window/plan_words.h"
#include "window/survey_answer.h"

namespace kestrivo::window {
namespace {

// The plan's picture, redrawn at the widget's size.
class PlanPictureWidget : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::PlanPictureWidget)

public:
    PlanPictureWidget(const std::optional<MadePlan>& made, QWidget* parent)
        : QWidget(parent), made_(made) {
        setMinimumSize(480, 200);
        setAccessibleName(
            tr("Half-width of the city's interval against blocks "
               "counted"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!made_ || made_->plan.rows.empty()) {
            painter.fillRect(rect(), palette().window());
            return;
        }
        paint_plan_picture(painter, QSizeF(size()), *made_);
    }

private:
    const std::optional<MadePlan>& made_;
};

// A share as a percentage with one decimal ("12.3%"): what 500 simulated surveys can tell.
QString percent_of_total(double share, const QLocale& locale) {
    if (!std::isfinite(share)) return PlanDialog::tr("none");
    return percent_sign(locale.toString(share * 100, 'f', 1));
}

// The plan made on the worker: the pilot's assumptions for `design`, then the plan of `request`,
// each batch said to `said`; or what stopped it, with the notes on the pilot's rows before.
std::variant<MadePlan, std::string> plan_on_worker(
    const PlanPilot& pilot, const survey::DesignOptions& design, analysis::PlanRequest request,
    const std::function<void(const QString&)>& said) {
    std::vector<std::string> notes;
    try {
        if (pilot.source.text) {
            std::istringstream in(*pilot.source.text);
            request.strata = survey::pilot_assumptions(in, pilot.source.name, design, pilot.library,
                                                       request.level, notes);
        } else {
            request.strata = survey::pilot_assumptions(pilot.source.path, design, pilot.library,
                                                       request.level, notes);
        }
    } catch (const std::exception& e) {
        std::string why;
        for (const std::string& note : notes)
            why += note + ".\n";
        // A refused design is said with the window's controls, not the command line's options.
        const auto* refused = dynamic_cast<const survey::DesignRefused*>(&e);
        return why + (refused ? window_words(refused->refusal).toStdString() : e.what());
    }
    MadePlan made;
    made.plan = analysis::make_plan(
        pilot.library, request,
        [&](const analysis::PlanRow& row, const analysis::PlanProgress& done) {
            said(PlanDialog::tr("%1 rows decided, %2 surveys simulated; now k = %3")
                     .arg(done.rows)
                     .arg(done.surveys)
                     .arg(row.k));
        });
    made.request = request;
    made.request.cancel = nullptr;
    made.note = survey::plan_note(made.plan, made.request).note;
    return made;
}

// The target in percent of the total, as the user thinks of an interval; the plan takes it as a
// share.
QDoubleSpinBox* target_box(QWidget* parent) {
    auto* target = new QDoubleSpinBox(parent);
    target->setObjectName(QStringLiteral("target"));
    target->setRange(0.5, 999);
    target->setDecimals(1);
    target->setSingleStep(1);
    target->setValue(10);
    target->setPrefix(QStringLiteral("±"));
    target->setSuffix(PlanDialog::tr("% of the total"));
    target->setAccessibleName(
        PlanDialog::tr("Target: the city's dogs within this percent of the total"));
    target->setToolTip(
        PlanDialog::tr("The widest acceptable interval of the city's dogs, as a percentage of "
                       "the total on either side"));
    return target;
}

}  // namespace

PlanDialog::PlanDialog(PlanPilot pilot, const DesignShown& shown,
                       std::function<void(const MadePlan&)> planned, QWidget* parent)
    : QDialog(parent), pilot_(std::move(pilot)), planned_(std::move(planned)) {
    setWindowTitle(
        tr("Plan: blocks to count — %1").arg(QString::fromStdString(pilot_.source.name)));
    build_controls();
    follow(shown);
    resize(860, 720);
}

PlanDialog::~PlanDialog() = default;

void PlanDialog::build_controls() {
    auto* layout = new QVBoxLayout(this);
    auto* inputs = new QHBoxLayout;
    auto* form = new QFormLayout;
    target_ = target_box(this);
    form->addRow(tr("&Target:"), target_);
    assurance_ = new QSpinBox(this);
    assurance_->setObjectName(QStringLiteral("assurance"));
    assurance_->setRange(1, 99);
    assurance_->setValue(80);
    assurance_->setSuffix(tr("% of surveys"));
    assurance_->setAccessibleName(tr("Assurance in percent of surveys"));
    form->addRow(tr("&Assurance:"), assurance_);
    replicates_ = new QSpinBox(this);
    replicates_->setObjectName(QStringLiteral("replicates"));
    replicates_->setRange(20, 1000000);
    replicates_->setValue(500);
    replicates_->setAccessibleName(tr("Surveys simulated for each k"));
    form->addRow(tr("Surveys &simulated per k:"), replicates_);
    inputs->addLayout(form);
    strata_ = new QTableWidget(0, 2, this);
    strata_->setObjectName(QStringLiteral("strata"));
    strata_->setHorizontalHeaderLabels({tr("Stratum"), tr("Blocks in the city")});
    strata_->horizontalHeader()->setStretchLastSection(true);
    strata_->setAccessibleName(tr("Blocks in the city, by stratum, for the plan"));
    strata_->verticalHeader()->hide();
    strata_->setMaximumHeight(130);
    inputs->addWidget(strata_, 1);
    layout->addLayout(inputs);

    auto* busy_row = new QHBoxLayout;
    run_ = new QPushButton(tr("&Plan"), this);
    run_->setObjectName(QStringLiteral("run"));
    run_->setDefault(true);
    run_->setAccessibleName(tr("Plan"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 0);
    progress_->setMaximumWidth(200);
    progress_->setAccessibleName(tr("Planning"));
    progress_->hide();
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setAccessibleName(tr("Plan status"));
    busy_row->addWidget(run_);
    busy_row->addWidget(progress_);
    busy_row->addWidget(status_, 1);
    layout->addLayout(busy_row);

    recommendation_ = new QLabel(this);
    recommendation_->setObjectName(QStringLiteral("recommendation"));
    QFont large = recommendation_->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    large.setBold(true);
    recommendation_->setFont(large);
    recommendation_->setWordWrap(true);
    recommendation_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);
    recommendation_->setAccessibleName(tr("Recommendation"));
    layout->addWidget(recommendation_);

    table_ = new QTableWidget(0, 8, this);
    table_->setObjectName(QStringLiteral("plan_rows"));
    // The half-widths as the target is typed, in percent of the total.
    table_->setHorizontalHeaderLabels({tr("Blocks"), tr("By stratum"), tr("Half-width, median"),
                                       tr("Half-width, assured"), tr("Interval holds the truth"),
                                       tr("Estimate ÷ truth"), tr("Meets target"), tr("Surveys")});
    table_->horizontalHeaderItem(3)->setToolTip(
        tr("The half-width in the share of surveys asked for (the assurance)"));
    table_->horizontalHeaderItem(5)->setToolTip(
        tr("The median of the estimated total over the true total"));
    table_->verticalHeader()->hide();
    // Every heading whole before a plan fills the columns; a plan's cells widen them again.
    table_->resizeColumnsToContents();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAccessibleName(tr("Plan rows"));
    layout->addWidget(table_, 1);
    picture_ = new PlanPictureWidget(made_, this);
    picture_->setObjectName(QStringLiteral("picture"));
    layout->addWidget(picture_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    connect(run_, &QPushButton::clicked, this, [this] {
        if (busy()) {
            stop();
        } else {
            start();
        }
    });
}

void PlanDialog::closeEvent(QCloseEvent* event) {
    stop();  // closing stops the plan; the worker ends at its next batch
    QDialog::closeEvent(event);
}

void PlanDialog::stop() {
    job_.interrupt();
}

void PlanDialog::follow(const DesignShown& shown) {
    // The survey window's strata and numbers, which the plan may change for itself.
    stratum_column_ = shown.stratum_column;
    const int rows = int(shown.strata.size());
    bool same = strata_->rowCount() == rows;
    for (int r = 0; same && r < rows; ++r) {
        same = strata_->item(r, 0)->data(Qt::UserRole).toString().toStdString() ==
               shown.strata[std::size_t(r)].name;
    }
    if (same) {
        // A number left empty here takes the one typed in the survey window since.
        for (int r = 0; r < rows; ++r) {
            if (strata_->item(r, 1)->text().trimmed().isEmpty()) {
                strata_->item(r, 1)->setText(
                    QString::fromStdString(shown.strata[std::size_t(r)].blocks));
            }
        }
        return;
    }
    strata_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const DesignShown::Stratum& stratum = shown.strata[std::size_t(r)];
        auto* name = new QTableWidgetItem(QString::fromStdString(stratum.shown));
        name->setData(Qt::UserRole, QString::fromStdString(stratum.name));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        strata_->setItem(r, 0, name);
        strata_->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(stratum.blocks)));
    }
}

PlanInputs PlanDialog::inputs() const {
    PlanInputs inputs;
    inputs.design.stratum_column = stratum_column_;
    for (int r = 0; r < strata_->rowCount(); ++r) {
        const QTableWidgetItem* typed = strata_->item(r, 1);
        std::string why;
        const std::optional<std::int64_t> k =
            typed_blocks(typed ? typed->text().toStdString() : std::string(), why);
        if (!k) {
            inputs.why = tr("The number of the city's blocks of %1 %2.")
                             .arg(strata_->item(r, 0)->text(), QString::fromStdString(why));
            return inputs;
        }
        if (stratum_column_) {
            inputs.design.blocks_by_stratum
                [strata_->item(r, 0)->data(Qt::UserRole).toString().toStdString()] = *k;
        } else {
            inputs.design.blocks_total = *k;
        }
    }
    analysis::PlanRequest& request = inputs.request;
    request.target = target_->value() / 100.0;
    request.assurance = assurance_->value() / 100.0;
    request.replicates = replicates_->value();
    request.level = pilot_.level;
    request.jobs = analysis::all_cores();
    return inputs;
}

void PlanDialog::start() {
    // The request, read here where the widgets live.
    const PlanInputs inputs = this->inputs();
    if (!inputs.why.isEmpty()) {
        job_.stop();
        fail(inputs.why);
        return;
    }
    run_->setText(tr("&Stop"));
    run_->setAccessibleName(tr("Stop"));
    progress_->show();
    status_->setText(tr("Reading the pilot's visibility and dogs..."));
    job_.start(
        [pilot = pilot_, design = inputs.design, request = inputs.request,
         this](const JobControl& control) {
            analysis::PlanRequest asked = request;
            asked.cancel = control.cancel();
            return plan_on_worker(pilot, design, asked, [&](const QString& said) {
                control.tell([this, said] { status_->setText(said); });
            });
        },
        [this](std::variant<MadePlan, std::string> answer) {
            if (auto* made = std::get_if<MadePlan>(&answer)) {
                show_plan(std::move(*made));
            } else {
                fail(QString::fromStdString(std::get<std::string>(answer)));
            }
        });
}

void PlanDialog::fail(const QString& why) {
    progress_->hide();
    run_->setText(tr("&Plan"));
    run_->setAccessibleName(tr("Plan"));
    status_->setText(why);
}

void PlanDialog::show_plan(MadePlan made) {
    progress_->hide();
    run_->setText(tr("&Plan"));
    run_->setAccessibleName(tr("Plan"));
    table_->setRowCount(int(made.plan.rows.size()));
    for (std::size_t i = 0; i < made.plan.rows.size(); ++i) {
        const auto& row = made.plan.rows[i];
        const QString cells[] = {
            QString::number(row.k),
            QString::fromStdString(allocation_words(made, row)),
            percent_of_total(row.median_half_width, locale()),
            percent_of_total(row.assurance_half_width, locale()),
            percent_of_total(row.coverage, locale()),
            std::isfinite(row.median_ratio) ? locale().toString(row.median_ratio, 'f', 2)
                                            : tr("none"),
            row.meets ? tr("yes") : tr("no"),
            QString::number(row.surveys),
        };
        for (int c = 0; c < 8; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (made.plan.recommended && row.k == *made.plan.recommended) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table_->setItem(int(i), c, item);
        }
    }
    table_->resizeColumnsToContents();
    const bool untrustworthy = !untrustworthy_words(made, locale()).isEmpty();
    const QString note = plan_note_words(made, locale());
    if (made.plan.stopped) {
        recommendation_->clear();
        status_->setText(
            tr("Stopped: %1 sample sizes were simulated before it.").arg(made.plan.rows.size()));
    } else if (made.plan.recommended) {
        const analysis::PlanRow* chosen = nullptr;
        for (const auto& row : made.plan.rows)
            if (row.k == *made.plan.recommended) chosen = &row;
        QString words = tr("Count %1 blocks").arg(*made.plan.recommended);
        if (chosen && made.request.strata.size() > 1) {
            words += tr(": ") + QString::fromStdString(allocation_words(made, *chosen));
        }
        recommendation_->setText(words + tr("."));
        status_->setText(note);
    } else {
        recommendation_->setText(tr("No sample size meets the target."));
        status_->setText(note);
    }
    // The note under it says why, in full.
    if (untrustworthy) {
        recommendation_->setText(recommendation_->text() +
                                 tr(" Not trustworthy at these assumptions: see why below."));
    }
    recommendation_->setAccessibleDescription(recommendation_->text());
    made_ = std::move(made);
    if (!made_->plan.stopped && planned_) planned_(*made_);
    picture_->update();
}

}  // namespace kestrivo::window
