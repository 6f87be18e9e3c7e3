// The one answer to "can these files be opened as a survey, and how", for whatever opens them (the
// window's File > Open survey, its command line): a survey file as it is, field data tabulated in
// memory as kestrivo-tabulate would, or a refusal that says why. The files are told apart here,
// by their headers, so that every way in opens the same files the same way and says the same.
#pragma once

#include <string>
#include <vector>

#include "field/tabulation.h"

namespace kestrivo::field {

struct SurveyOpening {
    enum class Way {
        survey_file,  // one survey file, to be read as it is
        field_data,   // tabulated: `text` is the survey, `conflicts` what was found in it
        refused,      // `reason` says why, naming the file
    };
    Way way = Way::survey_file;
    std::string name;                 // unless refused: the files' names, ", " between them
    std::string text;                 // field_data: the survey file kestrivo-tabulate would write
    std::vector<Conflict> conflicts;  // field_data
    std::string reason;               // refused
    /// refused: the same as data, for a window that says it in its own language. `path` is the
    /// file refused, or the files ", " between them; `first_blocks` the table of blocks before a
    /// second; `detail` the tabulator's own reason, in its words.
    enum class Refusal {
        none,
        neither,             // one file, neither a survey nor field data the tabulator reads
        survey_among_field,  // a survey file given with other files
        second_blocks,       // a second table of blocks
        out_of_memory,       // field data larger than the memory can tabulate
        unreadable,          // several files whose field data the tabulator refuses
    };
    Refusal refusal = Refusal::none;
    std::string path, first_blocks, detail;
    bool several = false;  // `path` names several files
    /// field_data: the fieldwork's first and last day, "YYYY-MM-DD" ("" when no time was read).
    std::string first_day, last_day;
};

/// How `paths` open as one survey. One file whose header names a survey's counts (c100, c111,
/// c101 and c110) is a survey file; one field export (ODK Central's zip, KoboToolbox's XLSX, long
/// or wide tables) is tabulated. Several files are field data together (an export's CSVs; long or
/// wide tables, with at most one table of blocks among them, told by its header: a block column,
/// and no dog_id or count), tabulated together: a survey file among them, or a second table of
/// blocks, is refused by name. Field data that cannot be read, or would take more memory than the
/// computer has, are refused too.
SurveyOpening how_to_open(const std::vector<std::string>& paths);

}  // namespace kestrivo::field
