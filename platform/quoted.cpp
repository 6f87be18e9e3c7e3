// quoted: the cut steps back over UTF-8 continuation bytes so no character is split.
#include "platform/quoted.h"

namespace kestrivo::platform {

std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    if (text.size() <= kShown) return "\"" + std::string(text) + "\"";
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

}  // namespace kestrivo::platform
