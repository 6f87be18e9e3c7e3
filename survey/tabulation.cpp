// Tabulation: blocks by ID in the order first seen, each with its three sets of dogs; dogs by ID
// with the block they were first seen in; conflicts as they are found, and the counts never
// recorded as done at the end.
#include "survey/tabulation.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "survey/csv_records.h"

namespace kestrivo::survey {

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
    }
    return "";
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

Tabulation::Block* Tabulation::find_or_add(const std::string& id, const Source& where,
                                           bool from_list) {
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

void Tabulation::block(const std::string& id, const BlockFacts& facts, const Source& where) {
    BlockFacts& known = find_or_add(id, where, !list_closed_)->row.facts;
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

void Tabulation::count_done(const std::string& block, int count, const Source& where) {
    if (count < 1 || count > 3) return;
    find_or_add(block, where, false)->done[std::size_t(count - 1)] = true;
}

void Tabulation::conflict(ConflictKind kind, std::size_t block, const std::string& count,
                          const std::string& dog_id, const Source& where,
                          const std::string& detail) {
    Block& b = blocks_[block];
    b.touched = true;
    ++b.row.conflicts;
    conflicts_.push_back({kind, b.row.id, count, dog_id, where, detail});
}

void Tabulation::sighting(const std::string& block_id, const std::string& count_text,
                          const std::string& raw_dog, const Source& where) {
    ++sightings_;
    Block* block = find_or_add(block_id, where, false);
    const std::size_t b = std::size_t(block - blocks_.data());
    const std::string dog = trimmed(raw_dog);
    const int count = count_number(count_text);
    if (count == 0) {
        conflict(ConflictKind::no_count_number, b, count_text, dog, where,
                 trimmed(count_text).empty()
                     ? "the sighting has no count number"
                     : "the count \"" + trimmed(count_text) + "\" is not 1, 2 or 3");
        return;
    }
    // A dog seen on a count is a record that the count was done.
    block->done[std::size_t(count - 1)] = true;
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
    if (!block->seen[std::size_t(count - 1)].insert(known->second.number).second) {
        conflict(ConflictKind::duplicate_in_count, b, std::to_string(count), dog, where,
                 "the dog is recorded twice on count " + std::to_string(count));
    }
}

void Tabulation::bad_record(ConflictKind kind, const std::string& block, const std::string& count,
                            const std::string& dog_id, const Source& where,
                            const std::string& detail) {
    ++sightings_;
    const Block* b = find_or_add(block, where, false);
    conflict(kind, std::size_t(b - blocks_.data()), count, trimmed(dog_id), where, detail);
}

void Tabulation::unplaced(const std::string& block, const std::string& count,
                          const std::string& dog_id, const Source& where,
                          const std::string& detail) {
    ++sightings_;
    conflicts_.push_back(
        {ConflictKind::unknown_block, block, trimmed(count), trimmed(dog_id), where, detail});
}

TabulatedSurvey Tabulation::finish() {
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        Block& block = blocks_[b];
        for (int k = 0; k < 3; ++k) {
            if (!block.done[std::size_t(k)]) {
                conflict(ConflictKind::count_missing, b, std::to_string(k + 1), "", block.first,
                         "nothing records that count " + std::to_string(k + 1) +
                             " of the block was done");
            }
        }
    }
    TabulatedSurvey survey;
    survey.stratum_column = stratum_column_;
    survey.rest_columns = rest_columns_;
    survey.sightings = sightings_;
    survey.blocks.reserve(blocks_.size());
    for (Block& block : blocks_) {
        if (!block.touched) {
            Histories h{};
            const auto& [d1, d2, d3] = block.seen;
            // The place of each history among the seven, by (count 1, count 2, count 3).
            static constexpr int kPlace[2][2][2] = {{{-1, 5}, {4, 6}}, {{0, 2}, {3, 1}}};
            const auto add = [&](bool one, bool two, bool three) {
                ++h[std::size_t(kPlace[one][two][three])];
            };
            for (const std::uint32_t dog : d1)
                add(true, d2.count(dog) > 0, d3.count(dog) > 0);
            for (const std::uint32_t dog : d2) {
                if (!d1.count(dog)) add(false, true, d3.count(dog) > 0);
            }
            for (const std::uint32_t dog : d3) {
                if (!d1.count(dog) && !d2.count(dog)) add(false, false, true);
            }
            block.row.histories = h;
        }
        for (auto& set : block.seen)
            std::unordered_set<std::uint32_t>().swap(set);
        survey.blocks.push_back(std::move(block.row));
    }
    survey.conflicts = std::move(conflicts_);
    blocks_.clear();
    index_.clear();
    dogs_.clear();
    return survey;
}

}  // namespace kestrivo::survey
