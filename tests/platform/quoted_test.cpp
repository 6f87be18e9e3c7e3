#include "platform/quoted.h"

#include <gtest/gtest.h>

#include <string>

TEST(quoted_test, short_texts_whole_long_ones_cut_at_a_character_boundary) {
    const std::string forty(40, 'x');
    // "é" is two bytes: placed across the 40-byte cut, it goes whole rather than in half.
    const std::string across = std::string(39, 'x') + "\xC3\xA9" + "yz";
    const struct {
        std::string text, shown;
    } cases[] = {
        {"", "\"\""},
        {"12,5", "\"12,5\""},
        {forty, "\"" + forty + "\""},
        {forty + "y", "\"" + forty + "...\""},
        {across, "\"" + std::string(39, 'x') + "...\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kestrivo::platform::quoted(c.text), c.shown) << c.text;
}
