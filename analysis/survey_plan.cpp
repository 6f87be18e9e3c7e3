// make_plan: the grid of sample sizes, each simulated in parallel over surveys, then the
// bisection (PlanSearch).
#include "analysis/survey_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <map>

#include "analysis/boost_policy.h"
#include "analysis/city_total.h"
#include "analysis/parallel_for.h"

namespace kestrivo::analysis {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Surveys are simulated in batches of this many between looks of the sequential rule.
constexpr std::size_t kBatch = 50;

// Thrown between batches when the request is cancelled.
struct Stopped {};

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
            const SimulatedBlock block = city.next(random);
            const Counts& counts = block.counts;
            survey.seen_again += std::int64_t{counts[1]} + counts[2] + counts[3];
            if (plan.seven_histories) {
                survey.seen_again += block.later[2];  // seen on counts 2 and 3
                stratum.add(counts, std::nullopt, block.later);
            } else {
                stratum.add(counts, std::nullopt);
            }
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

namespace {

// The surveys simulated so far for one sample size; survey i is always the same survey.
struct RowSurveys {
    std::int64_t k = 0;
    std::vector<std::int64_t> allocation;
    std::vector<Survey> surveys;
};

// Simulates surveys up to `upto` (those not yet simulated, in parallel).
void simulate_up_to(const Library& library, const PlanRequest& request, RowSurveys& row,
                    std::size_t upto) {
    const std::size_t from = row.surveys.size();
    if (upto <= from) return;
    row.surveys.resize(upto);
    parallel_for(upto - from, request.jobs, [&](std::size_t i) {
        row.surveys[from + i] = one_survey(library, request, row.allocation, from + i);
    });
}

double half_width(const Survey& s) {
    const TotalEstimate& city = s.city;
    if (city.dogs && city.lower && city.upper && *city.dogs > 0) {
        return (*city.upper - *city.lower) / (2 * *city.dogs);
    }
    return kInfinity;
}

PlanRow summarise(const RowSurveys& simulated, const PlanRequest& request) {
    PlanRow row;
    row.k = simulated.k;
    row.allocation = simulated.allocation;
    const auto& surveys = simulated.surveys;
    std::vector<double> half_widths, ratios, seen_again;
    int covered = 0;
    for (const Survey& s : surveys) {
        seen_again.push_back(double(s.seen_again));
        const TotalEstimate& city = s.city;
        half_widths.push_back(half_width(s));
        if (std::isfinite(half_widths.back())) {
            covered += *city.lower <= s.truth && s.truth <= *city.upper;
        } else {
            ++row.without_interval;
        }
        if (city.dogs && s.truth > 0) ratios.push_back(*city.dogs / s.truth);
    }
    std::sort(half_widths.begin(), half_widths.end());
    std::sort(ratios.begin(), ratios.end());
    row.median_half_width = quantile_with_infinity(half_widths, 0.5);
    row.assurance_half_width = quantile_with_infinity(half_widths, request.assurance);
    row.coverage = double(covered) / double(std::max<std::size_t>(surveys.size(), 1));
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
    row.median_seen_again = seen_again.empty() ? 0 : quantile(seen_again, 0.5);
    return row;
}

enum class Verdict { meets, fails, undecided };

// The sequential rule: with m of n surveys meeting the target, the exact (Clopper-Pearson)
// interval for the share of all surveys that would meet it, at 1 - kLookError. A row whose
// interval lies wholly above the assurance meets, wholly below fails; else it goes on.
Verdict early_verdict(const RowSurveys& row, const PlanRequest& request) {
    const double n = double(row.surveys.size());
    double m = 0;
    for (const Survey& s : row.surveys)
        m += half_width(s) <= request.target;
    const double tail = kLookError / 2;
    const double lower = m > 0 ? boost::math::ibeta_inv(m, n - m + 1, tail, MathPolicy()) : 0;
    const double upper = m < n ? boost::math::ibeta_inv(m + 1, n - m, 1 - tail, MathPolicy()) : 1;
    if (lower > request.assurance) return Verdict::meets;
    if (upper < request.assurance) return Verdict::fails;
    return Verdict::undecided;
}

}  // namespace

PlanRow simulate_surveys(const Library& library, const PlanRequest& request, std::int64_t k) {
    RowSurveys row{k, allocate(k, request.strata), {}};
    simulate_up_to(library, request, row, std::size_t(std::max(request.replicates, 1)));
    return summarise(row, request);
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
    std::string why =
        "the survey's estimate is not trustworthy at these assumptions: its "
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

double stratum_relative_variance(const BlockModel& model, double K, double k) {
    const double s = model.S, p = model.P, m = model.mean_dogs;
    const double q = s + (1 - s) * p;
    if (!(q > 0 && q < 1 && k > 0 && m > 0)) return q >= 1 ? 0 : kInfinity;
    // The histories' chances given seen on count 1 (t = S / q territorial), and their slopes in
    // S and P by central differences: the Fisher information of one dog.
    const auto chances = [](double s, double p) {
        const double q = s + (1 - s) * p, u = 1 - s / q;
        return std::array<double, 4>{u * (1 - p) * (1 - p), 1 - u * (1 - p * p), u * p * (1 - p),
                                     u * p * (1 - p)};
    };
    const double h = 1e-6;
    const double s_at = std::clamp(s, h, 1 - 2 * h), p_at = std::clamp(p, h, 1 - 2 * h);
    const auto pi = chances(s_at, p_at);
    const auto ds1 = chances(s_at + h, p_at), ds0 = chances(s_at - h, p_at);
    const auto dp1 = chances(s_at, p_at + h), dp0 = chances(s_at, p_at - h);
    double iss = 0, isp = 0, ipp = 0;
    for (std::size_t c = 0; c < 4; ++c) {
        if (!(pi[c] > 0)) continue;
        const double a = (ds1[c] - ds0[c]) / (2 * h), b = (dp1[c] - dp0[c]) / (2 * h);
        iss += a * a / pi[c];
        isp += a * b / pi[c];
        ipp += b * b / pi[c];
    }
    const double det = iss * ipp - isp * isp;
    // The variance of q-hat = S + (1 - S) P per dog seen: g' I^-1 g with g = (1 - P, 1 - S).
    const double g1 = 1 - p, g2 = 1 - s;
    const double per_dog =
        det > 0 ? (g1 * g1 * ipp - 2 * g1 * g2 * isp + g2 * g2 * iss) / det : kInfinity;
    const double seen = k * m * q;  // dogs seen on count 1 in the sample
    const double spread =
        1 / m + (model.dispersion ? 1 / *model.dispersion : 0) + (1 - q) / (q * m);
    return std::fmax(0.0, 1 - k / K) * spread / k + per_dog / seen / (q * q) +
           (1 - q) / (q * K * m);
}

std::int64_t first_guess(const PlanRequest& request) {
    std::int64_t city = 0;
    for (const PlanStratum& s : request.strata)
        city += s.blocks_total;
    const std::int64_t smallest = smallest_k(request.strata);
    // The relative variance of the city total at k blocks: each stratum's, weighted by the
    // square of its share of the expected total.
    const auto relative_variance = [&](std::int64_t k) {
        const auto k_h = allocate(k, request.strata);
        double total = 0, variance = 0;
        for (std::size_t h = 0; h < request.strata.size(); ++h) {
            const BlockModel& m = request.strata[h].model;
            const double K = double(request.strata[h].blocks_total), kk = double(k_h[h]);
            const double T = K * m.mean_dogs;
            const double v = stratum_relative_variance(m, K, kk);
            total += T;
            variance += T * T * v;
        }
        return total > 0 ? variance / (total * total) : kInfinity;
    };
    // The assurance quantile of the half-width: t times the standard error, which itself varies
    // between surveys by about 1 / sqrt(2 (k - 1)) of itself.
    const boost::math::normal_distribution<double, MathPolicy> normal;
    const double z = boost::math::quantile(normal, request.assurance);
    const auto half_width_at = [&](std::int64_t k) {
        const double df =
            double(std::max<std::int64_t>(k - std::int64_t(request.strata.size()), 1));
        const boost::math::students_t_distribution<double, MathPolicy> t(df);
        const double spread = boost::math::quantile(t, (1 + request.level) / 2);
        return spread * std::sqrt(relative_variance(k)) * (1 + z / std::sqrt(2 * df));
    };
    std::int64_t lo = smallest, hi = std::min<std::int64_t>(city, kMostSampled);
    if (half_width_at(hi) > request.target) return hi;
    while (hi - lo > 1) {
        const std::int64_t middle = lo + (hi - lo) / 2;
        (half_width_at(middle) <= request.target ? hi : lo) = middle;
    }
    return half_width_at(lo) <= request.target ? lo : hi;
}

namespace {

// The search for the smallest k that meets the target: the rows simulated so far, their
// verdicts, and the bounds they give.
class PlanSearch {
public:
    using Progress = std::function<void(const PlanRow&, const PlanProgress&)>;

    PlanSearch(const Library& library, const PlanRequest& request, const Progress& progress,
               std::int64_t first, std::int64_t last)
        : library_(library),
          request_(request),
          progress_(progress),
          first_(first),
          last_(last),
          full_(std::size_t(std::max(request.replicates, 1))),
          batch_(std::min(full_, std::max<std::size_t>(kBatch, std::size_t(request.jobs)))) {}

    // From the first guess, steps of about a quarter down while k meets and up while it fails,
    // then bisection between the largest k known to fail and the smallest known to meet.
    void search() {
        std::int64_t k = std::clamp(first_guess(request_), first_, last_);
        for (;;) {
            if (met_ && failed_ && *met_ - *failed_ <= 1) return;
            if (met_ && *met_ == first_) return;
            if (failed_ && *failed_ == last_) return;
            if (met_ && failed_) {
                k = *failed_ + (*met_ - *failed_) / 2;
            } else if (met_) {
                k = std::max(first_,
                             std::min(*met_ - 1, std::int64_t(std::floor(double(*met_) * 3 / 4))));
            } else if (failed_) {
                k = std::min(last_, std::max(*failed_ + 1,
                                             std::int64_t(std::ceil(double(*failed_) * 4 / 3))));
            }
            const bool meets = verdicts_.count(k) ? verdicts_[k] : decide(k, false);
            if (meets) {
                met_ = met_ ? std::min(*met_, k) : k;
            } else {
                failed_ = failed_ ? std::max(*failed_, k) : k;
            }
        }
    }

    // The recommendation and the k just below it are simulated in full: their table rows are
    // the ones read, and a verdict reached early could, within the rule's error, turn.
    void complete() {
        for (;;) {
            bool turned = false;
            for (const auto& k : {met_, failed_}) {
                if (!k || rows_.at(*k).surveys.size() >= full_) continue;
                const bool before = verdicts_.at(*k);
                if (decide(*k, true) != before) turned = true;
            }
            if (!turned) return;
            // Rebuild what is known from every verdict, and search on.
            met_.reset();
            failed_.reset();
            for (const auto& [k, meets] : verdicts_) {
                if (meets && (!met_ || k < *met_)) met_ = k;
            }
            for (const auto& [k, meets] : verdicts_) {
                if (!meets && (!met_ || k < *met_) && (!failed_ || k > *failed_)) failed_ = k;
            }
            search();
        }
    }

    // The rows simulated, in order of k: with their verdicts and the recommendation when the
    // search ended, or as far as they went when it was stopped.
    Plan plan(bool stopped) const {
        Plan plan;
        plan.stopped = stopped;
        for (const auto& [k, row] : rows_) {
            if (!stopped || !row.surveys.empty()) plan.rows.push_back(summarise(row, request_));
        }
        if (stopped) return plan;
        for (PlanRow& row : plan.rows)
            row.meets = verdicts_.at(row.k);
        if (met_) plan.recommended = met_;
        return plan;
    }

private:
    // A row's verdict: surveys in batches until the sequential rule decides, or all of them
    // (`whole`: all of them regardless), then the assurance quantile itself when they all ran.
    bool decide(std::int64_t k, bool whole) {
        RowSurveys& row =
            rows_.try_emplace(k, RowSurveys{k, allocate(k, request_.strata), {}}).first->second;
        bool meets = false;
        for (;;) {
            if (request_.cancel && request_.cancel->load()) throw Stopped{};
            const std::size_t before = row.surveys.size();
            simulate_up_to(library_, request_, row, std::min(full_, before + batch_));
            tally_.surveys += row.surveys.size() - before;
            if (row.surveys.size() >= full_) {
                meets = summarise(row, request_).meets;
                break;
            }
            if (!whole) {
                const Verdict v = early_verdict(row, request_);
                if (v != Verdict::undecided) {
                    meets = v == Verdict::meets;
                    break;
                }
            }
            if (progress_) progress_(summarise(row, request_), tally_);
        }
        if (!verdicts_.count(k)) ++tally_.rows;
        verdicts_[k] = meets;
        if (progress_) progress_(summarise(row, request_), tally_);
        return meets;
    }

    const Library& library_;
    const PlanRequest& request_;
    const Progress& progress_;
    const std::int64_t first_, last_;
    const std::size_t full_, batch_;
    std::map<std::int64_t, RowSurveys> rows_;
    std::map<std::int64_t, bool> verdicts_;  // true: meets
    PlanProgress tally_;
    std::optional<std::int64_t> failed_, met_;
};

}  // namespace

Plan make_plan(const Library& library, const PlanRequest& request,
               const std::function<void(const PlanRow&, const PlanProgress&)>& progress) {
    std::int64_t city = 0;
    for (const PlanStratum& s : request.strata)
        city += s.blocks_total;
    // Never below two blocks a stratum, whatever the range asked for.
    const std::int64_t smallest = smallest_k(request.strata);
    const std::int64_t last = std::min(
        kMostSampled, std::max(smallest, request.k_to > 0 ? std::min(request.k_to, city) : city));
    const std::int64_t first = std::clamp(request.k_from, smallest, last);
    if (city > kMostSampled && first_guess(request) >= kMostSampled && last == kMostSampled) {
        Plan plan;
        plan.beyond_reach = true;
        return plan;
    }
    PlanSearch search(library, request, progress, first, last);
    try {
        search.search();
        search.complete();
    } catch (const Stopped&) {
        return search.plan(true);
    }
    return search.plan(false);
}

}  // namespace kestrivo::analysis
