// report_survey, as its steps: check the options; open every input and read its header (the
// output's columns depend on all of them); when visibility is pooled or a city total is asked
// for, read the survey once into its design and fit each stratum's shared visibility; then stream
// the rows through the report to the sink, and end with the pooled and total rows.
#include "survey/survey_report.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
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
#include "analysis/vaccination_coverage.h"
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
              std::istream& standard_input, ReportSink& sink, std::ostream& err,
              bool err_is_terminal, PlotWriter* plots)
        : options_(options),
          library_(library),
          standard_input_(standard_input),
          sink_(sink),
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
    void fit_coverage();
    void check_vaccinated() const;
    void stream_blocks();
    void write_pooled_rows();
    void write_totals();
    void add_coverage(ReportRow& row, std::size_t i, bool city) const;
    int finish();

private:
    std::istream& open(Input& input);
    [[noreturn]] void refuse(const DesignRefusal& refusal) const;
    void fit(Block& block) const;
    void read_batch(std::vector<Block>& into);
    void write(std::vector<Block>& done);
    std::vector<std::string> stratum_values(const std::string& name) const;
    ReportRow summary_row(RowKind kind, const std::string& label, const std::string& stratum) const;

    const ReportOptions& options_;
    const analysis::Library& library_;
    std::istream& standard_input_;
    ReportSink& sink_;
    std::ostream& err_;
    bool err_is_terminal_;
    PlotWriter* plots_;
    bool with_city_ = false, with_pool_ = false;

    Spool spool_;
    std::vector<Input> inputs_;
    std::vector<std::string> carried_;  // every input's carried columns, each name once
    analysis::SurveyDesign design_;
    std::vector<analysis::PooledVisibility> pooled_;
    /// Where the survey gives marked dogs: each stratum's coverage (none where its blocks lack
    /// them), and with a city total each stratum's and the city's, with intervals.
    std::vector<std::optional<analysis::CoverageFit>> coverage_fits_;
    std::vector<analysis::CoverageTotal> coverage_totals_;
    bool with_coverage_ = false;
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
    if (const std::optional<DesignRefusal> refused = options_.design.refusal()) refuse(*refused);
    if (options_.design.stratum_column && !with_pool_) {
        DesignRefusal refusal;
        refusal.kind = DesignRefusal::Kind::strata_unused;
        refusal.column = *options_.design.stratum_column;
        refuse(refusal);
    }
}

void ReportRun::refuse(const DesignRefusal& refusal) const {
    throw Stop{options_.refusal_words ? options_.refusal_words(refusal)
                                      : "the survey's design cannot be used."};
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
            std::optional<DesignRefusal> refused;
            input.stratum = survey::CarriedColumn(
                input.reader->header(), options_.design.stratum_column, input.name, refused);
            if (refused) refuse(*refused);
            input.weight = survey::CarriedColumn(
                input.reader->header(), options_.design.weight_column, input.name, refused, true);
            if (refused) refuse(*refused);
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
    if (!built.design) refuse(*built.refused);
    design_ = std::move(*built.design);
}

void ReportRun::fit_pooled_strata() {
    for (std::size_t h = 0; h < design_.strata.size(); ++h) {
        analysis::PoolingTest test;
        test.stream = h;
        test.jobs = threads();
        test.cancel = options_.cancel;
        pooled_.push_back(analysis::pool(library_, design_.strata[h], options_.level, test));
        check_cancel();
    }
}

// The campaign's records name the survey's own strata, or give the one stratum's: a name that
// matches none would leave its check out without a word.
void ReportRun::check_vaccinated() const {
    if (options_.vaccinated_city && options_.design.stratum_column) {
        throw Stop{
            "with --stratum, give each stratum's vaccinated dogs: --vaccinated "
            "NAME=M,NAME=M."};
    }
    for (const auto& [name, dogs] : options_.vaccinated_by_stratum) {
        if (!options_.design.stratum_column) {
            throw Stop{"--vaccinated NAME=M needs --stratum to say which column holds the names."};
        }
        if (!design_.find(name)) {
            throw Stop{"--vaccinated names \"" + name +
                       "\", which is not a stratum of the survey."};
        }
    }
}

