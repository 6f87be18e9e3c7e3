// The one way from a survey's rows to its sampling design. kestrivo-report, kestrivo-plan's pilot
// and the window's "whole survey (pooled)" all give their rows to a DesignBuilder, with the
// column that names the strata and the city's number of blocks, and get back one SurveyDesign
// or the reason there is none: so each refuses the same surveys with the same words.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "analysis/survey_design.h"
#include "survey/survey_reader.h"

namespace kestrivo::survey {

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
};

/// Where a file's rows hold their stratum.
class StratumColumn {
public:
    StratumColumn() = default;
    /// The column `name` among `header`'s carried columns; empty `name`: no strata. Sets `why`
    /// (naming `file_name`) when the file has no such column.
    StratumColumn(const Header& header, const std::optional<std::string>& name,
                  const std::string& file_name, std::string& why);
    /// The stratum of `row`: its value in the column, or "" without strata.
    std::string of(const Row& row) const;
    std::optional<std::size_t> carried_at() const { return carried_at_; }

private:
    std::optional<std::size_t> carried_at_;
};

/// A design, or why the rows make none.
struct BuiltDesign {
    std::optional<analysis::SurveyDesign> design;
    std::string why_not;  // "" when `design` has a value
};

class DesignBuilder {
public:
    explicit DesignBuilder(DesignOptions options);

    /// Rows from a file with this header follow. "" or why they cannot be placed in strata (the
    /// file has no stratum column); the message names the file.
    std::string begin_file(const Header& header, const std::string& file_name);
    /// Where the current file's rows hold their stratum.
    const StratumColumn& column() const { return column_; }
    /// A row of the current file: a sampled block of its stratum when it could be read.
    void add(const Row& row);

    /// The strata in order of first appearance, each with its K_h when the city's blocks were
    /// given. Why not: a stratum without K_h, or (for a sample) K_h below the blocks read.
    BuiltDesign build();

private:
    DesignOptions options_;
    StratumColumn column_;
    analysis::SurveyDesign design_;
};

}  // namespace kestrivo::survey
