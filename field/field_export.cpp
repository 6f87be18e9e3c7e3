// read_field_data: every input opened as one or more tables (a CSV, a zip's CSVs, a workbook's
// sheets), each classified by its header, then read in the order that lets a sighting find its
// block: the blocks, the submissions, then the rest.
#include "field/field_export.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <unordered_map>

#include "field/xlsx_workbook.h"
#include "field/zip_archive.h"
#include "survey/csv_records.h"

namespace kestrivo::field {

using survey::FileError;
using survey::Record;
using survey::RecordReader;
using survey::trimmed;

const char* layout_name(FieldLayout layout) {
    switch (layout) {
        case FieldLayout::odk_submissions:
            return "ODK Central submissions";
        case FieldLayout::odk_sightings:
            return "ODK Central sightings";
        case FieldLayout::kobo_submissions:
            return "KoboToolbox submissions";
        case FieldLayout::kobo_sightings:
            return "KoboToolbox sightings";
        case FieldLayout::long_sightings:
            return "sightings, one a row";
        case FieldLayout::wide_dogs:
            return "dogs, one a row";
        case FieldLayout::block_table:
            return "blocks";
    }
    return "";
}

namespace {

// The fields of the form the tables come from.
constexpr const char* kBlockId = "block_id";
constexpr const char* kWard = "ward";
constexpr const char* kPoint = "block_point";
constexpr const char* kShape = "block_shape";
constexpr const char* kTeam = "team";
constexpr const char* kCountsCovered = "counts_covered";
constexpr const char* kCountNumber = "count_no";
constexpr const char* kDogId = "dog_id";
constexpr const char* kMark = "mark";  // optional: the form serves counts before any campaign

std::string lower(std::string text) {
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A CSV file or entry, read through the survey's record reader.
class CsvRows : public TableRows {
public:
    CsvRows(std::unique_ptr<std::istream> in, std::string label, char delimiter)
        : in_(std::move(in)), records_(*in_, std::move(label), delimiter) {}
    std::optional<Record> next() override { return records_.next(); }

private:
    std::unique_ptr<std::istream> in_;
    RecordReader records_;
};

// The field separator of a CSV whose first line is `line`: the one of ";" and "," more often
// outside quotes (KoboToolbox writes ";" by default).
char delimiter_of(const std::string& line) {
    std::size_t commas = 0, semicolons = 0;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        commas += c == ',';
        semicolons += c == ';';
    }
    return semicolons > commas ? ';' : ',';
}

struct Table {
    std::string label;
    std::function<std::unique_ptr<TableRows>()> open;
    std::vector<std::string> header;
    FieldLayout layout{};
};

// A header's columns, found by the last part of their path.
class Columns {
public:
    Columns(const std::vector<std::string>& names, char separator) : names_(names) {
        for (const std::string& name : names_) {
            std::vector<std::string> parts;
            std::size_t start = 0;
            for (std::size_t i = 0; i <= name.size(); ++i) {
                if (i == name.size() || name[i] == separator) {
                    parts.push_back(trimmed(name.substr(start, i - start)));
                    start = i + 1;
                }
            }
            parts_.push_back(std::move(parts));
        }
    }

    /// The column whose path ends in `field` (or, failing that, ends in it but for case).
    std::optional<std::size_t> find(const std::string& field) const {
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            if (parts_[i].back() == field) return i;
        }
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            if (lower(parts_[i].back()) == lower(field)) return i;
        }
        return std::nullopt;
    }
    /// The column named exactly `name`.
    std::optional<std::size_t> exact(const std::string& name) const {
        for (std::size_t i = 0; i < names_.size(); ++i) {
            if (trimmed(names_[i]) == name) return i;
        }
        return std::nullopt;
    }
    /// ODK Central's split geopoint: the column whose path ends in `field`, `part`.
    std::optional<std::size_t> odk_part(const std::string& field, const std::string& part) const {
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            const auto& p = parts_[i];
            if (p.size() >= 2 && p.back() == part && p[p.size() - 2] == field) return i;
        }
        return std::nullopt;
    }
    /// KoboToolbox's split geopoint: _<field>_<part>, its path's underscores in front dropped.
    std::optional<std::size_t> kobo_part(const std::string& field, const std::string& part) const {
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            std::string last = parts_[i].back();
            last.erase(0, last.find_first_not_of('_'));
            if (last == field + "_" + part) return i;
        }
        return std::nullopt;
    }

