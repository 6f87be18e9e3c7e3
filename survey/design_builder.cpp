// DesignBuilder: rows into strata as they arrive, then the city's numbers of blocks checked
// against the strata found.
#include "survey/design_builder.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace kestrivo::survey {
namespace {

// `text` folded for a near miss: lower case, without blanks.
std::string folded(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c != ' ' && c != '\t') out += char(std::tolower(c));
    }
    return out;
}

}  // namespace

std::string near_miss(const std::string& name, const std::vector<std::string>& names) {
    for (const std::string& candidate : names) {
        if (candidate != name && folded(candidate) == folded(name)) return candidate;
    }
    return "";
}

CarriedColumn::CarriedColumn(const Header& header, const std::optional<std::string>& name,
                             const std::string& file_name, std::optional<DesignRefusal>& refused,
                             bool for_weights)
    : name_(name) {
    if (!name) return;
    const auto at = std::find(header.carried.begin(), header.carried.end(), *name);
    if (at == header.carried.end()) {
        DesignRefusal refusal;
        refusal.kind = DesignRefusal::Kind::no_such_column;
        refusal.file = file_name;
        refusal.column = *name;
        refusal.near = near_miss(*name, header.carried);
        refusal.for_weights = for_weights;
        refused = std::move(refusal);
        return;
    }
    carried_at_ = std::size_t(at - header.carried.begin());
}

std::string CarriedColumn::of(const Row& row) const {
    if (!carried_at_ || *carried_at_ >= row.carried.size()) return "";
    return row.carried[*carried_at_];
}

std::string read_blocks_total(const std::string& text, std::optional<std::int64_t>& city,
                              std::map<std::string, std::int64_t>& by_stratum) {
    if (text.empty()) return "";
    // A K in plain decimal digits from 1 to a billion (no city has more blocks: a larger K is a
    // typing slip).
    const auto number = [](const std::string& k) {
        std::int64_t v = 0;
        const bool digits = !k.empty() && k.find_first_not_of("0123456789") == std::string::npos;
        const auto [end, status] = std::from_chars(k.data(), k.data() + k.size(), v);
        if (digits && status == std::errc() && end == k.data() + k.size() && v >= 1 &&
            v <= kMostBlocks) {
            return std::string();
        }
        return "must be a whole number from 1 to " + std::to_string(kMostBlocks);
    };
    if (text.find('=') == std::string::npos) {
        if (std::string why = number(text); !why.empty()) return why;
        city = std::stoll(text);
        return "";
    }
    // NAME=K pairs split at commas; a name that holds a comma, an equals sign or a quote is
    // written in double quotes, a quote inside doubled ("Ward 3, east"=40).
    std::size_t at = 0;
    while (at <= text.size()) {
        std::string name;
        std::size_t end;
        if (at < text.size() && text[at] == '"') {
            std::size_t i = at + 1;
            for (; i < text.size(); ++i) {
                if (text[i] != '"') {
                    name += text[i];
                } else if (i + 1 < text.size() && text[i + 1] == '"') {
                    name += '"';
                    ++i;
                } else {
                    break;
                }
            }
            if (i >= text.size())
                return "the quoted name " + text.substr(at) + " has no closing quote";
            end = i + 1;
            if (end >= text.size() || text[end] != '=') {
                return "the quoted name \"" + name + "\" is not followed by =K";
            }
        } else {
            end = std::min(text.find_first_of("=,", at), text.size());
            name = text.substr(at, end - at);
            if (end >= text.size() || text[end] != '=') return "\"" + name + "\" is not NAME=K";
        }
        const std::size_t comma = std::min(text.find(',', end + 1), text.size());
        const std::string k = text.substr(end + 1, comma - end - 1);
        const std::string pair = text.substr(at, comma - at);
        if (std::string why = number(k); !why.empty()) return "\"" + pair + "\": K " + why;
        if (!by_stratum.emplace(name, std::stoll(k)).second) {
            return "the stratum \"" + name + "\" is given twice";
        }
        at = comma + 1;
    }
    return "";
}

std::optional<DesignRefusal> DesignOptions::refusal() const {
    using Kind = DesignRefusal::Kind;
    const auto refused = [](Kind kind) {
        DesignRefusal refusal;
        refusal.kind = kind;
        return refusal;
    };
    if (!blocks_by_stratum.empty() && !stratum_column) return refused(Kind::names_without_strata);
    if (blocks_total && stratum_column) return refused(Kind::one_number_for_strata);
    if (weight_column && (blocks_total || !blocks_by_stratum.empty())) {
        return refused(Kind::weights_and_blocks);
    }
    return std::nullopt;
}

analysis::Marks marks_of(const RowMarks& row) {
    analysis::Marks marks;
    for (std::size_t h = 0; h < 7; ++h)
        marks.marked[h] = row.marked[h];
    marks.unknown = row.unknown;
    return marks;
}

