// How chosen files open as a survey: a survey file as it is, told by its header whatever its
// quoting; field data tabulated in memory to the survey kestrivo-tabulate writes, with its
// conflicts, named by their files; and what cannot be opened refused, naming the file at fault
// (or all of them, when the fault is in what they lack together).
#include "field/survey_opening.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temporary_folder.h"

namespace {

using kestrivo::field::how_to_open;
using Refusal = kestrivo::field::SurveyOpening::Refusal;
using Way = kestrivo::field::SurveyOpening::Way;

const std::string kExample = KESTRIVO_DOCS "/example-survey.csv";
const std::string kFieldZip = KESTRIVO_DOCS "/field-example/kestrivo_three_counts.zip";
const std::string kFieldSurvey = KESTRIVO_DOCS "/field-example/survey.csv";
const std::string kSubmissions = KESTRIVO_DOCS "/field-example/kestrivo_three_counts.csv";
const std::string kSightings = KESTRIVO_DOCS "/field-example/kestrivo_three_counts-sighting.csv";

// ODK Central's zip, as downloaded, is field data; a survey file is opened as it is.
TEST(survey_opening_test, a_field_export_is_field_data_and_a_survey_is_a_survey) {
    EXPECT_EQ(how_to_open({kFieldZip}).way, Way::field_data);
    EXPECT_EQ(how_to_open({kExample}).way, Way::survey_file);
}

// One file is told by its first line alone: a survey names its counts, whatever the case, the
// quoting or the separator; a name that only begins like a count is not one.
TEST(survey_opening_test, one_file_is_told_by_its_header) {
    TemporaryFolder dir;
    const struct {
        const char* file;
        std::string bytes;
        Way way;
    } cases[] = {
        {"tabulated.csv", read_file(kFieldSurvey), Way::survey_file},
        {"quoted.csv", "\"Block\";\"C100\";\"c111\";\"C101\";\"c110\"\nA;1;2;3;4\n",
         Way::survey_file},
        {"one-count.csv", "block,c100\nA,1\n", Way::survey_file},
        {"long.csv", "block,count,dog_id\nA,1,a1\nA,2,a1\nA,3,a1\n", Way::field_data},
        {"wide.txt", "block,dog_id,seen1,seen2,seen3\nA,a1,1,0,1\n", Way::field_data},
        {"c1000.csv", "block,c1000,dog\nA,1,a\n", Way::refused},
    };
    for (const auto& c : cases) {
        const std::string path = dir.write(c.file, c.bytes);
        const auto opening = how_to_open({path});
        EXPECT_EQ(opening.way, c.way) << c.file << ": " << opening.reason;
        if (c.way != Way::refused) {
            EXPECT_EQ(opening.name, c.file);
        }
        if (c.way != Way::field_data) {
            EXPECT_TRUE(opening.text.empty()) << c.file;
            EXPECT_TRUE(opening.conflicts.empty()) << c.file;
        }
    }
}

// The field example, as its zip or as its two CSVs in either order, opens as the survey file that
// kestrivo-tabulate writes of it, without a conflict, named by the files chosen.
TEST(survey_opening_test, field_data_open_as_the_survey_kestrivo_tabulate_writes) {
    const struct {
        std::vector<std::string> paths;
        const char* name;
    } cases[] = {
        {{kFieldZip}, "kestrivo_three_counts.zip"},
        {{kSubmissions, kSightings},
         "kestrivo_three_counts.csv, kestrivo_three_counts-sighting.csv"},
        {{kSightings, kSubmissions},
         "kestrivo_three_counts-sighting.csv, kestrivo_three_counts.csv"},
    };
    const std::string expected = read_file(kFieldSurvey);
    for (const auto& c : cases) {
        const auto opening = how_to_open(c.paths);
        ASSERT_EQ(opening.way, Way::field_data) << c.name << ": " << opening.reason;
        EXPECT_EQ(opening.text, expected) << c.name;
        EXPECT_TRUE(opening.conflicts.empty()) << c.name;
        EXPECT_EQ(opening.name, c.name);
    }
}

// A dog recorded twice on one count: the survey still opens, its conflict listed and its block's
// counts left empty for the report to give an error row.
TEST(survey_opening_test, field_data_open_with_their_conflicts) {
    TemporaryFolder dir;
    std::string sightings = read_file(kSightings);
    const std::size_t second = sightings.find('\n') + 1;
    sightings += sightings.substr(second, sightings.find('\n', second) + 1 - second);
    const auto opening = how_to_open({kSubmissions, dir.write("sighting.csv", sightings)});
    ASSERT_EQ(opening.way, Way::field_data) << opening.reason;
    ASSERT_EQ(opening.conflicts.size(), 1u);
    EXPECT_EQ(opening.conflicts.front().kind, kestrivo::field::ConflictKind::duplicate_in_count);
    const std::string block = opening.conflicts.front().block;
    EXPECT_NE(opening.text.find("\n" + block + ",,,,,,,,"), std::string::npos) << opening.text;
}

// What cannot be opened is refused: the reason begins with the file at fault (or with all of
// them, when the fault is in what they lack together), names no file twice, and nothing opens.
TEST(survey_opening_test, what_cannot_be_opened_is_refused_by_name) {
    TemporaryFolder dir;
    dir.write("counts.csv", "block,count,dog_id\nA,1,a1\nA,2,a1\nA,3,a1\n");
    dir.write("blocks.csv", "block,ward\nA,North\n");
    dir.write("more-blocks.csv", "block,ward\nB,South\n");
    dir.write("neither.csv", "x,y\n1,2\n");
    const auto path = [&](const std::string& file) {
        return file.starts_with('/') ? file : dir.file(file);
    };
    const struct {
        std::vector<std::string> files;
        std::string first;  // what the reason begins with
        const char* why;
        Refusal refusal;
        std::string named;  // the refusal's path
    } cases[] = {
        {{"neither.csv"},
         path("neither.csv") + ": is neither a survey",
         "none of the layouts",
         Refusal::neither,
         path("neither.csv")},
        {{"missing.csv"},
         path("missing.csv") + ": is neither a survey",
         "cannot be read",
         Refusal::neither,
         path("missing.csv")},
        {{"counts.csv", "missing.csv"},
         path("missing.csv") + ":",
         "cannot be read",
         Refusal::unreadable,
         path("counts.csv") + ", " + path("missing.csv")},
        {{kExample, "counts.csv"},
         kExample + ": is a survey",
         "opens alone",
         Refusal::survey_among_field,
         kExample},
        {{"blocks.csv", "counts.csv", "more-blocks.csv"},
         path("more-blocks.csv") + ": is a second table of blocks, after " + path("blocks.csv"),
         "give one",
         Refusal::second_blocks,
         path("more-blocks.csv")},
        {{kSightings, "counts.csv"},
         kSightings + ", " + path("counts.csv") + ": ",
         "without their submissions",
         Refusal::unreadable,
         kSightings + ", " + path("counts.csv")},
    };
    for (const auto& c : cases) {
        std::vector<std::string> paths;
        for (const std::string& file : c.files)
            paths.push_back(path(file));
        const auto opening = how_to_open(paths);
        const std::string& said = opening.reason;
        ASSERT_EQ(opening.way, Way::refused) << c.first;
        EXPECT_EQ(said.rfind(c.first, 0), 0u) << said;
        for (const std::string& file : paths) {
            const std::size_t at = said.find(file);
            EXPECT_TRUE(at == std::string::npos || said.find(file, at + 1) == std::string::npos)
                << file << " is named twice: " << said;
        }
        EXPECT_NE(said.find(c.why), std::string::npos) << said;
        // The same as data, for the window's words: the tabulator's reason without a file's name
        // before it.
        EXPECT_EQ(opening.refusal, c.refusal) << said;
        EXPECT_EQ(opening.path, c.named) << said;
        if (c.refusal == Refusal::neither) {
            EXPECT_NE(opening.detail.find(c.why), std::string::npos) << opening.detail;
            EXPECT_EQ(said.find(opening.detail), said.size() - opening.detail.size()) << said;
            EXPECT_EQ(opening.detail.find(c.files.front()), std::string::npos) << opening.detail;
        }
        if (c.refusal == Refusal::second_blocks) {
            EXPECT_EQ(opening.first_blocks, path("blocks.csv"));
        }
        EXPECT_TRUE(opening.text.empty()) << said;
        EXPECT_TRUE(opening.conflicts.empty()) << said;
    }
}

// The field example's fieldwork ran from its first submission, on 11 November 2026, to its last,
// on the 13th (its SubmissionDate column; the export has no start and end), read alike from the
// zip and from its CSVs. A survey file says nothing of when it was counted.
TEST(survey_opening_test, field_data_say_when_the_fieldwork_was_done) {
    const struct {
        const char* what;
        std::vector<std::string> paths;
        const char *first, *last;
    } cases[] = {
        {"the example's zip", {kFieldZip}, "2026-11-11", "2026-11-13"},
        {"the example's CSVs", {kSightings, kSubmissions}, "2026-11-11", "2026-11-13"},
        {"a survey file", {kExample}, "", ""},
        {"the example's survey", {kFieldSurvey}, "", ""},
    };
    for (const auto& c : cases) {
        const auto opening = how_to_open(c.paths);
        EXPECT_NE(opening.way, Way::refused) << c.what << ": " << opening.reason;
        EXPECT_EQ(opening.first_day, c.first) << c.what;
        EXPECT_EQ(opening.last_day, c.last) << c.what;
    }
}

}  // namespace
