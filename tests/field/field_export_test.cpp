// Field exports built here in the shapes the servers write them (ODK Central's zip and CSVs,
// KoboToolbox's XLSX and its sheets as CSV, the long and wide tables, a table of blocks), read and
// tabulated: the same dogs give the same histories in every shape, and what cannot be used is
// said. The same marks give the same marked dogs in every shape, and the survey file gains their
// columns only when some sighting recorded a mark.
#include "field/field_export.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <thread>

#include "field/field_writers.h"
#include "survey/csv_records.h"
#include "tests/support/temporary_folder.h"

namespace {

using kestrivo::field::ConflictKind;
using kestrivo::field::Histories;

// Writes a zip archive of `entries` (name, bytes).
void write_zip(const std::string& path,
               const std::vector<std::pair<std::string, std::string>>& entries) {
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
        ASSERT_GE(zip_file_add(zip, name.c_str(), source, ZIP_FL_OVERWRITE), 0);
    }
    ASSERT_EQ(zip_close(zip), 0);
}

// A worksheet's XML, with each cell as a shared string (`shared` collects them) or inline.
std::string sheet_xml(const std::vector<std::vector<std::string>>& rows,
                      std::vector<std::string>* shared) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet "
        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        xml += "<row r=\"" + std::to_string(r + 1) + "\">";
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const std::string& value = rows[r][c];
            if (value.empty()) continue;  // left out, as spreadsheets do
            const std::string ref = std::string(1, char('A' + c)) + std::to_string(r + 1);
            const bool number = value.find_first_not_of("0123456789") == std::string::npos;
            if (number) {
                xml += "<c r=\"" + ref + "\"><v>" + value + "</v></c>";
            } else if (shared) {
                shared->push_back(value);
                xml += "<c r=\"" + ref + "\" t=\"s\"><v>" + std::to_string(shared->size() - 1) +
                       "</v></c>";
            } else {
                xml += "<c r=\"" + ref + "\" t=\"inlineStr\"><is><t>" + value + "</t></is></c>";
            }
        }
        xml += "</row>";
    }
    return xml + "</sheetData></worksheet>";
}

void write_xlsx(
    const std::string& path,
    const std::vector<std::pair<std::string, std::vector<std::vector<std::string>>>>& sheets,
    bool shared_strings) {
    std::vector<std::pair<std::string, std::string>> entries;
    std::vector<std::string> shared;
    std::string workbook =
        "<?xml version=\"1.0\"?><workbook xmlns=\"http://schemas.openxmlformats.org/"
        "spreadsheetml/2006/main\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/"
        "2006/relationships\"><sheets>";
    std::string rels =
        "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas."
        "openxmlformats.org/package/2006/relationships\">";
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        workbook +=
            "<sheet name=\"" + sheets[i].first + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        // Written in the reverse order to the sheets, as nothing says the parts follow them.
        rels += "<Relationship Id=\"rId" + n + "\" Target=\"worksheets/part" +
                std::to_string(sheets.size() - i) + ".xml\"/>";
        entries.emplace_back("xl/worksheets/part" + std::to_string(sheets.size() - i) + ".xml",
                             sheet_xml(sheets[i].second, shared_strings ? &shared : nullptr));
    }
    entries.emplace_back("xl/workbook.xml", workbook + "</sheets></workbook>");
    entries.emplace_back("xl/_rels/workbook.xml.rels", rels + "</Relationships>");
    if (shared_strings) {
        std::string sst =
            "<?xml version=\"1.0\"?><sst xmlns=\"http://schemas.openxmlformats.org/"
            "spreadsheetml/2006/main\">";
        for (const std::string& s : shared)
            sst += "<si><t>" + s + "</t></si>";
        entries.emplace_back("xl/sharedStrings.xml", sst + "</sst>");
    }
    write_zip(path, entries);
}

std::string csv(const std::vector<std::vector<std::string>>& rows, char separator = ',',
                bool quote_all = false) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i) text += separator;
            text += quote_all ? "\"" + row[i] + "\"" : row[i];
        }
        text += "\r\n";
    }
    return text;
}

// Two blocks: A (North) with dogs a1 on all counts, a2 on count 1 only, a3 on counts 2 and 3,
// sent in three submissions, one a count; B (South) with b1 on counts 1 and 3, b2 on count 2,
// in one submission.
const Histories kA = {1, 1, 0, 0, 0, 0, 1}, kB = {0, 0, 1, 0, 1, 0, 0};

struct Dog {
    std::string submission;
    int count;
    std::string dog;
};
const std::vector<Dog> kSightings = {{"s1", 1, "a1"}, {"s1", 1, "a2"}, {"s2", 2, "a1"},
                                     {"s2", 2, "a3"}, {"s3", 3, "a1"}, {"s3", 3, "a3"},
                                     {"s4", 1, "b1"}, {"s4", 2, "b2"}, {"s4", 3, "b1"}};

std::vector<std::vector<std::string>> odk_submissions() {
    return {{"SubmissionDate", "site-block_id", "site-ward", "site-block_point-Latitude",
             "site-block_point-Longitude", "site-block_point-Altitude", "site-block_point-Accuracy",
             "site-block_shape", "team", "counts_covered", "meta-instanceID", "KEY"},
            {"2026-11-01", "A", "North", "0.33", "32.58", "1180", "5",
             "0.33 32.58 0 0;0.33 32.581 0 0;0.329 32.581 0 0", "t1", "1", "uuid:s1", "uuid:s1"},
            {"2026-11-02", "A", "North", "", "", "", "", "", "t1", "2", "uuid:s2", "uuid:s2"},
            {"2026-11-03", "A", "North", "", "", "", "", "", "t1", "3", "uuid:s3", "uuid:s3"},
            {"2026-11-01", "B", "South", "0.32", "32.59", "1181", "4", "", "t2", "1 2 3", "uuid:s4",
             "uuid:s4"}};
}

