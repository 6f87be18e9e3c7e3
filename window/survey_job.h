// The survey window's work off the window's thread: the very survey report kestrivo-report runs
// (survey/survey_report.h), into rows or a text, with what it said and its status. The window runs
// it on a BackgroundJob (window/background_job.h): closing the window or changing the design stops
// what runs, and the window never waits on it to answer the user. The result is a struct of its
// own, so what the window reads of the report can change without the job's plumbing.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "analysis/inference_report.h"
#include "survey/survey_report.h"

namespace kestrivo::window {

/// Where the survey comes from: a file, or a text (a field export tabulated in memory).
struct SurveySource {
    std::string name;  // for messages and titles
    std::string path;  // the file; empty when `text` holds the survey
    std::optional<std::string> text;
    /// What the window remembers the survey's title by: its files' full paths, one a line.
    std::string remembered_as;
};

/// What a job keeps of the report: its rows as values (the window's table, answer and PDF), or
/// the text it writes (an export, which must be kestrivo-report's bytes).
enum class Keep { rows, text };

struct SurveyJobResult {
    int status = 0;                                  // the report's exit status
    std::shared_ptr<const survey::ReportRows> rows;  // Keep::rows: the rows made
    std::string output;                              // Keep::text: what it wrote
    std::string errors;                              // what it said on its standard error
    std::string refused;  // a refused design, in the words options.refusal_words gave it
    bool stopped = false;
};

/// The report of `source` under `options` (its files are set here), run to its end unless
/// `cancel` is set meanwhile (the result then says it stopped). Whatever calls it waits: the
/// window calls it on its BackgroundJobs' workers.
SurveyJobResult run_survey_report(const SurveySource& source, survey::ReportOptions options,
                                  const analysis::Library& library, Keep keep,
                                  const std::atomic<bool>* cancel = nullptr);

}  // namespace kestrivo::window