WeightRead read_weight(const std::string& raw) {
    const std::string text = trimmed(raw);
    using Why = LeftOut::Why;
    if (text.empty()) return {std::nullopt, "the weight is missing", Why::weight_missing};
    double value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return {std::nullopt,
                "\"" + text +
                    "\" is not a weight (the blocks of the city the block "
                    "stands for, a number of 1 or more)",
                Why::not_weight};
    }
    if (!(value > 0)) {
        return {std::nullopt, "the weight " + text + " is not above 0", Why::weight_too_small};
    }
    // A weight below 1 is most often the chance of being drawn typed in place of its inverse;
    // taken as given it would shrink the city below the dogs its blocks identified.
    const std::string what =
        "a weight is the number of blocks this block stands for, 1 or more "
        "(1 / the chance it was drawn)";
    if (value < 1) {
        return {std::nullopt, "the weight " + text + " is below 1: " + what, Why::weight_too_small};
    }
    // No city has more blocks than --blocks-total takes: a larger weight is a slip, and one near
    // the largest double would overflow the total.
    if (value > kMostBlocks) {
        return {std::nullopt,
                "the weight " + text + " is more blocks than a city has (" +
                    std::to_string(kMostBlocks) + " at most): " + what,
                Why::weight_too_large};
    }
    return {value, "", Why::other};
}

std::string weight_error(const Row& row, const CarriedColumn& column,
                         const std::string& file_name) {
    if (!column.name() || !row.fields_read || !row.error.empty()) return "";
    const WeightRead read = read_weight(column.of(row));
    if (read.weight) return "";
    return file_name + ", line " + std::to_string(row.line) + ", column " + *column.name() + ": " +
           read.why_not;
}

std::optional<LeftOut> weight_left_out(const Row& row, const CarriedColumn& column) {
    if (!column.name() || !row.fields_read || !row.error.empty()) return std::nullopt;
    const std::string text = trimmed(column.of(row));
    const WeightRead read = read_weight(text);
    if (read.weight) return std::nullopt;
    return LeftOut{read.why, *column.name(), text, row.line, "", ""};
}

DesignBuilder::DesignBuilder(DesignOptions options) : options_(std::move(options)) {}

std::optional<DesignRefusal> DesignBuilder::begin_file(const Header& header,
                                                       const std::string& file_name) {
    std::optional<DesignRefusal> refused;
    column_ = CarriedColumn(header, options_.stratum_column, file_name, refused);
    if (!refused) weight_ = CarriedColumn(header, options_.weight_column, file_name, refused, true);
    file_name_ = file_name;
    labelled_ = header.has_block;
    has_later_ = header.has_later;
    return refused;
}

void DesignBuilder::add(const Row& row) {
    if (!row.fields_read && column_.carried_at()) {
        ++design_.unplaced;
        return;
    }
    const std::string name = column_.of(row);
    analysis::Stratum& stratum = design_.stratum(name);
    const std::optional<double> weight =
        options_.weight_column ? read_weight(weight_.of(row)).weight : std::nullopt;
    if (row.error.empty() && (weight || !options_.weight_column)) {
        std::optional<analysis::Marks> marks;
        if (row.marks) marks = marks_of(*row.marks);
        stratum.add(row.counts, row.s_held, row.later, weight, marks);
        stratum.later_columns = stratum.later_columns || has_later_;
        if (!row.later && stratum.without_later.size() < kBlocksNamed) {
            stratum.without_later.push_back(labelled_ ? "\"" + row.label + "\""
                                                      : "line " + std::to_string(row.line));
        }
    } else {
        ++stratum.left_out;
    }
    // Rows without a label of their own are named by their line, which says nothing of which
    // block they are.
    if (!labelled_ || !row.fields_read || duplicate_) return;
    const auto [at, added] = labels_[name].emplace(row.label, Place{file_name_, row.line});
    if (added) return;
    DesignRefusal refusal;
    refusal.kind = DesignRefusal::Kind::block_twice;
    refusal.label = row.label;
    refusal.stratum = name;
    refusal.in_strata = options_.stratum_column.has_value();
    refusal.first = at->second;
    refusal.second = Place{file_name_, row.line};
    duplicate_ = std::move(refusal);
}

BuiltDesign DesignBuilder::build() {
    using Kind = DesignRefusal::Kind;
    const bool by_stratum = options_.stratum_column.has_value();
    const bool with_city = options_.blocks_total || !options_.blocks_by_stratum.empty();
    if (options_.blocks_are_a_sample && duplicate_) return {std::nullopt, duplicate_};
    DesignRefusal refusal;
    refusal.in_strata = by_stratum;
    refusal.column = options_.stratum_column.value_or("");
    std::vector<std::string> names;
    for (const analysis::Stratum& stratum : design_.strata)
        names.push_back(stratum.name);
    for (const auto& [name, k] : options_.blocks_by_stratum) {
        if (design_.find(name)) continue;
        refusal.kind = Kind::unknown_stratum;
        refusal.stratum = name;
        refusal.near = near_miss(name, names);
        return {std::nullopt, refusal};
    }
    for (analysis::Stratum& stratum : design_.strata) {
        refusal.stratum = stratum.name;
        if (options_.blocks_total) stratum.blocks_total = *options_.blocks_total;
        if (by_stratum && with_city) {
            const auto k = options_.blocks_by_stratum.find(stratum.name);
            if (k == options_.blocks_by_stratum.end()) {
                refusal.kind = Kind::stratum_without_blocks;
                return {std::nullopt, refusal};
            }
            stratum.blocks_total = k->second;
        }
        if (options_.blocks_are_a_sample && stratum.blocks_total &&
            *stratum.blocks_total < std::int64_t(stratum.blocks.size())) {
            refusal.kind = Kind::fewer_than_read;
            refusal.number = *stratum.blocks_total;
            refusal.blocks = std::int64_t(stratum.blocks.size());
            return {std::nullopt, refusal};
        }
    }
    return {std::move(design_), std::nullopt};
}

}  // namespace kestrivo::survey
