// The one way work is spread over cores here: f(i) for every i below n, on up to `jobs` threads
// that take the next index as they finish, so each i runs exactly once and results land in the
// caller's slots in order, whatever the number of threads. Used for the blocks of a report and
// the replicates of a bootstrap, whose items are independent and deterministic.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <thread>
#include <utility>
#include <vector>

namespace kestrivo::analysis {

/// The number of threads "all cores" means here: at least 1.
inline int all_cores() {
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

/// Runs f(0) ... f(n - 1) on up to `jobs` threads (the caller's own among them) and returns
/// when all are done, the calling thread first running `chore`, work of its own (reading and
/// writing, say) that overlaps the items on the other threads. The first exception thrown by f,
/// or else by `chore`, is rethrown here once every item is done.
template <class F, class Chore>
void parallel_for_beside(std::size_t n, int jobs, F&& f, Chore&& chore) {
    const std::size_t threads = std::min<std::size_t>(n, std::size_t(std::max(jobs, 1)));
    std::exception_ptr chore_failure;
    const auto run_chore = [&] {
        try {
            chore();
        } catch (...) {
            chore_failure = std::current_exception();
        }
    };
    if (threads <= 1) {
        run_chore();
        for (std::size_t i = 0; i < n; ++i)
            f(i);
        if (chore_failure) std::rethrow_exception(chore_failure);
        return;
    }
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::atomic<bool> failed{false};
    const auto work = [&] {
        for (std::size_t i = next++; i < n && !failed; i = next++) {
            try {
                f(i);
            } catch (...) {
                if (!failed.exchange(true)) failure = std::current_exception();
            }
        }
    };
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    run_chore();
    work();
    for (std::thread& helper : helpers)
        helper.join();
    if (failure) std::rethrow_exception(failure);
    if (chore_failure) std::rethrow_exception(chore_failure);
}

/// Runs f(0) ... f(n - 1) on up to `jobs` threads (the caller's own among them) and returns
/// when all are done. The first exception thrown by f is rethrown here.
template <class F>
void parallel_for(std::size_t n, int jobs, F&& f) {
    parallel_for_beside(n, jobs, std::forward<F>(f), [] {});
}

}  // namespace kestrivo::analysis
