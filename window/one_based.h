// Fixed-size arrays numbered from 1, as the program's blocks and per-click arrays are. An index
// outside 1..N is a run-time error, not undefined behaviour.
#pragma once

#include <array>
#include <string>

#include "platform/runtime_error.h"

namespace kestrivo::window {

template <class T, int N>
class OneBased {
public:
    T& operator()(int i) { return items_[index(i)]; }
    const T& operator()(int i) const { return items_[index(i)]; }
    /// The address of element 1, as the library takes an array.
    T* data() { return items_.data(); }
    const T* data() const { return items_.data(); }
    static constexpr int size() { return N; }

private:
    static std::size_t index(int i) {
        if (i < 1 || i > N) {
            throw platform::RuntimeError(
                platform::ErrorKind::SubscriptOutOfRange,
                "index " + std::to_string(i) + " lies outside 1.." + std::to_string(N) + ".");
        }
        return static_cast<std::size_t>(i - 1);
    }
    std::array<T, N> items_{};
};

}  // namespace kestrivo::window
