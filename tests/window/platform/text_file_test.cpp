// Writing a text file whole: CR LF line ends, replaced in one step, errors with their reason.
#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>

#include "platform/runtime_error.h"
#include "test_helpers.h"

namespace {

TEST(text_file_test, replaces_the_file_with_crlf_lines) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("user.txt").toStdString();
    platform::write_text_lines(path, {"a long first text", "second", "third"});
    platform::write_text_lines(path, {" 14 ", " 0.5 "});
    EXPECT_EQ(file_contents(path), " 14 \r\n 0.5 \r\n");
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()),
                            std::filesystem::directory_iterator()),
              1);
}

// Permissions do not hold root back, so as root the write runs in a child that has become
// "nobody". Returns what `write` returned: 0 written, 1 a FileError naming the file, 2 other.
int write_as_ordinary_user(const std::string& path, const std::vector<std::string>& lines) {
    auto attempt = [&] {
        try {
            platform::write_text_lines(path, lines);
            return 0;
        } catch (const platform::RuntimeError& e) {
            const bool named = std::string(e.what()).find(path) != std::string::npos;
            return e.kind() == platform::ErrorKind::FileError && named ? 1 : 2;
        }
    };
    if (geteuid() != 0) return attempt();
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
        _exit(dropped ? attempt() : 3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 4;
}

TEST(text_file_test, a_folder_without_write_access_is_a_file_error_with_the_reason) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    chmod(folder.c_str(), 0555);
    EXPECT_EQ(write_as_ordinary_user(folder + "/user.txt", {"1"}), 1);
    chmod(folder.c_str(), 0755);
    EXPECT_FALSE(std::filesystem::exists(folder + "/user.txt"));
}

TEST(text_file_test, a_target_that_is_a_folder_is_a_file_error) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("user.txt").toStdString();
    std::filesystem::create_directory(path);
    try {
        platform::write_text_lines(path, {"1"});
        ADD_FAILURE() << "wrote over a folder";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.kind(), platform::ErrorKind::FileError);
        EXPECT_GT(std::string(e.what()).size(), path.size() + 20) << "the reason is given";
    }
}

TEST(text_file_test, rewrites_in_place_when_only_the_file_is_writable) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("user.txt").toStdString();
    platform::write_text_lines(path, {"an old and longer text"});
    chmod(path.c_str(), 0666);
    chmod(dir.path().toStdString().c_str(), 0555);
    EXPECT_EQ(write_as_ordinary_user(path, {"new"}), 0);
    chmod(dir.path().toStdString().c_str(), 0755);
    EXPECT_EQ(file_contents(path), "new\r\n");
}

}  // namespace
