// From the dogs a team saw to the histories a survey file holds. Within a block, D_k is the set of
// dog IDs seen on count k (IDs trimmed, compared exactly), and each dog seen at least once has
// one of seven histories: c100 = |D1 \ (D2 u D3)|, c111 = |D1 n D2 n D3|,
// c101 = |(D1 n D3) \ D2|, c110 = |(D1 n D2) \ D3|, and the dogs first seen later,
// c010 = |D2 \ (D1 u D3)|, c001 = |D3 \ (D1 u D2)|, c011 = |(D2 n D3) \ D1|.
//
// Conflicts are listed, never guessed: a dog twice in one count of a block, a dog in two blocks,
// a count with no record that it was done, a sighting without a count or a dog, a sighting
// linked to no block, a block the block table does not list, a block given two strata. A block a
// conflict touches keeps its row with its counts left empty, so the report gives it an error row
// in its place; a sighting that cannot be placed is left out and listed. Dog IDs that differ only
// by case or spaces are listed as a warning, which touches no block. Memory grows with the dogs,
// not with the rows read: a few conflicts of one kind are kept for each dog and block, and the
// rest are counted.
//
// A sighting may also say whether the dog's vaccination mark was seen. A dog is marked when any
// sighting of it in its block saw the mark (a mark is easily hidden on one sighting, but rarely
// seen where there is none), unmarked when one said no and none yes, and of unknown mark when
// none was clear. Sightings that disagree are counted marked and listed as a warning.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace kestrivo::field {

/// Where a record came from: its file (and sheet or entry), and its line or row.
struct Source {
    std::string file;
    std::size_t line = 0;
};

enum class ConflictKind {
    duplicate_in_count,     // one dog twice in one count of a block
    id_in_several_blocks,   // one dog ID in two blocks
    count_missing,          // a count of a block with no record that it was done
    no_count_number,        // a sighting whose count is missing or not 1, 2 or 3
    missing_dog_id,         // a sighting without a dog ID
    unknown_block,          // a sighting linked to no block, or a block the block table lacks
    block_facts_differ,     // a block given two strata, or two places by the table of blocks
    count_sent_twice,       // two submissions of one count of a block
    similar_ids,            // a warning: dog IDs that differ only by case or spaces
    rejected_in_review,     // a submission rejected in review, left out
    review_has_issues,      // a warning: a submission marked as having issues in review
    same_submission_twice,  // a submission read twice (one instance ID), counted once
    mark_disagrees,         // a warning: a dog's mark seen on some sightings, not on others
};

/// The kind's name, as the conflicts file writes it ("duplicate_in_count").
const char* kind_name(ConflictKind kind);

struct Conflict {
    ConflictKind kind;
    std::string block, count, dog_id;
    Source where;
    std::string detail;
    /// Conflicts of the same kind, dog and block found after this one and not listed.
    std::int64_t more = 0;
    /// Only for the team to look at: it touches no block's counts.
    bool warning = false;
};

/// The conflict's detail as the team reads it: with how many more like it were not listed.
std::string conflict_detail(const Conflict& conflict);

/// What a submission or a table of blocks says of a block beyond its dogs. Empty texts are
/// unknown: the first record that gives a value sets it.
struct BlockFacts {
    std::string stratum;
    std::string latitude, longitude;  // decimal degrees, as written
    std::string outline;              // a shape in ODK's form: "lat lon alt acc;lat lon ..."
    std::vector<std::pair<std::string, std::string>> rest;  // other columns: name and value
};

/// The seven histories, in the survey file's order: c100, c111, c101, c110, c010, c001, c011.
using Histories = std::array<std::int64_t, 7>;

/// What a sighting says of the dog's vaccination mark.
enum class MarkSeen : std::uint8_t { not_recorded, yes, no, unclear };

/// The answer to the form's mark question as an export gives it: the choice's name (yes, no,
/// unclear) or its label in one of the form's languages ("Oui", "Can't tell"), trimmed, case
/// aside. Empty is not_recorded; any other text is a recorded answer that says nothing clear,
/// unclear.
MarkSeen mark_seen(std::string_view text);

