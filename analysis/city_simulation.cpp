// simulate_block: a gamma-mixed Poisson for the negative binomial, then one draw per dog.
#include "analysis/city_simulation.h"

namespace kestrivo::analysis {

SimulatedBlock simulate_block(const BlockModel& model, std::mt19937_64& random) {
    double mean = model.mean_dogs;
    if (model.dispersion) {
        std::gamma_distribution<double> mixing(*model.dispersion,
                                               model.mean_dogs / *model.dispersion);
        mean = mixing(random);
    }
    std::poisson_distribution<int> dogs(mean);
    std::uniform_real_distribution<double> u(0, 1);
    SimulatedBlock block{dogs(random), {}};
    for (int d = 0; d < block.dogs; ++d) {
        if (u(random) < model.S) {
            ++block.counts[1];  // always seen: 1,1,1
            continue;
        }
        if (u(random) >= model.P) continue;  // not seen on count 1: no history
        const bool second = u(random) < model.P, third = u(random) < model.P;
        ++block.counts[second ? (third ? 1 : 3) : (third ? 2 : 0)];
    }
    return block;
}

}  // namespace kestrivo::analysis
