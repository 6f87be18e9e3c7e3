// report_strip_text: percentages with two decimals as the window shows the share seen, dogs as
// whole numbers, p-values with three decimals.
#include "report_strip.h"

#include <cmath>

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
    line += limits ? std::string(parameter) + " " + percent_range(*limits, locale)
                   : std::string(parameter) + ": " + limits.why_not;
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

}  // namespace

std::string report_strip_text(const Report& report, bool profile_p,
                              const platform::NumberLocale& locale) {
    if (!report.estimates) return "No report: " + report.estimates.why_not + ".";
    std::string bounds =
        bound_sentence("S", report.s_bound, locale) + bound_sentence("P", report.p_bound, locale);
    if (!bounds.empty()) bounds.back() = '\n';
    return limits_line(report, profile_p, locale) + "\n" + bounds + fit_line(report, locale);
}
