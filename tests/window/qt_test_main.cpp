// GoogleTest main for tests that run real widgets: a QApplication on the offscreen platform unless
// the environment asks for another.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <thread>

namespace {

std::ptrdiff_t threads_of_this_process() {
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/self/task", error);
    if (error) return 1;
    return std::distance(tasks, std::filesystem::directory_iterator());
}

// Qt's thread pools (QImage converts and scales large pictures on one) end their threads when the
// application goes, but QThread::wait returns before such a thread has left the kernel. The leak
// check that runs at exit under the sanitizers walks every thread still listed, and it can crash
// on one caught halfway out. So the process leaves only once it is down to its main thread.
void wait_for_the_other_threads_to_end() {
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (threads_of_this_process() > 1 && std::chrono::steady_clock::now() < give_up)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int status = 0;
    {
        QApplication app(argc, argv);
        // Settings the windows keep (a survey's title) go to a test folder, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    wait_for_the_other_threads_to_end();
    return status;
}
