// Work off the window's thread, as the survey window's report and exports and the Plan...
// dialog's plan need it: the work runs on a worker of its own, may tell the window how far it has
// come and be asked to stop, and its answer is handed to the window on the window's thread. Each
// start is a new generation: the answer (or a word of progress) of work since replaced or stopped
// is dropped, so the window shows only what it last asked for. The window never waits for a
// worker to answer the user: replaced work is left to stop at its next check, and every worker
// is joined when the job goes with its window.
#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

namespace kestrivo::window {

/// What the work is handed on its worker.
class JobControl {
public:
    JobControl(const std::atomic<bool>* cancel, std::function<void(std::function<void()>)> post)
        : cancel_(cancel), post_(std::move(post)) {}

    /// The flag the work checks between its batches (the report's and the plan's `cancel`).
    const std::atomic<bool>* cancel() const { return cancel_; }
    bool stopping() const { return cancel_->load(); }
    /// Runs `show` on the window's thread, unless the work has been replaced or stopped by then.
    void tell(std::function<void()> show) const { post_(std::move(show)); }

private:
    const std::atomic<bool>* cancel_;
    std::function<void(std::function<void()>)> post_;
};

/// One job of a window. Started, stopped and asked on the window's thread only.
class BackgroundJob {
public:
    /// Answers are handed over on `context`'s thread, and never once it is gone.
    explicit BackgroundJob(QObject* context);
    /// Stops every worker, drops their answers and joins them.
    ~BackgroundJob();
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    /// Stops the work that runs (its answer is dropped) and runs `work(control)` on a worker of
    /// its own; `answer` gets what it returns, on the window's thread, unless this job is started
    /// again or stopped first. The work catches what it throws.
    template <class Work, class Answer>
    void start(Work work, Answer answer) {
        using Result = std::invoke_result_t<Work&, const JobControl&>;
        launch([work = std::move(work), answer = std::move(answer)](
                   const JobControl& control) mutable -> std::function<void()> {
            auto result = std::make_shared<Result>(work(control));
            return [answer = std::move(answer), result]() mutable { answer(std::move(*result)); };
        });
    }

    /// Asks the work to stop at its next check: it still answers, with what it made so far.
    void interrupt();
    /// Stops the work and drops its answer.
    void stop();
    /// Started, and its answer neither handed over nor dropped yet.
    bool running() const { return state_->running; }

private:
    /// The generation awaited, and whether its answer is still to come: shared with the answers
    /// on their way to the window's thread, which compare their own generation with it there.
    struct State {
        std::uint64_t generation = 0;
        bool running = false;
    };
    struct Worker;

    void launch(std::function<std::function<void()>(const JobControl&)> work);
    /// Joins the workers that have ended.
    void reap();

    QObject* context_;
    std::shared_ptr<State> state_ = std::make_shared<State>();
    std::vector<std::unique_ptr<Worker>> workers_;  // the last is the current one
};

}  // namespace kestrivo::window