private:
    std::vector<std::string> names_;
    std::vector<std::vector<std::string>> parts_;
};

// A cell without the spaces at either end, Unicode's a phone may add among them, so that a cell
// of spaces alone is empty wherever it is tested.
std::string field(const Record& record, std::optional<std::size_t> at) {
    return at && *at < record.fields.size() ? trimmed_id(record.fields[*at]) : std::string();
}

FieldLayout classify(const Table& table) {
    const Columns plain(table.header, '\0');
    const auto has = [&](const char* name) { return plain.exact(name).has_value(); };
    const auto has_lower = [&](const char* name) {
        return std::any_of(table.header.begin(), table.header.end(),
                           [&](const std::string& h) { return lower(trimmed(h)) == name; });
    };
    if (has("PARENT_KEY")) return FieldLayout::odk_sightings;
    if (has("KEY")) return FieldLayout::odk_submissions;
    if (has("_submission__uuid") || has("_parent_index")) return FieldLayout::kobo_sightings;
    if (has("_uuid") || has("_index")) return FieldLayout::kobo_submissions;
    if (has_lower("block") && has_lower("dog_id") && has_lower("seen1")) {
        return FieldLayout::wide_dogs;
    }
    if (has_lower("block") && has_lower("count") && has_lower("dog_id")) {
        return FieldLayout::long_sightings;
    }
    throw FileError(table.label +
                    ": the header is none of the layouts kestrivo-tabulate reads (an ODK Central "
                    "or KoboToolbox export, block,count,dog_id, or block,dog_id,seen1,seen2,"
                    "seen3).");
}

std::vector<std::string> header_of(const Table& table, TableRows& rows) {
    const std::optional<Record> header = rows.next();
    if (!header) throw FileError(table.label + ": the table is empty.");
    if (!header->why.empty()) {
        throw FileError(table.label + ": the header cannot be read: " + header->why + ".");
    }
    return header->fields;
}

// The first line of a stream, as far as a header can reach: a file of one endless line is no
// table, and would otherwise be held whole.
std::string first_line(std::istream& in) {
    constexpr std::size_t kLongestHeader = 1 << 20;
    std::string line;
    for (int c = in.get(); c != std::char_traits<char>::eof() && c != '\n'; c = in.get()) {
        if (line.size() == kLongestHeader) break;
        line += char(c);
    }
    return line;
}

Table csv_table(std::string label, std::function<std::unique_ptr<std::istream>()> stream) {
    // The first line tells the separator; the table is then read afresh.
    std::string first;
    {
        const auto in = stream();
        first = first_line(*in);
    }
    const char delimiter = delimiter_of(first);
    Table table;
    table.label = label;
    table.open = [stream, label, delimiter] {
        return std::make_unique<CsvRows>(stream(), label, delimiter);
    };
    return table;
}

