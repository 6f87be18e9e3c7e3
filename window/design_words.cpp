// The survey window's words for each refusal of a design.
#include "window/design_words.h"

#include <QCoreApplication>

namespace kestrivo::window {
namespace {

// The translations (i18n/*.ts) hold these words under this name.
class DesignWords {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::DesignWords)
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString places(const survey::DesignRefusal& r) {
    if (r.first.file == r.second.file) {
        return DesignWords::tr("%1, lines %2 and %3")
            .arg(text(r.first.file), QString::number(r.first.line), QString::number(r.second.line));
    }
    // One arg() of several texts: a file named "%2" stays as it is.
    return DesignWords::tr("%1, line %2 and %3, line %4")
        .arg(text(r.first.file), QString::number(r.first.line), text(r.second.file),
             QString::number(r.second.line));
}

}  // namespace

QString window_words(const survey::DesignRefusal& r) {
    using Kind = survey::DesignRefusal::Kind;
    switch (r.kind) {
        case Kind::names_without_strata:
        case Kind::strata_unused:
            return DesignWords::tr("Choose a strata column for the blocks in the city by stratum.");
        case Kind::one_number_for_strata:
            return DesignWords::tr("Give each stratum its own number in \"Blocks in the city\".");
        case Kind::weights_and_blocks:
            return DesignWords::tr(
                "The weight column says what each block stands for: \"Blocks in the city\" is not "
                "needed with it.");
        case Kind::no_such_column:
            // Whole sentences: "weights" and "strata" take different words around them in
            // other languages.
            return (r.for_weights ? DesignWords::tr("%1 has no column \"%2\" for the weights.")
                                  : DesignWords::tr("%1 has no column \"%2\" for the strata."))
                .arg(text(r.file), text(r.column));
        case Kind::unknown_stratum:
            return DesignWords::tr(
                       "\"Blocks in the city\" names the stratum \"%1\", which no block "
                       "has.")
                .arg(text(r.stratum));
        case Kind::stratum_without_blocks:
            return DesignWords::tr("Type the number of blocks in the city for \"%1\".")
                .arg(text(r.stratum));
        case Kind::fewer_than_read:
            if (r.in_strata) {
                return DesignWords::tr(
                           "Blocks in the city for \"%1\": %2 is fewer than the %3 blocks "
                           "counted.")
                    .arg(text(r.stratum), QString::number(r.number), QString::number(r.blocks));
            }
            return DesignWords::tr("Blocks in the city: %1 is fewer than the %2 blocks counted.")
                .arg(QString::number(r.number), QString::number(r.blocks));
        case Kind::block_twice:
            if (r.in_strata) {
                return DesignWords::tr(
                           "%1: the block \"%2\" appears twice in the stratum \"%3\"; a sample "
                           "holds each block once.")
                    .arg(places(r), text(r.label), text(r.stratum));
            }
            return DesignWords::tr(
                       "%1: the block \"%2\" appears twice; a sample holds each block once.")
                .arg(places(r), text(r.label));
    }
    return DesignWords::tr("The design cannot be used.");
}

}  // namespace kestrivo::window
