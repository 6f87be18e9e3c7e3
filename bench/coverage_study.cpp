// How often the intervals of the survey level cover the truth, by simulation: cities drawn from
// the model, simple random samples of their blocks, and every estimate made by the analysis code
// that kestrivo-report runs (pooled visibility, the city total and its bootstrap). For each
// scenario it prints the coverage of the city interval, its median width against the truth, the
// median city_N / truth, and the coverage of one block's own N limits and of its N_pool limits.
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
    double S, P;          // visibility
    double dogs, size;    // negative binomial: mean dogs per block and dispersion (size)
    int blocks, sampled;  // K_h and k_h
};

kestrivo::analysis::BlockModel model_of(const StratumPlan& plan) {
    return {plan.S, plan.P, plan.dogs, plan.size, {}};
}

struct Scenario {
    const char* name;
    std::vector<StratumPlan> strata;
};

using Block = kestrivo::analysis::SimulatedBlock;

struct Outcome {
    bool covered = false, valid = false, percentile_covered = false;
    double ratio = NAN, width = NAN;
    int own_covered = 0, own_total = 0, pool_covered = 0, pool_total = 0;
};

Outcome one_city(const Scenario& scenario, std::uint64_t seed, int replicates) {
    const kestrivo::analysis::Library library{RLOGLIK};
    std::mt19937_64 random(seed);
    kestrivo::analysis::SurveyDesign design;
    std::vector<std::vector<Block>> sample;
    double truth = 0;
    for (std::size_t h = 0; h < scenario.strata.size(); ++h) {
        const StratumPlan& plan = scenario.strata[h];
        std::vector<Block> city;
        for (int b = 0; b < plan.blocks; ++b) {
            city.push_back(kestrivo::analysis::simulate_block(model_of(plan), random));
            truth += city.back().dogs;
        }
        std::shuffle(city.begin(), city.end(), random);
        city.resize(std::size_t(plan.sampled));
        kestrivo::analysis::Stratum& stratum = design.stratum(std::to_string(h));
        stratum.blocks_total = plan.blocks;
        for (const Block& block : city)
            stratum.add(block.counts, std::nullopt);
        sample.push_back(std::move(city));
    }

    Outcome outcome;
    const auto totals = kestrivo::analysis::city_totals(library, design, 0.95, {replicates, seed});
    const auto& city = totals.back();
    // The same replicates read by their percentiles, for comparison.
    const auto percentile = kestrivo::analysis::city_totals(
                                library, design, 0.95,
                                {replicates, seed, kestrivo::analysis::IntervalMethod::percentile})
                                .back();
    if (percentile.lower && percentile.upper) {
        outcome.percentile_covered = *percentile.lower <= truth && truth <= *percentile.upper;
    }
    if (city.dogs && city.lower && city.upper) {
        outcome.valid = true;
        outcome.covered = *city.lower <= truth && truth <= *city.upper;
        outcome.ratio = *city.dogs / truth;
        outcome.width = (*city.upper - *city.lower) / truth;
    }
    // Each sampled block's own limits, and its limits under the stratum's pooled visibility.
    for (std::size_t h = 0; h < sample.size(); ++h) {
        const auto pooled = kestrivo::analysis::pool(library, design.strata[h], 0.95);
        for (const Block& block : sample[h]) {
            kestrivo::analysis::Request request;
            request.counts = block.counts;
            const auto report = kestrivo::analysis::make_report(library, request);
            if (report.dogs) {
                ++outcome.own_total;
                outcome.own_covered +=
                    report.dogs->lower <= block.dogs && block.dogs <= report.dogs->upper;
            }
            if (pooled) {
                const auto dogs = kestrivo::analysis::dogs_under(pooled, *report.n);
                ++outcome.pool_total;
                outcome.pool_covered += dogs.lower <= block.dogs && block.dogs <= dogs.upper;
            }
        }
    }
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
    const std::vector<Scenario> scenarios = {
        {"small blocks (30 dogs), S 0.4, P 0.25", {{0.4, 0.25, 30, 1.5, 400, 30}}},
        {"small blocks (25 dogs), S 0, P 0.3", {{0.0, 0.3, 25, 1.5, 400, 30}}},
        {"blocks of 80 dogs, S 0.15, P 0.5", {{0.15, 0.5, 80, 2, 400, 30}}},
        {"few blocks (k 10 of 200), S 0.2, P 0.4", {{0.2, 0.4, 40, 1.5, 200, 10}}},
        {"two strata seen differently",
         {{0.5, 0.3, 30, 1.5, 250, 20}, {0.05, 0.6, 60, 2, 150, 15}}},
        {"a city counted whole (100 of 100 blocks), S 0.2, P 0.4", {{0.2, 0.4, 30, 2, 100, 100}}},
        {"90% of the city counted (90 of 100), S 0.2, P 0.4", {{0.2, 0.4, 30, 2, 100, 90}}},
    };
    std::printf(
        "| city | city interval covers | (percentile bootstrap) | median width / truth | "
        "median city_N / truth | block's own N limits cover | N_pool limits cover |\n"
        "|---|---|---|---|---|---|---|\n");
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
        long own = 0, own_n = 0, pooled = 0, pooled_n = 0;
        std::vector<double> ratios, widths;
        for (const Outcome& o : outcomes) {
            valid += o.valid;
            covered += o.covered;
            percentile += o.percentile_covered;
            ratios.push_back(o.ratio);
            widths.push_back(o.width);
            own += o.own_covered;
            own_n += o.own_total;
            pooled += o.pool_covered;
            pooled_n += o.pool_total;
        }
        std::printf("| %s | %.1f%% (%d cities) | %.1f%% | %.2f | %.3f | %.1f%% | %.1f%% |\n",
                    scenario.name, 100.0 * covered / std::max(valid, 1), valid,
                    100.0 * percentile / std::max(valid, 1), median(widths), median(ratios),
                    100.0 * double(own) / double(std::max(own_n, 1L)),
                    100.0 * double(pooled) / double(std::max(pooled_n, 1L)));
        std::fflush(stdout);
    }
}
