// The report's rows into cells, and cells into CSV, JSON or a map.
#include "survey/report_table.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <unordered_set>

#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "survey/csv_writer.h"
#include "survey/json_writer.h"

namespace kestrivo::survey {
namespace {

const char* bound_text(analysis::Bound bound) {
    return bound == analysis::Bound::lower ? "lower" : "upper";
}

}  // namespace

const std::vector<std::string>& ReportColumns::report_columns() {
    static const std::vector<std::string> columns = {
        "block", "n",       "S",       "P",     "seen",  "logL",  "S_lo",    "S_hi",    "P_lo",
        "P_hi",  "seen_lo", "seen_hi", "N_hat", "N_lo",  "N_hi",  "S_bound", "P_bound", "deviance",
        "df",    "gof_p",   "lrt_S0",  "lrt_p", "error", "edges", "note"};
    return columns;
}

ReportColumns::ReportColumns(const ReportLayout& layout, int digits)
    : keys_(report_columns()), digits_(digits) {
    if (layout.with_pool) {
        for (const char* key : {"N_pool", "N_pool_lo", "N_pool_hi"})
            keys_.push_back(key);
        if (layout.with_coverage) keys_.push_back("N_marked_pool");
        for (const char* key : {"het", "het_df", "het_p", "model", "aicc_weight_by_count"})
            keys_.push_back(key);
        if (layout.with_behaviour) keys_.push_back("aicc_weight_behaviour");
        for (const char* key : {"P1", "P2", "P3"})
            keys_.push_back(key);
        if (layout.with_behaviour) {
            keys_.push_back("P_first");
            keys_.push_back("P_again");
        }
        for (const char* key : {"n_any", "seen_any"})
            keys_.push_back(key);
    }
    if (layout.with_city) {
        for (const char* key : {"city_N", "city_se", "city_lo", "city_hi"})
            keys_.push_back(key);
    }
    if (layout.with_coverage) {
        for (const char* key :
             {"N_marked", "coverage", "coverage_lo", "coverage_hi", "naive_coverage",
              "mark_unknown", "visibility_p", "doses_needed", "doses_needed_lo", "doses_needed_hi"})
            keys_.push_back(key);
        if (layout.with_vaccinated) keys_.push_back("N_vaccinated_check");
    }
    for (std::size_t i = 0; i < keys_.size(); ++i)
        place_.emplace(keys_[i], i);
    // A carried column that bears the name of one of ours keeps its values under a name of its
    // own rather than overwriting ours.
    std::unordered_set<std::string> taken(keys_.begin(), keys_.end());
    for (std::string name : layout.carried) {
        while (!taken.insert(name).second)
            name += " (input)";
        keys_.push_back(name);
    }
}

namespace {

// The cells of one block's (or stratum's) fit.
template <typename Set>
void report_cells(const analysis::Report& report, const Set& set) {
    if (report.n) set("n", *report.n);
    if (report.estimates) {
        const auto& e = *report.estimates;
        set("S", e.S);
        if (e.p_identified) set("P", e.P);
        set("seen", e.seen);
        set("logL", e.log_likelihood);
    }
    const auto interval = [&](const analysis::Quantity<analysis::Interval>& q, const char* lo,
                              const char* hi) {
        // Limits whose values form separate pieces are no interval: the note names them.
        if (!q || !q->pieces.empty()) return;
        set(lo, q->lower);
        set(hi, q->upper);
    };
    interval(report.s_limits, "S_lo", "S_hi");
    interval(report.p_limits, "P_lo", "P_hi");
    interval(report.seen_limits, "seen_lo", "seen_hi");
    if (report.dogs) {
        set("N_hat", report.dogs->estimate);
        set("N_lo", report.dogs->lower);
        // A block where nobody was identified has no upper limit to give: left empty.
        if (!report.empty_block) set("N_hi", report.dogs->upper);
    }
    if (report.s_bound != analysis::Bound::none)
        set("S_bound", std::string(bound_text(report.s_bound)));
    if (report.p_bound != analysis::Bound::none)
        set("P_bound", std::string(bound_text(report.p_bound)));
    if (report.fit_check) {
        set("deviance", report.fit_check->deviance);
        set("df", std::int64_t{report.fit_check->df});
        set("gof_p", report.fit_check->p);
    }
    if (report.always_visible) {
        set("lrt_S0", report.always_visible->statistic);
        set("lrt_p", report.always_visible->p);
    }
    if (const std::string edges = analysis::limits_at_edges(report); !edges.empty()) {
        set("edges", edges);
    }
}

// The cells of a stratum's seven-history fit: the chosen model and its own P's.
template <typename Set>
void seven_cells(const analysis::SevenHistoriesFit& seven, const Set& set) {
    const auto& fit = seven.chosen_fit();
    set("model", std::string(analysis::model_name(seven.chosen)));
    set("aicc_weight_by_count", seven.weight_by_count);
    set("aicc_weight_behaviour", seven.weight_behaviour);
    if (seven.chosen == analysis::VisibilityModel::behaviour) {
        // Its P is P_first on every count: said once, in its own column, not as three counts'.
        set("P_first", fit.P[0]);
        if (fit.P_again) set("P_again", *fit.P_again);
    } else {
        set("P1", fit.P[0]);
        set("P2", fit.P[1]);
        set("P3", fit.P[2]);
    }
    set("n_any", seven.seen_at_least_once);
    set("seen_any", seven.seen_any);
}

// The cells of pooled visibility and of the city total.
template <typename Set>
void survey_cells(const SurveyCells& survey, bool has_n_any, const Set& set) {
    if (survey.dogs_pooled) {
        set("N_pool", survey.dogs_pooled->estimate);
        set("N_pool_lo", survey.dogs_pooled->lower);
        if (std::isfinite(survey.dogs_pooled->upper)) set("N_pool_hi", survey.dogs_pooled->upper);
    }
    if (survey.het) {
        set("het", survey.het->statistic);
        set("het_df", std::int64_t{survey.het->df});
        set("het_p", survey.het->p);
    }
    if (survey.seven) seven_cells(*survey.seven, set);
    if (survey.n_any) set("n_any", *survey.n_any);
    if (survey.total) {
        set("n", survey.total->first_count);
        if (survey.total->seen_at_least_once && has_n_any) {
            set("n_any", *survey.total->seen_at_least_once);
        }
        if (survey.total->dogs) set("city_N", *survey.total->dogs);
        if (survey.total->standard_error) set("city_se", *survey.total->standard_error);
        if (survey.total->lower) set("city_lo", *survey.total->lower);
        if (survey.total->upper) set("city_hi", *survey.total->upper);
    }
    if (survey.marked_pooled) set("N_marked_pool", *survey.marked_pooled);
    if (survey.coverage) {
        const CoverageCells& c = *survey.coverage;
        set("N_marked", c.marked_dogs);
        set("coverage", c.coverage);
        set("coverage_lo", c.lower);
        set("coverage_hi", c.upper);
        set("naive_coverage", c.naive);
        set("mark_unknown", c.mark_unknown);
        if (c.visibility_p) set("visibility_p", *c.visibility_p);
        set("doses_needed", c.doses);
        set("doses_needed_lo", c.doses_lower);
        set("doses_needed_hi", c.doses_upper);
        if (c.vaccinated_check) set("N_vaccinated_check", *c.vaccinated_check);
    }
}

}  // namespace

std::vector<Cell> ReportColumns::cells(const ReportRow& row) const {
    std::vector<Cell> v(place_.size());
    const auto set = [&](const char* key, Cell value) {
        if (const double* d = std::get_if<double>(&value); d && std::isnan(*d)) return;
        // A value whose column the layout leaves out (the behaviour model's, in a table made
        // without it) has no cell to go in.
        const auto place = place_.find(key);
        if (place == place_.end()) return;
        v[place->second] = std::move(value);
    };
    set("block", row.label);
    if (!row.error.empty()) set("error", row.error);
    if (row.report) report_cells(*row.report, set);
    survey_cells(row.cells, place_.count("n_any") > 0, set);
    const std::string note =
        notes_words(row.notes, [this](double x) { return platform::digits_text(x, digits_); });
    if (!note.empty()) set("note", note);
    for (const std::string& value : row.carried)
        v.emplace_back(value);
    return v;
}

void ReportTable::check() const {
    // A report cut short must not look whole: every write is checked, and the first failure
    // (a full disk, a closed pipe, /dev/full) ends the run with the system's reason.
    if (out_) return;
    const int error = errno;
    throw SinkError{std::string("the report could not be written: ") +
                    (error ? std::strerror(error) : "output error") + "."};
}

void ReportTable::begin(const ReportLayout& layout) {
    columns_.emplace(layout, digits_);
    errno = 0;
    if (format_ == Format::json) {
        out_ << "[";
    } else {
        const auto& keys = columns_->keys();
        write_csv_row(out_, std::vector<Cell>(keys.begin(), keys.end()), digits_);
    }
    check();
}

void ReportTable::row(const ReportRow& row) {
    errno = 0;
    write(columns_->cells(row));
    check();
}

void ReportTable::write(const std::vector<Cell>& values) {
    if (format_ == Format::json) {
        const std::vector<std::string>& keys = columns_->keys();
        std::vector<JsonMember> members;
        members.reserve(keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i)
            members.emplace_back(keys[i],
                                 json_value(i < values.size() ? values[i] : Cell(), digits_));
        out_ << (first_row_ ? "\n" : ",\n") << json_object(members);
    } else {
        write_csv_row(out_, values, digits_);
    }
    first_row_ = false;
}

void ReportTable::finish() {
    errno = 0;
    abandon();
    check();
}

void ReportTable::abandon() {
    if (format_ == Format::json) out_ << (first_row_ ? "]\n" : "\n]\n");
    out_.flush();
}

void ReportMap::begin(const ReportLayout& layout) {
    columns_.emplace(layout, digits_);
    try {
        map_ = std::make_unique<MapWriter>(
            path_, columns_->keys(), layout.stratum_column, digits_,
            layout.with_coverage ? std::optional(layout.coverage_target) : std::nullopt);
    } catch (const platform::RuntimeError& e) {
        throw SinkError{e.what()};
    }
}

void ReportMap::row(const ReportRow& row) {
    map_->row(row.kind, columns_->cells(row));
}

void ReportMap::finish() {
    try {
        map_->finish();
    } catch (const platform::RuntimeError& e) {
        throw SinkError{std::string("the map could not be written: ") + e.what()};
    }
}

}  // namespace kestrivo::survey
