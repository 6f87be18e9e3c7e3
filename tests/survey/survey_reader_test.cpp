// Reading survey files: the CSV forms field workers' spreadsheets produce (quotes, a byte-order
// mark, CRLF, blank lines, labels over several lines, extra columns), and every way a file or a
// row can be unusable, with the message the user will see.
#include "survey/survey_reader.h"
#include "survey/csv_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

using kestrivo::survey::FileError;
using kestrivo::survey::Header;
using kestrivo::survey::Row;

struct Survey {
    Header header;
    std::vector<Row> rows;
};

Survey read(const std::string& text) {
    std::istringstream in(text);
    Survey survey;
    kestrivo::survey::read_survey(
        in, "survey.csv", [&](const Header& h) { survey.header = h; },
        [&](const Row& r) { survey.rows.push_back(r); });
    return survey;
}

std::string file_error(const std::string& text) {
    try {
        read(text);
    } catch (const FileError& e) {
        return e.what();
    }
    ADD_FAILURE() << "read without a file error";
    return "";
}

TEST(survey_reader_test, reads_blocks_with_their_labels_counts_held_s_and_carried_columns) {
    const Survey s = read(
        "\xEF\xBB\xBF"
        "ward,block,c100,c111,c101,c110,s_held,date\r\n"
        "North,\"A-1, corner\",29,36,54,48,,2026-03-01\r\n"
        "\r\n"
        "\"Old \"\"Town\"\"\",,1,2,3,4,0.25,\r\n"
        "South,B2, 7 ,+8,9,10,0,\"2026-03-02\"\r\n");
    EXPECT_EQ(s.header.carried, (std::vector<std::string>{"ward", "date"}));
    EXPECT_TRUE(s.header.has_block);
    EXPECT_TRUE(s.header.has_s_held);
    ASSERT_EQ(s.rows.size(), 3u);

    EXPECT_EQ(s.rows[0].line, 2u);
    EXPECT_EQ(s.rows[0].label, "A-1, corner");
    EXPECT_EQ(s.rows[0].counts, (std::array<int32_t, 4>{29, 36, 54, 48}));
    EXPECT_FALSE(s.rows[0].s_held);
    EXPECT_EQ(s.rows[0].carried, (std::vector<std::string>{"North", "2026-03-01"}));
    EXPECT_EQ(s.rows[0].error, "");

    // No label: the line number stands for it. The blank line still counts as a line.
    EXPECT_EQ(s.rows[1].line, 4u);
    EXPECT_EQ(s.rows[1].label, "4");
    EXPECT_EQ(s.rows[1].s_held, 0.25);
    EXPECT_EQ(s.rows[1].carried[0], "Old \"Town\"");

    EXPECT_EQ(s.rows[2].counts, (std::array<int32_t, 4>{7, 8, 9, 10}));
    EXPECT_EQ(s.rows[2].s_held, 0.0);
}

TEST(survey_reader_test, line_numbers_follow_quoted_line_ends_and_files_without_a_last_line_end) {
    const Survey s = read(
        "c100,c111,c101,c110,note\n"
        "1,1,1,1,\"two\nlines\"\n"
        "\"2\",2,2,2,x\n"
        ",,,,\n"
        "3,3,3,3,last");
    ASSERT_EQ(s.rows.size(), 3u);
    EXPECT_EQ(s.rows[0].line, 2u);
    EXPECT_EQ(s.rows[0].carried[0], "two\nlines");
    EXPECT_EQ(s.rows[1].line, 4u);
    EXPECT_EQ(s.rows[1].counts[0], 2);
    EXPECT_EQ(s.rows[2].line, 6u) << "a row of empty values is blank";
    EXPECT_EQ(s.rows[2].carried[0], "last");
    EXPECT_FALSE(s.header.has_block);

    // Old Mac files end their lines with a carriage return alone.
    const Survey mac = read("c100,c111,c101,c110\r1,1,1,1\r\r2,2,2,2\r");
    ASSERT_EQ(mac.rows.size(), 2u);
    EXPECT_EQ(mac.rows[1].line, 4u);

    // A label over two lines: the row starts where the label does.
    const Survey labelled = read("block,c100,c111,c101,c110\n\"two\nlines\",1,1,1,1\nx,2,2,2,2\n");
    EXPECT_EQ(labelled.rows.at(0).line, 2u);
    EXPECT_EQ(labelled.rows.at(1).line, 4u);
}

