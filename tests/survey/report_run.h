// The survey report as the survey room's tests run it: a survey's text on standard input (or
// files), with the likelihood library linked in; the rows kept as values, or the text written;
// and each refused design kept as its value while it is worded as the command line words it.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/design_words.h"
#include "library/kestrivo.h"
#include "survey/survey_report.h"

namespace kestrivo::tests {

inline const analysis::Library kLibrary{RLOGLIK};

/// What a report made as rows.
struct RowsRun {
    int status = 0;
    survey::ReportRows rows;
    std::string err;
    std::vector<survey::DesignRefusal> refusals;  // each design the report refused, as worded
};

/// What a report wrote as text.
struct TextRun {
    int status = 0;
    std::string out, err;
    std::vector<survey::DesignRefusal> refusals;
};

namespace detail {

// Keeps each refusal the report words, and words it as the command line does.
inline std::shared_ptr<std::vector<survey::DesignRefusal>> keep_refusals(
    survey::ReportOptions& options) {
    auto kept = std::make_shared<std::vector<survey::DesignRefusal>>();
    options.refusal_words = [kept](const survey::DesignRefusal& refusal) {
        kept->push_back(refusal);
        return cli::command_line_words(refusal);
    };
    return kept;
}

}  // namespace detail

/// The report of `options` to a ReportRows sink, `standard_input` its "-".
inline RowsRun report_rows(survey::ReportOptions options, const std::string& standard_input = "") {
    const auto kept = detail::keep_refusals(options);
    std::istringstream in(standard_input);
    std::ostringstream err;
    RowsRun run;
    run.status = survey::report_survey(options, kLibrary, in, run.rows, err, false, nullptr);
    run.err = err.str();
    run.refusals = *kept;
    return run;
}

/// The pooled report of `survey` on standard input as rows, its city total from 300 replicates.
inline RowsRun pooled_report_rows(survey::ReportOptions options, const std::string& survey) {
    options.files = {"-"};
    options.pool = true;
    options.bootstrap = 300;
    return report_rows(options, survey);
}

/// The report of `options` as text in its format.
inline TextRun report_text(survey::ReportOptions options, const std::string& standard_input = "") {
    const auto kept = detail::keep_refusals(options);
    std::istringstream in(standard_input);
    std::ostringstream out, err;
    TextRun run;
    run.status = survey::report_survey(options, kLibrary, in, out, err, false, nullptr);
    run.out = out.str();
    run.err = err.str();
    run.refusals = *kept;
    return run;
}

}  // namespace kestrivo::tests
