// --plots: the profile plot of P for each fitted block, drawn by the window's own plot procedure
// onto an image of the window's plot size and written as DIR/<block>.png. The only part of the
// survey companion that needs Qt's GUI module; it draws offscreen, with no display.
#pragma once

#include <set>
#include <string>

#include "report_command.h"

namespace kestrivo::cli {

class ProfilePlots : public PlotWriter {
public:
    /// Creates `folder` when it is missing. Throws platform::RuntimeError when it cannot.
    ProfilePlots(std::string folder, const analysis::Library& library);
    void write(const survey::Row& row, const analysis::Report& report) override;

    /// A block label as a file name: letters, digits, ".", "-" and "_" kept, anything else "_".
    static std::string safe_name(const std::string& label);

private:
    std::string folder_;
    analysis::Library library_;
    std::set<std::string> used_;
};

}  // namespace kestrivo::cli
