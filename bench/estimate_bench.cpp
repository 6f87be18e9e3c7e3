// One whole "estimate" on an offscreen window: the full fit, the profile fits, and the plot drawn
// into the backing image, with the objective evaluations it takes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include "form1.h"
#include "kestrivo.h"
#include "minimiser.h"

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
    kestrivo::E04JYF(N, IBOUND, counting_funct1, BL, BU, X, F, IW, LIW, W, LW, IUSER, RUSER, IFAIL);
}

void reset(Form1& form) {
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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
