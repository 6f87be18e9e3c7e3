// One whole "estimate" on an offscreen window: the full fit, the profile fits, the plot drawn into
// the backing image, and the inference report, with the objective evaluations it takes; then the
// report alone, and the click with it, over the same sweep of count vectors as the fit
// benchmark: median and worst time per data set. The click without the report is the click minus
// the report on the same counts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

#include "analysis/inference_report.h"
#include "bench/count_sweep.h"
#include "library/kestrivo.h"
#include "library/minimiser.h"
#include "window/form1.h"

using namespace kestrivo::window;

namespace {

long g_evaluations = 0;

void counting_funct1(const int32_t* n, const double* xc, double* fc, const int32_t* iuser,
                     const double* ruser) {
    ++g_evaluations;
    FUNCT1(n, xc, fc, iuser, ruser);
}

// The fitting entry with every objective evaluation counted.
void counting_entry(const int32_t* N, const int32_t* IBOUND, const double* BL, const double* BU,
                    double* X, double* F, int32_t* IW, const int32_t* LIW, double* W,
                    const int32_t* LW, const int32_t* IUSER, const double* RUSER, int32_t* IFAIL) {
    if (*N == 0) {
        counting_funct1(N, X, F, IUSER, RUSER);
        return;
    }
    kestrivo::library::E04JYF(N, IBOUND, counting_funct1, BL, BU, X, F, IW, LIW, W, LW, IUSER,
                              RUSER, IFAIL);
}

// The window's start values, with the counts `c` (the start counts unless given).
void reset(Form1& form, const std::array<int, 4>& c = {29, 36, 54, 48}) {
    for (int h = 1; h <= 4; ++h)
        form.txtHist[h]->setText(QString::number(c[h - 1]));
    form.txtS->setText("0.5");
    form.txtP->setText("0.5");
}

void BM_estimate(benchmark::State& state) {
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    Form1 form;
    reset(form);
    g_evaluations = 0;
    form.set_fit_entry(counting_entry);
    form.Command1_Click();
    const long evaluations = g_evaluations;
    const int points = form.profCount;

    form.set_fit_entry(nullptr);  // bound by name, as the program does
    for (auto _ : state) {
        reset(form);
        form.Command1_Click();
    }
    state.counters["evaluations"] = static_cast<double>(evaluations);
    state.counters["profile_points"] = points;
}
BENCHMARK(BM_estimate)->Unit(benchmark::kMicrosecond);

// The same window's simulate: the cheapest command, as a baseline for the window's own overhead.
void BM_simulate(benchmark::State& state) {
    Form1 form;
    for (auto _ : state) {
        reset(form);
        form.Command2_Click();
    }
}
BENCHMARK(BM_simulate)->Unit(benchmark::kMicrosecond);

using Clock = std::chrono::steady_clock;

// The fastest of `repeats` runs of `work`, in microseconds: the least disturbed by the machine.
template <class Work>
double fastest_us(int repeats, Work work) {
    double best = 1e300;
    for (int r = 0; r < repeats; ++r) {
        const auto start = Clock::now();
        work();
        best =
            std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return best;
}

void median_and_worst(benchmark::State& state, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    state.counters["median_us"] = times[times.size() / 2];
    state.counters["worst_us"] = times.back();
    state.counters["sweep_size"] = static_cast<double>(times.size());
}

kestrivo::analysis::Request request_for(const std::array<int, 4>& c) {
    kestrivo::analysis::Request request;
    request.counts = {c[0], c[1], c[2], c[3]};
    return request;
}

void BM_report(benchmark::State& state) {
    const kestrivo::analysis::Library library{RLOGLIK};
    const auto sweep = count_sweep();
    std::vector<double> times;
    for (const auto& counts : sweep) {
        times.push_back(fastest_us(3, [&] {
            benchmark::DoNotOptimize(kestrivo::analysis::make_report(library, request_for(counts)));
        }));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kestrivo::analysis::make_report(library, request_for(sweep[i])));
        i = (i + 1) % sweep.size();
    }
    median_and_worst(state, times);
}
BENCHMARK(BM_report)->Unit(benchmark::kMicrosecond);

// One click as the user makes it, report included, with the same median and worst, and the
// report's share of the click.
void BM_estimate_with_report(benchmark::State& state) {
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    Form1 form;
    const kestrivo::analysis::Library library{RLOGLIK};
    const auto sweep = count_sweep();
    std::vector<double> clicks, shares;
    for (const auto& counts : sweep) {
        const double click = fastest_us(3, [&] {
            reset(form, counts);
            form.Command1_Click();
        });
        const double report = fastest_us(3, [&] {
            benchmark::DoNotOptimize(kestrivo::analysis::make_report(library, request_for(counts)));
        });
        clicks.push_back(click);
        shares.push_back(report / (click - report));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        reset(form, sweep[i]);
        form.Command1_Click();
        i = (i + 1) % sweep.size();
    }
    median_and_worst(state, clicks);
    std::sort(shares.begin(), shares.end());
    state.counters["report_to_click_without_it"] = shares[shares.size() / 2];
}
BENCHMARK(BM_estimate_with_report)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
