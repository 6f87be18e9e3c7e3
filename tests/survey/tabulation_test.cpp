// The tabulation's rule, from sets of dogs to seven histories, each kind of conflict with the
// block it touches, and, over random sightings, the histories the sightings came from.
#include "survey/tabulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using kestrivo::survey::ConflictKind;
using kestrivo::survey::Histories;
using kestrivo::survey::Source;
using kestrivo::survey::Tabulation;

const Source kHere{"t.csv", 2};

// Every count of `block` done, and `dogs` seen as given: a dog's string says on which counts
// ("101": counts 1 and 3).
void sightings(Tabulation& t, const std::string& block,
               const std::vector<std::pair<std::string, std::string>>& dogs) {
    for (int k = 1; k <= 3; ++k)
        t.count_done(block, k, kHere);
    for (const auto& [dog, seen] : dogs) {
        for (int k = 0; k < 3; ++k) {
            if (seen[std::size_t(k)] == '1') t.sighting(block, std::to_string(k + 1), dog, kHere);
        }
    }
}

TEST(tabulation_test, each_dog_seen_has_one_of_seven_histories) {
    const struct {
        std::vector<std::pair<std::string, std::string>> dogs;
        Histories expected;  // c100, c111, c101, c110, c010, c001, c011
    } cases[] = {
        {{}, {0, 0, 0, 0, 0, 0, 0}},
        {{{"a", "100"}}, {1, 0, 0, 0, 0, 0, 0}},
        {{{"a", "111"}, {"b", "101"}, {"c", "110"}}, {0, 1, 1, 1, 0, 0, 0}},
        {{{"a", "010"}, {"b", "001"}, {"c", "011"}, {"d", "011"}}, {0, 0, 0, 0, 1, 1, 2}},
        {{{"a", "100"}, {"b", "100"}, {"c", "111"}, {"d", "001"}}, {2, 1, 0, 0, 0, 1, 0}},
        // IDs are trimmed, and compared exactly otherwise: " a " and "a" are one dog, "A" another.
        {{{" a ", "100"}, {"a", "010"}, {"A", "001"}}, {0, 0, 0, 1, 0, 1, 0}},
    };
    for (const auto& c : cases) {
        Tabulation t;
        sightings(t, "B", c.dogs);
        const auto survey = t.finish();
        ASSERT_EQ(survey.blocks.size(), 1u);
        ASSERT_TRUE(survey.blocks[0].histories);
        EXPECT_EQ(*survey.blocks[0].histories, c.expected);
        EXPECT_TRUE(survey.conflicts.empty());
    }
}

