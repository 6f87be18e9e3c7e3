// The survey window on a generated survey of 200 and 2,000 blocks in seven wards, with each
// ward's blocks in the city so that the bootstrap of the city's interval runs: the time from
// opening the window to its first table and answer, against the same report run alone in this
// process (what the window adds), and how long the window's event loop went without answering
// while the report ran (the longest gap between the ticks of a 5 ms timer; a user notices 100 ms).
// Then the PDF report of 200, 2,000 and 20,000 blocks, written from the rows the report made,
// to set against the report itself: the export runs on the window's thread.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <fstream>

#include "bench/count_sweep.h"
#include "window/form1.h"
#include "window/survey_job.h"
#include "window/survey_report_pdf.h"
#include "window/survey_window.h"

using namespace kestrivo::window;

namespace {

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

std::string survey_file(int blocks) {
    const std::string path =
        scratch().filePath(QStringLiteral("survey-%1.csv").arg(blocks)).toStdString();
    write_sweep_survey(path, blocks);
    return path;
}

kestrivo::survey::DesignOptions wards(int blocks) {
    kestrivo::survey::DesignOptions design;
    design.stratum_column = "ward";
    for (int w = 0; w < 7; ++w)
        design.blocks_by_stratum["W" + std::to_string(w)] = 3 * blocks / 7 + 10;
    return design;
}

Form1& form() {
    static Form1 window;
    return window;
}

void BM_window_first_table(benchmark::State& state) {
    const int blocks = int(state.range(0));
    const QString path = QString::fromStdString(survey_file(blocks));
    double worst_gap = 0;
    for (auto _ : state) {
        QElapsedTimer since_tick;
        double gap = 0;
        QTimer ticker;
        ticker.setInterval(5);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            gap = std::max(gap, double(since_tick.nsecsElapsed()) / 1e6);
            since_tick.restart();
        });
        const auto start = std::chrono::steady_clock::now();
        SurveyWindow* window = form().open_survey_window(path, wards(blocks));
        since_tick.start();
        ticker.start();
        while (window->busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        QCoreApplication::processEvents();
        const auto end = std::chrono::steady_clock::now();
        ticker.stop();
        if (!window->answer->text().startsWith(QStringLiteral("About "))) {
            state.SkipWithError("no city total");
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        worst_gap = std::max(worst_gap, gap);
        window->close();
        QCoreApplication::processEvents();
    }
    state.counters["longest_unanswered_ms"] = worst_gap;
}

void BM_report_alone(benchmark::State& state) {
    const int blocks = int(state.range(0));
    SurveySource source{"survey.csv", survey_file(blocks), std::nullopt, ""};
    kestrivo::survey::ReportOptions options;
    options.pool = true;
    options.format = kestrivo::survey::Format::json;
    options.digits = 17;
    options.design = wards(blocks);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const SurveyJobResult result =
            run_survey_report(source, options, form().report_library(), Keep::rows);
        benchmark::DoNotOptimize(result.rows.get());
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

void BM_pdf_export(benchmark::State& state) {
    const int blocks = int(state.range(0));
    SurveySource source{"survey.csv", survey_file(blocks), std::nullopt, ""};
    kestrivo::survey::ReportOptions options;
    options.pool = true;
    options.design = wards(blocks);
    SurveyPdf pdf;
    pdf.name = "survey.csv";
    pdf.stratum_column = "ward";
    pdf.rows = run_survey_report(source, options, form().report_library(), Keep::rows).rows;
    for (const auto& [name, k] : options.design.blocks_by_stratum)
        pdf.design.push_back({name, "", std::to_string(k)});
    const QString path = scratch().filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        write_survey_pdf(path, pdf);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

BENCHMARK(BM_pdf_export)
    ->Arg(200)
    ->Arg(2000)
    ->Arg(20000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_report_alone)->Arg(200)->Arg(2000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_window_first_table)
    ->Arg(200)
    ->Arg(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(scratch().path());  // the block tool writes user.txt where it runs
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
