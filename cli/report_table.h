// The survey companion's output: one row per block with the columns of the report, then the
// columns carried from the input, as CSV or as a JSON array of objects with the same keys. Rows
// are written as they come, so memory stays flat however long the survey.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "inference_report.h"
#include "survey_file.h"

namespace kestrivo::cli {

enum class Format { csv, json };

/// The fit is good to about 1e-8: nine significant digits show all of it.
inline constexpr int kDefaultDigits = 9;
inline constexpr int kRoundTripDigits = 17;

/// The city-wide estimate from k fitted blocks of K (see city_total.h).
struct CityTotal {
    std::int64_t n = 0;          // dogs identified on the first count, over the fitted blocks
    double n_hat_sum = 0;        // the sum of their dogs on the block
    std::optional<double> dogs;  // K / k x that sum
    std::optional<double> standard_error, lower, upper;
};

class ReportTable {
public:
    /// @param carried    the carried columns' names, in output order
    /// @param with_city  adds the city columns (city_N, city_se, city_lo, city_hi)
    /// @param digits     significant digits of every number; 17 writes the shortest form that
    ///                   reads back to the same double
    ReportTable(std::ostream& out, Format format, std::vector<std::string> carried, bool with_city,
                int digits = kDefaultDigits);

    /// One block: its report, or (`report` empty) only `error` and what the row itself holds.
    void block(const survey::Row& row, const std::vector<std::string>& carried_values,
               const analysis::Report* report, const std::string& error);
    void total(const CityTotal& total);
    void finish();

    /// The report's columns, in output order.
    static const std::vector<std::string>& report_columns();

private:
    using Value = std::variant<std::monostate, double, std::int64_t, std::string>;
    void write(const std::vector<Value>& values);

    std::ostream& out_;
    Format format_;
    std::vector<std::string> keys_;
    bool with_city_;
    int digits_;
    bool first_row_ = true;
};

/// A double in the shortest form that reads back to the same value; "inf" for infinity, and 0
/// for a negative zero.
std::string shortest(double value);

/// A double to `digits` significant digits (kRoundTripDigits: shortest()).
std::string with_digits(double value, int digits);

/// A CSV cell that a spreadsheet would run as a formula (it starts with =, +, -, @, a tab or a
/// carriage return and is not a number) gets a single quote in front, so it shows as text.
std::string defused(const std::string& cell);

}  // namespace kestrivo::cli
