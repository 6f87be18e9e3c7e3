// XlsxWorkbook: xl/workbook.xml names the sheets, its relationships say which part holds each,
// xl/sharedStrings.xml holds the texts that cells refer to by number; each sheet is pushed
// through expat a chunk at a time, its callbacks building one row after another.
#include "field/xlsx_workbook.h"

#include <expat.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <deque>
#include <functional>
#include <map>

namespace kestrivo::field {

using survey::FileError;
using survey::Record;
using survey::trimmed;
namespace {

// An element's name without its namespace (the parser joins them with a blank).
std::string local(const XML_Char* name) {
    const std::string full(name);
    const std::size_t blank = full.rfind(' ');
    return blank == std::string::npos ? full : full.substr(blank + 1);
}

std::string attribute(const XML_Char** attributes, const std::string& wanted) {
    for (std::size_t i = 0; attributes[i]; i += 2) {
        if (local(attributes[i]) == wanted) return attributes[i + 1];
    }
    return "";
}

// Parses a whole small part, calling `start` for each element with its attributes, `text` with
// character data and `end` at each element's end.
struct Callbacks {
    std::function<void(const std::string&, const XML_Char**)> start;
    std::function<void(const std::string&)> end;
    std::function<void(const char*, int)> text;
};

class XmlParser {
public:
    explicit XmlParser(Callbacks callbacks) : callbacks_(std::move(callbacks)) {
        parser_ = XML_ParserCreateNS(nullptr, ' ');
        XML_SetUserData(parser_, this);
        XML_SetElementHandler(
            parser_,
            [](void* self, const XML_Char* name, const XML_Char** attributes) {
                auto& p = *static_cast<XmlParser*>(self);
                if (p.callbacks_.start) p.callbacks_.start(local(name), attributes);
            },
            [](void* self, const XML_Char* name) {
                auto& p = *static_cast<XmlParser*>(self);
                if (p.callbacks_.end) p.callbacks_.end(local(name));
            });
        XML_SetCharacterDataHandler(parser_, [](void* self, const XML_Char* s, int length) {
            auto& p = *static_cast<XmlParser*>(self);
            if (p.callbacks_.text) p.callbacks_.text(s, length);
        });
    }
    ~XmlParser() { XML_ParserFree(parser_); }
    XmlParser(const XmlParser&) = delete;
    XmlParser& operator=(const XmlParser&) = delete;

    /// Ends the parse from inside a callback: the feed under way returns an error.
    void stop() { XML_StopParser(parser_, XML_FALSE); }
    /// Pauses the parse from inside a callback: the feed under way returns, and resume() goes on
    /// with the rest of its chunk, which must be left as it is until then.
    void pause() { XML_StopParser(parser_, XML_TRUE); }
    bool paused() const {
        XML_ParsingStatus status;
        XML_GetParsingStatus(parser_, &status);
        return status.parsing == XML_SUSPENDED;
    }
    /// Feeds a chunk; "" or why the XML is malformed.
    std::string feed(const char* data, std::size_t size, bool last) {
        return said(XML_Parse(parser_, data, int(size), last));
    }
    std::string resume() { return said(XML_ResumeParser(parser_)); }

private:
    std::string said(XML_Status status) const {
        if (status == XML_STATUS_ERROR && XML_GetErrorCode(parser_) != XML_ERROR_ABORTED) {
            return std::string(XML_ErrorString(XML_GetErrorCode(parser_))) + " at line " +
                   std::to_string(XML_GetCurrentLineNumber(parser_));
        }
        return "";
    }

public:
private:
    XML_Parser parser_;
    Callbacks callbacks_;
};

void parse_whole(const ZipArchive& archive, const std::string& part, Callbacks callbacks) {
    const std::string xml = archive.read(part);
    XmlParser parser(std::move(callbacks));
    if (const std::string why = parser.feed(xml.data(), xml.size(), true); !why.empty()) {
        throw FileError(archive.path() + ": the part " + part + " is not well-formed XML: " + why +
                        ".");
    }
}

// A whole number in decimal digits, or `otherwise`. (No exception may cross expat's callbacks.)
std::size_t whole(const std::string& text, std::size_t otherwise) {
    std::size_t value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    return status == std::errc() && end == text.data() + text.size() ? value : otherwise;
}

// The last cell a sheet can have: column XFD, row 1048576.
constexpr std::size_t kLastColumn = 16384, kLastRow = 1048576;

// The column of a cell reference ("BC12" is column 55, counting from 1): 0 when there is none,
// and past kLastColumn (without counting on) when it is beyond the sheet.
std::size_t column_of(const std::string& reference) {
    std::size_t column = 0;
    for (char c : reference) {
        if (c < 'A' || c > 'Z') break;
        column = column * 26 + std::size_t(c - 'A' + 1);
        if (column > kLastColumn) return kLastColumn + 1;
    }
    return column;
}

class SheetRows : public TableRows {
    // A cell's text, in bytes: four times a spreadsheet's 32,767 characters in UTF-8.
    static constexpr std::size_t kLongestCell = 4 * 32767;

public:
    SheetRows(const ZipArchive& archive, const std::string& part, std::string label,
              std::shared_ptr<const std::vector<std::string>> shared)
        : in_(archive.open(part)),
          label_(std::move(label)),
          shared_(std::move(shared)),
          parser_({[this](const std::string& name, const XML_Char** attributes) {
                       start(name, attributes);
                   },
                   [this](const std::string& name) { end(name); },
                   [this](const char* s, int length) {
                       if (!in_value_) return;
                       // A cell holds 32,767 characters in a spreadsheet; one that runs on is
                       // no sheet's, and would take the machine's memory.
                       if (value_.size() + std::size_t(length) > kLongestCell) {
                           refuse_because("a cell of row " + std::to_string(row_.line) +
                                          " holds more than a spreadsheet's cell can: the file "
                                          "is damaged or was not written by a spreadsheet.");
                           return;
                       }
                       value_.append(s, std::size_t(length));
                   }}) {}

