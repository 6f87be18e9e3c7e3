// The XLSForm built from share/forms/: a workbook of the three sheets ODK Central and KoboToolbox
// ask for, with the field names the tabulation reads, every choice list it refers to, labels in
// four languages and English as the default. Read back with the workbook reader the exports use.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "survey/xlsx_workbook.h"

namespace {

std::vector<std::vector<std::string>> sheet(const kestrivo::survey::XlsxWorkbook& book,
                                            const std::string& name) {
    std::vector<std::vector<std::string>> rows;
    const auto reader = book.open(name);
    while (const auto row = reader->next())
        rows.push_back(row->fields);
    return rows;
}

TEST(form_test, the_form_has_what_the_tabulation_reads) {
    const kestrivo::survey::XlsxWorkbook book(KESTRIVO_FORM);
    EXPECT_EQ(book.sheets(), (std::vector<std::string>{"survey", "choices", "settings"}));
    const auto survey = sheet(book, "survey"), choices = sheet(book, "choices");
    const auto settings = sheet(book, "settings");
    const auto& header = survey.at(0);
    const auto column = [&](const std::vector<std::string>& h, const std::string& name) {
        return std::size_t(std::find(h.begin(), h.end(), name) - h.begin());
    };
    for (const char* language : {"English (en)", "Français (fr)", "Español (es)", "Português (pt)"})
        EXPECT_LT(column(header, std::string("label::") + language), header.size()) << language;
    std::map<std::string, std::string> types;
    for (std::size_t r = 1; r < survey.size(); ++r) {
        const auto& row = survey[r];
        if (row.size() > 1) types[row[1]] = row[0];
        // Every question has an English label.
        if (row.size() > 2) {
            EXPECT_FALSE(row[2].empty()) << row[1];
        }
    }
    const std::map<std::string, std::string> expected = {
        {"site", "begin_group"},
        {"block_id", "text"},
        {"ward", "select_one wards"},
        {"block_point", "geopoint"},
        {"block_shape", "geoshape"},
        {"team", "text"},
        {"counts_covered", "select_multiple counts"},
        {"sighting", "begin_repeat"},
        {"count_no", "select_one counts"},
        {"dog_id", "text"},
        {"sex", "select_one sex"},
        {"colour", "select_one colours"},
        {"collar", "select_one collar"},
        {"photo", "image"}};
    for (const auto& [name, type] : expected) {
        ASSERT_TRUE(types.count(name)) << name;
        EXPECT_TRUE(types.at(name) == type ||
                    (type == "begin_group" && types.at(name) == "end_group") ||
                    (type == "begin_repeat" && types.at(name) == "end_repeat"))
            << name << ": " << types.at(name);
    }
    std::set<std::string> lists;
    for (std::size_t r = 1; r < choices.size(); ++r)
        lists.insert(choices[r][0]);
    for (const auto& [name, type] : types) {
        if (type.starts_with("select_")) {
            EXPECT_TRUE(lists.count(type.substr(type.find(' ') + 1))) << type;
        }
    }
    EXPECT_EQ(settings.at(1).at(column(settings[0], "default_language")), "English (en)");
    EXPECT_EQ(settings.at(1).at(column(settings[0], "form_id")), "kestrivo_three_counts");
}

}  // namespace
