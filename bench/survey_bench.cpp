// kestrivo-report's throughput on a generated survey of 1,000 and 10,000 blocks (no plots, one
// core), and its peak memory after each: rows are streamed, so the peak should not grow with the
// number of rows. Then a 1,000-block survey with pooled visibility and the city total, and a
// 20,000-block survey on one thread and on two. The targets: 20,000 blocks a second on one core,
// 1.8 times that on two. Against an earlier commit's program, whole process against whole
// process, see against_baseline.sh.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "bench/count_sweep.h"
#include "cli/report_command.h"
#include "library/kestrivo.h"

namespace {

// An output that goes nowhere, so that only the work is timed.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

std::string survey_file(int blocks) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("kestrivo-bench-" + std::to_string(blocks) + ".csv"))
                                 .string();
    write_sweep_survey(path, blocks);
    return path;
}

long peak_rss_kb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_survey(benchmark::State& state) {
    const int blocks = static_cast<int>(state.range(0));
    const std::string path = survey_file(blocks);
    kestrivo::cli::Options options;
    options.files = {path};
    options.pool = state.range(1) != 0;
    options.common.jobs = static_cast<int>(state.range(2));
    if (options.pool) options.common.blocks_total.city = blocks * 2;
    NullBuffer nothing;
    std::ostream out(&nothing), err(&nothing);
    std::istringstream no_input;
    for (auto _ : state) {
        const int status =
            kestrivo::cli::run_report(options, {RLOGLIK}, no_input, out, err, false, nullptr);
        benchmark::DoNotOptimize(status);
    }
    state.counters["blocks_per_second"] = benchmark::Counter(
        double(blocks) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["peak_rss_kb"] = double(peak_rss_kb());
    std::filesystem::remove(path);
}
// The per-block report alone; then with --pool --blocks-total (2,000 bootstrap replicates), which
// reads the survey twice and refits the pooled visibility for every replicate.
BENCHMARK(BM_survey)
    ->ArgNames({"blocks", "pooled_city", "jobs"})
    ->Args({1000, 0, 1})
    ->Args({10000, 0, 1})
    ->Args({1000, 1, 1})
    ->Args({20000, 0, 1})
    ->Args({20000, 0, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
