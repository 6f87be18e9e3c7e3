// Why a block was left out, in a ward officer's words: surveys read through the report as the
// window runs it, each reason the reader and the fit give a block turned into its sentence, and
// the report's blocks summed up with the reasons grouped and counted. The report's own error text
// stays as it was beside them.
#include "window/left_out_words.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "library/kestrivo.h"
#include "window/survey_job.h"

namespace {

using kestrivo::survey::LeftOut;
using kestrivo::survey::ReportRows;
using kestrivo::window::left_out_summary;
using kestrivo::window::left_out_words;

const kestrivo::analysis::Library kLibrary{RLOGLIK};

// A survey of every column a block can be left out for; its first block is sound.
const std::string kHeader =
    "block,c100,c111,c101,c110,c010,c001,c011,m100,m111,m101,m110,m010,m001,m011,mark_unknown,"
    "s_held\n"
    "sound,10,5,3,4,,,,,,,,,,,,\n";

// The report's rows of `text`, as the window's survey job makes them.
ReportRows report(const std::string& text, std::optional<std::string> weight = std::nullopt) {
    kestrivo::survey::ReportOptions options;
    options.jobs = 1;
    options.design.weight_column = std::move(weight);
    const auto result = kestrivo::window::run_survey_report({"survey.csv", "", text, ""}, options,
                                                            kLibrary, kestrivo::window::Keep::rows);
    EXPECT_TRUE(result.rows) << result.errors;
    return result.rows ? *result.rows : ReportRows{};
}

TEST(left_out_words_test, each_reason_a_block_is_left_out_is_said_in_words) {
    const struct {
        const char* row;  // the survey's third line
        LeftOut::Why why;
        const char* words;
    } cases[] = {
        {"a,,5,3,4,,,,,,,,,,,,", LeftOut::Why::missing,
         "Left out: the number of dogs seen on the first count only (c100) is missing (line 3 of "
         "the file)."},
        {"a,10,2.5,3,4,,,,,,,,,,,,", LeftOut::Why::not_whole,
         "Left out: the number of dogs seen on all three counts (c111) is \"2.5\", not a whole "
         "number of dogs (line 3 of the file)."},
        {"a,10,5,99999999999,4,,,,,,,,,,,,", LeftOut::Why::too_large,
         "Left out: the number of dogs seen on the first and third counts, not the second (c101) "
         "is 99999999999, too large a number (line 3 of the file)."},
        {"a,10,5,3,4,,,,,,,,,,,,1.5", LeftOut::Why::not_share,
         "Left out: the share of the block's dogs seen on a count, held as given (s_held) is "
         "\"1.5\", not a share from 0 to 1 (line 3 of the file)."},
        {"a,10,5,3,4,,1,1,,,,,,,,,", LeftOut::Why::later_incomplete,
         "Left out: the number of dogs first seen on the second count, and not seen again (c010) "
         "is missing, while the other dogs first seen later are filled in; fill in all three or "
         "none (line 3 of the file)."},
        {"a,10,5,3,4,2,1,1,1,1,1,1,1,x,1,,", LeftOut::Why::not_whole,
         "Left out: the number of marked dogs first seen on the third count (m001) is \"x\", not "
         "a whole number of dogs (line 3 of the file)."},
        {"a,10,5,3,4,,,,1,1,1,9,,,,,", LeftOut::Why::marked_more,
         "Left out: the number of marked dogs seen on the first and second counts, not the third "
         "(m110) is 9, more than the 4 dogs seen that way (line 3 of the file)."},
        {"a,10,5,3,4,,,,1,1,1,1,,,,19,", LeftOut::Why::unknown_more,
         "Left out: the number of dogs whose vaccination mark could not be told (mark_unknown) is "
         "19, more than the 18 dogs seen without the mark (line 3 of the file)."},
        {"a,10,5,3,4,,,,,,,,,,,,,7", LeftOut::Why::beyond_header,
         "Left out: line 3 of the file has \"7\" in column 18, past the last column the header "
         "names."},
        {"a,\"1\"x,5,3,4,,,,,,,,,,,,", LeftOut::Why::unreadable,
         "Left out: line 3 of the file cannot be read (at column 2): a quoted field is malformed "
         "(a quote inside a field must be doubled, and a closing quote must end the field)."},
        {"a,10,5,3,4,,,,,,,,,,,,1", LeftOut::Why::not_estimable,
         // Still in its stratum: the stratum's fit and the city's total count it.
         "No estimate of its own: the counts on line 3 of the file give none (the counts are "
         "impossible when S is held at 1); its dogs are counted in its stratum."},
    };
    for (const auto& c : cases) {
        const ReportRows rows = report(kHeader + c.row + "\n");
        ASSERT_EQ(rows.blocks(), 2u) << c.row;
        const auto& sound = rows.rows[0];
        const auto& bad = rows.rows[1];
        EXPECT_TRUE(sound.error.empty()) << c.row << ": " << sound.error;
        EXPECT_FALSE(sound.left_out) << c.row;
        EXPECT_TRUE(left_out_words(sound).isEmpty()) << c.row;
        ASSERT_FALSE(bad.error.empty()) << c.row;
        ASSERT_TRUE(bad.left_out) << c.row << ": " << bad.error;
        EXPECT_EQ(bad.left_out->why, c.why) << c.row << ": " << bad.error;
        EXPECT_EQ(bad.left_out->line, 3u) << c.row;
        EXPECT_EQ(left_out_words(bad).toStdString(), c.words) << c.row;
    }
}

// The weight column is the file's own: named by its name, its value as written.
TEST(left_out_words_test, a_block_without_a_sound_weight_is_said_in_words) {
    const struct {
        const char* weight;
        LeftOut::Why why;
        const char* words;
    } cases[] = {
        {"", LeftOut::Why::weight_missing,
         "Left out: the block's weight (column w) is missing (line 3 of the file)."},
        {"x", LeftOut::Why::not_weight,
         "Left out: the block's weight (column w) is \"x\", not a number of blocks (line 3 of the "
         "file)."},
        {"0", LeftOut::Why::weight_too_small,
         "Left out: the block's weight (column w) is 0, less than the 1 block it stands for at "
         "least (line 3 of the file)."},
        {"0.5", LeftOut::Why::weight_too_small,
         "Left out: the block's weight (column w) is 0.5, less than the 1 block it stands for at "
         "least (line 3 of the file)."},
        {"1e12", LeftOut::Why::weight_too_large,
         "Left out: the block's weight (column w) is 1e12, more blocks than a city has (line 3 of "
         "the file)."},
    };
    for (const auto& c : cases) {
        const ReportRows rows =
            report("block,c100,c111,c101,c110,w\nsound,10,5,3,4,2\na,10,5,3,4," +
                       std::string(c.weight) + "\n",
                   "w");
        ASSERT_EQ(rows.blocks(), 2u) << c.weight;
        EXPECT_TRUE(rows.rows[0].error.empty()) << c.weight << ": " << rows.rows[0].error;
        ASSERT_TRUE(rows.rows[1].left_out) << c.weight << ": " << rows.rows[1].error;
        EXPECT_EQ(rows.rows[1].left_out->why, c.why) << c.weight;
        EXPECT_EQ(rows.rows[1].left_out->column, "w") << c.weight;
        EXPECT_EQ(left_out_words(rows.rows[1]).toStdString(), c.words) << c.weight;
    }
}

// The reasons grouped, each counted, in the same order whatever the blocks' order.
TEST(left_out_words_test, the_summary_counts_the_blocks_used_and_why_the_others_were_not) {
    const struct {
        std::vector<const char*> rows;  // after the sound block
        const char* summary;
    } cases[] = {
        {{}, "1 block used; none left out."},
        {{"b,1,2,3,4,,,,,,,,,,,,"}, "2 blocks used; none left out."},
        {{"a,,5,3,4,,,,,,,,,,,,"}, "1 block used; 1 left out: 1 with a count missing."},
        {{"b,1,2,3,4,,,,,,,,,,,,", "a,10,2.5,3,4,,,,,,,,,,,,", "c,1,,3,4,,,,,,,,,,,,",
          "d,1,2,,4,,,,,,,,,,,,"},
         "2 blocks used; 3 left out: 2 with a count missing, 1 with a count that is not a whole "
         "number."},
        {{"e,10,5,3,4,,,,1,1,1,9,,,,,", "a,10,5,3,4,,,,,,,,,,,,1", "c,1,,3,4,,,,,,,,,,,,"},
         "2 blocks used; 2 left out: 1 with a count missing, 1 with more marked dogs than dogs "
         "seen."},
    };
    for (const auto& c : cases) {
        std::string text = kHeader;
        for (const char* row : c.rows)
            text += std::string(row) + "\n";
        EXPECT_EQ(left_out_summary(report(text)).toStdString(), c.summary) << text;
    }
}

// A block row with an error and no reason as data (made by hand, not by the report) still says
// why, in the report's words; pooled and total rows are no blocks and are not counted.
TEST(left_out_words_test, rows_without_a_reason_are_still_said) {
    ReportRows rows;
    kestrivo::survey::ReportRow block;
    block.label = "a";
    block.error = "survey.csv, line 3: something new";
    kestrivo::survey::ReportRow pooled;
    pooled.kind = kestrivo::survey::RowKind::pooled;
    pooled.error = "pooled: no block could be read";
    rows.rows = {block, pooled};
    EXPECT_EQ(left_out_words(block).toStdString(), "Left out: survey.csv, line 3: something new.");
    EXPECT_EQ(left_out_summary(rows).toStdString(),
              "0 blocks used; 1 left out: 1 for another reason.");
}

}  // namespace
