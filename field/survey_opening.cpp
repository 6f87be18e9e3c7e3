// how_to_open: a file's first line tells a survey from field data (a survey's header names its
// counts), a table of blocks is told by the tabulator's own reading of its header, and field data
// are tabulated whole in memory, the tabulator's complaint made the user's message.
#include "field/survey_opening.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <new>
#include <sstream>
#include <utility>

#include "field/field_export.h"
#include "field/field_writers.h"
#include "survey/csv_records.h"

namespace kestrivo::field {
namespace {

// Whether the file at `path` is field data rather than a survey: a zip or XLSX archive, or a
// table whose header has none of the survey's count columns.
bool is_field_export(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string first;
    std::getline(in, first);
    if (first.rfind("PK\x03\x04", 0) == 0) return true;  // a zip: ODK's export, or an XLSX
    // A header: a survey names its counts (c100 and the rest), whatever the quoting or the
    // separator; field data has none of them.
    std::string lower;
    for (const char c : first)
        lower += char(std::tolower(static_cast<unsigned char>(c)));
    for (const char* count : {"c100", "c111", "c101", "c110"}) {
        for (std::size_t at = lower.find(count); at != std::string::npos;
             at = lower.find(count, at + 1)) {
            const auto boundary = [&](std::size_t i) {
                return i >= lower.size() || !std::isalnum(static_cast<unsigned char>(lower[i]));
            };
            if ((at == 0 || boundary(at - 1)) && boundary(at + 4)) return false;
        }
    }
    return true;
}

enum class TableKind { survey, blocks, other };

// What a file given among several is, from its header. Only an ordinary file is looked at here:
// a pipe would lose what is read, and anything else is left to the tabulator to refuse by name.
TableKind kind_of_table(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return TableKind::other;
    if (!is_field_export(path)) return TableKind::survey;
    return is_table_of_blocks(path) ? TableKind::blocks : TableKind::other;
}

// The file's name without its folders, as a window's title gives it.
std::string file_name(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

SurveyOpening refused(std::string reason, SurveyOpening::Refusal refusal, std::string path) {
    SurveyOpening opening;
    opening.way = SurveyOpening::Way::refused;
    opening.reason = std::move(reason);
    opening.refusal = refusal;
    opening.path = std::move(path);
    return opening;
}

// Field data tabulated in memory into the survey file's text, with its conflicts; `files` (the
// paths, ", " between them) say what took all the memory, `message` makes the tabulator's
// complaint the user's message and says what kind of refusal it is.
SurveyOpening tabulated(
    const FieldInputs& inputs, std::string name, const std::string& files, bool several,
    const std::function<std::pair<std::string, SurveyOpening::Refusal>(std::string)>& message) {
    Tabulation tabulation;
    try {
        read_field_data(inputs, tabulation);
    } catch (const std::bad_alloc&) {
        // Field data take memory in step with their dogs: data that take more than the machine
        // has are said, and whatever asked stays as it was.
        SurveyOpening opening = refused(files + (several ? ": hold" : ": holds") +
                                            " more than this computer's memory can tabulate.",
                                        SurveyOpening::Refusal::out_of_memory, files);
        opening.several = several;
        return opening;
    } catch (const survey::FileError& e) {
        auto [reason, refusal] = message(e.what());
        SurveyOpening opening = refused(std::move(reason), refusal, files);
        opening.several = several;
        // The tabulator's reason alone, without the file's name it may start with.
        opening.detail = e.what();
        if (opening.detail.rfind(files + ": ", 0) == 0) opening.detail.erase(0, files.size() + 2);
        return opening;
    }
    const TabulatedSurvey survey = tabulation.finish();
    std::ostringstream text;
    write_tabulated_survey(text, survey);
    SurveyOpening opening;
    opening.way = SurveyOpening::Way::field_data;
    opening.name = std::move(name);
    opening.text = text.str();
    opening.conflicts = survey.conflicts;
    opening.first_day = survey.first_day;
    opening.last_day = survey.last_day;
    return opening;
}

SurveyOpening one_file(const std::string& path) {
    if (!is_field_export(path)) {
        SurveyOpening opening;
        opening.name = file_name(path);
        return opening;
    }
    // Field data, tabulated as kestrivo-tabulate would. Said once, as both readers see it: the
    // tabulator's reason follows the file's name.
    return tabulated({{path}, {}}, file_name(path), path, false, [&](std::string why) {
        if (why.rfind(path + ": ", 0) == 0) why.erase(0, path.size() + 2);
        return std::pair{path +
                             ": is neither a survey (whose header names c100, c111, c101 and "
                             "c110) nor field data: " +
                             why,
                         SurveyOpening::Refusal::neither};
    });
}

SurveyOpening several_files(const std::vector<std::string>& paths) {
    FieldInputs inputs;
    std::string names, files;
    for (const std::string& path : paths) {
        names += (names.empty() ? "" : ", ") + file_name(path);
        files += (files.empty() ? "" : ", ") + path;
        switch (kind_of_table(path)) {
            case TableKind::survey:
                return refused(path +
                                   ": is a survey (its header names c100, c111, c101 and c110), "
                                   "which opens alone; only field data come in several files.",
                               SurveyOpening::Refusal::survey_among_field, path);
            case TableKind::blocks:
                if (inputs.blocks) {
                    SurveyOpening opening = refused(path + ": is a second table of blocks, after " +
                                                        *inputs.blocks + "; give one.",
                                                    SurveyOpening::Refusal::second_blocks, path);
                    opening.first_blocks = *inputs.blocks;
                    return opening;
                }
                inputs.blocks = path;
                break;
            case TableKind::other:
                inputs.files.push_back(path);
                break;
        }
    }
    // What the tabulator says of the files together (the submissions without their sightings,
    // say) names no file of its own: it is said of them all.
    return tabulated(inputs, names, files, true, [&](const std::string& why) {
        const bool named = std::any_of(paths.begin(), paths.end(), [&](const std::string& path) {
            return why.rfind(path + ":", 0) == 0 || why.rfind(path + ",", 0) == 0;
        });
        return std::pair{named ? why : files + ": " + why, SurveyOpening::Refusal::unreadable};
    });
}

}  // namespace

SurveyOpening how_to_open(const std::vector<std::string>& paths) {
    return paths.size() == 1 ? one_file(paths.front()) : several_files(paths);
}

}  // namespace kestrivo::field
