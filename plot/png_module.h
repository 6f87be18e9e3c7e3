// The profile plot as PNG bytes, from a module the command line loads only when it draws plots.
// Drawing needs Qt's GUI module, and loading it costs a run more than the fits of a small survey;
// behind this C entry the command line links no Qt at all, and binds the module by absolute path,
// with its digest checked, like the likelihood library.
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
/// Frees what kestrivo_plot_png returned.
void kestrivo_plot_free(unsigned char* png);

using kestrivo_plot_png_fn = int (*)(const float*, const float*, int32_t, int32_t, unsigned char**,
                                     std::size_t*);
using kestrivo_plot_free_fn = void (*)(unsigned char*);
}
