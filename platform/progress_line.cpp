// ProgressLine: "\r" redraws the line in place; "\r\x1b[K" clears it.
#include "platform/progress_line.h"

#include <utility>

namespace kestrivo::platform {

ProgressLine::ProgressLine(std::ostream& err, bool terminal, std::chrono::milliseconds delay,
                           std::string program, std::string counted)
    : err_(err),
      terminal_(terminal),
      delay_(delay),
      program_(std::move(program)),
      counted_(std::move(counted)) {}

void ProgressLine::blocks_done(std::size_t count) {
    say(std::to_string(count) + ' ' + counted_);
}

void ProgressLine::say(const std::string& text) {
    if (!terminal_) return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < delay_ || (shown_ && now - last_ < std::chrono::milliseconds(250))) return;
    last_ = now;
    shown_ = true;
    // The line is cleared before it is drawn again: a shorter text leaves nothing behind.
    err_ << "\r\x1b[K" << program_ << ": " << text << "..." << std::flush;
}

void ProgressLine::finish() {
    if (!shown_) return;
    err_ << "\r\x1b[K" << std::flush;
    shown_ = false;
}

}  // namespace kestrivo::platform