// Each kind of conflict is listed with where it stands, and the block it touches keeps its row
// with no histories; the other blocks are tabulated.
TEST(tabulation_test, conflicts_are_listed_and_their_blocks_left_empty) {
    const struct {
        const char* what;
        std::function<void(Tabulation&)> records;
        ConflictKind kind;
        std::vector<std::string> touched;
    } cases[] = {
        {"a dog twice in a count",
         [](Tabulation& t) {
             sightings(t, "A", {{"d1", "100"}});
             t.sighting("A", "1", "d1", {"t.csv", 9});
         },
         ConflictKind::duplicate_in_count,
         {"A"}},
        {"a dog in two blocks",
         [](Tabulation& t) {
             sightings(t, "A", {{"d1", "100"}});
             sightings(t, "B", {{"d1", "010"}});
         },
         ConflictKind::id_in_several_blocks,
         {"A", "B"}},
        {"a count not done",
         [](Tabulation& t) {
             t.count_done("A", 1, kHere);
             t.count_done("A", 3, kHere);
         },
         ConflictKind::count_missing,
         {"A"}},
        {"no count number",
         [](Tabulation& t) {
             sightings(t, "A", {});
             t.sighting("A", "4", "d1", kHere);
         },
         ConflictKind::no_count_number,
         {"A"}},
        {"no dog ID",
         [](Tabulation& t) {
             sightings(t, "A", {});
             t.sighting("A", "2", " ", kHere);
         },
         ConflictKind::missing_dog_id,
         {"A"}},
        {"a block the table does not list",
         [](Tabulation& t) {
             t.block("A", {}, kHere);
             t.block("clean", {}, kHere);
             t.close_the_list_of_blocks();
             sightings(t, "A", {});
             sightings(t, "Z", {{"d", "111"}});
         },
         ConflictKind::unknown_block,
         {"Z"}},
    };
    for (const auto& c : cases) {
        Tabulation t;
        c.records(t);
        sightings(t, "clean", {{"x", "111"}});
        const auto survey = t.finish();
        ASSERT_FALSE(survey.conflicts.empty()) << c.what;
        EXPECT_EQ(survey.conflicts.front().kind, c.kind) << c.what;
        EXPECT_FALSE(survey.conflicts.front().where.file.empty()) << c.what;
        for (const auto& block : survey.blocks) {
            const bool touched =
                std::find(c.touched.begin(), c.touched.end(), block.id) != c.touched.end();
            EXPECT_EQ(block.histories.has_value(), !touched) << c.what << ": " << block.id;
            EXPECT_EQ(block.conflicts > 0, touched) << c.what << ": " << block.id;
        }
    }
    // A sighting that belongs to no block is listed and placed nowhere.
    Tabulation t;
    t.unplaced("", "1", "d", kHere, "linked to no submission");
    const auto survey = t.finish();
    EXPECT_TRUE(survey.blocks.empty());
    ASSERT_EQ(survey.conflicts.size(), 1u);
    EXPECT_EQ(survey.conflicts[0].kind, ConflictKind::unknown_block);
    EXPECT_EQ(kestrivo::survey::count_number("2.0"), 2);
    EXPECT_EQ(kestrivo::survey::count_number("x"), 0);
}

// Random dogs on random blocks, each with a history drawn at random and sighted in a shuffled
// order: the tabulation gives back exactly the histories drawn, block by block.
TEST(tabulation_test, random_sightings_give_back_their_histories) {
    std::mt19937_64 random(2026);
    for (int trial = 0; trial < 20; ++trial) {
        const int blocks = 1 + int(random() % 8);
        std::vector<Histories> truth(std::size_t(blocks), Histories{});
        struct Seen {
            int block, count;
            std::string dog;
        };
        std::vector<Seen> seen;
        const char* const kPatterns[] = {"100", "111", "101", "110", "010", "001", "011"};
        for (int d = 0, dogs = int(random() % 300); d < dogs; ++d) {
            const int block = int(random() % std::uint64_t(blocks));
            const std::size_t history = random() % 7;
            ++truth[std::size_t(block)][history];
            for (int k = 0; k < 3; ++k) {
                if (kPatterns[history][k] == '1') {
                    seen.push_back(
                        {block, k + 1, "dog-" + std::to_string(trial) + "-" + std::to_string(d)});
                }
            }
        }
        std::shuffle(seen.begin(), seen.end(), random);
        Tabulation t;
        for (int b = 0; b < blocks; ++b) {
            for (int k = 1; k <= 3; ++k)
                t.count_done("B" + std::to_string(b), k, kHere);
        }
        for (const Seen& s : seen)
            t.sighting("B" + std::to_string(s.block), std::to_string(s.count), s.dog, kHere);
        const auto survey = t.finish();
        ASSERT_TRUE(survey.conflicts.empty());
        ASSERT_EQ(survey.blocks.size(), std::size_t(blocks));
        for (int b = 0; b < blocks; ++b)
            EXPECT_EQ(*survey.blocks[std::size_t(b)].histories, truth[std::size_t(b)]) << b;
        EXPECT_EQ(survey.sightings, std::int64_t(seen.size()));
    }
}

}  // namespace
