// The profiles as one-dimensional maximisations of RLOGLIK's value.
#include "profile_likelihood.h"

#include <algorithm>
#include <cmath>

#include "one_dimension.h"

namespace kestrivo::analysis {
namespace {

double into_box(double x) {
    return std::clamp(x, kLowerBound, kUpperBound);
}

}  // namespace

Model::Model(LogLikelihoodFn loglik, std::array<int32_t, 4> counts, std::optional<double> s_held)
    : loglik_(loglik), counts_(counts), s_held_(s_held) {}

double Model::at(double s, double p) const {
    double s_in_out = s;  // RLOGLIK hands back S' in place of S
    return loglik_(counts_.data(), &p, &s_in_out);
}

double Model::profile_p(double p) const {
    if (s_held_) return at(*s_held_, p);
    return maximise([&](double s) { return at(s, p); }, kLowerBound, kUpperBound).value;
}

double Model::profile_s(double s) const {
    return maximise([&](double p) { return at(s, p); }, kLowerBound, kUpperBound).value;
}

std::pair<double, double> Model::seen_range() const {
    const double s_low = s_held_ ? *s_held_ : kLowerBound;
    const double s_high = s_held_ ? *s_held_ : kUpperBound;
    return {share_seen(s_low, kLowerBound), share_seen(s_high, kUpperBound)};
}

double Model::profile_seen(double q) const {
    // On the line S + (1 - S) P = q, P = (q - S) / (1 - S).
    if (s_held_) {
        const double s = *s_held_;
        return at(s, s < 1 ? into_box((q - s) / (1 - s)) : kLowerBound);
    }
    // P >= 0.01 holds for S <= (q - 0.01) / 0.99 and P <= 0.99 for S >= (q - 0.99) / 0.01.
    const double s_low = std::max(kLowerBound, (q - kUpperBound) / (1 - kUpperBound));
    const double s_high = std::min(kUpperBound, (q - kLowerBound) / (1 - kLowerBound));
    const auto on_line = [&](double s) { return at(s, into_box((q - s) / (1 - s))); };
    if (!(s_high > s_low)) return on_line(std::clamp(s_low, kLowerBound, kUpperBound));
    return maximise(on_line, s_low, s_high).value;
}

}  // namespace kestrivo::analysis