TEST(survey_reader_test, a_row_that_cannot_be_read_keeps_its_place_and_says_where_and_why) {
    const Survey s = read(
        "block,c100,c111,c101,c110,s_held,ward\n"
        "a,1,2,3,4,,W\n"
        "b,1,x,3,4,,W\n"
        "c,1,2,-3,4,,W\n"
        "d,1,2,3,,,W\n"
        "e,1,2,3\n"
        "f,1,2.5,3,4,,W\n"
        "g,1,2,3,3000000000,,W\n"
        "h,1,2,3,4,1.5,W\n"
        "i,1,2,3,4,\"0,5\",W\n"
        "j,1,2,3,4,,W,extra\n"
        "k,1,2,3,4,,W,,\n");
    const std::vector<std::string> expected = {
        "",
        "survey.csv, line 3, column c111: \"x\" is not a whole number of dogs (0 or more)",
        "survey.csv, line 4, column c101: \"-3\" is not a whole number of dogs (0 or more)",
        "survey.csv, line 5, column c110: the value is missing",
        "survey.csv, line 6, column c110: the value is missing",
        "survey.csv, line 7, column c111: \"2.5\" is not a whole number of dogs (0 or more)",
        "survey.csv, line 8, column c110: \"3000000000\" is too large",
        "survey.csv, line 9, column s_held: \"1.5\" is not a share from 0 to 1 (a number such as "
        "0.25)",
        "survey.csv, line 10, column s_held: \"0,5\" is not a share from 0 to 1 (a number such as "
        "0.25)",
        "survey.csv, line 11, column 8: \"extra\" lies beyond the 7 columns of the header",
        ""};
    ASSERT_EQ(s.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(s.rows[i].error, expected[i]);
        EXPECT_EQ(s.rows[i].label, std::string(1, char('a' + i)));
        EXPECT_EQ(s.rows[i].carried.size(), 1u);
    }
}

// The dogs first seen later are read as the counts are: a cell that is no count is the row's
// error, naming its column, so a block never quietly loses them. All three left empty is a block
// counted without them; one left empty beside the others is a cell missing.
TEST(survey_reader_test, the_later_columns_are_read_as_counts_or_left_empty_together) {
    const struct {
        const char* cells;  // c010,c001,c011
        std::optional<std::array<int32_t, 3>> later;
        const char* error;
    } cases[] = {
        {"6,5,3", std::array<int32_t, 3>{6, 5, 3}, ""},
        {" 0 ,+2,4.0", std::array<int32_t, 3>{0, 2, 4}, ""},
        {",,", std::nullopt, ""},
        {",5,3", std::nullopt,
         "survey.csv, line 2, column c010: the value is missing (c010, c001 and c011 go together: "
         "fill all three, or leave all three empty)"},
        {"6,5,", std::nullopt, "survey.csv, line 2, column c011: the value is missing"},
        {"-1,5,3", std::nullopt,
         "survey.csv, line 2, column c010: \"-1\" is not a whole number of dogs (0 or more)"},
        {"2.5,5,3", std::nullopt,
         "survey.csv, line 2, column c010: \"2.5\" is not a whole number of dogs (0 or more)"},
        {"2147483648,5,3", std::nullopt,
         "survey.csv, line 2, column c010: \"2147483648\" is too large"},
        {"6,five,3", std::nullopt,
         "survey.csv, line 2, column c001: \"five\" is not a whole number of dogs (0 or more)"},
    };
    for (const auto& c : cases) {
        const Survey s =
            read(std::string("c100,c111,c101,c110,c010,c001,c011\n1,2,3,4,") + c.cells + "\n");
        ASSERT_EQ(s.rows.size(), 1u);
        EXPECT_TRUE(s.header.has_later);
        EXPECT_EQ(s.rows[0].later, c.later) << c.cells;
        EXPECT_EQ(s.rows[0].error.substr(0, std::string(c.error).size()), c.error) << c.cells;
        EXPECT_EQ(s.rows[0].error.empty(), std::string(c.error).empty()) << s.rows[0].error;
        // The cells stay in the row as they were, whatever was read of them.
        EXPECT_EQ(s.rows[0].carried.size(), 3u);
    }
}

