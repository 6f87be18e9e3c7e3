// The survey window's work off the window's thread: the very survey report kestrivo-report runs
// (survey/survey_report.h), into a text, and back to the window when done. A job can be stopped:
// closing the window or changing the design stops what runs, and the window never waits on it
// to answer the user.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "analysis/inference_report.h"
#include "survey/survey_report.h"

namespace kestrivo::window {

/// Where the survey comes from: a file, or a text (a field export tabulated in memory).
struct SurveySource {
    std::string name;  // for messages and titles
    std::string path;  // the file; empty when `text` holds the survey
    std::optional<std::string> text;
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

class SurveyJob {
public:
    /// Starts the report of `source` under `options` (its files are set here). `done` is called
    /// on the worker thread when the report ends, unless the job was stopped.
    SurveyJob(SurveySource source, survey::ReportOptions options, analysis::Library library,
              Keep keep, std::function<void(SurveyJobResult)> done);
    /// Stops the job and waits for its thread, which stops at its next batch of blocks or of
    /// bootstrap replicates.
    ~SurveyJob();
    SurveyJob(const SurveyJob&) = delete;
    SurveyJob& operator=(const SurveyJob&) = delete;

    void stop() { cancel_ = true; }

    /// The same report run here, to the end: for an export, which must be the report's bytes.
    static SurveyJobResult run(const SurveySource& source, survey::ReportOptions options,
                               const analysis::Library& library, Keep keep,
                               const std::atomic<bool>* cancel = nullptr);

private:
    std::atomic<bool> cancel_{false};
    std::thread thread_;
};

}  // namespace kestrivo::window
