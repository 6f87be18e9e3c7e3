// kestrivo-report: every block of a survey in one command. Reads its options, binds the
// likelihood library beside itself (or in the install layout), and runs the report.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <limits>
#include <memory>

#include "library_digest.h"
#include "platform/library_binding.h"
#include "platform/runtime_error.h"
#include "plot_module_digest.h"
#include "profile_plots.h"
#include "report_command.h"

namespace {

constexpr const char* kExample = R"(Example:
  kestrivo-report --blocks-total 120 survey.csv > report.csv
  kestrivo-report --pool --stratum ward --blocks-total North=80,South=40 survey.csv

  survey.csv holds a header row and one block a row:
    block,c100,c111,c101,c110,s_held,ward
    A-1,29,36,54,48,,North
    A-2,10,20,5,5,,North
    B-1,12,30,8,6,0,South

Exit status: 0 every block fitted, 1 some blocks had errors (see the error
column), 2 a usage or file error (see standard error).)";

// No city has more blocks than this; a larger K is a typing slip.
constexpr std::int64_t kMostBlocks = 1'000'000'000;

// A check that the option's text is a whole number in decimal digits from `low` to `high`.
std::function<std::string(const std::string&)> whole_number(std::int64_t low, std::int64_t high) {
    return [=](const std::string& text) {
        std::int64_t v = 0;
        const bool digits =
            !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
        const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), v);
        if (digits && status == std::errc() && end == text.data() + text.size() && v >= low &&
            v <= high) {
            return std::string();
        }
        return "must be a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    };
}

// --blocks-total: one K, or NAME=K pairs separated by commas. Fills `options`; returns "" or why
// the text is not one of those.
std::string read_blocks_total(const std::string& text, kestrivo::cli::Options& options) {
    if (text.empty()) return "";
    const auto number = whole_number(1, kMostBlocks);
    if (text.find('=') == std::string::npos) {
        if (std::string why = number(text); !why.empty()) return why;
        options.blocks_total = std::stoll(text);
        return "";
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string pair = text.substr(start, end - start);
        const std::size_t equals = pair.rfind('=');
        if (equals == std::string::npos) return "\"" + pair + "\" is not NAME=K";
        const std::string name = pair.substr(0, equals), k = pair.substr(equals + 1);
        if (std::string why = number(k); !why.empty()) return "\"" + pair + "\": K " + why;
        if (!options.blocks_by_stratum.emplace(name, std::stoll(k)).second) {
            return "the stratum \"" + name + "\" is given twice";
        }
        start = end + 1;
    }
    return "";
}

std::string own_folder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit makes a write fail with an error; left to its default, the signal would
    // end the program without one.
    std::signal(SIGXFSZ, SIG_IGN);

    kestrivo::cli::Options options;
    CLI::App app(
        "Fits every block of a survey of free-roaming dogs and writes one row of "
        "estimates, confidence limits, dogs on the block and model checks per block.",
        "kestrivo-report");
    app.set_version_flag("--version", "kestrivo-report " KESTRIVO_VERSION);
    // Numbers on the command line are read as plain decimals only: no hexadecimal, no silent
    // clamping of a value too large, each refused with its range in words.
    app.add_option("--level", options.level, "confidence level of every interval")
        ->default_val(0.95)
        ->check([](const std::string& text) {
            double v = 0;
            const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), v);
            return status == std::errc() && end == text.data() + text.size() && v > 0 && v < 1
                       ? std::string()
                       : "the level must be a number strictly between 0 and 1, such as 0.95";
        });
    std::string format = "csv";
    app.add_option("--format", format, "output format")
        ->default_val("csv")
        ->check(CLI::IsMember({"csv", "json"}));
    std::string blocks_total;
    app.add_option("--blocks-total", blocks_total,
                   "the city's number of blocks K, or with --stratum each stratum's as "
                   "NAME=K,NAME=K: adds rows 'total' with the dogs and their interval")
        ->type_name("K | NAME=K,...")
        ->check([](const std::string& text) {
            kestrivo::cli::Options parsed;
            return read_blocks_total(text, parsed);
        });
    app.add_flag("--pool", options.pool,
                 "the blocks of each stratum share S and P: adds their pooled fit, each block's "
                 "dogs under it and a test of whether pooling is fair");
    app.add_option("--stratum", options.stratum,
                   "the column whose values are the strata (a ward, a district)")
        ->type_name("COLUMN");
    app.add_option("--bootstrap", options.bootstrap,
                   "bootstrap replicates for the interval of the city's dogs")
        ->default_val(2000)
        ->check(whole_number(100, 1000000));
    app.add_option("--jobs", options.jobs,
                   "threads fitting blocks and bootstrap replicates (default: every core); the "
                   "output is the same for any number")
        ->default_str("every core")
        ->check(whole_number(1, 1024));
    app.add_option("--seed", options.seed,
                   "seed of the bootstrap (the same seed, the same interval)")
        ->default_val(1)
        ->check(whole_number(0, std::numeric_limits<std::int64_t>::max()));
    app.add_option("--digits", options.digits,
                   "significant digits of every number (17: the shortest form that reads back "
                   "to the same double)")
        ->default_val(kestrivo::cli::kDefaultDigits)
        ->check(whole_number(1, kestrivo::cli::kRoundTripDigits));
    app.add_option("--plots", options.plots, "write each block's profile plot as DIR/<block>.png")
        ->type_name("DIR");
    app.add_option("files", options.files, "survey files in CSV; - or none: standard input")
        ->type_name("FILE ... | -");
    app.footer(kExample);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kestrivo::cli::kUsageOrFileError;
    }
    read_blocks_total(blocks_total, options);
    options.format = format == "json" ? kestrivo::cli::Format::json : kestrivo::cli::Format::csv;

    // Only the libKestrivo.so beside the program or in its install layout, by absolute path.
    platform::LibraryBinding binding(platform::kestrivo_library_paths(own_folder()),
                                     kestrivo_library_sha256());
    kestrivo::analysis::Library library;
    try {
        library.loglik =
            reinterpret_cast<kestrivo::analysis::LogLikelihoodFn>(binding.entry("RLOGLIK"));
    } catch (const platform::RuntimeError& e) {
        std::cerr << "kestrivo-report: " << e.report() << "\n";
        return kestrivo::cli::kUsageOrFileError;
    }

    // The plot module, and with it Qt, is loaded only when plots are asked for.
    std::unique_ptr<platform::LibraryBinding> module_binding;
    std::unique_ptr<kestrivo::cli::ProfilePlots> plots;
    if (options.plots) {
        module_binding = std::make_unique<platform::LibraryBinding>(
            platform::kestrivo_library_paths(own_folder(), "libkestrivo-plot.so"),
            kestrivo_plot_module_sha256());
        try {
            kestrivo::cli::PlotModule module;
            module.png =
                reinterpret_cast<kestrivo_plot_png_fn>(module_binding->entry("kestrivo_plot_png"));
            module.free = reinterpret_cast<kestrivo_plot_free_fn>(
                module_binding->entry("kestrivo_plot_free"));
            plots = std::make_unique<kestrivo::cli::ProfilePlots>(*options.plots, library, module);
        } catch (const platform::RuntimeError& e) {
            std::cerr << "kestrivo-report: " << e.report() << "\n";
            return kestrivo::cli::kUsageOrFileError;
        }
    }
    std::ios::sync_with_stdio(false);
    return kestrivo::cli::run_report(options, library, std::cin, std::cout, std::cerr,
                                     isatty(STDERR_FILENO) == 1, plots.get());
}
