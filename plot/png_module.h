// The plots of the command-line programs as PNG (or SVG) bytes, from a module the command line
// loads only when it draws plots. Drawing needs Qt's GUI module, and loading it costs a run more
// than the fits of a small survey; behind this C entry the command line links no Qt at all, and
// binds the module by absolute path, with its digest checked, like the likelihood library.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

/// Draws the profile plot of `points` values `y` at the parameter values `x` (in percent; P is
/// profiled when `profile_p` is not 0, else S) on an image of the window's plot size, with the
/// window's own procedure, and returns it as a PNG in `*png` (from malloc: free it with
/// kestrivo_plot_free) of `*size` bytes. Returns 0, or 1 when the image could not be made.
/// Draws offscreen: no display is used. Not reentrant: call from one thread at a time.
int kestrivo_plot_png(const float* y, const float* x, int32_t points, int32_t profile_p,
                      unsigned char** png, std::size_t* size);
/// Frees what kestrivo_plot_png or kestrivo_plan_plot returned.
void kestrivo_plot_free(unsigned char* png);

/// The plan's picture (plot/plan_plot.h) at the window's plot size: the `assurance` quantile of
/// the half-width `half_width[i]` at `k[i]` for `points` sample sizes, the target line, and the
/// recommended k (none when 0 or below). A PNG, or an SVG when `svg` is not 0; returned as
/// kestrivo_plot_png returns its PNG, with 0, or 1 when the picture could not be made.
int kestrivo_plan_plot(const double* k, const double* half_width, int32_t points, double target,
                       double assurance, int64_t recommended, int32_t svg, unsigned char** bytes,
                       std::size_t* size);

using kestrivo_plot_png_fn = int (*)(const float*, const float*, int32_t, int32_t, unsigned char**,
                                     std::size_t*);
using kestrivo_plot_free_fn = void (*)(unsigned char*);
using kestrivo_plan_plot_fn = int (*)(const double*, const double*, int32_t, double, double,
                                      int64_t, int32_t, unsigned char**, std::size_t*);
}
