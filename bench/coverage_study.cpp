// How often the intervals of the survey level cover the truth, by simulation: cities drawn from
// the model (or from departures from it), samples of their blocks, and every estimate made by the
// analysis code that kestrivo-report runs (pooled visibility, the city total and its bootstrap).
// For each scenario it prints the coverage of the city interval (and of the same bootstrap's
// percentiles), its median width against the truth, the median city_N / truth, how often the
// pooled fit test rejects (p < 0.05: does the output warn?), and the coverage of one block's own
// N limits and of its N_pool limits.
//   coverage_study [cities per scenario (default 400)] [bootstrap replicates (default 2000)]
//                  [only this scenario, numbered from 0]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "analysis/city_simulation.h"
#include "analysis/city_total.h"
#include "analysis/pooled_visibility.h"
#include "library/kestrivo.h"

namespace {

using kestrivo::analysis::Counts;

struct StratumPlan {
    double S;
    std::array<double, 3> P;  // by count
    double dogs, size;        // negative binomial: mean dogs per block and dispersion (size)
    int blocks, sampled;      // K_h and k_h
};

// How the blocks of each stratum were chosen, and what the analysis is told.
enum class Sampling {
    random,              // a simple random sample, with K_h
    by_size_weighted,    // in proportion to a known size (the block's expected dogs), weights given
    by_size_unweighted,  // the same sample, analysed as a simple random one: the failure
};

// How the dogs that hold no territory depart from one P shared by all of them on each count:
// their P once seen (behaviour: observers learn the dogs, or the dogs learn to avoid them), their
// P differing among them (two classes, or logit-normal), or resightings taken for new dogs.
struct Departure {
    double once_seen = 1;  // P after a dog's first sighting, as a multiple of its P
    double shy_share = 0;  // share of the dogs in a second class...
    double shy_p = 0;      // ...seen with this P on each count
    double logit_sd = 0;   // each dog's logit P drawn around logit(P) with this sd
    double ghost = 0;      // chance a resighting is recorded as a new dog, seen that once
    bool any() const { return once_seen != 1 || shy_share > 0 || logit_sd > 0 || ghost > 0; }
};

struct Scenario {
    const char* name;
    std::vector<StratumPlan> strata;
    bool later = false;  // the survey records the dogs first seen on counts 2 and 3
    Sampling sampling = Sampling::random;
    Departure departure{};
};

struct Block {
    kestrivo::analysis::SimulatedBlock simulated;
    double mean = 0;  // its expected dogs: the size blocks are chosen by
};

struct Outcome {
    bool covered = false, valid = false, percentile_covered = false;
    double ratio = NAN, width = NAN;
    double sample_ratio = NAN;  // the sampled blocks' dogs as estimated, over their true dogs
    int fit_tests = 0, rejections = 0;
    int own_covered = 0, own_total = 0, pool_covered = 0, pool_total = 0;
};

// The histories of a block's `dogs` dogs under a departure, drawn dog by dog; a ghost is a
// resighting recorded as a dog of its own, first seen on that count and never again.
kestrivo::analysis::SimulatedBlock departed_histories(const StratumPlan& plan, const Departure& d,
                                                      std::int64_t dogs, std::mt19937_64& random) {
    kestrivo::analysis::SimulatedBlock block;
    block.dogs = dogs;
    std::uniform_real_distribution<double> u(0, 1);
    std::normal_distribution<double> z(0, 1);
    // Index of each history in the survey's order (c100, c111, c101, c110) and of the later ones
    // (c010, c001, c011); 000 is never seen.
    const auto record = [&](int h) {
        switch (h) {
            case 0b100:
                ++block.counts[0];
                break;
            case 0b111:
                ++block.counts[1];
                break;
            case 0b101:
                ++block.counts[2];
                break;
            case 0b110:
                ++block.counts[3];
                break;
            case 0b010:
                ++block.later[0];
                break;
            case 0b001:
                ++block.later[1];
                break;
            case 0b011:
                ++block.later[2];
                break;
            default:
                break;
        }
    };
    for (std::int64_t dog = 0; dog < dogs; ++dog) {
        if (u(random) < plan.S) {
            record(0b111);
            continue;
        }
        std::array<double, 3> p = plan.P;
        if (d.shy_share > 0 && u(random) < d.shy_share) p = {d.shy_p, d.shy_p, d.shy_p};
        if (d.logit_sd > 0) {
            const double shift = d.logit_sd * z(random);
            for (double& pc : p)
                pc = 1 / (1 + std::exp(-(std::log(pc / (1 - pc)) + shift)));
        }
        int history = 0;
        bool seen = false;
        for (int c = 0; c < 3; ++c) {
            const double chance =
                seen ? std::min(0.99, p[std::size_t(c)] * d.once_seen) : p[std::size_t(c)];
            if (u(random) >= chance) continue;
            if (seen && d.ghost > 0 && u(random) < d.ghost) {
                record(1 << (2 - c));  // a new dog, seen on this count only
                continue;
            }
            history |= 1 << (2 - c);
            seen = true;
        }
        record(history);
    }
    return block;
}

// A city drawn from the scenario and the survey of it: the design the analysis is given, the
// blocks sampled from each stratum (with what the analysis does not see), and the true total.
struct SampledCity {
    kestrivo::analysis::SurveyDesign design;
    std::vector<std::vector<Block>> sample;
    double truth = 0;
};

// Stratum h's blocks of the city, and the sample of them the survey counts.
void draw_stratum(const Scenario& scenario, std::size_t h, std::mt19937_64& random,
                  SampledCity& drawn) {
    const StratumPlan& plan = scenario.strata[h];
    const bool equal = plan.P[0] == plan.P[1] && plan.P[1] == plan.P[2];
    const kestrivo::analysis::BlockModel model{
        plan.S, plan.P[0], plan.dogs, plan.size,
        equal ? std::nullopt : std::optional<std::array<double, 3>>(plan.P)};
    std::vector<Block> city;
    double sizes = 0;
    for (int b = 0; b < plan.blocks; ++b) {
        const double mean =
            std::gamma_distribution<double>(plan.size, plan.dogs / plan.size)(random);
        const auto dogs = std::poisson_distribution<std::int64_t>(mean)(random);
        city.push_back({scenario.departure.any()
                            ? departed_histories(plan, scenario.departure, dogs, random)
                            : kestrivo::analysis::simulate_histories(model, dogs, random),
                        mean});
        drawn.truth += double(dogs);
        sizes += mean;
    }
    kestrivo::analysis::Stratum& stratum = drawn.design.stratum(std::to_string(h));
    std::vector<Block> chosen;
    std::vector<double> weights;
    if (scenario.sampling == Sampling::random) {
        std::shuffle(city.begin(), city.end(), random);
        chosen.assign(city.begin(), city.begin() + plan.sampled);
    } else {
        // k draws with chances in proportion to size, with replacement (Hansen and Hurwitz):
        // a block drawn twice counts twice, with weight sum(size) / (k size_b) each time.
        std::discrete_distribution<std::size_t> draw(
            city.size(), 0, double(city.size()),
            [&](double x) { return city[std::size_t(x)].mean; });
        for (int i = 0; i < plan.sampled; ++i) {
            const Block& block = city[draw(random)];
            chosen.push_back(block);
            weights.push_back(sizes / (double(plan.sampled) * block.mean));
        }
    }
    if (scenario.sampling != Sampling::by_size_weighted) stratum.blocks_total = plan.blocks;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        const auto& b = chosen[i].simulated;
        stratum.add(
            b.counts, std::nullopt,
            scenario.later ? std::optional<kestrivo::analysis::Later>(b.later) : std::nullopt,
            scenario.sampling == Sampling::by_size_weighted ? std::optional<double>(weights[i])
                                                            : std::nullopt);
    }
    drawn.sample.push_back(std::move(chosen));
}