// The marked dogs: counts no larger than their histories' dogs, the dogs of unknown mark no more
// than the dogs seen without the mark, all left empty for a block counted before the campaign.
TEST(survey_reader_test, the_marked_dogs_are_read_as_counts_within_their_histories) {
    using Marked = std::array<int32_t, 7>;
    const struct {
        const char* cells;  // c010,c001,c011 then m100..m011, mark_unknown
        std::optional<Marked> marked;
        int32_t unknown;
        const char* error;
    } cases[] = {
        {"6,5,3,1,2,0,4,3,0,1,2", Marked{1, 2, 0, 4, 3, 0, 1}, 2, ""},
        {"6,5,3,0,0,0,0,0,0,0,", Marked{}, 0, ""},
        {"6,5,3,,,,,,,,", std::nullopt, 0, ""},
        {",,,1,2,0,4,,,,1", Marked{1, 2, 0, 4, 0, 0, 0}, 1, ""},
        {"6,5,3,2,2,0,4,3,0,1,", std::nullopt, 0,
         "survey.csv, line 2, column m100: 2 marked dogs are more than the 1 dogs of c100"},
        {"6,5,3,1,2,0,4,6,6,1,", std::nullopt, 0,
         "survey.csv, line 2, column m001: 6 marked dogs are more than the 5 dogs of c001"},
        {"6,5,3,1,,0,4,3,0,1,", std::nullopt, 0,
         "survey.csv, line 2, column m111: the value is missing"},
        {"6,5,3,1,0,0,0,0,0,0,24", std::nullopt, 0,
         "survey.csv, line 2, column mark_unknown: 24 dogs of unknown mark are more than the 23 "
         "dogs seen without the mark"},
    };
    for (const auto& c : cases) {
        const Survey s = read(std::string("c100,c111,c101,c110,c010,c001,c011,m100,m111,m101,m110,"
                                          "m010,m001,m011,mark_unknown\n1,2,3,4,") +
                              c.cells + "\n");
        ASSERT_EQ(s.rows.size(), 1u);
        EXPECT_TRUE(s.header.has_marks);
        const Row& row = s.rows[0];
        EXPECT_EQ(row.error, c.error) << c.cells;
        EXPECT_EQ(row.marks.has_value(), c.marked.has_value()) << c.cells;
        if (row.marks && c.marked) {
            EXPECT_EQ(row.marks->marked, *c.marked) << c.cells;
            EXPECT_EQ(row.marks->unknown, c.unknown) << c.cells;
        }
        EXPECT_EQ(row.carried.size(), 11u) << "the marked columns are carried as they were";
    }
    // Without the columns there are no marks; a header that gives half of them is refused.
    EXPECT_FALSE(read("c100,c111,c101,c110\n1,2,3,4\n").header.has_marks);
    EXPECT_EQ(file_error("c100,c111,c101,c110,m100,m111,m101,m110,m010\n"),
              "survey.csv: the header has some of m010, m001 and m011 but not all three; the "
              "marked dogs first seen later go together.");
    EXPECT_EQ(file_error("c100,c111,c101,c110,c010,c001,c011,m100,m111,m101,m110\n"),
              "survey.csv: the header has c010, c001 and c011 and the marked dogs' m100 to m110 "
              "but not m010, m001 and m011; give the marked dogs first seen later too.");
}

