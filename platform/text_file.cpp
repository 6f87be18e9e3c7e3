// write_text_lines over write_whole_file.
#include "platform/text_file.h"

#include "platform/whole_file.h"

namespace kestrivo::platform {

void write_text_lines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    write_whole_file(path, bytes);
}

}  // namespace kestrivo::platform
