// The report's table: carried columns that would take one of ours renamed, what no number writes,
// the notes at the table's digits; the CSV and JSON of the same rows holding the same values, a
// JSON table abandoned still an array, and a stream that fails ending the table with the system's
// reason.
#include "survey/report_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

#include "platform/number_text.h"
#include "tests/support/report_output.h"
#include "tests/survey/report_run.h"

namespace {

using kestrivo::survey::Cell;
using kestrivo::survey::Format;
using kestrivo::survey::ReportColumns;
using kestrivo::survey::ReportLayout;
using kestrivo::survey::ReportRow;
using kestrivo::survey::ReportTable;
using Keys = std::vector<std::string>;

ReportLayout layout(bool pool, bool city, Keys carried = {}) {
    ReportLayout l;
    l.with_pool = pool;
    l.with_city = city;
    l.carried = std::move(carried);
    return l;
}

Keys keys(const ReportLayout& l) {
    return ReportColumns(l, kestrivo::survey::kDefaultDigits).keys();
}

// The cell under `key`.
Cell cell(const ReportColumns& columns, const ReportRow& row, const std::string& key) {
    const Keys& k = columns.keys();
    const auto at = std::find(k.begin(), k.end(), key);
    EXPECT_NE(at, k.end()) << key;
    return at == k.end() ? Cell() : columns.cells(row).at(std::size_t(at - k.begin()));
}

TEST(report_table_test, a_carried_column_named_as_one_of_ours_keeps_its_values_apart) {
    const struct {
        ReportLayout layout;
        Keys carried;  // the carried columns' keys, as written
    } cases[] = {
        {layout(false, false, {"ward"}), {"ward"}},
        {layout(false, false, {"n", "ward"}), {"n (input)", "ward"}},
        {layout(false, false, {"N_pool", "city_N"}), {"N_pool", "city_N"}},
        {layout(true, false, {"N_pool", "city_N"}), {"N_pool (input)", "city_N"}},
        {layout(false, true, {"N_pool", "city_N"}), {"N_pool", "city_N (input)"}},
        {layout(false, false, {"note", "note (input)"}), {"note (input)", "note (input) (input)"}},
    };
    for (const auto& c : cases) {
        const Keys k = keys(c.layout);
        ASSERT_GE(k.size(), c.carried.size());
        EXPECT_EQ(Keys(k.end() - std::ptrdiff_t(c.carried.size()), k.end()), c.carried)
            << c.layout.carried[0];
    }

    // Ours keeps its value, the input's keeps its own under its new name.
    const ReportColumns columns(layout(false, false, {"n"}), kestrivo::survey::kDefaultDigits);
    ReportRow row;
    row.label = "a";
    row.report.emplace();
    row.report->n = 12;
    row.carried = {"from the file"};
    EXPECT_EQ(cell(columns, row, "n"), Cell(std::int64_t{12}));
    EXPECT_EQ(cell(columns, row, "n (input)"), Cell(std::string("from the file")));
}

TEST(report_table_test, a_number_that_is_no_number_is_an_empty_cell) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const ReportColumns columns(layout(true, true), kestrivo::survey::kDefaultDigits);
    ReportRow row;
    row.report.emplace();
    row.report->estimates.value = kestrivo::analysis::Estimates{nan, 0.25, nan, -12.5, true};
    row.cells.dogs_pooled = kestrivo::analysis::DogsOnBlock{nan, 3, inf};
    kestrivo::analysis::TotalEstimate total;
    total.dogs = 120;
    total.lower = nan;
    row.cells.total = total;
    const struct {
        const char* key;
        Cell value;
    } cases[] = {
        {"S", {}},          {"P", 0.25},       {"seen", {}},      {"logL", -12.5}, {"N_pool", {}},
        {"N_pool_lo", 3.0}, {"N_pool_hi", {}}, {"city_N", 120.0}, {"city_lo", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cell(columns, row, c.key), c.value) << c.key;

    // Written, an empty cell is an empty CSV field and a JSON null.
    std::ostringstream csv, json;
    for (auto [out, format] : {std::pair{&csv, Format::csv}, std::pair{&json, Format::json}}) {
        ReportTable table(*out, format);
        table.begin(layout(true, true));
        table.row(row);
        table.finish();
    }
    const kestrivo::tests::Table t{kestrivo::tests::cells(csv.str())};
    const auto parsed = nlohmann::json::parse(json.str());
    for (const char* key : {"S", "seen", "N_pool", "N_pool_hi", "city_lo"}) {
        EXPECT_EQ(t.cell(1, key), "") << key;
        EXPECT_TRUE(parsed[0][key].is_null()) << key;
    }
}

TEST(report_table_test, notes_are_worded_at_the_tables_digits) {
    ReportRow row;
    kestrivo::survey::Note pieces;
    pieces.code = kestrivo::survey::NoteCode::limits_in_pieces;
    pieces.numbers = {0.0123456789123, 0.123456789012, 0.876543210987, 0.99};
    row.notes = {pieces};
    for (const int digits :
         {3, 6, kestrivo::survey::kDefaultDigits, kestrivo::platform::kRoundTripDigits}) {
        const ReportColumns columns(layout(false, false), digits);
        const Cell note = cell(columns, row, "note");
        ASSERT_TRUE(std::holds_alternative<std::string>(note)) << digits;
        const std::string& text = std::get<std::string>(note);
        for (const double x : pieces.numbers) {
            EXPECT_NE(text.find(kestrivo::platform::digits_text(x, digits)), std::string::npos)
                << text << " at " << digits;
        }
        if (digits < kestrivo::platform::kRoundTripDigits) {
            EXPECT_EQ(text.find(kestrivo::platform::digits_text(pieces.numbers[0], digits + 1)),
                      std::string::npos)
                << "more digits than the table's: " << text;
        }
    }
    // A row without notes has an empty note cell.
    EXPECT_EQ(cell(ReportColumns(layout(false, false), 9), ReportRow(), "note"), Cell());
}

// The rows of a survey with every kind of row and cell: fitted blocks, an unreadable one, an
// empty one, carried columns, pooled rows and totals.
kestrivo::survey::ReportRows survey_rows() {
    kestrivo::survey::ReportOptions options;
    options.files = {"-"};
    options.pool = true;
    options.bootstrap = 100;
    options.design.stratum_column = "ward";
    options.design.blocks_by_stratum = {{"North", 20}, {"South", 9}};
    const auto run = kestrivo::tests::report_rows(options,
                                                  "block,c100,c111,c101,c110,ward,date\n"
                                                  "a,10,20,5,5,North,2026-01-02\n"
                                                  "b,14,25,9,4,North,\n"
                                                  "c,29,36,54,48,South,2026-01-03\n"
                                                  "d,0,0,0,0,South,2026-01-03\n"
                                                  "e,x,30,8,6,South,\n"
                                                  "f,12,30,8,6,South,2026-01-04\n");
    EXPECT_EQ(run.status, kestrivo::survey::kSomeErrors) << run.err;
    return run.rows;
}

std::string written(const kestrivo::survey::ReportRows& rows, Format format) {
    std::ostringstream out;
    ReportTable table(out, format, kestrivo::platform::kRoundTripDigits);
    table.begin(rows.layout);
    for (const ReportRow& row : rows.rows)
        table.row(row);
    table.finish();
    return out.str();
}

TEST(report_table_test, csv_and_json_of_the_same_rows_hold_the_same_values) {
    const kestrivo::survey::ReportRows rows = survey_rows();
    ASSERT_GT(rows.rows.size(), rows.blocks());
    const auto csv = kestrivo::tests::cells(written(rows, Format::csv));
    const auto json = nlohmann::ordered_json::parse(written(rows, Format::json));
    ASSERT_EQ(csv.size(), rows.rows.size() + 1);
    ASSERT_EQ(json.size(), rows.rows.size());
    const Keys& header = csv[0];
    EXPECT_EQ(header, keys(rows.layout));
    std::size_t numbers = 0, texts = 0, empty = 0;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const auto& object = json[i];
        ASSERT_EQ(csv[i + 1].size(), header.size()) << i;
        ASSERT_EQ(object.size(), header.size()) << i;
        std::size_t c = 0;
        for (const auto& [key, value] : object.items()) {
            const std::string& text = csv[i + 1][c];
            EXPECT_EQ(key, header[c]);
            if (value.is_null()) {
                // No value, or one JSON cannot hold (an infinite limit).
                EXPECT_TRUE(text.empty() || text == "inf" || text == "-inf") << key << ": " << text;
                ++empty;
            } else if (value.is_string()) {
                EXPECT_EQ(text, value.get<std::string>()) << key;
                ++texts;
            } else {
                EXPECT_EQ(kestrivo::tests::number(text), value.get<double>()) << key;
                ++numbers;
            }
            ++c;
        }
    }
    // Every kind of cell was compared.
    EXPECT_GT(numbers, 0u);
    EXPECT_GT(texts, 0u);
    EXPECT_GT(empty, 0u);
}

