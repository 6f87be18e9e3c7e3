// N_E04JYF: the fits the window asks for, checked against the exact maximum, and the
// floating-point environment on both of its paths.
#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cmath>
#include <cstring>

#include "library/kestrivo.h"
#include "tests/library/reference_model.h"

namespace {

using kestrivo::library::reference::Counts;

// One call's arguments, laid out as the window lays them out.
struct Fit {
    std::array<int32_t, 1000> iuser{};
    std::array<double, 1000> ruser{};
    int32_t n = 2, ibound = 0, liw = 20, lw = 500, ifail = 1;
    std::array<double, 12> x{}, bl{}, bu{};
    std::array<int32_t, 20> iw{};
    std::array<double, 500> w{};
    double f = 0;

    Fit(const Counts& counts, double s, double p) {
        iuser[0] = 2;
        iuser[1] = 1;
        iuser[2] = 2;
        for (int h = 0; h < 4; ++h)
            iuser[9 + h] = counts[h];
        const double block[8] = {s, 1.0, 0.01, 0.99, p, 1.0, 0.01, 0.99};
        std::copy(block, block + 8, ruser.begin());
        x = {s, p};
        bl = {0.01, 0.01};
        bu = {0.99, 0.99};
    }
    void run() {
        N_E04JYF(&n, &ibound, bl.data(), bu.data(), x.data(), &f, iw.data(), &liw, w.data(), &lw,
                 iuser.data(), ruser.data(), &ifail);
    }
    double funct1_at_x() {
        double fc = 0;
        FUNCT1(&n, x.data(), &fc, iuser.data(), ruser.data());
        return fc;
    }
};

// Count vectors whose maximum lies inside the box, on the S = 0.01 edge (the window's start counts
// among them), and on the P edges.
const Counts kInterior[] = {{10, 20, 5, 5}, {30, 40, 20, 25},   {5, 60, 12, 9}, {50, 10, 30, 30},
                            {3, 3, 3, 3},   {100, 250, 80, 70}, {1, 30, 1, 0}};
const Counts kOnEdge[] = {{29, 36, 54, 48}, {40, 10, 60, 60}, {0, 5, 5, 5},  {80, 1, 2, 1},
                          {0, 10, 0, 0},    {10, 0, 0, 0},    {7, 0, 40, 44}};

void expect_at_maximum(Fit& fit, const Counts& counts) {
    const auto best = kestrivo::library::reference::maximum(counts);
    EXPECT_EQ(fit.ifail, 0);
    EXPECT_NEAR(fit.x[0], static_cast<double>(best.s), 1e-6);
    EXPECT_NEAR(fit.x[1], static_cast<double>(best.p), 1e-6);
    EXPECT_NEAR(-fit.f, static_cast<double>(best.log_likelihood), 1e-7);
    EXPECT_EQ(fit.f, fit.funct1_at_x()) << "F must be the objective at the returned X";
}

TEST(fit_entry_test, two_free_parameters_reach_the_exact_maximum_inside_the_box) {
    for (const Counts& counts : kInterior) {
        SCOPED_TRACE(::testing::Message()
                     << counts[0] << "," << counts[1] << "," << counts[2] << "," << counts[3]);
        Fit fit(counts, 0.5, 0.5);
        fit.run();
        expect_at_maximum(fit, counts);
    }
}

TEST(fit_entry_test, two_free_parameters_reach_the_exact_maximum_on_the_edge) {
    for (const Counts& counts : kOnEdge) {
        SCOPED_TRACE(::testing::Message()
                     << counts[0] << "," << counts[1] << "," << counts[2] << "," << counts[3]);
        Fit fit(counts, 0.5, 0.5);
        fit.run();
        expect_at_maximum(fit, counts);
    }
    // The window's start counts put S on its lower bound.
    Fit start(Counts{29, 36, 54, 48}, 0.5, 0.5);
    start.run();
    EXPECT_EQ(start.x[0], 0.01);
}

TEST(fit_entry_test, order_of_the_free_list_decides_the_order_of_x) {
    const Counts counts = {30, 40, 20, 25};
    Fit fit(counts, 0.5, 0.5);
    fit.iuser[1] = 2;
    fit.iuser[2] = 1;
    fit.x = {0.3, 0.6};  // P first, then S
    fit.run();
    const auto best = kestrivo::library::reference::maximum(counts);
    EXPECT_NEAR(fit.x[0], static_cast<double>(best.p), 1e-6);
    EXPECT_NEAR(fit.x[1], static_cast<double>(best.s), 1e-6);
    EXPECT_NEAR(-fit.f, static_cast<double>(best.log_likelihood), 1e-7);
}

TEST(fit_entry_test, one_free_parameter_with_the_other_held) {
    const Counts counts = {30, 40, 20, 25};
    const long double held_s = 0.2L;
    Fit fit(counts, static_cast<double>(held_s), 0.5);
    fit.n = 1;
    fit.iuser[1] = 2;
    fit.x = {0.5};
    fit.run();
    auto at_p = [&](long double p) {
        return kestrivo::library::reference::log_likelihood(counts, held_s, p);
    };
    const long double p = kestrivo::library::reference::argmax(at_p, 0.01L, 0.99L);
    EXPECT_NEAR(fit.x[0], static_cast<double>(p), 1e-6);
    EXPECT_NEAR(-fit.f, static_cast<double>(at_p(p)), 1e-7);
    EXPECT_EQ(fit.ruser[0], 0.2) << "the held value stays in the block";
}

TEST(fit_entry_test, a_scale_of_two_fits_in_scaled_units) {
    const Counts counts = {30, 40, 20, 25};
    Fit fit(counts, 0.5, 0.5);
    fit.ruser[5] = 2.0;
    fit.x = {0.5, 1.0};
    fit.bl = {0.01, 0.02};
    fit.bu = {0.99, 1.98};
    fit.run();
    const auto best = kestrivo::library::reference::maximum(counts);
    EXPECT_NEAR(fit.x[1] / 2.0, static_cast<double>(best.p), 1e-6);
    EXPECT_NEAR(-fit.f, static_cast<double>(best.log_likelihood), 1e-7);
}

TEST(fit_entry_test, start_point_outside_the_box_is_brought_inside) {
    const Counts counts = {10, 20, 5, 5};
    Fit fit(counts, 0.5, 0.5);
    fit.x = {-3.0, 7.0};
    fit.run();
    expect_at_maximum(fit, counts);
}

TEST(fit_entry_test, nothing_free_evaluates_once_in_the_callers_environment) {
    Fit fit(Counts{10, 20, 5, 5}, 0.5, 0.5);
    fit.n = 0;
    fit.x = {123.0, 456.0};
    std::fesetround(FE_UPWARD);
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_OVERFLOW);
    fit.run();
    const int round = std::fegetround();
    const bool overflow_kept = std::fetestexcept(FE_OVERFLOW) != 0;
    std::fesetenv(FE_DFL_ENV);

