// The exports a team downloads from its data server, and the tables a team keeps by hand, read
// into a Tabulation. Each table's layout is found from its header, never from its file name:
//   - ODK Central: the export zip as downloaded, or its CSVs (<form>.csv and <form>-sighting.csv);
//     group paths joined with "-", a geopoint as its -Latitude, -Longitude, -Altitude and
//     -Accuracy columns, repeat rows linked by PARENT_KEY to the submission's KEY;
//   - KoboToolbox: the XLSX export (a sheet per section), or its sheets saved as CSV; group paths
//     joined with "/", a geopoint as _<name>_latitude and so on, repeat rows linked by
//     _submission__uuid to _uuid (else _parent_index to _index), ";" or "," between fields;
//   - long: one row a sighting, block,count,dog_id (an empty dog_id: the count was done, no dog)
//     and, if kept, mark (yes, no, unclear);
//   - wide: one row a dog, block,dog_id,seen1,seen2,seen3 with 0 or 1 and, if kept, marked;
//   - a table of blocks (--blocks): block, a stratum column, latitude or lat, longitude or lon,
//     outline (ODK's geoshape form), and any other columns.
// A sighting's vaccination mark is the form's optional `mark` field, read as mark_seen reads it.
// Columns are found by the last part of their path, so a form's groups do not matter. The form
// these names come from is share/forms/ (the survey sheet's names).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "field/tabulation.h"

namespace kestrivo::field {

/// The layouts a table of field data can have.
enum class FieldLayout {
    odk_submissions,
    odk_sightings,
    kobo_submissions,
    kobo_sightings,
    long_sightings,
    wide_dogs,
    block_table,
};

/// The layout's name in words ("ODK Central submissions").
const char* layout_name(FieldLayout layout);

struct FieldInputs {
    std::vector<std::string> files;     // exports, sheets saved as CSV, long or wide tables
    std::optional<std::string> blocks;  // the table of blocks
    /// Submissions rejected in review (ODK Central's ReviewState, KoboToolbox's validation
    /// status) are left out and listed, unless this takes them back.
    bool include_rejected = false;
};

/// Every table read, with its layout: what was read, for the user.
struct TableRead {
    std::string label;  // the file, and the entry or sheet within it
    FieldLayout layout;
    std::size_t rows = 0;
};

/// Whether the file at `path` is a table of blocks (what FieldInputs::blocks takes): one table,
/// with a block column, whose header is none of the layouts of sightings or submissions. False
/// for anything that cannot be read.
bool is_table_of_blocks(const std::string& path);

/// Reads the block table (when given), then every submissions table, then every sightings, long
/// and wide table, into `tabulation`. Throws survey::FileError (naming the file) for a file that
/// cannot be read, a table whose layout cannot be told from its header, a column a layout needs,
/// and a table of submissions whose sightings are not among the inputs (KoboToolbox's CSV export
/// leaves its repeat groups out).
std::vector<TableRead> read_field_data(const FieldInputs& inputs, Tabulation& tabulation);

}  // namespace kestrivo::field
