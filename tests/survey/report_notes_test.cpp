// The report's notes from their codes: the words a reader of the table finds, and which fits
// and strata give which notes.
#include "survey/report_notes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/seven_histories.h"

namespace {

using kestrivo::survey::Note;
using kestrivo::survey::NoteCode;

std::string words(const Note& note) {
    return kestrivo::survey::note_words(note, [](double x) { return std::to_string(x); });
}

Note note(NoteCode code, std::vector<double> numbers = {}) {
    Note n;
    n.code = code;
    n.numbers = std::move(numbers);
    return n;
}

TEST(report_notes_test, each_code_in_the_reports_words) {
    Note in_stratum = note(NoteCode::one_sampled_block, {40});
    in_stratum.stratum = "North";
    in_stratum.named = true;
    const struct {
        Note note;
        std::string words;
    } cases[] = {
        {note(NoteCode::limits_in_pieces, {0.01, 0.152005, 0.847995, 0.99}),
         "the P within the limits form 2 separate pieces: 0.010000 to 0.152005 and 0.847995 to "
         "0.990000"},
        {note(NoteCode::limits_in_pieces, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6}),
         "the P within the limits form 3 separate pieces: 0.100000 to 0.200000, 0.300000 to "
         "0.400000 and 0.500000 to 0.600000"},
        {note(NoteCode::no_territorial_dogs, {1.23456}),
         "S is 0: the counts show no territorial dogs (a free S gains 1.23 in twice the log "
         "likelihood, less than AICc asks of it), so the total takes none"},
        {note(NoteCode::seen_again_differs, {0.3, 0.5}),
         "a dog once seen is seen again with another chance, P_again 0.500000, than one not yet "
         "seen, P_first 0.300000: the dogs never seen are those P_first misses on every count"},
        {note(NoteCode::blocks_left_out, {1, 9}),
         "1 block of this stratum could not be read and is left out: the total treats the 9 "
         "blocks read as the sample"},
        {note(NoteCode::blocks_left_out, {2, 1}),
         "2 blocks of this stratum could not be read and are left out: the total treats the 1 "
         "block read as the sample"},
        {note(NoteCode::rows_unplaced, {1}),
         "1 row could not be read, so their strata are unknown: the totals treat the blocks read "
         "as the sample"},
        {in_stratum,
         "stratum \"North\": one sampled block of 40 gives no estimate of the "
         "sampling error"},
        {note(NoteCode::drawn_at_random),
         "the interval assumes the blocks of each stratum were drawn at random"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(words(c.note), c.words);
    // A row's notes are joined, and an empty one leaves no gap.
    Note empty_reason = note(NoteCode::p_not_identified);
    EXPECT_EQ(kestrivo::survey::notes_words({note(NoteCode::too_few_replicates), empty_reason,
                                             note(NoteCode::spread_too_large)},
                                            {}),
              "too few bootstrap replicates could be fitted for an interval; the bootstrap's "
              "spread is too large to be a number, so there is no interval");
}

TEST(report_notes_test, which_fits_and_strata_give_which_notes) {
    kestrivo::analysis::Report split;
    split.estimates.value.emplace();
    split.estimates.value->p_identified = true;
    kestrivo::analysis::Interval pieces;
    pieces.pieces = {{0.01, 0.15}, {0.85, 0.99}};
    split.p_limits.value = pieces;
    const auto from_pieces = kestrivo::survey::fit_notes(split);
    ASSERT_EQ(from_pieces.size(), 1u);
    EXPECT_EQ(from_pieces[0].code, NoteCode::limits_in_pieces);
    EXPECT_EQ(from_pieces[0].numbers, (std::vector<double>{0.01, 0.15, 0.85, 0.99}));

    // P not identified says the fit's own reason, whatever the limits hold.
    split.estimates.value->p_identified = false;
    split.p_limits.why_not = "every dog is always seen";
    const auto unidentified = kestrivo::survey::fit_notes(split);
    ASSERT_EQ(unidentified.size(), 1u);
    EXPECT_EQ(words(unidentified[0]), "every dog is always seen");

    // The behaviour model's note carries its own P_first and P_again, whichever model was
    // chosen.
    const auto seven = kestrivo::analysis::fit_seven_histories({40, 90, 25, 30, 20, 22, 12}, {});
    ASSERT_TRUE(seven && seven->behaviour.P_again);
    const Note again = kestrivo::survey::seen_again_note(*seven);
    EXPECT_EQ(again.code, NoteCode::seen_again_differs);
    EXPECT_EQ(again.numbers,
              (std::vector<double>{seven->behaviour.P[0], *seven->behaviour.P_again}));

    EXPECT_TRUE(kestrivo::survey::heterogeneity_notes({12.0, 3, 0.05}).empty());
    EXPECT_EQ(kestrivo::survey::heterogeneity_notes({12.0, 3, 0.049}).size(), 1u);

    kestrivo::analysis::Stratum stratum;
    EXPECT_EQ(kestrivo::survey::four_histories_note(stratum).code, NoteCode::four_histories_only);
    stratum.later_columns = true;
    stratum.add({1, 2, 3, 4}, std::nullopt, std::nullopt, std::nullopt);
    stratum.add({1, 2, 3, 4}, std::nullopt, std::nullopt, std::nullopt);
    stratum.without_later = {"\"a\""};
    EXPECT_EQ(words(kestrivo::survey::four_histories_note(stratum)),
              "fitted from the four histories of the dogs seen on count 1, which cannot show a "
              "change of visibility on count 1: c010, c001 and c011 are empty on all 2 blocks of "
              "this stratum (\"a\", ...): fill them in on every block to use all seven histories");
}

}  // namespace