/// The dogs of a block by their mark: the seven histories of the marked dogs, and how many dogs
/// seen at least once never had their mark seen clearly. The block's other dogs are unmarked.
struct MarkCounts {
    Histories marked{};
    std::int64_t unknown = 0;
};

struct TabulatedBlock {
    std::string id;
    std::optional<Histories> histories;  // empty when a conflict touches the block
    std::optional<MarkCounts> marks;     // empty too, and when no sighting recorded a mark
    std::int64_t conflicts = 0;          // the conflicts that touch it
    BlockFacts facts;
};

struct TabulatedSurvey {
    std::vector<TabulatedBlock> blocks;  // in the order first seen
    std::vector<Conflict> conflicts;     // in the order found
    std::string stratum_column;          // the name of the stratum column ("" when none)
    std::vector<std::string> rest_columns;
    std::int64_t sightings = 0;   // sightings read, placed or not
    bool marks_recorded = false;  // some sighting said yes, no or unclear of its dog's mark
    /// The fieldwork's first and last day, "YYYY-MM-DD", from the times its submissions give;
    /// "" when none was read.
    std::string first_day, last_day;
};

class Tabulation {
public:
    /// The name the stratum column takes in the survey file.
    void name_stratum_column(const std::string& name);
    /// Facts of a block, from a submission or a block table.
    /// `from_table`: a row of the table of blocks, which gives a block's place once (each count's
    /// submission takes a GPS reading of its own, so only the table's places are compared).
    void block(const std::string& id, const BlockFacts& facts, const Source& where,
               bool from_table = false);
    /// From now on only the blocks given so far are known: others are unknown_block conflicts.
    void close_the_list_of_blocks();
    /// A record that count `count` (1, 2 or 3) of the block was done, by the submission
    /// `submission` (its instance ID; "" for a table kept by hand, which is one record).
    void count_done(const std::string& block, int count, const Source& where,
                    const std::string& submission = "");
    /// A dog seen on a count of a block; `count` is the text recorded (it should read 1, 2 or 3).
    /// Two submissions of one count are compared whole at the end: the same dogs are one count
    /// sent twice, other dogs a conflict. `mark`: whether the dog's vaccination mark was seen.
    void sighting(const std::string& block, const std::string& count, const std::string& dog_id,
                  const Source& where, const std::string& submission = "",
                  MarkSeen mark = MarkSeen::not_recorded);
    /// Lists a conflict that touches no block's counts (a warning, or a note of what was left
    /// out) and is not counted among the sightings.
    void note(ConflictKind kind, const std::string& block, const std::string& count,
              const std::string& id, const Source& where, const std::string& detail, bool warning);
    /// An empty cell for count `count` in a dog's row of a table of dogs: no conflict when no
    /// row of the block gives that count (it was not walked: count_missing), else its row's.
    void count_blank(const std::string& block, int count, const std::string& dog_id,
                     const Source& where);
    /// A record of the block that cannot be used (a flag that is neither 0 nor 1, a dog seen on
    /// no count): a conflict of `kind` that touches the block.
    void bad_record(ConflictKind kind, const std::string& block, const std::string& count,
                    const std::string& dog_id, const Source& where, const std::string& detail);
    /// A record that belongs to no block it can be placed in, said in `detail`.
    void unplaced(const std::string& block, const std::string& count, const std::string& dog_id,
                  const Source& where, const std::string& detail);
    /// A time the fieldwork was under way, as an export writes it (a submission's start, end or
    /// sending time, ISO 8601): its day, as written, widens the fieldwork's first and last day.
    /// A text that is no such time is passed over.
    void worked_at(std::string_view time);
    /// The blocks' histories and every conflict. The tabulation is spent afterwards.
    TabulatedSurvey finish();

private:
    struct Blank {
        std::string dog_id;
        Source where;
    };
    // One submission's record of a count: its dogs, by number.
    struct Copy {
        std::string submission;
        Source where;
        std::unordered_set<std::uint32_t> dogs;
    };
    struct Block {
        TabulatedBlock row;
        // Each count's records; the first one's dogs are D_k. A count with none was not done.
        std::array<std::vector<Copy>, 3> copies;
        std::array<std::vector<Blank>, 3> blanks;   // the first rows with a count's cell empty
        std::array<std::int64_t, 3> more_blanks{};  // and how many more
        Source first;                               // its first record
        Source facts_from;                          // where its stratum was first given
        bool listed = false;                        // given by the table of blocks
        bool touched = false;
        /// Some sighting of it said yes, no or unclear of a mark: a block whose sightings say
        /// nothing of marks was counted without them, and its mark columns stay empty.
        bool marks_recorded = false;
    };
    // A dog, numbered in the order first seen: the block and the place it was first seen in.
    struct Dog {
        std::uint32_t number;
        std::uint32_t block;
        std::uint32_t file;  // in files_
        std::size_t line;
    };
    std::uint32_t file_number(const std::string& file);

