// A progress line for long surveys: shown on standard error only when it is a terminal and only
// once the work has taken more than about a second, redrawn a few times a second, and cleared at
// the end, so that short runs and redirected output see nothing of it.
#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

namespace kestrivo::platform {

class ProgressLine {
public:
    /// @param delay    how long the work runs before the line shows
    /// @param program  the line's first word, as every message of the program begins
    /// @param counted  what the count counts ("blocks fitted")
    ProgressLine(std::ostream& err, bool terminal,
                 std::chrono::milliseconds delay = std::chrono::seconds(1),
                 std::string program = "kestrivo-report", std::string counted = "blocks fitted");
    ~ProgressLine() { finish(); }
    void blocks_done(std::size_t count);
    /// Shows "<program>: <text>..." in place of the count, under the same rules.
    void say(const std::string& text);
    void finish();

private:
    using Clock = std::chrono::steady_clock;
    std::ostream& err_;
    bool terminal_;
    std::chrono::milliseconds delay_;
    std::string program_, counted_;
    bool shown_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_ = start_;
};

}  // namespace kestrivo::platform
