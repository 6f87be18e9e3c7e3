// What the Plan... dialog hands to the plan from what is typed, and what the survey window's
// design shown hands to the report: each stratum's number of blocks is read by one rule for both,
// the rule kestrivo-report and kestrivo-plan apply to --blocks-total. Table-driven.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLabel>
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

// The target, the assurance and the surveys per k as typed; the level is the pilot's.
TEST(plan_dialog_test, the_request_is_what_the_controls_hold) {
    const struct {
        double target;
        int assurance, replicates;
    } cases[] = {{0.3, 90, 20}, {0.05, 50, 1000}, {1.5, 99, 333}};
    for (const auto& c : cases) {
        PlanDialog dialog(pilot(), city("100"), {}, nullptr);
        control<QDoubleSpinBox>(&dialog, "target")->setValue(c.target);
        control<QSpinBox>(&dialog, "assurance")->setValue(c.assurance);
        control<QSpinBox>(&dialog, "replicates")->setValue(c.replicates);
        const kestrivo::analysis::PlanRequest request = dialog.inputs().request;
        EXPECT_DOUBLE_EQ(request.target, c.target);
        EXPECT_DOUBLE_EQ(request.assurance, c.assurance / 100.0);
        EXPECT_EQ(request.replicates, c.replicates);
        EXPECT_EQ(request.level, pilot().level);
        EXPECT_TRUE(request.strata.empty());  // the pilot's, read on the worker
        EXPECT_EQ(request.cancel, nullptr);
    }
}

// A plan that cannot be made says why in its status and starts nothing.
TEST(plan_dialog_test, a_missing_number_starts_no_plan) {
    PlanDialog dialog(pilot(), wards("60", ""), {}, nullptr);
    dialog.start();
    EXPECT_FALSE(dialog.busy());
    EXPECT_EQ(control<QLabel>(&dialog, "status")->text(), dialog.inputs().why);
}

}  // namespace
