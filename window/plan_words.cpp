// The plan's note in the window's words. Each number is rounded to what the plan can tell: the
// pilot's shares to whole percentages, dogs a block as the window rounds dogs, blocks whole.
#include "window/plan_words.h"

#include <cmath>

#include "survey/plan_note.h"
#include "window/survey_answer.h"

namespace kestrivo::window {
namespace {

QString blocks(std::int64_t count, const QLocale& locale) {
    return locale.toString(static_cast<qlonglong>(count));
}

// A negative binomial's size: two digits are all a pilot of a few blocks can tell.
QString dispersion_words(double size, const QLocale& locale) {
    return size >= 10 ? people_number(size, locale) : locale.toString(size, 'g', 2);
}

QString first_letter_up(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

// What the plan decided by, or why it decided nothing.
QString rule_words(const MadePlan& made, const QLocale& locale) {
    const analysis::PlanRequest& r = made.request;
    const QString within = target_words(r.target, locale);
    const QString surveys = share_words(r.assurance, locale);
    if (made.plan.recommended) {
        return QStringLiteral(
                   "These are the fewest blocks to count that bring the city's dogs within %1 in "
                   "%2 of the simulated surveys.")
            .arg(within, surveys);
    }
    if (made.plan.beyond_reach) {
        return QStringLiteral(
                   "Within %1 would need more than %2 blocks to count a survey, more than the "
                   "plan simulates.")
            .arg(within, blocks(analysis::kMostSampled, locale));
    }
    const std::int64_t last = made.plan.rows.empty() ? 0 : made.plan.rows.back().k;
    return QStringLiteral(
               "No number of blocks to count up to %1 brings the city's dogs within %2 in %3 of "
               "the simulated surveys.")
        .arg(blocks(last, locale), within, surveys);
}

// The chance of a dog that holds no territory to be seen on a count, as the pilot fitted it.
QString chance_words(const analysis::BlockModel& m, const QLocale& locale) {
    QString chance = m.p_by_count ? QStringLiteral("%1, %2 and %3 on counts 1, 2 and 3")
                                        .arg(share_words((*m.p_by_count)[0], locale),
                                             share_words((*m.p_by_count)[1], locale),
                                             share_words((*m.p_by_count)[2], locale))
                                  : share_words(m.P, locale);
    if (m.p_again) {
        chance +=
            QStringLiteral(" until first seen, %1 once seen").arg(share_words(*m.p_again, locale));
    }
    return chance;
}

QString stratum_words(const analysis::PlanStratum& stratum, const QLocale& locale) {
    const analysis::BlockModel& m = stratum.model;
    QString words =
        stratum.name.empty()
            ? QStringLiteral("Assumed: ")
            : QStringLiteral("Assumed in %1: ").arg(QString::fromStdString(stratum.name));
    words += QStringLiteral(
                 "share always seen %1; for the other dogs, chance of being seen on a count %2; "
                 "%3 dogs a block, ")
                 .arg(share_words(m.S, locale), chance_words(m, locale),
                      people_number(m.mean_dogs, locale));
    words += m.dispersion ? QStringLiteral("varying between blocks with dispersion %1")
                                .arg(dispersion_words(*m.dispersion, locale))
                          : QStringLiteral("varying between blocks by chance alone");
    if (stratum.seven_histories) {
        words += QStringLiteral("; the dogs first seen on count 2 or 3 recorded too");
    }
    return words + QStringLiteral(".");
}

}  // namespace

QString share_words(double share, const QLocale& locale) {
    if (!std::isfinite(share)) return QStringLiteral("none");
    const double percent = std::round(share * 100);
    if (percent <= 0 && share > 0) return QStringLiteral("under 1%");
    if (percent >= 100 && share < 1) return QStringLiteral("over 99%");
    return locale.toString(percent, 'f', 0) + QStringLiteral("%");
}

QString target_words(double target, const QLocale& locale) {
    return QStringLiteral("±%1% of the total").arg(locale.toString(target * 100, 'g', 3));
}

QString plan_note_words(const MadePlan& made, const QLocale& locale) {
    const analysis::PlanRequest& r = made.request;
    QStringList sentences{rule_words(made, locale)};
    const std::string warning = survey::plan_note(made.plan, r).warning;
    if (!warning.empty()) {
        sentences << first_letter_up(QString::fromStdString(warning)) + QStringLiteral(".");
    }
    if (r.strata.size() > 1) {
        QStringList shares;
        for (const analysis::PlanStratum& stratum : r.strata) {
            shares << QStringLiteral("%1 %2").arg(QString::fromStdString(stratum.name),
                                                  blocks(stratum.blocks_total, locale));
        }
        sentences << QStringLiteral(
                         "The blocks to count are shared among the strata in proportion to "
                         "their blocks in the city (%1).")
                         .arg(shares.join(QStringLiteral(", ")));
    }
    for (const analysis::PlanStratum& stratum : r.strata)
        sentences << stratum_words(stratum, locale);
    sentences << QStringLiteral(
        "The blocks of each stratum are taken to be drawn at random, as the intervals assume.");
    return sentences.join(QLatin1Char(' '));
}

}  // namespace kestrivo::window
