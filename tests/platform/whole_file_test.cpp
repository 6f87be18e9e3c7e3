// Writing a file whole or not at all: the replacement, the permissions it keeps, and every way
// the write can fail (no access, a folder in the way, a symbolic link, a file-size limit, a full
// disk), each leaving the previous file byte for byte; devices and pipes written into, never
// replaced; and batches of files written all or none.
#include "platform/whole_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "platform/runtime_error.h"
#include "platform/text_file.h"
#include "tests/support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;

// A good user.txt as an estimate leaves it: 24 lines, 141 bytes.
const std::string kPrevious =
    " 14 \r\n 2 \r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 29 \r\n 36 \r\n"
    " 54 \r\n 48 \r\n 0 \r\n 8 \r\n 0.5 \r\n 1 \r\n 0.01 \r\n 0.99 \r\n 0.5 \r\n 1 \r\n 0.01 \r\n"
    " 0.99 \r\n";
const std::vector<std::string> kNewLines(24, " 12345.6789 ");

// The FileError that `write` throws, or a failure if it throws none.
kestrivo::platform::RuntimeError failure_of(const std::function<void()>& write) {
    try {
        write();
    } catch (const kestrivo::platform::RuntimeError& e) {
        return e;
    }
    ADD_FAILURE() << "the write succeeded";
    return kestrivo::platform::RuntimeError(kestrivo::platform::ErrorKind::TypeMismatch, "");
}

bool mentions(const kestrivo::platform::RuntimeError& e, const std::string& text) {
    return std::string(e.what()).find(text) != std::string::npos;
}

