// Coverage after vaccination in the report: a survey whose blocks give their marked dogs (each
// group's expected histories under its own visibility) reads back the true coverage, with the
// share marked among the dogs seen leaning towards the group seen more; the columns come only
// with marks, the doses still needed follow the target, and a stratum below it is named.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "survey/report_notes.h"
#include "survey/survey_report.h"
#include "tests/survey/report_run.h"

namespace {

using kestrivo::survey::NoteCode;
using kestrivo::survey::ReportOptions;
using kestrivo::survey::ReportRow;
using kestrivo::tests::RowsRun;

struct Group {
    double S, P, dogs_per_block;  // each group's visibility and its dogs on a block
};

// A dog's chance of history `seen` (count 1, 2, 3), seen or not.
double chance(const Group& g, const std::array<int, 3>& seen) {
    double other = 1 - g.S;
    for (std::size_t c = 0; c < 3; ++c)
        other *= seen[c] ? g.P : 1 - g.P;
    return other + (seen[0] && seen[1] && seen[2] ? g.S : 0);
}

// "ward,block,c100..c011,m100..m011,mark_unknown": each stratum's blocks hold the two groups'
// expected histories, rounded so each stratum's sums stay as near their expectation as whole
// dogs allow.
std::string marked_survey(const std::vector<std::pair<Group, Group>>& strata, int blocks) {
    std::string text =
        "ward,block,c100,c111,c101,c110,c010,c001,c011,m100,m111,m101,m110,m010,m001,m011,"
        "mark_unknown\n";
    for (std::size_t w = 0; w < strata.size(); ++w) {
        const auto& [marked, rest] = strata[w];
        for (int b = 0; b < blocks; ++b) {
            const auto rounded = [&](const Group& g, const std::array<int, 3>& seen) {
                const double each = g.dogs_per_block * chance(g, seen);
                return std::llround((b + 1) * each) - std::llround(b * each);
            };
            std::string all, m;
            for (const auto& seen : kestrivo::analysis::kSevenPatterns) {
                const long long dogs_marked = rounded(marked, seen);
                all += "," + std::to_string(dogs_marked + rounded(rest, seen));
                m += "," + std::to_string(dogs_marked);
            }
            text += "W" + std::to_string(w) + ",b" + std::to_string(w) + "-" + std::to_string(b) +
                    all + m + ",0\n";
        }
    }
    return text;
}

bool has_note(const ReportRow& row, NoteCode code) {
    return std::any_of(row.notes.begin(), row.notes.end(),
                       [code](const kestrivo::survey::Note& note) { return note.code == code; });
}

TEST(coverage_report_test, marked_dogs_seen_more_give_the_true_coverage_not_the_share_seen) {
    // Ward W0: 70 marked dogs a block seen with P 0.55, 30 others with 0.25 (coverage 0.7);
    // ward W1: 40 and 60 seen alike (coverage 0.4), below a target of 0.7.
    const RowsRun r = [] {
        ReportOptions options;
        options.design.stratum_column = "ward";
        options.design.blocks_by_stratum = {{"W0", 80}, {"W1", 80}};
        return kestrivo::tests::pooled_report_rows(
            options,
            marked_survey({{{0.2, 0.55, 70}, {0.1, 0.25, 30}}, {{0.2, 0.4, 40}, {0.2, 0.4, 60}}},
                          40));
    }();
    ASSERT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
    EXPECT_TRUE(r.rows.layout.with_coverage);
    const auto& rows = r.rows.rows;
    const auto find = [&](kestrivo::survey::RowKind kind, const std::string& stratum,
                          bool city = false) -> const ReportRow& {
        const auto at = std::find_if(rows.begin(), rows.end(), [&](const ReportRow& row) {
            return row.kind == kind && row.stratum == stratum && row.city == city;
        });
        EXPECT_NE(at, rows.end()) << stratum;
        return *at;
    };
    using kestrivo::survey::RowKind;
    const struct {
        const char* ward;
        double coverage;
        bool marked_seen_more, below;
    } cases[] = {{"W0", 0.7, true, false}, {"W1", 0.4, false, true}};
    for (const auto& c : cases) {
        const ReportRow& pooled = find(RowKind::pooled, c.ward);
        ASSERT_TRUE(pooled.cells.coverage) << c.ward;
        const auto& coverage = *pooled.cells.coverage;
        EXPECT_NEAR(coverage.coverage, c.coverage, 0.01) << c.ward;
        ASSERT_TRUE(coverage.visibility_p);
        EXPECT_EQ(*coverage.visibility_p < 0.05, c.marked_seen_more) << c.ward;
        EXPECT_EQ(has_note(pooled, NoteCode::marked_seen_differently), c.marked_seen_more);
        // Marked dogs seen more: more than their share of the dogs seen.
        if (c.marked_seen_more) {
            EXPECT_GT(coverage.naive, coverage.coverage + 0.05);
        }
        const ReportRow& total = find(RowKind::total, c.ward);
        ASSERT_TRUE(total.cells.coverage) << c.ward;
        const auto& t = *total.cells.coverage;
        EXPECT_NEAR(t.coverage, c.coverage, 0.01) << c.ward;
        EXPECT_LT(t.lower, t.coverage);
        EXPECT_GT(t.upper, t.coverage);
        EXPECT_EQ(has_note(total, NoteCode::coverage_below), c.below) << c.ward;
        // The doses bring the dogs of known mark to the target.
        const double known = t.marked_dogs / t.coverage;
        EXPECT_NEAR(t.doses, std::max(0.0, 0.7 * known - t.marked_dogs), 1e-6 * known) << c.ward;
        EXPECT_FALSE(t.visibility_p) << "the test of equal visibility is a stratum's";
        // The ward's 80 blocks of 100 dogs, each group over its own share seen: a total of one
        // shared visibility would be low where marked dogs are seen more.
        const auto dogs = kestrivo::survey::total_dogs(total);
        ASSERT_TRUE(dogs.value && dogs.lower && dogs.upper) << c.ward;
        EXPECT_NEAR(*dogs.value, 8000, 0.015 * 8000) << c.ward;
        EXPECT_LT(*dogs.lower, *dogs.value);
        EXPECT_GT(*dogs.upper, *dogs.value);
    }
    // The city's row names the ward below the target, and the one whose interval holds it as
    // uncertain.
    const ReportRow& city = find(RowKind::total, "", true);
    ASSERT_TRUE(city.cells.coverage);
    std::vector<std::pair<std::string, NoteCode>> named;
    for (const auto& note : city.notes) {
        if (note.named) named.emplace_back(note.stratum, note.code);
    }
    EXPECT_EQ(named, (std::vector<std::pair<std::string, NoteCode>>{
                         {"W0", NoteCode::coverage_uncertain}, {"W1", NoteCode::coverage_below}}));
    // Each block's marked dogs under its ward's visibility of marked dogs.
    EXPECT_TRUE(rows.front().cells.marked_pooled);
}

TEST(coverage_report_test, a_survey_without_marks_has_no_coverage_columns) {
    ReportOptions options;
    options.design.blocks_total = 100;
    const RowsRun r = kestrivo::tests::pooled_report_rows(
        options, "block,c100,c111,c101,c110\na,10,12,5,6\nb,8,14,6,4\n");
    ASSERT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
    EXPECT_FALSE(r.rows.layout.with_coverage);
    for (const ReportRow& row : r.rows.rows) {
        EXPECT_FALSE(row.cells.coverage) << row.label;
        EXPECT_FALSE(row.cells.marked_pooled) << row.label;
    }
}

}  // namespace

