// What a plan assumes from a pilot survey: each stratum's shared visibility and the moments of its
// blocks' dogs under it, as the survey report gives them; the rows it could not use said; a
// refused design thrown with its value; and the pilots no plan can stand on refused in words.
#include "survey/pilot_assumptions.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <sstream>

#include "analysis/seven_histories.h"
#include "survey/plan_note.h"
#include "tests/support/temporary_folder.h"
#include "tests/survey/behaviour_survey.h"
#include "tests/survey/report_run.h"

namespace {

using kestrivo::survey::DesignOptions;
using kestrivo::survey::DesignRefusal;
using kestrivo::survey::DesignRefused;
using kestrivo::tests::kLibrary;

// The report's pooled rows and blocks' dogs under them, for the same survey and strata.
kestrivo::tests::RowsRun pooled_report(const std::string& text, const DesignOptions& design) {
    kestrivo::survey::ReportOptions options;
    options.files = {"-"};
    options.pool = true;
    options.design = design;
    options.design.blocks_total.reset();
    options.design.blocks_by_stratum.clear();  // the pooled rows need no K
    return kestrivo::tests::report_rows(options, text);
}

// North's blocks differ in size, South's are alike; South has more blocks in the pilot than its
// K, as a pilot from elsewhere may.
const std::string kWards =
    "block,c100,c111,c101,c110,ward\n"
    "n1,10,20,5,5,North\n"
    "s1,8,12,6,5,South\n"
    "n2,30,61,14,16,North\n"
    "s2,8,12,6,5,South\n"
    "n3,4,9,3,2,North\n"
    "s3,8,12,6,5,South\n";

DesignOptions by_ward(std::map<std::string, std::int64_t> k) {
    DesignOptions design;
    design.stratum_column = "ward";
    design.blocks_by_stratum = std::move(k);
    return design;
}

// A city of `k` blocks, without strata.
DesignOptions whole_city(std::int64_t k) {
    DesignOptions design;
    design.blocks_total = k;
    return design;
}

// The note a plan on `strata` prints.
std::string note_of(const std::vector<kestrivo::analysis::PlanStratum>& strata) {
    const kestrivo::analysis::PlanRequest request{.strata = strata};
    return kestrivo::survey::plan_note({}, request).note;
}

// Each test reads its pilots as "pilot.csv" from text, the notes of the last read kept.
class pilot_assumptions_test : public testing::Test {
protected:
    std::vector<kestrivo::analysis::PlanStratum> pilot(const std::string& text,
                                                       DesignOptions design) {
        notes.clear();
        std::istringstream in(text);
        return kestrivo::survey::pilot_assumptions(in, "pilot.csv", std::move(design), kLibrary,
                                                   0.95, notes);
    }
    std::vector<std::string> notes;
};

TEST_F(pilot_assumptions_test, each_stratum_assumes_the_reports_pooled_fit_and_its_blocks_spread) {
    const DesignOptions design = by_ward({{"North", 60}, {"South", 2}});
    const auto strata = pilot(kWards, design);
    EXPECT_TRUE(notes.empty());
    ASSERT_EQ(strata.size(), 2u);

    const auto r = pooled_report(kWards, design);
    ASSERT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
    const auto& rows = r.rows.rows;
    ASSERT_EQ(rows.size(), 6u + 2);
    const struct {
        std::string name;
        std::int64_t k;
        std::size_t pooled;               // the report's pooled row
        std::vector<std::size_t> blocks;  // and the stratum's blocks
        bool spread;                      // the blocks' dogs vary more than Poisson's
    } cases[] = {
        {"North", 60, 6, {0, 2, 4}, true},
        {"South", 2, 7, {1, 3, 5}, false},
    };
    for (std::size_t h = 0; h < std::size(cases); ++h) {
        const auto& c = cases[h];
        const auto& stratum = strata[h];
        EXPECT_EQ(stratum.name, c.name);
        EXPECT_EQ(stratum.blocks_total, c.k);
        EXPECT_FALSE(stratum.seven_histories) << c.name;
        EXPECT_FALSE(stratum.model.p_by_count) << c.name;
        const auto& pooled = rows[c.pooled];
        ASSERT_EQ(pooled.stratum, c.name);
        ASSERT_TRUE(pooled.report && pooled.report->estimates);
        EXPECT_EQ(stratum.model.S, pooled.report->estimates->S) << c.name;
        EXPECT_EQ(stratum.model.P, pooled.report->estimates->P) << c.name;
        // The moments of the blocks' dogs under the shared visibility.
        double sum = 0, squares = 0;
        for (const std::size_t b : c.blocks) {
            ASSERT_EQ(rows[b].stratum, c.name);
            ASSERT_TRUE(rows[b].cells.dogs_pooled);
            sum += rows[b].cells.dogs_pooled->estimate;
            squares += std::pow(rows[b].cells.dogs_pooled->estimate, 2);
        }
        const double k = double(c.blocks.size()), mean = sum / k;
        const double variance = (squares - k * mean * mean) / (k - 1);
        EXPECT_NEAR(stratum.model.mean_dogs, mean, 1e-9 * mean) << c.name;
        EXPECT_EQ(stratum.model.dispersion.has_value(), c.spread) << c.name;
        if (c.spread) {
            ASSERT_GT(variance, mean);
            EXPECT_NEAR(*stratum.model.dispersion, mean * mean / (variance - mean),
                        1e-6 * *stratum.model.dispersion);
        }
    }
}

TEST_F(pilot_assumptions_test, the_rows_it_could_not_use_are_said_with_their_place) {
    const auto strata =
        pilot("block,c100,c111,c101,c110\nA,4,16,4,3\nB,x,25,4,2\nC,5,25,4,2\nD,6,20,5,3\n",
              whole_city(40));
    ASSERT_EQ(strata.size(), 1u);
    EXPECT_EQ(strata[0].blocks_total, 40);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].rfind("pilot.csv, line 3, column c100: ", 0), 0u) << notes[0];
    EXPECT_TRUE(notes[0].ends_with("; the row is not used")) << notes[0];
    EXPECT_EQ(notes[1], "3 of the pilot's 4 rows were used");
}

