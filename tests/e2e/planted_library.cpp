// A libKestrivo.so that must never be loaded: the end-to-end test plants it in the current folder
// and on LD_LIBRARY_PATH. If the program ever loads it, it leaves a marker file behind.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
__attribute__((constructor)) void announce() {
    const char* marker = std::getenv("KESTRIVO_PLANTED_MARKER");
    if (FILE* f = std::fopen(marker ? marker : "planted-library-was-loaded", "w")) {
        std::fputs("a planted libKestrivo.so was loaded\n", f);
        std::fclose(f);
    }
}
}  // namespace

extern "C" __attribute__((visibility("default"))) void N_E04JYF(
    const int32_t*, const int32_t*, const double*, const double*, double*, double* F, int32_t*,
    const int32_t*, double*, const int32_t*, const int32_t*, const double*, int32_t*) {
    *F = 0;
}