// A pipe's data, copied to a file of our own as it is read: each table is read more than once
// (its header, then its rows), and a zip must be read where it is, so an input that can be read
// only once is read once, here. The copy goes when the last table of it does.
class PipeCopy {
public:
    explicit PipeCopy(const std::string& path) {
        std::error_code error;
        const auto folder = std::filesystem::temp_directory_path(error);
        if (error) {
            throw FileError(path + ": cannot be copied to a temporary file (" + error.message() +
                            ").");
        }
        std::string pattern = (folder / "kestrivo-pipe-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) {
            throw FileError(path + ": cannot be copied to a temporary file (" +
                            std::strerror(errno) + ").");
        }
        ::close(fd);
        file_ = pattern;
        try {
            copy(path);
        } catch (...) {
            std::filesystem::remove(file_, error);
            throw;
        }
    }
    ~PipeCopy() {
        std::error_code ignored;
        std::filesystem::remove(file_, ignored);
    }
    PipeCopy(const PipeCopy&) = delete;
    PipeCopy& operator=(const PipeCopy&) = delete;
    const std::string& file() const { return file_; }

private:
    // No export comes near this; a pipe that runs on past it (from /dev/zero, say) would fill
    // the disk.
    static constexpr std::uintmax_t kLargestCopy = std::uintmax_t{4} << 30;

    void copy(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) throw FileError(path + ": cannot be read.");
        std::ofstream out(file_, std::ios::binary | std::ios::trunc);
        std::array<char, 1 << 16> chunk{};
        std::uintmax_t copied = 0;
        while (in.read(chunk.data(), std::streamsize(chunk.size())) || in.gcount() > 0) {
            out.write(chunk.data(), in.gcount());
            copied += std::uintmax_t(in.gcount());
            if (copied > kLargestCopy) {
                throw FileError(path + ": runs on past " + std::to_string(kLargestCopy >> 30) +
                                " GB, more than any export holds.");
            }
            if (!out) break;
        }
        if (in.bad()) throw FileError(path + ": could not be read to its end.");
        out.flush();
        if (!out) {
            throw FileError(path + ": cannot be copied to a temporary file (" +
                            std::strerror(errno) + ").");
        }
    }

    std::string file_;
};

// The tables an input holds: a CSV is one; a zip holds its CSVs (ODK Central's export) or is a
// workbook (KoboToolbox's XLSX), whose sheets are tables.
std::vector<Table> tables_of(const std::string& path) {
    // Looked at before it is opened: a pipe is copied once (see PipeCopy), and a device such as
    // /dev/zero or a terminal is no export and would never end.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        throw FileError(path + ": cannot be read (" + std::strerror(errno) + ").");
    }
    if (S_ISDIR(status.st_mode)) {
        throw FileError(path + ": is a folder, not an export or a table.");
    }
    std::shared_ptr<PipeCopy> copy;
    if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) {
        copy = std::make_shared<PipeCopy>(path);
    } else if (!S_ISREG(status.st_mode)) {
        throw FileError(path + ": is a device, not an export or a table.");
    }
    const std::string file = copy ? copy->file() : path;
    std::ifstream probe(file, std::ios::binary);
    if (!probe) throw FileError(path + ": cannot be read.");
    char magic[8] = {};
    probe.read(magic, sizeof magic);
    probe.close();
    const std::string start(magic, sizeof magic);
    std::vector<Table> tables;
    if (start.starts_with("\xD0\xCF\x11\xE0")) {
        throw FileError(path +
                        ": is an Excel 97 workbook (.xls); export as XLSX, or as CSV, instead.");
    }
    if (start.starts_with("PK\x03\x04") || start.starts_with("PK\x05\x06")) {
        auto archive = std::make_shared<ZipArchive>(file, path);
        if (archive->has("xl/workbook.xml")) {
            auto workbook = std::make_shared<XlsxWorkbook>(file, path);
            for (const std::string& sheet : workbook->sheets()) {
                Table table;
                table.label = path + ", sheet " + sheet;
                table.open = [workbook, sheet, copy] { return workbook->open(sheet); };
                tables.push_back(std::move(table));
            }
            return tables;
        }
        for (const std::string& entry : archive->entries()) {
            if (!lower(entry).ends_with(".csv")) continue;  // media files, folders
            tables.push_back(csv_table(path + ": " + entry,
                                       [archive, entry, copy] { return archive->open(entry); }));
        }
        if (tables.empty()) throw FileError(path + ": the zip archive holds no CSV table.");
        return tables;
    }
    tables.push_back(csv_table(path, [file, copy] {
        return std::unique_ptr<std::istream>(
            std::make_unique<std::ifstream>(file, std::ios::binary));
    }));
    return tables;
}

