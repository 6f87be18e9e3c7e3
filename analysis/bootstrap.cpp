// The design's replicates: each stratum's blocks packed once and drawn from the stratum's own
// stream, summed per replicate; then the estimator over every replicate, on the plan's threads.
#include "analysis/bootstrap.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

#include "analysis/parallel_for.h"

namespace kestrivo::analysis {
namespace {

// 128 bits, for drawing a block from 64 random bits by multiplying (a GCC and Clang extension).
__extension__ typedef unsigned __int128 Wide;

// Block b's histories added to `r`, and its dogs seen with its weight.
void add_block(Resample& r, const Stratum& stratum, std::size_t b, bool seven) {
    const Counts& c = stratum.blocks[b];
    for (std::size_t i = 0; i < 4; ++i)
        r.histories[i] += c[i];
    const Later* later = seven ? &stratum.later[b] : nullptr;
    if (later) {
        for (std::size_t i = 0; i < 3; ++i)
            r.histories[4 + i] += (*later)[i];
    }
    const double w = stratum.weighted() ? stratum.weights[b] : 1.0;
    r.weighted_seen += w * double(dogs_seen(c, later));
    if (stratum.has_marks()) {
        const Marks& m = stratum.marks[b];
        std::int64_t marked = 0;
        // A stratum fitted from four histories counts the marked dogs seen on count 1 only, as
        // it counts the others.
        for (std::size_t i = 0; i < (seven ? 7 : 4); ++i) {
            r.marked[i] += m.marked[i];
            marked += m.marked[i];
        }
        r.unknown += m.unknown;
        r.weighted_marked += w * double(marked);
        r.weighted_unknown += w * double(m.unknown);
    }
}

// One stratum's replicates in order: its blocks packed once, as the sums need them, in one
// contiguous array, each replicate k draws from the stratum's own stream and k additions of eight
// numbers, whatever the block holds.
class StratumDraws {
public:
    StratumDraws(const Stratum& stratum, std::size_t h, std::uint64_t seed)
        : k_(stratum.blocks.size()), seven_(stratum.has_later()), marks_(stratum.has_marks()) {
        std::seed_seq sequence{std::uint64_t{seed}, std::uint64_t{h}};
        random_.seed(sequence);
        four_alone_ = !seven_ && !stratum.weighted() && !marks_;
        packed_.resize(k_);
        for (std::size_t b = 0; b < k_; ++b) {
            Resample one;
            add_block(one, stratum, b, seven_);
            packed_[b] = {one.histories, one.weighted_seen};
            if (marks_) marked_.push_back(one);
        }
    }

    Resample next() {
        Resample r;
        if (k_ == 0) return r;
        if (four_alone_) {
            // The four histories alone, the dogs seen their sum: half the additions.
            for (std::size_t i = 0; i < k_; ++i) {
                const Packed& p = packed_[draw()];
                for (std::size_t c = 0; c < 4; ++c)
                    r.histories[c] += p.histories[c];
            }
            r.weighted_seen = double(r.seen_on_count_one());
            return r;
        }
        for (std::size_t i = 0; i < k_; ++i) {
            const std::size_t b = draw();
            const Packed& p = packed_[b];
            for (std::size_t c = 0; c < 7; ++c)
                r.histories[c] += p.histories[c];
            r.weighted_seen += p.weighted_seen;
            if (marks_) add_marks(r, marked_[b]);
        }
        return r;
    }

private:
    struct Packed {
        std::array<std::int64_t, 7> histories;
        double weighted_seen;
    };

    // A draw from 0 .. k - 1 by multiplying out the 64 random bits (Lemire's reduction):
    // unbiased to far below the bootstrap's own noise, much faster than a remainder, and unlike
    // the standard distributions it draws the same on every library.
    std::size_t draw() { return std::size_t((static_cast<Wide>(random_()) * k_) >> 64); }

    // The marks of a block drawn, kept apart so that a survey without them draws as before.
    static void add_marks(Resample& r, const Resample& block) {
        for (std::size_t c = 0; c < 7; ++c)
            r.marked[c] += block.marked[c];
        r.unknown += block.unknown;
        r.weighted_marked += block.weighted_marked;
        r.weighted_unknown += block.weighted_unknown;
    }

    std::size_t k_;
    bool seven_, marks_, four_alone_ = false;
    std::vector<Resample> marked_;  // each block once, with its marks; empty without them
    std::mt19937_64 random_;
    std::vector<Packed> packed_;
};

}  // namespace

std::int64_t dogs_seen(const Counts& c, const Later* later) {
    std::int64_t n = std::int64_t{c[0]} + c[1] + c[2] + c[3];
    if (later) n += std::int64_t{(*later)[0]} + (*later)[1] + (*later)[2];
    return n;
}

Resample sample_sums(const Stratum& stratum) {
    Resample r;
    const bool seven = stratum.has_later();
    for (std::size_t b = 0; b < stratum.blocks.size(); ++b)
        add_block(r, stratum, b, seven);
    return r;
}

std::vector<Resample> resampled_sums(const Stratum& stratum, std::size_t h,
                                     const BootstrapPlan& plan) {
    StratumDraws draws(stratum, h, plan.seed);
    std::vector<Resample> sums(std::size_t(std::max(plan.replicates, 0)));
    for (Resample& r : sums)
        r = draws.next();
    return sums;
}

std::vector<std::vector<double>> bootstrap(const SurveyDesign& design, const BootstrapPlan& plan,
                                           std::size_t estimates, const DesignEstimator& estimator,
                                           const std::vector<bool>& reads) {
    const std::size_t count = std::size_t(std::max(plan.replicates, 0));
    const std::size_t strata = design.strata.size();
    std::vector<std::optional<StratumDraws>> draws(strata);
    for (std::size_t h = 0; h < strata; ++h) {
        if (reads.empty() || (h < reads.size() && reads[h]))
            draws[h].emplace(design.strata[h], h, plan.seed);
    }
    std::vector<std::vector<double>> values(estimates, std::vector<double>(count, NAN));
    // Replicates in batches, drawn in order (each stratum's stream is one sequence) and estimated
    // on the plan's threads: a batch of a few thousand sums, however many strata and replicates,
    // and enough replicates in each to keep the threads busy.
    constexpr std::size_t kSumsInBatch = std::size_t{1} << 16;
    const std::size_t batch = std::max({std::size_t(1), std::size_t(std::max(plan.jobs, 1)) * 4,
                                        kSumsInBatch / std::max(strata, std::size_t(1))});
    std::vector<Resample> sums;
    for (std::size_t first = 0; first < count; first += batch) {
        if (plan.cancel && plan.cancel->load()) break;
        const std::size_t n = std::min(batch, count - first);
        sums.assign(n * strata, Resample{});
        for (std::size_t h = 0; h < strata; ++h) {
            if (!draws[h]) continue;
            for (std::size_t b = 0; b < n; ++b)
                sums[b * strata + h] = draws[h]->next();
        }
        parallel_for(n, plan.jobs, [&](std::size_t b) {
            if (plan.cancel && plan.cancel->load()) return;
            const std::vector<double> estimate =
                estimator(DesignReplicate(sums.data() + b * strata, strata));
            for (std::size_t i = 0; i < estimates && i < estimate.size(); ++i)
                values[i][first + b] = estimate[i];
        });
    }
    return values;
}

}  // namespace kestrivo::analysis
