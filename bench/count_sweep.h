// The count vectors every benchmark runs over: a few hundred from a fixed pseudo-random stream, a
// mix of small and large samples whose maxima fall inside the box and on its edges.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::array<int, 4>> count_sweep(std::size_t size = 300) {
    std::vector<std::array<int, 4>> all;
    std::uint32_t state = 12345;
    auto next = [&](int limit) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(limit + 1));
    };
    while (all.size() < size) {
        const int limit = all.size() % 3 == 0 ? 10 : 120;
        std::array<int, 4> c = {next(limit), next(limit), next(limit), next(limit)};
        if (c[0] + c[1] + c[2] + c[3] > 0) all.push_back(c);
    }
    return all;
}

/// A survey file of `blocks` blocks with the sweep's counts in turn, in seven wards W0 ... W6.
inline void write_sweep_survey(const std::string& path, int blocks) {
    std::ofstream out(path, std::ios::binary);
    out << "block,c100,c111,c101,c110,ward\n";
    const auto sweep = count_sweep();
    for (int i = 0; i < blocks; ++i) {
        const auto& c = sweep[static_cast<std::size_t>(i) % sweep.size()];
        out << "b" << i << ',' << c[0] << ',' << c[1] << ',' << c[2] << ',' << c[3] << ",W" << i % 7
            << '\n';
    }
}
