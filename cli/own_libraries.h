// The libraries a command-line program binds from its own folder (or the install layout's
// lib/kestrivo), by absolute path, each checked against the digest it was built with: the
// likelihood library, and the plot module only when a plot is drawn, so that a run without
// plots never loads Qt. Binding is lazy: nothing is opened before an entry is asked for.
#pragma once

#include <string>

#include "analysis/inference_report.h"
#include "platform/library_binding.h"

namespace kestrivo::cli {

class OwnLibraries {
public:
    OwnLibraries();

    /// The likelihood library's entries the analysis calls. Throws platform::RuntimeError.
    analysis::Library likelihood();
    /// An entry of libkestrivo-plot.so, opening it on first use. Throws platform::RuntimeError.
    template <class Fn>
    Fn plot_entry(const std::string& name) {
        return reinterpret_cast<Fn>(plots_.entry(name));
    }

private:
    explicit OwnLibraries(const std::string& folder);

    platform::LibraryBinding library_, plots_;
};

}  // namespace kestrivo::cli
