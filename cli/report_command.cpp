// run_report: open every input and read its header first (the output's columns depend on all of
// them), then stream the rows through the report into the table.
#include "report_command.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <unordered_map>

#include "city_total.h"
#include "platform/runtime_error.h"
#include "progress_line.h"

namespace kestrivo::cli {
namespace {

struct Input {
    std::string name;
    std::unique_ptr<std::ifstream> file;  // empty for standard input
    std::unique_ptr<survey::SurveyReader> reader;
    std::vector<std::size_t> carried_at;  // output place of each of its carried columns
};

// The carried columns of every input, each name once, in order of first appearance; and for
// each input, where each of its carried columns goes in that order. Hashed, so that a header of
// many thousand columns costs linear time.
std::vector<std::string> carried_union(std::vector<Input>& inputs) {
    std::vector<std::string> names;
    std::unordered_map<std::string, std::size_t> place;
    for (Input& input : inputs) {
        for (const std::string& name : input.reader->header().carried) {
            const auto [at, added] = place.emplace(name, names.size());
            if (added) names.push_back(name);
            input.carried_at.push_back(at->second);
        }
    }
    return names;
}

// A row's carried values in the output's order: empty where its file lacks the column.
std::vector<std::string> carried_values(const survey::Row& row, const Input& input,
                                        std::size_t columns) {
    std::vector<std::string> values(columns);
    for (std::size_t i = 0; i < input.carried_at.size() && i < row.carried.size(); ++i)
        values[input.carried_at[i]] = row.carried[i];
    return values;
}

}  // namespace

int run_report(const Options& options, const analysis::Library& library,
               std::istream& standard_input, std::ostream& out, std::ostream& err,
               bool err_is_terminal, PlotWriter* plots) {
    const auto fail = [&](const std::string& message) {
        err << "kestrivo-report: " << message << "\n";
        return kUsageOrFileError;
    };
    std::vector<std::string> names = options.files;
    if (names.empty()) names.push_back("-");
    if (std::count(names.begin(), names.end(), "-") > 1) {
        return fail("standard input (-) can be read only once.");
    }

    std::vector<Input> inputs;
    try {
        for (const std::string& name : names) {
            Input input{name == "-" ? "standard input" : name, nullptr, nullptr, {}};
            std::istream* stream = &standard_input;
            if (name != "-") {
                if (std::filesystem::is_directory(name)) {
                    return fail(name + ": is a folder, not a survey file.");
                }
                input.file = std::make_unique<std::ifstream>(name, std::ios::binary);
                if (!*input.file) return fail(name + ": " + std::strerror(errno) + ".");
                stream = input.file.get();
            }
            input.reader = std::make_unique<survey::SurveyReader>(*stream, input.name);
            inputs.push_back(std::move(input));
        }
    } catch (const survey::FileError& e) {
        return fail(e.what());
    }

    const std::vector<std::string> carried = carried_union(inputs);
    ReportTable table(out, options.format, carried, options.blocks_total.has_value(),
                      options.digits);
    // A report cut short must not look whole: every write is checked, and the first failure
    // (a full disk, a closed pipe, /dev/full) ends the run with the system's reason.
    const auto output_failed = [&] {
        const int error = errno;
        return fail(std::string("the report could not be written: ") +
                    (error ? std::strerror(error) : "output error") + ".");
    };
    if (!out) return output_failed();  // the header row
    CityTotalAccumulator city;
    ProgressLine progress(err, err_is_terminal);
    std::size_t blocks = 0;
    bool some_errors = false;
    try {
        for (Input& input : inputs) {
            while (const std::optional<survey::Row> row = input.reader->next()) {
                ++blocks;
                const auto values = carried_values(*row, input, carried.size());
                if (!row->error.empty()) {
                    some_errors = true;
                    errno = 0;
                    table.block(*row, values, nullptr, row->error);
                    if (!out) return output_failed();
                    continue;
                }
                analysis::Request request;
                request.counts = row->counts;
                request.s_held = row->s_held;
                request.level = options.level;
                const analysis::Report report = analysis::make_report(library, request);
                std::string error;
                if (report.empty_block) {
                    city.add(0, 0);  // a sampled block where nobody was seen
                } else if (!report.estimates) {
                    some_errors = true;
                    error = input.name + ", line " + std::to_string(row->line) + ": " +
                            report.estimates.why_not;
                } else {
                    city.add(*report.n, report.dogs ? report.dogs->estimate : 0);
                    if (plots && report.estimates->p_identified) {
                        // A plot that cannot be written is this block's trouble only.
                        try {
                            plots->write(*row, report);
                        } catch (const platform::RuntimeError& e) {
                            some_errors = true;
                            error = input.name + ", line " + std::to_string(row->line) +
                                    ": the plot could not be written: " + e.what();
                        }
                    }
                }
                errno = 0;
                table.block(*row, values, &report, error);
                if (!out) return output_failed();
                progress.blocks_done(blocks);
            }
        }
    } catch (const survey::FileError& e) {
        table.finish();
        return fail(e.what());
    }
    progress.finish();

    if (options.blocks_total) {
        if (*options.blocks_total < std::int64_t(blocks)) {
            table.finish();
            return fail("--blocks-total " + std::to_string(*options.blocks_total) +
                        " is fewer than the " + std::to_string(blocks) + " blocks read.");
        }
        table.total(city.total(*options.blocks_total, options.level));
    }
    errno = 0;
    table.finish();
    if (!out) return output_failed();
    return some_errors ? kSomeErrors : kAllFitted;
}

}  // namespace kestrivo::cli
