// JSON as the programs write it, on nlohmann-json's string escaping: texts that are not UTF-8
// (a Latin-1 or Windows-1252 file from an older spreadsheet) have their bad bytes written as
// U+FFFD instead of stopping the output, numbers carry exactly the digits the CSV carries, and
// a number that is not finite is null. Objects and arrays are joined from members already
// written, with the layout the caller asks for, so that a long report is written a row at a
// time.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "survey/output_cell.h"

namespace kestrivo::survey {

/// `text` as a JSON string, quoted and escaped.
std::string json_string(std::string_view text);

/// A cell as a JSON value: a number at `digits` significant digits (null when not finite), a
/// whole number, a string, or null.
std::string json_value(const Cell& cell, int digits);

/// A JSON boolean.
inline std::string json_bool(bool value) {
    return value ? "true" : "false";
}

/// What separates and surrounds the members of an object or the items of an array.
struct JsonLayout {
    std::string_view between = ",";  // between two members or items
    std::string_view colon = ":";    // between a member's name and its value
    std::string_view before = "";    // after the opening bracket, when there is an item
    std::string_view after = "";     // before the closing bracket
};

/// A member: its name, and its value already written as JSON.
using JsonMember = std::pair<std::string_view, std::string>;

std::string json_object(const std::vector<JsonMember>& members, const JsonLayout& layout = {});
std::string json_array(const std::vector<std::string>& items, const JsonLayout& layout = {});

}  // namespace kestrivo::survey
