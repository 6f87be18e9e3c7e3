// fit_coverage: each group's own fits and the shared ones from the seven-history searches (or the
// four-history closed forms), put together into the four models, compared and averaged; then
// coverage_total: each stratum's coverage from its sample, one bootstrap of the design for all of
// them, and the city's from the strata's dogs and replicates summed.
#include "analysis/vaccination_coverage.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <limits>

#include "analysis/boost_policy.h"
#include "analysis/city_total.h"
#include "analysis/pooled_visibility.h"

namespace kestrivo::analysis {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::int64_t total_of(const SevenHistories& h) {
    std::int64_t n = 0;
    for (std::int64_t c : h)
        n += c;
    return n;
}

// The four-history log likelihood of one group, conditional on being seen on count 1.
double four_log_likelihood(const SevenHistories& x, double s, double p) {
    const double q = s + (1 - s) * p;
    const double chances[4] = {(1 - s) * p * (1 - p) * (1 - p), s + (1 - s) * p * p * p,
                               (1 - s) * p * p * (1 - p), (1 - s) * p * p * (1 - p)};
    double value = 0;
    std::int64_t n = 0;
    for (std::size_t h = 0; h < 4; ++h) {
        if (x[h] == 0) continue;
        if (!(chances[h] > 0)) return -kInfinity;
        value += double(x[h]) * std::log(chances[h]);
        n += x[h];
    }
    return n > 0 ? value - double(n) * std::log(q) : 0.0;
}

double group_log_likelihood(const SevenHistories& x, bool seven, double s,
                            const std::array<double, 3>& p) {
    return seven ? seven_log_likelihood(x, s, p) : four_log_likelihood(x, s, p[0]);
}

double seen_share(const SevenFit& fit, bool seven) {
    return seven ? 1 - (1 - fit.S) * (1 - fit.P[0]) * (1 - fit.P[1]) * (1 - fit.P[2])
                 : fit.S + (1 - fit.S) * fit.P[0];
}

// One group's maxima: with one P, and with a P by count (seven histories only).
struct GroupFit {
    SevenFit constant, by_count;
};

// What the seven-history searches leave out of a model's maximum: its share ever seen and the
// parameters counted (S not when held, nor on its floor 0).
void complete(SevenFit& fit, VisibilityModel model, std::optional<double> s_held) {
    fit.seen_any = seen_share(fit, true);
    const int ps = model == VisibilityModel::by_count ? 3 : 1;
    fit.parameters = ps + (s_held || fit.S <= 1e-7 ? 0 : 1);
}

std::optional<GroupFit> fit_group_seven(const SevenHistories& x, std::optional<double> s_held,
                                        const GroupFit* near) {
    GroupFit g;
    if (!near) {
        const auto fit = fit_seven_histories(x, s_held, false);
        if (!fit) return std::nullopt;
        return GroupFit{fit->constant, fit->by_count};
    }
    // A replicate's maximum lies near the sample's: Newton from there.
    const auto constant = fit_seven_model(x, VisibilityModel::constant, s_held, {near->constant});
    if (!constant) return std::nullopt;
    g.constant = *constant;
    complete(g.constant, VisibilityModel::constant, s_held);
    const auto by_count =
        fit_seven_model(x, VisibilityModel::by_count, s_held, {g.constant, near->by_count});
    // The by-count model holds the constant one: never below its maximum.
    g.by_count =
        by_count && by_count->log_likelihood >= g.constant.log_likelihood ? *by_count : g.constant;
    complete(g.by_count, VisibilityModel::by_count, s_held);
    return g;
}

// The four-history fit of one group, as the survey's pooled fit makes it: S down to 0, and S = 0
// where AICc prefers no territorial dogs.
std::optional<GroupFit> fit_group_four(const Library& library, const SevenHistories& x,
                                       std::optional<double> s_held) {
    Counts counts{};
    for (std::size_t h = 0; h < 4; ++h) {
        if (x[h] < 0 || x[h] > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
        counts[h] = std::int32_t(x[h]);
    }
    const Model model(library.loglik, counts, s_held, kSurveyFloorOfS);
    const std::optional<Point> inside = model.interior_maximum();
    Point top = inside ? *inside : model.maximum();
    if (!std::isfinite(top.value)) return std::nullopt;
    if (!s_held && prefers_no_territorial(model, top)) top = model.best_without_always_visible();
    SevenFit fit;
    fit.S = s_held ? *s_held : top.s;
    fit.P = {top.p, top.p, top.p};
    fit.log_likelihood = four_log_likelihood(x, fit.S, top.p);
    fit.seen_any = seen_share(fit, false);
    fit.parameters = 1 + (s_held || fit.S <= 1e-7 ? 0 : 1);
    if (!std::isfinite(fit.log_likelihood)) return std::nullopt;
    return GroupFit{fit, fit};
}

std::optional<GroupFit> fit_group(const Library& library, const SevenHistories& x, bool seven,
                                  std::optional<double> s_held, const GroupFit* near) {
    return seven ? fit_group_seven(x, s_held, near) : fit_group_four(library, x, s_held);
}

double aicc_of(double log_likelihood, int parameters, double n) {
    const double k = parameters;
    return -2 * log_likelihood + 2 * k +
           (n - k - 1 > 0 ? 2 * k * (k + 1) / (n - k - 1) : kInfinity);
}

const CoverageModel* find_model(const CoverageFit& fit, Sharing sharing, VisibilityModel model) {
    for (const CoverageModel& m : fit.models) {
        if (m.sharing == sharing && m.count_model == model) return &m;
    }
    return nullptr;
}

// The group fits of `near` to start from: the shared ones, or one group's own.
std::optional<GroupFit> near_group(const CoverageFit* near, Sharing sharing, bool marked) {
    if (!near) return std::nullopt;
    const CoverageModel* c = find_model(*near, sharing, VisibilityModel::constant);
    const CoverageModel* b = find_model(*near, sharing, VisibilityModel::by_count);
    if (!c) return std::nullopt;
    return GroupFit{marked ? c->marked : c->rest,
                    b ? (marked ? b->marked : b->rest) : (marked ? c->marked : c->rest)};
}

CoverageModel model_of(Sharing sharing, VisibilityModel count_model, const SevenFit& marked,
                       const SevenFit& rest, bool same) {
    CoverageModel m;
    m.sharing = sharing;
    m.count_model = count_model;
    m.marked = marked;
    m.rest = rest;
    m.seen_marked = marked.seen_any;
    m.seen_rest = rest.seen_any;
    // The shared model's log likelihood is that of the summed histories, already in `marked`.
    m.log_likelihood = same ? marked.log_likelihood : marked.log_likelihood + rest.log_likelihood;
    m.parameters = same ? marked.parameters : marked.parameters + rest.parameters;
    return m;
}

// The lowest AICc, the Akaike weights, and each group's share seen averaged by them.
void choose_and_average(CoverageFit& fit) {
    double best = kInfinity;
    for (std::size_t i = 0; i < fit.models.size(); ++i) {
        fit.models[i].aicc =
            aicc_of(fit.models[i].log_likelihood, fit.models[i].parameters, double(fit.seen));
        if (fit.models[i].aicc < best) {
            best = fit.models[i].aicc;
            fit.chosen = i;
        }
    }
    double total = 0;
    for (CoverageModel& m : fit.models) {
        // Too few dogs for any AICc: the simplest model alone.
        m.weight = std::isfinite(best) ? std::exp(-(m.aicc - best) / 2) : (&m == &fit.models[0]);
        total += m.weight;
    }
    double over_marked = 0, over_rest = 0;
    for (CoverageModel& m : fit.models) {
        m.weight /= total;
        over_marked += m.weight / m.seen_marked;
        over_rest += m.weight / m.seen_rest;
    }
    fit.seen_marked_share = 1 / over_marked;
    fit.seen_rest_share = 1 / over_rest;
}

void test_equal_visibility(CoverageFit& fit) {
    const VisibilityModel under = fit.chosen_model().count_model;
    const CoverageModel* shared = find_model(fit, Sharing::shared, under);
    const CoverageModel* separate = find_model(fit, Sharing::separate, under);
    if (!shared || !separate) return;
    EqualVisibilityTest test;
    test.under = under;
    test.statistic = std::fmax(0.0, 2 * (separate->log_likelihood - shared->log_likelihood));
    test.df = separate->parameters - shared->parameters;
    if (test.df > 0) {
        using boost::math::chi_squared_distribution;
        test.p = boost::math::cdf(boost::math::complement(
            chi_squared_distribution<double, MathPolicy>(test.df), test.statistic));
    }
    fit.equal_visibility = test;
}

// Why the marks cannot be the marked part of these histories, or "".
std::string why_marks_do_not_fit(const SevenHistories& all, const Marks& marks, bool seven) {
    for (std::size_t h = 0; h < 7; ++h) {
        if (marks.marked[h] < 0 || marks.marked[h] > all[h]) {
            return "the marked dogs of a history are more than its dogs, or fewer than none";
        }
        if (!seven && (all[h] != 0 || marks.marked[h] != 0) && h >= 4) {
            return "a four-history stratum has dogs first seen on count 2 or 3";
        }
    }
    if (marks.unknown < 0 || marks.unknown > total_of(all) - total_of(marks.marked)) {
        return "more dogs of unknown mark than dogs seen without a mark";
    }
    return "";
}

// The models: shared (the survey's histories), then separate when both groups have their own.
bool fit_models(CoverageFit& fit, const Library& library, const SevenHistories& all,
                const SevenHistories& marked, const SevenHistories& rest,
                std::optional<double> s_held, const CoverageFit* near) {
    const auto shared_near = near_group(near, Sharing::shared, true);
    const auto shared =
        fit_group(library, all, fit.seven, s_held, shared_near ? &*shared_near : nullptr);
    if (!shared) return false;
    fit.models.push_back(model_of(Sharing::shared, VisibilityModel::constant, shared->constant,
                                  shared->constant, true));
    if (fit.seven) {
        fit.models.push_back(model_of(Sharing::shared, VisibilityModel::by_count, shared->by_count,
                                      shared->by_count, true));
    }
    const auto own = [&](const SevenHistories& x, std::int64_t n, bool is_marked,
                         std::string& why) -> std::optional<GroupFit> {
        why = n == 0 ? (is_marked ? "no marked dog was seen" : "every dog seen was marked")
                     : why_not_estimable(x);
        if (!why.empty()) return std::nullopt;
        const auto g_near = near_group(near, Sharing::separate, is_marked);
        auto g = fit_group(library, x, fit.seven, s_held, g_near ? &*g_near : nullptr);
        if (!g) why = "its visibility could not be fitted";
        return g;
    };
    const auto m = own(marked, fit.seen_marked, true, fit.marked_why_not);
    const auto r = own(rest, fit.seen_rest, false, fit.rest_why_not);
    fit.marked_shared = !m;
    fit.rest_shared = !r;
    if (m && r) {
        fit.models.push_back(model_of(Sharing::separate, VisibilityModel::constant, m->constant,
                                      r->constant, false));
        if (fit.seven) {
            fit.models.push_back(model_of(Sharing::separate, VisibilityModel::by_count, m->by_count,
                                          r->by_count, false));
        }
    }
    return true;
}

// The groups' dogs and the coverage from the averaged shares seen.
void read_coverage(CoverageFit& fit) {
    const double qm = fit.seen_marked_share, qr = fit.seen_rest_share;
    fit.marked_dogs = double(fit.seen_marked) / qm;
    fit.rest_dogs = double(fit.seen_rest) / qr;
    fit.dogs = fit.marked_dogs + fit.rest_dogs;
    fit.known_unmarked = double(fit.seen_rest - fit.unknown) / qr;
    fit.no_marked = fit.seen_marked == 0;
    fit.all_marked = fit.seen_rest == 0;
    fit.no_known_unmarked = fit.seen_rest > 0 && fit.seen_rest == fit.unknown;
    if (fit.marked_dogs + fit.known_unmarked > 0) {
        fit.coverage = fit.marked_dogs / (fit.marked_dogs + fit.known_unmarked);
    } else {
        fit.why_not = "no dog's mark was seen clearly";
    }
    if (fit.seen - fit.unknown > 0) {
        fit.naive = double(fit.seen_marked) / double(fit.seen - fit.unknown);
    }
    const double gap = qm - qr;
    fit.seen_more = std::fabs(gap) <= 1e-12 * std::fmax(qm, qr)
                        ? SeenMore::alike
                        : (gap > 0 ? SeenMore::marked : SeenMore::rest);
}

}  // namespace

double coverage_log_likelihood(const SevenHistories& marked, const SevenHistories& rest, bool seven,
                               double s_marked, const std::array<double, 3>& p_marked,
                               double s_rest, const std::array<double, 3>& p_rest) {
    return group_log_likelihood(marked, seven, s_marked, p_marked) +
           group_log_likelihood(rest, seven, s_rest, p_rest);
}

CoverageFit fit_coverage(const Library& library, const SevenHistories& all, const Marks& marks,
                         bool seven, std::optional<double> s_held, const CoverageFit* near,
                         bool with_test) {
    CoverageFit fit;
    fit.seven = seven;
    fit.why_not = why_marks_do_not_fit(all, marks, seven);
    if (!fit.why_not.empty()) return fit;
    SevenHistories rest{};
    for (std::size_t h = 0; h < 7; ++h)
        rest[h] = all[h] - marks.marked[h];
    fit.seen = total_of(all);
    fit.seen_marked = total_of(marks.marked);
    fit.seen_rest = fit.seen - fit.seen_marked;
    fit.unknown = marks.unknown;
    if (fit.seen == 0) {
        fit.why_not = "no dog was seen";
        return fit;
    }
    fit.why_not = why_not_estimable(all);
    if (!fit.why_not.empty()) return fit;
    if (!fit_models(fit, library, all, marks.marked, rest, s_held, near)) {
        fit.why_not = "the visibility of the dogs seen could not be fitted";
        return fit;
    }
    choose_and_average(fit);
    if (with_test) test_equal_visibility(fit);
    read_coverage(fit);
    return fit;
}

BlockMarkedDogs block_marked_dogs(const CoverageFit& stratum, const Counts& counts,
                                  const Later* later, const Marks& marks) {
    if (stratum.models.empty()) return {NAN, NAN};
    // A stratum fitted from four histories counts a block's dogs seen on count 1, marked or not.
    const Later* used = stratum.seven ? later : nullptr;
    const double seen = double(dogs_seen(counts, used));
    double marked = 0;
    for (std::size_t h = 0; h < (stratum.seven ? 7 : 4); ++h)
        marked += double(marks.marked[h]);
    const double m = marked / stratum.seen_marked_share;
    return {m, m + (seen - marked) / stratum.seen_rest_share};
}

namespace {

double logit(double c) {
    return std::log(c / (1 - c));
}

double expit(double x) {
    return 1 / (1 + std::exp(-x));
}

std::vector<double> finite_sorted(std::vector<double> values) {
    values.erase(
        std::remove_if(values.begin(), values.end(), [](double v) { return !std::isfinite(v); }),
        values.end());
    std::sort(values.begin(), values.end());
    return values;
}

// The sample variance of the finite values.
std::optional<double> variance_of(const std::vector<double>& values) {
    const std::vector<double> v = finite_sorted(values);
    if (v.size() < 2) return std::nullopt;
    double mean = 0;
    for (double x : v)
        mean += x;
    mean /= double(v.size());
    double squares = 0;
    for (double x : v)
        squares += (x - mean) * (x - mean);
    return squares / double(v.size() - 1);
}

double t_point(double level, double df) {
    const boost::math::students_t_distribution<double, MathPolicy> t(std::fmax(df, 1.0));
    return boost::math::quantile(t, (1 + level) / 2);
}

// A replicate's (or the sample's) dogs: marked, known unmarked, and all the others.
struct GroupDogs {
    double marked = NAN, known_unmarked = NAN, rest = NAN;
    double known() const { return marked + known_unmarked; }
    double all() const { return marked + rest; }
    double coverage() const { return marked / known(); }
};

// One stratum's coverage from its sample, and what its bootstrap needs.
struct StratumCoverage {
    CoverageTotal total;
    Resample sums;
    GroupDogs dogs;
    double scale = 1, spread = 1, refit = 1;
    bool resampled = false;
    std::size_t blocks = 0;
    std::vector<GroupDogs> replicates;
};

// The stratum's dogs from its dogs seen (rescaled as a replicate's deviate) over the shares seen.
GroupDogs dogs_of(const StratumCoverage& e, const Resample& r, double seen_marked,
                  double seen_rest) {
    const Resample& s = e.sums;
    const auto deviate = [&](double sample, double replicate) {
        return sample + e.spread * (replicate - sample);
    };
    const double marked = deviate(s.weighted_marked, r.weighted_marked);
    const double rest =
        deviate(s.weighted_seen - s.weighted_marked, r.weighted_seen - r.weighted_marked);
    const double unknown = deviate(s.weighted_unknown, r.weighted_unknown);
    return {e.scale * marked / seen_marked, e.scale * (rest - unknown) / seen_rest,
            e.scale * rest / seen_rest};
}

StratumCoverage estimate_stratum(const Library& library, const Stratum& stratum,
                                 const CoverageOptions& options) {
    StratumCoverage e;
    CoverageTotal& total = e.total;
    total.name = stratum.name;
    e.blocks = stratum.blocks.size();
    if (!stratum.has_marks()) {
        total.why_not = "not every block of this stratum records the dogs' vaccination marks";
        return e;
    }
    if (!stratum.blocks_total && !stratum.weighted()) {
        total.why_not = "no number of blocks was given for this stratum";
        return e;
    }
    if (stratum.s_held_differs) {
        total.why_not = "the blocks hold S at different values, so they share no one visibility";
        return e;
    }
    e.sums = sample_sums(stratum);
    const bool seven = stratum.has_later();
    total.fit = fit_coverage(library, e.sums.histories, {e.sums.marked, e.sums.unknown}, seven,
                             stratum.s_held);
    total.seen = total.fit.seen;
    total.seen_marked = total.fit.seen_marked;
    total.unknown = total.fit.unknown;
    if (total.fit.models.empty()) {
        total.why_not = total.fit.why_not;
        // A stratum where nobody was seen is sampled blocks with no dog: none to scale up.
        if (total.fit.seen == 0 && total.fit.why_not == "no dog was seen") {
            total.marked_dogs = total.known_dogs = total.dogs = 0.0;
        }
        return e;
    }
    for (std::size_t b = 0; b < e.blocks; ++b) {
        total.blocks.push_back(block_marked_dogs(
            total.fit, stratum.blocks[b], seven ? &stratum.later[b] : nullptr, stratum.marks[b]));
    }
    const double k = double(e.blocks);
    const double K = stratum.weighted() ? k : double(*stratum.blocks_total);
    e.scale = stratum.weighted() ? 1.0 : K / k;
    e.refit = k > 1 ? std::sqrt(k / (k - 1)) : 1.0;
    e.spread = stratum.weighted() ? e.refit : std::sqrt(std::fmax(0.0, 1 - k / K)) * e.refit;
    e.dogs = dogs_of(e, e.sums, total.fit.seen_marked_share, total.fit.seen_rest_share);
    total.marked_dogs = e.dogs.marked;
    total.known_dogs = e.dogs.known();
    total.dogs = e.dogs.all();
    const double known_seen = e.sums.weighted_seen - e.sums.weighted_unknown;
    if (known_seen > 0) total.naive = e.sums.weighted_marked / known_seen;
    if (!(e.dogs.known() > 0)) {
        total.why_not = "no dog's mark was seen clearly";
        return e;
    }
    total.coverage = e.dogs.coverage();
    total.doses = std::fmax(0.0, (options.target - *total.coverage) * e.dogs.all());
    if (e.blocks < 2) {
        total.no_interval = "one sampled block says nothing of how blocks differ";
    }
    e.resampled = e.blocks >= 2;
    return e;
}

// The stratum's dogs on one replicate of its blocks, its shares seen refitted (its model chosen
// anew) and deviating from the sample's on the log scale by the Rao-Wu factor.
GroupDogs replicate_dogs(const Library& library, const Stratum& stratum, const StratumCoverage& e,
                         const Resample& r) {
    if (r.seen_at_all() == 0) return {};
    const CoverageFit fit = fit_coverage(library, r.histories, {r.marked, r.unknown},
                                         stratum.has_later(), stratum.s_held, &e.total.fit, false);
    if (fit.models.empty()) return {};
    const auto rescaled = [&](double sample, double replicate) {
        return std::fmin(1.0, sample * std::pow(replicate / sample, e.refit));
    };
    return dogs_of(e, r, rescaled(e.total.fit.seen_marked_share, fit.seen_marked_share),
                   rescaled(e.total.fit.seen_rest_share, fit.seen_rest_share));
}

// The first count's binomial part of the variance of log(marked) - log(known unmarked), and of
// all the dogs, that the finite-population factor took away with the spread between blocks.
struct BinomialPart {
    double of_logit = 0, of_dogs = 0;
};

BinomialPart binomial_part(const CoverageTotal& t, const GroupDogs& d) {
    const double qm = t.fit.seen_marked_share, qr = t.fit.seen_rest_share;
    BinomialPart part;
    part.of_dogs = d.marked * (1 - qm) / qm + d.rest * (1 - qr) / qr;
    if (d.marked > 0) part.of_logit += (1 - qm) / qm / d.marked;
    if (d.known_unmarked > 0) part.of_logit += (1 - qr) / qr / d.known_unmarked;
    return part;
}

// The interval of a coverage (a stratum's or the city's) from its replicates' dogs: logit-scale t
// with the binomial part `part` added, or, at a coverage of 0 or 1, the replicates' percentiles;
// the doses' percentiles; the dogs' log-scale t interval; and how it stands to the target.
void read_interval(CoverageTotal& total, const GroupDogs& dogs,
                   const std::vector<GroupDogs>& replicates, BinomialPart part, double df,
                   const CoverageOptions& options) {
    std::vector<double> logits, coverages, doses, all;
    for (const GroupDogs& r : replicates) {
        logits.push_back(logit(r.coverage()));
        coverages.push_back(r.coverage());
        doses.push_back(std::fmax(0.0, (options.target - r.coverage()) * r.all()));
        all.push_back(r.all());
    }
    const double level = options.level, c = *total.coverage;
    const bool inside = c > 0 && c < 1;
    const std::optional<double> v = variance_of(inside ? logits : coverages);
    if (!v) {
        total.no_interval = "fewer than two bootstrap replicates could be fitted";
        return;
    }
    total.df = df;
    const double t = t_point(level, df);
    if (inside) {
        total.logit_se = std::sqrt(*v + part.of_logit);
        total.lower = expit(logit(c) - t * *total.logit_se);
        total.upper = expit(logit(c) + t * *total.logit_se);
    } else {
        // Every dog of known mark seen was marked (or none was): the replicates cannot leave the
        // edge, so the interval is at least Clopper and Pearson's for n dogs all alike, which
        // reaches (alpha / 2)^(1 / n) from the edge; six dogs all marked do not show 100%.
        const std::vector<double> sorted = finite_sorted(coverages);
        const double n = double(std::max<std::int64_t>(1, total.seen - total.unknown));
        const double reach = std::pow((1 - level) / 2, 1 / n);
        total.lower = std::min({c, quantile(sorted, (1 - level) / 2), c == 1 ? reach : 0.0});
        total.upper = std::max({c, quantile(sorted, (1 + level) / 2), c == 0 ? 1 - reach : 1.0});
    }
    const std::vector<double> sorted_doses = finite_sorted(doses);
    total.doses_lower = std::fmax(0.0, quantile(sorted_doses, (1 - level) / 2));
    total.doses_upper = std::fmax(0.0, quantile(sorted_doses, (1 + level) / 2));
    if (const auto va = variance_of(all); va && dogs.all() > 0) {
        const double spread = t * std::sqrt(*va + part.of_dogs) / dogs.all();
        total.dogs_lower = std::fmax(double(total.seen), dogs.all() * std::exp(-spread));
        total.dogs_upper = std::fmax(*total.dogs_lower, dogs.all() * std::exp(spread));
    }
    total.status = *total.upper < options.target    ? TargetStatus::below
                   : *total.lower >= options.target ? TargetStatus::met
                                                    : TargetStatus::uncertain;
}

void lincoln_petersen(CoverageTotal& total, std::optional<double> vaccinated) {
    if (!vaccinated || !total.coverage) return;
    total.vaccinated = *vaccinated;
    if (*total.coverage > 0) total.lincoln_petersen = *vaccinated / *total.coverage;
    if (total.upper && *total.upper > 0) total.lincoln_petersen_lower = *vaccinated / *total.upper;
    if (total.lower && *total.lower > 0) total.lincoln_petersen_upper = *vaccinated / *total.lower;
}

}  // namespace

namespace {

// The city's coverage: the strata's dogs summed, and their replicates summed replicate by
// replicate; Satterthwaite's degrees of freedom from each stratum's share of the variance of
// the city's logit, linearised: log(M) - log(U) moves by dM_h / M - dU_h / U.
CoverageTotal city_coverage(const SurveyDesign& design, const std::vector<StratumCoverage>& strata,
                            const CoverageOptions& options) {
    CoverageTotal city;
    GroupDogs sum{0, 0, 0};
    BinomialPart part;
    bool interval = true;
    for (std::size_t h = 0; h < strata.size(); ++h) {
        const CoverageTotal& t = strata[h].total;
        city.seen += t.seen;
        city.seen_marked += t.seen_marked;
        city.unknown += t.unknown;
        // A stratum whose dogs were seen but whose coverage is unknown (no mark seen clearly)
        // leaves the city without one: its dogs cannot be left out of the city's unsaid.
        if (!t.known_dogs || (!t.coverage && t.seen > 0)) {
            city.why_not = "stratum \"" + t.name + "\": " +
                           (t.why_not.empty() ? "no dog's mark was seen clearly" : t.why_not);
            return city;
        }
        sum.marked += *t.marked_dogs;
        sum.known_unmarked += *t.known_dogs - *t.marked_dogs;
        sum.rest += *t.dogs - *t.marked_dogs;
        if (t.seen > 0 && !strata[h].resampled) {
            interval = false;
            city.no_interval = "stratum \"" + t.name + "\": " + t.no_interval;
        }
        if (t.seen > 0 && !design.strata[h].weighted()) {
            part.of_dogs += binomial_part(t, strata[h].dogs).of_dogs;
        }
    }
    city.marked_dogs = sum.marked;
    city.known_dogs = sum.known();
    city.dogs = sum.all();
    if (!(sum.known() > 0)) {
        city.why_not = "no dog's mark was seen clearly";
        return city;
    }
    city.coverage = sum.coverage();
    city.doses = std::fmax(0.0, (options.target - *city.coverage) * sum.all());
    if (!interval) return city;
    // The binomial parts in log(M) and log(U) summed over the strata: sum M_h v_h / M^2.
    for (std::size_t h = 0; h < strata.size(); ++h) {
        const CoverageTotal& t = strata[h].total;
        if (t.seen == 0 || design.strata[h].weighted()) continue;
        const GroupDogs& d = strata[h].dogs;
        const double qm = t.fit.seen_marked_share, qr = t.fit.seen_rest_share;
        if (sum.marked > 0) part.of_logit += d.marked * (1 - qm) / qm / (sum.marked * sum.marked);
        if (sum.known_unmarked > 0) {
            part.of_logit +=
                d.known_unmarked * (1 - qr) / qr / (sum.known_unmarked * sum.known_unmarked);
        }
    }
    const std::size_t count = std::size_t(std::max(options.bootstrap.replicates, 0));
    std::vector<GroupDogs> replicates(count, GroupDogs{0, 0, 0});
    double variance_sum = 0, variance_share = 0;
    for (const StratumCoverage& e : strata) {
        if (!e.resampled) continue;
        std::vector<double> moves;
        for (std::size_t b = 0; b < count; ++b) {
            const GroupDogs& r = e.replicates[b];
            replicates[b].marked += r.marked;
            replicates[b].known_unmarked += r.known_unmarked;
            replicates[b].rest += r.rest;
            moves.push_back(r.marked / sum.marked - r.known_unmarked / sum.known_unmarked);
        }
        const double v = variance_of(moves).value_or(0.0);
        variance_sum += v;
        variance_share += v * v / (double(e.blocks) - 1);
    }
    const double df = variance_share > 0 ? variance_sum * variance_sum / variance_share : 1.0;
    read_interval(city, sum, replicates, part, df, options);
    return city;
}

}  // namespace

std::vector<CoverageTotal> coverage_total(const Library& library, const SurveyDesign& design,
                                          const CoverageOptions& options) {
    std::vector<StratumCoverage> strata;
    std::vector<bool> reads;
    std::vector<std::size_t> drawn;
    for (std::size_t h = 0; h < design.strata.size(); ++h) {
        strata.push_back(estimate_stratum(library, design.strata[h], options));
        reads.push_back(strata.back().resampled);
        if (strata.back().resampled) drawn.push_back(h);
    }
    const auto values = bootstrap(
        design, options.bootstrap, 3 * drawn.size(),
        [&](DesignReplicate replicate) {
            std::vector<double> out;
            for (std::size_t h : drawn) {
                const GroupDogs g =
                    replicate_dogs(library, design.strata[h], strata[h], replicate[h]);
                out.insert(out.end(), {g.marked, g.known_unmarked, g.rest});
            }
            return out;
        },
        reads);
    std::vector<CoverageTotal> totals;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        StratumCoverage& e = strata[drawn[i]];
        for (std::size_t b = 0; b < values[3 * i].size(); ++b) {
            e.replicates.push_back({values[3 * i][b], values[3 * i + 1][b], values[3 * i + 2][b]});
        }
        const BinomialPart part =
            design.strata[drawn[i]].weighted() ? BinomialPart{} : binomial_part(e.total, e.dogs);
        read_interval(e.total, e.dogs, e.replicates, part, double(e.blocks) - 1, options);
    }
    for (std::size_t h = 0; h < strata.size(); ++h) {
        const auto at = options.vaccinated.find(design.strata[h].name);
        lincoln_petersen(strata[h].total, at == options.vaccinated.end()
                                              ? std::nullopt
                                              : std::optional<double>(at->second));
    }
    CoverageTotal city = city_coverage(design, strata, options);
    double vaccinated = 0;
    bool every = !strata.empty();
    for (const Stratum& s : design.strata) {
        const auto at = options.vaccinated.find(s.name);
        every = every && at != options.vaccinated.end();
        if (at != options.vaccinated.end()) vaccinated += at->second;
    }
    for (StratumCoverage& e : strata)
        totals.push_back(std::move(e.total));
    lincoln_petersen(city, every ? std::optional<double>(vaccinated) : std::nullopt);
    totals.push_back(std::move(city));
    return totals;
}

}  // namespace kestrivo::analysis
