// The survey window's Plan... dialog: kestrivo-plan's inputs (the target, the assurance, each
// stratum's blocks in the city) with the open survey as the pilot, the plan run on a worker by
// the same code as kestrivo-plan, its progress and a way to stop it, then its table, its
// recommendation and its picture. The survey window hands it the pilot and the design it shows,
// and is handed each plan made to the end, for its report. The controls are found by their
// object names: target, assurance, replicates, strata, run, progress, status, recommendation,
// plan_rows, picture.
#pragma once

#include <QCoreApplication>

#include <QDialog>
#include <functional>
#include <optional>

#include "analysis/inference_report.h"
#include "analysis/survey_plan.h"
#include "survey/design_builder.h"
#include "window/background_job.h"
#include "window/design_shown.h"
#include "window/plan_picture.h"
#include "window/survey_job.h"

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kestrivo::window {

/// The plan's pilot: the open survey, the library that fits it, and its intervals' level.
struct PlanPilot {
    SurveySource source;
    analysis::Library library;
    double level = 0.95;
};

/// What the dialog hands to the plan from what is typed in it: the pilot's design and the
/// request (its strata are the pilot's, read on the worker), or why there is no plan to make.
struct PlanInputs {
    survey::DesignOptions design;
    analysis::PlanRequest request;
    QString why;  // empty when the plan can be made
};

class PlanDialog : public QDialog {
    // The window's texts are looked up under this name in the translations (i18n/*.ts).
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::PlanDialog)

public:
    /// `planned` hears of each plan made to its end (not of one stopped).
    PlanDialog(PlanPilot pilot, const DesignShown& shown,
               std::function<void(const MadePlan&)> planned, QWidget* parent);
    /// Stops the plan and waits for its worker.
    ~PlanDialog() override;

    bool busy() const { return job_.running(); }
    /// What starting would hand to the plan now.
    PlanInputs inputs() const;
    /// Starts the plan with the inputs shown; drops the one that runs.
    void start();
    /// Asks the plan to stop; it says how far it came.
    void stop();
    /// The plan last made, if any.
    const std::optional<MadePlan>& made() const { return made_; }
    /// Takes the survey window's strata and their blocks in the city when its strata are no
    /// longer the dialog's (another strata column was chosen); numbers typed here stay otherwise.
    void follow(const DesignShown& shown);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build_controls();
    void show_plan(MadePlan made);
    void fail(const QString& why);

    PlanPilot pilot_;
    std::function<void(const MadePlan&)> planned_;
    std::optional<std::string> stratum_column_;  // the strata shown's column
    std::optional<MadePlan> made_;

    QDoubleSpinBox* target_ = nullptr;  // the largest half-width in percent of the total
    QSpinBox* assurance_ = nullptr;     // percent of surveys, as --assurance
    QSpinBox* replicates_ = nullptr;
    QTableWidget* strata_ = nullptr;  // stratum, blocks in the city
    QPushButton* run_ = nullptr;      // Plan, or Stop while it runs
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* recommendation_ = nullptr;
    QTableWidget* table_ = nullptr;
    QWidget* picture_ = nullptr;

    BackgroundJob job_{this};  // last: it joins its worker before the rest goes
};

}  // namespace kestrivo::window
