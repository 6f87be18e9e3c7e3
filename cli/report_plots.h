// --plots: the profile plot of P for each fitted block, as the window would draw it, written as
// DIR/<block>.png. The points of the curve are computed here; the picture is drawn by the plot
// module (libkestrivo-plot.so), which the program loads only for --plots, so a run without plots
// never loads Qt.
#pragma once

#include <set>
#include <string>

#include "cli/report_command.h"
#include "plot/png_module.h"

namespace kestrivo::cli {

/// The plot module's two entries.
struct PlotModule {
    kestrivo_plot_png_fn png = nullptr;
    kestrivo_plot_free_fn free = nullptr;
};

class ProfilePlots : public PlotWriter {
public:
    /// Writes into `folder`, which run_report checks and makes before the first block is read.
    ProfilePlots(std::string folder, const analysis::Library& library, PlotModule module);
    void write(const survey::Row& row, const analysis::Report& report) override;

    /// A block label as a file name: letters, digits, ".", "-" and "_" kept, anything else "_",
    /// and no dot in front.
    static std::string safe_name(const std::string& label);

private:
    std::string folder_;
    analysis::Library library_;
    PlotModule module_;
    std::set<std::string> used_;
};

}  // namespace kestrivo::cli
