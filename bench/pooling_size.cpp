// The size of the test of pooling: how often het_p falls below 0.05 on surveys whose blocks do
// share one visibility, where it should be 5%. Each survey is 30 blocks of 20 to 60 dogs (S 0.3,
// P 0.4 on every count, or as given: a P_again makes a dog once seen seen with that chance, so the
// seven-history pooled fit takes the behaviour model); the same blocks are tested from their four
// histories and from all seven, and with the chi-square reference the test first had (four
// histories), for comparison.
//   pooling_size [surveys (default 400)] [replicates of each test (default 199)] [S P [P_again]]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "analysis/city_simulation.h"
#include "analysis/parallel_for.h"
#include "analysis/pooled_visibility.h"
#include "library/kestrivo.h"

namespace {

using namespace kestrivo::analysis;

const Library kLibrary{RLOGLIK};

struct Share {
    const char* what;
    int below = 0, tested = 0;
    void add(const PooledVisibility& pooled) {
        if (!pooled.het) return;
        ++tested;
        if (pooled.het->p < 0.05) ++below;
    }
    void print() const {
        const double p = double(below) / tested;
        std::printf("%-36s %5d of %5d  %.4f  (se %.4f)\n", what, below, tested, p,
                    std::sqrt(p * (1 - p) / tested));
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int surveys = argc > 1 ? std::atoi(argv[1]) : 400;
    const int replicates = argc > 2 ? std::atoi(argv[2]) : 199;
    BlockModel model;
    model.S = argc > 4 ? std::atof(argv[3]) : 0.3;
    model.P = argc > 4 ? std::atof(argv[4]) : 0.4;
    if (argc > 5) model.p_again = std::atof(argv[5]);
    Share chi_square{"four histories, chi-square (as before)"};
    Share four{"four histories, bootstrap"};
    Share seven{"seven histories, bootstrap"};
    for (int survey = 0; survey < surveys; ++survey) {
        std::mt19937_64 random(std::uint64_t(survey) * 7919 + 11);
        Stratum with_four, with_seven;
        for (int b = 0; b < 30; ++b) {
            const std::int64_t dogs = std::uniform_int_distribution<std::int64_t>(20, 60)(random);
            const SimulatedBlock block = simulate_histories(model, dogs, random);
            with_four.add(block.counts, std::nullopt);
            with_seven.add(block.counts, std::nullopt, block.later);
        }
        PoolingTest test;
        test.replicates = 0;
        chi_square.add(pool(kLibrary, with_four, 0.95, test));
        test.replicates = replicates;
        test.stream = std::uint64_t(survey);
        test.jobs = all_cores();
        four.add(pool(kLibrary, with_four, 0.95, test));
        seven.add(pool(kLibrary, with_seven, 0.95, test));
        if ((survey + 1) % 50 == 0) std::fprintf(stderr, "%d surveys\n", survey + 1);
    }
    std::printf("het_p < 0.05 on %d surveys of 30 blocks sharing S %.2f, P %.2f", surveys, model.S,
                model.P);
    if (model.p_again) std::printf(" (P_again %.3f)", *model.p_again);
    std::printf(":\n");
    chi_square.print();
    four.print();
    seven.print();
    return 0;
}