// A geopoint's latitude and longitude: from its split columns, else from the one column that
// holds "lat lon alt accuracy".
std::pair<std::string, std::string> geopoint(const Record& row, const Columns& columns, bool odk) {
    const auto lat =
        odk ? columns.odk_part(kPoint, "Latitude") : columns.kobo_part(kPoint, "latitude");
    const auto lon =
        odk ? columns.odk_part(kPoint, "Longitude") : columns.kobo_part(kPoint, "longitude");
    if (lat && lon && !(field(row, lat).empty() && field(row, lon).empty())) {
        return {field(row, lat), field(row, lon)};
    }
    const std::string whole = field(row, columns.find(kPoint));
    const std::size_t blank = whole.find(' ');
    if (blank == std::string::npos) return {"", ""};
    const std::size_t next = whole.find(' ', blank + 1);
    return {
        whole.substr(0, blank),
        whole.substr(blank + 1, next == std::string::npos ? std::string::npos : next - blank - 1)};
}

std::optional<std::size_t> need(const Columns& columns, const Table& table, const char* name) {
    const auto at = columns.find(name);
    if (!at) throw FileError(table.label + ": the table has no column " + name + ".");
    return at;
}

// Submissions: each names its block, what it says of it, and which counts it records.
struct Link {
    std::string block;
    std::string submission;  // its instance ID, or its place when it has none
    Source where;
    bool left_out = false;        // rejected in review
    std::string sightings_table;  // the table its sightings were first read from
};
struct Links {
    std::unordered_map<std::string, Link> by_key;    // ODK KEY, or Kobo _uuid
    std::unordered_map<std::string, Link> by_index;  // Kobo _index
};

// What review said of a submission: ODK Central's ReviewState (rejected, hasIssues, approved,
// edited), KoboToolbox's _validation_status (validation_status_not_approved, or "Not Approved"
// in an export with labels; on_hold, approved).
enum class Review { none, has_issues, rejected };

Review review_of(const std::string& state) {
    std::string text = lower(state);
    std::replace(text.begin(), text.end(), ' ', '_');
    if (text == "rejected" || text.find("not_approved") != std::string::npos) {
        return Review::rejected;
    }
    if (text == "hasissues" || text.find("on_hold") != std::string::npos) {
        return Review::has_issues;
    }
    return Review::none;
}

// When the fieldwork was done: the form's start and end (the phone's clock as the count began and
// ended, whatever group the export puts them in), else the time the server took the submission,
// which may be days later where a team waits for a signal.
struct TimeColumns {
    std::optional<std::size_t> start, end, sent;
};

void worked_at(const Record& row, const TimeColumns& at, Tabulation& tabulation) {
    const std::string start = field(row, at.start), end = field(row, at.end);
    if (day_of(start).empty() && day_of(end).empty()) {
        tabulation.worked_at(field(row, at.sent));
        return;
    }
    tabulation.worked_at(start);
    tabulation.worked_at(end);
}

