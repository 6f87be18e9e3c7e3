// The minimiser on objectives of the tests' own: where it looks, what it returns, and how it
// copes with infinities.
#include "library/minimiser.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

// The objectives record every point they are called at here; RUSER carries the box for checking.
std::vector<std::array<double, 2>> g_calls;

void record(int32_t n, const double* xc) {
    g_calls.push_back({xc[0], n > 1 ? xc[1] : 0.0});
}

// A bowl with its floor at (RUSER(1), RUSER(2)), possibly outside the box.
void bowl(const int32_t* n, const double* xc, double* fc, const int32_t*, const double* ruser) {
    record(*n, xc);
    double sum = 0;
    for (int i = 0; i < *n; ++i)
        sum += (xc[i] - ruser[i]) * (xc[i] - ruser[i]) * (i + 1);
    *fc = sum;
}

// The bowl, but +infinity wherever x(1) > RUSER(3): the floor sits just below that wall.
void walled(const int32_t* n, const double* xc, double* fc, const int32_t* iu, const double* ru) {
    bowl(n, xc, fc, iu, ru);
    if (xc[0] > ru[2]) *fc = INFINITY;
}

// Two basins: a wide shallow one at (0.2, 0.2) and a narrow one 0.01 deeper at (RUSER(1),
// RUSER(2)), where a search started in the wide one never looks.
void two_wells(const int32_t* n, const double* xc, double* fc, const int32_t*, const double* ru) {
    record(*n, xc);
    double wide = 0, narrow = 0;
    for (int i = 0; i < *n; ++i) {
        wide += (xc[i] - 0.2) * (xc[i] - 0.2);
        narrow += 100 * (xc[i] - ru[i]) * (xc[i] - ru[i]);
    }
    *fc = std::min(wide, narrow - 0.01);
}

void nowhere_finite(const int32_t* n, const double* xc, double* fc, const int32_t*, const double*) {
    record(*n, xc);
    *fc = NAN;
}

struct Search {
    int32_t n, ifail = 1;
    double f = 0;
    std::array<double, 2> x, bl, bu;
    std::array<double, 3> ruser;
    void operator()(kestrivo::library::Objective objective) {
        g_calls.clear();
        const int32_t ibound = 0, liw = 20, lw = 500;
        int32_t iw[20];
        double w[500];
        kestrivo::library::E04JYF(&n, &ibound, objective, bl.data(), bu.data(), x.data(), &f, iw,
                                  &liw, w, &lw, nullptr, ruser.data(), &ifail);
    }
    bool every_call_inside() const {
        for (const auto& c : g_calls) {
            for (int i = 0; i < n; ++i) {
                if (!(c[i] >= bl[i] && c[i] <= bu[i])) return false;
            }
        }
        return true;
    }
};

TEST(minimiser_test, finds_floors_inside_and_on_the_bounds_evaluating_only_inside) {
    const Search cases[] = {
        {1, 1, 0, {0.5}, {0.01}, {0.99}, {0.3}},
        {1, 1, 0, {0.5}, {0.01}, {0.99}, {-2.0}},   // floor below the box
        {1, 1, 0, {0.99}, {0.01}, {0.99}, {0.99}},  // start on the floor, on the bound
        {2, 1, 0, {0.5, 0.5}, {0.01, 0.01}, {0.99, 0.99}, {0.25, 0.75}},
        {2, 1, 0, {0.5, 0.5}, {0.01, 0.01}, {0.99, 0.99}, {0.25, 5.0}},
        {2, 1, 0, {0.5, 0.5}, {0.01, 0.01}, {0.99, 0.99}, {-1.0, -1.0}},  // a corner
        {2, 1, 0, {9.0, -9.0}, {0.01, 0.01}, {0.99, 0.99}, {0.4, 0.6}},   // start outside
    };
    for (Search run : cases) {
        run(bowl);
        SCOPED_TRACE(::testing::Message()
                     << "n " << run.n << " floor " << run.ruser[0] << "," << run.ruser[1]);
        EXPECT_EQ(run.ifail, 0);
        EXPECT_TRUE(run.every_call_inside());
        for (int i = 0; i < run.n; ++i) {
            EXPECT_NEAR(run.x[i], std::clamp(run.ruser[i], run.bl[i], run.bu[i]), 1e-7);
        }
        EXPECT_LT(g_calls.size(), 400u);
    }
}

