// Writing a text file whole: CR LF line ends, replaced in one step, errors with their reason.
#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/runtime_error.h"

namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(text_file_test, replaces_the_file_with_crlf_lines) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("user.txt").toStdString();
    platform::write_text_lines(path, {"a long first text", "second", "third"});
    platform::write_text_lines(path, {" 14 ", " 0.5 "});
    EXPECT_EQ(contents(path), " 14 \r\n 0.5 \r\n");
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(text_file_test, a_file_that_cannot_be_written_is_a_file_error_with_the_reason) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    chmod(folder.c_str(), 0555);
    try {
        platform::write_text_lines(folder + "/user.txt", {"1"});
        ADD_FAILURE() << "written into a read-only folder";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.kind(), platform::ErrorKind::FileError);
        EXPECT_NE(std::string(e.what()).find("user.txt"), std::string::npos);
    }
    chmod(folder.c_str(), 0755);
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
    if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    QTemporaryDir dir;
    const std::string path = dir.filePath("user.txt").toStdString();
    platform::write_text_lines(path, {"old"});
    chmod(dir.path().toStdString().c_str(), 0555);
    platform::write_text_lines(path, {"new"});
    chmod(dir.path().toStdString().c_str(), 0755);
    EXPECT_EQ(contents(path), "new\r\n");
}

}  // namespace
