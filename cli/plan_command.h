// kestrivo-plan: how many blocks to count. Reads the assumptions (given, or learnt from a pilot
// survey), runs the plan of analysis/survey_plan.h and writes its table, one row per sample
// size k, then the recommendation, as CSV or JSON.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "analysis/survey_plan.h"
#include "cli/common_options.h"
#include "cli/report_command.h"
#include "plot/png_module.h"

namespace kestrivo::cli {

struct PlanOptions {
    CommonOptions common;  // the stratum column is the pilot's
    /// Its strata, level, seed and threads are filled from the rest.
    analysis::PlanRequest request;
    std::optional<std::string> pilot;  // a survey file
    std::optional<double> S, P, dogs_per_block, dispersion;
    std::optional<std::string> plot;  // FILE.png or FILE.svg
    bool quiet = false;               // no progress line
};

/// The plot module's entries for --plot.
struct PlanPlotModule {
    kestrivo_plan_plot_fn draw = nullptr;
    kestrivo_plot_free_fn free = nullptr;
};

/// The strata the plan simulates, from the options: the pilot's pooled S and P per stratum and
/// the mean and negative-binomial dispersion of its blocks' N_pool (by moments; Poisson when
/// they vary no more than that), or the values given. Throws std::runtime_error with a message
/// for the user when they cannot be had; `notes` hears of each pilot row that cannot be used.
std::vector<analysis::PlanStratum> assumed_strata(const PlanOptions& options,
                                                  const analysis::Library& library,
                                                  std::vector<std::string>& notes);

/// Runs the plan and writes it. Returns 0 with a recommendation, 1 when no k up to the last
/// meets the target, 2 for a usage or file error (explained on `err`).
int run_plan(PlanOptions options, const analysis::Library& library, std::ostream& out,
             std::ostream& err, bool err_is_terminal, const PlanPlotModule* plots = nullptr);

}  // namespace kestrivo::cli