std::vector<std::vector<std::string>> odk_sightings() {
    std::vector<std::vector<std::string>> rows = {
        {"count_no", "dog_id", "sex", "colour", "collar", "photo", "PARENT_KEY", "KEY"}};
    int i = 0;
    for (const Dog& d : kSightings)
        rows.push_back({std::to_string(d.count), d.dog, "male", "black", "no", "",
                        "uuid:" + d.submission,
                        "uuid:" + d.submission + "/sighting[" + std::to_string(++i) + "]"});
    return rows;
}

// KoboToolbox's shapes: group paths with "/", the geopoint split into _<name>_latitude ...,
// rows linked by _submission__uuid (or, in `by_index`, only by _parent_index).
std::vector<std::vector<std::string>> kobo_submissions() {
    return {
        {"start", "site/block_id", "site/ward", "site/block_point", "_site/block_point_latitude",
         "_site/block_point_longitude", "_site/block_point_altitude", "_site/block_point_precision",
         "team", "counts_covered", "counts_covered/1", "_id", "_uuid", "_index"},
        {"x", "A", "North", "0.33 32.58 1180 5", "0.33", "32.58", "1180", "5", "t1", "1", "1", "11",
         "s1", "1"},
        {"x", "A", "North", "", "", "", "", "", "t1", "2", "0", "12", "s2", "2"},
        {"x", "A", "North", "", "", "", "", "", "t1", "3", "0", "13", "s3", "3"},
        {"x", "B", "South", "0.32 32.59 1181 4", "", "", "", "", "t2", "1 2 3", "1", "14", "s4",
         "4"}};
}

std::vector<std::vector<std::string>> kobo_sightings(bool by_index) {
    std::vector<std::vector<std::string>> rows = {
        {"sighting/count_no", "sighting/dog_id", "sighting/sex", "_index", "_parent_table_name",
         "_parent_index", "_submission__id", "_submission__uuid"}};
    int i = 0;
    for (const Dog& d : kSightings) {
        const std::string parent = d.submission.substr(1);
        rows.push_back({std::to_string(d.count), d.dog, "female", std::to_string(++i),
                        "Kestrivo three counts", parent, "1" + parent,
                        by_index ? "" : d.submission});
    }
    if (by_index) {
        for (auto& row : rows)
            row.pop_back();
    }
    return rows;
}

std::map<std::string, kestrivo::field::TabulatedBlock> tabulate(
    const kestrivo::field::FieldInputs& inputs,
    std::vector<kestrivo::field::Conflict>* conflicts = nullptr) {
    kestrivo::field::Tabulation tabulation;
    kestrivo::field::read_field_data(inputs, tabulation);
    auto survey = tabulation.finish();
    std::map<std::string, kestrivo::field::TabulatedBlock> blocks;
    for (auto& block : survey.blocks)
        blocks[block.id] = block;
    if (conflicts) *conflicts = survey.conflicts;
    return blocks;
}

TEST(field_export_test, every_shape_of_the_same_dogs_gives_the_same_histories) {
    const TemporaryFolder folder;
    const std::string form = "kestrivo_three_counts";
    const std::string odk_zip = folder.file("odk.zip");
    write_zip(odk_zip, {{form + ".csv", csv(odk_submissions())},
                        {form + "-sighting.csv", csv(odk_sightings())},
                        {"media/photo.jpg", "not a table"}});
    const std::string odk_main = folder.write(form + ".csv", csv(odk_submissions()));
    const std::string odk_repeat = folder.write(form + "-sighting.csv", csv(odk_sightings()));
    const std::string kobo_shared = folder.file("kobo-shared.xlsx");
    write_xlsx(kobo_shared,
               {{"Kestrivo three counts", kobo_submissions()}, {"sighting", kobo_sightings(false)}},
               true);
    const std::string kobo_inline = folder.file("kobo-inline.xlsx");
    write_xlsx(kobo_inline,
               {{"Kestrivo three counts", kobo_submissions()}, {"sighting", kobo_sightings(true)}},
               false);
    const std::string kobo_main = folder.write("main.csv", csv(kobo_submissions(), ';', true));
    const std::string kobo_repeat =
        folder.write("sighting.csv", csv(kobo_sightings(true), ';', true));
    std::vector<std::vector<std::string>> long_rows = {{"block", "count", "dog_id"}};
    std::vector<std::vector<std::string>> wide_rows = {
        {"block", "dog_id", "seen1", "seen2", "seen3"}};
    for (const Dog& d : kSightings)
        long_rows.push_back({d.submission == "s4" ? "B" : "A", std::to_string(d.count), d.dog});
    long_rows.push_back({"A", "2", ""});  // done; here no new dog
    for (const auto& [block, dog, seen] : {std::tuple{"A", "a1", "111"},
                                           {"A", "a2", "100"},
                                           {"A", "a3", "011"},
                                           {"B", "b1", "101"},
                                           {"B", "b2", "010"}}) {
        wide_rows.push_back({block, dog, std::string(1, seen[0]), std::string(1, seen[1]),
                             std::string(1, seen[2])});
    }
    const std::string long_table = folder.write("long.csv", csv(long_rows));
    const std::string wide_table = folder.write("wide.csv", csv(wide_rows));
    const std::string blocks =
        folder.write("blocks.csv", csv({{"block", "ward", "lat", "lon", "outline", "area"},
                                        {"A", "North", "0.33", "32.58", "", "market"},
                                        {"B", "South", "0.32", "32.59", "", "school"}}));

    const struct {
        const char* what;
        kestrivo::field::FieldInputs inputs;
    } cases[] = {
        {"ODK Central's zip", {{odk_zip}, {}}},
        {"ODK Central's CSVs", {{odk_repeat, odk_main}, {}}},
        {"KoboToolbox's XLSX, shared strings", {{kobo_shared}, {}}},
        {"KoboToolbox's XLSX, inline strings, linked by index", {{kobo_inline}, {}}},
        {"KoboToolbox's sheets as CSV with ;", {{kobo_main, kobo_repeat}, {}}},
        {"one sighting a row", {{long_table}, blocks}},
        {"one dog a row", {{wide_table}, blocks}},
    };
    for (const auto& c : cases) {
        std::vector<kestrivo::field::Conflict> conflicts;
        const auto got = tabulate(c.inputs, &conflicts);
        EXPECT_TRUE(conflicts.empty()) << c.what << ": " << conflicts.front().detail;
        ASSERT_EQ(got.size(), 2u) << c.what;
        ASSERT_TRUE(got.at("A").histories) << c.what;
        EXPECT_EQ(*got.at("A").histories, kA) << c.what;
        EXPECT_EQ(*got.at("B").histories, kB) << c.what;
        EXPECT_EQ(got.at("A").facts.stratum, "North") << c.what;
        EXPECT_EQ(got.at("B").facts.latitude, "0.32") << c.what;
        EXPECT_EQ(got.at("B").facts.longitude, "32.59") << c.what;
    }
    EXPECT_EQ(tabulate({{odk_zip}, {}}).at("A").facts.outline,
              "0.33 32.58 0 0;0.33 32.581 0 0;0.329 32.581 0 0");
}

