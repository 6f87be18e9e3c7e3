// The writers every output goes through: a number's text at a number of digits, CSV fields and
// the formula guard, and JSON strings, values and layouts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "platform/number_text.h"
#include "survey/csv_writer.h"
#include "survey/json_writer.h"

namespace {

using kestrivo::platform::digits_text;

TEST(table_writers_test, numbers_carry_the_digits_asked_for) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int digits;
        const char* text;
    } cases[] = {
        {0.1 + 0.2, 17, "0.30000000000000004"},
        {0.1 + 0.2, 9, "0.3"},
        {2.0 / 3, 9, "0.666666667"},
        {123456789.5, 9, "123456790"},
        {1e-20 / 3, 6, "3.33333e-21"},
        {0.000123456, 6, "0.000123456"},
        {-0.0, 9, "0"},
        {0.0, 17, "0"},
        {inf, 9, "inf"},
        {-inf, 17, "-inf"},
        {1e300, 17, "1e+300"},
        {42, 6, "42"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(digits_text(c.value, c.digits), c.text) << c.value << " at " << c.digits;
    EXPECT_EQ(digits_text(std::nan(""), 9), "nan");
    // At six digits a number reads as printf's %.6g writes it.
    for (double v : {0.247723, 1.00657e-5, 31038.4, 0.5, 96.0}) {
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", v);
        EXPECT_EQ(digits_text(v, 6), text);
    }
    // At 17 every double reads back to itself.
    for (double v : {0.1, 1.0 / 3, 6879.9372001, 5e-324, 1.7976931348623157e308})
        EXPECT_EQ(std::strtod(digits_text(v, 17).c_str(), nullptr), v);
}

TEST(table_writers_test, csv_cells_are_quoted_and_defused) {
    using kestrivo::survey::defused;
    const struct {
        const char* cell;
        const char* defused;
    } cases[] = {
        {"=SUM(A1)", "'=SUM(A1)"},
        {"+1+1", "'+1+1"},
        {"-12", "-12"},
        {"-1e5", "-1e5"},
        {"@cmd", "'@cmd"},
        {"\tx", "'\tx"},
        {"\rx", "'\rx"},
        {"plain", "plain"},
        {"", ""},
        {"-", "'-"},
        {"+0.5", "'+0.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(defused(c.cell), c.defused) << c.cell;

    std::ostringstream out;
    kestrivo::survey::write_csv_row(
        out, {std::string("a,b"), 0.5, std::int64_t{-3}, {}, std::string("=1"), 1.0 / 3}, 3, "\n");
    EXPECT_EQ(out.str(), "\"a,b\",0.5,-3,,'=1,0.333\n");
}

TEST(table_writers_test, json_is_utf8_with_null_for_what_is_missing) {
    using kestrivo::survey::json_value;
    EXPECT_EQ(kestrivo::survey::json_string("Nord \"1\"\n"), "\"Nord \\\"1\\\"\\n\"");
    // Latin-1, Windows-1252 and a cut UTF-8 sequence: U+FFFD, never an exception.
    EXPECT_EQ(kestrivo::survey::json_string("Mu\xF1oz"), "\"Mu\xEF\xBF\xBDoz\"");
    EXPECT_EQ(kestrivo::survey::json_string("\x93quoted\x94"),
              "\"\xEF\xBF\xBDquoted\xEF\xBF\xBD\"");
    EXPECT_EQ(kestrivo::survey::json_string("caf\xC3"), "\"caf\xEF\xBF\xBD\"");
    EXPECT_EQ(kestrivo::survey::json_string("caf\xC3\xA9"), "\"caf\xC3\xA9\"");
    EXPECT_EQ(json_value(0.25, 9), "0.25");
    EXPECT_EQ(json_value(std::numeric_limits<double>::infinity(), 9), "null");
    EXPECT_EQ(json_value(std::nan(""), 9), "null");
    EXPECT_EQ(json_value({}, 9), "null");
    EXPECT_EQ(json_value(std::int64_t{7}, 9), "7");

    using kestrivo::survey::json_array;
    using kestrivo::survey::json_object;
    EXPECT_EQ(json_object({{"a", "1"}, {"b", json_array({"2", "3"})}}), "{\"a\":1,\"b\":[2,3]}");
    const kestrivo::survey::JsonLayout spaced{", ", ": "}, lines{",\n  ", "", "\n  ", "\n"};
    EXPECT_EQ(json_object({{"a", "1"}, {"b", "null"}}, spaced), "{\"a\": 1, \"b\": null}");
    EXPECT_EQ(json_array({"1", "2"}, lines), "[\n  1,\n  2\n]");
    EXPECT_EQ(json_array({}, lines), "[\n]");
    EXPECT_EQ(json_object({}), "{}");
}

}  // namespace
