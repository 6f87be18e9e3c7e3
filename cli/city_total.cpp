// The city total, accumulated block by block so that no block needs keeping.
#include "city_total.h"

#include <boost/math/distributions/students_t.hpp>
#include <cmath>

#include "boost_policy.h"

namespace kestrivo::cli {

void CityTotalAccumulator::add(std::int64_t n, double n_hat) {
    ++k_;
    n_ += n;
    sum_ += n_hat;
    const double delta = n_hat - mean_;
    mean_ += delta / double(k_);
    squares_ += delta * (n_hat - mean_);
}

CityTotal CityTotalAccumulator::total(std::int64_t blocks_in_city, double level) const {
    CityTotal total;
    total.n = n_;
    total.n_hat_sum = sum_;
    if (k_ == 0) return total;
    const double K = double(blocks_in_city), k = double(k_);
    total.dogs = K / k * sum_;
    if (k_ >= blocks_in_city) {
        // A census: every block was counted, so there is no sampling error.
        total.standard_error = 0;
        total.lower = total.upper = *total.dogs;
        return total;
    }
    if (k_ < 2) return total;
    // Var(K ybar) = K^2 (1 - k/K) s^2 / k, with s^2 the variance between the blocks' estimates.
    const double variance_between = squares_ / (k - 1);
    const double se = std::sqrt(K * K * (1 - k / K) * variance_between / k);
    const boost::math::students_t_distribution<double, analysis::MathPolicy> t(k - 1);
    const double half = boost::math::quantile(t, (1 + level) / 2) * se;
    total.standard_error = se;
    // The city cannot hold fewer dogs than the survey identified.
    total.lower = std::fmax(*total.dogs - half, double(n_));
    total.upper = *total.dogs + half;
    return total;
}

}  // namespace kestrivo::cli
