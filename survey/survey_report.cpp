// run_report, as its steps: check the options; open every input and read its header (the
// output's columns depend on all of them); when visibility is pooled or a city total is asked
// for, read the survey once into its design and fit each stratum's shared visibility; then stream
// the rows through the report into the table, and end with the pooled and total rows.
#include "survey/survey_report.h"

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

#include "analysis/city_total.h"
#include "analysis/parallel_for.h"
#include "analysis/pooled_visibility.h"
#include "platform/progress_line.h"
#include "platform/runtime_error.h"
#include "survey/design_builder.h"
#include "survey/report_table.h"

namespace kestrivo::survey {
namespace {

// Ends the run: a usage, file or output error, said on standard error with exit status 2.
struct Stop {
    std::string message;
};

struct Input {
    std::string name;
    std::string path;  // empty for standard input read once
    std::unique_ptr<std::ifstream> file;
    std::unique_ptr<survey::SurveyReader> reader;
    std::vector<std::size_t> carried_at;  // output place of each of its carried columns
    survey::CarriedColumn stratum;        // where its rows hold their stratum
    survey::CarriedColumn weight;         // and their design weight
};

// A row's carried values in the output's order: empty where its file lacks the column.
std::vector<std::string> carried_values(const survey::Row& row, const Input& input,
                                        std::size_t columns) {
    std::vector<std::string> values(columns);
    for (std::size_t i = 0; i < input.carried_at.size() && i < row.carried.size(); ++i)
        values[input.carried_at[i]] = row.carried[i];
    return values;
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

// One block between reading and writing: its row, where it came from, and what was computed.
struct Block {
    survey::Row row;
    const Input* input = nullptr;
    std::optional<std::size_t> stratum;  // its place in the design, when pooling
    analysis::Report report;
    survey::SurveyCells cells;
};

class ReportRun {
public:
    ReportRun(const ReportOptions& options, const analysis::Library& library,
              std::istream& standard_input, std::ostream& out, std::ostream& err,
              bool err_is_terminal, PlotWriter* plots)
        : options_(options),
          library_(library),
          standard_input_(standard_input),
          out_(out),
          err_(err),
          err_is_terminal_(err_is_terminal),
          plots_(plots) {
        with_city_ = options.design.blocks_total || !options.design.blocks_by_stratum.empty() ||
                     options.design.weight_column;
        with_pool_ = options.pool || with_city_;
    }

    void check_options();
    int threads() const { return options_.jobs > 0 ? options_.jobs : analysis::all_cores(); }
    void check_cancel() const {
        if (options_.cancel && options_.cancel->load()) throw Stop{"stopped."};
    }
    void open_inputs();
    void build_design();
    void fit_pooled_strata();
    void stream_blocks();
    void write_pooled_rows();
    void write_totals();
    int finish();

private:
    std::istream& open(Input& input);
    [[noreturn]] void output_failed() const;
    void fit(Block& block) const;
    void read_batch(std::vector<Block>& into);
    void write(std::vector<Block>& done);
    std::vector<std::string> stratum_values(const std::string& name) const;

    const ReportOptions& options_;
    const analysis::Library& library_;
    std::istream& standard_input_;
    std::ostream& out_;
    std::ostream& err_;
    bool err_is_terminal_;
    PlotWriter* plots_;
    bool with_city_ = false, with_pool_ = false;

    Spool spool_;
    std::vector<Input> inputs_;
    std::vector<std::string> carried_;  // every input's carried columns, each name once
    analysis::SurveyDesign design_;
    std::vector<analysis::PooledVisibility> pooled_;
    std::unique_ptr<survey::ReportTable> table_;
    std::unique_ptr<survey::MapWriter> map_;
    bool some_errors_ = false;

    // The stream of blocks: the input being read, and how many blocks were written.
    std::vector<Input>::iterator reading_;
    std::size_t blocks_written_ = 0;
    std::unique_ptr<platform::ProgressLine> progress_;
};

void ReportRun::check_options() {
    std::vector<std::string> names = options_.files;
    if (std::count(names.begin(), names.end(), "-") > 1) {
        throw Stop{"standard input (-) can be read only once."};
    }
    if (std::string why = options_.design.why_invalid(); !why.empty()) throw Stop{why};
    if (options_.design.stratum_column && !with_pool_) {
        throw Stop{"--stratum groups blocks for --pool or --blocks-total; give one of them."};
    }
}

std::istream& ReportRun::open(Input& input) {
    if (input.path.empty()) return standard_input_;
    input.file = std::make_unique<std::ifstream>(input.path, std::ios::binary);
    return *input.file;
}

void ReportRun::open_inputs() {
    std::vector<std::string> names = options_.files;
    if (names.empty()) names.push_back("-");
    // Pooling reads the survey twice: standard input is kept in a temporary file for that.
    if (with_pool_ && std::count(names.begin(), names.end(), "-") == 1) {
        spool_.path = spool_standard_input(standard_input_);
        if (spool_.path.empty()) throw Stop{"standard input could not be kept for a second read."};
    }
    // A sample holds a block once: a file named twice (under any of its names) is a slip.
    std::vector<std::pair<std::filesystem::path, std::string>> seen;
    for (const std::string& name : names) {
        if (name == "-") continue;
        std::error_code error;
        const std::filesystem::path real = std::filesystem::weakly_canonical(name, error);
        if (error) continue;
        for (const auto& [other, other_name] : seen) {
            if (other == real) {
                throw Stop{other_name == name
                               ? name + " is named twice; a survey file is read once."
                               : name + " and " + other_name +
                                     " are the same file; a survey file is read once."};
            }
        }
        seen.emplace_back(real, name);
    }
    try {
        for (const std::string& name : names) {
            Input input;
            input.name = name == "-" ? "standard input" : name;
            input.path = name == "-" ? spool_.path : name;
            if (name != "-" && std::filesystem::is_directory(name)) {
                throw Stop{name + ": is a folder, not a survey file."};
            }
            std::istream& stream = open(input);
            if (!stream) throw Stop{name + ": " + std::strerror(errno) + "."};
            input.reader = std::make_unique<survey::SurveyReader>(stream, input.name);
            std::string why;
            input.stratum = survey::CarriedColumn(input.reader->header(),
                                                  options_.design.stratum_column, input.name, why);
            if (!why.empty()) throw Stop{why};
            input.weight =
                survey::CarriedColumn(input.reader->header(), options_.design.weight_column,
                                      input.name, why, "to take the weights from");
            if (!why.empty()) throw Stop{why};
            inputs_.push_back(std::move(input));
        }
    } catch (const survey::FileError& e) {
        throw Stop{e.what()};
    }
    // The carried columns of every input, each name once, in order of first appearance; and for
    // each input, where each of its carried columns goes in that order. Hashed, so that a header
    // of many thousand columns costs linear time.
    std::unordered_map<std::string, std::size_t> place;
    for (Input& input : inputs_) {
        for (const std::string& name : input.reader->header().carried) {
            const auto [at, added] = place.emplace(name, carried_.size());
            if (added) carried_.push_back(name);
            input.carried_at.push_back(at->second);
        }
    }
}

void ReportRun::build_design() {
    if (!with_pool_) return;
    survey::DesignBuilder builder(options_.design);
    try {
        for (Input& input : inputs_) {
            builder.begin_file(input.reader->header(), input.name);
            while (const std::optional<survey::Row> row = input.reader->next())
                builder.add(*row);
            input.reader.reset();
            input.reader = std::make_unique<survey::SurveyReader>(open(input), input.name);
        }
    } catch (const survey::FileError& e) {
        throw Stop{e.what()};
    }
    survey::BuiltDesign built = builder.build();
    if (!built.design) throw Stop{built.why_not};
    design_ = std::move(*built.design);
}

void ReportRun::fit_pooled_strata() {
    for (const analysis::Stratum& stratum : design_.strata)
        pooled_.push_back(analysis::pool(library_, stratum, options_.level));
}

[[noreturn]] void ReportRun::output_failed() const {
    // A report cut short must not look whole: every write is checked, and the first failure
    // (a full disk, a closed pipe, /dev/full) ends the run with the system's reason.
    const int error = errno;
    throw Stop{std::string("the report could not be written: ") +
               (error ? std::strerror(error) : "output error") + "."};
}

void ReportRun::fit(Block& block) const {
    analysis::Request request;
    request.counts = block.row.counts;
    request.s_held = block.row.s_held;
    request.level = options_.level;
    block.report = analysis::make_report(library_, request);
    if (!block.stratum) return;
    const analysis::PooledVisibility& pooled = pooled_[*block.stratum];
    if (pooled && pooled.seven && block.row.later) {
        const auto& c = block.row.counts;
        const auto& later = *block.row.later;
        block.cells.n_any =
            std::int64_t{c[0]} + c[1] + c[2] + c[3] + later[0] + later[1] + later[2];
    }
    if (pooled) {
        block.cells.dogs_pooled = analysis::block_dogs(pooled, block.row.counts, block.row.later);
    } else if (pooled.nobody_seen) {
        block.cells.dogs_pooled = {0, 0, std::numeric_limits<double>::infinity()};
    }
}

// Reads blocks into `into` until it holds a batch or the inputs end.
void ReportRun::read_batch(std::vector<Block>& into) {
    const std::size_t batch_size = std::size_t(64) * std::size_t(threads());
    for (; reading_ != inputs_.end(); ++reading_) {
        while (into.size() < batch_size) {
            check_cancel();
            std::optional<survey::Row> row = reading_->reader->next();
            if (!row) break;
            // A block without a sound weight is no part of the weighted sample: its row says so.
            if (std::string why = survey::weight_error(*row, reading_->weight, reading_->name);
                !why.empty()) {
                row->error = std::move(why);
            }
            std::optional<std::size_t> stratum;
            if (with_pool_ && row->error.empty()) {
                if (const analysis::Stratum* s = design_.find(reading_->stratum.of(*row))) {
                    stratum = std::size_t(s - design_.strata.data());
                }
            }
            into.push_back({std::move(*row), &*reading_, stratum, {}, {}});
        }
        if (into.size() == batch_size) return;
    }
}

// Writes a fitted batch in order, then empties it.
void ReportRun::write(std::vector<Block>& done) {
    for (Block& block : done) {
        const survey::Row& row = block.row;
        const Input& input = *block.input;
        const auto values = carried_values(row, input, carried_.size());
        ++blocks_written_;
        if (!row.error.empty()) {
            some_errors_ = true;
            errno = 0;
            table_->row(row.label, values, nullptr, block.cells, row.error);
            if (!out_) output_failed();
            continue;
        }
        const analysis::Report& report = block.report;
        std::string error;
        if (!report.empty_block && !report.estimates) {
            some_errors_ = true;
            error =
                input.name + ", line " + std::to_string(row.line) + ": " + report.estimates.why_not;
        } else if (plots_ && report.estimates && report.estimates->p_identified) {
            // A plot that cannot be written is this block's trouble only.
            try {
                plots_->write(row, report);
            } catch (const platform::RuntimeError& e) {
                some_errors_ = true;
                error = input.name + ", line " + std::to_string(row.line) +
                        ": the plot could not be written: " + e.what();
            }
        }
        errno = 0;
        table_->row(row.label, values, &report, block.cells, error);
        if (!out_) output_failed();
        progress_->blocks_done(blocks_written_);
    }
    done.clear();
}

void ReportRun::stream_blocks() {
    table_ = std::make_unique<survey::ReportTable>(out_, options_.format, carried_, with_pool_,
                                                   with_city_, options_.digits);
    if (!out_) output_failed();  // the header row
    if (options_.map) {
        try {
            map_ = std::make_unique<survey::MapWriter>(
                *options_.map, table_->keys(), options_.design.stratum_column, options_.digits);
        } catch (const platform::RuntimeError& e) {
            throw Stop{e.what()};
        }
        table_->also_on(map_.get());
    }
    progress_ = std::make_unique<platform::ProgressLine>(err_, err_is_terminal_);
    reading_ = inputs_.begin();
    // Blocks are read in batches; the blocks of a batch are fitted in parallel, then written in
    // input order. Two batches are in flight: while the other threads fit one, this thread
    // writes the batch before it and reads the next, so reading and writing overlap the fits,
    // and memory holds a few batches however long the survey.
    std::vector<Block> batch, fitted;  // being fitted; fitted, not yet written
    try {
        read_batch(batch);
        while (!batch.empty()) {
            std::vector<Block> next;
            analysis::parallel_for_beside(
                batch.size(), threads(),
                [&](std::size_t i) {
                    if (batch[i].row.error.empty()) fit(batch[i]);
                },
                [&] {
                    write(fitted);
                    read_batch(next);
                });
            fitted = std::move(batch);
            batch = std::move(next);
        }
        write(fitted);
    } catch (const survey::FileError& e) {
        table_->finish();
        throw Stop{e.what()};
    }
    progress_->finish();
}

// The stratum's value goes in its column of the pooled and total rows.
std::vector<std::string> ReportRun::stratum_values(const std::string& name) const {
    std::vector<std::string> values(carried_.size());
    if (options_.design.stratum_column) {
        const auto at =
            std::find(carried_.begin(), carried_.end(), *options_.design.stratum_column);
        values[std::size_t(at - carried_.begin())] = name;
    }
    return values;
}

void ReportRun::write_pooled_rows() {
    if (!options_.pool) return;
    for (std::size_t h = 0; h < design_.strata.size(); ++h) {
        const analysis::PooledVisibility& shared = pooled_[h];
        survey::SurveyCells cells;
        std::string error;
        std::optional<analysis::Report> seven;
        if (shared) {
            cells.het = shared.het;
            std::vector<std::string> notes;
            if (cells.het) notes.push_back(analysis::heterogeneity_note(*cells.het));
            if (shared.seven) {
                cells.seven = shared.seven;
                seven = analysis::seven_history_report(shared);
            } else {
                if (shared.s_zero_by_aicc) notes.push_back(analysis::no_territorial_note(shared));
                notes.push_back(analysis::four_histories_note(design_.strata[h]));
            }
            for (const std::string& note : notes) {
                if (!note.empty()) cells.note += (cells.note.empty() ? "" : "; ") + note;
            }
        } else if (shared.nobody_seen) {
            cells.note = shared.why_not;
        } else {
            some_errors_ = true;
            error = "pooled: " + shared.why_not;
        }
        errno = 0;
        table_->row("pooled", stratum_values(design_.strata[h].name),
                    seven ? &*seven : &shared.report, cells, error, survey::RowKind::pooled);
        if (!out_) output_failed();
    }
}

void ReportRun::write_totals() {
    if (!with_city_) return;
    analysis::BootstrapPlan plan;
    plan.replicates = options_.bootstrap;
    plan.seed = options_.seed;
    plan.jobs = threads();
    plan.cancel = options_.cancel;
    const std::vector<analysis::TotalEstimate> totals =
        analysis::city_totals(library_, design_, options_.level, plan);
    check_cancel();
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const bool city = i + 1 == totals.size();
        // Without strata the city is its one stratum: one total row.
        if (!city && !options_.design.stratum_column) continue;
        survey::SurveyCells cells;
        cells.total = totals[i];
        // A total without an interval is said in the note; no total at all is an error.
        std::string error;
        if (!totals[i].dogs) {
            some_errors_ = true;
            error = totals[i].why_not;
        }
        cells.note = totals[i].note;
        errno = 0;
        table_->row(
            "total",
            city ? std::vector<std::string>(carried_.size()) : stratum_values(totals[i].name),
            nullptr, cells, error, survey::RowKind::total);
        if (!out_) output_failed();
    }
}

int ReportRun::finish() {
    errno = 0;
    table_->finish();
    if (!out_) output_failed();
    if (map_) {
        try {
            map_->finish();
        } catch (const platform::RuntimeError& e) {
            throw Stop{std::string("the map could not be written: ") + e.what()};
        }
    }
    return some_errors_ ? kSomeErrors : kAllFitted;
}

}  // namespace

int report_survey(const ReportOptions& options, const analysis::Library& library,
                  std::istream& standard_input, std::ostream& out, std::ostream& err,
                  bool err_is_terminal, PlotWriter* plots) {
    ReportRun run(options, library, standard_input, out, err, err_is_terminal, plots);
    try {
        run.check_options();
        run.open_inputs();
        run.build_design();
        run.fit_pooled_strata();
        run.stream_blocks();
        run.write_pooled_rows();
        run.write_totals();
        return run.finish();
    } catch (const Stop& stop) {
        err << options.program << ": " << stop.message << "\n";
        return kUsageOrFileError;
    }
}

}  // namespace kestrivo::survey
