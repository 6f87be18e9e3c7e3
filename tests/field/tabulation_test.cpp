// The tabulation's rule, from sets of dogs to seven histories, each kind of conflict with the
// block it touches, and, over random sightings, the histories the sightings came from; each dog's
// vaccination mark from what its sightings said of it.
#include "field/tabulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

namespace {

using kestrivo::field::ConflictKind;
using kestrivo::field::Histories;
using kestrivo::field::MarkSeen;
using kestrivo::field::Source;
using kestrivo::field::Tabulation;

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
        // IDs are trimmed, and compared exactly otherwise: " a " and "a" are one dog, "A" another
        // (listed as a warning, which leaves the block's counts).
        {{{" a ", "100"}, {"a", "010"}, {"A", "001"}}, {0, 0, 0, 1, 0, 1, 0}},
        // The Unicode spaces a phone may add are trimmed too: no-break, narrow no-break, BOM.
        {{{"\u00A0K1\u202F", "100"}, {"K1", "010"}, {"\uFEFFK1\u3000", "001"}},
         {0, 1, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        Tabulation t;
        sightings(t, "B", c.dogs);
        const auto survey = t.finish();
        ASSERT_EQ(survey.blocks.size(), 1u);
        ASSERT_TRUE(survey.blocks[0].histories);
        EXPECT_EQ(*survey.blocks[0].histories, c.expected);
        for (const auto& conflict : survey.conflicts)
            EXPECT_TRUE(conflict.warning) << conflict.detail;
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
    EXPECT_EQ(kestrivo::field::count_number("2.0"), 2);
    EXPECT_EQ(kestrivo::field::count_number("x"), 0);
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

// IDs that differ only by case or inner spaces are taken as different dogs, as recorded, and
// listed once as a warning naming each of them, so the team can check; the blocks keep their
// counts.
TEST(tabulation_test, ids_alike_but_for_case_or_spaces_are_listed_as_a_warning) {
    const struct {
        std::vector<std::pair<std::string, std::string>> dogs;
        std::vector<std::string> warned;  // the dog_id of each warning
        std::vector<std::string> named;   // in the warnings' details
    } cases[] = {
        {{{"K001", "100"}, {"k001", "010"}}, {"K001"}, {"\"K001\"", "\"k001\""}},
        {{{"K 001", "111"}, {"K001", "100"}, {"K\u00A0001", "001"}},
         {"K 001"},
         {"\"K 001\"", "\"K001\"", "\"K\u00A0001\""}},
        {{{"a", "100"}, {"A", "100"}, {"b", "100"}, {"B", "100"}}, {"a", "b"}, {"\"B\""}},
        {{{"K001", "100"}, {"K002", "010"}}, {}, {}},
    };
    for (const auto& c : cases) {
        Tabulation t;
        sightings(t, "B", c.dogs);
        const auto survey = t.finish();
        std::vector<std::string> warned;
        std::string details;
        for (const auto& conflict : survey.conflicts) {
            EXPECT_EQ(conflict.kind, ConflictKind::similar_ids);
            warned.push_back(conflict.dog_id);
            details += conflict.detail;
        }
        EXPECT_EQ(warned, c.warned);
        for (const std::string& id : c.named)
            EXPECT_NE(details.find(id), std::string::npos) << details;
        EXPECT_TRUE(survey.blocks[0].histories);
    }
}

// One sighting sent a million times is one fault: a few conflicts of a kind are listed for each
// dog and block and the rest counted on the last, so memory grows with the dogs, not the rows.
TEST(tabulation_test, repeated_conflicts_are_counted_not_stored) {
    constexpr int kSent = 1000000;
    Tabulation t;
    for (int k = 1; k <= 3; ++k)
        t.count_done("B", k, kHere);
    t.sighting("C", "1", "c", kHere);
    for (int i = 0; i < kSent; ++i) {
        t.sighting("B", "1", "a", {"t.csv", std::size_t(i) + 2});
        t.unplaced("", "1", "z", {"t.csv", std::size_t(i) + 2}, "linked to no submission");
    }
    const auto survey = t.finish();
    std::map<ConflictKind, std::int64_t> all;
    std::size_t listed = 0;
    for (const auto& c : survey.conflicts) {
        all[c.kind] += 1 + c.more;
        listed += c.kind != ConflictKind::count_missing;
        if (c.more > 0) {
            EXPECT_NE(kestrivo::field::conflict_detail(c).find(std::to_string(c.more) + " more"),
                      std::string::npos);
        }
    }
    EXPECT_EQ(all[ConflictKind::duplicate_in_count], kSent - 1);
    EXPECT_EQ(all[ConflictKind::unknown_block], kSent);
    EXPECT_LE(listed, 6u);
    EXPECT_EQ(survey.blocks[0].conflicts, kSent - 1);
    EXPECT_FALSE(survey.blocks[0].histories);
    EXPECT_EQ(survey.sightings, 2 * kSent + 1);
}

// Every count of `block` done, and `dogs` seen with what each sighting said of the mark: a dog's
// string has a letter a count, '.' not seen, and for a sighting 'y' the mark seen, 'n' not seen,
// 'u' can't tell, '1' nothing recorded ("y.n": seen on counts 1 and 3, marked on the first).
void marked_sightings(Tabulation& t, const std::string& block,
                      const std::vector<std::pair<std::string, std::string>>& dogs) {
    for (int k = 1; k <= 3; ++k)
        t.count_done(block, k, kHere);
    const std::map<char, MarkSeen> said = {{'y', MarkSeen::yes},
                                           {'n', MarkSeen::no},
                                           {'u', MarkSeen::unclear},
                                           {'1', MarkSeen::not_recorded}};
    for (const auto& [dog, seen] : dogs) {
        for (int k = 0; k < 3; ++k) {
            const char c = seen[std::size_t(k)];
            if (c != '.') t.sighting(block, std::to_string(k + 1), dog, kHere, "", said.at(c));
        }
    }
}

// A dog is marked when any clear sighting saw the mark, unmarked when a clear one did not and
// none did, and of unknown mark when none was clear; sightings that disagree count it marked and
// are listed as a warning naming the counts on each side, which leaves the block's counts.
TEST(tabulation_test, each_dog_gets_its_mark_from_its_sightings) {
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> dogs;
        Histories marked;  // m100, m111, m101, m110, m010, m001, m011
        std::int64_t unknown;
        std::vector<std::string> said;  // in the warnings' details, one warning a dog named
    } cases[] = {
        {"seen once", {{"a", "y.."}}, {1, 0, 0, 0, 0, 0, 0}, 0, {}},
        {"hidden on two counts, seen on one",
         {{"a", "nny"}},
         {0, 1, 0, 0, 0, 0, 0},
         0,
         {"seen on count 3 and not seen on counts 1 and 2"}},
        {"not seen, clearly", {{"a", "nnn"}}, {}, 0, {}},
        {"can't tell", {{"a", "uu."}}, {}, 1, {}},
        {"nothing recorded, beside a dog of unclear mark", {{"a", ".11"}, {"b", "..u"}}, {}, 2, {}},
        {"can't tell beside a clear yes", {{"a", "u.y"}}, {0, 0, 1, 0, 0, 0, 0}, 0, {}},
        {"can't tell beside a clear no", {{"a", ".un"}}, {}, 0, {}},
        {"disagreeing",
         {{"a", "ny."}},
         {0, 0, 0, 1, 0, 0, 0},
         0,
         {"seen on count 2 and not seen on count 1"}},
        {"disagreeing on three counts",
         {{"a", "yny"}, {"b", ".yn"}},
         {0, 1, 0, 0, 0, 0, 1},
         0,
         {"seen on counts 1 and 3 and not seen on count 2",
          "seen on count 2 and not seen on count 3"}},
        {"a block of every kind",
         {{"a", "y.."}, {"b", "n.."}, {"c", "u1."}, {"d", ".y."}, {"e", "..u"}, {"f", "yny"}},
         {1, 1, 0, 0, 1, 0, 0},
         2,
         {"counts 1 and 3"}},
    };
    for (const auto& c : cases) {
        Tabulation t;
        marked_sightings(t, "B", c.dogs);
        const auto survey = t.finish();
        EXPECT_TRUE(survey.marks_recorded) << c.what;
        ASSERT_TRUE(survey.blocks.at(0).histories) << c.what;
        ASSERT_TRUE(survey.blocks[0].marks) << c.what;
        EXPECT_EQ(survey.blocks[0].marks->marked, c.marked) << c.what;
        EXPECT_EQ(survey.blocks[0].marks->unknown, c.unknown) << c.what;
        ASSERT_EQ(survey.conflicts.size(), c.said.size()) << c.what;
        for (std::size_t i = 0; i < c.said.size(); ++i) {
            const auto& conflict = survey.conflicts[i];
            EXPECT_EQ(conflict.kind, ConflictKind::mark_disagrees) << c.what;
            EXPECT_TRUE(conflict.warning) << c.what;
            EXPECT_EQ(conflict.block, "B") << c.what;
            EXPECT_NE(conflict.detail.find(c.said[i]), std::string::npos)
                << c.what << ": " << conflict.detail;
        }
        EXPECT_EQ(survey.blocks[0].conflicts, 0) << c.what;
    }
}

// Marks are counted only where some sighting recorded one; a block a conflict touches has them
// empty, as its counts are; a block whose sightings say nothing of marks, beside one whose do,
// was counted without them and has them empty too (not every dog of unknown mark, which would
// take its stratum's coverage, and the city's, away).
TEST(tabulation_test, marks_are_counted_only_where_sightings_recorded_them) {
    Tabulation none;
    marked_sightings(none, "A", {{"a", "111"}, {"b", "1.1"}});
    const auto unmarked = none.finish();
    EXPECT_FALSE(unmarked.marks_recorded);
    EXPECT_FALSE(unmarked.blocks.at(0).marks);
    EXPECT_TRUE(unmarked.blocks[0].histories);

    Tabulation t;
    marked_sightings(t, "A", {{"a", "111"}, {"b", "1.1"}});
    marked_sightings(t, "B", {{"c", "u.."}});
    marked_sightings(t, "C", {{"d", "yy."}});
    t.sighting("C", "1", "d", kHere, "", MarkSeen::yes);  // twice on count 1
    const auto survey = t.finish();
    EXPECT_TRUE(survey.marks_recorded);
    EXPECT_FALSE(survey.blocks.at(0).marks);
    EXPECT_TRUE(survey.blocks[0].histories);
    ASSERT_TRUE(survey.blocks.at(1).marks);
    EXPECT_EQ(survey.blocks[1].marks->marked, Histories{});
    EXPECT_EQ(survey.blocks[1].marks->unknown, 1);
    EXPECT_FALSE(survey.blocks.at(2).histories);
    EXPECT_FALSE(survey.blocks[2].marks);

    // A count sent twice with the same dogs is taken once, but what each copy said of the mark
    // is heard: seen on every count, and not seen on the first as sent again.
    Tabulation again;
    for (int k = 2; k <= 3; ++k)
        again.sighting("D", std::to_string(k), "d", kHere, "", MarkSeen::yes);
    again.sighting("D", "1", "d", kHere, "s1", MarkSeen::yes);
    again.sighting("D", "1", "d", kHere, "s2", MarkSeen::no);
    const auto resent = again.finish();
    ASSERT_TRUE(resent.blocks.at(0).marks);
    EXPECT_EQ(resent.blocks[0].marks->marked, (Histories{0, 1, 0, 0, 0, 0, 0}));
    std::string details;
    for (const auto& conflict : resent.conflicts) {
        if (conflict.kind == ConflictKind::mark_disagrees) details += conflict.detail;
    }
    EXPECT_NE(details.find("seen on counts 1, 2 and 3 and not seen on count 1"), std::string::npos)
        << details;
}

// An answer as an export gives it: the choice's name or its label in any of the form's languages,
// trimmed, case aside; empty is no answer, and what says neither yes nor no is no clear one.
TEST(tabulation_test, a_mark_answer_is_read_by_name_or_label) {
    const struct {
        const char* text;
        MarkSeen mark;
    } cases[] = {
        {"yes", MarkSeen::yes},
        {" Oui ", MarkSeen::yes},
        {"S\u00cd", MarkSeen::yes},
        {"sim", MarkSeen::yes},
        {"NO", MarkSeen::no},
        {"non", MarkSeen::no},
        {"N\u00c3O", MarkSeen::no},
        {"unclear", MarkSeen::unclear},
        {"Can\u2019t tell", MarkSeen::unclear},
        {"maybe", MarkSeen::unclear},
        {"", MarkSeen::not_recorded},
        {"\u00a0 ", MarkSeen::not_recorded},
        {"yes please", MarkSeen::unclear},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kestrivo::field::mark_seen(c.text), c.mark) << c.text;
}

// A time's day is the date as written, in the zone it was written in; a text that does not begin
// with a real date has none.
TEST(tabulation_test, a_time_gives_the_day_it_was_written_on) {
    const struct {
        const char* time;
        const char* day;
    } cases[] = {
        {"2026-11-11T07:15:00.000Z", "2026-11-11"},
        {"2026-11-11T23:30:00.000-05:00", "2026-11-11"},
        {"2026-11-12T01:30:00+03:00", "2026-11-12"},
        {"2026-11-11T07:15:00", "2026-11-11"},
        {"2026-11-11 07:15:00", "2026-11-11"},
        {"2026-11-11", "2026-11-11"},
        {"2028-02-29T00:00:00Z", "2028-02-29"},
        {"2000-02-29", "2000-02-29"},
        {"2100-02-29", ""},
        {"2026-02-29", ""},
        {"2026-04-31", ""},
        {"2026-13-01", ""},
        {"2026-00-10", ""},
        {"2026-11-00", ""},
        {"2026-11-1", ""},
        {"2026/11/11", ""},
        {"11/11/2026 07:15", ""},
        {"2026-11-11X", ""},
        {"46337.3", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kestrivo::field::day_of(c.time), c.day) << c.time;
}

// The first and last day over every time given, in any order; times that are none widen nothing.
TEST(tabulation_test, the_fieldwork_days_span_the_times_given) {
    const struct {
        std::vector<const char*> times;
        const char *first, *last;
    } cases[] = {
        {{}, "", ""},
        {{"soon"}, "", ""},
        {{"2026-11-12T10:00:00Z"}, "2026-11-12", "2026-11-12"},
        {{"2026-11-12T10:00:00Z", "2026-11-10", "bad", "2026-11-15T00:00:00+05:00"},
         "2026-11-10",
         "2026-11-15"},
        {{"2026-12-31T23:00:00", "2027-01-01T01:00:00"}, "2026-12-31", "2027-01-01"},
    };
    for (const auto& c : cases) {
        kestrivo::field::Tabulation tabulation;
        for (const char* time : c.times)
            tabulation.worked_at(time);
        const auto survey = tabulation.finish();
        EXPECT_EQ(survey.first_day, c.first) << c.times.size();
        EXPECT_EQ(survey.last_day, c.last) << c.times.size();
    }
}

}  // namespace
