// The version a built form carries, derived from the bytes of its sheets. ODK Central refuses a
// second upload of a form under a version it already holds, but only when the version is the
// same: a version kept by hand and forgotten would let a changed form pass for the old one on
// every phone that already has it. Derived from the sheets, it changes whenever they do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrivo::forms {

struct SheetText {
    std::string name;   // the sheet's name in the workbook ("survey")
    std::string bytes;  // its CSV text, byte for byte
};

/// Sixteen hex digits of a 64-bit FNV-1a hash of the sheets, in order, each framed by its name
/// and length so that bytes moved from one sheet into the next still change it. Any one byte
/// changed always changes the version: each step XORs a byte into the state and multiplies it by
/// an odd number, both one-to-one, so the states differ from that byte to the end.
inline std::string form_version(const std::vector<SheetText>& sheets) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    const auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 0x100000001b3u;
    };
    for (const auto& sheet : sheets) {
        for (const char c : sheet.name)
            mix(static_cast<unsigned char>(c));
        mix(0);
        for (int shift = 0; shift < 64; shift += 8)
            mix(static_cast<unsigned char>(std::uint64_t(sheet.bytes.size()) >> shift));
        for (const char c : sheet.bytes)
            mix(static_cast<unsigned char>(c));
    }
    static constexpr char digits[] = "0123456789abcdef";
    std::string version(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        version[std::size_t(i)] = digits[hash & 0xf];
    return version;
}

}  // namespace kestrivo::forms