void ReportRun::fit_coverage() {
    with_coverage_ = std::any_of(design_.strata.begin(), design_.strata.end(),
                                 [](const analysis::Stratum& s) { return s.has_marks(); });
    if (!with_coverage_) {
        if (options_.vaccinated_city || !options_.vaccinated_by_stratum.empty()) {
            throw Stop{
                "--vaccinated is a check on the coverage, and the survey gives no marked "
                "dogs (m100, m111, m101, m110)."};
        }
        return;
    }
    for (const analysis::Stratum& stratum : design_.strata) {
        if (!stratum.has_marks()) {
            coverage_fits_.emplace_back();
            continue;
        }
        analysis::SevenHistories all{};
        analysis::Marks marks;
        const bool seven = stratum.has_later();
        for (std::size_t b = 0; b < stratum.blocks.size(); ++b) {
            for (std::size_t h = 0; h < 4; ++h)
                all[h] += stratum.blocks[b][h];
            for (std::size_t h = 0; seven && h < 3; ++h)
                all[4 + h] += stratum.later[b][h];
            for (std::size_t h = 0; h < 7; ++h)
                marks.marked[h] += seven || h < 4 ? stratum.marks[b].marked[h] : 0;
            marks.unknown += stratum.marks[b].unknown;
        }
        coverage_fits_.push_back(
            analysis::fit_coverage(library_, all, marks, seven, stratum.s_held));
        check_cancel();
    }
    if (!with_city_) return;
    check_vaccinated();
    analysis::CoverageOptions coverage;
    coverage.target = options_.coverage_target;
    coverage.level = options_.level;
    coverage.bootstrap.replicates = options_.bootstrap;
    coverage.bootstrap.seed = options_.seed;
    coverage.bootstrap.jobs = threads();
    coverage.bootstrap.cancel = options_.cancel;
    for (const auto& [name, dogs] : options_.vaccinated_by_stratum)
        coverage.vaccinated[name] = double(dogs);
    if (options_.vaccinated_city) coverage.vaccinated[""] = double(*options_.vaccinated_city);
    coverage_totals_ = analysis::coverage_total(library_, design_, coverage);
    check_cancel();
}

