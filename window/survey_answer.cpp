// The answer's rounding and sentences.
#include "window/survey_answer.h"

#include <QCoreApplication>
#include <cmath>

#include "window/report_reasons.h"

namespace kestrivo::window {
namespace {

// The translations (i18n/*.ts) hold the answer's sentences under this name. Each sentence is
// whole, with its numbers as placeholders, so that a language can put them where it needs them.
class SurveyAnswer {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::SurveyAnswer)
};

}  // namespace

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

QString percent_sign(const QString& number) {
    //: A number in percent; French writes a no-break space before the sign.
    return SurveyAnswer::tr("%1%", "a number in percent").arg(number);
}

QString dogs_sentence(const TotalInWords& total, double level, const QLocale& locale) {
    if (!total.dogs) {
        //: %1 is the report's reason.
        return SurveyAnswer::tr("No total of the city's dogs: %1.")
            .arg(report_reason(total.why_not));
    }
    const QString dogs = people_number(*total.dogs, locale);
    if (total.lower && total.upper) {
        //: %1 dogs in the city; %2 the interval's level in percent; %3 and %4 its limits.
        return SurveyAnswer::tr("About %1 dogs, %2% between %3 and %4.")
            .arg(dogs, locale.toString(std::round(level * 100)),
                 people_number(*total.lower, locale), people_number(*total.upper, locale));
    }
    return SurveyAnswer::tr("About %1 dogs (no interval: see the total row's note).").arg(dogs);
}

QString doses_sentence(const TotalInWords& total, double coverage, const QLocale& locale) {
    if (!total.dogs) return QString();
    const QString percent = locale.toString(std::round(coverage * 100));
    const QString doses = people_number(coverage * *total.dogs, locale);
    if (total.lower && total.upper) {
        //: %1 doses for a coverage of %2 percent of the dogs; %3 and %4 the doses' interval.
        return SurveyAnswer::tr("%1 vaccine doses for %2% coverage (between %3 and %4).")
            .arg(doses, percent, people_number(coverage * *total.lower, locale),
                 people_number(coverage * *total.upper, locale));
    }
    return SurveyAnswer::tr("%1 vaccine doses for %2% coverage.").arg(doses, percent);
}

namespace {

QString percent(double share, const QLocale& locale) {
    return percent_sign(locale.toString(std::round(share * 100)));
}

}  // namespace

QString coverage_sentence(const survey::CoverageCells& coverage, double level,
                          const QLocale& locale) {
    if (!std::isfinite(coverage.coverage)) return QString();
    const QString vaccinated = percent(coverage.coverage, locale);
    if (std::isfinite(coverage.lower) && std::isfinite(coverage.upper)) {
        //: %1 is a percentage with its sign; %2 the interval's level in percent; %3 and %4 its
        //: limits, percentages with their sign.
        return SurveyAnswer::tr("%1 of the dogs are vaccinated, %2% between %3 and %4.")
            .arg(vaccinated, locale.toString(std::round(level * 100)),
                 percent(coverage.lower, locale), percent(coverage.upper, locale));
    }
    //: %1 is a percentage with its sign.
    return SurveyAnswer::tr("%1 of the dogs are vaccinated.").arg(vaccinated);
}

QString doses_needed_sentence(const survey::CoverageCells& coverage, double target,
                              const QLocale& locale) {
    if (!std::isfinite(coverage.doses)) return QString();
    if (coverage.doses <= 0 && !(coverage.doses_upper > 0)) {
        //: %1 is the target coverage, a percentage with its sign.
        return SurveyAnswer::tr("The target of %1 is reached.").arg(percent(target, locale));
    }
    const QString doses = people_number(coverage.doses, locale);
    if (std::isfinite(coverage.doses_lower) && std::isfinite(coverage.doses_upper)) {
        //: %2 is the target coverage, a percentage with its sign; %3 and %4 the doses' interval.
        return SurveyAnswer::tr("%1 doses still needed to reach %2 (between %3 and %4).")
            .arg(doses, percent(target, locale), people_number(coverage.doses_lower, locale),
                 people_number(coverage.doses_upper, locale));
    }
    return SurveyAnswer::tr("%1 doses still needed to reach %2.")
        .arg(doses, percent(target, locale));
}

QString coverage_standing(const survey::CoverageCells& coverage, double target,
                          const QLocale& locale) {
    //: A stratum's vaccination coverage has no interval.
    if (!std::isfinite(coverage.lower) || !std::isfinite(coverage.upper))
        return SurveyAnswer::tr("no interval");
    if (coverage.upper < target) {
        //: %1 is the target coverage; the whole interval lies below it.
        return SurveyAnswer::tr("below %1: send a team back").arg(percent(target, locale));
    }
    //: The coverage's interval holds the target: it may or may not be met.
    if (coverage.lower < target) return SurveyAnswer::tr("uncertain");
    return QString();
}

QString assumption_sentence(bool weighted) {
    const QString sample =
        weighted ? SurveyAnswer::tr(
                       "The interval takes each block's design weight as given, the "
                       "blocks as drawn with replacement within their stratum.")
                 : SurveyAnswer::tr(
                       "The interval assumes the blocks of each stratum were drawn at random.");
    //: Dogs without a territory are seen on some counts only; "shy" means less often seen.
    return sample + QLatin1Char(' ') +
           SurveyAnswer::tr(
               "Where dogs without a territory differ in how shy they are, three counts cannot "
               "show it and the total is a lower bound: four or five counts, or marked dogs, "
               "measure it.");
}

}  // namespace kestrivo::window