std::size_t read_submissions(const Table& table, Tabulation& tabulation, Links& links,
                             bool include_rejected) {
    const bool odk = table.layout == FieldLayout::odk_submissions;
    const Columns columns(table.header, odk ? '-' : '/');
    const Columns plain(table.header, '\0');
    const auto block_at = need(columns, table, kBlockId);
    const auto key_at = odk ? plain.exact("KEY") : plain.exact("_uuid");
    const auto index_at = odk ? std::nullopt : plain.exact("_index");
    const auto review_at = odk ? plain.exact("ReviewState") : plain.exact("_validation_status");
    const auto ward_at = columns.find(kWard), shape_at = columns.find(kShape);
    const auto team_at = columns.find(kTeam), covered_at = columns.find(kCountsCovered);
    const TimeColumns times{columns.find("start"), columns.find("end"),
                            odk ? plain.exact("SubmissionDate") : plain.exact("_submission_time")};
    if (ward_at) tabulation.name_stratum_column(kWard);
    const auto rows = table.open();
    rows->next();  // the header
    std::size_t count = 0;
    Source where{table.label, 0};
    while (const std::optional<Record> row = rows->next()) {
        ++count;
        where.line = row->line;
        if (!row->why.empty()) {
            tabulation.unplaced("", "", "", where, "the submission cannot be read: " + row->why);
            continue;
        }
        const std::string block = field(*row, block_at);
        const std::string key = field(*row, key_at), index = field(*row, index_at);
        // counts_covered is a select_multiple: its choices, separated by blanks.
        const std::string covered = field(*row, covered_at);
        std::vector<int> counts;
        std::string count_text;
        for (std::size_t start = 0; start < covered.size();) {
            std::size_t end = covered.find_first_of(" ,", start);
            if (end == std::string::npos) end = covered.size();
            if (const int k = count_number(covered.substr(start, end - start)); k > 0) {
                counts.push_back(k);
                count_text += (count_text.empty() ? "" : " ") + std::to_string(k);
            }
            start = end + 1;
        }
        // The same instance read twice (the zip and its CSVs given together, say) is one
        // submission: the first reading stands, and so do the sightings read with it.
        if (const auto first = links.by_key.find(key);
            !key.empty() && first != links.by_key.end()) {
            tabulation.note(ConflictKind::same_submission_twice, block, count_text, key, where,
                            "the submission " + key + " was read before (" +
                                first->second.where.file + ", line " +
                                std::to_string(first->second.where.line) + "); it is counted once",
                            true);
            continue;
        }
        Link link{block, key.empty() ? where.file + ":" + std::to_string(where.line) : key, where,
                  false, ""};
        const Review review = review_of(field(*row, review_at));
        if (review == Review::rejected && !include_rejected) {
            link.left_out = true;
            tabulation.note(ConflictKind::rejected_in_review, block, count_text, key, where,
                            "the submission was rejected in review and is left out, with its "
                            "sightings (--include-rejected takes it back)",
                            true);
        } else if (review == Review::has_issues) {
            tabulation.note(ConflictKind::review_has_issues, block, count_text, key, where,
                            "review marked the submission as having issues; it is counted, "
                            "as sent",
                            true);
        }
        if (!key.empty()) links.by_key[key] = link;
        if (!index.empty()) links.by_index[index] = link;
        if (block.empty()) {
            if (!link.left_out)
                tabulation.unplaced("", "", "", where, "the submission names no block");
            continue;
        }
        // A rejected submission still says the block is there: its row stays, with the counts
        // no other submission records left empty. What it says of the block (a ward typed
        // wrong, say) may be why it was rejected, and is not taken.
        if (link.left_out) {
            tabulation.block(block, {}, where);
            continue;
        }
        worked_at(*row, times, tabulation);
        BlockFacts facts;
        facts.stratum = field(*row, ward_at);
        std::tie(facts.latitude, facts.longitude) = geopoint(*row, columns, odk);
        facts.outline = field(*row, shape_at);
        if (team_at) facts.rest.emplace_back(kTeam, field(*row, team_at));
        tabulation.block(block, facts, where);
        for (const int k : counts)
            tabulation.count_done(block, k, where, link.submission);
    }
    return count;
}

