// simulate_histories by binomial splits of the block's dogs; the stratum's total as a gamma-mixed
// Poisson, its blocks split off it one by one.
#include "analysis/city_simulation.h"

#include <cmath>

namespace kestrivo::analysis {
namespace {

std::int64_t binomial(std::int64_t n, double p, std::mt19937_64& random) {
    if (n <= 0 || p <= 0) return 0;
    if (p >= 1) return n;
    return std::binomial_distribution<std::int64_t>(n, p)(random);
}

// Poisson with the given mean, which may be far beyond an int's range.
std::int64_t poisson(double mean, std::mt19937_64& random) {
    if (!(mean > 0)) return 0;
    return std::poisson_distribution<std::int64_t>(mean)(random);
}

double gamma(double shape, double scale, std::mt19937_64& random) {
    return std::gamma_distribution<double>(shape, scale)(random);
}

}  // namespace

SimulatedBlock simulate_histories(const BlockModel& model, std::int64_t dogs,
                                  std::mt19937_64& random) {
    const std::array<double, 3> p =
        model.p_by_count.value_or(std::array{model.P, model.P, model.P});
    // A dog's chance on count c once it has been seen before: P_again where seeing it changes it.
    const std::array<double, 3> again =
        model.p_again ? std::array{*model.p_again, *model.p_again, *model.p_again} : p;
    SimulatedBlock block;
    block.dogs = dogs;
    const std::int64_t territorial = binomial(dogs, model.S, random);
    const std::int64_t others = dogs - territorial;
    // The others seen on count 1, and of those who is seen again on counts 2 and 3.
    const std::int64_t first = binomial(others, p[0], random);
    const std::int64_t first_second = binomial(first, again[1], random);
    const std::int64_t all_three = binomial(first_second, again[2], random);
    const std::int64_t first_third = binomial(first - first_second, again[2], random);
    // The others missed on count 1 and first seen later: on count 2, then again on count 3 or
    // not; or first on count 3.
    const std::int64_t second = binomial(others - first, p[1], random);
    const std::int64_t second_third = binomial(second, again[2], random);
    const std::int64_t third = binomial(others - first - second, p[2], random);
    const auto count = [](std::int64_t v) {
        return std::int32_t(std::min<std::int64_t>(v, INT32_MAX));
    };
    block.counts = {count(first - first_second - first_third), count(territorial + all_three),
                    count(first_third), count(first_second - all_three)};
    block.later = {count(second - second_third), count(third), count(second_third)};
    return block;
}

SimulatedBlock simulate_block(const BlockModel& model, std::mt19937_64& random) {
    double mean = model.mean_dogs;
    if (model.dispersion)
        mean = gamma(*model.dispersion, model.mean_dogs / *model.dispersion, random);
    return simulate_histories(model, poisson(mean, random), random);
}

SimulatedStratum::SimulatedStratum(const BlockModel& model, std::int64_t blocks,
                                   std::mt19937_64& random)
    : model_(model), blocks_left_(std::max<std::int64_t>(blocks, 0)) {
    // The sum of K negative binomials of size r is one of size K r; of K Poissons, one Poisson.
    const double K = double(blocks_left_);
    double mean = K * model.mean_dogs;
    if (model.dispersion && blocks_left_ > 0) {
        mean = gamma(K * *model.dispersion, model.mean_dogs / *model.dispersion, random);
    }
    dogs_ = dogs_left_ = poisson(mean, random);
}

SimulatedBlock SimulatedStratum::next(std::mt19937_64& random) {
    if (blocks_left_ <= 0) return {};
    std::int64_t dogs = dogs_left_;
    if (blocks_left_ > 1) {
        // One of n exchangeable blocks given their total: binomial with chance 1 / n under
        // Poisson; under the negative binomial the chance is itself Beta(r, (n - 1) r).
        double share = 1 / double(blocks_left_);
        if (model_.dispersion) {
            const double r = *model_.dispersion;
            const double x = gamma(r, 1, random),
                         y = gamma(double(blocks_left_ - 1) * r, 1, random);
            share = x / (x + y);
        }
        dogs = binomial(dogs_left_, share, random);
    }
    --blocks_left_;
    dogs_left_ -= dogs;
    return simulate_histories(model_, dogs, random);
}

}  // namespace kestrivo::analysis
