// write_text_lines over write_whole_file.
#include "text_file.h"

#include "whole_file.h"

namespace platform {

void write_text_lines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    write_whole_file(path, bytes);
}

}  // namespace platform