std::size_t read_sightings(const Table& table, Tabulation& tabulation, Links& links) {
    const bool odk = table.layout == FieldLayout::odk_sightings;
    const Columns columns(table.header, odk ? '-' : '/');
    const Columns plain(table.header, '\0');
    const auto count_at = need(columns, table, kCountNumber);
    const auto dog_at = need(columns, table, kDogId);
    const auto mark_at = columns.find(kMark);
    const auto key_at = odk ? plain.exact("PARENT_KEY") : plain.exact("_submission__uuid");
    const auto index_at = odk ? std::nullopt : plain.exact("_parent_index");
    const auto rows = table.open();
    rows->next();
    std::size_t count = 0;
    Source where{table.label, 0};
    while (const std::optional<Record> row = rows->next()) {
        ++count;
        where.line = row->line;
        if (!row->why.empty()) {
            tabulation.unplaced("", "", "", where, "the sighting cannot be read: " + row->why);
            continue;
        }
        const std::string key = field(*row, key_at), index = field(*row, index_at);
        const std::string number = field(*row, count_at), dog = field(*row, dog_at);
        const auto none = links.by_key.end();
        auto link = key.empty() ? none : links.by_key.find(key);
        // A repeat inside a group may name the group's path after the submission's key.
        if (link == none && key.find('/') != std::string::npos) {
            link = links.by_key.find(key.substr(0, key.find('/')));
        }
        Link* found = nullptr;
        if (link != none) {
            found = &link->second;
        } else if (const auto by_index = links.by_index.find(index);
                   !index.empty() && by_index != links.by_index.end()) {
            found = &by_index->second;
        }
        if (!found) {
            tabulation.unplaced("", number, dog, where,
                                "the sighting is linked to no submission (" +
                                    std::string(odk ? "PARENT_KEY" : "_submission__uuid") + " \"" +
                                    (key.empty() ? index : key) + "\")");
            continue;
        }
        // A submission's sightings come from one table: the same ones in a second table are
        // the copy of a submission read twice.
        if (found->sightings_table.empty()) found->sightings_table = table.label;
        if (found->left_out || found->sightings_table != table.label) continue;
        if (found->block.empty()) {
            tabulation.unplaced("", number, dog, where, "its submission names no block");
        } else {
            tabulation.sighting(found->block, number, dog, where, found->submission,
                                mark_seen(field(*row, mark_at)));
        }
    }
    return count;
}

std::optional<std::size_t> column_named(const Table& table,
                                        std::initializer_list<const char*> names) {
    for (const char* name : names) {
        for (std::size_t i = 0; i < table.header.size(); ++i) {
            if (lower(trimmed(table.header[i])) == name) return i;
        }
    }
    return std::nullopt;
}

std::size_t read_long(const Table& table, Tabulation& tabulation) {
    const auto block_at = column_named(table, {"block"}), count_at = column_named(table, {"count"});
    const auto dog_at = column_named(table, {"dog_id"}), mark_at = column_named(table, {"mark"});
    const auto rows = table.open();
    rows->next();
    std::size_t count = 0;
    Source where{table.label, 0};
    while (const std::optional<Record> row = rows->next()) {
        ++count;
        where.line = row->line;
        const std::string block = field(*row, block_at), number = field(*row, count_at);
        const std::string dog = field(*row, dog_at);
        if (!row->why.empty() || block.empty()) {
            tabulation.unplaced(block, number, dog, where,
                                row->why.empty() ? "the row names no block"
                                                 : "the row cannot be read: " + row->why);
        } else if (dog.empty() && count_number(number) > 0) {
            tabulation.count_done(block, count_number(number), where);  // done, and no dog
        } else {
            tabulation.sighting(block, number, dog, where, "", mark_seen(field(*row, mark_at)));
        }
    }
    return count;
}

