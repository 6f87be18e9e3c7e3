// report_reason: each reason the inference report writes, found by its English words; the two
// that carry a value are found by their beginning.
#include "window/report_reasons.h"

#include <QCoreApplication>
#include <string_view>

namespace kestrivo::window {
namespace {

// The translations (i18n/*.ts) hold the reasons under this name.
class ReportReasons {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::ReportReasons)
};

constexpr const char* kReasons[] = {
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "with S held at 1 every dog is seen on every count, so the counts say "
                      "nothing of P"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons", "S is held, not estimated"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons", "no dogs were counted"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons", "a count is negative"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons", "S is held outside 0 to 1"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons", "the level must lie between 0 and 1"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons", "the likelihood library is not bound"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons", "the report could not be computed"),
    // Why a stratum's blocks cannot be pooled.
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons", "no block of this stratum could be read"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "the blocks hold S at different values, so they share no one visibility"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "a summed count exceeds 2147483647 dogs, more than the library takes"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "no dog was seen on these blocks, so there is no visibility to estimate; "
                      "their dogs are 0 as far as the counts tell"),
    // Why a stratum, or the city, has no total.
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "no number of blocks was given for this stratum"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "the visibility of this stratum's blocks cannot be fitted"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "the total is too large to be a number of dogs: look at the weights and "
                      "numbers of blocks"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "no dog was seen on more than one count, so nothing tells how many dogs "
                      "every count missed: the visibility cannot be estimated"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "no dog was seen on count 1, only on counts 2 and 3, so the visibility of "
                      "count 1 cannot be estimated (was count 1 made and recorded?)"),
    // Why a coverage cannot be estimated.
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons", "no dog's mark was seen clearly"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons", "no dog was seen"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "the visibility of the dogs seen could not be fitted"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "not every block of this stratum records the dogs' vaccination marks"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "the marked dogs of a history are more than its dogs, or fewer than none"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "a four-history stratum has dogs first seen on count 2 or 3"),
    QT_TRANSLATE_NOOP("kestrivo::window::ReportReasons",
                      "more dogs of unknown mark than dogs seen without a mark"),
};

}  // namespace

QString report_reason(const std::string& why_not) {
    for (const char* known : kReasons) {
        if (why_not == known) return ReportReasons::tr(known);
    }
    const std::string_view reason = why_not;
    constexpr std::string_view kImpossible = "the counts are impossible when S is held at ";
    if (reason.starts_with(kImpossible)) {
        return ReportReasons::tr("the counts are impossible when S is held at %1")
            .arg(QString::fromStdString(why_not.substr(kImpossible.size())));
    }
    // A city's reason is its first stratum's, after the stratum's name.
    constexpr std::string_view kStratum = "stratum \"";
    if (const std::size_t close = reason.find("\": ");
        reason.starts_with(kStratum) && close != std::string_view::npos) {
        //: %1 is the stratum's name as in the data; %2 why it has no total.
        return ReportReasons::tr("stratum \"%1\": %2")
            .arg(QString::fromStdString(why_not.substr(kStratum.size(), close - kStratum.size())),
                 report_reason(why_not.substr(close + 3)));
    }
    constexpr std::string_view kFailed = "the report could not be computed: ";
    if (reason.starts_with(kFailed)) {
        //: %1 is the system's own message, in English.
        return ReportReasons::tr("the report could not be computed: %1")
            .arg(QString::fromStdString(why_not.substr(kFailed.size())));
    }
    return QString::fromStdString(why_not);
}

}  // namespace kestrivo::window