TEST(survey_reader_test, a_file_that_cannot_be_a_survey_is_a_file_error_naming_what_is_missing) {
    EXPECT_EQ(file_error("block,c100,c111,ward\n1,2,3,x\n"),
              "survey.csv: the header lacks the columns c101, c110; a survey needs c100, c111, "
              "c101 and c110.");
    EXPECT_EQ(file_error("c100,c111,c101\n"),
              "survey.csv: the header lacks the column c110; a survey needs c100, c111, c101 and "
              "c110.");
    EXPECT_EQ(file_error(""),
              "survey.csv: the file is empty; a survey needs a header row with "
              "c100, c111, c101 and c110.");
    EXPECT_EQ(file_error("\n\n  \n"), file_error(""));
    EXPECT_EQ(file_error("c100,c111,c101,c110,C100\n"),
              "survey.csv: the column \"C100\" appears twice in the header.");
    // Header names are matched without regard to case or surrounding blanks.
    EXPECT_EQ(read(" C100 ,c111,C101,c110\n1,2,3,4\n").rows.at(0).counts[3], 4);
    EXPECT_EQ(read("c100,c111,c101,c110\n").rows.size(), 0u);
}

TEST(survey_reader_test, fields_are_quoted_only_where_csv_needs_it) {
    using kestrivo::survey::csv_field;
    EXPECT_EQ(csv_field("A-1"), "A-1");
    EXPECT_EQ(csv_field(""), "");
    EXPECT_EQ(csv_field("A-1, corner"), "\"A-1, corner\"");
    EXPECT_EQ(csv_field("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csv_field("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csv_field(" padded"), "\" padded\"");
    // What is written reads back the same.
    const Survey s =
        read("c100,c111,c101,c110,note\n1,2,3,4," + csv_field(" a, \"b\"\r\nc ") + "\n");
    EXPECT_EQ(s.rows.at(0).carried.at(0), " a, \"b\"\r\nc ");
}

}  // namespace

namespace {

// Malformed quoted fields and overlong lines: the row they stand on is an error naming its line
// and column, and every other row is read, however far a stray quote would otherwise reach.
TEST(survey_reader_test, a_malformed_field_costs_its_own_row_and_no_other) {
    std::string text =
        "block,c100,c111,c101,c110,where\n"
        "a,1,2,3,4,\"Main St\" corner\n"
        "b,1,2,3,4,x\n"
        "c,1,2,3,4,\"closed\"junk\n"
        "d,\"1\"0,2,3,4,x\n"
        "e,1,2,3,4,\"multi\nline\"\n"
        "f,1,2,3,4,\"never closed\n"
        "g,1,2,3,4,x\n"
        "h,1,2,3,4," +
        std::string(std::size_t(1) << 21, 'z') +
        "\n"
        "i,12.0,2,3,4,x\n";
    const Survey s = read(text);
    const struct {
        std::string label, error;
    } expected[] = {
        {"2", "survey.csv, line 2, column 6: a quoted field is malformed"},
        {"b", ""},
        {"4", "survey.csv, line 4, column 6: a quoted field is malformed"},
        {"5", "survey.csv, line 5, column 2: a quoted field is malformed"},
        {"e", ""},
        {"8", "survey.csv, line 8, column 6: a quoted field runs on past the longest line"},
        {"g", ""},
        {"10", "survey.csv, line 10, column 1: the line is longer than a survey line may be"},
        {"i", ""},
    };
    ASSERT_EQ(s.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.rows[i].label, expected[i].label);
        EXPECT_EQ(s.rows[i].error.substr(0, expected[i].error.size()), expected[i].error);
        EXPECT_EQ(s.rows[i].carried.size(), 1u);
    }
    EXPECT_EQ(s.rows[8].counts[0], 12) << "a count written as 12.0 is 12";

