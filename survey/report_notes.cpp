// The report's notes in its English words, from their codes.
#include "survey/report_notes.h"

#include "survey/report_rows.h"

#include <cmath>
#include <cstdio>

namespace kestrivo::survey {
namespace {

std::string whole(double value) {
    return std::to_string(static_cast<std::int64_t>(value));
}

std::string blocks_text(double count) {
    return whole(count) + (count == 1 ? " block" : " blocks");
}

std::string pieces_words(const Note& note, const NumberWords& number) {
    const std::size_t pieces = note.numbers.size() / 2;
    std::string text =
        "the P within the limits form " + std::to_string(pieces) + " separate pieces: ";
    for (std::size_t i = 0; i < pieces; ++i) {
        if (i) text += i + 1 == pieces ? " and " : ", ";
        text += number(note.numbers[2 * i]) + " to " + number(note.numbers[2 * i + 1]);
    }
    return text;
}

std::string left_empty_words(const Note& note) {
    const double without = note.numbers.at(0), blocks = note.numbers.at(1);
    std::string named;
    for (const std::string& label : note.names)
        named += (named.empty() ? "" : ", ") + label;
    if (note.more) named += ", ...";
    const std::string which = without == 1 && blocks == 1 ? "the one block"
                              : without == blocks
                                  ? "all " + whole(blocks) + " blocks"
                                  : whole(without) + " of the " + whole(blocks) + " blocks";
    return "fitted from the four histories of the dogs seen on count 1, which cannot show a "
           "change of visibility on count 1: c010, c001 and c011 are empty on " +
           which + " of this stratum (" + named +
           "): fill them in on every block to use all seven histories";
}

std::string percent(double share) {
    char text[16];
    std::snprintf(text, sizeof text, "%.0f%%", 100 * share);
    return text;
}

// Coverage below the target, or an interval that straddles it.
std::string coverage_words(const Note& note) {
    const std::string target = percent(note.numbers.at(0));
    const std::string interval = percent(note.numbers.at(1)) + " (" + percent(note.numbers.at(2)) +
                                 " to " + percent(note.numbers.at(3)) + ")";
    if (note.code == NoteCode::coverage_below) {
        return "coverage " + interval + " is below the target of " + target + ": send a team back";
    }
    return "coverage " + interval + " may be below the target of " + target + ": uncertain";
}

// The words of a total row's note, before the city's row names the stratum it is about.
std::string total_words(const Note& note) {
    switch (note.code) {
        case NoteCode::blocks_left_out: {
            const double left_out = note.numbers.at(0);
            return blocks_text(left_out) + " of this stratum could not be read and " +
                   (left_out == 1 ? "is" : "are") + " left out: the total treats the " +
                   blocks_text(note.numbers.at(1)) + " read as the sample";
        }
        case NoteCode::no_dog_seen:
            return "no dog was seen on the sampled blocks, so there is no visibility to scale them "
                   "up "
                   "by: the total is the 0 dogs identified, with no interval";
        case NoteCode::one_sampled_block:
            return "one sampled block of " + whole(note.numbers.at(0)) +
                   " gives no estimate of the sampling error";
        case NoteCode::too_few_replicates:
            return "too few bootstrap replicates could be fitted for an interval";
        case NoteCode::spread_too_large:
            return "the bootstrap's spread is too large to be a number, so there is no interval";
        case NoteCode::rows_unplaced: {
            const double rows = note.numbers.at(0);
            return whole(rows) + (rows == 1 ? " row" : " rows") +
                   " could not be read, so their strata are unknown: the totals treat the blocks "
                   "read as the sample";
        }
        case NoteCode::weights_as_given:
            return "the interval takes each block's weight as given, the blocks as drawn with "
                   "replacement within their stratum";
        case NoteCode::drawn_at_random:
            return "the interval assumes the blocks of each stratum were drawn at random";
        case NoteCode::coverage_below:
        case NoteCode::coverage_uncertain:
            return coverage_words(note);
        case NoteCode::records_differ:
            return "the campaign's records give " + whole(note.numbers.at(0)) +
                   " dogs vaccinated and the survey finds " + whole(note.numbers.at(1)) +
                   " marked: " +
                   (note.numbers.at(0) >= note.numbers.at(1)
                        ? "vaccinated dogs kept indoors are in the records but never on the street "
                          "and raise N_vaccinated_check above the total; marks lost or missed "
                          "make the coverage look low"
                        : "fewer in the records than marked on the street: records missing some "
                          "teams' days, or marks left from another campaign, lower "
                          "N_vaccinated_check below the total");
        case NoteCode::coverage_missing:
            return "no coverage: " + note.reason;
        case NoteCode::shy_dogs_unseen:
            // No comma: a note is one CSV cell, and simple readers split on commas.
            return "three counts cannot show whether dogs without a territory differ among "
                   "themselves in how easily they are seen: where they do the total is a lower "
                   "bound (four or five counts or marked dogs measure it)";
        default:
            return "";
    }
}

}  // namespace

std::string note_words(const Note& note, const NumberWords& number) {
    switch (note.code) {
        case NoteCode::limits_in_pieces:
            return pieces_words(note, number);
        case NoteCode::p_not_identified:
        case NoteCode::nobody_seen:
            return note.reason;
        case NoteCode::visibility_differs:
            return "visibility differs between these blocks (het p < 0.05): one shared S and P may "
                   "mislead; give a column of strata (--stratum) that groups blocks seen alike";
        case NoteCode::seen_again_differs:
            return "a dog once seen is seen again with another chance, P_again " +
                   number(note.numbers.at(1)) + ", than one not yet seen, P_first " +
                   number(note.numbers.at(0)) +
                   ": the dogs never seen are those P_first misses on every count";
        case NoteCode::no_territorial_dogs: {
            char gain[32];
            std::snprintf(gain, sizeof gain, "%.3g", note.numbers.at(0));
            return "S is 0: the counts show no territorial dogs (a free S gains " +
                   std::string(gain) +
                   " in twice the log likelihood, less than AICc asks of it), so the total takes "
                   "none";
        }
        case NoteCode::four_histories_only:
            return "fitted from the four histories of the dogs seen on count 1, which cannot show "
                   "a "
                   "change of visibility on count 1 (it moves the share seen, and the total, "
                   "without "
                   "a sign): record the dogs first seen on counts 2 and 3 (c010, c001, c011) to "
                   "test "
                   "it";
        case NoteCode::later_left_empty:
            return left_empty_words(note);
        case NoteCode::marked_seen_differently: {
            const bool marked_more = note.numbers.at(1) > note.numbers.at(2);
            return std::string(marked_more ? "marked" : "unmarked") +
                   " dogs are seen more often than " + (marked_more ? "unmarked" : "marked") +
                   " ones (visibility p " + number(note.numbers.at(0)) +
                   "): the share marked among the dogs seen is biased " +
                   (marked_more ? "upwards" : "downwards") +
                   "; the coverage takes each group's own visibility";
        }
        default: {
            const std::string words = total_words(note);
            return note.named ? "stratum \"" + note.stratum + "\": " + words : words;
        }
    }
}

Note coverage_missing_note(const std::string& reason) {
    Note note{NoteCode::coverage_missing, {}, {}, reason, "", false, false};
    return note;
}

std::vector<Note> coverage_notes(const CoverageCells& coverage, double target) {
    std::vector<Note> notes;
    if (coverage.visibility_p && *coverage.visibility_p < 0.05 && coverage.seen_marked &&
        coverage.seen_unmarked) {
        notes.push_back({NoteCode::marked_seen_differently,
                         {*coverage.visibility_p, *coverage.seen_marked, *coverage.seen_unmarked},
                         {},
                         "",
                         "",
                         false,
                         false});
    }
    const std::vector<double> numbers = {target, coverage.coverage, coverage.lower, coverage.upper};
    if (coverage.upper < target) {
        notes.push_back({NoteCode::coverage_below, numbers, {}, "", "", false, false});
    } else if (coverage.lower < target) {
        notes.push_back({NoteCode::coverage_uncertain, numbers, {}, "", "", false, false});
    }
    if (coverage.vaccinated) {
        notes.push_back({NoteCode::records_differ,
                         {double(*coverage.vaccinated), coverage.marked_dogs},
                         {},
                         "",
                         "",
                         false,
                         false});
    }
    return notes;
}

std::string notes_words(const std::vector<Note>& notes, const NumberWords& number) {
    std::string text;
    for (const Note& note : notes) {
        const std::string words = note_words(note, number);
        if (!words.empty()) text += (text.empty() ? "" : "; ") + words;
    }
    return text;
}

std::vector<Note> fit_notes(const analysis::Report& report) {
    if (report.estimates && !report.estimates->p_identified) {
        if (report.p_limits.why_not.empty()) return {};
        return {
            Note{NoteCode::p_not_identified, {}, {}, report.p_limits.why_not, "", false, false}};
    }
    if (!report.p_limits || report.p_limits->pieces.empty()) return {};
    Note note{NoteCode::limits_in_pieces, {}, {}, "", "", false, false};
    for (const auto& [lower, upper] : report.p_limits->pieces) {
        note.numbers.push_back(lower);
        note.numbers.push_back(upper);
    }
    return {note};
}

Note seen_again_note(const analysis::SevenHistoriesFit& seven) {
    const analysis::SevenFit& fit = seven.behaviour;
    return Note{NoteCode::seen_again_differs,
                {fit.P[0], fit.P_again.value_or(NAN)},
                {},
                "",
                "",
                false,
                false};
}

Note no_territorial_note(const analysis::PooledVisibility& pooled) {
    return Note{NoteCode::no_territorial_dogs, {pooled.gain_of_free_s}, {}, "", "", false, false};
}

Note four_histories_note(const analysis::Stratum& stratum) {
    if (!stratum.later_columns)
        return Note{NoteCode::four_histories_only, {}, {}, "", "", false, false};
    const std::size_t blocks = stratum.blocks.size(), without = blocks - stratum.later.size();
    return Note{NoteCode::later_left_empty,
                {double(without), double(blocks)},
                stratum.without_later,
                "",
                "",
                false,
                without > stratum.without_later.size()};
}

std::vector<Note> total_notes(const analysis::TotalEstimate& total) {
    using Kind = analysis::TotalNote::Kind;
    std::vector<Note> notes;
    for (const analysis::TotalNote& from : total.notes) {
        Note note{NoteCode::drawn_at_random, {}, {}, "", from.stratum, from.named, false};
        switch (from.kind) {
            case Kind::blocks_left_out:
                note.code = NoteCode::blocks_left_out;
                note.numbers = {double(from.count), double(from.of)};
                break;
            case Kind::no_dog_seen:
                note.code = NoteCode::no_dog_seen;
                break;
            case Kind::one_sampled_block:
                note.code = NoteCode::one_sampled_block;
                note.numbers = {double(from.count)};
                break;
            case Kind::too_few_replicates:
                note.code = NoteCode::too_few_replicates;
                break;
            case Kind::spread_too_large:
                note.code = NoteCode::spread_too_large;
                break;
            case Kind::rows_unplaced:
                note.code = NoteCode::rows_unplaced;
                note.numbers = {double(from.count)};
                break;
            case Kind::weights_as_given:
                note.code = NoteCode::weights_as_given;
                break;
            case Kind::drawn_at_random:
                note.code = NoteCode::drawn_at_random;
                break;
            case Kind::shy_dogs_unseen:
                note.code = NoteCode::shy_dogs_unseen;
                break;
        }
        notes.push_back(std::move(note));
    }
    return notes;
}

std::vector<Note> heterogeneity_notes(const analysis::Heterogeneity& het) {
    if (!(het.p < 0.05)) return {};
    return {Note{NoteCode::visibility_differs, {het.p}, {}, "", "", false, false}};
}

}  // namespace kestrivo::survey
