// The XLSForm built from share/forms/: a workbook of the three sheets ODK Central and KoboToolbox
// ask for, with the field names the tabulation reads, every choice list it refers to, labels in
// four languages and English as the default. Read back with the workbook reader the exports use.
// Central refuses a form whose expressions do not compile only when it is uploaded, in the
// field office, far from the sheets: so every expression the built workbook carries is compiled
// here with libxml2, and each function it calls checked against those ODK Collect knows.
#include <gtest/gtest.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xpath.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <set>
#include <string_view>

#include "field/tabulation.h"
#include "field/xlsx_workbook.h"
#include "share/forms/form_version.h"

namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

Rows sheet(const kestrivo::field::XlsxWorkbook& book, const std::string& name) {
    Rows rows;
    const auto reader = book.open(name);
    while (const auto row = reader->next())
        rows.push_back(row->fields);
    return rows;
}

std::size_t column(const std::vector<std::string>& header, const std::string& name) {
    return std::size_t(std::find(header.begin(), header.end(), name) - header.begin());
}

// The cell of `row` under `name`, "" where the row stops short of it or there is no such column.
std::string cell(const Rows& rows, std::size_t row, const std::string& name) {
    const std::size_t c = column(rows.at(0), name);
    return c < rows.at(row).size() ? rows[row][c] : std::string();
}

std::string text_of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// --- Expressions --------------------------------------------------------------------------------

// How many arguments a function takes: from `least` to `most`, in steps of `step` beyond `least`
// (indexed-repeat takes a repeat and an index in pairs).
struct Arity {
    std::size_t least, most, step = 1;
};
constexpr std::size_t any = std::numeric_limits<std::size_t>::max();

// XPath 1.0's core functions and those ODK Collect adds (docs.getodk.org, "Form Operators and
// Functions", and the ODK XForms functions), as Collect takes them: it lets concat() take one
// argument and round() a number of places, which XPath 1.0 does not.
const std::map<std::string, Arity, std::less<>>& functions() {
    static const std::map<std::string, Arity, std::less<>> known = {
        // XPath 1.0: node sets, strings, booleans, numbers.
        {"last", {0, 0}},
        {"position", {0, 1}},
        {"count", {1, 1}},
        {"id", {1, 1}},
        {"local-name", {0, 1}},
        {"namespace-uri", {0, 1}},
        {"name", {0, 1}},
        {"string", {0, 1}},
        {"concat", {1, any}},
        {"starts-with", {2, 2}},
        {"contains", {2, 2}},
        {"substring-before", {2, 2}},
        {"substring-after", {2, 2}},
        {"substring", {2, 3}},
        {"string-length", {0, 1}},
        {"normalize-space", {0, 1}},
        {"translate", {3, 3}},
        {"boolean", {1, 1}},
        {"not", {1, 1}},
        {"true", {0, 0}},
        {"false", {0, 0}},
        {"lang", {1, 1}},
        {"number", {0, 1}},
        {"sum", {1, 1}},
        {"floor", {1, 1}},
        {"ceiling", {1, 1}},
        {"round", {1, 2}},
        // ODK: control flow, selects, repeats.
        {"if", {3, 3}},
        {"coalesce", {2, 2}},
        {"once", {1, 1}},
        {"selected", {2, 2}},
        {"selected-at", {2, 2}},
        {"count-selected", {1, 1}},
        {"jr:choice-name", {2, 2}},
        {"jr:itext", {1, 1}},
        {"indexed-repeat", {3, 7, 2}},
        {"count-non-empty", {1, 1}},
        {"max", {1, any}},
        {"min", {1, any}},
        {"instance", {1, 1}},
        {"current", {0, 0}},
        // ODK: strings.
        {"regex", {2, 2}},
        {"ends-with", {2, 2}},
        {"substr", {2, 3}},
        {"join", {2, any}},
        {"boolean-from-string", {1, 1}},
        {"base64-decode", {1, 1}},
        {"digest", {2, 3}},
        {"pulldata", {4, 4}},
        {"property", {1, 1}},
        // ODK: numbers.
        {"int", {1, 1}},
        {"pow", {2, 2}},
        {"log", {1, 1}},
        {"log10", {1, 1}},
        {"abs", {1, 1}},
        {"sin", {1, 1}},
        {"cos", {1, 1}},
        {"tan", {1, 1}},
        {"asin", {1, 1}},
        {"acos", {1, 1}},
        {"atan", {1, 1}},
        {"atan2", {2, 2}},
        {"sqrt", {1, 1}},
        {"exp", {1, 1}},
        {"exp10", {1, 1}},
        {"pi", {0, 0}},
        // ODK: dates and times.
        {"today", {0, 0}},
        {"now", {0, 0}},
        {"date", {1, 1}},
        {"date-time", {1, 1}},
        {"decimal-date-time", {1, 1}},
        {"decimal-time", {1, 1}},
        {"format-date", {2, 2}},
        {"format-date-time", {2, 2}},
        // ODK: places and the rest.
        {"area", {1, 1}},
        {"distance", {1, any}},
        {"random", {0, 0}},
        {"randomize", {1, 2}},
        {"uuid", {0, 1}},
        {"checklist", {2, any}},
        {"weighted-checklist", {2, any, 2}},
    };
    return known;
}

