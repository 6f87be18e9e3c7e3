// pooling_test: the statistic of the test of pooling, each block's own fit against the pooled
// one, and its p by a parametric bootstrap under the pooled fit. The chi-square on df is too
// liberal for blocks of a few dozen dogs; the bootstrap draws surveys just like this one whose
// blocks do share the pooled visibility and asks how often they look as unlike as this one.
#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "analysis/parallel_for.h"
#include "analysis/pooled_visibility.h"

namespace kestrivo::analysis {
namespace {

constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();
// Fixed, so the same survey gives the same p; each stratum mixes in its own place.
constexpr std::uint64_t kPoolingSeed = 0x6b65737472697631ULL;
// Replicates reaching the survey's statistic after which more cannot bring p below 0.05.
constexpr int kReachedToStop = 10;

// What the blocks are compared with: the pooled fit, of the four histories (S, P) or of the
// model the pooled row chose from the seven.
struct Pooled {
    std::optional<double> s_held;
    bool seven = false;
    VisibilityModel model = VisibilityModel::constant;
    SevenFit fit;  // S and P's of the pooled fit; with four histories only S and P[0]
};

// The statistic's parts on one set of blocks: the sum of their own maxima over the blocks with
// dogs (-infinity when one cannot be fitted), how many, and the maximum of their sum.
struct Parts {
    double own = 0;
    int blocks_with_dogs = 0;
    double pooled = kMinusInfinity;
};

std::int64_t dogs_in(const SevenHistories& h, bool seven) {
    std::int64_t n = h[0] + h[1] + h[2] + h[3];
    if (seven) n += h[4] + h[5] + h[6];
    return n;
}

Counts four_of(const SevenHistories& h) {
    return {std::int32_t(h[0]), std::int32_t(h[1]), std::int32_t(h[2]), std::int32_t(h[3])};
}

// One block's own maximum, or the pool's; a seven-history search starts at the pooled fit,
// where the blocks' maxima lie under the hypothesis tested (and a block's maximum is never below
// its value there).
double maximum_of(const Library& library, const Pooled& pooled, const SevenHistories& h) {
    if (!pooled.seven) {
        return Model(library.loglik, four_of(h), pooled.s_held, kSurveyFloorOfS).maximum().value;
    }
    const auto fit = fit_seven_model(h, pooled.model, pooled.s_held, {pooled.fit});
    return fit ? fit->log_likelihood : kMinusInfinity;
}

// The blocks' own maxima in their order, and the pooled maximum of their sum.
Parts parts_of(const Library& library, const Pooled& pooled,
               const std::vector<SevenHistories>& blocks) {
    Parts parts;
    SevenHistories sum{};
    for (const SevenHistories& h : blocks) {
        if (dogs_in(h, pooled.seven) == 0) continue;
        ++parts.blocks_with_dogs;
        for (std::size_t i = 0; i < 7; ++i)
            sum[i] += h[i];
        const double top = maximum_of(library, pooled, h);
        parts.own += std::isfinite(top) ? top : kMinusInfinity;
    }
    parts.pooled = maximum_of(library, pooled, sum);
    return parts;
}

// The chances of the histories a block's dogs seen are split by: the four of the dogs seen on
// count 1, or the seven of those seen at least once.
std::vector<double> chances_of(const Pooled& pooled) {
    if (pooled.seven) {
        const auto pi = history_chances(pooled.fit, pooled.model);
        return {pi.begin(), pi.end()};
    }
    const double s = pooled.fit.S, p = pooled.fit.P[0], q = s + (1 - s) * p;
    const double one = (1 - s) * p * (1 - p) * (1 - p), two = (1 - s) * p * p * (1 - p);
    return {one / q, (s + (1 - s) * p * p * p) / q, two / q, two / q};
}

// n dogs split among the histories by binomial draws in their order, as the simulated blocks
// are drawn.
SevenHistories multinomial(std::int64_t n, const std::vector<double>& chances,
                           std::mt19937_64& random) {
    SevenHistories drawn{};
    double left = 1;
    for (std::size_t i = 0; i < chances.size() && n > 0; ++i) {
        const double share = i + 1 == chances.size() ? 1 : std::clamp(chances[i] / left, 0.0, 1.0);
        drawn[i] = share >= 1 ? n : std::binomial_distribution<std::int64_t>(n, share)(random);
        n -= drawn[i];
        left -= chances[i];
    }
    return drawn;
}

// Replicate b: every block's dogs seen split afresh under the pooled fit, from its own stream.
double replicate(const Library& library, const Pooled& pooled,
                 const std::vector<SevenHistories>& blocks, const std::vector<double>& chances,
                 std::uint64_t stream, std::size_t b) {
    std::seed_seq seed{std::uint32_t(kPoolingSeed), std::uint32_t(kPoolingSeed >> 32),
                       std::uint32_t(stream), std::uint32_t(stream >> 32), std::uint32_t(b)};
    std::mt19937_64 random(seed);
    std::vector<SevenHistories> drawn;
    drawn.reserve(blocks.size());
    for (const SevenHistories& h : blocks)
        drawn.push_back(multinomial(dogs_in(h, pooled.seven), chances, random));
    const Parts parts = parts_of(library, pooled, drawn);
    const double statistic = 2 * (parts.own - parts.pooled);
    return std::isfinite(statistic) ? std::fmax(0.0, statistic) : NAN;
}

Pooled pooled_of(const PooledVisibility& fit, const Stratum& stratum) {
    Pooled pooled;
    pooled.s_held = stratum.s_held;
    if (fit.seven) {
        pooled.seven = true;
        pooled.model = fit.seven->chosen;
        pooled.fit = fit.seven->chosen_fit();
    } else {
        pooled.fit.S = fit.report.estimates->S;
        pooled.fit.P.fill(fit.report.estimates->P);
    }
    return pooled;
}

std::vector<SevenHistories> histories_of(const Stratum& stratum, bool seven) {
    std::vector<SevenHistories> blocks;
    for (std::size_t i = 0; i < stratum.blocks.size(); ++i) {
        const Counts& c = stratum.blocks[i];
        SevenHistories h{c[0], c[1], c[2], c[3], 0, 0, 0};
        if (seven) {
            for (std::size_t j = 0; j < 3; ++j)
                h[4 + j] = stratum.later[i][j];
        }
        blocks.push_back(h);
    }
    return blocks;
}

}  // namespace

std::optional<Heterogeneity> pooling_test(const Library& library, const Stratum& stratum,
                                          const PooledVisibility& fit, const PoolingTest& test) {
    if (!fit) return std::nullopt;
    const Pooled pooled = pooled_of(fit, stratum);
    const std::vector<SevenHistories> blocks = histories_of(stratum, pooled.seven);
    const Parts observed = parts_of(library, pooled, blocks);
    // With four histories the pooled maximum is the pooled report's own.
    std::optional<Heterogeneity> het =
        heterogeneity(fit, observed.own, observed.blocks_with_dogs,
                      pooled.seven ? std::optional(observed.pooled) : std::nullopt);
    if (!het || het->df == 0 || test.replicates <= 0) return het;

    // Replicates run in batches, in their order: p is Besag and Clifford's sequential one, h / l
    // at the l-th replicate whose statistic is the h-th to reach the survey's, or (1 + those
    // reaching it) / (1 + replicates) when fewer than h do. Its size is exact like the full
    // run's; a survey whose blocks plainly agree stops after a few dozen replicates, and only
    // one near or below 0.05 runs them all.
    const std::vector<double> chances = chances_of(pooled);
    const std::size_t total = std::size_t(test.replicates);
    const std::size_t batch = std::size_t(std::max(10, 2 * test.jobs));
    std::vector<double> statistics(total, NAN);
    std::atomic<bool> stopped{false};
    int reached = 0, counted = 0;
    for (std::size_t done = 0; done < total;) {
        const std::size_t end = std::min(total, done + batch);
        parallel_for(end - done, test.jobs, [&](std::size_t k) {
            if (stopped || (test.cancel && test.cancel->load())) {
                stopped = true;
                return;
            }
            statistics[done + k] =
                replicate(library, pooled, blocks, chances, test.stream, done + k);
        });
        if (stopped) return std::nullopt;
        for (; done < end; ++done) {
            if (std::isnan(statistics[done])) continue;
            ++counted;
            if (statistics[done] >= het->statistic && ++reached == kReachedToStop) {
                het->p = double(reached) / double(counted);
                return het;
            }
        }
    }
    het->p = double(1 + reached) / double(1 + counted);
    return het;
}

}  // namespace kestrivo::analysis