    EXPECT_EQ(round, FE_UPWARD);
    EXPECT_TRUE(overflow_kept);
    EXPECT_NEAR(fit.f, 55.451774, 1e-5);
    EXPECT_EQ(fit.x[0], 123.0);
    EXPECT_EQ(fit.x[1], 456.0);
    EXPECT_EQ(fit.ifail, 1);
}

TEST(fit_entry_test, search_path_leaves_nearest_rounding_and_no_flag) {
    // A held S of 1 makes every trial point impossible: the search meets only -infinity.
    Fit fit(Counts{29, 36, 54, 48}, 1.0, 0.5);
    fit.n = 1;
    fit.iuser[1] = 2;
    std::fesetround(FE_DOWNWARD);
    std::feraiseexcept(FE_ALL_EXCEPT);
    fit.run();
    const int round = std::fegetround();
    const int flags = std::fetestexcept(FE_ALL_EXCEPT);
    std::fesetenv(FE_DFL_ENV);

    EXPECT_EQ(round, FE_TONEAREST);
    EXPECT_EQ(flags, 0);
    EXPECT_EQ(fit.ifail, 3);
    EXPECT_EQ(fit.f, INFINITY);
    EXPECT_EQ(fit.f, fit.funct1_at_x());
}

TEST(fit_entry_test, invalid_arguments_fail_quietly_and_touch_nothing) {
    for (int32_t n : {-1, -7}) {
        Fit fit(Counts{10, 20, 5, 5}, 0.5, 0.5);
        fit.n = n;
        fit.f = 42;
        fit.ifail = -99;
        std::feraiseexcept(FE_INVALID);
        fit.run();
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0) << "negative N takes the search path";
        EXPECT_EQ(fit.ifail, 1);
        EXPECT_EQ(fit.f, 42);
        EXPECT_EQ(fit.x[0], 0.5);
    }
    Fit crossed(Counts{10, 20, 5, 5}, 0.5, 0.5);
    crossed.bl[1] = 0.7;
    crossed.bu[1] = 0.6;
    crossed.run();
    EXPECT_EQ(crossed.ifail, 1);
    Fit bound_kind(Counts{10, 20, 5, 5}, 0.5, 0.5);
    bound_kind.ibound = 1;
    bound_kind.run();
    EXPECT_EQ(bound_kind.ifail, 1);
}

// Blocks the entry cannot fit are refused at once with IFAIL 1, before any evaluation, with X
// and F as the caller left them: too many free parameters, a parameter number that is not 1 or 2
// or that repeats, a negative count.
TEST(fit_entry_test, blocks_outside_the_contract_are_refused_at_once) {
    struct Case {
        const char* what;
        int32_t n, first, second, count;
    };
    const Case cases[] = {
        {"N = 3", 3, 1, 2, 5},
        {"N = 1000", 1000, 1, 2, 5},
        {"parameter number 10^8", 1, 100000000, 2, 5},
        {"parameter number 0", 1, 0, 2, 5},
        {"parameter number -1", 2, -1, 2, 5},
        {"parameter number 3", 2, 1, 3, 5},
        {"S twice", 2, 1, 1, 5},
        {"P twice", 2, 2, 2, 5},
        {"a negative count", 2, 1, 2, -5},
        {"a negative count, nothing free", 0, 1, 2, -5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fit fit(Counts{10, 20, c.count, 5}, 0.5, 0.5);
        fit.n = c.n;
        fit.iuser[1] = c.first;
        fit.iuser[2] = c.second;
        fit.x = {0.25, 0.75};
        fit.f = 42;
        fit.ifail = -99;
        fit.run();
        EXPECT_EQ(fit.ifail, 1);
        EXPECT_EQ(fit.f, 42);
        EXPECT_EQ(fit.x[0], 0.25);
        EXPECT_EQ(fit.x[1], 0.75);
    }
}

}  // namespace
