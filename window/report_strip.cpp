// report_strip_text: percentages with two decimals as the window shows the share seen, dogs as
// whole numbers, p-values with three decimals.
#include "window/report_strip.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

#include "window/report_reasons.h"

namespace kestrivo::window {

using kestrivo::analysis::Bound;
using kestrivo::analysis::Interval;
using kestrivo::analysis::Report;

namespace {

// The translations (i18n/*.ts) hold the strip's words under this name.
class ReportStrip {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::ReportStrip)
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString percent(double share, const platform::NumberLocale& locale) {
    return text(platform::format_pattern(share * 100, "0.00", locale));
}

// "45.91–56.96%", with "(edge)" after a limit that stopped at the edge of the fit's range.
QString percent_range(const Interval& limits, const platform::NumberLocale& locale) {
    const QString edge = ReportStrip::tr(" (edge)");
    return ReportStrip::tr("%1–%2%", "a range of percentages")
               .arg(percent(limits.lower, locale) + (limits.lower_at_bound ? edge : QString()),
                    percent(limits.upper, locale)) +
           (limits.upper_at_bound ? edge : QString());
}

QString limits_line(const Report& report, bool profile_p, const platform::NumberLocale& locale) {
    const QString parameter = profile_p ? QStringLiteral("P") : QStringLiteral("S");
    const auto& limits = profile_p ? report.p_limits : report.s_limits;
    QString body;
    if (limits && !limits->pieces.empty()) {
        // No one span holds the values within the limits: each piece is named.
        QStringList pieces;
        for (const auto& [lower, upper] : limits->pieces) {
            Interval piece;
            piece.lower = lower;
            piece.upper = upper;
            pieces << percent_range(piece, locale);
        }
        body = ReportStrip::tr("%1 in %2 separate pieces %3")
                   .arg(parameter, QString::number(pieces.size()),
                        pieces.join(ReportStrip::tr(" and ", "between two pieces of the limits")));
    } else {
        body = limits ? parameter + QStringLiteral(" ") + percent_range(*limits, locale)
                      : parameter + QStringLiteral(": ") + report_reason(limits.why_not);
    }
    QString line = ReportStrip::tr("95% limits: %1").arg(body);
    if (report.seen_limits) {
        line += ReportStrip::tr(", seen %1").arg(percent_range(*report.seen_limits, locale));
    }
    if (report.dogs) {
        const auto whole = [&](double n) { return text(platform::format_pattern(n, "0", locale)); };
        line += ReportStrip::tr("; dogs on the block %1 (%2–%3)")
                    .arg(whole(report.dogs->estimate), whole(report.dogs->lower),
                         std::isfinite(report.dogs->upper) ? whole(report.dogs->upper)
                                                           : ReportStrip::tr("no upper limit"));
    }
    return line + QStringLiteral(".");
}

QString bound_sentence(const char* parameter, Bound bound, const platform::NumberLocale& locale) {
    const bool lower = bound == Bound::lower;
    const QString edge = text(platform::format_pattern(
        lower ? kestrivo::analysis::kLowerBound : kestrivo::analysis::kUpperBound, "0.00", locale));
    return (lower ? ReportStrip::tr("%1 lies on the lower edge of its range (%2): the estimate and "
                                    "its limit stop there.")
                  : ReportStrip::tr("%1 lies on the upper edge of its range (%2): the estimate and "
                                    "its limit stop there."))
        .arg(QString::fromLatin1(parameter), edge);
}

QString fit_line(const Report& report, const platform::NumberLocale& locale) {
    if (!report.fit_check)
        return ReportStrip::tr("Fit check: %1.").arg(report_reason(report.fit_check.why_not));
    const auto& fit = *report.fit_check;
    const QString p =
        fit.p < 0.001
            ? QStringLiteral("p < ") + text(platform::format_pattern(0.001, "0.000", locale))
            : QStringLiteral("p = ") + text(platform::format_pattern(fit.p, "0.000", locale));
    return (fit.p < 0.05
                ? ReportStrip::tr(
                      "Fit check: G² = %1 on %2 df, %3: the model fits these counts poorly.")
                : ReportStrip::tr("Fit check: G² = %1 on %2 df, %3: no sign of a poor fit."))
        .arg(text(platform::format_pattern(fit.deviance, "0.00", locale)), QString::number(fit.df),
             p);
}

// Where the window's fit stopped, when that is not the maximum the report is built on.
QString fits_apart_line(const Report& report, const platform::NumberLocale& locale) {
    if (!report.fits_apart) return {};
    const auto where = [&](const kestrivo::analysis::Fit& f) {
        return ReportStrip::tr("S = %1, P = %2 (log likelihood %3)")
            .arg(text(platform::format_pattern(f.s, "0.0000", locale)),
                 text(platform::format_pattern(f.p, "0.0000", locale)),
                 text(platform::format_pattern(f.log_likelihood, "0.000000", locale)));
    };
    const auto& [entry, closed_form] = *report.fits_apart;
    if (entry.log_likelihood < closed_form.log_likelihood) {
        return QStringLiteral("\n") +
               ReportStrip::tr(
                   "The fit stopped at %1, short of the maximum at %2: the report is "
                   "of the maximum.")
                   .arg(where(entry), where(closed_form));
    }
    return QStringLiteral("\n") +
           ReportStrip::tr("The fit found %1, above %2: the report is of the fit's point.")
               .arg(where(entry), where(closed_form));
}

QString strip_words(const Report& report, bool profile_p, const platform::NumberLocale& locale) {
    if (!report.estimates) {
        return ReportStrip::tr("No report: %1.").arg(report_reason(report.estimates.why_not));
    }
    QStringList bounds;
    if (report.s_bound != Bound::none) bounds << bound_sentence("S", report.s_bound, locale);
    if (report.p_bound != Bound::none) bounds << bound_sentence("P", report.p_bound, locale);
    const QString edges = bounds.isEmpty() ? QString() : bounds.join(QStringLiteral(" ")) + "\n";
    return limits_line(report, profile_p, locale) + "\n" + edges + fit_line(report, locale) +
           fits_apart_line(report, locale);
}

QString description_words(const Report& report, const plot::PlotPicture& picture,
                          const platform::NumberLocale& locale) {
    const QString parameter = picture.profile_p ? QStringLiteral("P") : QStringLiteral("S");
    if (picture.y.empty()) {
        return ReportStrip::tr("Profile log likelihood of %1: the plotting range holds no point.")
            .arg(parameter);
    }
    const auto whole = [&](double x) { return text(platform::format_pattern(x, "0", locale)); };
    std::size_t top = 0;
    for (std::size_t i = 1; i < picture.y.size(); ++i) {
        if (picture.y[i] > picture.y[top]) top = i;
    }
    QString description =
        ReportStrip::tr("Profile log likelihood of %1 from %2% to %3%: highest, %4, at %5%.")
            .arg(parameter, whole(picture.x.front()), whole(picture.x.back()),
                 text(platform::format_pattern(picture.y[top], "0.000", locale)),
                 whole(picture.x[top]));
    const auto& limits = picture.profile_p ? report.p_limits : report.s_limits;
    if (limits) {
        description +=
            QStringLiteral(" ") +
            ReportStrip::tr("The 95% limits of %1 are %2% and %3%.")
                .arg(parameter, percent(limits->lower, locale), percent(limits->upper, locale));
    }
    return description;
}

}  // namespace

// The public functions return through the helpers above: lupdate loses the class's namespace in
// a function whose return type is qualified by another namespace.
std::string report_strip_text(const Report& report, bool profile_p,
                              const platform::NumberLocale& locale) {
    return strip_words(report, profile_p, locale).toStdString();
}

std::string plot_description(const Report& report, const plot::PlotPicture& picture,
                             const platform::NumberLocale& locale) {
    return description_words(report, picture, locale).toStdString();
}

std::vector<std::vector<std::string>> results_table(const Report& report,
                                                    const platform::NumberLocale& locale) {
    using Table = std::vector<std::vector<std::string>>;
    const auto words = [](const char* source) { return ReportStrip::tr(source).toStdString(); };
    const auto number = [&](double v) {
        return std::isinf(v) ? words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip", "no limit"))
                             : platform::general_text(v, locale);
    };
    Table table = {{words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip", "quantity")),
                    words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip", "estimate")),
                    words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip", "95% lower")),
                    words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip", "95% upper")),
                    words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip", "note"))}};
    const char* histories[] = {"1,0,0", "1,1,1", "1,0,1", "1,1,0"};
    for (int h = 0; h < 4; ++h) {
        table.push_back(
            {ReportStrip::tr("frequency %1").arg(QLatin1String(histories[h])).toStdString(),
             std::to_string(report.request.counts[std::size_t(h)]), "", "", ""});
    }
    if (!report.estimates) {
        table.push_back({words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip", "no estimate")),
                         "", "", "", report_reason(report.estimates.why_not).toStdString()});
        return table;
    }
    const auto& e = *report.estimates;
    const auto note = [&](Bound bound) {
        return bound == Bound::lower   ? words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip",
                                                                 "on the lower edge of its range"))
               : bound == Bound::upper ? words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip",
                                                                 "on the upper edge of its range"))
                                       : std::string();
    };
    const auto row = [&](const std::string& name, double value,
                         const kestrivo::analysis::Quantity<Interval>& limits, std::string note) {
        if (!limits) {
            table.push_back(
                {name, number(value), "", "", report_reason(limits.why_not).toStdString()});
            return;
        }
        table.push_back({name, number(value), number(limits->lower), number(limits->upper), note});
    };
    row("S", e.S, report.s_limits, note(report.s_bound));
    row("P", e.P, report.p_limits, note(report.p_bound));
    row(words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip",
                                "share of all dogs seen on one count")),
        e.seen, report.seen_limits, "");
    table.push_back(
        {words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip", "maximum log likelihood")),
         number(e.log_likelihood), "", "", ""});
    table.push_back({words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip",
                                             "dogs identified on the first count")),
                     std::to_string(*report.n), "", "", ""});
    if (report.dogs) {
        table.push_back(
            {words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip", "dogs on the block")),
             number(report.dogs->estimate), number(report.dogs->lower), number(report.dogs->upper),
             ""});
    }
    if (report.fit_check) {
        table.push_back(
            {words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip", "fit check: G²")),
             number(report.fit_check->deviance), "", "",
             ReportStrip::tr("df %1, p = %2")
                 .arg(QString::number(report.fit_check->df), text(number(report.fit_check->p)))
                 .toStdString()});
    }
    if (report.always_visible) {
        table.push_back({words(QT_TRANSLATE_NOOP("kestrivo::window::ReportStrip",
                                                 "test of S = 0 (no always-visible dogs)")),
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
