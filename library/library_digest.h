// The SHA-256 of the libKestrivo.so built alongside a program, in lower-case hex. A program binds
// the library only when the file on disk has this digest: a library damaged on disk, or another
// file put in its place, is reported instead of loaded and run.
#pragma once

const char* kestrivo_library_sha256();