TEST(field_export_test, what_cannot_be_read_or_placed_is_said) {
    const TemporaryFolder folder;
    const auto error_of = [](const kestrivo::field::FieldInputs& inputs) {
        try {
            tabulate(inputs);
        } catch (const kestrivo::survey::FileError& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    const std::string kobo_main = folder.write("main.csv", csv(kobo_submissions(), ';', true));
    EXPECT_NE(error_of({{kobo_main}, {}}).find("CSV export leaves repeat groups out"),
              std::string::npos);
    EXPECT_NE(error_of({{folder.write("odk.csv", csv(odk_submissions()))}, {}})
                  .find("without their sightings"),
              std::string::npos);
    EXPECT_NE(error_of({{folder.write("other.csv", "a,b\n1,2\n")}, {}}).find("none of the layouts"),
              std::string::npos);
    EXPECT_NE(error_of({{folder.path()}, {}}).find("is a folder"), std::string::npos);
    EXPECT_NE(error_of({{folder.write("old.xls", std::string("\xD0\xCF\x11\xE0", 4) + "xx")}, {}})
                  .find("Excel 97"),
              std::string::npos);
    EXPECT_NE(error_of({{folder.write("bad.zip", "PK\x03\x04garbage")}, {}}).find("zip"),
              std::string::npos);

    // Conflicts in the servers' own shapes.
    auto sightings = odk_sightings();
    sightings.push_back({"2", "a1", "", "", "", "", "uuid:s2", "uuid:s2/sighting[9]"});  // twice
    sightings.push_back({"1", "", "", "", "", "", "uuid:s4", "uuid:s4/sighting[10]"});   // no dog
    sightings.push_back({"1", "z", "", "", "", "", "uuid:gone", "uuid:gone/sighting[1]"});
    sightings.push_back({"", "y", "", "", "", "", "uuid:s4", "uuid:s4/sighting[11]"});
    auto submissions = odk_submissions();
    submissions.push_back(
        {"x", "C", "North", "", "", "", "", "", "t3", "1 2", "uuid:s5", "uuid:s5"});
    const std::string zip = folder.file("conflicts.zip");
    write_zip(zip, {{"f.csv", csv(submissions)}, {"f-sighting.csv", csv(sightings)}});
    std::vector<kestrivo::field::Conflict> conflicts;
    const auto blocks = tabulate({{zip}, {}}, &conflicts);
    std::map<ConflictKind, int> kinds;
    for (const auto& c : conflicts)
        ++kinds[c.kind];
    EXPECT_EQ(kinds[ConflictKind::duplicate_in_count], 1);
    EXPECT_EQ(kinds[ConflictKind::missing_dog_id], 1);
    EXPECT_EQ(kinds[ConflictKind::unknown_block], 1);
    EXPECT_EQ(kinds[ConflictKind::no_count_number], 1);
    EXPECT_EQ(kinds[ConflictKind::count_missing], 1);  // C's third count
    EXPECT_FALSE(blocks.at("A").histories);
    EXPECT_FALSE(blocks.at("B").histories);
    EXPECT_FALSE(blocks.at("C").histories);
    for (const auto& c : conflicts) {
        EXPECT_TRUE(c.where.file.starts_with(zip)) << c.where.file;
        EXPECT_GT(c.where.line, 1u);
    }
    // A block the table of blocks does not list.
    const std::string table = folder.write("blocks.csv", "block,ward\nA,North\n");
    const std::string sighted =
        folder.write("long.csv", "block,count,dog_id\nA,1,x\nA,2,\nA,3,\nQ,1,q\nQ,2,\nQ,3,\n");
    const auto listed = tabulate({{sighted}, table}, &conflicts);
    EXPECT_TRUE(listed.at("A").histories);
    EXPECT_FALSE(listed.at("Q").histories);
    EXPECT_EQ(conflicts.at(0).kind, ConflictKind::unknown_block);
}

// Files put together to break the reader: each is its file's error, named, never a crash nor a
// read that runs away with the machine's memory.
TEST(field_export_test, hostile_files_are_refused_by_name) {
    const TemporaryFolder folder;
    const auto error_of = [](const std::string& path) {
        try {
            tabulate({{path}, {}});
        } catch (const kestrivo::survey::FileError& e) {
            return std::string(e.what());
        }
        return std::string("read");
    };
    // A workbook of one sheet of sightings whose second row is given by `row`, its shared texts
    // left out when `shared` is false.
    const auto workbook = [&](const std::string& name, const std::string& row, bool shared) {
        const std::string path = folder.file(name);
        std::vector<std::pair<std::string, std::string>> entries = {
            {"xl/workbook.xml",
             "<workbook "
             "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheets>"
             "<sheet name=\"dogs\" sheetId=\"1\"/></sheets></workbook>"},
            {"xl/worksheets/sheet1.xml",
             "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
             "<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v>"
             "</c><c r=\"C1\" t=\"s\"><v>2</v></c></row>" +
                 row + "</sheetData></worksheet>"}};
        if (shared) {
            entries.emplace_back("xl/sharedStrings.xml",
                                 "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/"
                                 "2006/main\"><si><t>block</t></si><si><t>count</t></si><si>"
                                 "<t>dog_id</t></si></sst>");
        }
        write_zip(path, entries);
        return path;
    };
    const struct {
        std::string path;
        std::vector<std::string> said;  // all in the message
    } cases[] = {
        {workbook("far.xlsx", "<row r=\"2\"><c r=\"ZZZZZZZ2\"><v>1</v></c></row>", true),
         {"sheet dogs", "\"ZZZZZZZ2\"", "XFD1048576"}},
        {workbook("farther.xlsx", "<row r=\"2\"><c r=\"AAAAAAAAAAAAAAAA2\"><v>1</v></c></row>",
                  true),
         {"sheet dogs", "\"AAAAAAAAAAAAAAAA2\""}},
        {workbook("deep.xlsx", "<row r=\"2\"><c r=\"A99999999999\"><v>1</v></c></row>", true),
         {"sheet dogs", "\"A99999999999\""}},
        {workbook("low.xlsx", "<row r=\"1048577\"><c><v>1</v></c></row>", true),
         {"sheet dogs", "1048577"}},
        {workbook("bare.xlsx", "", false), {"sheet dogs", "xl/sharedStrings.xml"}},
        {folder.write("line.csv", std::string(3 << 20, 'x')), {"line.csv"}},
        {workbook("long.xlsx",
                  "<row r=\"2\"><c r=\"A2\"><v>" + std::string(1 << 20, '7') + "</v></c></row>",
                  true),
         {"sheet dogs", "a cell of row 2"}},
    };
    for (const auto& c : cases) {
        const std::string error = error_of(c.path);
        for (const std::string& part : c.said)
            EXPECT_NE(error.find(part), std::string::npos) << c.path << ": " << error;
    }

    // Two entries of one name: the one libzip finds would be read twice, the other never.
    const std::string twice = folder.file("twice.zip");
    write_zip(twice, {{"f.csv", csv(odk_submissions())},
                      {"f-sighting.csv", csv(odk_sightings())},
                      {"g-sighting.csv", csv(odk_sightings())}});
    std::string bytes = read_file(twice);
    for (std::size_t at = bytes.find("g-sighting.csv"); at != std::string::npos;
         at = bytes.find("g-sighting.csv", at))
        bytes[at] = 'f';
    folder.write("twice.zip", bytes);
    const std::string error = error_of(twice);
    EXPECT_NE(error.find("two entries named \"f-sighting.csv\""), std::string::npos) << error;
}

// A pipe can be read only once: a table given as a named pipe or as /dev/fd/N is read whole, as
// the same bytes in a file would be, and its copy goes with it.
TEST(field_export_test, an_input_that_can_be_read_once_is_read_once) {
    const TemporaryFolder folder;
    const auto copies_left = [] {
        std::size_t n = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
            n += entry.path().filename().string().starts_with("kestrivo-pipe-");
        return n;
    };
    const std::size_t before = copies_left();
    const std::string table =
        csv({{"block", "count", "dog_id"}, {"A", "1", "a"}, {"A", "2", "a"}, {"A", "3", "b"}});
    const std::string fifo = folder.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << table; });
    const auto from_fifo = tabulate({{fifo}, {}});
    writer.join();
    EXPECT_EQ(*from_fifo.at("A").histories, (Histories{0, 0, 0, 1, 0, 1, 0}));

    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::thread feeder([&] {
        ASSERT_EQ(::write(ends[1], table.data(), table.size()), ssize_t(table.size()));
        ::close(ends[1]);
    });
    const auto from_pipe = tabulate({{"/dev/fd/" + std::to_string(ends[0])}, {}});
    feeder.join();
    ::close(ends[0]);
    EXPECT_EQ(*from_pipe.at("A").histories, (Histories{0, 0, 0, 1, 0, 1, 0}));

    // An empty pipe is an empty table, said as for a file.
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[1]);
    try {
        tabulate({{"/dev/fd/" + std::to_string(ends[0])}, {}});
        ADD_FAILURE() << "an empty pipe was read";
    } catch (const kestrivo::survey::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("the table is empty"), std::string::npos) << e.what();
    }
    ::close(ends[0]);
    EXPECT_EQ(copies_left(), before);

    // A block named by spaces alone names no block, whatever the spaces.
    std::vector<kestrivo::field::Conflict> conflicts;
    const auto spaces = tabulate(
        {{folder.write("spaces.csv", "block,count,dog_id\n\u00A0,1,a\n\u2003 ,2,a\n")}, {}},
        &conflicts);
    EXPECT_TRUE(spaces.empty());
    ASSERT_EQ(conflicts.size(), 2u);
    EXPECT_EQ(conflicts[0].detail, "the row names no block");
}

