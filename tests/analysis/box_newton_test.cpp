// Newton's method in a box against minima known in closed form: inside the box, on an edge and
// in a corner, from starts outside the box and on a function that is not convex at the start.
#include "analysis/box_newton.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Jet = kestrivo::analysis::Jet<2>;

std::vector<Jet> variables(const std::vector<double>& x) {
    std::vector<Jet> v;
    for (std::size_t i = 0; i < x.size(); ++i)
        v.push_back(Jet::variable(x[i], i));
    return v;
}

// A quadratic bowl centred at (c, d), coupled by the cross term so that a step needs the
// Hessian's off-diagonal.
Jet bowl(const std::vector<double>& x, double c, double d) {
    const auto v = variables(x);
    const Jet u = v[0] - c, w = v[1] - d;
    return u * u + w * w + u * w;
}

TEST(box_newton_test, finds_minima_inside_on_an_edge_and_in_a_corner) {
    const struct {
        double c, d;  // the bowl's centre
        double x, y;  // its minimum in the box [0, 1] x [0, 1]
        std::vector<double> from;
    } cases[] = {
        {0.3, 0.6, 0.3, 0.6, {0.9, 0.1}},   // inside
        {0.5, -0.4, 0.3, 0.0, {0.5, 0.5}},  // on the edge y = 0: 2 (x - 0.5) + 0.4 = 0
        {1.5, -0.5, 1.0, 0.0, {0.2, 0.9}},  // in a corner
        {0.3, 0.6, 0.3, 0.6, {-4.0, 7.0}},  // from outside the box
    };
    for (const auto& c : cases) {
        const auto found = kestrivo::analysis::box_newton<2>(
            [&](const std::vector<double>& x) { return bowl(x, c.c, c.d); }, c.from, {0, 0},
            {1, 1});
        ASSERT_TRUE(found) << c.c << "," << c.d;
        EXPECT_NEAR(found->x[0], c.x, 1e-9) << c.c << "," << c.d;
        EXPECT_NEAR(found->x[1], c.y, 1e-9) << c.c << "," << c.d;
        EXPECT_NEAR(found->value, bowl(found->x, c.c, c.d).value, 1e-15);
    }
}

// Two binomial log likelihoods, -(7 log x + 3 log(1 - x)) - (log y + 3 log(1 - y)), from far
// off (minimum at 0.7 and 0.25); and x^4 - x^2 + y^2 from next to its maximum in x, where the
// Hessian is not positive definite (minima at x = +-1/sqrt 2).
TEST(box_newton_test, finds_binomial_maxima_and_damps_an_indefinite_hessian) {
    const auto f = [](const std::vector<double>& x) {
        const auto v = variables(x);
        return -(7.0 * log(v[0]) + 3.0 * log(1 - v[0])) - (log(v[1]) + 3.0 * log(1 - v[1]));
    };
    const auto saddle = [](const std::vector<double>& x) {
        const auto v = variables(x);
        return v[0] * v[0] * v[0] * v[0] - v[0] * v[0] + v[1] * v[1];
    };
    const auto binomial =
        kestrivo::analysis::box_newton<2>(f, {0.05, 0.9}, {1e-3, 1e-3}, {0.999, 0.999});
    ASSERT_TRUE(binomial);
    EXPECT_NEAR(binomial->x[0], 0.7, 1e-9);
    EXPECT_NEAR(binomial->x[1], 0.25, 1e-9);
    const auto found = kestrivo::analysis::box_newton<2>(saddle, {1e-3, 0.3}, {-2, -2}, {2, 2});
    ASSERT_TRUE(found);
    EXPECT_NEAR(std::fabs(found->x[0]), 1 / std::sqrt(2.0), 1e-8);
    EXPECT_NEAR(found->x[1], 0, 1e-9);
    EXPECT_NEAR(found->value, -0.25, 1e-14);
}

// A function not finite at the start gives no minimum rather than a made-up one.
TEST(box_newton_test, a_start_without_a_value_gives_none) {
    const auto f = [](const std::vector<double>& x) { return -log(variables(x)[0]); };
    EXPECT_FALSE(kestrivo::analysis::box_newton<2>(f, {0.0, 0.5}, {0.0, 0.0}, {1.0, 1.0}));
}

}  // namespace