// The design a pilot's rows cannot make, or its options alone, is thrown as its value; a caller
// without words of its own for it still reads that the design was refused.
TEST_F(pilot_assumptions_test, a_refused_design_is_thrown_with_its_value) {
    using Kind = DesignRefusal::Kind;
    DesignOptions no_column = by_ward({{"North", 9}, {"South", 9}});
    no_column.stratum_column = "Ward";
    DesignOptions names_only = by_ward({{"North", 9}});
    names_only.stratum_column.reset();
    const struct {
        const char* what;
        DesignOptions design;
        Kind kind;
        std::string stratum, column, near;
    } cases[] = {
        {"no such column", no_column, Kind::no_such_column, "", "Ward", "ward"},
        {"an unknown stratum", by_ward({{"North", 9}, {"South", 9}, {"east", 3}}),
         Kind::unknown_stratum, "east", "ward", ""},
        {"a stratum without K", by_ward({{"North", 9}}), Kind::stratum_without_blocks, "South",
         "ward", ""},
        {"K by name without a strata column", names_only, Kind::names_without_strata, "", "", ""},
    };
    for (const auto& c : cases) {
        try {
            pilot(kWards, c.design);
            ADD_FAILURE() << c.what << ": not refused";
        } catch (const DesignRefused& refused) {
            EXPECT_EQ(refused.refusal.kind, c.kind) << c.what;
            EXPECT_EQ(refused.refusal.stratum, c.stratum) << c.what;
            EXPECT_EQ(refused.refusal.column, c.column) << c.what;
            EXPECT_EQ(refused.refusal.near, c.near) << c.what;
            EXPECT_NE(std::string(refused.what()).find("design cannot be used"), std::string::npos)
                << refused.what();
        }
    }
    // A pilot may come from elsewhere: more blocks than the city's K, and a label twice, are
    // no slip in it.
    EXPECT_EQ(pilot(kWards + "s1,8,12,6,5,South\n", by_ward({{"North", 2}, {"South", 2}})).size(),
              2u);
}

