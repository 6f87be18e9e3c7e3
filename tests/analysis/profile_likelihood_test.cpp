// The slopes the dogs' limits search with, against central differences of the values they are
// the slopes of: the partial slopes of the log likelihood, and the slope of the profile at a fixed
// share seen wherever its maximum lies (inside the line, on an edge of S, on an edge of P).
#include "analysis/profile_likelihood.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>

#include "library/kestrivo.h"

namespace {

using kestrivo::analysis::Model;

double difference(auto f, double x) {
    const double h = 1e-6 * std::fmax(1.0, std::fabs(x));
    return (f(x + h) - f(x - h)) / (2 * h);
}

TEST(profile_likelihood_test, slopes_match_differences_of_the_values) {
    const struct {
        std::array<int32_t, 4> counts;
        std::optional<double> s_held;
    } models[] = {
        {{29, 36, 54, 48}, {}}, {{2, 60, 1, 1}, {}}, {{40, 5, 3, 2}, {}},
        {{10, 20, 5, 5}, 0.3},  {{1, 23, 1, 0}, {}}, {{6, 28, 6, 20}, 0.0},
    };
    int checked = 0;
    for (const auto& m : models) {
        const Model model(RLOGLIK, m.counts, m.s_held);
        for (double s : {0.05, 0.4, 0.9}) {
            for (double p : {0.05, 0.5, 0.95}) {
                SCOPED_TRACE(::testing::Message()
                             << m.counts[0] << "," << m.counts[1] << " at S " << s << ", P " << p);
                const double ds = difference([&](double x) { return model.at(x, p); }, s);
                const double dp = difference([&](double x) { return model.at(s, x); }, p);
                EXPECT_NEAR(model.slope_s(s, p), ds, 1e-5 * std::fmax(1.0, std::fabs(ds)));
                EXPECT_NEAR(model.slope_p(s, p), dp, 1e-5 * std::fmax(1.0, std::fabs(dp)));
            }
        }
        const auto [q_low, q_high] = model.seen_range();
        for (int i = 1; i < 40; ++i) {
            const double q = q_low + (q_high - q_low) * i / 40.0;
            const double dq = difference([&](double x) { return model.profile_seen(x); }, q);
            const double slope = model.profile_seen_and_slope(q).slope;
            // Where the maximum switches from one place to another the profile has a corner;
            // a difference across it is no slope, and such q are skipped.
            const double left = (model.profile_seen(q) - model.profile_seen(q - 1e-4)) / 1e-4;
            const double right = (model.profile_seen(q + 1e-4) - model.profile_seen(q)) / 1e-4;
            if (std::fabs(left - right) > 1e-2 * std::fmax(1.0, std::fabs(dq))) continue;
            ++checked;
            EXPECT_NEAR(slope, dq, 1e-4 * std::fmax(1.0, std::fabs(dq)))
                << m.counts[0] << "," << m.counts[1] << " at q " << q;
        }
    }
    EXPECT_GT(checked, 200);  // of 234: corners are few
}

}  // namespace
