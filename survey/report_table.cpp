// ReportTable: the report's numbers into cells, cells into CSV or JSON.
#include "survey/report_table.h"

#include <cmath>
#include <unordered_set>

#include "platform/number_text.h"
#include "survey/csv_writer.h"
#include "survey/json_writer.h"

namespace kestrivo::survey {
namespace {

const char* bound_text(analysis::Bound bound) {
    return bound == analysis::Bound::lower ? "lower" : "upper";
}

}  // namespace

const std::vector<std::string>& ReportTable::report_columns() {
    static const std::vector<std::string> columns = {
        "block", "n",       "S",       "P",     "seen",  "logL",  "S_lo",    "S_hi",    "P_lo",
        "P_hi",  "seen_lo", "seen_hi", "N_hat", "N_lo",  "N_hi",  "S_bound", "P_bound", "deviance",
        "df",    "gof_p",   "lrt_S0",  "lrt_p", "error", "edges", "note"};
    return columns;
}

ReportTable::ReportTable(std::ostream& out, Format format, std::vector<std::string> carried,
                         bool with_pool, bool with_city, int digits)
    : out_(out), format_(format), keys_(report_columns()), digits_(digits) {
    if (with_pool) {
        for (const char* key :
             {"N_pool", "N_pool_lo", "N_pool_hi", "het", "het_df", "het_p", "model",
              "aicc_weight_by_count", "P1", "P2", "P3", "n_any", "seen_any"})
            keys_.push_back(key);
    }
    if (with_city) {
        for (const char* key : {"city_N", "city_se", "city_lo", "city_hi"})
            keys_.push_back(key);
    }
    for (std::size_t i = 0; i < keys_.size(); ++i)
        place_.emplace(keys_[i], i);
    // A carried column that bears the name of one of ours keeps its values under a name of its
    // own rather than overwriting ours.
    std::unordered_set<std::string> taken(keys_.begin(), keys_.end());
    for (std::string& name : carried) {
        while (!taken.insert(name).second)
            name += " (input)";
        keys_.push_back(name);
    }
    if (format_ == Format::json) {
        out_ << "[";
        return;
    }
    write_csv_row(out_, std::vector<Cell>(keys_.begin(), keys_.end()), digits_);
}

std::size_t ReportTable::at(const std::string& key) const {
    return place_.at(key);
}

void ReportTable::row(const std::string& label, const std::vector<std::string>& carried_values,
                      const analysis::Report* report, const SurveyCells& survey,
                      const std::string& error, RowKind kind) {
    std::vector<Cell> v(place_.size());
    // A number that is no number (a limit not computed) is an empty cell.
    const auto set = [&](const char* key, Cell value) {
        if (const double* d = std::get_if<double>(&value); d && std::isnan(*d)) return;
        v[at(key)] = std::move(value);
    };
    set("block", label);
    if (!error.empty()) set("error", error);
    std::string note;
    if (report) {
        if (report->n) set("n", *report->n);
        if (report->estimates) {
            const auto& e = *report->estimates;
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
        interval(report->s_limits, "S_lo", "S_hi");
        interval(report->p_limits, "P_lo", "P_hi");
        interval(report->seen_limits, "seen_lo", "seen_hi");
        if (report->dogs) {
            set("N_hat", report->dogs->estimate);
            set("N_lo", report->dogs->lower);
            // A block where nobody was identified has no upper limit to give: left empty.
            if (!report->empty_block) set("N_hi", report->dogs->upper);
        }
        if (report->s_bound != analysis::Bound::none)
            set("S_bound", std::string(bound_text(report->s_bound)));
        if (report->p_bound != analysis::Bound::none)
            set("P_bound", std::string(bound_text(report->p_bound)));
        if (report->fit_check) {
            set("deviance", report->fit_check->deviance);
            set("df", std::int64_t{report->fit_check->df});
            set("gof_p", report->fit_check->p);
        }
        if (report->always_visible) {
            set("lrt_S0", report->always_visible->statistic);
            set("lrt_p", report->always_visible->p);
        }
        if (const std::string edges = analysis::limits_at_edges(*report); !edges.empty()) {
            set("edges", edges);
        }
        note = analysis::pieces_note(
            *report, [this](double x) { return platform::digits_text(x, digits_); });
        if (report->estimates && !report->estimates->p_identified) note = report->p_limits.why_not;
    }
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
    if (survey.seven) {
        const auto& fit = survey.seven->chosen_fit();
        set("model", std::string(analysis::model_name(survey.seven->chosen)));
        set("aicc_weight_by_count", survey.seven->weight_by_count);
        set("P1", fit.P[0]);
        set("P2", fit.P[1]);
        set("P3", fit.P[2]);
        set("n_any", survey.seven->seen_at_least_once);
        set("seen_any", survey.seven->seen_any);
    }
    if (survey.n_any) set("n_any", *survey.n_any);
    if (survey.total) {
        set("n", survey.total->first_count);
        if (survey.total->seen_at_least_once && place_.count("n_any")) {
            set("n_any", *survey.total->seen_at_least_once);
        }
        if (survey.total->dogs) set("city_N", *survey.total->dogs);
        if (survey.total->standard_error) set("city_se", *survey.total->standard_error);
        if (survey.total->lower) set("city_lo", *survey.total->lower);
        if (survey.total->upper) set("city_hi", *survey.total->upper);
    }
    if (!survey.note.empty()) note += (note.empty() ? "" : "; ") + survey.note;
    if (!note.empty()) set("note", note);
    for (const std::string& value : carried_values)
        v.emplace_back(value);
    write(v);
    if (map_) map_->row(kind, v);
}

void ReportTable::write(const std::vector<Cell>& values) {
    if (format_ == Format::json) {
        std::vector<JsonMember> members;
        members.reserve(keys_.size());
        for (std::size_t i = 0; i < keys_.size(); ++i)
            members.emplace_back(keys_[i],
                                 json_value(i < values.size() ? values[i] : Cell(), digits_));
        out_ << (first_row_ ? "\n" : ",\n") << json_object(members);
    } else {
        write_csv_row(out_, values, digits_);
    }
    first_row_ = false;
}

void ReportTable::finish() {
    if (format_ == Format::json) out_ << (first_row_ ? "]\n" : "\n]\n");
    out_.flush();
}

}  // namespace kestrivo::survey
