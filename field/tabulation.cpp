// Tabulation: blocks by ID in the order first seen, each with its three sets of dogs; dogs by ID
// with the block they were first seen in; conflicts as they are found, and the counts never
// recorded as done at the end.
#include "field/tabulation.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>

#include "survey/csv_records.h"

namespace kestrivo::field {

using survey::trimmed;

const char* kind_name(ConflictKind kind) {
    switch (kind) {
        case ConflictKind::duplicate_in_count:
            return "duplicate_in_count";
        case ConflictKind::id_in_several_blocks:
            return "id_in_several_blocks";
        case ConflictKind::count_missing:
            return "count_missing";
        case ConflictKind::no_count_number:
            return "no_count_number";
        case ConflictKind::missing_dog_id:
            return "missing_dog_id";
        case ConflictKind::unknown_block:
            return "unknown_block";
        case ConflictKind::block_facts_differ:
            return "block_facts_differ";
        case ConflictKind::count_sent_twice:
            return "count_sent_twice";
        case ConflictKind::similar_ids:
            return "similar_ids";
        case ConflictKind::rejected_in_review:
            return "rejected_in_review";
        case ConflictKind::review_has_issues:
            return "review_has_issues";
        case ConflictKind::same_submission_twice:
            return "same_submission_twice";
        case ConflictKind::mark_disagrees:
            return "mark_disagrees";
    }
    return "";
}

std::string conflict_detail(const Conflict& conflict) {
    if (conflict.more == 0) return conflict.detail;
    return conflict.detail + " (and " + std::to_string(conflict.more) +
           " more like it, not listed)";
}

namespace {

// The length of the Unicode space that `text` starts with (in UTF-8), 0 when it starts with none:
// an ASCII blank, U+0085, U+00A0, U+1680, U+2000 to U+200B, U+2028, U+2029, U+202F, U+205F,
// U+3000 or U+FEFF.
std::size_t space_at(std::string_view text) {
    if (text.empty()) return 0;
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const unsigned a = byte(0), b = byte(1), c = byte(2);
    if (a == ' ' || a == '\t' || a == '\r' || a == '\n' || a == '\v' || a == '\f') return 1;
    if (a == 0xC2 && (b == 0x85 || b == 0xA0)) return 2;
    if (a == 0xE1 && b == 0x9A && c == 0x80) return 3;
    if (a == 0xE2 && b == 0x80 && ((c >= 0x80 && c <= 0x8B) || c == 0xA8 || c == 0xA9 || c == 0xAF))
        return 3;
    if (a == 0xE2 && b == 0x81 && c == 0x9F) return 3;
    if (a == 0xE3 && b == 0x80 && c == 0x80) return 3;
    if (a == 0xEF && b == 0xBB && c == 0xBF) return 3;
    return 0;
}

// The Unicode space that `text` ends with, as space_at.
std::size_t space_before_end(std::string_view text) {
    for (std::size_t n = 1; n <= 3 && n <= text.size(); ++n) {
        if (space_at(text.substr(text.size() - n)) == n) return n;
    }
    return 0;
}

// What two IDs that differ only by case or spaces have in common: the ID without any space, its
// ASCII letters in lower case.
std::string folded_id(std::string_view id) {
    std::string folded;
    folded.reserve(id.size());
    while (!id.empty()) {
        if (const std::size_t n = space_at(id); n > 0) {
            id.remove_prefix(n);
            continue;
        }
        const char c = id.front();
        folded += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        id.remove_prefix(1);
    }
    return folded;
}

// Whether folded_id would give `id` back: most IDs, which are then hashed as they stand.
bool is_folded(std::string_view id) {
    return std::none_of(id.begin(), id.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u <= ' ' || u >= 0x80 || (c >= 'A' && c <= 'Z');
    });
}

// The first and last byte of `text` are ASCII and no blank: nothing to trim.
bool has_no_ends_to_trim(std::string_view text) {
    const auto plain = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u > ' ' && u < 0x80;
    };
    return text.empty() || (plain(text.front()) && plain(text.back()));
}

