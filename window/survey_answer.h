// The survey's answer in words, as the survey window shows it large and the PDF report prints
// it: the city's dogs with their interval and the vaccine doses for a coverage, each number
// rounded to what the interval can tell (three significant digits) and written with the
// thousands separators of the user's locale. No widgets.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <string>

#include "survey/report_rows.h"

namespace kestrivo::window {

/// A total and its interval, as the report's total row gives them.
struct TotalInWords {
    std::optional<double> dogs, lower, upper;
    std::string why_not;  // the report's reason when there is no total
};

/// A total row of the report: its dogs with their limits, and its error.
TotalInWords total_in_words(const survey::ReportRow& total_row);

/// `value` to three significant digits (at least whole), in `locale`'s digits: 6879.9 is
/// "6,880", 42.4 is "42", 0 is "0".
QString people_number(double value, const QLocale& locale);

/// `number` followed by the percent sign as the window's language writes it: "70%" in English,
/// "70 %" (with a no-break space) in French.
QString percent_sign(const QString& number);

/// "about 6,880 dogs, 95% between 5,430 and 8,720", or why there is no such sentence.
QString dogs_sentence(const TotalInWords& total, double level, const QLocale& locale);

/// "4,820 vaccine doses for 70% coverage (between 3,800 and 6,100)": coverage times the dogs.
QString doses_sentence(const TotalInWords& total, double coverage, const QLocale& locale);

/// "71% of the dogs are vaccinated, 95% between 65% and 76%.", from a total row's coverage.
QString coverage_sentence(const survey::CoverageCells& coverage, double level,
                          const QLocale& locale);

/// "1,200 doses still needed to reach 70% (between 900 and 1,500).", or that the target is met.
QString doses_needed_sentence(const survey::CoverageCells& coverage, double target,
                              const QLocale& locale);

/// "below 70%: send a team back", "uncertain", "no interval" where the stratum has none, or ""
/// where the interval lies above the target.
QString coverage_standing(const survey::CoverageCells& coverage, double target,
                          const QLocale& locale);

/// What the interval assumes, in one line: blocks drawn at random within strata, or the design
/// weights as given.
QString assumption_sentence(bool weighted);

}  // namespace kestrivo::window
