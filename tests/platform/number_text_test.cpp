// Reading numbers from texts and writing them with the window's patterns.
#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/runtime_error.h"

namespace {

using kestrivo::platform::ErrorKind;
using kestrivo::platform::NumberLocale;

const NumberLocale kPoint{".", ""};
const NumberLocale kComma{",", ""};

ErrorKind read_error(std::string_view text, const NumberLocale& locale = kPoint) {
    try {
        kestrivo::platform::text_to_double(text, locale);
    } catch (const kestrivo::platform::RuntimeError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "\"" << text << "\" was read as a number";
    return ErrorKind::LibraryNotFound;
}

TEST(number_text_test, reads_decimal_texts_with_blanks_signs_exponents_and_either_point) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"0.5", 0.5},  {"  29 ", 29},
                 {"+3", 3},     {"-0.25", -0.25},
                 {".5", 0.5},   {"5.", 5},
                 {"1e3", 1000}, {"2.5E-2", 0.025},
                 {"\t7\t", 7},  {"007", 7},
                 {"0", 0},      {"1e-400", 0},
                 {"0.1", 0.1},  {"123456789012345678", 123456789012345678.0}};
    for (const auto& c : cases)
        EXPECT_EQ(kestrivo::platform::text_to_double(c.text, kPoint), c.value) << c.text;
    // A comma locale reads its own separator and the point alike.
    EXPECT_EQ(kestrivo::platform::text_to_double("0,35", kComma), 0.35);
    EXPECT_EQ(kestrivo::platform::text_to_double("0.35", kComma), 0.35);
    EXPECT_EQ(kestrivo::platform::text_to_single("0.35", kPoint), 0.35f);
}

TEST(number_text_test, refuses_texts_that_are_not_numbers_and_values_out_of_range) {
    for (const char* text : {"", "   ", "abc", "nan", "NaN", "inf", "-infinity", "0x10", "1,000",
                             "1.2.3", "1e", "e5", "--1", "+", ".", "1 2", "12a", "1e+"}) {
        EXPECT_EQ(read_error(text), ErrorKind::TypeMismatch) << text;
    }
    EXPECT_EQ(read_error("0,5"), ErrorKind::TypeMismatch) << "a comma is not a point here";
    EXPECT_EQ(read_error("1e400"), ErrorKind::Overflow);
    EXPECT_EQ(read_error("-1e309"), ErrorKind::Overflow);
    EXPECT_THROW(kestrivo::platform::text_to_single("1e39", kPoint),
                 kestrivo::platform::RuntimeError);
}

TEST(number_text_test, integers_round_a_half_to_even_and_stay_in_32_bits) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {{"28.5", 28},
                 {"29.5", 30},
                 {"-2.5", -2},
                 {"-3.5", -4},
                 {"0.5", 0},
                 {"1.5", 2},
                 {"29.49", 29},
                 {"29.51", 30},
                 {"2147483647", 2147483647},
                 {"-2147483648", -2147483647 - 1},
                 {"2147483647.4", 2147483647}};
    for (const auto& c : cases)
        EXPECT_EQ(kestrivo::platform::text_to_int32(c.text, kPoint), c.value) << c.text;
    for (const char* text : {"2147483647.5", "2147483648", "-2147483649", "1e10"}) {
        try {
            kestrivo::platform::text_to_int32(text, kPoint);
            ADD_FAILURE() << text;
        } catch (const kestrivo::platform::RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Overflow) << text;
        }
    }
}

TEST(number_text_test, patterns_round_the_fifteen_digit_text_half_away_from_zero) {
    const struct {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {0.125, "0.00", "0.13"},
        {0.175, "0.00", "0.18"},
        {1, "0.00", "1.00"},
        {-0.5, "0.00", "-0.50"},
        {0.354, "0.00", "0.35"},
        {0.406, "0.00", "0.41"},
        {61.65, "0.00", "61.65"},
        {0.995, "0.00", "1.00"},
        {99.995, "0.00", "100.00"},
        {-0.001, "0.00", "0.00"},
        {0.0049, "0.00", "0.00"},
        {0.005, "0.00", "0.01"},
        {219.4516, "0.000", "219.452"},
        {-219.4516, "0.000", "-219.452"},
        {0.0005, "0.000", "0.001"},
        {35.5, "0", "36"},
        {34.5, "0", "35"},
        {-0.5, "0", "-1"},
        {0.4, "0", "0"},
        {1e20, "0", "100000000000000000000"},
        {-23.5, "#.###0", "-23.5000"},
        {-0.25, "#.###0", "-.2500"},
        {0.25, "#.###0", ".2500"},
        {0, "#.###0", ".0000"},
        {-231.91677856445312, "#.###0", "-231.9168"},
        {1e20, "#.###0", "100000000000000000000.0000"},
        // 0.285 x 100 is 28.499999999999996 in binary; its 15-digit text is 28.5000000000000.
        {0.285 * 100, "0", "29"},
        {1.005 * 100, "0", "101"},
        {(1 - 0.5) * 0.35, "0.00", "0.18"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kestrivo::platform::format_pattern(c.value, c.pattern, kPoint), c.text)
            << c.value << " " << c.pattern;
    }
    EXPECT_EQ(kestrivo::platform::format_pattern(0.125, "0.00", kComma), "0,13");
    EXPECT_EQ(kestrivo::platform::format_pattern(-INFINITY, "0.000", kPoint), "-Infinity");
    EXPECT_EQ(kestrivo::platform::format_pattern(NAN, "0.00", kPoint), "NaN");
}