// An answer folded for comparison: trimmed, ASCII and Latin-1 letters in lower case (the form's
// labels hold "Sí" and "Não", a spreadsheet may give "SÍ"), a typographic apostrophe as "'".
std::string folded_answer(std::string_view text) {
    const std::string trimmed = trimmed_id(text);
    std::string folded;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        const auto c = static_cast<unsigned char>(trimmed[i]);
        const auto next = i + 1 < trimmed.size() ? static_cast<unsigned char>(trimmed[i + 1]) : 0u;
        if (c >= 'A' && c <= 'Z') {
            folded += char(c - 'A' + 'a');
        } else if (c == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97) {
            folded += char(c);
            folded += char(next + 0x20);  // U+00C0..U+00DE, but for U+00D7 (x), to lower case
            ++i;
        } else if (trimmed.compare(i, 3, "\u2019") == 0) {
            folded += '\'';
            i += 2;
        } else {
            folded += char(c);
        }
    }
    return folded;
}

}  // namespace

MarkSeen mark_seen(std::string_view text) {
    // The choices' names and their labels in the form's four languages (share/forms/), and the
    // same words typed without their accents.
    static const std::pair<const char*, MarkSeen> kAnswers[] = {
        {"yes", MarkSeen::yes}, {"oui", MarkSeen::yes},     {"s\u00ed", MarkSeen::yes},
        {"si", MarkSeen::yes},  {"sim", MarkSeen::yes},     {"no", MarkSeen::no},
        {"non", MarkSeen::no},  {"n\u00e3o", MarkSeen::no}, {"nao", MarkSeen::no},
    };
    const std::string folded = folded_answer(text);
    if (folded.empty()) return MarkSeen::not_recorded;
    for (const auto& [answer, mark] : kAnswers) {
        if (folded == answer) return mark;
    }
    // "unclear", "Can't tell" and its translations, and whatever else: an answer that does not
    // say yes or no leaves the mark unseen, never taken as one of them.
    return MarkSeen::unclear;
}

std::string trimmed_id(std::string_view text) {
    if (has_no_ends_to_trim(text)) return std::string(text);
    while (const std::size_t n = space_at(text))
        text.remove_prefix(n);
    while (const std::size_t n = space_before_end(text))
        text.remove_suffix(n);
    return std::string(text);
}

std::string day_of(std::string_view time) {
    // YYYY-MM-DD, then the end, or the time after a T (or the blank SQL and some exports use).
    if (time.size() < 10 || time[4] != '-' || time[7] != '-') return "";
    if (time.size() > 10 && time[10] != 'T' && time[10] != 't' && time[10] != ' ') return "";
    const auto number = [&](std::size_t from, std::size_t digits) {
        int value = 0;
        for (std::size_t i = from; i < from + digits; ++i) {
            if (time[i] < '0' || time[i] > '9') return -1;
            value = value * 10 + (time[i] - '0');
        }
        return value;
    };
    const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    if (year < 1 || month < 1 || month > 12 || day < 1) return "";
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (day > kDays[std::size_t(month - 1)] + (month == 2 && leap)) return "";
    return std::string(time.substr(0, 10));
}

void Tabulation::worked_at(std::string_view time) {
    const std::string day = day_of(time);
    if (day.empty()) return;
    // Days of four-digit years order as their texts do.
    if (first_day_.empty() || day < first_day_) first_day_ = day;
    if (last_day_.empty() || day > last_day_) last_day_ = day;
}

int count_number(const std::string& raw) {
    const std::string text = trimmed(raw);
    double value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || status != std::errc() || end != text.data() + text.size()) return 0;
    return value == 1 || value == 2 || value == 3 ? int(value) : 0;
}

namespace {

std::string place(const Source& where) {
    return where.file + ", line " + std::to_string(where.line);
}

}  // namespace

std::uint32_t Tabulation::file_number(const std::string& file) {
    // Dogs are first seen in a handful of files: the last one is nearly always the one.
    if (files_.empty() || files_.back() != file) {
        const auto at = std::find(files_.begin(), files_.end(), file);
        if (at != files_.end()) return std::uint32_t(at - files_.begin());
        files_.push_back(file);
    }
    return std::uint32_t(files_.size() - 1);
}

void Tabulation::name_stratum_column(const std::string& name) {
    if (stratum_column_.empty()) stratum_column_ = name;
}

Tabulation::Block* Tabulation::find_or_add(const std::string& raw_id, const Source& where,
                                           bool from_list) {
    const std::string id = trimmed_id(raw_id);
    if (const auto known = index_.find(id); known != index_.end()) return &blocks_[known->second];
    index_.emplace(id, blocks_.size());
    blocks_.push_back({});
    Block& block = blocks_.back();
    block.row.id = id;
    block.first = where;
    if (list_closed_ && !from_list) {
        conflict(ConflictKind::unknown_block, blocks_.size() - 1, "", "", where,
                 "the block \"" + id + "\" is not in the table of blocks");
    }
    return &block;
}