TEST(minimiser_test, returns_the_lowest_point_it_evaluated) {
    Search run{2, 1, 0, {0.5, 0.5}, {0.01, 0.01}, {0.99, 0.99}, {0.31, 0.77}};
    run(bowl);
    double lowest = INFINITY;
    for (const auto& c : g_calls) {
        lowest =
            std::min(lowest, (c[0] - 0.31) * (c[0] - 0.31) + 2 * (c[1] - 0.77) * (c[1] - 0.77));
    }
    EXPECT_EQ(run.f, lowest);
    EXPECT_EQ(run.f,
              (run.x[0] - 0.31) * (run.x[0] - 0.31) + 2 * (run.x[1] - 0.77) * (run.x[1] - 0.77));
}

TEST(minimiser_test, infinite_values_near_the_floor_do_not_derail_it) {
    Search run{2, 1, 0, {0.2, 0.2}, {0.01, 0.01}, {0.99, 0.99}, {0.69, 0.4, 0.7}};
    run(walled);
    EXPECT_EQ(run.ifail, 0);
    EXPECT_NEAR(run.x[0], 0.69, 1e-7);
    EXPECT_NEAR(run.x[1], 0.4, 1e-7);
    // The floor beyond the wall is unreachable: the best is at the wall.
    Search beyond{1, 1, 0, {0.1}, {0.01}, {0.99}, {0.9, 0, 0.5}};
    beyond(walled);
    EXPECT_LE(beyond.x[0], 0.5);
    EXPECT_NEAR(beyond.x[0], 0.5, 1e-6);
    EXPECT_TRUE(std::isfinite(beyond.f));
}

TEST(minimiser_test, an_objective_finite_nowhere_reports_no_progress_with_a_real_evaluation) {
    Search run{2, 1, 0, {0.3, 0.4}, {0.01, 0.01}, {0.99, 0.99}, {}};
    run(nowhere_finite);
    EXPECT_EQ(run.ifail, kestrivo::library::kNoProgress);
    EXPECT_TRUE(std::isnan(run.f));
    EXPECT_TRUE(run.every_call_inside());
    EXPECT_LT(g_calls.size(), 4001u);
}

// A local search from the start finds the wide basin; the scan of the box finds the narrow deeper
// one, whether it lies inside, on an edge or in a corner, in one variable or two.
TEST(minimiser_test, a_deeper_basin_away_from_the_start_is_found) {
    const Search cases[] = {
        {1, 1, 0, {0.3}, {0.01}, {0.99}, {0.9}},
        {2, 1, 0, {0.3, 0.3}, {0.01, 0.01}, {0.99, 0.99}, {0.9, 0.9}},
        {2, 1, 0, {0.3, 0.3}, {0.01, 0.01}, {0.99, 0.99}, {0.99, 0.6}},
        {2, 1, 0, {0.3, 0.3}, {0.01, 0.01}, {0.99, 0.99}, {0.99, 0.01}},
    };
    for (Search run : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "n " << run.n << " deep at " << run.ruser[0] << "," << run.ruser[1]);
        run(two_wells);
        EXPECT_EQ(run.ifail, 0);
        EXPECT_NEAR(run.f, -0.01, 1e-9);
        for (int i = 0; i < run.n; ++i)
            EXPECT_NEAR(run.x[i], run.ruser[i], 1e-6);
        EXPECT_TRUE(run.every_call_inside());
    }
}

TEST(minimiser_test, a_variable_with_equal_bounds_is_held_there) {
    Search run{2, 1, 0, {0.5, 0.5}, {0.01, 0.3}, {0.99, 0.3}, {0.25, 0.75}};
    run(bowl);
    EXPECT_EQ(run.ifail, 0);
    EXPECT_NEAR(run.x[0], 0.25, 1e-7);
    EXPECT_EQ(run.x[1], 0.3);
    EXPECT_TRUE(run.every_call_inside());
    // Nothing free at all: one evaluation.
    Search fixed{1, 1, 0, {0.9}, {0.4}, {0.4}, {0.0}};
    fixed(bowl);
    EXPECT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(fixed.x[0], 0.4);
    EXPECT_DOUBLE_EQ(fixed.f, 0.16);
}

}  // namespace
