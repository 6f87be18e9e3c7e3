// The SHA-256 of the libkestrivo-plot.so built alongside the command line, in lower-case hex: the
// module is loaded only when the file on disk has it.
#pragma once

const char* kestrivo_plot_module_sha256();