void Tabulation::block(const std::string& id, const BlockFacts& facts, const Source& where,
                       bool from_table) {
    const bool from_list = from_table;
    Block& block = *find_or_add(id, where, from_list);
    BlockFacts& known = block.row.facts;
    // One block cannot lie in two strata: which one it is in is the team's to say. Its place is
    // compared only between rows of the table of blocks, since each count's submission takes a
    // GPS reading of its own.
    std::string differs;
    if (!known.stratum.empty() && !facts.stratum.empty() && known.stratum != facts.stratum) {
        differs = "its stratum is \"" + facts.stratum + "\" here but \"" + known.stratum + "\"";
    } else if (block.listed && from_list) {
        for (auto [name, was, now] : {std::tuple{"latitude", &known.latitude, &facts.latitude},
                                      std::tuple{"longitude", &known.longitude, &facts.longitude},
                                      std::tuple{"outline", &known.outline, &facts.outline}}) {
            if (differs.empty() && !was->empty() && !now->empty() && *was != *now) {
                differs = std::string("its ") + name + " is " + *now + " here but " + *was;
            }
        }
    }
    if (!differs.empty()) {
        conflict(ConflictKind::block_facts_differ, std::size_t(&block - blocks_.data()), "", "",
                 where, differs + " in " + place(block.facts_from));
    }
    if (known.stratum.empty() && !facts.stratum.empty()) block.facts_from = where;
    if (block.facts_from.file.empty()) block.facts_from = where;
    block.listed = block.listed || from_list;
    for (auto [field, value] :
         {std::pair{&known.stratum, &facts.stratum}, std::pair{&known.latitude, &facts.latitude},
          std::pair{&known.longitude, &facts.longitude},
          std::pair{&known.outline, &facts.outline}}) {
        if (field->empty()) *field = *value;
    }
    for (const auto& [name, value] : facts.rest) {
        if (rest_seen_.insert(name).second) rest_columns_.push_back(name);
        bool found = false;
        for (auto& [known_name, known_value] : known.rest) {
            if (known_name != name) continue;
            found = true;
            if (known_value.empty()) known_value = value;
        }
        if (!found) known.rest.emplace_back(name, value);
    }
}

void Tabulation::close_the_list_of_blocks() {
    list_closed_ = true;
}

Tabulation::Copy& Tabulation::copy_of(Block& block, int count, const std::string& submission,
                                      const Source& where) {
    auto& copies = block.copies[std::size_t(count - 1)];
    // A submission's sightings come one after another: the last copy is nearly always the one.
    if (!copies.empty() && copies.back().submission == submission) return copies.back();
    for (Copy& copy : copies) {
        if (copy.submission == submission) return copy;
    }
    copies.push_back({submission, where, {}});
    return copies.back();
}

void Tabulation::count_done(const std::string& block, int count, const Source& where,
                            const std::string& submission) {
    if (count < 1 || count > 3) return;
    copy_of(*find_or_add(block, where, false), count, submission, where);
}

std::size_t Tabulation::conflict(ConflictKind kind, std::size_t block, const std::string& count,
                                 const std::string& dog_id, const Source& where,
                                 const std::string& detail) {
    Block& b = blocks_[block];
    b.touched = true;
    ++b.row.conflicts;
    return list(kind, b.row.id, count, dog_id, where, detail);
}

std::size_t Tabulation::list(ConflictKind kind, const std::string& block, const std::string& count,
                             const std::string& dog_id, const Source& where,
                             const std::string& detail, bool warning) {
    // A sighting sent ten thousand times is one fault, not ten thousand: the first few are
    // listed, the rest counted on the last, so memory grows with the dogs, not with the rows.
    constexpr std::uint32_t kListedOfAKind = 3;
    std::string key = std::to_string(int(kind));
    key += '\x1f';
    key += block;
    key += '\x1f';
    key += dog_id;
    auto [it, added] = listed_.try_emplace(std::move(key), Listed{0, 0});
    if (it->second.count == kListedOfAKind) {
        ++conflicts_[it->second.last].more;
        return it->second.last;
    }
    ++it->second.count;
    it->second.last = conflicts_.size();
    conflicts_.push_back({kind, block, count, dog_id, where, detail, 0, warning});
    return it->second.last;
}

