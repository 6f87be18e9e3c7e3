// The one way from rows to a design: strata in order of first appearance, each with its K, the
// rows that cannot be read left out, and every refusal as a value (what is wrong, which stratum,
// which numbers), with the words the command line's user will read.
#include "survey/design_builder.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "cli/design_words.h"

namespace {

using kestrivo::survey::DesignBuilder;
using kestrivo::survey::DesignOptions;

// The design of `text` (one survey file) under `options`.
kestrivo::survey::BuiltDesign build(const std::string& text, DesignOptions options) {
    std::istringstream in(text);
    kestrivo::survey::SurveyReader reader(in, "s.csv");
    DesignBuilder builder(std::move(options));
    if (auto refused = builder.begin_file(reader.header(), "s.csv")) return {std::nullopt, refused};
    while (const auto row = reader.next())
        builder.add(*row);
    return builder.build();
}

// What the command line says of a design that was refused: "" when it was not.
std::string words(const kestrivo::survey::BuiltDesign& built) {
    return built.refused ? kestrivo::cli::command_line_words(*built.refused) : "";
}

const std::string kWards =
    "block,c100,c111,c101,c110,s_held,ward\n"
    "a,1,2,3,4,,North\n"
    "b,5,6,7,8,,South\n"
    "c,x,6,7,8,,South\n"
    "d,0,0,0,0,,North\n"
    "e,2,2,2,2,0.3,East\n";

DesignOptions by_ward(std::map<std::string, std::int64_t> k) {
    DesignOptions options;
    options.stratum_column = "ward";
    options.blocks_by_stratum = std::move(k);
    return options;
}

TEST(design_builder_test, rows_go_to_their_strata_with_their_k) {
    const auto built = build(kWards, by_ward({{"North", 60}, {"South", 40}, {"East", 2}}));
    ASSERT_TRUE(built.design) << words(built);
    const auto& strata = built.design->strata;
    ASSERT_EQ(strata.size(), 3u);
    EXPECT_EQ(strata[0].name, "North");
    EXPECT_EQ(strata[0].blocks.size(), 2u);
    EXPECT_EQ(strata[0].blocks_total, 60);
    EXPECT_EQ(strata[1].blocks.size(), 1u);  // the unreadable row is no sampled block
    EXPECT_EQ(strata[2].s_held, 0.3);

    // Without a stratum column the survey is one stratum, with the city's K.
    DesignOptions one;
    one.blocks_total = 9;
    const auto city = build(kWards, one);
    ASSERT_TRUE(city.design);
    ASSERT_EQ(city.design->strata.size(), 1u);
    EXPECT_EQ(city.design->strata[0].name, "");
    EXPECT_EQ(city.design->strata[0].blocks.size(), 4u);
    EXPECT_EQ(city.design->strata[0].blocks_total, 9);
    EXPECT_TRUE(city.design->strata[0].s_held_differs);

    // Pooling alone needs no K.
    const auto pooled = build(kWards, by_ward({}));
    ASSERT_TRUE(pooled.design);
    EXPECT_FALSE(pooled.design->strata[0].blocks_total);
}

TEST(design_builder_test, refusals_name_what_is_wrong) {
    DesignOptions few;
    few.blocks_total = 3;
    DesignOptions pilot = few;
    pilot.blocks_are_a_sample = false;
    DesignOptions no_column;
    no_column.stratum_column = "district";
    using Kind = kestrivo::survey::DesignRefusal::Kind;
    const struct {
        DesignOptions options;
        std::optional<Kind> kind;
        std::string stratum;
        std::int64_t number, blocks;
        std::string why;
    } cases[] = {
        {no_column, Kind::no_such_column, "", 0, 0,
         "s.csv: there is no column \"district\" to take the strata from."},
        {by_ward({{"North", 60}, {"South", 40}}), Kind::stratum_without_blocks, "East", 0, 0,
         "the stratum \"East\" has no number of blocks in --blocks-total."},
        {by_ward({{"North", 1}, {"South", 40}, {"East", 2}}), Kind::fewer_than_read, "North", 1, 2,
         "--blocks-total 1 for \"North\" is fewer than the 2 blocks read."},
        {by_ward({{"Nort", 1}, {"North", 40}, {"South", 40}, {"East", 2}}), Kind::unknown_stratum,
         "Nort", 0, 0,
         "--blocks-total names the stratum \"Nort\", which no row of the survey has in its "
         "column \"ward\"."},
        {few, Kind::fewer_than_read, "", 3, 4, "--blocks-total 3 is fewer than the 4 blocks read."},
        {pilot, std::nullopt, "", 0, 0, ""},
    };
    for (const auto& c : cases) {
        const auto built = build(kWards, c.options);
        EXPECT_EQ(words(built), c.why);
        EXPECT_EQ(built.design.has_value(), !c.kind) << c.why;
        if (!c.kind || !built.refused) continue;
        EXPECT_EQ(built.refused->kind, *c.kind) << c.why;
        EXPECT_EQ(built.refused->stratum, c.stratum) << c.why;
        EXPECT_EQ(built.refused->number, c.number) << c.why;
        EXPECT_EQ(built.refused->blocks, c.blocks) << c.why;
    }
}

// Weights and the dogs first seen later travel with their blocks; a block without a sound weight
// is left out of its stratum's sample, and so is one whose later cells cannot be read. A block
// that left its later cells empty stays, and its stratum knows it by its label.
TEST(design_builder_test, weights_and_later_histories_go_with_their_blocks) {
    DesignOptions options;
    options.weight_column = "w";
    const auto built = build(
        "block,c100,c111,c101,c110,c010,c001,c011,w\n"
        "a,1,2,3,4,5,6,7,2.5\nb,1,1,1,1,0,0,0,4\nc,1,1,1,1,0,0,0,0\nd,1,1,1,1,x,0,0,1\n"
        "e,1,1,1,1,,,,1\n",
        options);
    ASSERT_TRUE(built.design) << words(built);
    const auto& s = built.design->strata.at(0);
    EXPECT_EQ(s.blocks.size(), 3u);
    EXPECT_EQ(s.left_out, 2);
    EXPECT_EQ(s.weights, (std::vector<double>{2.5, 4, 1}));
    EXPECT_FALSE(s.has_later());  // e's later cells are empty
    EXPECT_TRUE(s.later_columns);
    EXPECT_EQ(s.without_later, (std::vector<std::string>{"\"e\""}));
    EXPECT_EQ(s.later.at(0), (kestrivo::analysis::Later{5, 6, 7}));
    options.weight_column = "households";
    EXPECT_NE(
        words(build("c100,c111,c101,c110\n1,2,3,4\n", options)).find("to take the weights from"),
        std::string::npos);
    // A file without the later columns has nothing to ask of its blocks.
    const auto four = build("c100,c111,c101,c110\n1,2,3,4\n", {});
    EXPECT_FALSE(four.design->strata.at(0).later_columns);
}

// A weight is the number of blocks a block stands for, 1 / its chance of being drawn: from 1 (it
// stands for itself) to the most blocks a city has. A chance typed in its place, below 1, would
// shrink the city below the dogs its blocks identified; a number near the largest double would
// overflow the total.
TEST(design_builder_test, a_weight_is_from_one_block_to_the_most_a_city_has) {
    const std::string what = "a weight is the number of blocks this block stands for";
    const struct {
        const char* text;
        std::optional<double> weight;
        std::string why;
    } cases[] = {
        {" 12.5 ", 12.5, ""},
        {"1", 1.0, ""},
        {"1000000000", 1e9, ""},
        {"0.03", std::nullopt, "the weight 0.03 is below 1: " + what},
        {"0.999", std::nullopt, "is below 1"},
        {"1e308", std::nullopt, "is more blocks than a city has (1000000000 at most): " + what},
        {"1000000001", std::nullopt, "is more blocks than a city has"},
        {"0", std::nullopt, "is not above 0"},
        {"-1", std::nullopt, "is not above 0"},
        {"x", std::nullopt, "is not a weight"},
        {"", std::nullopt, "the weight is missing"},
    };
    for (const auto& c : cases) {
        const auto read = kestrivo::survey::read_weight(c.text);
        EXPECT_EQ(read.weight, c.weight) << c.text;
        if (c.why.empty()) {
            EXPECT_EQ(read.why_not, "") << c.text;
        } else {
            EXPECT_NE(read.why_not.find(c.why), std::string::npos) << read.why_not;
        }
    }
}

}  // namespace