bool name_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.' ||
           c == ':' || static_cast<unsigned char>(c) >= 0x80;
}

struct Call {
    std::string name;
    std::size_t arguments;
};

// The function calls of an XPath expression, each with its number of arguments: the commas at
// its own depth of parentheses, outside quotes. Calls are listed in the order their parentheses
// close. Unbalanced parentheses and unclosed quotes are problems of their own, since libxml2
// takes "f(" without a word.
std::vector<Call> calls_in(std::string_view xpath, std::vector<std::string>& problems) {
    struct Open {
        std::string name;  // "" for a parenthesis that groups, or a node test such as node()
        std::size_t commas = 0;
        bool empty = true;
    };
    std::vector<Open> open;
    std::vector<Call> calls;
    for (std::size_t i = 0; i < xpath.size(); ++i) {
        const char c = xpath[i];
        if (c == '\'' || c == '"') {
            const std::size_t end = xpath.find(c, i + 1);
            if (end == std::string_view::npos) {
                problems.push_back("a quote is not closed");
                return calls;
            }
            if (!open.empty()) open.back().empty = false;
            i = end;
        } else if (c == '(') {
            std::size_t end = i;
            while (end > 0 && std::isspace(static_cast<unsigned char>(xpath[end - 1])))
                --end;
            std::size_t start = end;
            while (start > 0 && name_char(xpath[start - 1]))
                --start;
            std::string word(xpath.substr(start, end - start));
            // An axis ("child::node()") leaves the node test; node tests and the operators
            // written as words are no functions.
            if (const auto axis = word.rfind("::"); axis != std::string::npos)
                word = word.substr(axis + 2);
            static const std::set<std::string, std::less<>> not_functions = {
                "node", "text", "comment", "processing-instruction", "and", "or", "div", "mod"};
            if (not_functions.count(word) ||
                (!word.empty() && (std::isdigit(static_cast<unsigned char>(word[0])) ||
                                   word[0] == '.' || word[0] == '-')))
                word.clear();
            if (!open.empty()) open.back().empty = false;
            open.push_back({word});
        } else if (c == ')') {
            if (open.empty()) {
                problems.push_back("a ')' closes no '('");
                return calls;
            }
            const Open closed = open.back();
            open.pop_back();
            if (!closed.name.empty())
                calls.push_back({closed.name, closed.empty ? 0 : closed.commas + 1});
        } else if (c == ',') {
            if (open.empty()) {
                problems.push_back("a ',' outside any call");
                return calls;
            }
            ++open.back().commas;
        } else if (!std::isspace(static_cast<unsigned char>(c)) && !open.empty()) {
            open.back().empty = false;
        }
    }
    if (!open.empty()) problems.push_back("a '(' is not closed");
    return calls;
}

// libxml2 reports a compile error through the structured handler; the test keeps its message.
void keep_error(void* into, xmlErrorPtr error) {
    if (error && error->message) *static_cast<std::string*>(into) += error->message;
}