void Tabulation::sighting(const std::string& block_id, const std::string& count_text,
                          const std::string& raw_dog, const Source& where,
                          const std::string& submission, MarkSeen mark) {
    ++sightings_;
    marks_recorded_ = marks_recorded_ || mark != MarkSeen::not_recorded;
    Block* block = find_or_add(block_id, where, false);
    block->marks_recorded = block->marks_recorded || mark != MarkSeen::not_recorded;
    const std::size_t b = std::size_t(block - blocks_.data());
    const std::string dog = trimmed_id(raw_dog);
    const int count = count_number(count_text);
    if (count == 0) {
        conflict(ConflictKind::no_count_number, b, count_text, dog, where,
                 trimmed(count_text).empty()
                     ? "the sighting has no count number"
                     : "the count \"" + trimmed(count_text) + "\" is not 1, 2 or 3");
        return;
    }
    // A dog seen on a count is a record that the count was done.
    Copy& copy = copy_of(*block, count, submission, where);
    if (dog.empty()) {
        conflict(ConflictKind::missing_dog_id, b, std::to_string(count), "", where,
                 "the sighting has no dog ID");
        return;
    }
    auto known = dogs_.find(dog);
    if (known == dogs_.end()) {
        known = dogs_
                    .emplace(dog, Dog{std::uint32_t(dogs_.size()), std::uint32_t(b),
                                      file_number(where.file), where.line})
                    .first;
        // Kept in the order first seen, for the IDs alike but for case or spaces (a map's
        // elements stay where they are as it grows).
        const std::string_view id = known->first;
        folded_.emplace_back(is_folded(id) ? std::hash<std::string_view>{}(id)
                                           : std::hash<std::string>{}(folded_id(id)),
                             &*known);
    } else if (known->second.block != b) {
        const Dog& other = known->second;
        conflict(ConflictKind::id_in_several_blocks, b, std::to_string(count), dog, where,
                 "the dog is also seen in block \"" + blocks_[other.block].row.id + "\" (" +
                     place({files_[other.file], other.line}) + ")");
        // The other block's counts hold this dog too: it is touched as well.
        blocks_[other.block].touched = true;
        ++blocks_[other.block].row.conflicts;
        return;
    }
    if (!copy.dogs.insert(known->second.number).second) {
        conflict(ConflictKind::duplicate_in_count, b, std::to_string(count), dog, where,
                 "the dog is recorded twice on count " + std::to_string(count));
    }
    // An unclear answer leaves the dog's mark as unknown as no answer: only yes and no are kept.
    if (mark == MarkSeen::yes || mark == MarkSeen::no) {
        const std::uint32_t number = known->second.number;
        if (marks_.size() <= number) marks_.resize(dogs_.size());
        marks_[number] |= std::uint8_t((mark == MarkSeen::yes ? kMarkYes : kMarkNo) << (count - 1));
    }
}

void Tabulation::bad_record(ConflictKind kind, const std::string& block, const std::string& count,
                            const std::string& dog_id, const Source& where,
                            const std::string& detail) {
    ++sightings_;
    const Block* b = find_or_add(block, where, false);
    conflict(kind, std::size_t(b - blocks_.data()), count, trimmed_id(dog_id), where, detail);
}

void Tabulation::count_blank(const std::string& block_id, int count, const std::string& dog_id,
                             const Source& where) {
    if (count < 1 || count > 3) return;
    Block& block = *find_or_add(block_id, where, false);
    auto& blanks = block.blanks[std::size_t(count - 1)];
    if (blanks.size() < 3) {
        blanks.push_back({trimmed_id(dog_id), where});
    } else {
        ++block.more_blanks[std::size_t(count - 1)];
    }
}

void Tabulation::unplaced(const std::string& block, const std::string& count,
                          const std::string& dog_id, const Source& where,
                          const std::string& detail) {
    ++sightings_;
    list(ConflictKind::unknown_block, trimmed_id(block), trimmed(count), trimmed_id(dog_id), where,
         detail);
}

void Tabulation::note(ConflictKind kind, const std::string& block, const std::string& count,
                      const std::string& id, const Source& where, const std::string& detail,
                      bool warning) {
    list(kind, trimmed_id(block), count, id, where, detail, warning);
}

