// SurveyJob: report_survey on a thread of its own, its rows or its text kept.
#include "window/survey_job.h"

#include <sstream>

namespace kestrivo::window {

SurveyJobResult SurveyJob::run(const SurveySource& source, survey::ReportOptions options,
                               const analysis::Library& library, Keep keep,
                               const std::atomic<bool>* cancel) {
    options.files = {source.text ? std::string("-") : source.path};
    options.program = "Kestrivo";
    options.cancel = cancel;
    std::istringstream in(source.text.value_or(""));
    std::ostringstream out, err;
    SurveyJobResult result;
    // A refused design is told in the caller's words alone, without the messages' program name.
    options.refusal_words = [&result,
                             words = options.refusal_words](const survey::DesignRefusal& refusal) {
        result.refused = words ? words(refusal) : std::string();
        return result.refused;
    };
    if (keep == Keep::rows) {
        auto rows = std::make_shared<survey::ReportRows>();
        result.status = survey::report_survey(options, library, in, *rows, err, false, nullptr);
        result.rows = std::move(rows);
    } else {
        result.status = survey::report_survey(options, library, in, out, err, false, nullptr);
        result.output = out.str();
    }
    result.errors = err.str();
    result.stopped = cancel && cancel->load();
    return result;
}

SurveyJob::SurveyJob(SurveySource source, survey::ReportOptions options, analysis::Library library,
                     Keep keep, std::function<void(SurveyJobResult)> done)
    : thread_([this, source = std::move(source), options = std::move(options), library, keep,
               done = std::move(done)] {
          SurveyJobResult result = run(source, options, library, keep, &cancel_);
          if (!result.stopped && done) done(std::move(result));
      }) {}

SurveyJob::~SurveyJob() {
    cancel_ = true;
    if (thread_.joinable()) thread_.join();
}

}  // namespace kestrivo::window
