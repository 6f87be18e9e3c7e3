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
    constexpr std::string_view kFailed = "the report could not be computed: ";
    if (reason.starts_with(kFailed)) {
        //: %1 is the system's own message, in English.
        return ReportReasons::tr("the report could not be computed: %1")
            .arg(QString::fromStdString(why_not.substr(kFailed.size())));
    }
    return QString::fromStdString(why_not);
}

}  // namespace kestrivo::window
