// make_plan: the grid of sample sizes, each simulated in parallel over surveys, then the
// bisection.
#include "analysis/survey_plan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstdio>
#include <random>
#include <string>

#include "analysis/city_total.h"
#include "analysis/parallel_for.h"

namespace kestrivo::analysis {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The q-quantile of ascending `sorted`, where +infinity (a survey with no interval) may be among
// the values.
double quantile_with_infinity(const std::vector<double>& sorted, double q) {
    if (sorted.empty()) return kInfinity;
    const double at = q * double(sorted.size() - 1);
    const std::size_t below = std::size_t(std::floor(at));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    if (std::isinf(sorted[above])) return at == double(below) ? sorted[below] : kInfinity;
    return quantile(sorted, q);
}

// One simulated survey: its city's true total and the total the survey estimates.
struct Survey {
    double truth = 0;
    TotalEstimate city;
    std::int64_t seen_again = 0;  // dogs of the sample seen again on count 2 or 3
};

Survey one_survey(const Library& library, const PlanRequest& request,
                  const std::vector<std::int64_t>& allocation, std::uint64_t replicate) {
    // Each stratum of the survey's city, and its bootstrap, draw from streams of their own, so
    // that a stratum's city is the same however many blocks are sampled from the others: a
    // larger k counts the same city with more of its blocks.
    const auto stream = [&](std::uint64_t part) {
        std::seed_seq seeds{std::uint32_t(request.seed), std::uint32_t(request.seed >> 32),
                            std::uint32_t(replicate), std::uint32_t(replicate >> 32),
                            std::uint32_t(part)};
        return std::mt19937_64(seeds);
    };
    Survey survey;
    SurveyDesign design;
    for (std::size_t h = 0; h < request.strata.size(); ++h) {
        const PlanStratum& plan = request.strata[h];
        std::mt19937_64 random = stream(h + 1);
        SimulatedStratum city(plan.model, plan.blocks_total, random);
        survey.truth += double(city.dogs());
        Stratum& stratum = design.stratum(plan.name);
        stratum.blocks_total = plan.blocks_total;
        stratum.blocks.reserve(std::size_t(allocation[h]));
        for (std::int64_t b = 0; b < allocation[h]; ++b) {
            const Counts counts = city.next(random).counts;
            survey.seen_again += std::int64_t{counts[1]} + counts[2] + counts[3];
            stratum.add(counts, std::nullopt);
        }
    }
    BootstrapPlan bootstrap;
    bootstrap.replicates = request.bootstrap;
    bootstrap.seed = stream(0)();
    survey.city = city_totals(library, design, request.level, bootstrap).back();
    return survey;
}

}  // namespace

std::int64_t smallest_k(const std::vector<PlanStratum>& strata) {
    std::int64_t k = 0;
    for (const PlanStratum& s : strata)
        k += std::min<std::int64_t>(2, s.blocks_total);
    return k;
}

std::vector<std::int64_t> allocate(std::int64_t k, const std::vector<PlanStratum>& strata) {
    std::int64_t city = 0;
    for (const PlanStratum& s : strata)
        city += s.blocks_total;
    std::vector<std::int64_t> k_h(strata.size());
    std::vector<double> share(strata.size());
    std::int64_t given = 0;
    for (std::size_t h = 0; h < strata.size(); ++h) {
        share[h] = double(k) * double(strata[h].blocks_total) / double(city);
        const std::int64_t least = std::min<std::int64_t>(2, strata[h].blocks_total);
        k_h[h] = std::clamp<std::int64_t>(std::int64_t(std::floor(share[h])), least,
                                          strata[h].blocks_total);
        given += k_h[h];
    }
    // The blocks left over go where the proportional share is furthest above what was given;
    // those given beyond k (to keep two a stratum) come from where it is furthest below.
    while (given < k) {
        std::size_t best = strata.size();
        for (std::size_t h = 0; h < strata.size(); ++h) {
            if (k_h[h] < strata[h].blocks_total &&
                (best == strata.size() ||
                 share[h] - double(k_h[h]) > share[best] - double(k_h[best]))) {
                best = h;
            }
        }
        if (best == strata.size()) break;
        ++k_h[best];
        ++given;
    }
    while (given > k) {
        std::size_t best = strata.size();
        for (std::size_t h = 0; h < strata.size(); ++h) {
            if (k_h[h] > std::min<std::int64_t>(2, strata[h].blocks_total) &&
                (best == strata.size() ||
                 share[h] - double(k_h[h]) < share[best] - double(k_h[best]))) {
                best = h;
            }
        }
        if (best == strata.size()) break;
        --k_h[best];
        --given;
    }
    return k_h;
}