// A pilot that gives no assumptions at all is refused in words: no readable block, a stratum of
// one block (no spread to learn), or a stratum where nobody was seen.
TEST_F(pilot_assumptions_test, pilots_that_give_no_assumptions_are_refused_with_their_reason) {
    const DesignOptions one_city = whole_city(10);
    const struct {
        const char* what;
        std::string text;
        DesignOptions design;
        std::string message;  // the whole message, or its beginning when it ends with "..."
    } cases[] = {
        {"an empty pilot", "block,c100,c111,c101,c110\n", one_city,
         "the pilot survey has no readable block"},
        {"no row readable", "block,c100,c111,c101,c110\nA,x,1,1,1\nB,1,y,1,1\n", one_city,
         "the pilot: ..."},
        {"one block", "block,c100,c111,c101,c110\nA,4,16,4,3\n", one_city,
         "the pilot has one block: the spread of dogs between blocks needs two at least"},
        {"a stratum of one block", kWards + "e1,5,9,2,2,East\n",
         by_ward({{"North", 9}, {"South", 9}, {"East", 9}}),
         "\"East\" has one block: the spread of dogs between blocks needs two at least"},
        {"nobody seen", kWards + "e1,0,0,0,0,East\ne2,0,0,0,0,East\n",
         by_ward({{"North", 9}, {"South", 9}, {"East", 9}}), "\"East\": ..."},
    };
    for (const auto& c : cases) {
        try {
            pilot(c.text, c.design);
            ADD_FAILURE() << c.what << ": not refused";
        } catch (const DesignRefused& refused) {
            ADD_FAILURE() << c.what << ": refused as a design";
        } catch (const std::runtime_error& e) {
            const std::string message = e.what();
            if (c.message.ends_with("...")) {
                const std::string start = c.message.substr(0, c.message.size() - 3);
                EXPECT_EQ(message.rfind(start, 0), 0u) << message;
                EXPECT_GT(message.size(), start.size()) << "the reason follows";
            } else {
                EXPECT_EQ(message, c.message) << c.what;
            }
        }
    }
}

