// guarded_main: the signals set aside first, then the body under a catch-all.
#include "cli/guarded_main.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <new>

#include "cli/report_command.h"

namespace kestrivo::cli {

int guarded_main(const char* program, int argc, char** argv, int (*body)(int, char**)) {
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return body(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s: out of memory; a smaller survey or plan may fit.\n", program);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program, e.what());
    } catch (...) {
        std::fprintf(stderr, "%s: stopped by an unexpected error.\n", program);
    }
    return kUsageOrFileError;
}

}  // namespace kestrivo::cli