// The city's total and its interval against the truth.
void check_city_total(const kestrivo::analysis::Library& library, const SampledCity& drawn,
                      std::uint64_t seed, int replicates, Outcome& outcome) {
    const auto totals =
        kestrivo::analysis::city_totals(library, drawn.design, 0.95, {replicates, seed});
    const auto& city = totals.back();
    if (city.percentile_lower && city.percentile_upper) {
        outcome.percentile_covered =
            *city.percentile_lower <= drawn.truth && drawn.truth <= *city.percentile_upper;
    }
    if (city.dogs && city.lower && city.upper) {
        outcome.valid = true;
        outcome.covered = *city.lower <= drawn.truth && drawn.truth <= *city.upper;
        outcome.ratio = *city.dogs / drawn.truth;
        outcome.width = (*city.upper - *city.lower) / drawn.truth;
    }
}

// The sampled blocks' estimated dogs against their true dogs: the share seen's own bias, apart
// from the sampling of blocks.
void check_sampled_blocks(const kestrivo::analysis::Library& library, const SampledCity& drawn,
                          Outcome& outcome) {
    double estimated = 0, sampled_truth = 0;
    bool estimable = true;
    for (std::size_t h = 0; h < drawn.sample.size(); ++h) {
        const auto& stratum = drawn.design.strata[h];
        const auto sums = kestrivo::analysis::sample_sums(stratum);
        const auto q =
            kestrivo::analysis::share_seen_of(library, sums, std::nullopt, stratum.has_later());
        if (!q) estimable = false;
        double seen = 0;
        for (const Block& chosen : drawn.sample[h]) {
            seen += double(kestrivo::analysis::dogs_seen(
                chosen.simulated.counts, stratum.has_later() ? &chosen.simulated.later : nullptr));
            sampled_truth += double(chosen.simulated.dogs);
        }
        if (q) estimated += seen / *q;
    }
    if (estimable && sampled_truth > 0) outcome.sample_ratio = estimated / sampled_truth;
}

