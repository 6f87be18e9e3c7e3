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

#include "analysis/seven_histories.h"
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

// The keys of `more` that `fewer` lacks, in their order.
Keys added(const Keys& more, const Keys& fewer) {
    Keys out;
    for (const std::string& key : more)
        if (std::find(fewer.begin(), fewer.end(), key) == fewer.end()) out.push_back(key);
    return out;
}

// The cell under `key`.
Cell cell(const ReportColumns& columns, const ReportRow& row, const std::string& key) {
    const Keys& k = columns.keys();
    const auto at = std::find(k.begin(), k.end(), key);
    EXPECT_NE(at, k.end()) << key;
    return at == k.end() ? Cell() : columns.cells(row).at(std::size_t(at - k.begin()));
}

// The behaviour model's columns come with pooled visibility fitted from seven histories alone,
// each beside its kind: its weight after the by-count model's, its P's after P1, P2, P3.
TEST(report_table_test, the_behaviour_models_columns_only_where_a_stratum_had_seven_histories) {
    const Keys behaviour = {"aicc_weight_behaviour", "P_first", "P_again"};
    for (const bool pool : {false, true}) {
        ReportLayout with = layout(pool, true, {"ward"});
        with.with_behaviour = true;
        const Keys more = added(keys(with), keys(layout(pool, true, {"ward"})));
        EXPECT_EQ(more, pool ? behaviour : Keys{}) << pool;
        if (!pool) continue;
        const Keys k = keys(with);
        const auto place = [&](const char* key) { return std::find(k.begin(), k.end(), key); };
        EXPECT_EQ(place("aicc_weight_behaviour"), place("aicc_weight_by_count") + 1);
        EXPECT_EQ(place("P_first"), place("P3") + 1);
        EXPECT_EQ(place("P_again"), place("P_first") + 1);
    }
}

// A pooled row gives the P's of the model it chose and no other's: P1, P2, P3 for the counts'
// models, P_first and P_again for the behaviour model, whose P would only repeat P_first.
TEST(report_table_test, a_pooled_row_gives_the_chosen_models_own_P) {
    using kestrivo::analysis::VisibilityModel;
    const auto fit = kestrivo::analysis::fit_seven_histories({40, 90, 25, 30, 20, 22, 12}, {});
    ASSERT_TRUE(fit);
    ReportLayout with = layout(true, false);
    with.with_behaviour = true;
    const ReportColumns columns(with, kestrivo::survey::kDefaultDigits);
    const ReportColumns without(layout(true, false), kestrivo::survey::kDefaultDigits);
    for (const VisibilityModel chosen :
         {VisibilityModel::constant, VisibilityModel::by_count, VisibilityModel::behaviour}) {
        ReportRow row;
        row.kind = kestrivo::survey::RowKind::pooled;
        row.label = "pooled";
        row.cells.seven = *fit;
        row.cells.seven->chosen = chosen;
        const auto& chosen_fit = row.cells.seven->chosen_fit();
        const bool behaviour = chosen == VisibilityModel::behaviour;
        EXPECT_EQ(cell(columns, row, "model"),
                  Cell(std::string(kestrivo::analysis::model_name(chosen))));
        EXPECT_EQ(cell(columns, row, "aicc_weight_behaviour"), Cell(fit->weight_behaviour));
        for (int c = 0; c < 3; ++c) {
            const std::string key = "P" + std::to_string(c + 1);
            EXPECT_EQ(cell(columns, row, key), behaviour ? Cell() : Cell(chosen_fit.P[c])) << key;
        }
        EXPECT_EQ(cell(columns, row, "P_first"), behaviour ? Cell(chosen_fit.P[0]) : Cell());
        EXPECT_EQ(cell(columns, row, "P_again"), behaviour ? Cell(*chosen_fit.P_again) : Cell());
        // A table made without the behaviour's columns writes the rest of the row.
        EXPECT_EQ(without.cells(row).size(), without.keys().size());
        EXPECT_EQ(cell(without, row, "model"), cell(columns, row, "model"));
    }
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