// In a table of dogs an empty cell is not a 0: a count empty for every dog of a block was not
// walked, and an empty cell beside 0s and 1s of the same count cannot be told.
TEST(field_export_test, an_empty_cell_in_a_table_of_dogs_is_not_a_zero) {
    const TemporaryFolder folder;
    const struct {
        const char* rows;
        std::map<ConflictKind, int> kinds;
        bool tabulated;
    } cases[] = {
        {"A,a,1,1,0\nA,b,1,0,1\n", {}, true},
        {"A,a,1,1,\nA,b,1,0,\n", {{ConflictKind::count_missing, 1}}, false},
        {"A,a,1,1,0\nA,b,1,0,\nA,c,1,,\n", {{ConflictKind::no_count_number, 3}}, false},
        {"A,a,1,,\nA,b,1,,\nA,c,1,,\n", {{ConflictKind::count_missing, 2}}, false},
        {"A,,,,\n", {}, true},  // a block walked three times and no dog seen
    };
    for (const auto& c : cases) {
        const std::string path =
            folder.write("wide.csv", std::string("block,dog_id,seen1,seen2,seen3\n") + c.rows);
        std::vector<kestrivo::field::Conflict> conflicts;
        const auto blocks = tabulate({{path}, {}}, &conflicts);
        std::map<ConflictKind, int> kinds;
        for (const auto& conflict : conflicts)
            ++kinds[conflict.kind];
        EXPECT_EQ(kinds, c.kinds) << c.rows;
        EXPECT_EQ(blocks.at("A").histories.has_value(), c.tabulated) << c.rows;
    }
}

