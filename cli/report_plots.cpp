// ProfilePlots: the window's profile grid around the estimate of P (the default 30% plotting
// range), the profile log likelihood at each point from the analysis layer, the PNG from the plot
// module, written whole (staged with the report's other files, when run_report runs it).
#include "cli/report_plots.h"

#include <memory>
#include <vector>

#include "platform/runtime_error.h"
#include "platform/whole_file.h"
#include "plot/profile_scan.h"

namespace kestrivo::cli {
namespace {

// The window's default plotting range.
constexpr double kPlottingRange = 30;

}  // namespace

ProfilePlots::ProfilePlots(std::string folder, const analysis::Library& library, PlotModule module)
    : folder_(std::move(folder)), library_(library), module_(module) {}

std::string ProfilePlots::safe_name(const std::string& label) {
    std::string name;
    for (char c : label) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
        name += keep ? c : '_';
    }
    // A name that starts with a dot would be hidden from the user's file manager (and "." or ".."
    // is no file at all).
    for (std::size_t i = 0; i < name.size() && name[i] == '.'; ++i)
        name[i] = '_';
    if (name.empty()) name = "_";
    return name.substr(0, 100);
}

void ProfilePlots::write(const survey::Row& row, const analysis::Report& report) {
    const platform::NumberLocale locale{".", ""};
    const analysis::Model model(library_.loglik, row.counts, row.s_held);
    const plot::ProfileRange range =
        plot::profile_range(report.estimates->P, kPlottingRange, locale);
    std::vector<float> y, x;
    for (plot::ProfileWalk walk(range); walk.more() && y.size() < 100; walk.advance()) {
        y.push_back(static_cast<float>(model.profile_p(walk.value())));
        x.push_back(plot::profile_label(walk.value(), locale));
    }
    unsigned char* bytes = nullptr;
    std::size_t size = 0;
    if (module_.png(y.data(), x.data(), static_cast<int32_t>(y.size()), 1, &bytes, &size) != 0) {
        throw platform::RuntimeError(platform::ErrorKind::FileError,
                                     "the plot could not be drawn.");
    }
    const std::unique_ptr<unsigned char, kestrivo_plot_free_fn> png(bytes, module_.free);

    // Two labels that read alike as file names are told apart by their line, and by a number
    // after that should even that name be taken: no plot of this run replaces another.
    const std::string base = safe_name(row.label);
    std::string name = base;
    for (int k = 2; !used_.insert(name).second; ++k) {
        name = base + "-line" + std::to_string(row.line) + (k > 2 ? "-" + std::to_string(k) : "");
    }
    platform::write_whole_file(folder_ + "/" + name + ".png",
                               std::string_view(reinterpret_cast<const char*>(png.get()), size));
}

}  // namespace kestrivo::cli