// The pooled fit test, each sampled block's own limits, and its limits under the stratum's
// pooled visibility.
void check_pooled_fits(const kestrivo::analysis::Library& library, const Scenario& scenario,
                       const SampledCity& drawn, Outcome& outcome) {
    for (std::size_t h = 0; h < drawn.sample.size(); ++h) {
        const auto pooled = kestrivo::analysis::pool(library, drawn.design.strata[h], 0.95);
        if (pooled) {
            const double p = pooled.seven
                                 ? pooled.seven->chosen_fit().gof_p
                                 : (pooled.report.fit_check ? pooled.report.fit_check->p : NAN);
            if (std::isfinite(p)) {
                ++outcome.fit_tests;
                outcome.rejections += p < 0.05;
            }
        }
        for (const Block& chosen : drawn.sample[h]) {
            const auto& block = chosen.simulated;
            kestrivo::analysis::Request request;
            request.counts = block.counts;
            const auto report = kestrivo::analysis::make_report(library, request);
            const double dogs = double(block.dogs);
            if (report.dogs) {
                ++outcome.own_total;
                outcome.own_covered += report.dogs->lower <= dogs && dogs <= report.dogs->upper;
            }
            if (pooled) {
                const auto pooled_dogs = kestrivo::analysis::block_dogs(
                    pooled, block.counts,
                    scenario.later ? std::optional<kestrivo::analysis::Later>(block.later)
                                   : std::nullopt);
                ++outcome.pool_total;
                outcome.pool_covered += pooled_dogs.lower <= dogs && dogs <= pooled_dogs.upper;
            }
        }
    }
}

Outcome one_city(const Scenario& scenario, std::uint64_t seed, int replicates) {
    const kestrivo::analysis::Library library{RLOGLIK};
    std::mt19937_64 random(seed);
    SampledCity drawn;
    for (std::size_t h = 0; h < scenario.strata.size(); ++h)
        draw_stratum(scenario, h, random, drawn);
    Outcome outcome;
    check_city_total(library, drawn, seed, replicates, outcome);
    check_sampled_blocks(library, drawn, outcome);
    check_pooled_fits(library, scenario, drawn, outcome);
    return outcome;
}

double median(std::vector<double> v) {
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return !std::isfinite(x); }),
            v.end());
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    return kestrivo::analysis::quantile(v, 0.5);
}

}  // namespace

