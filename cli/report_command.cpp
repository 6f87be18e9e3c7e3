// run_report: open every input and read its header first (the output's columns depend on all of
// them); when visibility is pooled or a city total is asked for, read the survey once for its
// design (strata and their blocks' counts) and fit each stratum's shared visibility; then stream
// the rows through the report into the table, and end with the pooled and total rows.
#include "report_command.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <unordered_map>

#include "parallel_for.h"
#include "platform/runtime_error.h"
#include "progress_line.h"

namespace kestrivo::cli {
namespace {

struct Input {
    std::string name;
    std::string path;  // empty for standard input read once
    std::unique_ptr<std::ifstream> file;
    std::unique_ptr<survey::SurveyReader> reader;
    std::vector<std::size_t> carried_at;    // output place of each of its carried columns
    std::optional<std::size_t> stratum_at;  // its stratum column among its carried ones
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

std::string stratum_of(const survey::Row& row, const Input& input) {
    if (!input.stratum_at || *input.stratum_at >= row.carried.size()) return "";
    return row.carried[*input.stratum_at];
}

// Standard input copied whole into a temporary file, so that it can be read twice.
std::string spool_standard_input(std::istream& in) {
    const char* folder = std::getenv("TMPDIR");
    std::string path = std::string(folder && *folder ? folder : "/tmp") + "/kestrivo-XXXXXX";
    const int fd = ::mkstemp(path.data());
    if (fd < 0) return "";
    ::close(fd);
    std::ofstream copy(path, std::ios::binary | std::ios::trunc);
    copy << in.rdbuf();
    copy.close();
    if (!copy) {
        std::remove(path.c_str());
        return "";
    }
    return path;
}

// Removes a spooled copy of standard input however the run ends.
struct Spool {
    std::string path;
    ~Spool() {
        if (!path.empty()) std::remove(path.c_str());
    }
};

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
    const bool with_city = options.blocks_total || !options.blocks_by_stratum.empty();
    const bool with_pool = options.pool || with_city;
    if (!options.blocks_by_stratum.empty() && !options.stratum) {
        return fail("--blocks-total NAME=K needs --stratum to say which column holds the names.");
    }
    if (options.stratum && !with_pool) {
        return fail("--stratum groups blocks for --pool or --blocks-total; give one of them.");
    }
    if (options.blocks_total && options.stratum) {
        return fail("with --stratum, give each stratum's blocks: --blocks-total NAME=K,NAME=K.");
    }

    // Pooling reads the survey twice: standard input is kept in a temporary file for that.
    Spool spool;
    if (with_pool && std::count(names.begin(), names.end(), "-") == 1) {
        spool.path = spool_standard_input(standard_input);
        if (spool.path.empty()) return fail("standard input could not be kept for a second read.");
    }
    const auto open = [&](Input& input) -> std::istream& {
        if (input.path.empty()) return standard_input;
        input.file = std::make_unique<std::ifstream>(input.path, std::ios::binary);
        return *input.file;
    };

    std::vector<Input> inputs;
    try {
        for (const std::string& name : names) {
            Input input;
            input.name = name == "-" ? "standard input" : name;
            input.path = name == "-" ? spool.path : name;
            if (name != "-" && std::filesystem::is_directory(name)) {
                return fail(name + ": is a folder, not a survey file.");
            }
            std::istream& stream = open(input);
            if (!stream) return fail(name + ": " + std::strerror(errno) + ".");
            input.reader = std::make_unique<survey::SurveyReader>(stream, input.name);
            if (options.stratum) {
                const auto& carried = input.reader->header().carried;
                const auto at = std::find(carried.begin(), carried.end(), *options.stratum);
                if (at == carried.end()) {
                    return fail(input.name + ": there is no column \"" + *options.stratum +
                                "\" to take the strata from.");
                }
                input.stratum_at = std::size_t(at - carried.begin());
            }
            inputs.push_back(std::move(input));
        }
    } catch (const survey::FileError& e) {
        return fail(e.what());
    }
    const std::vector<std::string> carried = carried_union(inputs);

