// The answer's rounding and sentences.
#include "window/survey_answer.h"

#include <cmath>

namespace kestrivo::window {

TotalInWords total_in_words(const survey::ReportRow& total_row) {
    const survey::Estimate dogs = survey::total_dogs(total_row);
    return {dogs.value, dogs.lower, dogs.upper, total_row.error};
}

QString people_number(double value, const QLocale& locale) {
    if (!std::isfinite(value)) return QStringLiteral("?");
    double rounded = std::round(value);
    if (std::fabs(value) >= 1000) {
        const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 2);
        rounded = std::round(value / unit) * unit;
    }
    return locale.toString(static_cast<qlonglong>(rounded));
}

QString dogs_sentence(const TotalInWords& total, double level, const QLocale& locale) {
    if (!total.dogs) {
        return QStringLiteral("No total of the city's dogs: %1.")
            .arg(QString::fromStdString(total.why_not));
    }
    QString text = QStringLiteral("About %1 dogs").arg(people_number(*total.dogs, locale));
    if (total.lower && total.upper) {
        text += QStringLiteral(", %1% between %2 and %3")
                    .arg(locale.toString(std::round(level * 100)))
                    .arg(people_number(*total.lower, locale), people_number(*total.upper, locale));
    } else {
        text += QStringLiteral(" (no interval: see the total row's note)");
    }
    return text + QStringLiteral(".");
}

QString doses_sentence(const TotalInWords& total, double coverage, const QLocale& locale) {
    if (!total.dogs) return QString();
    const QString percent = locale.toString(std::round(coverage * 100));
    QString text = QStringLiteral("%1 vaccine doses for %2% coverage")
                       .arg(people_number(coverage * *total.dogs, locale), percent);
    if (total.lower && total.upper) {
        text += QStringLiteral(" (between %1 and %2)")
                    .arg(people_number(coverage * *total.lower, locale),
                         people_number(coverage * *total.upper, locale));
    }
    return text + QStringLiteral(".");
}

namespace {

QString percent(double share, const QLocale& locale) {
    return locale.toString(std::round(share * 100)) + QStringLiteral("%");
}

}  // namespace

QString coverage_sentence(const survey::CoverageCells& coverage, double level,
                          const QLocale& locale) {
    if (!std::isfinite(coverage.coverage)) return QString();
    QString text =
        QStringLiteral("%1 of the dogs are vaccinated").arg(percent(coverage.coverage, locale));
    if (std::isfinite(coverage.lower) && std::isfinite(coverage.upper)) {
        text += QStringLiteral(", %1% between %2 and %3")
                    .arg(locale.toString(std::round(level * 100)))
                    .arg(percent(coverage.lower, locale), percent(coverage.upper, locale));
    }
    return text + QStringLiteral(".");
}

QString doses_needed_sentence(const survey::CoverageCells& coverage, double target,
                              const QLocale& locale) {
    if (!std::isfinite(coverage.doses)) return QString();
    if (coverage.doses <= 0 && !(coverage.doses_upper > 0)) {
        return QStringLiteral("The target of %1 is reached.").arg(percent(target, locale));
    }
    QString text = QStringLiteral("%1 doses still needed to reach %2")
                       .arg(people_number(coverage.doses, locale), percent(target, locale));
    if (std::isfinite(coverage.doses_lower) && std::isfinite(coverage.doses_upper)) {
        text += QStringLiteral(" (between %1 and %2)")
                    .arg(people_number(coverage.doses_lower, locale),
                         people_number(coverage.doses_upper, locale));
    }
    return text + QStringLiteral(".");
}

QString coverage_standing(const survey::CoverageCells& coverage, double target,
                          const QLocale& locale) {
    if (!std::isfinite(coverage.lower) || !std::isfinite(coverage.upper))
        return QStringLiteral("no interval");
    if (coverage.upper < target) {
        return QStringLiteral("below %1: send a team back").arg(percent(target, locale));
    }
    if (coverage.lower < target) return QStringLiteral("uncertain");
    return QString();
}

QString assumption_sentence(bool weighted) {
    const QString sample = weighted
                               ? QStringLiteral(
                                     "The interval takes each block's design weight as given, "
                                     "the blocks as drawn with replacement within their stratum.")
                               : QStringLiteral(
                                     "The interval assumes the blocks of each stratum were drawn "
                                     "at random.");
    return sample + QStringLiteral(
                        " Where dogs without a territory differ in how shy they are, three counts "
                        "cannot show it and the total is a lower bound: four or five counts, or "
                        "marked dogs, measure it.");
}

}  // namespace kestrivo::window
