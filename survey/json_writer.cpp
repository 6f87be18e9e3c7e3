// The JSON writer: nlohmann-json escapes every string; the brackets and separators are joined
// here so that a number's text is the digits_text the CSV shows.
#include "survey/json_writer.h"

#include <nlohmann/json.hpp>

#include <cmath>

#include "platform/number_text.h"

namespace kestrivo::survey {

std::string json_string(std::string_view text) {
    return nlohmann::json(std::string(text))
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string json_value(const Cell& cell, int digits) {
    if (const double* d = std::get_if<double>(&cell); d && std::isfinite(*d)) {
        return platform::digits_text(*d, digits);
    }
    if (const std::int64_t* n = std::get_if<std::int64_t>(&cell)) return std::to_string(*n);
    if (const std::string* s = std::get_if<std::string>(&cell)) return json_string(*s);
    return "null";
}

std::string json_object(const std::vector<JsonMember>& members, const JsonLayout& layout) {
    std::string text = "{";
    if (!members.empty()) text += layout.before;
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (i) text += layout.between;
        text += json_string(members[i].first);
        text += layout.colon;
        text += members[i].second;
    }
    return text + std::string(layout.after) + "}";
}

std::string json_array(const std::vector<std::string>& items, const JsonLayout& layout) {
    std::string text = "[";
    if (!items.empty()) text += layout.before;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) text += layout.between;
        text += items[i];
    }
    return text + std::string(layout.after) + "]";
}

}  // namespace kestrivo::survey