    // A quote still open when the file ends: that row's error, the rows before it read.
    const Survey open = read("c100,c111,c101,c110\n1,2,3,4\n1,2,3,\"4\n");
    ASSERT_EQ(open.rows.size(), 2u);
    EXPECT_EQ(open.rows[0].error, "");
    EXPECT_EQ(open.rows[1].error,
              "survey.csv, line 3, column 4: a quoted field has no closing quote");
}

// Headers and values spreadsheets write: two byte-order marks, columns with no name, a negative
// zero for a held S; and a header of many thousand columns read in linear time.
TEST(survey_reader_test, odd_headers_and_values_read_as_meant) {
    const Survey s = read(
        "\xEF\xBB\xBF\xEF\xBB\xBF"
        "block,c100,c111,c101,c110,s_held,,\n"
        "A,1,2,3,4,-0,left,right\n");
    ASSERT_EQ(s.rows.size(), 1u);
    EXPECT_EQ(s.rows[0].label, "A");
    EXPECT_EQ(s.header.carried, (std::vector<std::string>{"column 7", "column 8"}));
    EXPECT_EQ(s.rows[0].carried, (std::vector<std::string>{"left", "right"}));
    ASSERT_TRUE(s.rows[0].s_held);
    EXPECT_FALSE(std::signbit(*s.rows[0].s_held));

    std::string wide = "c100,c111,c101,c110", values = "1,2,3,4";
    for (int i = 0; i < 100000; ++i) {
        wide += ",x" + std::to_string(i);
        values += ",v";
    }
    EXPECT_EQ(read(wide + "\n" + values + "\n").header.carried.size(), 100000u);
}

// Each row's error comes with the same as data: why, the column, the cell as written, the line.
TEST(survey_reader_test, each_error_comes_with_its_reason_as_data) {
    using Why = kestrivo::survey::LeftOut::Why;
    const Survey s = read(
        "block,c100,c111,c101,c110,c010,c001,c011,m100,m111,m101,m110,m010,m001,m011,"
        "mark_unknown,s_held\n"
        "a,1,2,3,4,,,,,,,,,,,,\n"
        "b,1,x,3,4,,,,,,,,,,,,\n"
        "c,1,2,3,,,,,,,,,,,,,\n"
        "d,1,2,3,3000000000,,,,,,,,,,,,\n"
        "e,1,2,3,4,,,,,,,,,,,,1.5\n"
        "f,1,2,3,4,,,,,,,,,,,,,extra\n"
        "g,1,2,3,4,6,,3,,,,,,,,,\n"
        "h,1,2,3,4,,,,2,0,0,0,,,,,\n"
        "i,1,2,3,4,,,,0,0,0,0,,,,11,\n"
        "j,1,\"2\"x,3,4,,,,,,,,,,,,\n");
    const struct {
        Why why;
        const char *column, *value, *limit;
    } expected[] = {
        {Why::other, "", "", ""},
        {Why::not_whole, "c111", "x", ""},
        {Why::missing, "c110", "", ""},
        {Why::too_large, "c110", "3000000000", ""},
        {Why::not_share, "s_held", "1.5", ""},
        {Why::beyond_header, "18", "extra", ""},
        {Why::later_incomplete, "c001", "", ""},
        {Why::marked_more, "m100", "2", "1"},
        {Why::unknown_more, "mark_unknown", "11", "10"},
        {Why::unreadable, "3", "", ""},
    };
    ASSERT_EQ(s.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const Row& row = s.rows[i];
        const auto& e = expected[i];
        EXPECT_EQ(row.left_out.why, e.why) << row.error;
        EXPECT_EQ(row.left_out.column, e.column) << row.error;
        EXPECT_EQ(row.left_out.value, e.value) << row.error;
        EXPECT_EQ(row.left_out.limit, e.limit) << row.error;
        if (row.error.empty()) continue;
        EXPECT_EQ(row.left_out.line, row.line) << row.error;
        // The words name the same column.
        EXPECT_NE(row.error.find(", column " + std::string(e.column) + ": "), std::string::npos)
            << row.error;
    }
}

}  // namespace
