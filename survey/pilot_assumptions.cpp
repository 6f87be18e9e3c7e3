// pilot_assumptions: the pilot through the one design builder, then each stratum's pooled fit and
// the moments of its blocks' dogs under it.
#include "survey/pilot_assumptions.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "analysis/pooled_visibility.h"
#include "analysis/seven_histories.h"
#include "survey/report_notes.h"

namespace kestrivo::survey {

std::vector<analysis::PlanStratum> pilot_assumptions(std::istream& in, const std::string& name,
                                                     DesignOptions design,
                                                     const analysis::Library& library, double level,
                                                     std::vector<std::string>& notes) {
    // What cannot go together is refused before any row is read, as the report refuses it.
    if (std::optional<DesignRefusal> refused = design.refusal()) {
        throw DesignRefused{std::move(*refused)};
    }
    // A pilot may come from elsewhere: it may hold more blocks than the city has.
    design.blocks_are_a_sample = false;
    DesignBuilder builder(design);
    SurveyReader reader(in, name);
    if (std::optional<DesignRefusal> refused = builder.begin_file(reader.header(), name)) {
        throw DesignRefused{std::move(*refused)};
    }
    std::size_t rows = 0, unused = 0;
    while (const std::optional<Row> row = reader.next()) {
        ++rows;
        if (!row->error.empty()) {
            ++unused;
            notes.push_back(row->error + "; the row is not used");
        }
        builder.add(*row);
    }
    if (unused > 0) {
        notes.push_back(std::to_string(rows - unused) + " of the pilot's " + std::to_string(rows) +
                        " rows were used");
    }
    BuiltDesign built = builder.build();
    if (!built.design) throw DesignRefused{std::move(*built.refused)};
    const analysis::SurveyDesign& pilot = *built.design;
    std::vector<analysis::PlanStratum> strata;
    if (pilot.strata.empty()) throw std::runtime_error("the pilot survey has no readable block");
    for (const analysis::Stratum& stratum : pilot.strata) {
        const std::string label = stratum.name.empty() ? "the pilot" : "\"" + stratum.name + "\"";
        // The plan reads no test of pooling: its replicates would only cost time.
        analysis::PoolingTest no_replicates;
        no_replicates.replicates = 0;
        const analysis::PooledVisibility pooled =
            analysis::pool(library, stratum, level, no_replicates);
        if (!pooled) throw std::runtime_error(label + ": " + pooled.why_not);
        if (stratum.blocks.size() < 2) {
            throw std::runtime_error(label +
                                     " has one block: the spread of dogs between blocks "
                                     "needs two at least");
        }
        // The blocks' dogs under the shared visibility as the report gives them (with all seven
        // histories, over the share ever seen averaged between the models), and their mean and
        // variance.
        double sum = 0, sum_squares = 0;
        for (std::size_t b = 0; b < stratum.blocks.size(); ++b) {
            const std::optional<analysis::Later> later =
                pooled.seven ? std::optional(stratum.later[b]) : std::nullopt;
            const double dogs = analysis::block_dogs(pooled, stratum.blocks[b], later).estimate;
            sum += dogs;
            sum_squares += dogs * dogs;
        }
        const double k = double(stratum.blocks.size());
        const double mean = sum / k;
        const double variance = (sum_squares - k * mean * mean) / (k - 1);
        analysis::PlanStratum plan;
        plan.name = stratum.name;
        plan.blocks_total = *stratum.blocks_total;
        if (pooled.seven) {
            // The model the report chooses by AICc for the pooled row: its S and P's. Where P
            // differs by count, the four histories alone would estimate the plan's surveys far
            // from their truth, so they record the seven and are estimated from them, as this
            // one was (at a hundred times the cost of each survey). Where it does not, the four
            // estimate them without bias, in seconds.
            const analysis::SevenFit& fit = pooled.seven->chosen_fit();
            plan.model.S = fit.S;
            plan.model.P = fit.P[0];  // count 1's, the share seen the first guess of k takes
            if (pooled.seven->chosen == analysis::VisibilityModel::by_count) {
                plan.model.p_by_count = fit.P;
                plan.seven_histories = true;
            }
            // Where a dog once seen is seen with another chance, P is P_first, and the four
            // histories alone would take P_again for it: the surveys record the seven too.
            if (pooled.seven->chosen == analysis::VisibilityModel::behaviour) {
                plan.model.p_again = fit.P_again;
                plan.seven_histories = true;
            }
        } else {
            const auto& e = *pooled.report.estimates;
            plan.model.S = e.S;
            plan.model.P = e.P;
            if (stratum.later_columns)
                notes.push_back(label + ": " + note_words(four_histories_note(stratum), {}));
        }
        plan.model.mean_dogs = mean;
        // Negative binomial by moments: variance = m + m^2 / r.
        if (variance > mean) plan.model.dispersion = mean * mean / (variance - mean);
        strata.push_back(plan);
    }
    return strata;
}

std::vector<analysis::PlanStratum> pilot_assumptions(const std::string& path,
                                                     const DesignOptions& design,
                                                     const analysis::Library& library, double level,
                                                     std::vector<std::string>& notes) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw std::runtime_error("the pilot survey \"" + path +
                                 "\" is a folder, not a survey file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("the pilot survey \"" + path +
                                 "\" cannot be read: " + std::strerror(errno));
    }
    return pilot_assumptions(in, path, design, library, level, notes);
}

}  // namespace kestrivo::survey