    Block* find_or_add(const std::string& id, const Source& where, bool from_list);
    // Both return the place in conflicts_ of the conflict that lists or counts it.
    std::size_t conflict(ConflictKind kind, std::size_t block, const std::string& count,
                         const std::string& dog_id, const Source& where, const std::string& detail);
    // Lists a conflict, or counts it on the last one listed of its kind, block and dog.
    std::size_t list(ConflictKind kind, const std::string& block, const std::string& count,
                     const std::string& dog_id, const Source& where, const std::string& detail,
                     bool warning = false);
    Copy& copy_of(Block& block, int count, const std::string& submission, const Source& where);
    void compare_copies(std::size_t block, int count);
    void tabulate_block(Block& block) const;
    void warn_of_disagreeing_marks();
    void warn_of_similar_ids();

    std::vector<Block> blocks_;
    std::unordered_map<std::string, std::size_t> index_;
    std::unordered_map<std::string, Dog> dogs_;
    // Each dog's place in dogs_, with a hash of its ID folded (no spaces, ASCII in lower case).
    std::vector<std::pair<std::uint64_t, const std::pair<const std::string, Dog>*>> folded_;
    std::vector<std::string> files_;  // the files dogs were first seen in
    // Which counts saw each dog's mark and which did not, by its number: kMarkYes and kMarkNo
    // shifted by the count less one. Empty until a sighting says yes or no.
    std::vector<std::uint8_t> marks_;
    static constexpr std::uint8_t kMarkYes = 1, kMarkNo = 1 << 3;
    std::vector<Conflict> conflicts_;
    // Conflicts listed of each kind, block and dog, and where the last one listed is.
    struct Listed {
        std::uint32_t count;
        std::size_t last;
    };
    std::unordered_map<std::string, Listed> listed_;
    std::string stratum_column_;
    std::vector<std::string> rest_columns_;
    std::unordered_set<std::string> rest_seen_;
    bool list_closed_ = false;
    bool marks_recorded_ = false;
    std::int64_t sightings_ = 0;
    std::string first_day_, last_day_;
};

/// An ID without the blanks at either end: spaces, tabs and the Unicode spaces a phone's
/// keyboard or a spreadsheet may add (no-break, narrow no-break, ideographic, zero-width).
std::string trimmed_id(std::string_view text);

/// The day of an ISO 8601 time ("2026-11-11" of "2026-11-11T07:15:00.000Z", of
/// "2026-11-11T09:15:00+02:00", of "2026-11-11"): the date as written, in the zone the text was
/// written in, not moved to another; "" when the text does not begin with a real date.
std::string day_of(std::string_view time);

/// The count a sighting records: 1, 2 or 3 (a spreadsheet's "2.0" too), or 0 when it is none.
int count_number(const std::string& text);

}  // namespace kestrivo::field
