// The plan's note: what the recommendation is or why there is none, the warning when the
// recommended k's estimate is not to be trusted, and what was assumed of each stratum, every
// number at the plan's digits.
#include "survey/plan_note.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/number_text.h"

namespace {

using kestrivo::analysis::Plan;
using kestrivo::analysis::PlanRequest;
using kestrivo::analysis::PlanRow;
using kestrivo::analysis::PlanStratum;

std::string number(double value) {
    return kestrivo::platform::digits_text(value, kestrivo::survey::kPlanDigits);
}

PlanRow row(std::int64_t k, double coverage = 0.95, double ratio = 1.0) {
    PlanRow r;
    r.k = k;
    r.coverage = coverage;
    r.median_ratio = ratio;
    r.median_ratio_error = 0.01;
    r.median_seen_again = 400;
    r.surveys = 500;
    return r;
}

PlanStratum stratum(std::string name, double S, double P, double dogs) {
    PlanStratum s;
    s.name = std::move(name);
    s.blocks_total = 100;
    s.model.S = S;
    s.model.P = P;
    s.model.mean_dogs = dogs;
    return s;
}

PlanRequest request(std::vector<PlanStratum> strata) {
    PlanRequest r;
    r.strata = std::move(strata);
    r.target = 1.0 / 3;       // more digits than the plan writes
    r.assurance = 0.8765432;  // likewise
    return r;
}

TEST(plan_note_test, the_note_begins_with_the_recommendation_or_why_there_is_none) {
    const PlanRequest asked = request({stratum("", 0.2, 0.4, 30)});
    const std::string target = number(asked.target);
    const std::string percent = number(asked.assurance * 100) + "%";
    Plan recommended;
    recommended.rows = {row(20), row(30), row(40)};
    recommended.recommended = 30;
    Plan beyond;
    beyond.beyond_reach = true;
    Plan none;
    none.rows = {row(20), row(120)};
    const struct {
        const char* what;
        Plan plan;
        std::string begins;
    } cases[] = {
        {"recommended", recommended,
         "the smallest k whose " + percent + " quantile of the half-width is at most " + target +
             "; assumed "},
        {"beyond reach", beyond,
         "the target " + target + " needs more than " +
             std::to_string(kestrivo::analysis::kMostSampled) +
             " blocks a survey by the plan's approximation, more than it simulates; assumed "},
        {"none meets it", none,
         "no k up to 120 meets the target " + target + " in " + percent + " of surveys; assumed "},
        {"nothing simulated", Plan(),
         "no k up to 0 meets the target " + target + " in " + percent + " of surveys; assumed "},
    };
    for (const auto& c : cases) {
        const auto [note, warning] = kestrivo::survey::plan_note(c.plan, asked);
        EXPECT_EQ(note.rfind(c.begins, 0), 0u) << c.what << ": " << note;
        EXPECT_EQ(warning, "") << c.what;
    }
}

// Only the recommended row's trust is told, at the request's level, and the note says it too.
TEST(plan_note_test, a_recommendation_not_to_trust_is_warned_of) {
    const struct {
        const char* what;
        std::vector<PlanRow> rows;
        double level;
        bool warned;
    } cases[] = {
        {"trustworthy", {row(20), row(30)}, 0.95, false},
        {"low coverage", {row(20), row(30, 0.70)}, 0.95, true},
        {"far from the truth", {row(20), row(30, 0.95, 1.3)}, 0.95, true},
        {"another row untrustworthy", {row(20, 0.5), row(30)}, 0.95, false},
        {"low for a lower level", {row(20), row(30, 0.70)}, 0.7, false},
    };
    for (const auto& c : cases) {
        Plan plan;
        plan.rows = c.rows;
        plan.recommended = 30;
        PlanRequest asked = request({stratum("", 0.2, 0.4, 30)});
        asked.level = c.level;
        const auto [note, warning] = kestrivo::survey::plan_note(plan, asked);
        EXPECT_EQ(warning, kestrivo::analysis::untrustworthy(c.rows.back(), c.level)) << c.what;
        EXPECT_EQ(warning.empty(), !c.warned) << c.what << ": " << warning;
        if (c.warned) {
            EXPECT_NE(note.find("; " + warning + "; "), std::string::npos) << note;
        }
    }
    // Without a recommendation there is no recommended row to warn of.
    Plan none;
    none.rows = {row(20, 0.5)};
    EXPECT_EQ(kestrivo::survey::plan_note(none, request({stratum("", 0.2, 0.4, 30)})).warning, "");
}

TEST(plan_note_test, the_assumptions_of_each_stratum_are_said) {
    PlanStratum poisson = stratum("", 0.123456789, 0.4, 30.5);
    PlanStratum north = stratum("North", 0.2, 0.45, 41);
    north.model.dispersion = 2.345678901;
    PlanStratum south = stratum("South", 0.0, 0.5, 12);
    south.model.p_by_count = std::array<double, 3>{0.5, 0.25, 0.4};
    south.seven_histories = true;
    const struct {
        const char* what;
        std::vector<PlanStratum> strata;
        std::vector<std::string> says;  // in this order
        bool allocated;                 // blocks allocated to strata is said
    } cases[] = {
        {"one stratum",
         {poisson},
         {"; assumed S " + number(0.123456789) + ", P 0.4, 30.5 dogs a block, Poisson"},
         false},
        {"two strata",
         {north, south},
         {"; assumed North: S 0.2, P 0.45, 41 dogs a block, dispersion " + number(2.345678901),
          "; South: S 0, P 0.5, 0.25, 0.4 on counts 1, 2, 3, 12 dogs a block, Poisson, all seven "
          "histories recorded"},
         true},
    };
    for (const auto& c : cases) {
        Plan plan;
        plan.rows = {row(20)};
        plan.recommended = 20;
        const std::string note = kestrivo::survey::plan_note(plan, request(c.strata)).note;
        std::size_t from = 0;
        for (const std::string& part : c.says) {
            const std::size_t at = note.find(part, from);
            EXPECT_NE(at, std::string::npos) << c.what << ": " << part << "\n in " << note;
            if (at != std::string::npos) from = at + part.size();
        }
        EXPECT_EQ(
            note.find("blocks are allocated to strata in proportion to K_h") != std::string::npos,
            c.allocated)
            << note;
        EXPECT_TRUE(
            note.ends_with("; and the blocks of each stratum drawn at random, as the intervals "
                           "assume"))
            << note;
        const bool seven = std::any_of(c.strata.begin(), c.strata.end(),
                                       [](const PlanStratum& s) { return s.seven_histories; });
        EXPECT_EQ(note.find("seven histories") != std::string::npos, seven) << note;
    }
}

}  // namespace