// What is wrong with one expression of the form: `${name}` naming no field, a text libxml2 does
// not compile once every `${name}` is a path, a function neither XPath 1.0 nor ODK has, or one
// called with a number of arguments it does not take. Empty when nothing is.
std::vector<std::string> expression_problems(const std::string& expression,
                                             const std::set<std::string>& fields) {
    std::vector<std::string> problems;
    std::string xpath;
    for (std::size_t i = 0; i < expression.size();) {
        if (expression.compare(i, 2, "${") != 0) {
            xpath += expression[i++];
            continue;
        }
        const std::size_t end = expression.find('}', i);
        if (end == std::string::npos) {
            problems.push_back("a ${ is not closed");
            return problems;
        }
        const std::string name = expression.substr(i + 2, end - i - 2);
        if (!fields.count(name)) problems.push_back("${" + name + "} names no field");
        xpath += "/data/" + name;
        i = end + 1;
    }
    std::string message;
    xmlSetStructuredErrorFunc(&message, keep_error);
    xmlXPathCompExprPtr compiled = xmlXPathCompile(reinterpret_cast<const xmlChar*>(xpath.c_str()));
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    if (!compiled) problems.push_back("\"" + xpath + "\" does not compile: " + message);
    xmlXPathFreeCompExpr(compiled);
    for (const auto& call : calls_in(xpath, problems)) {
        const auto known = functions().find(call.name);
        if (known == functions().end()) {
            problems.push_back(call.name + "() is no XPath or ODK function");
            continue;
        }
        const Arity& arity = known->second;
        if (call.arguments < arity.least || call.arguments > arity.most ||
            (call.arguments - arity.least) % arity.step != 0)
            problems.push_back(call.name + "() with " + std::to_string(call.arguments) +
                               " arguments");
    }
    return problems;
}

std::string joined(const std::vector<std::string>& problems) {
    std::string text;
    for (const auto& problem : problems)
        text += (text.empty() ? "" : "; ") + problem;
    return text;
}

struct ExpressionCase {
    std::string expression;
    bool accepted;
};

// Named in the test's name by what it expects and its expression's letters and digits, not by
// its bytes: a std::string's bytes hold a pointer, which would name the test anew on every run.
void PrintTo(const ExpressionCase& c, std::ostream* out) {
    std::string name = c.accepted ? "takes_" : "refuses_";
    for (const char ch : c.expression.substr(0, 40))
        name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    *out << name;
}

class expression_check : public testing::TestWithParam<ExpressionCase> {};

// The check itself, on expressions it must take and ones it must refuse: a check that took
// everything would pass any form.
TEST_P(expression_check, takes_what_odk_takes_and_refuses_the_rest) {
    const std::set<std::string> fields = {"block_id", "team", "counts_covered"};
    const auto& [expression, accepted] = GetParam();
    const auto problems = expression_problems(expression, fields);
    EXPECT_EQ(problems.empty(), accepted) << expression << ": " << joined(problems);
}

INSTANTIATE_TEST_SUITE_P(
    form_test, expression_check,
    testing::Values(ExpressionCase{"concat(${block_id}, ' ', ${team})", true},
                    ExpressionCase{"concat(${block_id}; ' '; ${team})", false},
                    ExpressionCase{"selected(${counts_covered}, .)", true},
                    ExpressionCase{"selected(${counts_covered})", false},
                    ExpressionCase{"jr:choice-name(selected-at(${counts_covered}, 0), "
                                   "'${counts_covered}')",
                                   true},
                    ExpressionCase{"if(${team} = '', 'none', if(${team} = 'a, b', 1, 2))", true},
                    ExpressionCase{"if(${team} = '', 'none')", false},
                    ExpressionCase{"regex(., '[A-Z]{1,3}-[0-9]+')", true},
                    ExpressionCase{"count-selected(${counts_covered}) >= 1 and not(false())", true},
                    ExpressionCase{"true(1)", false},
                    ExpressionCase{"string-length(.) > 0 and (. != 'x')", true},
                    ExpressionCase{"indexed-repeat(${team}, ${block_id}, 1)", true},
                    ExpressionCase{"indexed-repeat(${team}, ${block_id}, 1, ${team})", false},
                    ExpressionCase{"today() - 7 <= decimal-date-time(now())", true},
                    ExpressionCase{"sum(${block_id}) + count(../node())", true},
                    ExpressionCase{"strlen(${team}) > 0", false},
                    ExpressionCase{"${dog_name} != ''", false},
                    ExpressionCase{"${team != ''", false},
                    ExpressionCase{"concat(${team}, 'x'", false},
                    ExpressionCase{"concat(${team}, 'x)", false},
                    ExpressionCase{"${team} = = 'x'", false}, ExpressionCase{"", false}));