std::size_t entries_in(const std::string& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Runs `body` in a forked child, optionally as "nobody" (permissions do not hold root back) and
// under a file-size limit with SIGXFSZ ignored, as a user's shell may set. Returns its exit code.
int in_child(const std::function<int()>& body, bool as_nobody, rlim_t size_limit = RLIM_INFINITY) {
    const pid_t child = fork();
    if (child == 0) {
        if (as_nobody && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(90);
        if (size_limit != RLIM_INFINITY) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{size_limit, size_limit};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(91);
        }
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

// 0 when writing `lines` to `path` throws a FileError naming the file whose text holds `words`.
int write_fails_saying(const std::string& path, const std::string& words) {
    try {
        kestrivo::platform::write_text_lines(path, kNewLines);
        return 1;
    } catch (const kestrivo::platform::RuntimeError& e) {
        const bool right = e.kind() == kestrivo::platform::ErrorKind::FileError &&
                           mentions(e, path) && mentions(e, words);
        if (!right) std::fprintf(stderr, "%s\n", e.report().c_str());
        return right ? 0 : 2;
    }
}

TEST(whole_file_test, replaces_the_file_with_crlf_lines_and_keeps_its_permissions) {
    TemporaryFolder dir;
    const std::string path = dir.file("user.txt");
    kestrivo::platform::write_text_lines(path, {"a long first text", "second", "third"});
    chmod(path.c_str(), 0640);
    kestrivo::platform::write_text_lines(path, {" 14 ", " 0.5 "});
    EXPECT_EQ(dir.read("user.txt"), " 14 \r\n 0.5 \r\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
    EXPECT_EQ(entries_in(dir.path()), 1u) << "nothing but the target is left in the folder";
}

TEST(whole_file_test, a_folder_without_write_access_is_a_file_error_with_the_reason) {
    TemporaryFolder dir;
    chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(
        in_child([&] { return write_fails_saying(dir.file("user.txt"), "Permission denied"); },
                 true),
        0);
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(entries_in(dir.path()), 0u);
}

TEST(whole_file_test, a_target_that_is_a_folder_is_a_file_error) {
    TemporaryFolder dir;
    fs::create_directory(dir.file("user.txt"));
    EXPECT_EQ(write_fails_saying(dir.file("user.txt"), "folder"), 0);
}

TEST(whole_file_test, rewrites_in_place_when_only_the_file_is_writable) {
    TemporaryFolder dir;
    const std::string path = dir.file("user.txt");
    dir.write("user.txt", "an old and longer text");
    chmod(path.c_str(), 0666);
    chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(in_child(
                  [&] {
                      kestrivo::platform::write_text_lines(path, {"new"});
                      return 0;
                  },
                  true),
              0);
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(dir.read("user.txt"), "new\r\n");
}

TEST(whole_file_test, a_symbolic_link_is_never_written_through) {
    TemporaryFolder dir;
    dir.write("someone-elses.txt", "their data");
    fs::create_symlink(dir.file("someone-elses.txt"), dir.file("user.txt"));
    const kestrivo::platform::RuntimeError e =
        failure_of([&] { kestrivo::platform::write_text_lines(dir.file("user.txt"), kNewLines); });
    EXPECT_EQ(e.kind(), kestrivo::platform::ErrorKind::FileError);
    EXPECT_TRUE(mentions(e, "symbolic link")) << e.what();
    EXPECT_EQ(dir.read("someone-elses.txt"), "their data");
    EXPECT_TRUE(fs::is_symlink(dir.file("user.txt")));

    // A dangling link does not create its target.
    fs::create_symlink(dir.file("not-yet.txt"), dir.file("dump.txt"));
    EXPECT_EQ(write_fails_saying(dir.file("dump.txt"), "symbolic link"), 0);
    EXPECT_FALSE(fs::exists(dir.file("not-yet.txt")));
    EXPECT_EQ(entries_in(dir.path()), 3u);

    // Nor is a link written through when only the file itself looked writable.
    chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(
        in_child([&] { return write_fails_saying(dir.file("user.txt"), "symbolic link"); }, true),
        0);
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(dir.read("someone-elses.txt"), "their data");
}

TEST(whole_file_test, a_file_size_limit_leaves_the_previous_file_whole) {
    TemporaryFolder dir;
    dir.write("user.txt", kPrevious);
    EXPECT_EQ(in_child([&] { return write_fails_saying(dir.file("user.txt"), "File too large"); },
                       false, 0),
              0);
    EXPECT_EQ(dir.read("user.txt"), kPrevious);
    EXPECT_EQ(entries_in(dir.path()), 1u);
}

TEST(whole_file_test, a_failed_rewrite_in_place_says_the_file_may_be_incomplete) {
    TemporaryFolder dir;
    dir.write("user.txt", kPrevious);
    chmod(dir.file("user.txt").c_str(), 0666);
    chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(
        in_child([&] { return write_fails_saying(dir.file("user.txt"), "may now be incomplete"); },
                 true, 200),
        0);
    chmod(dir.path().c_str(), 0755);
}

// A copy of a device of the system (mknod: root only), so that a test that went wrong would
// replace the copy, not /dev/null itself. False where nodes cannot be made.
bool copy_device(const char* device, const std::string& path) {
    struct stat original {};
    return ::stat(device, &original) == 0 &&
           ::mknod(path.c_str(), S_IFCHR | 0666, original.st_rdev) == 0;
}

bool is_character_device(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISCHR(status.st_mode);
}

TEST(whole_file_test, a_device_is_written_into_and_stays_a_device) {
    TemporaryFolder dir;
    const std::string null = dir.file("null"), full = dir.file("full");
    if (!copy_device("/dev/null", null) || !copy_device("/dev/full", full)) {
        GTEST_SKIP() << "device nodes can be made only by root";
    }
    kestrivo::platform::write_text_lines(null, kNewLines);
    EXPECT_TRUE(is_character_device(null)) << "/dev/null was replaced by a file";

    const kestrivo::platform::RuntimeError e =
        failure_of([&] { kestrivo::platform::write_text_lines(full, kNewLines); });
    EXPECT_EQ(e.kind(), kestrivo::platform::ErrorKind::FileError);
    EXPECT_TRUE(mentions(e, "No space left on device")) << e.what();
    EXPECT_TRUE(is_character_device(full));
    EXPECT_EQ(entries_in(dir.path()), 2u) << "no file was left beside the devices";
}

TEST(whole_file_test, a_named_pipe_is_written_into_for_its_reader) {
    TemporaryFolder dir;
    const std::string pipe = dir.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // The reader is there first, so the writer's open does not wait; were the pipe replaced by a
    // file, the reader would hear nothing rather than hang.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    kestrivo::platform::write_text_lines(pipe, {"through", "the pipe"});
    char heard[64] = {};
    const ssize_t got = ::read(reader, heard, sizeof heard);
    ::close(reader);
    EXPECT_EQ(std::string(heard, got > 0 ? std::size_t(got) : 0), "through\r\nthe pipe\r\n");
    struct stat status {};
    ASSERT_EQ(::lstat(pipe.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode)) << "the pipe was replaced by a file";
}

// Staged files replace their targets all together on commit, and none before; a batch left
// uncommitted (a run that failed) leaves every file as it was and no staged file behind.
TEST(output_batch_test, replaces_every_file_on_commit_and_none_otherwise) {
    for (const bool commit : {true, false}) {
        SCOPED_TRACE(commit ? "committed" : "not committed");
        TemporaryFolder dir;
        dir.write("survey.csv", "old survey");
        {
            kestrivo::platform::OutputBatch batch;
            batch.stage(dir.file("survey.csv"), "new survey");
            batch.stage(dir.file("conflicts.csv"), "first");
            batch.stage(dir.file("conflicts.csv"), "conflicts");  // staged again: the last counts
            EXPECT_EQ(batch.size(), 2u);
            EXPECT_EQ(dir.read("survey.csv"), "old survey");
            EXPECT_FALSE(fs::exists(dir.file("conflicts.csv")));
            if (commit) batch.commit();
        }
        EXPECT_EQ(dir.read("survey.csv"), commit ? "new survey" : "old survey");
        EXPECT_EQ(fs::exists(dir.file("conflicts.csv")), commit);
        EXPECT_EQ(dir.read("conflicts.csv"), commit ? "conflicts" : "");
        EXPECT_EQ(entries_in(dir.path()), commit ? 2u : 1u) << "the staged files are gone";
    }
}

TEST(output_batch_test, write_whole_file_stages_into_the_batch_collecting_on_its_thread) {
    TemporaryFolder dir;
    dir.write("plot.png", "old plot");
    kestrivo::platform::OutputBatch batch;
    {
        const kestrivo::platform::OutputBatch::Collecting collecting(batch);
        kestrivo::platform::write_whole_file(dir.file("plot.png"), "new plot");
        // Another thread is not collecting: its file is written at once.
        std::thread([&] { kestrivo::platform::write_whole_file(dir.file("other"), "now"); }).join();
        EXPECT_EQ(dir.read("plot.png"), "old plot");
        EXPECT_EQ(dir.read("other"), "now");
    }
    kestrivo::platform::write_whole_file(dir.file("after"), "written at once");
    EXPECT_EQ(dir.read("after"), "written at once");
    EXPECT_EQ(dir.read("plot.png"), "old plot");
    batch.commit();
    EXPECT_EQ(dir.read("plot.png"), "new plot");
}

// Runs only inside the full-disk script, which mounts a 64 KiB tmpfs in a private mount
// namespace and names it in KESTRIVO_FULL_DISK_DIR.
TEST(full_disk_test, a_full_disk_leaves_the_previous_file_whole) {
    const char* mount = std::getenv("KESTRIVO_FULL_DISK_DIR");
    if (!mount) GTEST_SKIP() << "runs inside tests/window/full_disk.sh";
    const std::string path = std::string(mount) + "/user.txt";
    { std::ofstream(path, std::ios::binary) << kPrevious; }
    fill_the_disk(mount);
    EXPECT_EQ(write_fails_saying(path, "No space left on device"), 0);
    EXPECT_EQ(read_file(path), kPrevious);
    EXPECT_EQ(entries_in(mount), 2u) << "user.txt and the filler, nothing else";
}

}  // namespace
