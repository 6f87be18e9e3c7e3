// Cost and accuracy of the library's work: one RLOGLIK call, and a two-parameter fit over a sweep
// of count vectors whose maxima lie inside the box and on its edges.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "bench/count_sweep.h"
#include "library/kestrivo.h"
#include "library/minimiser.h"
#include "tests/library/reference_model.h"

namespace {

using kestrivo::library::reference::Counts;

std::vector<Counts> sweep() {
    return count_sweep();
}

long g_evaluations = 0;
void counting_funct1(const int32_t* n, const double* xc, double* fc, const int32_t* iuser,
                     const double* ruser) {
    ++g_evaluations;
    FUNCT1(n, xc, fc, iuser, ruser);
}

struct Block {
    std::array<int32_t, 1000> iuser{};
    std::array<double, 1000> ruser{};
    explicit Block(const Counts& counts) {
        iuser[0] = 2;
        iuser[1] = 1;
        iuser[2] = 2;
        for (int h = 0; h < 4; ++h)
            iuser[9 + h] = counts[h];
        const double values[8] = {0.5, 1.0, 0.01, 0.99, 0.5, 1.0, 0.01, 0.99};
        std::copy(values, values + 8, ruser.begin());
    }
};

// What the window does for its full fit, through the exported entry.
double fit(const Block& b, bool count_evaluations) {
    int32_t n = 2, ibound = 0, liw = 20, lw = 500, ifail = 1;
    double bl[2] = {0.01, 0.01}, bu[2] = {0.99, 0.99}, x[2] = {0.5, 0.5}, f = 0, w[500];
    int32_t iw[20];
    if (count_evaluations) {
        kestrivo::library::E04JYF(&n, &ibound, counting_funct1, bl, bu, x, &f, iw, &liw, w, &lw,
                                  b.iuser.data(), b.ruser.data(), &ifail);
    } else {
        N_E04JYF(&n, &ibound, bl, bu, x, &f, iw, &liw, w, &lw, b.iuser.data(), b.ruser.data(),
                 &ifail);
    }
    return f;
}

void BM_rloglik(benchmark::State& state) {
    const int32_t counts[4] = {29, 36, 54, 48};
    double p = 0.6;
    for (auto _ : state) {
        double s = 0.3;
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(RLOGLIK(counts, &p, &s));
    }
}
BENCHMARK(BM_rloglik);

// Wall time per fit over the sweep, with the median evaluation count and the worst error in the
// maximum log likelihood against the exact maximum as counters.
void BM_fit_two_parameters(benchmark::State& state) {
    static const std::vector<Counts> counts = sweep();
    static std::vector<Block> blocks(counts.begin(), counts.end());
    std::vector<long> evaluations;
    double worst = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        g_evaluations = 0;
        const double f = fit(blocks[i], true);
        evaluations.push_back(g_evaluations);
        const auto best = kestrivo::library::reference::maximum(counts[i]);
        worst = std::max(worst, std::fabs(-f - static_cast<double>(best.log_likelihood)));
    }
    std::nth_element(evaluations.begin(), evaluations.begin() + evaluations.size() / 2,
                     evaluations.end());

    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fit(blocks[i], false));
        i = (i + 1) % blocks.size();
    }
    state.counters["median_evaluations"] = static_cast<double>(evaluations[evaluations.size() / 2]);
    state.counters["worst_abs_dF"] = worst;
    state.counters["sweep_size"] = static_cast<double>(blocks.size());
}
BENCHMARK(BM_fit_two_parameters)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
