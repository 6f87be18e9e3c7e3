// What the library can check of the parameter blocks before it reads them: the free list that
// decides which slots are read, and the counts. Shared by the objective and the fitting entry.
#pragma once

#include <cstdint>

namespace kestrivo::library {

inline constexpr int kParameterCount = 2;  // 1 = S, 2 = P
inline constexpr int kFirstCountSlot = 10;

/// 0 <= N <= 2, and IUSER(2..N+1) each 1 or 2 and distinct.
inline bool valid_free_list(int32_t n, const int32_t* iuser) {
    if (n < 0 || n > kParameterCount) return false;
    for (int i = 1; i <= n; ++i) {
        if (iuser[i] != 1 && iuser[i] != 2) return false;
    }
    return n < 2 || iuser[1] != iuser[2];
}

/// No count in IUSER(10..13) is negative.
inline bool valid_counts(const int32_t* iuser) {
    for (int h = 0; h < 4; ++h) {
        if (iuser[kFirstCountSlot - 1 + h] < 0) return false;
    }
    return true;
}

}  // namespace kestrivo::library
