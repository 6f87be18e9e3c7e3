// run_survey_report: report_survey into strings, from the file or from the text in memory.
#include "window/survey_job.h"

#include <sstream>

namespace kestrivo::window {

SurveyJobResult run_survey_report(const SurveySource& source, survey::ReportOptions options,
                                  const analysis::Library& library,
                                  const std::atomic<bool>* cancel) {
    options.files = {source.text ? std::string("-") : source.path};
    options.program = "Kestrivo";
    options.cancel = cancel;
    std::istringstream in(source.text.value_or(""));
    std::ostringstream out, err;
    SurveyJobResult result;
    result.status = survey::report_survey(options, library, in, out, err, false, nullptr);
    result.output = out.str();
    result.errors = err.str();
    result.stopped = cancel && cancel->load();
    return result;
}

}  // namespace kestrivo::window
