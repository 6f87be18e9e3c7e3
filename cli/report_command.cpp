// run_report: the command line's options as the survey report's.
#include "cli/report_command.h"

namespace kestrivo::cli {

int run_report(const Options& options, const analysis::Library& library,
               std::istream& standard_input, std::ostream& out, std::ostream& err,
               bool err_is_terminal, PlotWriter* plots) {
    survey::ReportOptions report;
    report.design = options.common.design();
    report.design.weight_column = options.weight;
    report.level = options.common.level;
    report.format = options.common.format;
    report.jobs = options.common.jobs;
    report.seed = options.common.seed;
    report.pool = options.pool;
    report.bootstrap = options.bootstrap;
    report.map = options.map;
    report.digits = options.digits;
    report.files = options.files;
    return survey::report_survey(report, library, standard_input, out, err, err_is_terminal, plots);
}

}  // namespace kestrivo::cli
