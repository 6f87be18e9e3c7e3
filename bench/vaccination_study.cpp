// How often the coverage interval after a vaccination campaign covers the true coverage, by
// simulation: cities whose dogs are marked (vaccinated) or not, each group seen as its own model
// says, samples of their blocks counted three times with each dog's mark read on every sighting,
// and every estimate made by analysis/vaccination_coverage (the code the report runs). For each
// scenario it prints how often the interval covers the city's true share of marked dogs, the
// median estimate minus the truth (in points), its median width, the same for the naive share
// marked among the dogs seen (with a ratio estimator's t interval over the blocks), and how
// often the test of equal visibility rejects at 0.05.
//   vaccination_study [cities per scenario (default 400)] [bootstrap replicates (default 500)]
//                     [only this scenario, numbered from 0] [threads (default all cores)]
#include <algorithm>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "analysis/city_total.h"
#include "analysis/parallel_for.h"
#include "analysis/vaccination_coverage.h"
#include "library/kestrivo.h"

namespace {

using kestrivo::analysis::Marks;
using kestrivo::analysis::SevenHistories;

// One group's visibility: its territorial share and its P.
struct Seen {
    double S, P;
};

struct StratumPlan {
    double coverage;      // each dog marked with this chance
    Seen marked, others;  // how each group is seen
    double dogs, size;    // negative binomial: mean dogs per block and dispersion (size)
    int blocks, sampled;  // K_h and k_h
};

struct Scenario {
    const char* name;
    std::vector<StratumPlan> strata;
    bool seven = true;
    double unclear = 0.03;     // chance a sighting shows no mark clearly either way
    double mark_missed = 0.0;  // chance a clear sighting of a marked dog misses its mark
};

struct Outcome {
    bool valid = false, covered = false, naive_covered = false, rejected = false, tested = false;
    double error = NAN, naive_error = NAN, width = NAN;
};

// One block's sampled dogs, dog by dog: its seven histories, its marked dogs' histories as read
// (a marked dog counts as marked when some clear sighting shows the mark), and its dogs of
// unknown mark (no sighting clear).
void count_block(const StratumPlan& plan, const Scenario& scenario, std::int64_t marked,
                 std::int64_t others, std::mt19937_64& random, SevenHistories& all, Marks& marks) {
    std::uniform_real_distribution<double> u(0, 1);
    static constexpr int kIndex[8] = {-1, 5, 4, 6, 0, 2, 3, 1};  // bits 1,2,3 -> survey order
    for (std::int64_t dog = 0; dog < marked + others; ++dog) {
        const bool is_marked = dog < marked;
        const Seen& seen = is_marked ? plan.marked : plan.others;
        const bool territorial = u(random) < seen.S;
        int history = 0, clear = 0, shown = 0;
        for (int c = 0; c < 3; ++c) {
            if (!territorial && u(random) >= seen.P) continue;
            history |= 4 >> c;
            if (u(random) < scenario.unclear) continue;
            ++clear;
            if (is_marked && u(random) >= scenario.mark_missed) ++shown;
        }
        if (history == 0) continue;
        if (!scenario.seven && !(history & 4)) continue;
        const std::size_t h = std::size_t(kIndex[history]);
        ++all[h];
        if (shown > 0) {
            ++marks.marked[h];
        } else if (clear == 0) {
            ++marks.unknown;
        }
    }
}

struct City {
    kestrivo::analysis::SurveyDesign design;
    double marked = 0, dogs = 0;  // the truth
    // Each sampled block's marked dogs seen and dogs of known mark seen, by stratum: the naive
    // share's ratio estimator.
    std::vector<std::vector<std::pair<double, double>>> naive;
};

void draw_stratum(const Scenario& scenario, std::size_t h, std::mt19937_64& random, City& city) {
    const StratumPlan& plan = scenario.strata[h];
    std::vector<std::pair<std::int64_t, std::int64_t>> blocks;  // marked, others
    for (int b = 0; b < plan.blocks; ++b) {
        const double mean =
            std::gamma_distribution<double>(plan.size, plan.dogs / plan.size)(random);
        const auto dogs = std::poisson_distribution<std::int64_t>(mean)(random);
        const auto marked = std::binomial_distribution<std::int64_t>(dogs, plan.coverage)(random);
        blocks.push_back({marked, dogs - marked});
        city.marked += double(marked);
        city.dogs += double(dogs);
    }
    std::shuffle(blocks.begin(), blocks.end(), random);
    kestrivo::analysis::Stratum& stratum = city.design.stratum(std::to_string(h));
    stratum.blocks_total = plan.blocks;
    city.naive.emplace_back();
    for (int b = 0; b < plan.sampled; ++b) {
        SevenHistories all{};
        Marks marks;
        count_block(plan, scenario, blocks[std::size_t(b)].first, blocks[std::size_t(b)].second,
                    random, all, marks);
        kestrivo::analysis::Counts counts{};
        for (std::size_t i = 0; i < 4; ++i)
            counts[i] = std::int32_t(all[i]);
        const kestrivo::analysis::Later later{std::int32_t(all[4]), std::int32_t(all[5]),
                                              std::int32_t(all[6])};
        stratum.add(counts, std::nullopt,
                    scenario.seven ? std::optional<kestrivo::analysis::Later>(later) : std::nullopt,
                    std::nullopt, marks);
        double seen = 0, marked = 0;
        for (std::size_t i = 0; i < 7; ++i) {
            seen += double(all[i]);
            marked += double(marks.marked[i]);
        }
        city.naive.back().push_back({marked, seen - double(marks.unknown)});
    }
}

// The naive share marked among the dogs of known mark seen, sum_h (K_h / k_h) sum m_b over
// sum_h (K_h / k_h) sum k_b, and its linearised standard error with the finite population.
std::pair<double, double> naive_share(const Scenario& scenario, const City& city) {
    double m = 0, k = 0;
    for (std::size_t h = 0; h < city.naive.size(); ++h) {
        const double w = double(scenario.strata[h].blocks) / double(scenario.strata[h].sampled);
        for (const auto& [mb, kb] : city.naive[h]) {
            m += w * mb;
            k += w * kb;
        }
    }
    const double r = m / k;
    double variance = 0;
    for (std::size_t h = 0; h < city.naive.size(); ++h) {
        const double n = double(scenario.strata[h].sampled), K = double(scenario.strata[h].blocks);
        double mean = 0, squares = 0;
        for (const auto& [mb, kb] : city.naive[h])
            mean += (mb - r * kb) / n;
        for (const auto& [mb, kb] : city.naive[h])
            squares += (mb - r * kb - mean) * (mb - r * kb - mean);
        variance += K * K * (1 - n / K) * squares / (n - 1) / n;
    }
    return {r, std::sqrt(variance) / k};
}

Outcome one_city(const Scenario& scenario, std::uint64_t seed, int replicates) {
    const kestrivo::analysis::Library library{RLOGLIK};
    std::mt19937_64 random(seed);
    City city;
    for (std::size_t h = 0; h < scenario.strata.size(); ++h)
        draw_stratum(scenario, h, random, city);
    kestrivo::analysis::CoverageOptions options;
    options.bootstrap.replicates = replicates;
    options.bootstrap.seed = seed;
    const auto totals = kestrivo::analysis::coverage_total(library, city.design, options);
    const double truth = city.marked / city.dogs;
    Outcome outcome;
    const auto& c = totals.back();
    if (c.coverage && c.lower && c.upper) {
        outcome.valid = true;
        outcome.covered = *c.lower <= truth && truth <= *c.upper;
        outcome.error = 100 * (*c.coverage - truth);
        outcome.width = 100 * (*c.upper - *c.lower);
    }
    const auto [naive, se] = naive_share(scenario, city);
    double df = -1;
    for (const StratumPlan& plan : scenario.strata)
        df += plan.sampled - (df < 0 ? 0 : 1);
    const boost::math::students_t_distribution<double> t(std::max(df, 1.0));
    const double spread = boost::math::quantile(t, 0.975) * se;
    outcome.naive_covered = naive - spread <= truth && truth <= naive + spread;
    outcome.naive_error = 100 * (naive - truth);
    for (std::size_t h = 0; h + 1 < totals.size(); ++h) {
        if (const auto& test = totals[h].fit.equal_visibility) {
            outcome.tested = true;
            outcome.rejected = outcome.rejected || test->p < 0.05;
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

void run(const Scenario& scenario, int cities, int replicates, int threads) {
    // Each city's seed is its number alone and its outcome has a slot of its own, so the table
    // is the same whatever the number of threads.
    std::vector<Outcome> outcomes(static_cast<std::size_t>(cities));
    kestrivo::analysis::parallel_for(outcomes.size(), threads, [&](std::size_t c) {
        outcomes[c] = one_city(scenario, 1000003ULL * std::uint64_t(c) + 29, replicates);
    });
    int valid = 0, covered = 0, naive_covered = 0, tested = 0, rejected = 0;
    std::vector<double> errors, naive_errors, widths;
    for (const Outcome& o : outcomes) {
        valid += o.valid;
        covered += o.covered;
        naive_covered += o.naive_covered;
        tested += o.tested;
        rejected += o.rejected;
        errors.push_back(o.error);
        naive_errors.push_back(o.naive_error);
        widths.push_back(o.width);
    }
    std::printf("| %s | %.1f%% (%d cities) | %+.2f | %.1f | %.1f%% | %+.2f | %.0f%% |\n",
                scenario.name, 100.0 * covered / std::max(valid, 1), valid, median(errors),
                median(widths), 100.0 * naive_covered / std::max(cities, 1), median(naive_errors),
                100.0 * rejected / std::max(tested, 1));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const int cities = argc > 1 ? std::atoi(argv[1]) : 400;
    const int replicates = argc > 2 ? std::atoi(argv[2]) : 500;
    const int only = argc > 3 ? std::atoi(argv[3]) : -1;
    const int threads =
        argc > 4 ? std::max(1, std::atoi(argv[4])) : kestrivo::analysis::all_cores();
    // 400 blocks of 30 dogs on average (negative binomial, dispersion 2), 30 of them counted,
    // unless the scenario says otherwise.
    const auto city = [](double coverage, Seen marked, Seen others) {
        return std::vector<StratumPlan>{{coverage, marked, others, 30, 2, 400, 30}};
    };
    const Seen alike{0.3, 0.4};
    const std::vector<Scenario> scenarios = {
        {"coverage 0.5, both groups seen alike (S 0.3, P 0.4)", city(0.5, alike, alike)},
        {"coverage 0.7, both groups seen alike", city(0.7, alike, alike)},
        {"coverage 0.85, both groups seen alike", city(0.85, alike, alike)},
        {"coverage 0.7, marked dogs seen more (S 0.4, P 0.55 against S 0.25, P 0.37)",
         city(0.7, {0.4, 0.55}, {0.25, 0.37})},
        {"two strata, coverage 0.8 and 0.45",
         {{0.8, alike, alike, 30, 2, 250, 20}, {0.45, {0.2, 0.5}, {0.2, 0.5}, 40, 2, 150, 15}}},
        {"coverage 0.7, 10% of sightings of marked dogs miss the mark", city(0.7, alike, alike),
         true, 0.03, 0.10},
        {"coverage 0.7, marked dogs seen more, four histories",
         city(0.7, {0.4, 0.55}, {0.25, 0.37}), false},
        // Without sightings whose mark is unclear: the dogs of unknown mark, mostly seen once,
        // no longer leave the marked group looking more visible than it is.
        {"coverage 0.85, both groups seen alike, every mark seen clearly", city(0.85, alike, alike),
         true, 0.0},
    };
    std::printf(
        "| city | coverage interval covers | median estimate - truth (points) | median width "
        "(points) | naive interval covers | median naive - truth (points) | equal visibility "
        "rejected |\n|---|---|---|---|---|---|---|\n");
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        if (only >= 0 && std::size_t(only) != i) continue;
        run(scenarios[i], cities, replicates, threads);
    }
}
