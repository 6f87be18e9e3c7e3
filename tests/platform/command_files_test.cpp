// The files a command names: an output that is an input, two outputs that are one file (under
// any of their names, there yet or not), a file in a folder the command fills, and an output with
// no place to go are refused with a sentence that names them; devices and distinct files are not.
#include "platform/command_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;
using kestrivo::platform::CommandFiles;
using kestrivo::platform::NamedFile;
using kestrivo::platform::why_refused;

TEST(command_files_test, refuses_what_would_destroy_a_file_or_lose_an_output) {
    TemporaryFolder dir;
    const std::string sightings = dir.write("sightings.csv", "block,count,dog_id\n");
    dir.write("old.csv", "old");
    fs::create_directory(dir.file("folder"));
    fs::create_symlink(sightings, dir.file("link.csv"));
    fs::create_symlink(dir.file("nowhere"), dir.file("m-outlines.geojson"));
    const std::string here = dir.file("");

    const struct {
        const char* what;
        CommandFiles files;
        std::string words;  // "" when the files are fine
    } cases[] = {
        {"distinct files",
         {{{sightings, "the input"}},
          {{dir.file("survey.csv"), "the survey file"}, {dir.file("c.csv"), "the conflicts"}}},
         ""},
        {"an output that is an input under another name",
         {{{sightings, "the input"}}, {{here + "./sightings.csv", "the survey file"}}},
         "is the input"},
        {"an output that is a link to an input",
         {{{sightings, "the input"}}, {{dir.file("link.csv"), "the survey file"}}},
         "is the input"},
        {"two outputs on one file that is not there yet",
         {{},
          {{dir.file("s.csv"), "the survey file"}, {here + "folder/../s.csv", "the conflicts"}}},
         "the survey file \"" + dir.file("s.csv") + "\" and the conflicts"},
        {"an input in the folder of plots, not named as a plot",
         {{{sightings, "the survey file"}}, {}, {{dir.path(), "the plot folder", ".png"}}},
         ""},
        {"an output under a file",
         {{}, {{dir.file("old.csv/m.kml"), "the map"}}},
         "is a file, not a folder"},
        {"a dangling symbolic link",
         {{}, {{dir.file("m-outlines.geojson"), "the map's outlines"}}},
         "the map's outlines cannot be written: \"" + dir.file("m-outlines.geojson") +
             "\" is a symbolic link"},
        {"a plot folder to be made under a file",
         {{}, {}, {{dir.file("old.csv/a/b"), "the plot folder", ".png"}}},
         "is not a folder"},
        {"a plot folder to be made",
         {{}, {}, {{dir.file("new/plots"), "the plot folder", ".png"}}},
         ""},
        {"/dev/null for two outputs and an input",
         {{{"/dev/null", "the input"}},
          {{"/dev/null", "the survey file"}, {"/dev/null", "the conflicts"}}},
         ""},
    };
    for (const auto& c : cases) {
        const std::string why = why_refused(c.files);
        if (c.words.empty()) {
            EXPECT_EQ(why, "") << c.what;
        } else {
            EXPECT_NE(why.find(c.words), std::string::npos) << c.what << ": " << why;
        }
    }
    EXPECT_EQ(read_file(sightings), "block,count,dog_id\n") << "a check writes nothing";
    EXPECT_FALSE(fs::exists(dir.file("new"))) << "a check makes no folder";
}

TEST(command_files_test, a_folder_that_takes_no_file_is_said_with_the_reason) {
    TemporaryFolder dir;
    ::chmod(dir.path().c_str(), 0555);
    // Asked as "nobody" in a child: root writes in any folder.
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(90);
        const std::string why = why_refused({{}, {{dir.file("survey.csv"), "the survey file"}}});
        ::_exit(why.find("takes no new file: Permission denied") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
