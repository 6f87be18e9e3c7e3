// The command line's words for each refusal of a design.
#include "cli/design_words.h"

namespace kestrivo::cli {
namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// "; did you mean "X"?" when a name near the one given exists, else the sentence's end.
std::string near_or_end(const std::string& near) {
    return near.empty() ? "." : "; did you mean " + quoted(near) + "?";
}

std::string places(const survey::DesignRefusal& r) {
    const auto place = [](const survey::DesignRefusal::Place& p) {
        return p.file + ", line " + std::to_string(p.line);
    };
    if (r.first.file == r.second.file) {
        return r.first.file + ", lines " + std::to_string(r.first.line) + " and " +
               std::to_string(r.second.line);
    }
    return place(r.first) + " and " + place(r.second);
}

}  // namespace

std::string command_line_words(const survey::DesignRefusal& r) {
    using Kind = survey::DesignRefusal::Kind;
    switch (r.kind) {
        case Kind::names_without_strata:
            return "--blocks-total NAME=K needs --stratum to say which column holds the names.";
        case Kind::one_number_for_strata:
            return "with --stratum, give each stratum's blocks: --blocks-total NAME=K,NAME=K.";
        case Kind::weights_and_blocks:
            return "--weight gives each block the blocks of the city it stands for: --blocks-total "
                   "is not needed with it.";
        case Kind::strata_unused:
            return "--stratum groups blocks for --pool or --blocks-total; give one of them.";
        case Kind::no_such_column:
            return r.file + ": there is no column " + quoted(r.column) + " " +
                   (r.for_weights ? "to take the weights from" : "to take the strata from") +
                   near_or_end(r.near);
        case Kind::unknown_stratum:
            return "--blocks-total names the stratum " + quoted(r.stratum) +
                   ", which no row of the survey has in its column " + quoted(r.column) +
                   near_or_end(r.near);
        case Kind::stratum_without_blocks:
            return "the stratum " + quoted(r.stratum) +
                   " has no number of blocks in --blocks-total.";
        case Kind::fewer_than_read:
            return "--blocks-total " + std::to_string(r.number) +
                   (r.in_strata ? " for " + quoted(r.stratum) : std::string()) +
                   " is fewer than the " + std::to_string(r.blocks) + " blocks read.";
        case Kind::block_twice:
            return places(r) + ": the block " + quoted(r.label) + " appears twice" +
                   (r.in_strata ? " in the stratum " + quoted(r.stratum) : std::string()) +
                   "; a sample holds each block once.";
    }
    return "the design cannot be used.";
}

}  // namespace kestrivo::cli