std::size_t read_wide(const Table& table, Tabulation& tabulation) {
    const auto block_at = column_named(table, {"block"}), dog_at = column_named(table, {"dog_id"});
    const auto marked_at = column_named(table, {"marked"});
    const std::array<std::optional<std::size_t>, 3> seen_at = {column_named(table, {"seen1"}),
                                                               column_named(table, {"seen2"}),
                                                               column_named(table, {"seen3"})};
    for (std::size_t k = 0; k < 3; ++k) {
        if (!seen_at[k]) {
            throw FileError(table.label + ": the table has no column seen" + std::to_string(k + 1) +
                            ".");
        }
    }
    const auto rows = table.open();
    rows->next();
    std::size_t count = 0;
    Source where{table.label, 0};
    while (const std::optional<Record> row = rows->next()) {
        ++count;
        where.line = row->line;
        const std::string block = field(*row, block_at), dog = field(*row, dog_at);
        if (!row->why.empty() || block.empty()) {
            tabulation.unplaced(block, "", dog, where,
                                row->why.empty() ? "the row names no block"
                                                 : "the row cannot be read: " + row->why);
            continue;
        }
        // A block's row with no dog says all three counts were walked and no dog was seen.
        if (dog.empty()) {
            for (int k = 1; k <= 3; ++k)
                tabulation.count_done(block, k, where);
            continue;
        }
        // A 0 or 1 says the count was walked; an empty cell says nothing of it. A count empty
        // for every dog of the block was not walked (count_missing); an empty cell beside 0s
        // and 1s of the same count is its row's conflict, found once the block is whole.
        std::array<int, 3> seen{};
        std::array<bool, 3> blank{};
        std::string bad;
        for (std::size_t k = 0; k < 3; ++k) {
            const std::string flag = lower(field(*row, seen_at[k]));
            if (flag == "1" || flag == "yes" || flag == "true") {
                seen[k] = 1;
            } else if (flag.empty()) {
                blank[k] = true;
            } else if (!(flag == "0" || flag == "no" || flag == "false")) {
                bad = "seen" + std::to_string(k + 1) + " is \"" + flag + "\", not 0 or 1";
            }
            if (!blank[k]) tabulation.count_done(block, int(k) + 1, where);
        }
        for (std::size_t k = 0; k < 3; ++k) {
            if (blank[k]) tabulation.count_blank(block, int(k) + 1, dog, where);
        }
        if (!bad.empty()) {
            tabulation.bad_record(ConflictKind::no_count_number, block, "", dog, where, bad);
        } else if (seen == std::array<int, 3>{}) {
            tabulation.bad_record(ConflictKind::no_count_number, block, "", dog, where,
                                  "the dog is seen on no count");
        } else {
            // The dog's mark, as one row gives it, is what each of its sightings says.
            const MarkSeen mark = mark_seen(field(*row, marked_at));
            for (int k = 0; k < 3; ++k) {
                if (seen[std::size_t(k)])
                    tabulation.sighting(block, std::to_string(k + 1), dog, where, "", mark);
            }
        }
    }
    return count;
}

std::size_t read_blocks(const Table& table, Tabulation& tabulation) {
    const auto block_at = column_named(table, {"block", "block_id"});
    if (!block_at) throw FileError(table.label + ": the table of blocks has no column block.");
    const auto lat_at = column_named(table, {"latitude", "lat"});
    const auto lon_at = column_named(table, {"longitude", "lon", "lng"});
    const auto outline_at = column_named(table, {"outline"});
    std::optional<std::size_t> stratum_at = column_named(table, {"ward", "stratum"});
    const auto known = [&](std::size_t i) {
        return i == *block_at || i == lat_at || i == lon_at || i == outline_at;
    };
    for (std::size_t i = 0; !stratum_at && i < table.header.size(); ++i) {
        if (!known(i)) stratum_at = i;  // else the first column of its own
    }
    if (stratum_at) tabulation.name_stratum_column(trimmed(table.header[*stratum_at]));
    const auto rows = table.open();
    rows->next();
    std::size_t count = 0;
    Source where{table.label, 0};
    while (const std::optional<Record> row = rows->next()) {
        ++count;
        where.line = row->line;
        const std::string block = field(*row, block_at);
        if (!row->why.empty() || block.empty()) {
            tabulation.unplaced(block, "", "", where,
                                row->why.empty() ? "the table of blocks has a row with no block"
                                                 : "the row cannot be read: " + row->why);
            continue;
        }
        BlockFacts facts;
        facts.stratum = field(*row, stratum_at);
        facts.latitude = field(*row, lat_at);
        facts.longitude = field(*row, lon_at);
        facts.outline = field(*row, outline_at);
        for (std::size_t i = 0; i < table.header.size(); ++i) {
            if (!known(i) && i != stratum_at)
                facts.rest.emplace_back(trimmed(table.header[i]), field(*row, i));
        }
        tabulation.block(block, facts, where, true);
    }
    tabulation.close_the_list_of_blocks();
    return count;
}

}  // namespace