    // The design: every readable row is a sampled block of its stratum.
    analysis::SurveyDesign design;
    std::vector<analysis::PooledVisibility> pooled;
    if (with_pool) {
        try {
            for (Input& input : inputs) {
                while (const std::optional<survey::Row> row = input.reader->next()) {
                    if (row->error.empty()) {
                        design.stratum(stratum_of(*row, input)).add(row->counts, row->s_held);
                    }
                }
                input.reader.reset();
                input.reader = std::make_unique<survey::SurveyReader>(open(input), input.name);
            }
        } catch (const survey::FileError& e) {
            return fail(e.what());
        }
        for (analysis::Stratum& stratum : design.strata) {
            if (options.blocks_total) stratum.blocks_total = *options.blocks_total;
            if (options.stratum && with_city) {
                const auto k = options.blocks_by_stratum.find(stratum.name);
                if (k == options.blocks_by_stratum.end()) {
                    return fail("the stratum \"" + stratum.name +
                                "\" has no number of blocks in --blocks-total.");
                }
                stratum.blocks_total = k->second;
            }
            if (stratum.blocks_total &&
                *stratum.blocks_total < std::int64_t(stratum.blocks.size())) {
                return fail("--blocks-total " + std::to_string(*stratum.blocks_total) +
                            (options.stratum ? " for \"" + stratum.name + "\"" : std::string()) +
                            " is fewer than the " + std::to_string(stratum.blocks.size()) +
                            " blocks read.");
            }
            pooled.push_back(analysis::pool(library, stratum, options.level));
        }
    }
    // The place of a row's stratum in the design (every readable row has one when pooling).
    const auto stratum_index = [&](const survey::Row& row,
                                   const Input& input) -> std::optional<std::size_t> {
        const analysis::Stratum* stratum = design.find(stratum_of(row, input));
        if (!with_pool || !stratum) return std::nullopt;
        return std::size_t(stratum - design.strata.data());
    };

    ReportTable table(out, options.format, carried, with_pool, with_city, options.digits);
    // A report cut short must not look whole: every write is checked, and the first failure
    // (a full disk, a closed pipe, /dev/full) ends the run with the system's reason.
    const auto output_failed = [&] {
        const int error = errno;
        return fail(std::string("the report could not be written: ") +
                    (error ? std::strerror(error) : "output error") + ".");
    };
    if (!out) return output_failed();  // the header row

    // Each block's own maximum, summed per stratum for the test of pooling.
    std::vector<double> own_maxima(design.strata.size(), 0.0);
    std::vector<int> blocks_with_dogs(design.strata.size(), 0);
    ProgressLine progress(err, err_is_terminal);
    std::size_t blocks = 0;
    bool some_errors = false;
    // Blocks are read in batches; the blocks of a batch are fitted in parallel, then written in
    // input order. Memory holds one batch, however long the survey.
    struct Block {
        survey::Row row;
        const Input* input = nullptr;
        std::optional<std::size_t> stratum;  // its place in the design, when pooling
        analysis::Report report;
        SurveyCells cells;
    };
    const int jobs = options.jobs > 0 ? options.jobs : analysis::all_cores();
    const std::size_t batch_size = std::size_t(64) * std::size_t(jobs);
    std::vector<Block> batch;
    const auto fit = [&](Block& block) {
        analysis::Request request;
        request.counts = block.row.counts;
        request.s_held = block.row.s_held;
        request.level = options.level;
        block.report = analysis::make_report(library, request);
        if (block.stratum && pooled[*block.stratum]) {
            block.cells.dogs_pooled = analysis::dogs_under(pooled[*block.stratum], *block.report.n);
        }
    };
    // Writes a fitted batch in order, then empties it; false when the output failed.
    const auto write = [&](std::vector<Block>& done) {
        for (Block& block : done) {
            const survey::Row& row = block.row;
            const Input& input = *block.input;
            const auto values = carried_values(row, input, carried.size());
            ++blocks;
            if (!row.error.empty()) {
                some_errors = true;
                errno = 0;
                table.row(row.label, values, nullptr, block.cells, row.error);
                if (!out) return false;
                continue;
            }
            const analysis::Report& report = block.report;
            std::string error;
            if (!report.empty_block && !report.estimates) {
                some_errors = true;
                error = input.name + ", line " + std::to_string(row.line) + ": " +
                        report.estimates.why_not;
            } else if (plots && report.estimates && report.estimates->p_identified) {
                // A plot that cannot be written is this block's trouble only.
                try {
                    plots->write(row, report);
                } catch (const platform::RuntimeError& e) {
                    some_errors = true;
                    error = input.name + ", line " + std::to_string(row.line) +
                            ": the plot could not be written: " + e.what();
                }
            }
            if (block.stratum && *report.n > 0) {
                const std::size_t h = *block.stratum;
                ++blocks_with_dogs[h];
                own_maxima[h] += report.estimates ? report.estimates->log_likelihood
                                                  : -std::numeric_limits<double>::infinity();
            }
            errno = 0;
            table.row(row.label, values, &report, block.cells, error);
            if (!out) return false;
            progress.blocks_done(blocks);
        }
        done.clear();
        return true;
    };
    // Two batches in flight: while the other threads fit one, this thread writes the batch
    // before it and reads the next, so reading and writing overlap the fits.
    std::vector<Block> fitted;  // fitted, not yet written
    auto input = inputs.begin();
    const auto read_batch = [&](std::vector<Block>& into) {
        for (; input != inputs.end(); ++input) {
            while (into.size() < batch_size) {
                std::optional<survey::Row> row = input->reader->next();
                if (!row) break;
                const auto stratum =
                    row->error.empty() ? stratum_index(*row, *input) : std::nullopt;
                into.push_back({std::move(*row), &*input, stratum, {}, {}});
            }
            if (into.size() == batch_size) return;
        }
    };
    try {
        read_batch(batch);
        bool written = true;
        while (!batch.empty()) {
            std::vector<Block> next;
            analysis::parallel_for_beside(
                batch.size(), jobs,
                [&](std::size_t i) {
                    if (batch[i].row.error.empty()) fit(batch[i]);
                },
                [&] {
                    written = write(fitted);
                    if (written) read_batch(next);
                });
            if (!written) return output_failed();
            fitted = std::move(batch);
            batch = std::move(next);
        }
        if (!write(fitted)) return output_failed();
    } catch (const survey::FileError& e) {
        table.finish();
        return fail(e.what());
    }
    progress.finish();

