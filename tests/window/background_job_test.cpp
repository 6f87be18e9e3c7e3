// The window's one kind of background job: answers come on the window's thread, only the last
// started is heard, a job stopped answers nothing, one interrupted says what it made, and a job
// that goes stops and joins its workers.
#include "window/background_job.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace kestrivo::window;

namespace {

constexpr int kPatience = 60000;  // milliseconds

// Work that runs until it is asked to stop, then answers `name` with whether it was asked.
struct Waiting {
    std::string name;
    std::atomic<int>* asked_to_stop;
    std::string operator()(const JobControl& control) const {
        while (!control.stopping())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ++*asked_to_stop;
        return name;
    }
};

// What becomes of a job's answer by what the window does while it runs.
TEST(background_job_test, only_the_last_job_started_and_not_stopped_is_heard) {
    enum class Then { start_again, stop, interrupt };
    const struct {
        Then then;
        std::vector<std::string> heard;
    } cases[] = {
        {Then::start_again, {"second"}},
        {Then::stop, {}},
        {Then::interrupt, {"first"}},
    };
    for (const auto& c : cases) {
        QObject window;
        std::vector<std::string> heard;
        std::atomic<int> asked{0};
        {
            BackgroundJob job(&window);
            const auto hear = [&](const std::string& answer) {
                EXPECT_EQ(QThread::currentThread(), window.thread());
                heard.push_back(answer);
            };
            job.start(Waiting{"first", &asked}, hear);
            EXPECT_TRUE(job.running());
            switch (c.then) {
                case Then::start_again:
                    job.start([](const JobControl&) { return std::string("second"); }, hear);
                    break;
                case Then::stop:
                    job.stop();
                    EXPECT_FALSE(job.running());
                    break;
                case Then::interrupt:
                    job.interrupt();
                    break;
            }
            // The first worker ends, its answer on its way or not.
            EXPECT_TRUE(QTest::qWaitFor([&] { return asked == 1; }, kPatience));
            EXPECT_TRUE(QTest::qWaitFor([&] { return !job.running(); }, kPatience));
            QTest::qWait(50);  // an answer dropped would have come by now
        }
        QCoreApplication::processEvents();  // and none comes once the job is gone
        EXPECT_EQ(heard, c.heard) << int(c.then);
    }
}

// Words of progress come before the answer, in order; those of a job replaced are dropped.
TEST(background_job_test, progress_is_told_on_the_window_thread_until_the_job_is_replaced) {
    QObject window;
    BackgroundJob job(&window);
    std::vector<int> told;
    std::optional<int> answered;
    job.start(
        [&told](const JobControl& control) {
            for (int i = 1; i <= 3; ++i)
                control.tell([&told, i] { told.push_back(i); });
            return 3;
        },
        [&](int answer) {
            EXPECT_EQ(told.size(), 3u);
            answered = answer;
        });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered.has_value(); }, kPatience));
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3}));

    // Told after the job was stopped: dropped.
    std::atomic<bool> began{false}, ended{false};
    told.clear();
    job.start(
        [&](const JobControl& control) {
            began = true;
            while (!control.stopping())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            control.tell([&told] { told.push_back(0); });
            ended = true;
            return 0;
        },
        [](int) { ADD_FAILURE() << "a stopped job answered"; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return began.load(); }, kPatience));
    job.stop();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended.load(); }, kPatience));
    QTest::qWait(20);
    EXPECT_TRUE(told.empty());
}

// A job that goes with its window stops its worker and waits for it: nothing runs after it.
TEST(background_job_test, a_job_that_goes_stops_and_joins_its_workers) {
    std::atomic<int> asked{0};
    {
        QObject window;
        BackgroundJob job(&window);
        job.start(Waiting{"first", &asked}, [](const std::string&) {});
        job.start(Waiting{"second", &asked}, [](const std::string&) {});
    }
    EXPECT_EQ(asked, 2);
}

}  // namespace
