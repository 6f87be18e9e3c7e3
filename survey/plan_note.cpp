// plan_note: the sentence kestrivo-plan has always written, now for every caller.
#include "survey/plan_note.h"

#include "platform/number_text.h"

namespace kestrivo::survey {
namespace {

std::string number(double value) {
    return platform::digits_text(value, kPlanDigits);
}

}  // namespace

PlanNote plan_note(const analysis::Plan& plan, const analysis::PlanRequest& r) {
    PlanNote out;
    const std::string percent = number(r.assurance * 100) + "%";
    std::string& note = out.note;
    note = plan.recommended ? "the smallest k whose " + percent +
                                  " quantile of the half-width is at most " + number(r.target)
           : plan.beyond_reach
               ? "the target " + number(r.target) + " needs more than " +
                     std::to_string(analysis::kMostSampled) +
                     " blocks a survey by the plan's approximation, more than it simulates"
               : "no k up to " + std::to_string(plan.rows.empty() ? 0 : plan.rows.back().k) +
                     " meets the target " + number(r.target) + " in " + percent + " of surveys";
    if (plan.recommended) {
        for (const auto& row : plan.rows) {
            if (row.k == *plan.recommended) out.warning = analysis::untrustworthy(row, r.level);
        }
    }
    if (!out.warning.empty()) note += "; " + out.warning;
    const auto& strata = r.strata;
    if (strata.size() > 1) note += "; blocks are allocated to strata in proportion to K_h";
    note += "; assumed";
    for (std::size_t h = 0; h < strata.size(); ++h) {
        const auto& m = strata[h].model;
        const std::string p = m.p_by_count
                                  ? number((*m.p_by_count)[0]) + ", " + number((*m.p_by_count)[1]) +
                                        ", " + number((*m.p_by_count)[2]) + " on counts 1, 2, 3"
                                  : number(m.P);
        // The behaviour model's P is a dog's until first seen; P_again its chance after.
        const std::string p_words =
            m.p_again ? p + " until first seen, " + number(*m.p_again) + " once seen" : p;
        note += (h ? "; " : " ") + (strata[h].name.empty() ? "" : strata[h].name + ": ") + "S " +
                number(m.S) + ", P " + p_words + ", " + number(m.mean_dogs) + " dogs a block, " +
                (m.dispersion ? "dispersion " + number(*m.dispersion) : std::string("Poisson"));
        if (strata[h].seven_histories) note += ", all seven histories recorded";
    }
    note += "; and the blocks of each stratum drawn at random, as the intervals assume";
    return out;
}

}  // namespace kestrivo::survey