    // The stratum's value goes in its column of the pooled and total rows.
    const auto stratum_values = [&](const std::string& name) {
        std::vector<std::string> values(carried.size());
        if (options.stratum) {
            const auto at = std::find(carried.begin(), carried.end(), *options.stratum);
            values[std::size_t(at - carried.begin())] = name;
        }
        return values;
    };
    if (options.pool) {
        for (std::size_t h = 0; h < design.strata.size(); ++h) {
            const analysis::PooledVisibility& shared = pooled[h];
            SurveyCells cells;
            if (shared) {
                cells.het = analysis::heterogeneity(shared, own_maxima[h], blocks_with_dogs[h]);
                if (cells.het) cells.note = analysis::heterogeneity_note(*cells.het);
            } else {
                some_errors = true;
            }
            errno = 0;
            table.row("pooled", stratum_values(design.strata[h].name), &shared.report, cells,
                      shared ? "" : "pooled: " + shared.why_not);
            if (!out) return output_failed();
        }
    }
    if (with_city) {
        analysis::BootstrapPlan plan;
        plan.replicates = options.bootstrap;
        plan.seed = options.seed;
        plan.jobs = options.jobs > 0 ? options.jobs : analysis::all_cores();
        const std::vector<analysis::TotalEstimate> totals =
            analysis::city_totals(library, design, options.level, plan);
        for (std::size_t i = 0; i < totals.size(); ++i) {
            const bool city = i + 1 == totals.size();
            // Without strata the city is its one stratum: one total row.
            if (!city && !options.stratum) continue;
            SurveyCells cells;
            cells.total = totals[i];
            // A total without an interval is said in the note; no total at all is an error.
            std::string error;
            if (!totals[i].dogs) {
                some_errors = true;
                error = totals[i].why_not;
            } else {
                cells.note = totals[i].why_not;
            }
            errno = 0;
            table.row(
                "total",
                city ? std::vector<std::string>(carried.size()) : stratum_values(totals[i].name),
                nullptr, cells, error);
            if (!out) return output_failed();
        }
    }
    errno = 0;
    table.finish();
    if (!out) return output_failed();
    return some_errors ? kSomeErrors : kAllFitted;
}

}  // namespace kestrivo::cli