TEST(number_text_test, general_form_has_fifteen_digits_and_an_exponent_at_the_extremes) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{100.0 / 12, "8.33333333333333"},
                 {75, "75"},
                 {0.5, "0.5"},
                 {1, "1"},
                 {0.01, "0.01"},
                 {-0.99, "-0.99"},
                 {11.294117647058824, "11.2941176470588"},
                 {0, "0"},
                 {-0.0, "0"},
                 {1e20, "1E+20"},
                 {1.5e-7, "1.5E-07"},
                 {123456789012345, "123456789012345"},
                 {1e15, "1E+15"},
                 {0.0001, "0.0001"},
                 {0.00001, "1E-05"},
                 {1.0 / 3, "0.333333333333333"},
                 {2.0 / 3, "0.666666666666667"}};
    for (const auto& c : cases)
        EXPECT_EQ(kestrivo::platform::general_text(c.value, kPoint), c.text) << c.value;
    EXPECT_EQ(kestrivo::platform::general_text(0.5, kComma), "0,5");
    EXPECT_EQ(kestrivo::platform::general_text(INFINITY, kPoint), "Infinity");
}

TEST(number_text_test, printed_form_keeps_a_place_for_the_sign_and_a_blank_after) {
    EXPECT_EQ(kestrivo::platform::printed_number(int32_t{14}), " 14 ");
    EXPECT_EQ(kestrivo::platform::printed_number(int32_t{-3}), "-3 ");
    EXPECT_EQ(kestrivo::platform::printed_number(0.5, kPoint), " 0.5 ");
    EXPECT_EQ(kestrivo::platform::printed_number(1.0, kPoint), " 1 ");
    EXPECT_EQ(kestrivo::platform::printed_number(-0.01, kPoint), "-0.01 ");
    EXPECT_EQ(kestrivo::platform::printed_number(35.0f, kPoint), " 35 ");
    EXPECT_EQ(kestrivo::platform::printed_number(0.1f, kPoint), " 0.1 ")
        << "seven digits for a single";
    EXPECT_EQ(kestrivo::platform::printed_number(1e20f, kPoint), " 1E+20 ");
}

TEST(number_text_test, the_largest_double_written_with_fifteen_digits_reads_back_as_overflow) {
    // 1.79769313486232E+308 lies beyond the largest double: a clean Overflow, with the long text
    // cut short in the message.
    const std::string text =
        kestrivo::platform::format_pattern(-1.7976931348623157e308, "0.00", kPoint);
    EXPECT_EQ(text.size(), 313u);
    try {
        kestrivo::platform::text_to_double(text, kPoint);
        ADD_FAILURE();
    } catch (const kestrivo::platform::RuntimeError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Overflow);
        EXPECT_EQ(std::string(e.what()),
                  "\"-179769313486232000000000000000000000000...\" is too large");
    }
}

TEST(number_text_test, texts_written_read_back_to_the_value) {
    for (double v : {0.5, 0.35, 12.75, -3.25, 1e-3, 61.65}) {
        const std::string text = kestrivo::platform::format_pattern(v, "0.00", kComma);
        EXPECT_NEAR(kestrivo::platform::text_to_double(text, kComma), v, 0.005) << text;
    }
    for (double v : {1.0 / 7, 100.0 / 12, 123.456e10, 9.87654321e-12}) {
        const std::string text = kestrivo::platform::general_text(v, kPoint);
        EXPECT_NEAR(kestrivo::platform::text_to_double(text, kPoint), v, std::fabs(v) * 1e-14)
            << text;
    }
}

// Where "." groups thousands, "1.000" could be one dog (the point accepted everywhere) or a
// thousand: it is refused with both plain forms, and texts that are not grouped read as before.
TEST(number_text_test, digits_grouped_with_the_locales_separator_are_refused_with_the_plain_form) {
    const NumberLocale german{",", "."};
    const struct {
        const char* text;
        const char* message;
    } refused[] = {
        {"1.000",
         "\"1.000\" is ambiguous: it could be read as 1000 or as 1; type 1000 or 1, "
         "without \".\""},
        {"12.500",
         "\"12.500\" is ambiguous: it could be read as 12500 or as 12,5; type 12500 or "
         "12,5, without \".\""},
        {" -1.234.567 ",
         "\" -1.234.567 \" groups its digits with \".\"; type it without them: "
         "-1234567"},
    };
    for (const auto& c : refused) {
        try {
            kestrivo::platform::text_to_int32(c.text, german);
            ADD_FAILURE() << c.text;
        } catch (const kestrivo::platform::RuntimeError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InvalidInput) << c.text;
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    const struct {
        const char* text;
        double value;
    } read[] = {{"12,5", 12.5}, {"0.5", 0.5},   {"0.500", 0.5}, {"1.5", 1.5},
                {"1.0000", 1},  {"1000", 1000}, {"1,000", 1},   {"1.000e3", 1000}};
    for (const auto& c : read)
        EXPECT_EQ(kestrivo::platform::text_to_double(c.text, german), c.value) << c.text;

    // Where "," groups, "1,000" cannot be misread, but the plain form helps all the same.
    const NumberLocale english{".", ","};
    EXPECT_EQ(read_error("1,000", english), ErrorKind::InvalidInput);
    EXPECT_EQ(kestrivo::platform::text_to_double("1.000", english), 1.0);
}

}  // namespace