// A block sent with two wards (two submissions, or twice in the table of blocks) is a conflict:
// which ward it lies in is the team's to say.
TEST(field_export_test, a_block_given_two_wards_is_a_conflict) {
    const TemporaryFolder folder;
    auto submissions = odk_submissions();
    submissions[2][2] = "South";  // A's second count says South, its others North
    const std::string zip = folder.file("wards.zip");
    write_zip(zip, {{"f.csv", csv(submissions)}, {"f-sighting.csv", csv(odk_sightings())}});
    std::vector<kestrivo::field::Conflict> conflicts;
    auto blocks = tabulate({{zip}, {}}, &conflicts);
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(conflicts[0].kind, ConflictKind::block_facts_differ);
    EXPECT_NE(conflicts[0].detail.find("South"), std::string::npos);
    EXPECT_FALSE(blocks.at("A").histories);
    EXPECT_TRUE(blocks.at("B").histories);

    // Each count's submission takes a GPS reading of its own: readings that differ are no
    // conflict. A ward typed wrong in a submission rejected in review is not taken.
    auto readings = odk_submissions();
    for (std::size_t r = 1; r < readings.size(); ++r) {
        readings[r][3] = "0.33" + std::to_string(r);
        readings[r][4] = "32.5" + std::to_string(r);
    }
    readings[0].push_back("ReviewState");
    for (std::size_t r = 1; r < readings.size(); ++r)
        readings[r].push_back(r == 2 ? "rejected" : "");
    readings.push_back(readings[2]);  // A's second count sent again, in the right ward
    readings.back()[2] = "North";
    readings.back()[10] = readings.back()[11] = "uuid:s2b";
    readings.back()[12] = "";
    readings[2][2] = "South";
    auto sightings = odk_sightings();
    for (auto& row : sightings) {
        if (row[6] == "uuid:s2") row[6] = "uuid:s2b";
    }
    write_zip(zip, {{"f.csv", csv(readings)}, {"f-sighting.csv", csv(sightings)}});
    blocks = tabulate({{zip}, {}}, &conflicts);
    ASSERT_EQ(conflicts.size(), 1u) << conflicts.front().detail;
    EXPECT_EQ(conflicts[0].kind, ConflictKind::rejected_in_review);
    EXPECT_EQ(*blocks.at("A").histories, kA);
    EXPECT_EQ(blocks.at("A").facts.stratum, "North");

    const std::string table =
        folder.write("blocks.csv", "block,ward,lat,lon\nA,North,1,2\nB,South,1,2\nA,North,3,4\n");
    blocks = tabulate({{zip}, table}, &conflicts);
    EXPECT_EQ(conflicts.at(0).kind, ConflictKind::block_facts_differ);
    EXPECT_NE(conflicts[0].detail.find("latitude"), std::string::npos) << conflicts[0].detail;
}

