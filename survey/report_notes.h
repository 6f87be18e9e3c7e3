// What a row of the report is to be read with, as values: a code and the numbers and names it
// speaks of. The report's English sentences are worded here and nowhere else, so the table, the
// map and the window say the same thing, and a reader in another language can word the same
// codes its own way (or leave out a note that it already says in its own sentence).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analysis/city_total.h"
#include "analysis/inference_report.h"
#include "analysis/pooled_visibility.h"

namespace kestrivo::survey {

struct CoverageCells;

enum class NoteCode {
    // A block's or a pooled row's own fit.
    limits_in_pieces,  // numbers: each piece's lower and upper limit of P, in turn
    p_not_identified,  // reason: why P has no estimate
    // A pooled row.
    visibility_differs,   // numbers: het p (below 0.05)
    seen_again_differs,   // numbers: P_first, P_again of the behaviour model the row chose
    no_territorial_dogs,  // numbers: what a free S gains in twice the log likelihood
    four_histories_only,  // the file gives no columns of the dogs first seen later
    later_left_empty,     // numbers: blocks without them, blocks; names: the first few of them
    nobody_seen,          // reason: why the pooled row has no fit (nobody was seen)
    // A total row: each may be about one stratum (Note::stratum) on the city's row.
    blocks_left_out,     // numbers: blocks left out, blocks read
    no_dog_seen,         // the total is the 0 dogs identified
    one_sampled_block,   // numbers: the stratum's blocks in the city
    too_few_replicates,  // the bootstrap could fit fewer than two replicates
    spread_too_large,    // the bootstrap's variance is past the largest double
    rows_unplaced,       // numbers: rows whose stratum could not be read
    weights_as_given,    // the interval of a weighted sample
    drawn_at_random,     // the interval of a sample drawn at random
    shy_dogs_unseen,     // dogs that differ in shyness: three counts cannot see it
    // Coverage after vaccination, on a pooled row or a total row (about its own stratum, or on
    // the city's row about one of them).
    marked_seen_differently,  // numbers: visibility p, marked share seen, unmarked share seen
    coverage_below,           // numbers: target, coverage, its lower and upper limit
    coverage_uncertain,       // numbers: target, coverage, its lower and upper limit
    records_differ,    // numbers: the dogs vaccinated by the records, the survey's marked dogs
    coverage_missing,  // reason: why a stratum's (or the city's) coverage cannot be estimated
};

struct Note {
    NoteCode code;
    std::vector<double> numbers;
    std::vector<std::string> names;
    std::string reason;   // a fit's own reason, for the codes that carry one
    std::string stratum;  // on the city's row, the stratum a note is about
    bool named = false;   // the city's row names the stratum (the survey has strata)
    bool more = false;    // later_left_empty: more blocks than `names` lack the columns
};

/// How a number in a note is written: a report writes P's limits at its own digits.
using NumberWords = std::function<std::string(double)>;

/// One note in the report's words.
std::string note_words(const Note& note, const NumberWords& number);
/// A row's notes in the report's words, joined by "; ".
std::string notes_words(const std::vector<Note>& notes, const NumberWords& number);

/// The notes of a block's (or a pooled row's) own fit: its P's limits in pieces, or why P has
/// no estimate.
std::vector<Note> fit_notes(const analysis::Report& report);
/// The note that the share S is 0 by AICc, on a pooled row.
Note no_territorial_note(const analysis::PooledVisibility& pooled);
/// The note of a pooled row whose seven histories chose the behaviour model: a dog once seen is
/// seen with another chance than one not yet seen.
Note seen_again_note(const analysis::SevenHistoriesFit& seven);
/// The note of a pooled row fitted from the four histories alone: none of the file's blocks
/// give the later columns, or which of the stratum's blocks left them empty.
Note four_histories_note(const analysis::Stratum& stratum);
/// What a total row is to be read with.
std::vector<Note> total_notes(const analysis::TotalEstimate& total);
/// The notes of a row's coverage after vaccination: visibility that differs between marked and
/// unmarked dogs (on a pooled row), coverage below the target or not surely above it, and the
/// campaign's records against the marked dogs the survey finds.
std::vector<Note> coverage_notes(const CoverageCells& coverage, double target);
/// The note that a row's coverage cannot be estimated, and why.
Note coverage_missing_note(const std::string& reason);
/// The note of a pooled row whose blocks differ (het p below 0.05), if they do.
std::vector<Note> heterogeneity_notes(const analysis::Heterogeneity& het);

}  // namespace kestrivo::survey