TEST_F(pilot_assumptions_test, a_pilot_file_is_read_as_its_text_or_refused_in_words) {
    const TemporaryFolder folder;
    DesignOptions design = by_ward({{"North", 60}, {"South", 2}});
    std::vector<std::string> from_file_notes;
    const std::string path = folder.write("pilot.csv", kWards);
    const auto from_file =
        kestrivo::survey::pilot_assumptions(path, design, kLibrary, 0.95, from_file_notes);
    const auto from_text = pilot(kWards, design);
    ASSERT_EQ(from_file.size(), from_text.size());
    for (std::size_t h = 0; h < from_file.size(); ++h) {
        EXPECT_EQ(from_file[h].name, from_text[h].name);
        EXPECT_EQ(from_file[h].model.S, from_text[h].model.S);
        EXPECT_EQ(from_file[h].model.mean_dogs, from_text[h].model.mean_dogs);
    }

    const struct {
        std::string path, says;
    } refused[] = {
        {folder.path(), "is a folder, not a survey file"},
        {folder.file("missing.csv"), std::string("cannot be read: ") + std::strerror(ENOENT)},
    };
    for (const auto& c : refused) {
        try {
            kestrivo::survey::pilot_assumptions(c.path, design, kLibrary, 0.95, notes);
            ADD_FAILURE() << c.path << ": not refused";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("\"" + c.path + "\""), std::string::npos)
                << e.what();
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

// A pilot of all seven histories is read as the report reads it: the model AICc chooses for the
// stratum, with its P on each count, and the blocks' dogs over the averaged share ever seen; the
// plan's surveys then record the seven histories too, and its note says so.
TEST_F(pilot_assumptions_test, a_seven_history_pilot_is_planned_from_the_reports_model) {
    // Blocks of dogs none territorial, seen on counts 1, 2, 3 with chances 0.5, 0.25, 0.4: each
    // history's share of the dogs, times the block's dogs.
    const std::array<double, 3> p = {0.5, 0.25, 0.4};
    std::string text = "block,c100,c111,c101,c110,c010,c001,c011\n";
    for (const double dogs : {400.0, 600.0, 500.0, 800.0}) {
        text += "b" + std::to_string(int(dogs));
        for (const auto& seen : kestrivo::analysis::kSevenPatterns) {
            double share = 1;
            for (std::size_t k = 0; k < 3; ++k)
                share *= seen[k] ? p[k] : 1 - p[k];
            text += "," + std::to_string(std::llround(dogs * share));
        }
        text += "\n";
    }
    const DesignOptions design = whole_city(100);
    const auto strata = pilot(text, design);
    ASSERT_EQ(strata.size(), 1u);
    const auto& m = strata[0].model;
    EXPECT_TRUE(strata[0].seven_histories);
    ASSERT_TRUE(m.p_by_count);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_NEAR((*m.p_by_count)[k], p[k], 0.01) << k;
    EXPECT_NEAR(m.S, 0, 0.01);

    // The report's pooled row and its blocks' dogs under it are the plan's assumptions.
    kestrivo::survey::ReportOptions options;
    options.files = {"-"};
    options.pool = true;
    options.bootstrap = 300;
    options.design.blocks_total = 100;
    const auto r = kestrivo::tests::report_rows(options, text);
    ASSERT_EQ(r.status, kestrivo::survey::kAllFitted) << r.err;
    ASSERT_EQ(r.rows.rows.size(), 6u);
    const auto& pooled = r.rows.rows[4];
    ASSERT_TRUE(pooled.cells.seven && pooled.report && pooled.report->estimates);
    EXPECT_EQ(pooled.cells.seven->chosen, kestrivo::analysis::VisibilityModel::by_count);
    EXPECT_NEAR(m.S, pooled.report->estimates->S, 1e-6);
    EXPECT_NEAR((*m.p_by_count)[1], pooled.cells.seven->chosen_fit().P[1], 1e-6);
    double mean = 0;
    for (std::size_t b = 0; b < 4; ++b) {
        ASSERT_TRUE(r.rows.rows[b].cells.dogs_pooled) << b;
        mean += r.rows.rows[b].cells.dogs_pooled->estimate / 4;
    }
    EXPECT_NEAR(m.mean_dogs, mean, 1e-4 * mean);

    const std::string note = note_of(strata);
    EXPECT_NE(note.find("on counts 1, 2, 3"), std::string::npos) << note;
    EXPECT_NE(note.find("all seven histories"), std::string::npos) << note;

    // A pilot block without them takes its stratum back to the four histories, and the plan
    // says which block.
    const auto four = pilot(text + "e,10,20,5,5,,,\n", design);
    EXPECT_FALSE(four[0].seven_histories);
    EXPECT_FALSE(four[0].model.p_by_count);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("empty on 1 of the 5 blocks of this stratum (\"e\")"),
              std::string::npos)
        << notes[0];
}

// A pilot whose dogs, once seen, are seen with another chance than before plans with the model
// the report chose for it: S and P_first from its pooled row, P_again beside them, and surveys
// that record the seven histories; the note says both chances.
TEST_F(pilot_assumptions_test, a_pilot_fitted_by_the_behaviour_model_plans_with_it) {
    const kestrivo::tests::BehaviourTruth truth{0.2, 0.3, 0.5, 100, 20};
    const std::string text = kestrivo::tests::behaviour_survey(truth);
    const DesignOptions design = whole_city(100);
    const auto strata = pilot(text, design);
    ASSERT_EQ(strata.size(), 1u);
    const auto& m = strata[0].model;
    EXPECT_TRUE(strata[0].seven_histories);
    EXPECT_FALSE(m.p_by_count);
    ASSERT_TRUE(m.p_again);

    const auto r = pooled_report(text, design);
    ASSERT_EQ(r.rows.rows.size(), std::size_t(truth.blocks) + 1);
    const auto& pooled = r.rows.rows.back();
    ASSERT_TRUE(pooled.cells.seven);
    ASSERT_EQ(pooled.cells.seven->chosen, kestrivo::analysis::VisibilityModel::behaviour);
    const auto& fit = pooled.cells.seven->chosen_fit();
    EXPECT_NEAR(m.S, fit.S, 1e-9);
    EXPECT_NEAR(m.P, fit.P[0], 1e-9);
    EXPECT_NEAR(*m.p_again, *fit.P_again, 1e-9);
    EXPECT_NEAR(*m.p_again, truth.p_again, 0.01);

    const std::string note = note_of(strata);
    EXPECT_NE(note.find("once seen"), std::string::npos) << note;
    EXPECT_NE(note.find("all seven histories"), std::string::npos) << note;
}

}  // namespace
