// FUNCT1: which trial value becomes which parameter, and that the caller's blocks survive.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>

#include "library/kestrivo.h"

namespace {

// Blocks as the window fills them, with the counts 10, 20, 5, 5.
struct Blocks {
    std::array<int32_t, 1000> iuser{};
    std::array<double, 1000> ruser{};
    Blocks(double s, double p) {
        iuser[9] = 10;
        iuser[10] = 20;
        iuser[11] = 5;
        iuser[12] = 5;
        ruser[0] = s;
        ruser[1] = 1.0;
        ruser[2] = 0.01;
        ruser[3] = 0.99;
        ruser[4] = p;
        ruser[5] = 1.0;
        ruser[6] = 0.01;
        ruser[7] = 0.99;
    }
    double funct1(int32_t n, std::array<double, 2> xc) {
        double fc = 0;
        FUNCT1(&n, xc.data(), &fc, iuser.data(), ruser.data());
        return fc;
    }
};

double minus_loglik(double s, double p) {
    const int32_t counts[4] = {10, 20, 5, 5};
    return -RLOGLIK(counts, &p, &s);
}

TEST(objective_test, no_free_parameter_evaluates_the_stored_values) {
    Blocks b(0.5, 0.5);
    b.iuser[0] = 2;  // IUSER(1) is not read: N comes from the argument
    double untouched_xc[2] = {std::nan(""), std::nan("")};
    int32_t n = 0;
    double fc = 0;
    FUNCT1(&n, untouched_xc, &fc, b.iuser.data(), b.ruser.data());
    EXPECT_NEAR(fc, 55.451774, 5e-7);
    EXPECT_DOUBLE_EQ(fc, 20 * std::log(16.0));
}

TEST(objective_test, trial_values_follow_the_free_list_and_each_parameters_own_scale) {
    Blocks b(0.3, 0.7);
    // N = 1, P free: S stays at RUSER(1).
    b.iuser[1] = 2;
    EXPECT_EQ(b.funct1(1, {0.4, 99}), minus_loglik(0.3, 0.4));
    // N = 1, S free.
    b.iuser[1] = 1;
    EXPECT_EQ(b.funct1(1, {0.4, 99}), minus_loglik(0.4, 0.7));
    // N = 2 in reverse order: XC(1) is P, XC(2) is S.
    b.iuser[1] = 2;
    b.iuser[2] = 1;
    EXPECT_EQ(b.funct1(2, {0.6, 0.2}), minus_loglik(0.2, 0.6));
    // The scale of P divides the trial value of P, whatever its position.
    b.ruser[5] = 2.0;
    b.ruser[1] = 4.0;
    EXPECT_EQ(b.funct1(2, {1.0, 0.8}), minus_loglik(0.2, 0.5));
    // A stored value outside the stored bounds is evaluated as it is.
    Blocks outside(0.999, 0.5);
    EXPECT_EQ(outside.funct1(0, {}), minus_loglik(0.999, 0.5));
}

TEST(objective_test, leaves_both_blocks_unchanged_to_the_last_bit) {
    Blocks b(0.5, 0.5);
    b.iuser[1] = 1;
    b.iuser[2] = 2;
    const Blocks before = b;
    b.funct1(2, {0.25, 0.75});
    b.funct1(0, {});
    EXPECT_EQ(std::memcmp(before.iuser.data(), b.iuser.data(), sizeof b.iuser), 0);
    EXPECT_EQ(std::memcmp(before.ruser.data(), b.ruser.data(), sizeof b.ruser), 0);
    // Same arguments, same answer: no state survives a call.
    EXPECT_EQ(b.funct1(2, {0.25, 0.75}), b.funct1(2, {0.25, 0.75}));
}

// Blocks exactly as long as the slots FUNCT1 documents (IUSER 1..13, RUSER 1..8, XC 1..N) on the
// heap, so that the sanitizer build sees any read beyond them. A block outside the contract gives
// NaN, never a wild read.
TEST(objective_test, blocks_outside_the_contract_give_nan_without_reading_past_them) {
    struct Case {
        int32_t n, first, second;
    };
    const Case cases[] = {{3, 1, 2},  {1000, 1, 2}, {-1, 1, 2}, {1, 100000000, 2}, {1, 0, 2},
                          {1, -5, 2}, {2, 1, 1},    {2, 2, 2},  {2, 1, 3}};
    for (const Case& c : cases) {
        auto iuser = std::make_unique<int32_t[]>(13);
        auto ruser = std::make_unique<double[]>(8);
        const int32_t slots = std::clamp(c.n, 1, 2);
        auto xc = std::make_unique<double[]>(static_cast<std::size_t>(slots));
        iuser[1] = c.first;
        iuser[2] = c.second;
        iuser[9] = 10;
        iuser[10] = 20;
        ruser[0] = 0.5;
        ruser[1] = 1.0;
        ruser[4] = 0.5;
        ruser[5] = 1.0;
        for (int i = 0; i < slots; ++i)
            xc[i] = 0.4;
        double fc = 0;
        FUNCT1(&c.n, xc.get(), &fc, iuser.get(), ruser.get());
        EXPECT_TRUE(std::isnan(fc)) << c.n << " " << c.first << " " << c.second;
    }
}

}  // namespace