// A `required` or `default` cell is an expression only when it is written as one: "yes" and a
// plain value are not. Central reads the others as XPath, so they are checked as such.
bool required_is_expression(std::string value) {
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return !value.empty() && value != "yes" && value != "no" && value != "true" &&
           value != "false" && value != "1" && value != "0";
}

bool default_is_expression(const std::string& value) {
    if (value.find("${") != std::string::npos) return true;
    for (std::size_t i = value.find('('); i != std::string::npos; i = value.find('(', i + 1))
        if (i > 0 && name_char(value[i - 1])) return true;
    return false;
}

struct Form {
    Rows survey, choices, settings;
};

Form built_form() {
    const kestrivo::field::XlsxWorkbook book(KESTRIVO_FORM);
    return {sheet(book, "survey"), sheet(book, "choices"), sheet(book, "settings")};
}

std::set<std::string> field_names(const Rows& survey) {
    std::set<std::string> names;
    for (std::size_t r = 1; r < survey.size(); ++r)
        if (const auto name = cell(survey, r, "name"); !name.empty()) names.insert(name);
    return names;
}

// The column's name before any "::language".
std::string base_of(const std::string& header) {
    return header.substr(0, header.find("::"));
}

TEST(form_test, every_expression_of_the_built_form_compiles_and_calls_known_functions) {
    const Form form = built_form();
    const auto fields = field_names(form.survey);
    // Every column is one this test knows: an expression column under another spelling would
    // otherwise go unchecked.
    const std::set<std::string> survey_columns = {"type",
                                                  "name",
                                                  "label",
                                                  "hint",
                                                  "guidance_hint",
                                                  "required",
                                                  "required_message",
                                                  "appearance",
                                                  "constraint",
                                                  "constraint_message",
                                                  "relevant",
                                                  "calculation",
                                                  "default",
                                                  "choice_filter",
                                                  "repeat_count",
                                                  "read_only",
                                                  "parameters",
                                                  "media",
                                                  "trigger"};
    for (const auto& header : form.survey.at(0))
        EXPECT_TRUE(survey_columns.count(base_of(header))) << "survey column " << header;
    const std::set<std::string> settings_columns = {"form_title",       "form_id",       "version",
                                                    "default_language", "instance_name", "style",
                                                    "public_key",       "submission_url"};
    for (const auto& header : form.settings.at(0))
        EXPECT_TRUE(settings_columns.count(header)) << "settings column " << header;

    std::size_t checked = 0;
    const auto check = [&](const std::string& where, const std::string& expression) {
        ++checked;
        const auto problems = expression_problems(expression, fields);
        EXPECT_TRUE(problems.empty()) << where << " \"" << expression << "\": " << joined(problems);
    };
    for (std::size_t r = 1; r < form.survey.size(); ++r) {
        const std::string where =
            "survey row " + std::to_string(r + 1) + " (" + cell(form.survey, r, "name") + "), ";
        for (const char* name :
             {"constraint", "relevant", "calculation", "choice_filter", "repeat_count"})
            if (const auto value = cell(form.survey, r, name); !value.empty())
                check(where + name, value);
        if (const auto value = cell(form.survey, r, "required"); required_is_expression(value))
            check(where + "required", value);
        if (const auto value = cell(form.survey, r, "default"); default_is_expression(value))
            check(where + "default", value);
    }
    for (std::size_t r = 1; r < form.settings.size(); ++r)
        if (const auto value = cell(form.settings, r, "instance_name"); !value.empty())
            check("settings instance_name", value);
    // The form has expressions: a test that found none would have checked nothing.
    EXPECT_GT(checked, 0u);

    // Texts may show answers too ("${team}"): each must name a field.
    for (const Rows* rows : {&form.survey, &form.choices, &form.settings})
        for (std::size_t r = 1; r < rows->size(); ++r)
            for (const auto& text : (*rows)[r])
                for (auto i = text.find("${"); i != std::string::npos; i = text.find("${", i + 2)) {
                    const auto end = text.find('}', i);
                    ASSERT_NE(end, std::string::npos) << text;
                    EXPECT_TRUE(fields.count(text.substr(i + 2, end - i - 2))) << text;
                }
}