    std::optional<Record> next() override {
        // The parse pauses at each row's end, so memory holds one row, whatever a chunk of a
        // sheet inflates to.
        while (ready_.empty() && !done_) {
            std::string why;
            if (parser_.paused()) {
                why = parser_.resume();
            } else {
                in_->read(chunk_.data(), std::streamsize(chunk_.size()));
                const std::size_t got = std::size_t(in_->gcount());
                if (in_->bad()) {
                    throw FileError(label_ + ": the sheet could not be read to its end.");
                }
                last_chunk_ = got < chunk_.size();
                why = parser_.feed(chunk_.data(), got, last_chunk_);
            }
            if (!refused_.empty()) throw FileError(label_ + ": " + refused_);
            if (!why.empty()) {
                throw FileError(label_ + ": the sheet is not well-formed XML: " + why + ".");
            }
            done_ = last_chunk_ && !parser_.paused();
        }
        if (ready_.empty()) return std::nullopt;
        Record record = std::move(ready_.front());
        ready_.pop_front();
        return record;
    }

private:
    // Said once the feed under way returns; no exception may cross expat's callbacks.
    void refuse(const std::string& what, const std::string& last) {
        refuse_because(what + " is past the last cell a sheet can have (" + last +
                       "): the file is damaged or was not written by a spreadsheet.");
    }
    void refuse_because(const std::string& why) {
        if (!refused_.empty()) return;
        refused_ = why;
        parser_.stop();
    }

    void start(const std::string& name, const XML_Char** attributes) {
        if (!refused_.empty()) return;
        if (name == "row") {
            row_ = Record{};
            const std::string r = attribute(attributes, "r");
            row_.line = whole(r, last_line_ + 1);
            if (row_.line > kLastRow) refuse("the row \"" + r + "\"", "row 1048576");
        } else if (name == "c") {
            // A reference past the sheet's last cell is no workbook a spreadsheet wrote, and the
            // row would be widened to it: refused, by its place.
            const std::string reference = attribute(attributes, "r");
            const std::size_t column = column_of(reference);
            const std::size_t digits = reference.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
            const std::size_t row =
                digits == std::string::npos ? 0 : whole(reference.substr(digits), kLastRow + 1);
            if (column > kLastColumn || row > kLastRow) {
                refuse("the cell \"" + reference + "\"", "XFD1048576");
                return;
            }
            if (column == 0 && row_.fields.size() >= kLastColumn) {
                refuse("a cell of row " + std::to_string(row_.line), "column XFD");
                return;
            }
            column_ = column > 0 ? column - 1 : row_.fields.size();
            type_ = attribute(attributes, "t");
            value_.clear();
        } else if (name == "v" || (name == "t" && type_ == "inlineStr")) {
            in_value_ = true;
        }
    }

