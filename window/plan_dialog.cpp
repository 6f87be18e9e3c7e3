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

#include "analysis/parallel_for.h"
#include "platform/number_text.h"
#include "survey/pilot_assumptions.h"
#include "survey/plan_note.h"
#include "window/survey_window.h"

namespace kestrivo::window {
namespace {

// The plan's picture, redrawn at the widget's size.
class PlanPictureWidget : public QWidget {
public:
    PlanPictureWidget(const std::optional<MadePlan>& made, QWidget* parent)
        : QWidget(parent), made_(made) {
        setMinimumSize(480, 200);
        setAccessibleName(
            QStringLiteral("Half-width of the city's interval against blocks "
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

QString number(double value) {
    if (!std::isfinite(value)) return QStringLiteral("none");
    return QString::fromStdString(platform::digits_text(value, survey::kPlanDigits));
}

}  // namespace

PlanDialog::PlanDialog(SurveyWindow* survey) : QDialog(survey), survey_(survey) {
    setWindowTitle(QStringLiteral("Plan: blocks to count — %1")
                       .arg(QString::fromStdString(survey->source_.name)));
    auto* layout = new QVBoxLayout(this);
    auto* inputs = new QHBoxLayout;
    auto* form = new QFormLayout;
    target = new QDoubleSpinBox(this);
    target->setRange(0.005, 9.99);
    target->setDecimals(3);
    target->setSingleStep(0.01);
    target->setValue(0.1);
    target->setAccessibleName(QStringLiteral("Target relative half-width"));
    target->setToolTip(
        QStringLiteral("The widest acceptable interval of the city's dogs, as a "
                       "share of the total on either side: 0.1 is ±10%"));
    form->addRow(QStringLiteral("&Target half-width:"), target);
    assurance = new QSpinBox(this);
    assurance->setRange(1, 99);
    assurance->setValue(80);
    assurance->setSuffix(QStringLiteral(" % of surveys"));
    assurance->setAccessibleName(QStringLiteral("Assurance in percent of surveys"));
    form->addRow(QStringLiteral("&Assurance:"), assurance);
    replicates = new QSpinBox(this);
    replicates->setRange(20, 1000000);
    replicates->setValue(500);
    replicates->setAccessibleName(QStringLiteral("Surveys simulated for each k"));
    form->addRow(QStringLiteral("Surveys &simulated per k:"), replicates);
    inputs->addLayout(form);
    strata = new QTableWidget(0, 2, this);
    strata->setHorizontalHeaderLabels(
        {QStringLiteral("Stratum"), QStringLiteral("Blocks in the city")});
    strata->horizontalHeader()->setStretchLastSection(true);
    strata->setAccessibleName(QStringLiteral("Blocks in the city, by stratum, for the plan"));
    strata->verticalHeader()->hide();
    strata->setMaximumHeight(130);
    inputs->addWidget(strata, 1);
    layout->addLayout(inputs);

    auto* busy_row = new QHBoxLayout;
    run = new QPushButton(QStringLiteral("&Plan"), this);
    run->setDefault(true);
    run->setAccessibleName(QStringLiteral("Plan"));
    progress = new QProgressBar(this);
    progress->setRange(0, 0);
    progress->setMaximumWidth(200);
    progress->setAccessibleName(QStringLiteral("Planning"));
    progress->hide();
    status = new QLabel(this);
    status->setWordWrap(true);
    status->setAccessibleName(QStringLiteral("Plan status"));
    busy_row->addWidget(run);
    busy_row->addWidget(progress);
    busy_row->addWidget(status, 1);
    layout->addLayout(busy_row);

    recommendation = new QLabel(this);
    QFont large = recommendation->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    large.setBold(true);
    recommendation->setFont(large);
    recommendation->setWordWrap(true);
    recommendation->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                            Qt::TextSelectableByKeyboard);
    recommendation->setAccessibleName(QStringLiteral("Recommendation"));
    layout->addWidget(recommendation);

    table = new QTableWidget(0, 8, this);
    table->setHorizontalHeaderLabels({QStringLiteral("k"), QStringLiteral("Blocks by stratum"),
                                      QStringLiteral("Median half-width"),
                                      QStringLiteral("Assurance half-width"),
                                      QStringLiteral("Coverage"), QStringLiteral("Median ratio"),
                                      QStringLiteral("Meets target"), QStringLiteral("Surveys")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAccessibleName(QStringLiteral("Plan rows"));
    layout->addWidget(table, 1);
    picture = new PlanPictureWidget(made_, this);
    layout->addWidget(picture, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    connect(run, &QPushButton::clicked, this, [this] {
        if (busy()) {
            stop();
        } else {
            start();
        }
    });
    follow_survey();
    resize(860, 720);
}

PlanDialog::~PlanDialog() {
    stop();
    join();
}

void PlanDialog::closeEvent(QCloseEvent* event) {
    stop();  // closing stops the plan; the worker ends at its next batch
    QDialog::closeEvent(event);
}

void PlanDialog::join() {
    if (worker_.joinable()) worker_.join();
}

void PlanDialog::stop() {
    cancel_ = true;
}

void PlanDialog::follow_survey() {
    // The survey window's strata and numbers, which the plan may change for itself.
    const QTableWidget* from = survey_->blocks_in_city;
    bool same = strata->rowCount() == from->rowCount();
    for (int r = 0; same && r < from->rowCount(); ++r)
        same = strata->item(r, 0)->data(Qt::UserRole) == from->item(r, 0)->data(Qt::UserRole);
    if (same) {
        // A number left empty here takes the one typed in the survey window since.
        for (int r = 0; r < from->rowCount(); ++r) {
            if (strata->item(r, 1)->text().trimmed().isEmpty()) {
                strata->item(r, 1)->setText(from->item(r, 2)->text());
            }
        }
        return;
    }
    strata->setRowCount(from->rowCount());
    for (int r = 0; r < from->rowCount(); ++r) {
        auto* name = new QTableWidgetItem(from->item(r, 0)->text());
        name->setData(Qt::UserRole, from->item(r, 0)->data(Qt::UserRole));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        strata->setItem(r, 0, name);
        strata->setItem(r, 1, new QTableWidgetItem(from->item(r, 2)->text()));
    }
}

void PlanDialog::start() {
    stop();
    join();
    cancel_ = false;
    // The request, read here where the widgets live.
    survey::DesignOptions design;
    if (survey_->strata_column->currentIndex() > 0) {
        design.stratum_column = survey_->strata_column->currentText().toStdString();
    }
    for (int r = 0; r < strata->rowCount(); ++r) {
        bool ok = false;
        const qlonglong k =
            strata->item(r, 1) ? strata->item(r, 1)->text().trimmed().toLongLong(&ok) : 0;
        const QString shown = strata->item(r, 0)->text();
        if (!ok || k < 2) {
            fail(QStringLiteral("Give the number of the city's blocks of %1 (at least 2).")
                     .arg(shown));
            return;
        }
        if (design.stratum_column) {
            design.blocks_by_stratum
                [strata->item(r, 0)->data(Qt::UserRole).toString().toStdString()] = k;
        } else {
            design.blocks_total = k;
        }
    }
    analysis::PlanRequest request;
    request.target = target->value();
    request.assurance = assurance->value() / 100.0;
    request.replicates = replicates->value();
    request.level = survey_->report_options().level;
    request.jobs = analysis::all_cores();
    request.cancel = &cancel_;
    const SurveySource source = survey_->source_;
    const analysis::Library library = survey_->library_;

    const std::uint64_t generation = ++generation_;
    finished_ = false;
    run->setText(QStringLiteral("&Stop"));
    run->setAccessibleName(QStringLiteral("Stop"));
    progress->show();
    status->setText(QStringLiteral("Reading the pilot's visibility and dogs..."));
    worker_ = std::thread([this, generation, source, library, design, request]() mutable {
        const auto post = [this, generation](auto&& show) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, show = std::forward<decltype(show)>(show)]() mutable {
                    if (generation == generation_) show();
                },
                Qt::QueuedConnection);
        };
        std::vector<std::string> notes;
        try {
            if (source.text) {
                std::istringstream in(*source.text);
                request.strata = survey::pilot_assumptions(in, source.name, design, library,
                                                           request.level, notes);
            } else {
                request.strata =
                    survey::pilot_assumptions(source.path, design, library, request.level, notes);
            }
        } catch (const std::exception& e) {
            std::string why;
            for (const std::string& note : notes)
                why += note + ".\n";
            why += e.what();
            finished_ = true;
            post([this, why] { fail(QString::fromStdString(why)); });
            return;
        }
        MadePlan made;
        made.plan = analysis::make_plan(
            library, request,
            [&](const analysis::PlanRow& row, const analysis::PlanProgress& done) {
                const QString said =
                    QStringLiteral("%1 rows decided, %2 surveys simulated; now k = %3")
                        .arg(done.rows)
                        .arg(done.surveys)
                        .arg(row.k);
                post([this, said] { status->setText(said); });
            });
        made.request = request;
        made.request.cancel = nullptr;
        made.note = survey::plan_note(made.plan, made.request).note;
        finished_ = true;
        post([this, made = std::move(made)]() mutable { show_plan(std::move(made)); });
    });
}

void PlanDialog::fail(const QString& why) {
    finished_ = true;
    progress->hide();
    run->setText(QStringLiteral("&Plan"));
    run->setAccessibleName(QStringLiteral("Plan"));
    status->setText(why);
}

namespace {

// The plan's note begins in the middle of kestrivo-plan's line; here it stands alone.
QString sentence(const std::string& words) {
    QString text = QString::fromStdString(words);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text + QStringLiteral(".");
}

}  // namespace

void PlanDialog::show_plan(MadePlan made) {
    progress->hide();
    run->setText(QStringLiteral("&Plan"));
    run->setAccessibleName(QStringLiteral("Plan"));
    table->setRowCount(int(made.plan.rows.size()));
    for (std::size_t i = 0; i < made.plan.rows.size(); ++i) {
        const auto& row = made.plan.rows[i];
        const QString cells[] = {
            QString::number(row.k),
            QString::fromStdString(allocation_words(made, row)),
            number(row.median_half_width),
            number(row.assurance_half_width),
            number(row.coverage),
            number(row.median_ratio),
            row.meets ? QStringLiteral("yes") : QStringLiteral("no"),
            QString::number(row.surveys),
        };
        for (int c = 0; c < 8; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (made.plan.recommended && row.k == *made.plan.recommended) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table->setItem(int(i), c, item);
        }
    }
    table->resizeColumnsToContents();
    const auto [note, warning] = survey::plan_note(made.plan, made.request);
    if (made.plan.stopped) {
        recommendation->clear();
        status->setText(QStringLiteral("Stopped: %1 sample sizes were simulated before it.")
                            .arg(made.plan.rows.size()));
    } else if (made.plan.recommended) {
        const analysis::PlanRow* chosen = nullptr;
        for (const auto& row : made.plan.rows)
            if (row.k == *made.plan.recommended) chosen = &row;
        QString words = QStringLiteral("Count %1 blocks").arg(*made.plan.recommended);
        if (chosen && made.request.strata.size() > 1) {
            words += QStringLiteral(": ") + QString::fromStdString(allocation_words(made, *chosen));
        }
        recommendation->setText(words + QStringLiteral("."));
        status->setText(sentence(note));
    } else {
        recommendation->setText(QStringLiteral("No sample size meets the target."));
        status->setText(sentence(note));
    }
    if (!warning.empty()) {
        recommendation->setText(recommendation->text() + QStringLiteral(" Not trustworthy: ") +
                                QString::fromStdString(warning) + QStringLiteral("."));
    }
    recommendation->setAccessibleDescription(recommendation->text());
    made_ = std::move(made);
    if (!made_->plan.stopped) survey_->plan_ = made_;
    picture->update();
}

}  // namespace kestrivo::window