bool is_table_of_blocks(const std::string& path) {
    try {
        std::vector<Table> tables = tables_of(path);
        if (tables.size() != 1) return false;  // a zip's CSVs, a workbook's sheets: an export
        Table& table = tables.front();
        const auto rows = table.open();
        table.header = header_of(table, *rows);
        try {
            classify(table);
            return false;  // sightings or submissions
        } catch (const FileError&) {
        }
        return column_named(table, {"block", "block_id"}).has_value();
    } catch (const FileError&) {
        return false;
    }
}

std::vector<TableRead> read_field_data(const FieldInputs& inputs, Tabulation& tabulation) {
    std::vector<TableRead> read;
    if (inputs.blocks) {
        auto tables = tables_of(*inputs.blocks);
        for (Table& table : tables) {
            const auto rows = table.open();
            table.header = header_of(table, *rows);
            read.push_back({table.label, FieldLayout::block_table, read_blocks(table, tabulation)});
        }
    }
    std::vector<Table> tables;
    for (const std::string& file : inputs.files) {
        for (Table& table : tables_of(file)) {
            const auto rows = table.open();
            table.header = header_of(table, *rows);
            table.layout = classify(table);
            tables.push_back(std::move(table));
        }
    }
    const auto any = [&](FieldLayout layout) {
        return std::any_of(tables.begin(), tables.end(),
                           [&](const Table& t) { return t.layout == layout; });
    };
    if (any(FieldLayout::kobo_submissions) && !any(FieldLayout::kobo_sightings)) {
        throw FileError(
            "the KoboToolbox submissions come without their sightings: KoboToolbox's CSV export "
            "leaves repeat groups out, so it holds no dogs. Export as XLSX (or save the sheet of "
            "sightings as CSV too) and give that.");
    }
    if (any(FieldLayout::odk_submissions) && !any(FieldLayout::odk_sightings)) {
        throw FileError(
            "the ODK Central submissions come without their sightings (<form>-"
            "sighting.csv): give the export zip as downloaded, or both CSVs.");
    }
    for (const auto& [sightings, submissions] :
         {std::pair{FieldLayout::odk_sightings, FieldLayout::odk_submissions},
          std::pair{FieldLayout::kobo_sightings, FieldLayout::kobo_submissions}}) {
        if (any(sightings) && !any(submissions)) {
            throw FileError(std::string("the ") + layout_name(sightings) +
                            " come without their submissions, which say each sighting's block: "
                            "give the whole export.");
        }
    }
    Links odk, kobo;
    for (const Table& table : tables) {
        if (table.layout == FieldLayout::odk_submissions) {
            read.push_back({table.label, table.layout,
                            read_submissions(table, tabulation, odk, inputs.include_rejected)});
        } else if (table.layout == FieldLayout::kobo_submissions) {
            read.push_back({table.label, table.layout,
                            read_submissions(table, tabulation, kobo, inputs.include_rejected)});
        }
    }
    for (const Table& table : tables) {
        std::size_t rows = 0;
        switch (table.layout) {
            case FieldLayout::odk_sightings:
                rows = read_sightings(table, tabulation, odk);
                break;
            case FieldLayout::kobo_sightings:
                rows = read_sightings(table, tabulation, kobo);
                break;
            case FieldLayout::long_sightings:
                rows = read_long(table, tabulation);
                break;
            case FieldLayout::wide_dogs:
                rows = read_wide(table, tabulation);
                break;
            default:
                continue;
        }
        read.push_back({table.label, table.layout, rows});
    }
    return read;
}

}  // namespace kestrivo::field
