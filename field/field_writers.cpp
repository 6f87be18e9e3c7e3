// The tabulation's two tables, through the one CSV writer.
#include "field/field_writers.h"

#include "survey/csv_writer.h"
#include "survey/output_cell.h"

namespace kestrivo::field {

using survey::Cell;
using survey::kDefaultDigits;
using survey::write_csv_row;

void write_tabulated_survey(std::ostream& out, const TabulatedSurvey& survey) {
    std::vector<Cell> header;
    for (const char* name : {"block", "c100", "c111", "c101", "c110", "c010", "c001", "c011"})
        header.emplace_back(std::string(name));
    // Only a survey whose sightings recorded marks has these: one without them keeps the file it
    // always had.
    if (survey.marks_recorded) {
        for (const char* name :
             {"m100", "m111", "m101", "m110", "m010", "m001", "m011", "mark_unknown"})
            header.emplace_back(std::string(name));
    }
    if (!survey.stratum_column.empty()) header.emplace_back(survey.stratum_column);
    for (const char* name : {"latitude", "longitude", "outline", "conflicts"})
        header.emplace_back(std::string(name));
    for (const std::string& name : survey.rest_columns)
        header.emplace_back(name);
    write_csv_row(out, header, kDefaultDigits);
    for (const TabulatedBlock& block : survey.blocks) {
        std::vector<Cell> row{block.id};
        for (std::size_t h = 0; h < 7; ++h) {
            if (block.histories) {
                row.emplace_back((*block.histories)[h]);
            } else {
                row.emplace_back();
            }
        }
        if (survey.marks_recorded) {
            for (std::size_t h = 0; h < 7; ++h) {
                if (block.marks) {
                    row.emplace_back(block.marks->marked[h]);
                } else {
                    row.emplace_back();
                }
            }
            if (block.marks) {
                row.emplace_back(block.marks->unknown);
            } else {
                row.emplace_back();
            }
        }
        if (!survey.stratum_column.empty()) row.emplace_back(block.facts.stratum);
        row.emplace_back(block.facts.latitude);
        row.emplace_back(block.facts.longitude);
        row.emplace_back(block.facts.outline);
        row.emplace_back(std::int64_t{block.conflicts});
        for (const std::string& name : survey.rest_columns) {
            std::string value;
            for (const auto& [n, v] : block.facts.rest) {
                if (n == name) value = v;
            }
            row.emplace_back(value);
        }
        write_csv_row(out, row, kDefaultDigits);
    }
}

void write_conflicts(std::ostream& out, const std::vector<Conflict>& conflicts) {
    std::vector<Cell> header;
    for (const char* name : {"kind", "block", "count", "dog_id", "file", "line", "detail"})
        header.emplace_back(std::string(name));
    write_csv_row(out, header, kDefaultDigits);
    for (const Conflict& c : conflicts) {
        write_csv_row(out,
                      {std::string(kind_name(c.kind)), c.block, c.count, c.dog_id, c.where.file,
                       std::int64_t(c.where.line), conflict_detail(c)},
                      kDefaultDigits);
    }
}

}  // namespace kestrivo::field
