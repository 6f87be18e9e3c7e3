// What the Plan... dialog hands to the plan from what is typed, and what the survey window's
// design shown hands to the report: each stratum's number of blocks is read by one rule for both,
// the rule kestrivo-report and kestrivo-plan apply to --blocks-total. Table-driven.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QTableWidget>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "survey/design_builder.h"
#include "tests/window/shown_designs.h"
#include "window/design_shown.h"
#include "window/plan_dialog.h"
#include "window/plan_words.h"

using namespace kestrivo::window;

namespace {

using kestrivo::tests::ByStratum;
using kestrivo::tests::city;
using kestrivo::tests::wards;

PlanPilot pilot() {
    PlanPilot pilot;
    pilot.source.name = "pilot.csv";
    pilot.source.text = "";
    pilot.level = 0.9;
    return pilot;
}

template <class Widget>
Widget* control(QWidget* dialog, const char* name) {
    auto* found = dialog->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

const std::string kTooMany = std::to_string(kestrivo::survey::kMostBlocks + 1);

// A number typed for the whole city: taken as --blocks-total takes a K, or refused with the
// stratum's name and why.
TEST(plan_dialog_test, the_blocks_typed_are_the_plans_as_blocks_total_reads_them) {
    const struct {
        std::string typed;
        std::optional<std::int64_t> taken;
    } cases[] = {
        {"100", 100},  {" 120 ", 120}, {"1", 1},    {"2", 2},       {"007", 7},
        {"", {}},      {"   ", {}},    {"0", {}},   {"-5", {}},     {"1.5", {}},
        {"12abc", {}}, {"+5", {}},     {"1e3", {}}, {kTooMany, {}}, {"city=5", {}},
    };
    for (const auto& c : cases) {
        PlanDialog dialog(pilot(), city(c.typed), {}, nullptr);
        const PlanInputs inputs = dialog.inputs();
        EXPECT_EQ(inputs.design.blocks_total, c.taken) << '"' << c.typed << '"';
        EXPECT_TRUE(inputs.design.blocks_by_stratum.empty()) << c.typed;
        EXPECT_FALSE(inputs.design.stratum_column) << c.typed;
        EXPECT_EQ(inputs.why.isEmpty(), c.taken.has_value()) << c.typed;
        if (!c.taken) {
            EXPECT_TRUE(inputs.why.contains(QStringLiteral("(the city)")))
                << inputs.why.toStdString();
        }
        // The report reads the same text by the same rule.
        EXPECT_EQ(city(c.typed).report_design().blocks_total, c.taken) << c.typed;
    }
}

// With strata, each stratum's number by its name; what is typed in the dialog is the plan's,
// over what the survey window shows, and the first stratum without a number is named.
TEST(plan_dialog_test, each_stratum_gives_its_blocks_by_its_name) {
    const struct {
        DesignShown shown;
        std::vector<std::string> typed_here;  // the dialog's cells, over the shown; "-": left
        ByStratum by_stratum;
        std::string refused;  // the stratum named when the plan cannot be made
    } cases[] = {
        {wards("60", "40"), {"-", "-"}, {{"North", 60}, {"South", 40}}, ""},
        {wards("60", "40"), {"80", "-"}, {{"North", 80}, {"South", 40}}, ""},
        {wards("60", ""), {"-", "-"}, {}, "South"},
        {wards("60", ""), {"-", "30"}, {{"North", 60}, {"South", 30}}, ""},
        {wards("", ""), {"-", "-"}, {}, "North"},
        {wards("60", "40"), {"0", "-"}, {}, "North"},
        {wards("60", "40"), {"-", "South=4"}, {}, "South"},
        {wards("1", "1"), {"-", "-"}, {{"North", 1}, {"South", 1}}, ""},
    };
    for (const auto& c : cases) {
        PlanDialog dialog(pilot(), c.shown, {}, nullptr);
        auto* strata = control<QTableWidget>(&dialog, "strata");
        ASSERT_EQ(strata->rowCount(), int(c.typed_here.size()));
        for (int r = 0; r < strata->rowCount(); ++r) {
            EXPECT_EQ(strata->item(r, 0)->text().toStdString(), c.shown.strata[r].shown);
            if (c.typed_here[r] != "-")
                strata->item(r, 1)->setText(QString::fromStdString(c.typed_here[r]));
        }
        const PlanInputs inputs = dialog.inputs();
        const std::string said = inputs.why.toStdString();
        EXPECT_EQ(inputs.design.stratum_column, std::optional<std::string>("ward")) << said;
        EXPECT_FALSE(inputs.design.blocks_total) << said;
        if (c.refused.empty()) {
            EXPECT_TRUE(said.empty()) << said;
            EXPECT_EQ(inputs.design.blocks_by_stratum, c.by_stratum) << said;
        } else {
            EXPECT_NE(said.find(c.refused), std::string::npos) << said;
        }
    }
}

// The target typed in percent of the total is the plan's share of it; the assurance and the
// surveys per k as typed; the level is the pilot's.
TEST(plan_dialog_test, the_request_is_what_the_controls_hold) {
    const struct {
        double percent, share;
        int assurance, replicates;
    } cases[] = {{10, 0.1, 80, 500}, {30, 0.3, 90, 20}, {5, 0.05, 50, 1000}, {150, 1.5, 99, 333}};
    for (const auto& c : cases) {
        PlanDialog dialog(pilot(), city("100"), {}, nullptr);
        auto* target = control<QDoubleSpinBox>(&dialog, "target");
        target->setValue(c.percent);
        control<QSpinBox>(&dialog, "assurance")->setValue(c.assurance);
        control<QSpinBox>(&dialog, "replicates")->setValue(c.replicates);
        const kestrivo::analysis::PlanRequest request = dialog.inputs().request;
        EXPECT_EQ(request.target, c.share) << c.percent;
        EXPECT_DOUBLE_EQ(request.assurance, c.assurance / 100.0);
        EXPECT_EQ(request.replicates, c.replicates);
        EXPECT_EQ(request.level, pilot().level);
        EXPECT_TRUE(request.strata.empty());  // the pilot's, read on the worker
        EXPECT_EQ(request.cancel, nullptr);
        // The box says what the number is: never a bare share.
        EXPECT_TRUE(target->text().contains(QStringLiteral("% of the total")))
            << target->text().toStdString();
    }
}

// Shares are whole percentages, but never none or all of a share that is neither.
TEST(plan_dialog_test, shares_are_whole_percentages) {
    const struct {
        double share;
        const char* words;
    } cases[] = {{0.289994, "29%"},   {0.0873852, "9%"},   {0, "0%"},     {1, "100%"},
                 {0.004, "under 1%"}, {0.996, "over 99%"}, {0.005, "1%"}, {0.5, "50%"}};
    for (const auto& c : cases)
        EXPECT_EQ(share_words(c.share, QLocale::c()).toStdString(), c.words) << c.share;
}

// Each stratum's assumptions in words, whatever its model: the chance by count, the chance once
// seen, a Poisson spread, the later dogs recorded.
TEST(plan_dialog_test, the_note_says_each_model_in_words) {
    MadePlan made;
    made.request.target = 0.25;
    made.request.assurance = 0.9;
    kestrivo::analysis::PlanStratum north{"North", 1200, {}, true};
    north.model = {0.3, 0.4, 51.5352, std::nullopt, std::array<double, 3>{0.41, 0.452, 0.5}, 0.6};
    kestrivo::analysis::PlanStratum south{"South", 40, {}, false};
    south.model = {0.0873852, 0.534884, 94.6957, 3.456, std::nullopt, std::nullopt};
    made.request.strata = {north, south};
    made.plan.rows = {{}};
    made.plan.rows[0].k = 30;
    const QString note = plan_note_words(made, QLocale::c());
    const std::string said = note.toStdString();
    for (const char* words :
         {"No number of blocks to count up to 30", "±25% of the total", "90% of the",
          "(North 1200, South 40)", "Assumed in North: share always seen 30%",
          "41%, 45% and 50% on counts 1, 2 and 3 until first seen, 60% once seen",
          "52 dogs a block, varying between blocks by chance alone", "first seen on count 2 or 3",
          "Assumed in South: share always seen 9%", "chance of being seen on a count 53%",
          "95 dogs a block", "dispersion 3.5"})
        EXPECT_TRUE(note.contains(QString::fromUtf8(words))) << words << ": " << said;
}

// A plan that cannot be made says why in its status and starts nothing.
TEST(plan_dialog_test, a_missing_number_starts_no_plan) {
    PlanDialog dialog(pilot(), wards("60", ""), {}, nullptr);
    dialog.start();
    EXPECT_FALSE(dialog.busy());
    EXPECT_EQ(control<QLabel>(&dialog, "status")->text(), dialog.inputs().why);
}

}  // namespace