    void end(const std::string& name) {
        if (name == "v" || name == "t") {
            in_value_ = false;
        } else if (name == "c") {
            if (!refused_.empty()) return;
            std::string text = value_;
            if (type_ == "s") {
                if (!shared_) {
                    refused_ =
                        "its cells refer to shared texts, but the workbook has no part "
                        "xl/sharedStrings.xml that holds them: the file is damaged or cut short. "
                        "Export it again.";
                    parser_.stop();
                    return;
                }
                const std::size_t index = whole(text, shared_->size());
                if (index >= shared_->size()) {
                    refused_ = "a cell of row " + std::to_string(row_.line) +
                               " refers to shared text " + text + ", but the workbook holds " +
                               std::to_string(shared_->size()) + ": the file is damaged.";
                    parser_.stop();
                    return;
                }
                text = (*shared_)[index];
            }
            if (row_.fields.size() <= column_) row_.fields.resize(column_ + 1);
            row_.fields[column_] = std::move(text);
        } else if (name == "row") {
            last_line_ = row_.line;
            const bool blank = std::all_of(row_.fields.begin(), row_.fields.end(),
                                           [](const std::string& f) { return trimmed(f).empty(); });
            if (!blank) {
                ready_.push_back(std::move(row_));
                parser_.pause();
            }
            row_ = Record{};
        }
    }

    std::unique_ptr<std::istream> in_;
    std::string label_;
    std::shared_ptr<const std::vector<std::string>> shared_;
    XmlParser parser_;
    std::array<char, 1 << 16> chunk_{};
    std::deque<Record> ready_;
    bool done_ = false, last_chunk_ = false;
    Record row_;
    std::size_t last_line_ = 0, column_ = 0;
    std::string type_, value_;
    bool in_value_ = false;
    std::string refused_;  // why the sheet cannot be read, found inside a callback
};

}  // namespace

XlsxWorkbook::XlsxWorkbook(const std::string& file, const std::string& name)
    : archive_(file, name) {
    if (!archive_.has("xl/workbook.xml")) {
        throw FileError(archive_.path() +
                        ": is a zip archive but no XLSX workbook (it has no xl/workbook.xml).");
    }
    // Which part each relationship names.
    std::map<std::string, std::string> targets;
    if (archive_.has("xl/_rels/workbook.xml.rels")) {
        parse_whole(archive_, "xl/_rels/workbook.xml.rels",
                    {[&](const std::string& name, const XML_Char** attributes) {
                         if (name != "Relationship") return;
                         std::string target = attribute(attributes, "Target");
                         if (target.starts_with("/")) {
                             target.erase(0, 1);
                         } else {
                             target = "xl/" + target;
                         }
                         targets[attribute(attributes, "Id")] = target;
                     },
                     {},
                     {}});
    }
    parse_whole(archive_, "xl/workbook.xml",
                {[&](const std::string& name, const XML_Char** attributes) {
                     if (name != "sheet") return;
                     const std::string id = attribute(attributes, "id");
                     const auto target = targets.find(id);
                     const std::string part =
                         target != targets.end()
                             ? target->second
                             : "xl/worksheets/sheet" + std::to_string(sheets_.size() + 1) + ".xml";
                     sheets_.push_back({attribute(attributes, "name"), part});
                 },
                 {},
                 {}});
    std::shared_ptr<std::vector<std::string>> shared;
    if (archive_.has("xl/sharedStrings.xml")) {
        shared = std::make_shared<std::vector<std::string>>();
        // A string item may be rich text: the texts of its runs, without phonetic hints.
        bool in_item = false, in_text = false;
        int in_phonetic = 0;
        std::string item;
        parse_whole(archive_, "xl/sharedStrings.xml",
                    {[&](const std::string& name, const XML_Char**) {
                         if (name == "si") {
                             in_item = true;
                             item.clear();
                         } else if (name == "rPh") {
                             ++in_phonetic;
                         } else if (name == "t" && in_item && in_phonetic == 0) {
                             in_text = true;
                         }
                     },
                     [&](const std::string& name) {
                         if (name == "si") {
                             shared->push_back(item);
                             in_item = false;
                         } else if (name == "rPh") {
                             --in_phonetic;
                         } else if (name == "t") {
                             in_text = false;
                         }
                     },
                     [&](const char* s, int length) {
                         if (in_text) item.append(s, std::size_t(length));
                     }});
    }
    // Without the part, a cell that refers to a shared text is refused when it is read.
    shared_strings_ = std::move(shared);
}

XlsxWorkbook::~XlsxWorkbook() = default;

std::vector<std::string> XlsxWorkbook::sheets() const {
    std::vector<std::string> names;
    for (const Sheet& sheet : sheets_)
        names.push_back(sheet.name);
    return names;
}

std::unique_ptr<TableRows> XlsxWorkbook::open(const std::string& name) const {
    for (const Sheet& sheet : sheets_) {
        if (sheet.name == name) {
            return std::make_unique<SheetRows>(archive_, sheet.part, path() + ", sheet " + name,
                                               shared_strings_);
        }
    }
    throw FileError(path() + ": there is no sheet \"" + name + "\".");
}

}  // namespace kestrivo::field
