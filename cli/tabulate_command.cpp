// run_tabulate: check the files named, read, tabulate, write the survey and the conflicts (all of
// them whole, or none), then say in a few lines what was read and what is left to sort out.
#include "cli/tabulate_command.h"

#include <cerrno>
#include <cstring>
#include <map>
#include <sstream>
#include <utility>

#include "field/field_export.h"
#include "field/field_writers.h"
#include "platform/command_files.h"
#include "platform/runtime_error.h"
#include "platform/whole_file.h"
#include "survey/csv_records.h"

namespace kestrivo::cli {

int run_tabulate(const TabulateOptions& options, std::ostream& out, std::ostream& err) {
    const auto fail = [&](const std::string& message) {
        err << "kestrivo-tabulate: " << message << "\n";
        return kTabulateFailed;
    };
    if (options.inputs.empty()) return fail("give the exports or tables to tabulate.");
    // "-" is standard output, as for every program here: never a file of that name.
    const std::string survey_to = options.output.value_or("-");
    // Refused before anything is read: an output that is an input would destroy the team's
    // sightings, and two outputs on one file would keep only the last.
    platform::CommandFiles files;
    for (const std::string& input : options.inputs)
        files.inputs.push_back({input, "the input"});
    if (options.blocks) files.inputs.push_back({*options.blocks, "the table of blocks"});
    files.outputs.push_back({survey_to, "the survey file"});
    if (options.conflicts) files.outputs.push_back({*options.conflicts, "the conflicts"});
    if (const std::string why = platform::why_refused(files); !why.empty()) return fail(why);

    field::Tabulation tabulation;
    std::vector<field::TableRead> read;
    try {
        read = field::read_field_data({options.inputs, options.blocks, options.include_rejected},
                                      tabulation);
    } catch (const survey::FileError& e) {
        return fail(e.what());
    }
    const field::TabulatedSurvey survey = tabulation.finish();

    std::ostringstream table, conflicts;
    field::write_tabulated_survey(table, survey);
    if (options.conflicts) field::write_conflicts(conflicts, survey.conflicts);
    // The files are staged first and replaced together only once standard output has taken its
    // part: a closed pipe or a full disk leaves every file as it was.
    const std::vector<std::pair<std::string, const std::ostringstream*>> parts = {
        {survey_to, &table}, {options.conflicts.value_or(""), &conflicts}};
    try {
        platform::OutputBatch batch;
        for (const auto& [to, bytes] : parts) {
            if (!to.empty() && to != "-") batch.stage(to, bytes->str());
        }
        for (const auto& [to, bytes] : parts) {
            if (to != "-") continue;
            errno = 0;
            out << bytes->str() << std::flush;
            if (!out) {
                return fail(std::string(bytes == &table ? "the survey" : "the conflicts") +
                            " could not be written: " +
                            (errno ? std::strerror(errno) : "output error") + ".");
            }
        }
        batch.commit();
    } catch (const platform::RuntimeError& e) {
        return fail(e.what());
    }

    for (const field::TableRead& t : read) {
        err << "kestrivo-tabulate: read " << t.label << " (" << field::layout_name(t.layout) << ", "
            << t.rows << (t.rows == 1 ? " row" : " rows") << ")\n";
    }
    std::size_t clean = 0;
    for (const field::TabulatedBlock& block : survey.blocks)
        clean += block.histories.has_value();
    err << "kestrivo-tabulate: " << survey.blocks.size() << " blocks, " << survey.sightings
        << " sightings; " << clean << " blocks tabulated";
    // Each kind counted whole, those listed and those folded into the last one listed; what only
    // asks the team to look (a warning) or was left out as review said is apart from conflicts.
    std::map<std::string, std::int64_t> conflict_kinds, warning_kinds;
    std::int64_t conflict_count = 0, warning_count = 0;
    for (const field::Conflict& c : survey.conflicts) {
        (c.warning ? warning_kinds : conflict_kinds)[field::kind_name(c.kind)] += 1 + c.more;
        (c.warning ? warning_count : conflict_count) += 1 + c.more;
    }
    const auto kinds_text = [](const std::map<std::string, std::int64_t>& kinds) {
        std::string text;
        for (const auto& [kind, count] : kinds)
            text += " " + std::to_string(count) + " " + kind;
        return text;
    };
    if (conflict_count == 0) {
        err << ", no conflict";
    } else {
        err << ", " << survey.blocks.size() - clean << " left with empty counts; " << conflict_count
            << (conflict_count == 1 ? " conflict:" : " conflicts:") << kinds_text(conflict_kinds);
    }
    if (warning_count > 0) {
        err << "; " << warning_count << " to look at:" << kinds_text(warning_kinds);
    }
    if (!survey.conflicts.empty()) {
        err << (!options.conflicts          ? " (list them with --conflicts FILE)"
                : *options.conflicts == "-" ? " (listed on standard output)"
                                            : " (listed in " + *options.conflicts + ")");
    }
    err << ".\n";
    return conflict_count == 0 ? kTabulatedClean : kTabulatedWithConflicts;
}

}  // namespace kestrivo::cli
