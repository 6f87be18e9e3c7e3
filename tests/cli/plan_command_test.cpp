// kestrivo-plan's output: the JSON parses with the recommendation among its rows, and the
// assumptions learnt from a pilot are the pilot's pooled visibility and the spread of its blocks.
#include "cli/plan_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "library/kestrivo.h"

namespace {

const kestrivo::analysis::Library kLibrary{RLOGLIK};

TEST(plan_command_test, json_holds_the_assumptions_the_rows_and_the_recommendation) {
    kestrivo::cli::PlanOptions options;
    options.common.blocks_total.city = 80;
    options.S = 0.2;
    options.P = 0.4;
    options.dogs_per_block = 30;
    options.common.format = kestrivo::survey::Format::json;
    options.request.target = 0.3;
    options.request.replicates = 20;
    options.request.bootstrap = 200;
    std::ostringstream out, err;
    ASSERT_EQ(kestrivo::cli::run_plan(options, kLibrary, out, err, false), 0) << err.str();
    const auto plan = nlohmann::json::parse(out.str());
    const auto k = plan["recommended_k"].get<int>();
    EXPECT_EQ(plan["assumed"][0]["dispersion"], nullptr);  // Poisson
    bool found = false;
    for (const auto& row : plan["rows"])
        found = found || (row["k"] == k && row["meets_target"] == true);
    EXPECT_TRUE(found) << out.str();
}

TEST(plan_command_test, a_pilot_gives_each_stratum_its_pooled_visibility_and_spread) {
    kestrivo::cli::PlanOptions options;
    options.pilot = KESTRIVO_EXAMPLE_SURVEY;
    options.common.stratum = "ward";
    options.common.blocks_total.by_stratum = {{"North", 60}, {"South", 40}};
    std::vector<std::string> notes;
    const auto strata = kestrivo::cli::assumed_strata(options, kLibrary, notes);
    EXPECT_TRUE(notes.empty());
    ASSERT_EQ(strata.size(), 2u);
    EXPECT_EQ(strata[0].name, "North");
    EXPECT_EQ(strata[0].blocks_total, 60);
    // The README's worked example: North's pooled fit is S 0.290, P 0.421, and its six blocks
    // hold 309.2 dogs under it.
    EXPECT_NEAR(strata[0].model.S, 0.28999, 1e-4);
    EXPECT_NEAR(strata[0].model.P, 0.42056, 1e-4);
    EXPECT_NEAR(strata[0].model.mean_dogs, 309.211111 / 6, 1e-4);
    options.common.blocks_total.by_stratum.erase("South");
    EXPECT_THROW(kestrivo::cli::assumed_strata(options, kLibrary, notes), std::runtime_error);
}

}  // namespace
