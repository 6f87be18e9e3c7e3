// BackgroundJob: a thread for each start, its stop flag and its end kept beside it until it is
// joined; the answer and the words of progress go to the window's thread as queued calls on the
// context, each carrying its generation.
#include "window/background_job.h"

namespace kestrivo::window {

struct BackgroundJob::Worker {
    std::atomic<bool> cancel{false};
    std::atomic<bool> ended{false};
    std::thread thread;
};

BackgroundJob::BackgroundJob(QObject* context) : context_(context) {}

BackgroundJob::~BackgroundJob() {
    stop();
    for (const auto& worker : workers_) {
        worker->cancel = true;
        if (worker->thread.joinable()) worker->thread.join();
    }
}

void BackgroundJob::interrupt() {
    if (!workers_.empty()) workers_.back()->cancel = true;
}

void BackgroundJob::stop() {
    interrupt();
    ++state_->generation;
    state_->running = false;
}

void BackgroundJob::reap() {
    std::erase_if(workers_, [](const std::unique_ptr<Worker>& worker) {
        if (!worker->ended) return false;
        worker->thread.join();  // it has done all but return
        return true;
    });
}

void BackgroundJob::launch(std::function<std::function<void()>(const JobControl&)> work) {
    stop();
    reap();
    const std::uint64_t generation = state_->generation;
    state_->running = true;
    // Queued on the context: Qt drops the call when the context goes first. The answer ends the
    // job's run; a word of progress does not.
    const auto post = [context = context_, state = state_, generation](std::function<void()> show,
                                                                       bool answer) {
        QMetaObject::invokeMethod(
            context,
            [state, generation, show = std::move(show), answer] {
                if (state->generation != generation) return;
                if (answer) state->running = false;
                if (show) show();
            },
            Qt::QueuedConnection);
    };
    auto worker = std::make_unique<Worker>();
    Worker* self = worker.get();
    worker->thread = std::thread([self, work = std::move(work), post]() mutable {
        const JobControl control(
            &self->cancel, [&post](std::function<void()> show) { post(std::move(show), false); });
        post(work(control), true);
        self->ended = true;
    });
    workers_.push_back(std::move(worker));
}

}  // namespace kestrivo::window