// What review said of each submission, and a count sent again: the export as the team cleaned
// it. Rejected submissions are left out with their sightings (and listed); issues and copies of
// the same dogs are listed and counted once; a copy with other dogs blocks its block until one of
// the two is rejected; the same submission read twice is counted once.
TEST(field_export_test, review_states_and_counts_sent_again) {
    const TemporaryFolder folder;
    // The ODK export with ReviewState, and a copy of A's second count as submission s5 with
    // `s5_dogs`, reviewed as `s5_review`.
    const auto export_with = [&](std::map<std::string, std::string> review,
                                 std::vector<std::string> s5_dogs, const std::string& s5_review) {
        auto submissions = odk_submissions();
        submissions[0].push_back("ReviewState");
        for (std::size_t r = 1; r < submissions.size(); ++r)
            submissions[r].push_back(review["s" + std::to_string(r)]);
        auto sightings = odk_sightings();
        if (!s5_dogs.empty()) {
            submissions.push_back({"2026-11-04", "A", "North", "", "", "", "", "", "t1", "2",
                                   "uuid:s5", "uuid:s5", s5_review});
            for (const std::string& dog : s5_dogs)
                sightings.push_back({"2", dog, "", "", "", "", "uuid:s5", "uuid:s5/sighting[1]"});
        }
        const std::string zip = folder.file("reviewed.zip");
        write_zip(zip, {{"f.csv", csv(submissions)}, {"f-sighting.csv", csv(sightings)}});
        return zip;
    };
    using Kinds = std::map<ConflictKind, int>;
    const struct {
        const char* what;
        std::map<std::string, std::string> review;
        std::vector<std::string> s5_dogs;
        std::string s5_review;
        bool include_rejected;
        Kinds conflicts, warnings;
        bool a_tabulated;
    } cases[] = {
        {"all received", {}, {}, "", false, {}, {}, true},
        {"approved and edited",
         {{"s1", "approved"}, {"s2", "edited"}},
         {},
         "",
         false,
         {},
         {},
         true},
        {"A's second count rejected",
         {{"s2", "rejected"}},
         {},
         "",
         false,
         {{ConflictKind::count_missing, 1}},
         {{ConflictKind::rejected_in_review, 1}},
         false},
        {"taken back", {{"s2", "rejected"}}, {}, "", true, {}, {}, true},
        {"has issues",
         {{"s3", "hasIssues"}},
         {},
         "",
         false,
         {},
         {{ConflictKind::review_has_issues, 1}},
         true},
        {"sent twice, the same dogs",
         {},
         {"a3", "a1"},
         "",
         false,
         {},
         {{ConflictKind::count_sent_twice, 1}},
         true},
        {"sent twice, other dogs",
         {},
         {"a1"},
         "",
         false,
         {{ConflictKind::count_sent_twice, 1}},
         {},
         false},
        {"the other copy rejected",
         {},
         {"a1"},
         "rejected",
         false,
         {},
         {{ConflictKind::rejected_in_review, 1}},
         true},
    };
    for (const auto& c : cases) {
        kestrivo::field::FieldInputs inputs{{export_with(c.review, c.s5_dogs, c.s5_review)}, {}};
        inputs.include_rejected = c.include_rejected;
        std::vector<kestrivo::field::Conflict> all;
        const auto blocks = tabulate(inputs, &all);
        Kinds conflicts, warnings;
        for (const auto& conflict : all)
            ++(conflict.warning ? warnings : conflicts)[conflict.kind];
        EXPECT_EQ(conflicts, c.conflicts) << c.what;
        EXPECT_EQ(warnings, c.warnings) << c.what;
        ASSERT_EQ(blocks.at("A").histories.has_value(), c.a_tabulated) << c.what;
        if (c.a_tabulated) {
            EXPECT_EQ(*blocks.at("A").histories, kA) << c.what;
        }
        EXPECT_EQ(*blocks.at("B").histories, kB) << c.what;
    }

    // KoboToolbox's validation status, by its value or by its label.
    for (const std::string status : {"validation_status_not_approved", "Not Approved"}) {
        auto submissions = kobo_submissions();
        submissions[0].push_back("_validation_status");
        for (std::size_t r = 1; r < submissions.size(); ++r)
            submissions[r].push_back(r == 4 ? status : "validation_status_approved");
        const std::string kobo = folder.file("kobo.xlsx");
        write_xlsx(kobo, {{"main", submissions}, {"sighting", kobo_sightings(false)}}, true);
        std::vector<kestrivo::field::Conflict> all;
        const auto blocks = tabulate({{kobo}, {}}, &all);
        ASSERT_FALSE(all.empty()) << status;
        EXPECT_EQ(all.front().kind, ConflictKind::rejected_in_review) << status;
        EXPECT_EQ(all.front().dog_id, "s4") << status;     // the submission's ID
        EXPECT_FALSE(blocks.at("B").histories) << status;  // B's only submission
        EXPECT_EQ(*blocks.at("A").histories, kA) << status;
    }

    // The zip and its CSVs given together: each submission is read twice and counted once.
    const std::string zip = folder.file("odk.zip");
    write_zip(zip, {{"f.csv", csv(odk_submissions())}, {"f-sighting.csv", csv(odk_sightings())}});
    const std::string main = folder.write("f.csv", csv(odk_submissions()));
    const std::string repeat = folder.write("f-sighting.csv", csv(odk_sightings()));
    std::vector<kestrivo::field::Conflict> all;
    const auto blocks = tabulate({{zip, main, repeat}, {}}, &all);
    EXPECT_EQ(all.size(), 4u);
    for (const auto& conflict : all) {
        EXPECT_EQ(conflict.kind, ConflictKind::same_submission_twice);
        EXPECT_TRUE(conflict.warning);
    }
    EXPECT_EQ(*blocks.at("A").histories, kA);
    EXPECT_EQ(*blocks.at("B").histories, kB);
}

// The sightings of kSightings with what each said of the mark, by the choice's name and by a
// label as a phone in another language sends it: a1 seen marked on counts 1 and 3 (c111), a2
// clearly unmarked, a3 never seen clearly (c011), b1 marked on count 1 and not on count 3 (c101,
// marked, its sightings disagreeing), b2 with nothing recorded (c010).
const std::vector<std::pair<std::string, std::string>> kMarks = {
    {"yes", "S\u00ed"}, {"no", "N\u00c3O"}, {"unclear", "Can\u2019t tell"},
    {"", ""},           {"yes", " Oui "},   {"unclear", "Impossible \u00e0 dire"},
    {"yes", "Sim"},     {"", ""},           {"no", "Non"}};
const kestrivo::field::MarkCounts kMarkedA = {{0, 1, 0, 0, 0, 0, 0}, 1},
                                  kMarkedB = {{0, 0, 1, 0, 0, 0, 0}, 1};

// `rows` with a column `name` put in at `at`, its cells `values` row by row.
std::vector<std::vector<std::string>> with_column(std::vector<std::vector<std::string>> rows,
                                                  std::size_t at, const std::string& name,
                                                  const std::vector<std::string>& values) {
    rows[0].insert(rows[0].begin() + std::ptrdiff_t(at), name);
    for (std::size_t r = 1; r < rows.size(); ++r)
        rows[r].insert(rows[r].begin() + std::ptrdiff_t(at), values.at(r - 1));
    return rows;
}

std::vector<std::string> marks(bool labels) {
    std::vector<std::string> values;
    for (const auto& [name, label] : kMarks)
        values.push_back(labels ? label : name);
    return values;
}

