// one_block_survey: the survey reader's own column names, written by the CSV writer.
#include "survey/counts_file.h"

#include <sstream>

#include "platform/number_text.h"
#include "survey/csv_writer.h"
#include "survey/survey_reader.h"

namespace kestrivo::survey {

std::string one_block_survey(const analysis::Counts& counts, std::optional<double> s_held) {
    std::vector<Cell> names(kCountColumns.begin(), kCountColumns.end());
    std::vector<Cell> values;
    for (const std::int32_t count : counts)
        values.emplace_back(std::int64_t{count});
    if (s_held) {
        names.emplace_back(std::string("s_held"));
        values.emplace_back(*s_held);
    }
    std::ostringstream out;
    write_csv_row(out, names, platform::kRoundTripDigits);
    write_csv_row(out, values, platform::kRoundTripDigits);
    return out.str();
}

}  // namespace kestrivo::survey
