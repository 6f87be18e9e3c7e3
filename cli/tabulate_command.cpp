// run_tabulate: read, tabulate, write the survey (whole, or not at all) and the conflicts, then
// say in a few lines what was read and what is left to sort out.
#include "cli/tabulate_command.h"

#include <cerrno>
#include <cstring>
#include <map>
#include <sstream>

#include "platform/runtime_error.h"
#include "platform/whole_file.h"
#include "survey/csv_records.h"
#include "survey/field_export.h"
#include "survey/field_writers.h"

namespace kestrivo::cli {

int run_tabulate(const TabulateOptions& options, std::ostream& out, std::ostream& err) {
    const auto fail = [&](const std::string& message) {
        err << "kestrivo-tabulate: " << message << "\n";
        return kTabulateFailed;
    };
    if (options.inputs.empty()) return fail("give the exports or tables to tabulate.");
    survey::Tabulation tabulation;
    std::vector<survey::TableRead> read;
    try {
        read = survey::read_field_data({options.inputs, options.blocks}, tabulation);
    } catch (const survey::FileError& e) {
        return fail(e.what());
    }
    const survey::TabulatedSurvey survey = tabulation.finish();

    std::ostringstream table, conflicts;
    survey::write_tabulated_survey(table, survey);
    try {
        if (options.output) {
            platform::write_whole_file(*options.output, table.str());
        } else {
            errno = 0;
            out << table.str() << std::flush;
            if (!out) {
                return fail(std::string("the survey could not be written: ") +
                            (errno ? std::strerror(errno) : "output error") + ".");
            }
        }
        if (options.conflicts) {
            survey::write_conflicts(conflicts, survey.conflicts);
            platform::write_whole_file(*options.conflicts, conflicts.str());
        }
    } catch (const platform::RuntimeError& e) {
        return fail(e.what());
    }

    for (const survey::TableRead& t : read) {
        err << "kestrivo-tabulate: read " << t.label << " (" << survey::layout_name(t.layout)
            << ", " << t.rows << (t.rows == 1 ? " row" : " rows") << ")\n";
    }
    std::size_t clean = 0;
    for (const survey::TabulatedBlock& block : survey.blocks)
        clean += block.histories.has_value();
    err << "kestrivo-tabulate: " << survey.blocks.size() << " blocks, " << survey.sightings
        << " sightings; " << clean << " blocks tabulated";
    if (survey.conflicts.empty()) {
        err << ", no conflict.\n";
        return kTabulatedClean;
    }
    std::map<std::string, std::size_t> kinds;
    for (const survey::Conflict& c : survey.conflicts)
        ++kinds[survey::kind_name(c.kind)];
    err << ", " << survey.blocks.size() - clean << " left with empty counts; "
        << survey.conflicts.size() << " conflicts:";
    for (const auto& [kind, count] : kinds)
        err << " " << count << " " << kind;
    err << (options.conflicts ? " (listed in " + *options.conflicts + ")"
                              : " (list them with --conflicts FILE)")
        << ".\n";
    return kTabulatedWithConflicts;
}

}  // namespace kestrivo::cli