int main(int argc, char** argv) {
    const int cities = argc > 1 ? std::atoi(argv[1]) : 400;
    const int replicates = argc > 2 ? std::atoi(argv[2]) : 2000;
    using P3 = std::array<double, 3>;
    const auto same = [](double p) { return P3{p, p, p}; };
    // The departures: 400 blocks of 30 dogs on average (negative binomial, dispersion 2), 30 of
    // them counted, unless the scenario says otherwise.
    const auto city = [](double s, P3 p) {
        return std::vector<StratumPlan>{{s, p, 30, 2, 400, 30}};
    };
    const std::vector<Scenario> scenarios = {
        {"small blocks (30 dogs), S 0.4, P 0.25", {{0.4, same(0.25), 30, 1.5, 400, 30}}},
        {"small blocks (25 dogs), S 0, P 0.3", {{0.0, same(0.3), 25, 1.5, 400, 30}}},
        {"blocks of 80 dogs, S 0.15, P 0.5", {{0.15, same(0.5), 80, 2, 400, 30}}},
        {"few blocks (k 10 of 200), S 0.2, P 0.4", {{0.2, same(0.4), 40, 1.5, 200, 10}}},
        {"two strata seen differently",
         {{0.5, same(0.3), 30, 1.5, 250, 20}, {0.05, same(0.6), 60, 2, 150, 15}}},
        {"a city counted whole (100 of 100 blocks), S 0.2, P 0.4",
         {{0.2, same(0.4), 30, 2, 100, 100}}},
        {"90% of the city counted (90 of 100), S 0.2, P 0.4", {{0.2, same(0.4), 30, 2, 100, 90}}},
        {"model holds (S 0.3, P 0.4), four histories", city(0.3, same(0.4))},
        {"model holds (S 0.3, P 0.4), seven histories", city(0.3, same(0.4)), true},
        {"P by count 0.45/0.30/0.35, four histories", city(0.3, {0.45, 0.30, 0.35})},
        {"P by count 0.45/0.30/0.35, seven histories", city(0.3, {0.45, 0.30, 0.35}), true},
        {"P by count 0.5/0.25/0.4, four histories", city(0.3, {0.5, 0.25, 0.4})},
        {"P by count 0.5/0.25/0.4, seven histories", city(0.3, {0.5, 0.25, 0.4}), true},
        {"P 0.45 on count 1, 0.32 after, four histories", city(0.3, {0.45, 0.32, 0.32})},
        {"P 0.45 on count 1, 0.32 after, seven histories", city(0.3, {0.45, 0.32, 0.32}), true},
        {"no territorial dogs (S 0, P 0.35), four histories", city(0.0, same(0.35))},
        {"no territorial dogs (S 0, P 0.35), seven histories", city(0.0, same(0.35)), true},
        {"blocks chosen in proportion to size, with weights", city(0.3, same(0.4)), false,
         Sampling::by_size_weighted},
        {"blocks chosen in proportion to size, no weights", city(0.3, same(0.4)), false,
         Sampling::by_size_unweighted},
        {"a census stratum beside a sampled one",
         {{0.3, same(0.4), 30, 2, 60, 60}, {0.2, same(0.5), 40, 2, 300, 25}}},
        {"a city counted nearly whole (190 of 200), S 0.3, P 0.4",
         {{0.3, same(0.4), 30, 2, 200, 190}}},
        {"dogs more visible once seen (P 0.35, x1.5 after), seven histories", city(0.3, same(0.35)),
         true, Sampling::random, Departure{1.5, 0, 0, 0, 0}},
        {"dogs less visible once seen (P 0.35, x0.7 after), seven histories", city(0.3, same(0.35)),
         true, Sampling::random, Departure{0.7, 0, 0, 0, 0}},
        {"two classes of non-territorial dogs (P 0.15 for 40%, 0.55), seven histories",
         city(0.3, same(0.55)), true, Sampling::random, Departure{1, 0.4, 0.15, 0, 0}},
        {"P varies by dog (logit sd 0.5 around 0.35), seven histories", city(0.3, same(0.35)), true,
         Sampling::random, Departure{1, 0, 0, 0.5, 0}},
        {"P varies by dog (logit sd 1 around 0.35), seven histories", city(0.3, same(0.35)), true,
         Sampling::random, Departure{1, 0, 0, 1, 0}},
        {"5% of resightings recorded as a new dog, seven histories", city(0.3, same(0.35)), true,
         Sampling::random, Departure{1, 0, 0, 0, 0.05}},
    };
    std::printf(
        "| city | city interval covers | (percentile bootstrap) | median width / truth | "
        "median city_N / truth | median sample N / its truth | fit test p < 0.05 | block's own N "
        "limits cover | N_pool limits cover |\n"
        "|---|---|---|---|---|---|---|---|---|\n");
    const int only = argc > 3 ? std::atoi(argv[3]) : -1;  // one scenario, by its place
    for (const Scenario& scenario : scenarios) {
        if (only >= 0 && &scenario != &scenarios[std::size_t(only)]) continue;
        std::vector<Outcome> outcomes(static_cast<std::size_t>(cities));
        const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
        std::vector<std::thread> pool;
        for (unsigned t = 0; t < threads; ++t) {
            pool.emplace_back([&, t] {
                for (int c = int(t); c < cities; c += int(threads))
                    outcomes[std::size_t(c)] =
                        one_city(scenario, 1000003ULL * std::uint64_t(c) + 17, replicates);
            });
        }
        for (std::thread& thread : pool)
            thread.join();
        int covered = 0, valid = 0, percentile = 0;
        long own = 0, own_n = 0, pooled = 0, pooled_n = 0, tests = 0, rejected = 0;
        std::vector<double> ratios, widths, sample_ratios;
        for (const Outcome& o : outcomes) {
            valid += o.valid;
            covered += o.covered;
            percentile += o.percentile_covered;
            ratios.push_back(o.ratio);
            sample_ratios.push_back(o.sample_ratio);
            widths.push_back(o.width);
            own += o.own_covered;
            own_n += o.own_total;
            pooled += o.pool_covered;
            pooled_n += o.pool_total;
            tests += o.fit_tests;
            rejected += o.rejections;
        }
        std::printf(
            "| %s | %.1f%% (%d cities) | %.1f%% | %.2f | %.3f | %.3f | %.0f%% | %.1f%% | %.1f%% "
            "|\n",
            scenario.name, 100.0 * covered / std::max(valid, 1), valid,
            100.0 * percentile / std::max(valid, 1), median(widths), median(ratios),
            median(sample_ratios), 100.0 * double(rejected) / double(std::max(tests, 1L)),
            100.0 * double(own) / double(std::max(own_n, 1L)),
            100.0 * double(pooled) / double(std::max(pooled_n, 1L)));
        std::fflush(stdout);
    }
}