bool xml_name(const std::string& name) {
    return xmlValidateNCName(reinterpret_cast<const xmlChar*>(name.c_str()), 0) == 0;
}

TEST(form_test, names_are_xml_names_each_used_once_and_every_list_exists) {
    const Form form = built_form();
    // A group's or repeat's name comes back on its end row; every other name once.
    std::map<std::string, int> uses;
    std::map<std::string, std::string> lists_used;  // list -> the select that uses it
    for (std::size_t r = 1; r < form.survey.size(); ++r) {
        const auto type = cell(form.survey, r, "type");
        const auto name = cell(form.survey, r, "name");
        if (type.starts_with("end_")) continue;
        EXPECT_TRUE(xml_name(name)) << "survey row " << r + 1 << ": \"" << name << "\"";
        ++uses[name];
        for (const char* select : {"select_one ", "select_multiple "}) {
            if (!type.starts_with(select)) continue;
            std::string list = type.substr(std::string_view(select).size());
            list = list.substr(0, list.find(' '));  // "or_other" may follow
            lists_used[list] = type;
        }
    }
    for (const auto& [name, count] : uses)
        EXPECT_EQ(count, 1) << name;

    std::map<std::string, std::set<std::string>> lists;
    for (std::size_t r = 1; r < form.choices.size(); ++r) {
        const auto list = cell(form.choices, r, "list_name");
        const auto name = cell(form.choices, r, "name");
        EXPECT_TRUE(xml_name(list)) << "choices row " << r + 1 << ": \"" << list << "\"";
        // A choice is stored as its name, and a multiple select as names between spaces.
        EXPECT_FALSE(name.empty()) << "choices row " << r + 1;
        EXPECT_EQ(name.find_first_of(" \t\n"), std::string::npos) << "choices row " << r + 1;
        EXPECT_TRUE(lists[list].insert(name).second) << list << " has " << name << " twice";
    }
    for (const auto& [list, type] : lists_used)
        EXPECT_TRUE(lists.count(list)) << type << ": no list " << list << " in choices";
    EXPECT_TRUE(xml_name(cell(form.settings, 1, "form_id"))) << cell(form.settings, 1, "form_id");
}

TEST(form_test, every_text_a_team_reads_is_in_the_four_languages) {
    const Form form = built_form();
    const std::vector<std::string> languages = {"English (en)", "Français (fr)", "Español (es)",
                                                "Português (pt)"};
    const std::set<std::string> texts = {"label", "hint", "guidance_hint", "constraint_message",
                                         "required_message"};
    EXPECT_EQ(cell(form.settings, 1, "default_language"), languages[0]);
    std::size_t checked = 0;
    for (const auto* rows : {&form.survey, &form.choices}) {
        const auto& header = rows->at(0);
        for (const auto& name : header) {
            if (!texts.count(base_of(name))) continue;
            // A text column without a language would show on the phone as a language of its
            // own, "default".
            const std::string language =
                name.find("::") == std::string::npos ? "" : name.substr(name.find("::") + 2);
            EXPECT_NE(std::find(languages.begin(), languages.end(), language), languages.end())
                << name;
            if (language != languages[0]) continue;
            for (std::size_t r = 1; r < rows->size(); ++r) {
                if (cell(*rows, r, name).empty()) continue;
                ++checked;
                for (const auto& other : languages)
                    EXPECT_FALSE(cell(*rows, r, base_of(name) + "::" + other).empty())
                        << "row " << r + 1 << ", " << base_of(name) << "::" << other;
            }
        }
    }
    EXPECT_GT(checked, 0u);
}

// --- The version --------------------------------------------------------------------------------

// The sheets as the build takes them, in the workbook's order.
std::vector<kestrivo::forms::SheetText> source_sheets(const fs::path& folder,
                                                      const std::vector<std::string>& names) {
    std::vector<kestrivo::forms::SheetText> sheets;
    for (const auto& name : names)
        sheets.push_back({name, text_of(folder / (name + ".csv"))});
    return sheets;
}

std::string version_of(const fs::path& workbook) {
    const kestrivo::field::XlsxWorkbook book(workbook.string());
    const auto settings = sheet(book, "settings");
    return cell(settings, 1, "version");
}

class changed_sheet : public testing::TestWithParam<std::string> {};