namespace {

// Surveys at the edges of what marks can tell: a stratum that falls back to four histories, one
// whose every mark is unknown, one with a few dogs all marked. None may give a made-up coverage,
// an interval of 100% to 100%, or a city that leaves a stratum out without a word.
TEST(coverage_report_test, strata_at_the_edges_say_what_they_cannot_tell) {
    const std::string header =
        "block,ward,c100,c111,c101,c110,c010,c001,c011,m100,m111,m101,m110,m010,m001,m011,"
        "mark_unknown\n";
    const std::string b =
        "B1,B,4,6,2,2,3,3,1,2,4,1,1,1,2,1,0\nB2,B,5,7,3,2,2,1,2,3,5,2,1,1,1,1,0\n"
        "B3,B,3,8,2,1,2,2,1,1,6,1,1,1,1,0,0\n";
    const struct {
        const char* what;
        std::string a;  // stratum A's blocks
        bool a_coverage, city_coverage;
    } cases[] = {
        {"four histories",
         "A1,A,4,6,2,2,3,3,1,2,4,1,1,1,2,1,0\nA2,A,5,7,3,2,,,,3,5,2,1,,,,0\n"
         "A3,A,3,8,2,1,2,2,1,1,6,1,1,1,1,0,0\n",
         true, true},
        {"every mark unknown",
         "A1,A,4,6,2,2,3,3,1,0,0,0,0,0,0,0,21\nA2,A,5,7,3,2,2,1,2,0,0,0,0,0,0,0,22\n"
         "A3,A,3,8,2,1,2,2,1,0,0,0,0,0,0,0,19\n",
         false, false},
        {"a few dogs all marked",
         "A1,A,1,1,0,1,1,0,0,1,1,0,1,1,0,0,0\nA2,A,0,1,1,0,1,0,0,0,1,1,0,1,0,0,0\n", true, true},
    };
    using kestrivo::survey::RowKind;
    for (const auto& c : cases) {
        ReportOptions options;
        options.design.stratum_column = "ward";
        options.design.blocks_by_stratum = {{"A", 10}, {"B", 10}};
        const RowsRun r = kestrivo::tests::pooled_report_rows(options, header + c.a + b);
        const auto& rows = r.rows.rows;
        const auto at = [&](RowKind kind, const std::string& ward, bool city = false) {
            return *std::find_if(rows.begin(), rows.end(), [&](const ReportRow& row) {
                return row.kind == kind && row.stratum == ward && row.city == city;
            });
        };
        const ReportRow a_total = at(RowKind::total, "A"), city = at(RowKind::total, "", true);
        EXPECT_EQ(a_total.cells.coverage.has_value(), c.a_coverage) << c.what;
        EXPECT_EQ(city.cells.coverage.has_value(), c.city_coverage) << c.what;
        if (!c.a_coverage) {
            EXPECT_TRUE(has_note(a_total, NoteCode::coverage_missing)) << c.what;
            EXPECT_TRUE(has_note(city, NoteCode::coverage_missing)) << c.what;
            EXPECT_FALSE(at(RowKind::pooled, "A").cells.coverage) << c.what;
        } else {
            const auto& cov = *a_total.cells.coverage;
            EXPECT_LT(cov.lower, cov.upper) << c.what;
            EXPECT_GE(cov.coverage, cov.lower);
            EXPECT_LE(cov.coverage, cov.upper);
        }
        // The city's dogs are the strata's, whichever way each counted them.
        const auto dogs = [&](const ReportRow& row) {
            return kestrivo::survey::total_dogs(row).value.value_or(NAN);
        };
        EXPECT_NEAR(dogs(city), dogs(a_total) + dogs(at(RowKind::total, "B")), 1e-6 * dogs(city))
            << c.what;
    }
}

}  // namespace