void Tabulation::compare_copies(std::size_t b, int count) {
    // A phone that sends a count again (a retry) gives the same dogs: counted once, and said.
    // Other dogs are two records of one count that cannot both hold; rejecting one in review
    // leaves the other.
    Block& block = blocks_[b];
    const auto& copies = block.copies[std::size_t(count - 1)];
    if (copies.size() < 2) return;
    bool same = true;
    std::string which;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        const Copy& copy = copies[i];
        same = same && copy.dogs == copies.front().dogs;
        if (i == 3) which += " and " + std::to_string(copies.size() - 3) + " more";
        if (i >= 3) continue;
        which += std::string(which.empty() ? "" : " and ") +
                 (copy.submission.empty() ? "a record" : "submission " + copy.submission) + " (" +
                 place(copy.where) + "; " + std::to_string(copy.dogs.size()) +
                 (copy.dogs.size() == 1 ? " dog)" : " dogs)");
    }
    const std::string detail =
        "count " + std::to_string(count) + " of the block was sent " +
        (copies.size() == 2 ? std::string("twice") : std::to_string(copies.size()) + " times") +
        ": " + which +
        (same ? "; their dogs are the same, so the count is taken once"
              : "; their dogs differ: reject all but one in review, or sort them out");
    if (same) {
        list(ConflictKind::count_sent_twice, block.row.id, std::to_string(count), "",
             copies[1].where, detail, true);
    } else {
        conflict(ConflictKind::count_sent_twice, b, std::to_string(count), "", copies[1].where,
                 detail);
    }
}

void Tabulation::warn_of_similar_ids() {
    // Dogs sorted by a hash of what their IDs have in common (16 bytes a dog, where a map of the
    // folded IDs would hold a second copy of every ID); only the dogs of a run of equal hashes
    // are folded again and compared.
    using Entry = std::pair<std::uint64_t, const std::pair<const std::string, Dog>*>;
    std::vector<Entry>& by_hash = folded_;
    std::sort(by_hash.begin(), by_hash.end(), [](const Entry& a, const Entry& b) {
        return a.first != b.first ? a.first < b.first
                                  : a.second->second.number < b.second->second.number;
    });
    // Each group of IDs alike, its dogs in the order first seen; the groups in the order of
    // their first dog.
    std::vector<std::vector<const std::pair<const std::string, Dog>*>> groups;
    for (std::size_t run = 0; run < by_hash.size();) {
        std::size_t end = run + 1;
        while (end < by_hash.size() && by_hash[end].first == by_hash[run].first)
            ++end;
        std::vector<bool> taken(end - run);
        for (std::size_t i = run; i < end; ++i) {
            if (taken[i - run]) continue;
            const std::string folded = folded_id(by_hash[i].second->first);
            std::vector<const std::pair<const std::string, Dog>*> group{by_hash[i].second};
            for (std::size_t j = i + 1; j < end; ++j) {
                if (!taken[j - run] && folded_id(by_hash[j].second->first) == folded) {
                    taken[j - run] = true;
                    group.push_back(by_hash[j].second);
                }
            }
            if (group.size() > 1) groups.push_back(std::move(group));
        }
        run = end;
    }
    std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) {
        return a.front()->second.number < b.front()->second.number;
    });
    for (const auto& group : groups) {
        std::string ids;
        for (const auto* dog : group) {
            ids += (ids.empty() ? "\"" : ", \"") + dog->first + "\" (block \"" +
                   blocks_[dog->second.block].row.id + "\")";
        }
        const auto& [id, first] = *group.front();
        list(ConflictKind::similar_ids, blocks_[first.block].row.id, "", id,
             {files_[first.file], first.line},
             "these dog IDs differ only by case or spaces and are taken as different dogs: " + ids +
                 "; check whether they are one dog: a dog seen again but recorded as a new one is "
                 "counted twice and raises the total",
             true);
    }
}

void Tabulation::tabulate_block(Block& block) const {
    Histories h{};
    MarkCounts marks;
    static const std::unordered_set<std::uint32_t> kNone;
    const auto dogs = [&](int k) -> const std::unordered_set<std::uint32_t>& {
        const auto& copies = block.copies[std::size_t(k)];
        return copies.empty() ? kNone : copies.front().dogs;
    };
    const auto &d1 = dogs(0), &d2 = dogs(1), &d3 = dogs(2);
    // The place of each history among the seven, by (count 1, count 2, count 3).
    static constexpr int kPlace[2][2][2] = {{{-1, 5}, {4, 6}}, {{0, 2}, {3, 1}}};
    constexpr std::uint8_t kAnyYes = kMarkYes * 0b111, kAnyNo = kMarkNo * 0b111;
    const auto add = [&](std::uint32_t dog, bool one, bool two, bool three) {
        const std::size_t place = std::size_t(kPlace[one][two][three]);
        ++h[place];
        const std::uint8_t said = dog < marks_.size() ? marks_[dog] : 0;
        if (said & kAnyYes) {
            ++marks.marked[place];
        } else if (!(said & kAnyNo)) {
            ++marks.unknown;
        }
    };
    for (const std::uint32_t dog : d1)
        add(dog, true, d2.count(dog) > 0, d3.count(dog) > 0);
    for (const std::uint32_t dog : d2) {
        if (!d1.count(dog)) add(dog, false, true, d3.count(dog) > 0);
    }
    for (const std::uint32_t dog : d3) {
        if (!d1.count(dog) && !d2.count(dog)) add(dog, false, false, true);
    }
    block.row.histories = h;
    if (marks_recorded_ && block.marks_recorded) block.row.marks = marks;
}