// A row's coverage cells from a stratum's fit and, where a city total was asked for, its
// interval and the doses still needed.
CoverageCells coverage_cells(const analysis::CoverageFit* fit,
                             const analysis::CoverageTotal* total) {
    CoverageCells cells;
    if (fit && *fit) {
        cells.marked_dogs = fit->marked_dogs;
        cells.coverage = fit->coverage.value_or(NAN);
        cells.naive = fit->naive.value_or(NAN);
        cells.mark_unknown = fit->unknown;
        if (fit->equal_visibility) cells.visibility_p = fit->equal_visibility->p;
        cells.seen_marked = fit->seen_marked_share;
        cells.seen_unmarked = fit->seen_rest_share;
    }
    cells.lower = cells.upper = cells.doses = cells.doses_lower = cells.doses_upper = NAN;
    if (total) {
        if (!fit) {
            cells.marked_dogs = total->marked_dogs.value_or(NAN);
            cells.coverage = total->coverage.value_or(NAN);
            // The city's share marked among the dogs seen: over every sampled block.
            const std::int64_t known = total->seen - total->unknown;
            cells.naive =
                total->naive.value_or(known > 0 ? double(total->seen_marked) / known : NAN);
            cells.mark_unknown = total->unknown;
        }
        cells.lower = total->lower.value_or(NAN);
        cells.upper = total->upper.value_or(NAN);
        // A pooled row's doses are its sampled blocks' share of the stratum's, as its dogs are.
        const double scale =
            fit && total->dogs && *total->dogs > 0 ? fit->dogs / *total->dogs : 1.0;
        cells.doses = total->doses.value_or(NAN) * scale;
        cells.doses_lower = total->doses_lower.value_or(NAN) * scale;
        cells.doses_upper = total->doses_upper.value_or(NAN) * scale;
        cells.vaccinated_check = total->lincoln_petersen;
        if (total->vaccinated) cells.vaccinated = std::int64_t(*total->vaccinated);
    }
    return cells;
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
        const auto& coverage = with_coverage_ ? coverage_fits_[*block.stratum]
                                              : std::optional<analysis::CoverageFit>();
        if (coverage && *coverage && block.row.marks) {
            const analysis::Later* later = block.row.later ? &*block.row.later : nullptr;
            const analysis::BlockMarkedDogs dogs = analysis::block_marked_dogs(
                *coverage, block.row.counts, later, marks_of(*block.row.marks));
            block.cells.marked_pooled = dogs.marked;
            // The block's dogs are its two groups', each over its own share seen; the limits
            // keep their width relative to the estimate.
            auto& pooled_dogs = *block.cells.dogs_pooled;
            if (pooled_dogs.estimate > 0) {
                const double scale = dogs.dogs / pooled_dogs.estimate;
                pooled_dogs.lower *= scale;
                pooled_dogs.upper *= scale;
            }
            pooled_dogs.estimate = dogs.dogs;
        }
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
                row->left_out = *survey::weight_left_out(*row, reading_->weight);
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

// Hands a fitted batch to the sink in order, then empties it.
void ReportRun::write(std::vector<Block>& done) {
    for (Block& block : done) {
        const Input& input = *block.input;
        ReportRow out;
        out.label = block.row.label;
        out.carried = carried_values(block.row, input, carried_.size());
        out.cells = std::move(block.cells);
        out.stratum = input.stratum.of(block.row);
        ++blocks_written_;
        const ErrorPlace place{input.name, block.row.line};
        if (!block.row.error.empty()) {
            some_errors_ = true;
            out.error = std::move(block.row.error);
            out.left_out = std::move(block.row.left_out);
            out.place = place;
            sink_.row(out);
            continue;
        }
        const analysis::Report& report = block.report;
        // `detail`: the fit's or the system's own reason, which `why` says or follows.
        const auto error_here = [&](const std::string& why, LeftOut::Why kind,
                                    const std::string& detail) {
            some_errors_ = true;
            out.error = input.name + ", line " + std::to_string(block.row.line) + ": " + why;
            out.left_out = LeftOut{kind, "", "", block.row.line, "", detail};
            out.place = place;
        };
        if (!report.empty_block && !report.estimates) {
            error_here(report.estimates.why_not, LeftOut::Why::not_estimable,
                       report.estimates.why_not);
        } else if (plots_ && report.estimates && report.estimates->p_identified) {
            // A plot that cannot be written is this block's trouble only.
            try {
                plots_->write(block.row, report);
            } catch (const platform::RuntimeError& e) {
                error_here(std::string("the plot could not be written: ") + e.what(),
                           LeftOut::Why::plot_not_written, e.what());
            }
        }
        out.notes = fit_notes(report);
        out.report = std::move(block.report);
        sink_.row(out);
        progress_->blocks_done(blocks_written_);
    }
    done.clear();
}

void ReportRun::stream_blocks() {
    ReportLayout layout;
    layout.carried = carried_;
    layout.with_pool = with_pool_;
    layout.with_city = with_city_;
    layout.with_behaviour =
        std::any_of(pooled_.begin(), pooled_.end(),
                    [](const analysis::PooledVisibility& p) { return p.seven.has_value(); });
    layout.with_coverage = with_coverage_;
    layout.coverage_target = options_.coverage_target;
    layout.with_vaccinated = with_coverage_ && with_city_ &&
                             (options_.vaccinated_city || !options_.vaccinated_by_stratum.empty());
    layout.stratum_column = options_.design.stratum_column;
    sink_.begin(layout);
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
        sink_.abandon();
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

// A pooled or total row of `stratum` (the city's: ""), its stratum in its column.
ReportRow ReportRun::summary_row(RowKind kind, const std::string& label,
                                 const std::string& stratum) const {
    ReportRow row;
    row.kind = kind;
    row.label = label;
    row.stratum = stratum;
    row.carried = stratum.empty() && kind == RowKind::total
                      ? std::vector<std::string>(carried_.size())
                      : stratum_values(stratum);
    return row;
}

void ReportRun::write_pooled_rows() {
    if (!options_.pool) return;
    for (std::size_t h = 0; h < design_.strata.size(); ++h) {
        const analysis::PooledVisibility& shared = pooled_[h];
        const analysis::Stratum& stratum = design_.strata[h];
        ReportRow row = summary_row(RowKind::pooled, "pooled", stratum.name);
        row.report =
            shared.seven && shared ? analysis::seven_history_report(shared) : shared.report;
        row.notes = fit_notes(*row.report);
        if (shared) {
            row.cells.het = shared.het;
            if (row.cells.het) {
                for (Note& note : heterogeneity_notes(*row.cells.het))
                    row.notes.push_back(std::move(note));
            }
            if (shared.seven) {
                row.cells.seven = shared.seven;
                // In the place of the fit's own note on P, as the by-count model's reason is.
                if (shared.seven->chosen == analysis::VisibilityModel::behaviour)
                    row.notes.insert(row.notes.begin(), seen_again_note(*shared.seven));
            } else {
                if (shared.s_zero_by_aicc) row.notes.push_back(no_territorial_note(shared));
                row.notes.push_back(four_histories_note(stratum));
            }
        } else if (shared.nobody_seen) {
            Note note;
            note.code = NoteCode::nobody_seen;
            note.reason = shared.why_not;
            row.notes.push_back(note);
        } else {
            some_errors_ = true;
            row.error = "pooled: " + shared.why_not;
        }
        if (with_coverage_ && coverage_fits_[h] && shared && !stratum.s_held_differs) {
            const analysis::CoverageFit& fit = *coverage_fits_[h];
            if (!fit || !fit.coverage) {
                row.notes.push_back(coverage_missing_note(
                    fit.why_not.empty() ? "no dog's mark was seen clearly" : fit.why_not));
            } else {
                // A weighted stratum's interval is of its weighted coverage, not of this row's.
                const analysis::CoverageTotal* total =
                    h < coverage_totals_.size() && !stratum.weighted() ? &coverage_totals_[h]
                                                                       : nullptr;
                row.cells.coverage = coverage_cells(&fit, total);
                row.cells.coverage->vaccinated_check.reset();  // the stratum's, on its total row
                for (Note& note : coverage_notes(*row.cells.coverage, options_.coverage_target))
                    if (note.code == NoteCode::marked_seen_differently) row.notes.push_back(note);
            }
        }
        sink_.row(row);
    }
}

// A total row's coverage, its notes, and, where every stratum gives it, its dogs as the two
// groups' (a city total that summed some strata's two groups and others' one would match none).
void ReportRun::add_coverage(ReportRow& row, std::size_t i, bool city) const {
    const analysis::CoverageTotal& coverage = coverage_totals_[i];
    if (!coverage.coverage) {
        if (coverage.seen > 0 || !coverage.why_not.empty())
            row.notes.push_back(coverage_missing_note(coverage.why_not));
        return;
    }
    row.cells.coverage = coverage_cells(nullptr, &coverage);
    if (coverage.dogs && row.cells.total && coverage_totals_.back().dogs) {
        row.cells.total->dogs = coverage.dogs;
        row.cells.total->lower = coverage.dogs_lower;
        row.cells.total->upper = coverage.dogs_upper;
        // Its interval is the coverage bootstrap's on the log scale: the one-group total's
        // standard error would not be its own.
        row.cells.total->standard_error.reset();
    }
    for (Note& note : coverage_notes(*row.cells.coverage, options_.coverage_target)) {
        if (note.code == NoteCode::marked_seen_differently) continue;
        row.notes.push_back(std::move(note));
    }
    // The city's row names each stratum below the target, or not surely above it.
    for (std::size_t j = 0; city && options_.design.stratum_column && j < i; ++j) {
        if (!coverage_totals_[j].coverage) continue;
        for (Note& note : coverage_notes(coverage_cells(nullptr, &coverage_totals_[j]),
                                         options_.coverage_target)) {
            if (note.code != NoteCode::coverage_below && note.code != NoteCode::coverage_uncertain)
                continue;
            note.stratum = coverage_totals_[j].name;
            note.named = true;
            row.notes.push_back(std::move(note));
        }
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
        ReportRow row = summary_row(RowKind::total, "total", city ? "" : totals[i].name);
        row.city = city;
        row.cells.total = totals[i];
        // A total without an interval is said in the note; no total at all is an error.
        if (!totals[i].dogs) {
            some_errors_ = true;
            row.error = totals[i].why_not;
        }
        row.notes = total_notes(totals[i]);
        if (with_coverage_ && i < coverage_totals_.size()) add_coverage(row, i, city);
        sink_.row(row);
    }
}

int ReportRun::finish() {
    sink_.finish();
    return some_errors_ ? kSomeErrors : kAllFitted;
}

}  // namespace

int report_survey(const ReportOptions& options, const analysis::Library& library,
                  std::istream& standard_input, ReportSink& sink, std::ostream& err,
                  bool err_is_terminal, PlotWriter* plots) {
    ReportRun run(options, library, standard_input, sink, err, err_is_terminal, plots);
    try {
        run.check_options();
        run.open_inputs();
        run.build_design();
        run.fit_pooled_strata();
        run.fit_coverage();
        run.stream_blocks();
        run.write_pooled_rows();
        run.write_totals();
        return run.finish();
    } catch (const Stop& stop) {
        err << options.program << ": " << stop.message << "\n";
    } catch (const SinkError& failed) {
        err << options.program << ": " << failed.message << "\n";
    }
    return kUsageOrFileError;
}

int report_survey(const ReportOptions& options, const analysis::Library& library,
                  std::istream& standard_input, std::ostream& out, std::ostream& err,
                  bool err_is_terminal, PlotWriter* plots) {
    ReportTable table(out, options.format, options.digits);
    std::optional<ReportMap> map;
    std::vector<ReportSink*> sinks{&table};
    if (options.map) sinks.push_back(&map.emplace(*options.map, options.digits));
    ReportSinks both(std::move(sinks));
    return report_survey(options, library, standard_input, both, err, err_is_terminal, plots);
}

}  // namespace kestrivo::survey