TEST(field_export_test, every_shape_of_the_same_marks_gives_the_same_marked_dogs) {
    const TemporaryFolder folder;
    const std::string odk_zip = folder.file("odk.zip");
    write_zip(odk_zip,
              {{"f.csv", csv(odk_submissions())},
               {"f-sighting.csv", csv(with_column(odk_sightings(), 2, "mark", marks(true)))}});
    const std::string kobo = folder.file("kobo.xlsx");
    write_xlsx(kobo,
               {{"main", kobo_submissions()},
                {"sighting", with_column(kobo_sightings(false), 2, "sighting/mark", marks(false))}},
               true);
    std::vector<std::vector<std::string>> long_rows = {{"block", "count", "dog_id", "mark"}};
    for (std::size_t i = 0; i < kSightings.size(); ++i) {
        const Dog& d = kSightings[i];
        long_rows.push_back(
            {d.submission == "s4" ? "B" : "A", std::to_string(d.count), d.dog, kMarks[i].first});
    }
    // One row a dog has one mark a dog: b1's sightings cannot disagree there.
    const std::string wide =
        folder.write("wide.csv", csv({{"block", "dog_id", "seen1", "seen2", "seen3", "marked"},
                                      {"A", "a1", "1", "1", "1", "yes"},
                                      {"A", "a2", "1", "0", "0", "No"},
                                      {"A", "a3", "0", "1", "1", "unclear"},
                                      {"B", "b1", "1", "0", "1", "yes"},
                                      {"B", "b2", "0", "1", "0", ""}}));
    const struct {
        const char* what;
        std::string file;
        int disagreeing;
    } cases[] = {
        {"ODK Central's zip, labels", odk_zip, 1},
        {"KoboToolbox's XLSX, names under the repeat's group", kobo, 1},
        {"one sighting a row", folder.write("long.csv", csv(long_rows)), 1},
        {"one dog a row", wide, 0},
    };
    for (const auto& c : cases) {
        std::vector<kestrivo::field::Conflict> conflicts;
        const auto got = tabulate({{c.file}, {}}, &conflicts);
        ASSERT_EQ(got.size(), 2u) << c.what;
        EXPECT_EQ(*got.at("A").histories, kA) << c.what;
        EXPECT_EQ(*got.at("B").histories, kB) << c.what;
        ASSERT_TRUE(got.at("A").marks) << c.what;
        EXPECT_EQ(got.at("A").marks->marked, kMarkedA.marked) << c.what;
        EXPECT_EQ(got.at("A").marks->unknown, kMarkedA.unknown) << c.what;
        ASSERT_TRUE(got.at("B").marks) << c.what;
        EXPECT_EQ(got.at("B").marks->marked, kMarkedB.marked) << c.what;
        EXPECT_EQ(got.at("B").marks->unknown, kMarkedB.unknown) << c.what;
        ASSERT_EQ(conflicts.size(), std::size_t(c.disagreeing)) << c.what;
        for (const auto& conflict : conflicts) {
            EXPECT_EQ(conflict.kind, ConflictKind::mark_disagrees) << c.what;
            EXPECT_TRUE(conflict.warning) << c.what;
            EXPECT_EQ(conflict.dog_id, "b1") << c.what;
            EXPECT_EQ(conflict.block, "B") << c.what;
        }
    }
}

// The survey file as written: m100 ... m011 and mark_unknown right after c011 when sightings
// recorded marks, empty for a block a conflict touches; without a recorded mark (no column, or
// one left empty throughout) the same bytes as a table that never had the column.
TEST(field_export_test, the_marked_dogs_columns_come_only_with_marks) {
    const TemporaryFolder folder;
    const auto written = [&](const std::string& table) {
        kestrivo::field::Tabulation tabulation;
        kestrivo::field::read_field_data({{folder.write("long.csv", table)}, {}}, tabulation);
        std::ostringstream out;
        kestrivo::field::write_tabulated_survey(out, tabulation.finish());
        return out.str();
    };
    const std::string plain =
        written("block,count,dog_id\nA,1,a\nA,2,a\nA,3,b\nC,1,c\nC,1,c\nC,2,\nC,3,\n");
    EXPECT_EQ(written("block,count,dog_id,mark\nA,1,a,\nA,2,a,\nA,3,b, \nC,1,c,\nC,1,c,\n"
                      "C,2,,\nC,3,,\n"),
              plain);
    EXPECT_EQ(plain.substr(0, plain.find('\n')),
              "block,c100,c111,c101,c110,c010,c001,c011,latitude,longitude,outline,conflicts\r");
    EXPECT_EQ(written("block,count,dog_id,mark\nA,1,a,yes\nA,2,a,no\nA,3,b,unclear\n"
                      "C,1,c,yes\nC,1,c,\nC,2,,\nC,3,,\n"),
              "block,c100,c111,c101,c110,c010,c001,c011,m100,m111,m101,m110,m010,m001,m011,"
              "mark_unknown,latitude,longitude,outline,conflicts\r\n"
              "A,0,0,0,1,0,1,0,0,0,0,1,0,0,0,1,,,,0\r\n"
              "C,,,,,,,,,,,,,,,,,,,1\r\n");
}