PlanRow simulate_surveys(const Library& library, const PlanRequest& request, std::int64_t k) {
    PlanRow row;
    row.k = k;
    row.allocation = allocate(k, request.strata);
    std::vector<Survey> surveys(std::size_t(std::max(request.replicates, 1)));
    parallel_for(surveys.size(), request.jobs, [&](std::size_t i) {
        surveys[i] = one_survey(library, request, row.allocation, i);
    });
    std::vector<double> half_widths, ratios, seen_again;
    int covered = 0;
    for (const Survey& s : surveys) {
        seen_again.push_back(double(s.seen_again));
        const TotalEstimate& city = s.city;
        if (city.dogs && city.lower && city.upper && *city.dogs > 0) {
            half_widths.push_back((*city.upper - *city.lower) / (2 * *city.dogs));
            covered += *city.lower <= s.truth && s.truth <= *city.upper;
        } else {
            half_widths.push_back(kInfinity);
            ++row.without_interval;
        }
        if (city.dogs && s.truth > 0) ratios.push_back(*city.dogs / s.truth);
    }
    std::sort(half_widths.begin(), half_widths.end());
    std::sort(ratios.begin(), ratios.end());
    row.median_half_width = quantile_with_infinity(half_widths, 0.5);
    row.assurance_half_width = quantile_with_infinity(half_widths, request.assurance);
    row.coverage = double(covered) / double(surveys.size());
    row.median_ratio = ratios.empty() ? std::nan("") : quantile(ratios, 0.5);
    row.meets = row.assurance_half_width <= request.target;
    row.surveys = int(surveys.size());
    // The median's standard error, from the spread of the middle half: 1.2533 sd / sqrt(n) for
    // a normal spread, with the interquartile range over 1.349 for its sd.
    if (ratios.size() > 1) {
        const double sd = (quantile(ratios, 0.75) - quantile(ratios, 0.25)) / 1.349;
        row.median_ratio_error = 1.2533 * sd / std::sqrt(double(ratios.size()));
    }
    std::sort(seen_again.begin(), seen_again.end());
    row.median_seen_again = quantile(seen_again, 0.5);
    return row;
}

std::string untrustworthy(const PlanRow& row, double level) {
    if (row.surveys < 1) return "";
    // Far beyond what the simulation's own error explains: three standard errors past an
    // allowance of ten points of coverage, or of ten per cent of the truth.
    const double coverage_error = std::sqrt(level * (1 - level) / double(row.surveys));
    const bool covers_too_rarely = row.coverage < level - 0.10 - 3 * coverage_error;
    const bool off_the_truth = std::isnan(row.median_ratio) ||
                               std::fabs(row.median_ratio - 1) > 0.10 + 3 * row.median_ratio_error;
    if (!covers_too_rarely && !off_the_truth) return "";
    const auto percent = [](double share) { return std::to_string(int(std::lround(share * 100))); };
    std::string why = "the survey's estimate is not trustworthy at these assumptions: its "
                      "interval held the true total in " +
                      percent(row.coverage) + "% of the simulated surveys (a " + percent(level) +
                      "% interval should in about " + percent(level) + "%)";
    if (!std::isnan(row.median_ratio)) {
        char ratio[32];
        std::snprintf(ratio, sizeof ratio, "%.2f", row.median_ratio);
        why += ", and its median estimate was " + std::string(ratio) + " of the truth";
    }
    if (row.median_seen_again < 50) {
        why += "; with about " + std::to_string(std::llround(row.median_seen_again)) +
               " dogs of the sample seen again on a second or third count, too few dogs are seen "
               "to estimate visibility";
    }
    return why;
}

Plan make_plan(const Library& library, const PlanRequest& request,
               const std::function<void(const PlanRow&)>& progress) {
    std::int64_t city = 0;
    for (const PlanStratum& s : request.strata)
        city += s.blocks_total;
    // Never below two blocks a stratum, whatever the range asked for.
    const std::int64_t smallest = smallest_k(request.strata);
    const std::int64_t last =
        std::max(smallest, request.k_to > 0 ? std::min(request.k_to, city) : city);
    const std::int64_t first = std::clamp(request.k_from, smallest, last);
    Plan plan;
    const auto run = [&](std::int64_t k) {
        PlanRow row = simulate_surveys(library, request, k);
        if (progress) progress(row);
        plan.rows.push_back(row);
        return row.meets;
    };
    // Steps of about a third keep the table to a dozen rows from 10 to a thousand blocks.
    std::int64_t failed = 0, met = 0;
    for (std::int64_t k = first;;
         k = std::min(last, std::max(k + 1, std::int64_t(std::ceil(double(k) * 4 / 3))))) {
        if (run(k)) {
            met = k;
            break;
        }
        failed = k;
        if (k == last) break;
    }
    if (met > 0) {
        while (failed > 0 && met - failed > 1) {
            const std::int64_t middle = failed + (met - failed) / 2;
            (run(middle) ? met : failed) = middle;
        }
        plan.recommended = met;
    }
    std::sort(plan.rows.begin(), plan.rows.end(),
              [](const PlanRow& a, const PlanRow& b) { return a.k < b.k; });
    return plan;
}

}  // namespace kestrivo::analysis