// End to end: the build tool, given the sheets with one byte of one changed, writes a workbook
// under another version, the one the changed sheets derive (so Central never sees a changed form
// under a version it has).
TEST_P(changed_sheet, builds_a_form_under_another_version) {
    const kestrivo::field::XlsxWorkbook book(KESTRIVO_FORM);
    const auto names = book.sheets();
    const fs::path folder = fs::temp_directory_path() /
                            ("kestrivo-form-test-" + GetParam() + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    auto sheets = source_sheets(KESTRIVO_FORM_SHEETS, names);
    const auto which = std::find_if(sheets.begin(), sheets.end(),
                                    [](const auto& s) { return s.name == GetParam(); });
    ASSERT_NE(which, sheets.end());
    // The first byte of the second row: a cell's text, so the sheet still reads as CSV.
    const std::size_t at = which->bytes.find('\n') + 1;
    ASSERT_LT(at, which->bytes.size());
    which->bytes[at] = char(which->bytes[at] ^ 0x01);
    std::string command =
        std::string("'") + KESTRIVO_FORM_TOOL + "' '" + (folder / "form.xlsx").string() + "'";
    for (const auto& s : sheets) {
        std::ofstream(folder / (s.name + ".csv"), std::ios::binary) << s.bytes;
        command += " '" + (folder / (s.name + ".csv")).string() + "'";
    }
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string version = version_of(folder / "form.xlsx");
    EXPECT_NE(version, version_of(KESTRIVO_FORM));
    EXPECT_EQ(version, kestrivo::forms::form_version(sheets));
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(form_test, changed_sheet,
                         testing::Values("survey", "choices", "settings"));

// --- What the tabulation reads ------------------------------------------------------------------

TEST(form_test, the_form_has_what_the_tabulation_reads) {
    const kestrivo::field::XlsxWorkbook book(KESTRIVO_FORM);
    EXPECT_EQ(book.sheets(), (std::vector<std::string>{"survey", "choices", "settings"}));
    const auto survey = sheet(book, "survey"), choices = sheet(book, "choices");
    const auto settings = sheet(book, "settings");
    const auto& header = survey.at(0);
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
        {"mark", "select_one mark_seen"},
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

// The vaccination mark: asked in the repeat right after the dog's ID, and optional, so that the
// same form serves a count before any campaign; every choice read back by the tabulation as its
// name, whether the export gives the name or the label in any language, in any case.
TEST(form_test, the_mark_question_is_optional_and_its_every_label_is_read) {
    const Form form = built_form();
    std::size_t dog_row = 0, mark_row = 0;
    for (std::size_t r = 1; r < form.survey.size(); ++r) {
        if (cell(form.survey, r, "name") == "dog_id") dog_row = r;
        if (cell(form.survey, r, "name") == "mark") mark_row = r;
    }
    ASSERT_GT(dog_row, 0u);
    EXPECT_EQ(mark_row, dog_row + 1);
    const std::string required = cell(form.survey, mark_row, "required");
    EXPECT_TRUE(required.empty() || required == "no") << required;
    const std::string type = cell(form.survey, mark_row, "type");
    const std::string list = type.substr(type.find(' ') + 1);
    std::set<std::string> names;
    for (std::size_t r = 1; r < form.choices.size(); ++r) {
        if (cell(form.choices, r, "list_name") != list) continue;
        const std::string name = cell(form.choices, r, "name");
        names.insert(name);
        const auto mark = kestrivo::field::mark_seen(name);
        for (const auto& header : form.choices.at(0)) {
            if (base_of(header) != "label") continue;
            std::string label = cell(form.choices, r, header);
            EXPECT_EQ(kestrivo::field::mark_seen(label), mark) << name << ", " << header;
            for (char& c : label)
                c = char(std::toupper(static_cast<unsigned char>(c)));
            EXPECT_EQ(kestrivo::field::mark_seen(label), mark) << name << ", " << header;
        }
    }
    EXPECT_EQ(names, (std::set<std::string>{"yes", "no", "unclear"}));
    EXPECT_EQ(kestrivo::field::mark_seen("yes"), kestrivo::field::MarkSeen::yes);
    EXPECT_EQ(kestrivo::field::mark_seen("no"), kestrivo::field::MarkSeen::no);
    EXPECT_EQ(kestrivo::field::mark_seen("unclear"), kestrivo::field::MarkSeen::unclear);
}

}  // namespace