// The fieldwork's first and last day, from each submission's start and end where it gives them
// (grouped or not), else from the time it was sent; the day as the time was written, whatever
// its zone; rejected submissions and times that are no times left out, as in every shape.
TEST(field_export_test, the_fieldwork_days_come_from_the_submissions_times) {
    struct Submission {
        std::string start, end, sent;
        bool rejected = false;
    };
    enum class Shape { odk_zip, odk_grouped_csvs, kobo_xlsx, kobo_csvs };
    const struct {
        const char* what;
        Shape shape;
        bool times;  // the export has start and end columns
        std::vector<Submission> submissions;
        const char *first, *last;
    } cases[] = {
        {"ODK, sent times only",
         Shape::odk_zip,
         false,
         {{"", "", "2026-11-03T07:15:00.000Z"},
          {"", "", "2026-11-01T18:00:00.000Z"},
          {"", "", "2026-11-02T09:00:00.000Z"}},
         "2026-11-01",
         "2026-11-03"},
        {"ODK, start and end before the sending",
         Shape::odk_zip,
         true,
         {{"2026-10-30T06:00:00.000+03:00", "2026-10-30T09:00:00.000+03:00",
           "2026-11-05T07:00:00.000Z"},
          {"2026-10-31T06:00:00.000+03:00", "2026-11-01T00:30:00.000+03:00",
           "2026-11-04T07:00:00.000Z"}},
         "2026-10-30",
         "2026-11-01"},
        {"ODK, start and end in the meta group, one submission without them",
         Shape::odk_grouped_csvs,
         true,
         {{"2026-10-30T06:00:00.000Z", "2026-10-30T08:00:00.000Z", "2026-10-31T07:00:00.000Z"},
          {"", "", "2026-11-07T10:00:00.000Z"}},
         "2026-10-30",
         "2026-11-07"},
        {"ODK, only the end read: the sending passed over",
         Shape::odk_zip,
         true,
         {{"not a time", "2026-11-02T08:00:00.000Z", "2026-11-09T07:00:00.000Z"}},
         "2026-11-02",
         "2026-11-02"},
        {"ODK, the rejected submission left out",
         Shape::odk_zip,
         false,
         {{"", "", "2026-11-02T07:15:00.000Z"}, {"", "", "2026-10-01T07:15:00.000Z", true}},
         "2026-11-02",
         "2026-11-02"},
        {"ODK, unreadable times skipped",
         Shape::odk_zip,
         false,
         {{"", "", "yesterday"},
          {"", "", "2026-02-30T07:15:00.000Z"},
          {"", "", "2026-11-1T07:15:00.000Z"},
          {"", "", "2028-02-29T07:15:00.000Z"}},
         "2028-02-29",
         "2028-02-29"},
        {"ODK, no time at all", Shape::odk_zip, false, {{"", "", ""}}, "", ""},
        {"Kobo XLSX, local times with and without an offset",
         Shape::kobo_xlsx,
         true,
         {{"2026-11-11T23:30:00.000-05:00", "2026-11-11T23:59:00.000-05:00", "2026-11-12T04:59:00"},
          {"2026-11-13T07:15:00", "2026-11-13T08:15:00", "2026-11-13T09:00:00"}},
         "2026-11-11",
         "2026-11-13"},
        {"Kobo CSVs, sent times only, one not approved",
         Shape::kobo_csvs,
         false,
         {{"", "", "2026-11-11T07:15:00"},
          {"", "", "2026-11-14T07:15:00"},
          {"", "", "2026-11-01T07:15:00", true}},
         "2026-11-11",
         "2026-11-14"},
    };
    const TemporaryFolder folder;
    int n = 0;
    for (const auto& c : cases) {
        const bool odk = c.shape == Shape::odk_zip || c.shape == Shape::odk_grouped_csvs;
        const std::string start = c.shape == Shape::odk_grouped_csvs ? "meta-start" : "start";
        const std::string end = c.shape == Shape::odk_grouped_csvs ? "meta-end" : "end";
        std::vector<std::vector<std::string>> main, sightings;
        if (odk) {
            main = {{"SubmissionDate", "site-block_id", "counts_covered", "KEY", "ReviewState"}};
            sightings = {{"count_no", "dog_id", "PARENT_KEY", "KEY"}};
        } else {
            main = {{"site/block_id", "counts_covered", "_uuid", "_submission_time",
                     "_validation_status", "_index"}};
            sightings = {
                {"sighting/count_no", "sighting/dog_id", "_parent_index", "_submission__uuid"}};
        }
        if (c.times) main[0].insert(main[0].begin(), {start, end});
        int i = 0;
        for (const Submission& sub : c.submissions) {
            const std::string id = "s" + std::to_string(++i), block = "B" + std::to_string(i);
            std::vector<std::string> row =
                odk ? std::vector<std::string>{sub.sent, block, "1 2 3", "uuid:" + id,
                                               sub.rejected ? "rejected" : "approved"}
                    : std::vector<std::string>{block,
                                               "1 2 3",
                                               id,
                                               sub.sent,
                                               sub.rejected ? "validation_status_not_approved" : "",
                                               std::to_string(i)};
            if (c.times) row.insert(row.begin(), {sub.start, sub.end});
            main.push_back(row);
            for (int k = 1; k <= 3; ++k) {
                const std::string dog = id + "-dog";
                sightings.push_back(
                    odk ? std::vector<std::string>{std::to_string(k), dog, "uuid:" + id,
                                                   "uuid:" + id + "/s"}
                        : std::vector<std::string>{std::to_string(k), dog, std::to_string(i), id});
            }
        }
        const std::string name = "case" + std::to_string(++n);
        kestrivo::field::FieldInputs inputs;
        switch (c.shape) {
            case Shape::odk_zip:
                write_zip(folder.file(name + ".zip"),
                          {{name + ".csv", csv(main)}, {name + "-sighting.csv", csv(sightings)}});
                inputs.files = {folder.file(name + ".zip")};
                break;
            case Shape::odk_grouped_csvs:
                inputs.files = {folder.write(name + ".csv", csv(main)),
                                folder.write(name + "-sighting.csv", csv(sightings))};
                break;
            case Shape::kobo_xlsx:
                write_xlsx(folder.file(name + ".xlsx"),
                           {{"Kestrivo three counts", main}, {"sighting", sightings}}, true);
                inputs.files = {folder.file(name + ".xlsx")};
                break;
            case Shape::kobo_csvs:
                inputs.files = {folder.write(name + ".csv", csv(main, ';', true)),
                                folder.write(name + "-sighting.csv", csv(sightings, ';', true))};
                break;
        }
        kestrivo::field::Tabulation tabulation;
        kestrivo::field::read_field_data(inputs, tabulation);
        const auto survey = tabulation.finish();
        EXPECT_EQ(survey.first_day, c.first) << c.what;
        EXPECT_EQ(survey.last_day, c.last) << c.what;
        EXPECT_EQ(survey.blocks.size(), c.submissions.size()) << c.what;
    }
}

}  // namespace
