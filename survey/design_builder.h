// The one way from a survey's rows to its sampling design. kestrivo-report, kestrivo-plan's pilot
// and the window's "whole survey (pooled)" all give their rows to a DesignBuilder, with the
// column that names the strata and the city's number of blocks, and get back one SurveyDesign
// or what is wrong with it, as a value: so each refuses the same surveys, and words the refusal
// with the names its user knows (the command line its options, the window its controls).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/survey_design.h"
#include "survey/survey_reader.h"

namespace kestrivo::survey {

/// What is wrong with a design: which stratum, which number, which limit.
struct DesignRefusal {
    enum class Kind {
        names_without_strata,    // K by stratum name, but no strata column
        one_number_for_strata,   // one K for a survey in strata
        weights_and_blocks,      // design weights and K both
        strata_unused,           // a strata column, with neither pooling nor K (a report's)
        no_such_column,          // `file` has no column `column` (`for_weights`); `near` it
        unknown_stratum,         // K names `stratum`, which no row has in `column`; `near` it
        stratum_without_blocks,  // `stratum` has no K though others have
        fewer_than_read,         // K `number` (of `stratum`, when `in_strata`) below `blocks` read
        block_twice,  // `label` twice (in `stratum`, when `in_strata`): `first`, `second`
    };
    /// A row of a file.
    struct Place {
        std::string file;
        std::size_t line = 0;
    };

    Kind kind = Kind::names_without_strata;
    std::string stratum, column, near, file, label;
    std::int64_t number = 0, blocks = 0;
    bool in_strata = false;    // the survey has strata
    bool for_weights = false;  // no_such_column: the weights' column, else the strata's
    Place first, second;
};

/// How a caller words a refusal.
using RefusalWords = std::function<std::string(const DesignRefusal&)>;

/// A design refused where no value can be returned (a pilot read deep in a plan). A caller that
/// knows no words of its own for it still says that the design was refused.
struct DesignRefused : std::runtime_error {
    explicit DesignRefused(DesignRefusal why)
        : std::runtime_error("the survey's design cannot be used"), refusal(std::move(why)) {}
    DesignRefusal refusal;
};

/// How rows make a design.
struct DesignOptions {
    /// The carried column whose values are the strata; empty: the survey is one stratum.
    std::optional<std::string> stratum_column;
    /// K, the city's number of blocks, for a survey of one stratum.
    std::optional<std::int64_t> blocks_total;
    /// K_h of each stratum, by its name in the stratum column.
    std::map<std::string, std::int64_t> blocks_by_stratum;
    /// The survey's blocks are drawn from the K_h blocks (a report's), so K_h may not be fewer than
    /// the blocks read; a pilot may come from elsewhere.
    bool blocks_are_a_sample = true;
    /// The carried column holding each block's design weight, 1 / its chance of being drawn: the
    /// city's blocks it stands for. A block without a sound weight is left out of the sample.
    std::optional<std::string> weight_column;

    /// What cannot go together, if anything.
    std::optional<DesignRefusal> refusal() const;
};

/// The most blocks a city may have, in --blocks-total and in a weight: no city has more, so a
/// larger number is a typing slip.
inline constexpr std::int64_t kMostBlocks = 1'000'000'000;

/// The city's blocks as kestrivo-report's --blocks-total gives them: one K, or NAME=K pairs
/// separated by commas (a name that holds a comma, an equals sign or a quote in double quotes, a
/// quote inside doubled). Fills `city` or `by_stratum`; returns "" or why the text is neither.
std::string read_blocks_total(const std::string& text, std::optional<std::int64_t>& city,
                              std::map<std::string, std::int64_t>& by_stratum);

/// Where a file's rows hold a value of the design: their stratum, or their weight.
class CarriedColumn {
public:
    CarriedColumn() = default;
    /// The column `name` among `header`'s carried columns; empty `name`: none. Sets `refused`
    /// (naming `file_name`, whether the column is for weights, and a column of a name near it)
    /// when the file has no such column.
    CarriedColumn(const Header& header, const std::optional<std::string>& name,
                  const std::string& file_name, std::optional<DesignRefusal>& refused,
                  bool for_weights = false);
    /// The row's value in the column, or "" without one.
    std::string of(const Row& row) const;
    std::optional<std::string> name() const { return name_; }
    std::optional<std::size_t> carried_at() const { return carried_at_; }

private:
    std::optional<std::size_t> carried_at_;
    std::optional<std::string> name_;
};

/// A row's marked dogs as the analysis counts them: the reader keeps the file's 32-bit counts, the
/// design sums them per stratum in 64 bits.
analysis::Marks marks_of(const RowMarks& row);

/// A block's design weight from its text: a number from 1 (the block stands for itself) to
/// kMostBlocks, or why it is none (missing, not a number, not above 0, below 1, too large).
struct WeightRead {
    std::optional<double> weight;
    std::string why_not;
    LeftOut::Why why = LeftOut::Why::other;  // why_not as data
};
WeightRead read_weight(const std::string& text);

/// The row's error when its weight column holds no weight, naming file, line and column: ""
/// when the weight is sound or there is no weight column.
std::string weight_error(const Row& row, const CarriedColumn& column, const std::string& file_name);
/// The same as data: nothing when weight_error is "".
std::optional<LeftOut> weight_left_out(const Row& row, const CarriedColumn& column);

/// A design, or why the rows make none.
struct BuiltDesign {
    std::optional<analysis::SurveyDesign> design;
    std::optional<DesignRefusal> refused;  // when `design` has none
};

class DesignBuilder {
public:
    explicit DesignBuilder(DesignOptions options);

    /// Rows from a file with this header follow. Why they cannot be placed in strata (the file
    /// has no stratum or weight column), if so.
    std::optional<DesignRefusal> begin_file(const Header& header, const std::string& file_name);
    /// Where the current file's rows hold their stratum.
    const CarriedColumn& column() const { return column_; }
    /// A row of the current file: a sampled block of its stratum when it could be read, else
    /// counted as left out of it (or, when even its stratum cannot be read, as unplaced).
    void add(const Row& row);

    /// The strata in order of first appearance, each with its K_h when the city's blocks were
    /// given. Why not: --blocks-total names a stratum the survey does not have (with the name it
    /// may have meant), a stratum without K_h, K_h below the blocks read (for a sample), or one
    /// block label twice in a stratum (for a sample; both places named).
    BuiltDesign build();

private:
    // Where a block label was first seen.
    using Place = DesignRefusal::Place;

    DesignOptions options_;
    CarriedColumn column_, weight_;
    std::string file_name_;
    bool labelled_ = false;   // the current file has a block column
    bool has_later_ = false;  // and the columns of the dogs first seen later
    // A stratum's note names this many of its blocks without those: enough to find the rest.
    static constexpr std::size_t kBlocksNamed = 3;
    analysis::SurveyDesign design_;
    std::unordered_map<std::string, std::unordered_map<std::string, Place>> labels_;
    std::optional<DesignRefusal> duplicate_;  // the first label seen twice in a stratum
};

/// Among `names`, the one `name` may have meant: equal but for case and blanks. "" when none.
std::string near_miss(const std::string& name, const std::vector<std::string>& names);

}  // namespace kestrivo::survey
