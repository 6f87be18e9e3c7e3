// The inference report for one data set, and one whole "estimate" click that now ends with it,
// over the same sweep of count vectors as the fit benchmark: median and worst time per data set.
// The click without the report is the click minus the report on the same counts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

#include "count_sweep.h"
#include "form1.h"
#include "inference_report.h"
#include "kestrivo.h"

namespace {

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
    const kestrivo::analysis::Library library{N_E04JYF, RLOGLIK};
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

void set_counts(Form1& form, const std::array<int, 4>& c) {
    for (int h = 1; h <= 4; ++h)
        form.txtHist[h]->setText(QString::number(c[h - 1]));
    form.txtS->setText("0.5");
    form.txtP->setText("0.5");
}

// One click as the user makes it, report included, with the same median and worst, and the
// report's share of the click.
void BM_estimate_with_report(benchmark::State& state) {
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    Form1 form;
    const kestrivo::analysis::Library library{N_E04JYF, RLOGLIK};
    const auto sweep = count_sweep();
    std::vector<double> clicks, shares;
    for (const auto& counts : sweep) {
        const double click = fastest_us(3, [&] {
            set_counts(form, counts);
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
        set_counts(form, sweep[i]);
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
