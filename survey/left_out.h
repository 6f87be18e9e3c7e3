// Why a block of the report has no estimate, kept as data beside the row's error text. The text
// (file, line, column and the reader's own wording) is what the report's CSV and JSON write; the
// window says the same thing in a ward officer's words, and needs the reason, not the wording.
#pragma once

#include <cstddef>
#include <string>

namespace kestrivo::survey {

struct LeftOut {
    /// One for each reason the reader and the report give a block row its error.
    enum class Why {
        unreadable,        // the record itself cannot be read (a stray quote, an overlong line)
        beyond_header,     // a value past the header's last column
        missing,           // a count left empty
        not_whole,         // a count that is no whole number of dogs
        too_large,         // a count too large to hold
        not_share,         // s_held that is no share from 0 to 1
        later_incomplete,  // one or two of c010, c001 and c011 empty, not all three
        marked_more,       // more marked dogs than the dogs of their history
        unknown_more,      // more dogs of unknown mark than dogs seen without the mark
        weight_missing,    // the block's weight left empty
        not_weight,        // a weight that is no number
        weight_too_small,  // a weight not above 0, or below 1
        weight_too_large,  // a weight of more blocks than a city has
        not_estimable,     // the counts were read, and the fit gives no estimate
        plot_not_written,  // the block's plot could not be written
        other,
    };
    Why why = Why::other;
    /// The column's name ("c100", the weight column's), or its number where it has none: a value
    /// past the header, a record that cannot be read.
    std::string column;
    std::string value;     // the cell as written; "" when missing or not the point
    std::size_t line = 0;  // the row's line in its file (the header is line 1)
    /// marked_more, unknown_more: the dogs the value is more than.
    std::string limit;
    /// unreadable, not_estimable, plot_not_written: the reader's, the fit's or the system's reason.
    std::string detail;

    bool operator==(const LeftOut&) const = default;
};

}  // namespace kestrivo::survey
