// run_plan: assumptions, the plan, then its table. Numbers are written to six significant
// digits: the simulation's own error is larger than that.
#include "plan_command.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <stdexcept>

#include <memory>

#include "platform/whole_file.h"
#include "pooled_visibility.h"
#include "progress_line.h"
#include "report_table.h"
#include "survey_file.h"

namespace kestrivo::cli {
namespace {

std::string number(double value) {
    if (std::isinf(value)) return "inf";
    if (std::isnan(value)) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

// Every stratum's blocks of the pilot survey.
analysis::SurveyDesign read_pilot(const PlanOptions& options) {
    std::ifstream in(*options.pilot, std::ios::binary);
    if (!in) throw std::runtime_error("the pilot survey \"" + *options.pilot + "\" cannot be read");
    analysis::SurveyDesign design;
    std::optional<std::size_t> column;
    survey::read_survey(
        in, *options.pilot,
        [&](const survey::Header& header) {
            if (!options.stratum) return;
            for (std::size_t i = 0; i < header.carried.size(); ++i) {
                if (header.carried[i] == *options.stratum) column = i;
            }
            if (!column) {
                throw std::runtime_error("the pilot survey has no column \"" + *options.stratum +
                                         "\" for --stratum");
            }
        },
        [&](const survey::Row& row) {
            if (!row.error.empty()) return;  // a row that cannot be read teaches nothing
            const std::string name =
                column && *column < row.carried.size() ? row.carried[*column] : std::string();
            design.stratum(name).add(row.counts, row.s_held);
        });
    return design;
}

// K_h of a stratum, from --blocks-total.
std::int64_t blocks_of(const PlanOptions& options, const std::string& name) {
    if (!options.stratum) {
        if (!options.blocks_total.city) {
            throw std::runtime_error("--blocks-total must be one number K without --stratum");
        }
        return *options.blocks_total.city;
    }
    const auto k = options.blocks_total.by_stratum.find(name);
    if (k == options.blocks_total.by_stratum.end()) {
        throw std::runtime_error("--blocks-total gives no K for the stratum \"" + name + "\"");
    }
    return k->second;
}

std::string allocation_text(const analysis::PlanRow& row,
                            const std::vector<analysis::PlanStratum>& strata) {
    if (strata.size() == 1) return std::to_string(row.allocation[0]);
    std::string text;
    for (std::size_t h = 0; h < strata.size(); ++h)
        text += (h ? ";" : "") + strata[h].name + "=" + std::to_string(row.allocation[h]);
    return text;
}

std::string json_string(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string json_number(double value) {
    return std::isfinite(value) ? number(value) : "null";
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
                                                  const analysis::Library& library) {
    std::vector<analysis::PlanStratum> strata;
    if (!options.pilot) {
        analysis::PlanStratum only;
        only.blocks_total = blocks_of(options, "");
        only.model = {*options.S, *options.P, *options.dogs_per_block, options.dispersion};
        strata.push_back(only);
        return strata;
    }
    const analysis::SurveyDesign design = read_pilot(options);
    if (design.strata.empty()) throw std::runtime_error("the pilot survey has no readable block");
    for (const analysis::Stratum& stratum : design.strata) {
        const std::string label = stratum.name.empty() ? "the pilot" : "\"" + stratum.name + "\"";
        const auto pooled = analysis::pool(library, stratum, options.request.level);
        if (!pooled) throw std::runtime_error(label + ": " + pooled.why_not);
        if (stratum.blocks.size() < 2) {
            throw std::runtime_error(label +
                                     " has one block: the spread of dogs between blocks "
                                     "needs two at least");
        }
        // The blocks' dogs under the shared visibility, and their mean and variance.
        double sum = 0, sum_squares = 0;
        for (const analysis::Counts& counts : stratum.blocks) {
            const std::int64_t n = std::int64_t(counts[0]) + counts[1] + counts[2] + counts[3];
            const double dogs = analysis::dogs_under(pooled, n).estimate;
            sum += dogs;
            sum_squares += dogs * dogs;
        }
        const double k = double(stratum.blocks.size());
        const double mean = sum / k;
        const double variance = (sum_squares - k * mean * mean) / (k - 1);
        analysis::PlanStratum plan;
        plan.name = stratum.name;
        plan.blocks_total = blocks_of(options, stratum.name);
        const auto& e = *pooled.report.estimates;
        plan.model.S = e.S;
        plan.model.P = e.P;
        plan.model.mean_dogs = mean;
        // Negative binomial by moments: variance = m + m^2 / r.
        if (variance > mean) plan.model.dispersion = mean * mean / (variance - mean);
        strata.push_back(plan);
    }
    return strata;
}

int run_plan(PlanOptions options, const analysis::Library& library, std::ostream& out,
             std::ostream& err, bool err_is_terminal, const PlanPlotModule* plots) {
    try {
        options.request.strata = assumed_strata(options, library);
    } catch (const std::exception& e) {
        err << "kestrivo-plan: " << e.what() << ".\n";
        return kUsageOrFileError;
    }
    const auto& strata = options.request.strata;
    if (const auto least = analysis::smallest_k(strata);
        options.request.k_to > 0 && options.request.k_to < least) {
        err << "kestrivo-plan: --k-to must be at least " << least
            << ", two blocks in each stratum.\n";
        return kUsageOrFileError;
    }
    ProgressLine progress(err, err_is_terminal, std::chrono::seconds(1), "kestrivo-plan",
                          "surveys simulated");
    std::size_t simulated = 0;
    const analysis::Plan plan =
        analysis::make_plan(library, options.request, [&](const analysis::PlanRow& row) {
            simulated += std::size_t(options.request.replicates);
            progress.blocks_done(simulated);
            (void)row;
        });
    progress.finish();

    const auto& r = options.request;
    const std::string percent = number(r.assurance * 100) + "%";
    std::string note =
        plan.recommended
            ? "the smallest k whose " + percent + " quantile of the half-width is at most " +
                  number(r.target)
            : "no k up to " + std::to_string(plan.rows.empty() ? 0 : plan.rows.back().k) +
                  " meets the target " + number(r.target) + " in " + percent + " of surveys";
    if (strata.size() > 1) note += "; blocks are allocated to strata in proportion to K_h";
    note += "; assumed";
    for (std::size_t h = 0; h < strata.size(); ++h) {
        const auto& m = strata[h].model;
        note += (h ? "; " : " ") + (strata[h].name.empty() ? "" : strata[h].name + ": ") + "S " +
                number(m.S) + ", P " + number(m.P) + ", " + number(m.mean_dogs) +
                " dogs a block, " +
                (m.dispersion ? "dispersion " + number(*m.dispersion) : std::string("Poisson"));
    }

    if (options.format == Format::csv) {
        out << "row,k,allocation,median_half_width,assurance_half_width,coverage,median_ratio,"
               "surveys_without_interval,meets_target,note\n";
        for (const auto& row : plan.rows) {
            out << "k," << row.k << ',' << survey::csv_field(defused(allocation_text(row, strata)))
                << ',' << number(row.median_half_width) << ',' << number(row.assurance_half_width)
                << ',' << number(row.coverage) << ',' << number(row.median_ratio) << ','
                << row.without_interval << ',' << (row.meets ? "yes" : "no") << ",\n";
        }
        out << "recommended," << (plan.recommended ? std::to_string(*plan.recommended) : "")
            << ",,,,,,,," << survey::csv_field(note) << '\n';
    } else {
        out << "{\"recommended_k\": "
            << (plan.recommended ? std::to_string(*plan.recommended) : "null")
            << ", \"target\": " << number(r.target) << ", \"assurance\": " << number(r.assurance)
            << ", \"note\": " << json_string(note) << ", \"assumed\": [";
        for (std::size_t h = 0; h < strata.size(); ++h) {
            const auto& m = strata[h].model;
            out << (h ? ", " : "") << "{\"stratum\": " << json_string(strata[h].name)
                << ", \"blocks_total\": " << strata[h].blocks_total << ", \"S\": " << number(m.S)
                << ", \"P\": " << number(m.P) << ", \"dogs_per_block\": " << number(m.mean_dogs)
                << ", \"dispersion\": " << (m.dispersion ? number(*m.dispersion) : "null") << "}";
        }
        out << "], \"rows\": [";
        for (std::size_t i = 0; i < plan.rows.size(); ++i) {
            const auto& row = plan.rows[i];
            out << (i ? ",\n  " : "\n  ") << "{\"k\": " << row.k << ", \"allocation\": {";
            for (std::size_t h = 0; h < strata.size(); ++h)
                out << (h ? ", " : "") << json_string(strata[h].name) << ": " << row.allocation[h];
            out << "}, \"median_half_width\": " << json_number(row.median_half_width)
                << ", \"assurance_half_width\": " << json_number(row.assurance_half_width)
                << ", \"coverage\": " << json_number(row.coverage)
                << ", \"median_ratio\": " << json_number(row.median_ratio)
                << ", \"surveys_without_interval\": " << row.without_interval
                << ", \"meets_target\": " << (row.meets ? "true" : "false") << "}";
        }
        out << "\n]}\n";
    }
    out.flush();
    if (!out) {
        err << "kestrivo-plan: the plan could not be written.\n";
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
    return plan.recommended ? kAllFitted : kSomeErrors;
}

}  // namespace kestrivo::cli
