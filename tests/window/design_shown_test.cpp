// The report's design from the design the survey window shows: the weights stand alone, and the
// city's blocks go to the report only when every stratum has its number, read as --blocks-total
// reads a K. Table-driven.
#include "window/design_shown.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include "tests/window/shown_designs.h"

using namespace kestrivo::window;

namespace {

using kestrivo::tests::ByStratum;
using kestrivo::tests::city;
using kestrivo::tests::wards;

TEST(design_shown_test, the_reports_design_takes_the_blocks_when_every_stratum_has_them) {
    DesignShown weighted = wards("60", "40");
    weighted.weight_column = "w";
    const struct {
        DesignShown shown;
        std::optional<std::int64_t> blocks_total;
        ByStratum by_stratum;
        std::optional<std::string> weight;
    } cases[] = {
        {city("100"), 100, {}, {}},    {city(""), {}, {}, {}},
        {city("0"), {}, {}, {}},       {wards("60", "40"), {}, {{"North", 60}, {"South", 40}}, {}},
        {wards("60", ""), {}, {}, {}}, {wards("60", "x"), {}, {}, {}},
        {weighted, {}, {}, "w"},
    };
    for (const auto& c : cases) {
        const kestrivo::survey::DesignOptions design = c.shown.report_design();
        EXPECT_EQ(design.stratum_column, c.shown.stratum_column);
        EXPECT_EQ(design.blocks_total, c.blocks_total);
        EXPECT_EQ(design.blocks_by_stratum, c.by_stratum);
        EXPECT_EQ(design.weight_column, c.weight);
        EXPECT_FALSE(design.refusal());
    }
}

// A K typed for a stratum is taken as --blocks-total takes one, spaces around it aside; what is
// refused says why.
TEST(design_shown_test, a_typed_number_of_blocks_is_read_as_blocks_total_reads_a_k) {
    const std::string too_many = std::to_string(kestrivo::survey::kMostBlocks + 1);
    const struct {
        std::string typed;
        std::optional<std::int64_t> taken;
    } cases[] = {
        {"100", 100}, {"\t120 ", 120}, {"1", 1},       {"007", 7},      {"", {}},
        {"  ", {}},   {"0", {}},       {"-5", {}},     {"1.5", {}},     {"+5", {}},
        {"1e3", {}},  {"12abc", {}},   {too_many, {}}, {"North=5", {}},
    };
    for (const auto& c : cases) {
        std::string why;
        EXPECT_EQ(typed_blocks(c.typed, why), c.taken) << '"' << c.typed << '"';
        EXPECT_EQ(why.empty(), c.taken.has_value()) << '"' << c.typed << "\": " << why;
        // What kestrivo-report and kestrivo-plan make of the same text on their command lines.
        if (c.typed.find_first_of(" \t=") == std::string::npos) {
            std::optional<std::int64_t> city;
            ByStratum by_stratum;
            kestrivo::survey::read_blocks_total(c.typed, city, by_stratum);
            EXPECT_EQ(city, c.taken) << '"' << c.typed << '"';
        }
    }
}

}  // namespace