namespace {

// The campaign's records must name the survey's strata, and need its marks: a check that names
// none, or has no coverage to check, is refused rather than left out without a word.
TEST(coverage_report_test, records_of_the_vaccinated_dogs_that_cannot_be_used_are_refused) {
    const std::string marked =
        "ward,c100,c111,c101,c110,m100,m111,m101,m110,mark_unknown\nA,10,12,5,6,6,9,3,4,0\n"
        "B,8,14,6,4,5,10,4,2,1\n";
    const struct {
        std::map<std::string, std::int64_t> by_stratum;
        std::optional<std::int64_t> city;
        std::string survey;
        const char* said;
    } cases[] = {
        {{{"Nroth", 900}}, std::nullopt, marked, "--vaccinated names \"Nroth\""},
        {{}, 900, marked, "with --stratum, give each stratum's vaccinated dogs"},
        {{{"A", 90}},
         std::nullopt,
         "ward,c100,c111,c101,c110\nA,10,12,5,6\nB,8,14,6,4\n",
         "--vaccinated is a check on the coverage"},
    };
    for (const auto& c : cases) {
        ReportOptions options;
        options.design.stratum_column = "ward";
        options.design.blocks_by_stratum = {{"A", 10}, {"B", 10}};
        options.vaccinated_by_stratum = c.by_stratum;
        options.vaccinated_city = c.city;
        const RowsRun r = kestrivo::tests::pooled_report_rows(options, c.survey);
        EXPECT_EQ(r.status, kestrivo::survey::kUsageOrFileError) << c.said;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
    }
}

}  // namespace
