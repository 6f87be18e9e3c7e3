// report_strip_text: percentages with two decimals as the window shows the share seen, dogs as
// whole numbers, p-values with three decimals.
#include "window/report_strip.h"

#include <cmath>

namespace kestrivo::window {

using kestrivo::analysis::Bound;
using kestrivo::analysis::Interval;
using kestrivo::analysis::Report;

namespace {

std::string percent(double share, const platform::NumberLocale& locale) {
    return platform::format_pattern(share * 100, "0.00", locale);
}

// "45.91–56.96%", with "(edge)" after a limit that stopped at the edge of the fit's range.
std::string percent_range(const Interval& limits, const platform::NumberLocale& locale) {
    return percent(limits.lower, locale) + (limits.lower_at_bound ? " (edge)" : "") + "–" +
           percent(limits.upper, locale) + "%" + (limits.upper_at_bound ? " (edge)" : "");
}

std::string limits_line(const Report& report, bool profile_p,
                        const platform::NumberLocale& locale) {
    const char* parameter = profile_p ? "P" : "S";
    const auto& limits = profile_p ? report.p_limits : report.s_limits;
    std::string line = "95% limits: ";
    if (limits && !limits->pieces.empty()) {
        // No one span holds the values within the limits: each piece is named.
        line += std::string(parameter) + " in " + std::to_string(limits->pieces.size()) +
                " separate pieces";
        for (std::size_t i = 0; i < limits->pieces.size(); ++i) {
            Interval piece;
            piece.lower = limits->pieces[i].first;
            piece.upper = limits->pieces[i].second;
            line += (i ? " and " : " ") + percent_range(piece, locale);
        }
    } else {
        line += limits ? std::string(parameter) + " " + percent_range(*limits, locale)
                       : std::string(parameter) + ": " + limits.why_not;
    }
    if (report.seen_limits) line += ", seen " + percent_range(*report.seen_limits, locale);
    if (report.dogs) {
        const auto whole = [&](double n) { return platform::format_pattern(n, "0", locale); };
        line += "; dogs on the block " + whole(report.dogs->estimate) + " (" +
                whole(report.dogs->lower) + "–" +
                (std::isfinite(report.dogs->upper) ? whole(report.dogs->upper)
                                                   : std::string("no upper limit")) +
                ")";
    }
    return line + ".";
}

std::string bound_sentence(const char* parameter, Bound bound,
                           const platform::NumberLocale& locale) {
    if (bound == Bound::none) return "";
    const bool lower = bound == Bound::lower;
    return std::string(parameter) + " lies on the " + (lower ? "lower" : "upper") +
           " edge of its range (" +
           platform::format_pattern(
               lower ? kestrivo::analysis::kLowerBound : kestrivo::analysis::kUpperBound, "0.00",
               locale) +
           "): the estimate and its limit stop there. ";
}

std::string fit_line(const Report& report, const platform::NumberLocale& locale) {
    if (!report.fit_check) return "Fit check: " + report.fit_check.why_not + ".";
    const auto& fit = *report.fit_check;
    const std::string p = fit.p < 0.001 ? "p < " + platform::format_pattern(0.001, "0.000", locale)
                                        : "p = " + platform::format_pattern(fit.p, "0.000", locale);
    return "Fit check: G² = " + platform::format_pattern(fit.deviance, "0.00", locale) + " on " +
           std::to_string(fit.df) + " df, " + p +
           (fit.p < 0.05 ? ": the model fits these counts poorly." : ": no sign of a poor fit.");
}

// Where the window's fit stopped, when that is not the maximum the report is built on.
std::string fits_apart_line(const Report& report, const platform::NumberLocale& locale) {
    if (!report.fits_apart) return "";
    const auto where = [&](const kestrivo::analysis::Fit& f) {
        return "S = " + platform::format_pattern(f.s, "0.0000", locale) +
               ", P = " + platform::format_pattern(f.p, "0.0000", locale) + " (log likelihood " +
               platform::format_pattern(f.log_likelihood, "0.000000", locale) + ")";
    };
    const auto& [entry, closed_form] = *report.fits_apart;
    if (entry.log_likelihood < closed_form.log_likelihood) {
        return "\nThe fit stopped at " + where(entry) + ", short of the maximum at " +
               where(closed_form) + ": the report is of the maximum.";
    }
    return "\nThe fit found " + where(entry) + ", above " + where(closed_form) +
           ": the report is of the fit's point.";
}

}  // namespace

std::string report_strip_text(const Report& report, bool profile_p,
                              const platform::NumberLocale& locale) {
    if (!report.estimates) return "No report: " + report.estimates.why_not + ".";
    std::string bounds =
        bound_sentence("S", report.s_bound, locale) + bound_sentence("P", report.p_bound, locale);
    if (!bounds.empty()) bounds.back() = '\n';
    return limits_line(report, profile_p, locale) + "\n" + bounds + fit_line(report, locale) +
           fits_apart_line(report, locale);
}

std::string plot_description(const Report& report, const plot::PlotPicture& picture,
                             const platform::NumberLocale& locale) {
    const char* parameter = picture.profile_p ? "P" : "S";
    if (picture.y.empty()) {
        return std::string("Profile log likelihood of ") + parameter +
               ": the plotting range holds no point.";
    }
    const auto whole = [&](double x) { return platform::format_pattern(x, "0", locale); };
    std::size_t top = 0;
    for (std::size_t i = 1; i < picture.y.size(); ++i) {
        if (picture.y[i] > picture.y[top]) top = i;
    }
    std::string text = std::string("Profile log likelihood of ") + parameter + " from " +
                       whole(picture.x.front()) + "% to " + whole(picture.x.back()) +
                       "%: highest, " + platform::format_pattern(picture.y[top], "0.000", locale) +
                       ", at " + whole(picture.x[top]) + "%.";
    const auto& limits = picture.profile_p ? report.p_limits : report.s_limits;
    if (limits) {
        text += std::string(" The 95% limits of ") + parameter + " are " +
                percent(limits->lower, locale) + "% and " + percent(limits->upper, locale) + "%.";
    }
    return text;
}

std::vector<std::vector<std::string>> results_table(const Report& report,
                                                    const platform::NumberLocale& locale) {
    using Table = std::vector<std::vector<std::string>>;
    const auto number = [&](double v) {
        return std::isinf(v) ? std::string("no limit") : platform::general_text(v, locale);
    };
    Table table = {{"quantity", "estimate", "95% lower", "95% upper", "note"}};
    const char* histories[] = {"1,0,0", "1,1,1", "1,0,1", "1,1,0"};
    for (int h = 0; h < 4; ++h) {
        table.push_back({std::string("frequency ") + histories[h],
                         std::to_string(report.request.counts[std::size_t(h)]), "", "", ""});
    }
    if (!report.estimates) {
        table.push_back({"no estimate", "", "", "", report.estimates.why_not});
        return table;
    }
    const auto& e = *report.estimates;
    const auto note = [](Bound bound) {
        return bound == Bound::lower   ? std::string("on the lower edge of its range")
               : bound == Bound::upper ? std::string("on the upper edge of its range")
                                       : std::string();
    };
    const auto row = [&](const char* name, double value,
                         const kestrivo::analysis::Quantity<Interval>& limits, std::string text) {
        if (!limits) {
            table.push_back({name, number(value), "", "", limits.why_not});
            return;
        }
        table.push_back({name, number(value), number(limits->lower), number(limits->upper), text});
    };
    row("S", e.S, report.s_limits, note(report.s_bound));
    row("P", e.P, report.p_limits, note(report.p_bound));
    row("share of all dogs seen on one count", e.seen, report.seen_limits, "");
    table.push_back({"maximum log likelihood", number(e.log_likelihood), "", "", ""});
    table.push_back({"dogs identified on the first count", std::to_string(*report.n), "", "", ""});
    if (report.dogs) {
        table.push_back({"dogs on the block", number(report.dogs->estimate),
                         number(report.dogs->lower), number(report.dogs->upper), ""});
    }
    if (report.fit_check) {
        table.push_back({"fit check: G²", number(report.fit_check->deviance), "", "",
                         "df " + std::to_string(report.fit_check->df) +
                             ", p = " + number(report.fit_check->p)});
    }
    if (report.always_visible) {
        table.push_back({"test of S = 0 (no always-visible dogs)",
                         number(report.always_visible->statistic), "", "",
                         "p = " + number(report.always_visible->p)});
    }
    return table;
}

std::string tab_separated(const std::vector<std::vector<std::string>>& table) {
    std::string text;
    for (const auto& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text += (i ? "\t" : "") + row[i];
        text += "\n";
    }
    return text;
}

std::string html_table(const std::vector<std::vector<std::string>>& table) {
    const auto escaped = [](const std::string& text) {
        std::string out;
        for (char c : text) {
            out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
        }
        return out;
    };
    std::string html = "<table>";
    for (std::size_t r = 0; r < table.size(); ++r) {
        html += "<tr>";
        for (const std::string& cell : table[r])
            html += (r == 0 ? "<th>" : "<td>") + escaped(cell) + (r == 0 ? "</th>" : "</td>");
        html += "</tr>";
    }
    return html + "</table>";
}

}  // namespace kestrivo::window
