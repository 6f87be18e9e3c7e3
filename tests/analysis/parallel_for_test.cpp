// The thread pool of the report and the bootstrap: every item once, the caller's own chore beside
// them, and failures rethrown only after every item is done.
#include "analysis/parallel_for.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace {

TEST(parallel_for_test, every_item_once_with_the_chore_beside_and_failures_after) {
    for (int jobs : {1, 2, 4}) {
        std::vector<std::atomic<int>> runs(100);
        bool chore_ran = false;
        kestrivo::analysis::parallel_for_beside(
            runs.size(), jobs, [&](std::size_t i) { ++runs[i]; }, [&] { chore_ran = true; });
        EXPECT_TRUE(chore_ran);
        for (const auto& r : runs)
            EXPECT_EQ(r.load(), 1) << jobs;

        // A failing chore (a survey that cannot be read on) waits for the items it overlaps.
        std::atomic<int> done{0};
        EXPECT_THROW(
            kestrivo::analysis::parallel_for_beside(
                50, jobs, [&](std::size_t) { ++done; }, [] { throw std::runtime_error("chore"); }),
            std::runtime_error);
        EXPECT_EQ(done.load(), 50) << jobs;

        // An item's failure comes first.
        try {
            kestrivo::analysis::parallel_for_beside(
                10, jobs,
                [](std::size_t i) {
                    if (i == 3) throw std::logic_error("item");
                },
                [] { throw std::runtime_error("chore"); });
            ADD_FAILURE() << "nothing thrown";
        } catch (const std::logic_error&) {
        } catch (...) {
            ADD_FAILURE() << "the chore's failure came first with " << jobs << " jobs";
        }
    }
}

}  // namespace