TEST(report_table_test, an_abandoned_json_table_is_still_an_array) {
    const kestrivo::survey::ReportRows rows = survey_rows();
    for (const std::size_t given : {std::size_t{0}, std::size_t{1}, std::size_t{3}}) {
        for (const Format format : {Format::json, Format::csv}) {
            std::ostringstream out;
            ReportTable table(out, format);
            table.begin(rows.layout);
            for (std::size_t i = 0; i < given; ++i)
                table.row(rows.rows[i]);
            table.abandon();
            if (format == Format::json) {
                const auto parsed = nlohmann::json::parse(out.str());
                ASSERT_TRUE(parsed.is_array()) << given;
                EXPECT_EQ(parsed.size(), given);
                if (given > 0) {
                    EXPECT_EQ(parsed[given - 1]["block"], rows.rows[given - 1].label);
                }
            } else {
                // The header and the rows given, and nothing that would pass for a row.
                EXPECT_EQ(kestrivo::tests::cells(out.str()).size(), given + 1);
            }
        }
    }
}

TEST(report_table_test, a_stream_that_fails_ends_the_table_with_the_systems_reason) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const kestrivo::survey::ReportRows rows = survey_rows();
    for (const Format format : {Format::csv, Format::json}) {
        std::ofstream out("/dev/full", std::ios::binary);
        ASSERT_TRUE(out);
        ReportTable table(out, format);
        try {
            table.begin(rows.layout);
            for (const ReportRow& row : rows.rows)
                table.row(row);
            table.finish();
            ADD_FAILURE() << "a full device took the whole table";
        } catch (const kestrivo::survey::SinkError& failed) {
            EXPECT_NE(failed.message.find(std::strerror(ENOSPC)), std::string::npos)
                << failed.message;
        }
    }
}

}  // namespace