void Tabulation::warn_of_disagreeing_marks() {
    // The counts whose bits are set in `bits` (count 1 the lowest), in words: "counts 1 and 3".
    // (A count sent twice with the same dogs can say yes once and no once.)
    const auto counts = [](unsigned bits) {
        std::vector<std::string> numbers;
        for (int k = 0; k < 3; ++k) {
            if (bits & (1u << k)) numbers.push_back(std::to_string(k + 1));
        }
        std::string words = numbers.size() == 1 ? "count " : "counts ";
        for (std::size_t i = 0; i < numbers.size(); ++i)
            words += (i == 0 ? "" : i + 1 == numbers.size() ? " and " : ", ") + numbers[i];
        return words;
    };
    // folded_ holds the dogs in the order first seen: the dog numbered n is its n-th.
    for (std::size_t n = 0; n < marks_.size() && n < folded_.size(); ++n) {
        const unsigned yes = marks_[n] & 0b111u, no = (marks_[n] >> 3) & 0b111u;
        if (!yes || !no) continue;
        const auto& [id, dog] = *folded_[n].second;
        list(ConflictKind::mark_disagrees, blocks_[dog.block].row.id, "", id,
             {files_[dog.file], dog.line},
             "the vaccination mark is seen on " + counts(yes) + " and not seen on " + counts(no) +
                 "; the dog is counted as marked (a mark is easily hidden on one sighting, but "
                 "rarely seen where there is none): check the photos",
             true);
    }
}

TabulatedSurvey Tabulation::finish() {
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        Block& block = blocks_[b];
        for (int k = 0; k < 3; ++k) {
            const std::size_t i = std::size_t(k);
            if (block.copies[i].empty()) {
                conflict(ConflictKind::count_missing, b, std::to_string(k + 1), "", block.first,
                         "nothing records that count " + std::to_string(k + 1) +
                             " of the block was done");
                continue;
            }
            // The count was walked: a dog's empty cell for it is not a 0, and cannot be told.
            std::size_t last = 0;
            for (const Blank& blank : block.blanks[i]) {
                last = conflict(ConflictKind::no_count_number, b, std::to_string(k + 1),
                                blank.dog_id, blank.where,
                                "seen" + std::to_string(k + 1) +
                                    " is empty, while other rows of the " +
                                    "block give 0 or 1 for count " + std::to_string(k + 1));
            }
            if (block.more_blanks[i] > 0) {
                block.row.conflicts += block.more_blanks[i];
                conflicts_[last].more += block.more_blanks[i];
            }
            compare_copies(b, k + 1);
        }
    }
    // Before the similar IDs, which sort the dogs out of the order they were first seen in.
    warn_of_disagreeing_marks();
    warn_of_similar_ids();
    TabulatedSurvey survey;
    survey.stratum_column = stratum_column_;
    survey.rest_columns = rest_columns_;
    survey.sightings = sightings_;
    survey.marks_recorded = marks_recorded_;
    survey.first_day = first_day_;
    survey.last_day = last_day_;
    survey.blocks.reserve(blocks_.size());
    for (Block& block : blocks_) {
        if (!block.touched) tabulate_block(block);
        for (auto& copies : block.copies)
            std::vector<Copy>().swap(copies);
        survey.blocks.push_back(std::move(block.row));
    }
    survey.conflicts = std::move(conflicts_);
    blocks_.clear();
    index_.clear();
    std::vector<std::pair<std::uint64_t, const std::pair<const std::string, Dog>*>>().swap(folded_);
    dogs_.clear();
    std::vector<std::uint8_t>().swap(marks_);
    listed_.clear();
    return survey;
}

}  // namespace kestrivo::field
