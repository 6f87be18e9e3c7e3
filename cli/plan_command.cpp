// run_plan: assumptions, the plan, then its table. Numbers are written to six significant
// digits: the simulation's own error is larger than that.
#include "cli/plan_command.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "analysis/pooled_visibility.h"
#include "cli/design_words.h"
#include "platform/command_files.h"
#include "platform/number_text.h"
#include "platform/progress_line.h"
#include "platform/whole_file.h"
#include "survey/csv_writer.h"
#include "survey/design_builder.h"
#include "survey/json_writer.h"
#include "survey/pilot_assumptions.h"
#include "survey/plan_note.h"

namespace kestrivo::cli {
namespace {

using survey::kPlanDigits;

// A number that may be missing (NaN: no survey gave one) as a cell.
survey::Cell cell(double value) {
    if (std::isnan(value)) return {};
    return value;
}

// `text` as a sentence of its own: with a full stop at its end, once.
std::string sentence(std::string text) {
    if (!text.ends_with('.')) text += '.';
    return text;
}

std::string allocation_text(const analysis::PlanRow& row,
                            const std::vector<analysis::PlanStratum>& strata) {
    if (strata.size() == 1) return std::to_string(row.allocation[0]);
    std::string text;
    for (std::size_t h = 0; h < strata.size(); ++h)
        text += (h ? ";" : "") + strata[h].name + "=" + std::to_string(row.allocation[h]);
    return text;
}

// The rows' assurance half-widths against k, with the target and the recommendation, drawn by
// the plot module and written whole.
void write_plot(const std::string& path, const analysis::Plan& plan,
                const analysis::PlanRequest& request, const PlanPlotModule& module) {
    std::vector<double> k, width;
    for (const auto& row : plan.rows) {
        k.push_back(double(row.k));
        width.push_back(row.assurance_half_width);
    }
    unsigned char* bytes = nullptr;
    std::size_t size = 0;
    const bool svg = path.ends_with(".svg");
    if (module.draw(k.data(), width.data(), std::int32_t(k.size()), request.target,
                    request.assurance, plan.recommended.value_or(0), svg ? 1 : 0, &bytes,
                    &size) != 0) {
        throw std::runtime_error("the picture could not be drawn");
    }
    const std::unique_ptr<unsigned char, kestrivo_plot_free_fn> held(bytes, module.free);
    platform::write_whole_file(path, std::string_view(reinterpret_cast<const char*>(bytes), size));
}

}  // namespace

std::vector<analysis::PlanStratum> assumed_strata(const PlanOptions& options,
                                                  const analysis::Library& library,
                                                  std::vector<std::string>& notes) {
    std::vector<analysis::PlanStratum> strata;
    if (!options.pilot) {
        analysis::PlanStratum only;
        only.blocks_total = *options.common.blocks_total.city;
        only.model = {*options.S, *options.P, *options.dogs_per_block, options.dispersion, {}};
        strata.push_back(only);
        return strata;
    }
    survey::DesignOptions design = options.common.design();
    return survey::pilot_assumptions(*options.pilot, design, library, options.common.level, notes);
}

namespace {

// The plan's table as CSV: a row for each k, then the recommendation with its note.
void write_csv(std::ostream& out, const analysis::Plan& plan,
               const std::vector<analysis::PlanStratum>& strata, const std::string& note) {
    std::vector<survey::Cell> header;
    for (const char* name :
         {"row", "k", "allocation", "median_half_width", "assurance_half_width", "coverage",
          "median_ratio", "surveys_without_interval", "meets_target", "note"})
        header.emplace_back(std::string(name));
    survey::write_csv_row(out, header, kPlanDigits, "\n");
    for (const auto& row : plan.rows) {
        survey::write_csv_row(out,
                              {std::string("k"),
                               std::int64_t{row.k},
                               allocation_text(row, strata),
                               cell(row.median_half_width),
                               cell(row.assurance_half_width),
                               cell(row.coverage),
                               cell(row.median_ratio),
                               std::int64_t{row.without_interval},
                               std::string(row.meets ? "yes" : "no"),
                               {}},
                              kPlanDigits, "\n");
    }
    std::vector<survey::Cell> last(10);
    last[0] = std::string("recommended");
    if (plan.recommended) last[1] = std::int64_t{*plan.recommended};
    last[9] = note;
    survey::write_csv_row(out, last, kPlanDigits, "\n");
}

// The plan as one JSON object: the recommendation, the assumptions and the rows.
void write_json(std::ostream& out, const analysis::Plan& plan, const analysis::PlanRequest& r,
                const std::string& note) {
    using survey::json_value;
    const survey::JsonLayout layout{", ", ": "};
    const auto value = [](double x) { return json_value(x, kPlanDigits); };
    std::vector<std::string> assumed;
    for (const analysis::PlanStratum& stratum : r.strata) {
        const auto& m = stratum.model;
        assumed.push_back(
            survey::json_object({{"stratum", survey::json_string(stratum.name)},
                                 {"blocks_total", std::to_string(stratum.blocks_total)},
                                 {"S", value(m.S)},
                                 {"P", value(m.P)},
                                 {"dogs_per_block", value(m.mean_dogs)},
                                 {"dispersion", m.dispersion ? value(*m.dispersion) : "null"}},
                                layout));
    }
    std::vector<std::string> rows;
    for (const auto& row : plan.rows) {
        std::vector<survey::JsonMember> allocation;
        for (std::size_t h = 0; h < r.strata.size(); ++h)
            allocation.emplace_back(r.strata[h].name, std::to_string(row.allocation[h]));
        rows.push_back(
            survey::json_object({{"k", std::to_string(row.k)},
                                 {"allocation", survey::json_object(allocation, layout)},
                                 {"median_half_width", value(row.median_half_width)},
                                 {"assurance_half_width", value(row.assurance_half_width)},
                                 {"coverage", value(row.coverage)},
                                 {"median_ratio", value(row.median_ratio)},
                                 {"surveys_without_interval", std::to_string(row.without_interval)},
                                 {"meets_target", survey::json_bool(row.meets)},
                                 {"surveys", std::to_string(row.surveys)}},
                                layout));
    }
    out << survey::json_object(
               {{"recommended_k", plan.recommended ? std::to_string(*plan.recommended) : "null"},
                {"target", value(r.target)},
                {"assurance", value(r.assurance)},
                {"note", survey::json_string(note)},
                {"assumed", survey::json_array(assumed, layout)},
                {"rows", survey::json_array(rows, {",\n  ", "", "\n  ", "\n"})}},
               layout)
        << "\n";
}

}  // namespace

int run_plan(PlanOptions options, const analysis::Library& library, std::ostream& out,
             std::ostream& err, bool err_is_terminal, const PlanPlotModule* plots) {
    if (const std::string why = options.common.why_invalid(); !why.empty()) {
        err << "kestrivo-plan: " << why << "\n";
        return kUsageOrFileError;
    }
    options.request.level = options.common.level;
    options.request.seed = options.common.seed;
    options.request.jobs = options.common.threads();
    auto& request = options.request;
    if (request.k_to > 0 && request.k_from > request.k_to) {
        err << "kestrivo-plan: --k-from " << request.k_from << " is above --k-to " << request.k_to
            << ": there is no k to try.\n";
        return kUsageOrFileError;
    }
    // Asked before the pilot is read and the surveys simulated, not after an hour of them.
    platform::CommandFiles files;
    if (options.pilot) files.inputs.push_back({*options.pilot, "the pilot survey"});
    files.outputs.push_back({"-", "the plan"});
    if (options.plot) files.outputs.push_back({*options.plot, "the plot"});
    if (const std::string why = platform::why_refused(files); !why.empty()) {
        err << "kestrivo-plan: " << why << "\n";
        return kUsageOrFileError;
    }
    std::vector<std::string> notes;
    try {
        request.strata = assumed_strata(options, library, notes);
    } catch (const survey::DesignRefused& refused) {
        for (const std::string& note : notes)
            err << "kestrivo-plan: " << note << ".\n";
        err << "kestrivo-plan: " << sentence(command_line_words(refused.refusal)) << "\n";
        return kUsageOrFileError;
    } catch (const std::exception& e) {
        for (const std::string& note : notes)
            err << "kestrivo-plan: " << note << ".\n";
        err << "kestrivo-plan: " << sentence(e.what()) << "\n";
        return kUsageOrFileError;
    }
    for (const std::string& note : notes)
        err << "kestrivo-plan: " << note << ".\n";
    const auto& strata = request.strata;
    if (const auto least = analysis::smallest_k(strata); request.k_to > 0 && request.k_to < least) {
        err << "kestrivo-plan: --k-to must be at least " << least
            << ", two blocks in each stratum.\n";
        return kUsageOrFileError;
    }
    std::int64_t city_blocks = 0;
    for (const auto& stratum : strata)
        city_blocks += stratum.blocks_total;
    if (request.k_from > city_blocks) {
        err << "kestrivo-plan: --k-from " << request.k_from << " is more than the city's "
            << city_blocks << " blocks; the plan starts at " << city_blocks << ".\n";
    }
    platform::ProgressLine progress(err, err_is_terminal && !options.quiet, std::chrono::seconds(1),
                                    "kestrivo-plan", "surveys simulated");
    const analysis::Plan plan = analysis::make_plan(
        library, options.request,
        [&](const analysis::PlanRow& row, const analysis::PlanProgress& done) {
            progress.say(std::to_string(done.rows) + (done.rows == 1 ? " row" : " rows") +
                         " decided, " + std::to_string(done.surveys) +
                         " surveys simulated; now k = " + std::to_string(row.k));
        });
    progress.finish();

    const auto& r = options.request;
    const auto [note, warning] = survey::plan_note(plan, r);
    if (options.common.format == survey::Format::csv) {
        write_csv(out, plan, strata, note);
    } else {
        write_json(out, plan, r, note);
    }
    errno = 0;
    out.flush();
    if (!out) {
        const int error = errno;
        err << "kestrivo-plan: the plan could not be written: "
            << (error ? std::strerror(error) : "output error") << ".\n";
        return kUsageOrFileError;
    }
    if (options.plot && plots) {
        try {
            write_plot(*options.plot, plan, r, *plots);
        } catch (const std::exception& e) {
            err << "kestrivo-plan: the plot could not be written: " << e.what() << "\n";
            return kUsageOrFileError;
        }
    }
    if (!plan.recommended) err << "kestrivo-plan: " << note << ".\n";
    if (!warning.empty())
        err << "kestrivo-plan: k " << *plan.recommended << ": " << warning << ".\n";
    return plan.recommended && warning.empty() ? kAllFitted : kSomeErrors;
}

}  // namespace kestrivo::cli
