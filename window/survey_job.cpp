// run_survey_report: report_survey from the file or from the text in memory, its rows or its
// text kept.
#include "window/survey_job.h"

#include <sstream>

namespace kestrivo::window {

SurveyJobResult run_survey_report(const SurveySource& source, survey::ReportOptions options,
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

}  // namespace kestrivo::window
