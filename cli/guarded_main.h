// How every command-line program starts and ends. A reader that closes the pipe early, or a
// file-size limit, makes a write fail with an error the program reports (exit status 2 with the
// system's reason) instead of a signal that ends it without a word; and no exception, not even
// running out of memory, leaves main unreported.
#pragma once

namespace kestrivo::cli {

/// Runs `body` with SIGPIPE and SIGXFSZ ignored; an exception that escapes it is said on standard
/// error as "<program>: ..." and gives exit status 2.
int guarded_main(const char* program, int argc, char** argv, int (*body)(int, char**));

}  // namespace kestrivo::cli
