// kestrivo-tabulate on a million sightings: a long table (one sighting a row) and ODK Central's
// two CSVs for the same dogs, 2,000 blocks of about 170 dogs each seen on one to three counts.
// Time, and the peak memory after each: it should grow with the dogs, not with the rows read
// (the ODK case holds every submission's key as well).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "cli/tabulate_command.h"

namespace {

constexpr int kBlocks = 2000;
constexpr int kSightings = 1'000'000;

struct Files {
    std::string long_table, odk_main, odk_sightings;
};

const Files& files() {
    static const Files made = [] {
        const auto folder = std::filesystem::temp_directory_path();
        Files f{(folder / "kestrivo-bench-long.csv").string(),
                (folder / "kestrivo-bench-odk.csv").string(),
                (folder / "kestrivo-bench-odk-sighting.csv").string()};
        std::ofstream sightings_long(f.long_table), main(f.odk_main), repeat(f.odk_sightings);
        sightings_long << "block,count,dog_id\n";
        main << "site-block_id,site-ward,counts_covered,KEY\n";
        repeat << "count_no,dog_id,PARENT_KEY,KEY\n";
        for (int b = 0; b < kBlocks; ++b) {
            for (int k = 1; k <= 3; ++k)
                main << "B" << b << ",W" << b % 5 << "," << k << ",uuid:" << b << "-" << k << "\n";
        }
        std::mt19937_64 random(7);
        for (int written = 0, dog = 0; written < kSightings; ++dog) {
            const int block = dog % kBlocks;
            const int pattern = 1 + int(random() % 7);  // which counts see it, as bits
            for (int k = 1; k <= 3 && written < kSightings; ++k) {
                if (!(pattern & (1 << (k - 1)))) continue;
                sightings_long << "B" << block << "," << k << ",d" << dog << "\n";
                repeat << k << ",d" << dog << ",uuid:" << block << "-" << k << ",s" << written
                       << "\n";
                ++written;
            }
        }
        return f;
    }();
    return made;
}

long peak_rss_kb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void run(benchmark::State& state, const std::vector<std::string>& inputs) {
    std::ostringstream out, err;
    for (auto _ : state) {
        out.str("");
        kestrivo::cli::TabulateOptions options;
        options.inputs = inputs;
        const int status = kestrivo::cli::run_tabulate(options, out, err);
        if (status != 0) state.SkipWithError(err.str().c_str());
    }
    state.SetItemsProcessed(state.iterations() * kSightings);
    state.counters["peak_rss_MB"] = double(peak_rss_kb()) / 1024;
}

void BM_tabulate_long(benchmark::State& state) {
    run(state, {files().long_table});
}
void BM_tabulate_odk(benchmark::State& state) {
    run(state, {files().odk_main, files().odk_sightings});
}

BENCHMARK(BM_tabulate_long)->Unit(benchmark::kSecond)->Iterations(2);
BENCHMARK(BM_tabulate_odk)->Unit(benchmark::kSecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
