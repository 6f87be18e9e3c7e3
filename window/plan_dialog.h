// The survey window's Plan... dialog: kestrivo-plan's inputs (the target, the assurance, each
// stratum's blocks in the city) with the open survey as the pilot, the plan run on a worker by
// the same code as kestrivo-plan, its progress and a way to stop it, then its table, its
// recommendation and its picture. The plan made is kept by the survey window for its report.
#pragma once

#include <QDialog>
#include <atomic>
#include <memory>
#include <thread>

#include "window/plan_picture.h"

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kestrivo::window {

class SurveyWindow;

class PlanDialog : public QDialog {
public:
    explicit PlanDialog(SurveyWindow* survey);
    /// Stops the plan and waits for its worker.
    ~PlanDialog() override;

    QDoubleSpinBox* target = nullptr;  // the largest relative half-width, as --target
    QSpinBox* assurance = nullptr;     // percent of surveys, as --assurance
    QSpinBox* replicates = nullptr;
    QTableWidget* strata = nullptr;  // stratum, blocks in the city
    QPushButton* run = nullptr;      // Plan, or Stop while it runs
    QProgressBar* progress = nullptr;
    QLabel* status = nullptr;
    QLabel* recommendation = nullptr;
    QTableWidget* table = nullptr;
    QWidget* picture = nullptr;

    bool busy() const { return worker_.joinable() && !finished_; }
    /// Starts the plan with the inputs shown; stops the one that runs.
    void start();
    void stop();
    /// The plan last made, if any.
    const std::optional<MadePlan>& made() const { return made_; }
    /// Takes the survey window's strata and their blocks in the city when its strata are no
    /// longer the dialog's (another strata column was chosen); numbers typed here stay otherwise.
    void follow_survey();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void show_plan(MadePlan made);
    void fail(const QString& why);
    void join();

    SurveyWindow* survey_;
    std::optional<MadePlan> made_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> finished_{true};
    std::thread worker_;
    std::uint64_t generation_ = 0;
};

}  // namespace kestrivo::window
