// The plan's note in the window's words. Each number is rounded to what the plan can tell: the
// pilot's shares to whole percentages, dogs a block as the window rounds dogs, blocks whole.
#include "window/plan_words.h"

#include <QCoreApplication>
#include <cmath>

#include "analysis/survey_plan.h"
#include "window/survey_answer.h"

namespace kestrivo::window {
namespace {

// The translations (i18n/*.ts) hold the plan's words under this name.
class PlanWords {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::PlanWords)
};

QString blocks(std::int64_t count, const QLocale& locale) {
    return locale.toString(static_cast<qlonglong>(count));
}

// A negative binomial's size: two digits are all a pilot of a few blocks can tell.
QString dispersion_words(double size, const QLocale& locale) {
    return size >= 10 ? people_number(size, locale) : locale.toString(size, 'g', 2);
}

// What the plan decided by, or why it decided nothing.
QString rule_words(const MadePlan& made, const QLocale& locale) {
    const analysis::PlanRequest& r = made.request;
    const QString within = target_words(r.target, locale);
    const QString surveys = share_words(r.assurance, locale);
    if (made.plan.recommended) {
        //: %1 is a precision such as "±20% of the total"; %2 a share of the surveys, "90%".
        return PlanWords::tr(
                   "These are the fewest blocks to count that bring the city's dogs within %1 in "
                   "%2 of the simulated surveys.")
            .arg(within, surveys);
    }
    if (made.plan.beyond_reach) {
        return PlanWords::tr(
                   "Within %1 would need more than %2 blocks to count a survey, more than the "
                   "plan simulates.")
            .arg(within, blocks(analysis::kMostSampled, locale));
    }
    const std::int64_t last = made.plan.rows.empty() ? 0 : made.plan.rows.back().k;
    return PlanWords::tr(
               "No number of blocks to count up to %1 brings the city's dogs within %2 in %3 of "
               "the simulated surveys.")
        .arg(blocks(last, locale), within, surveys);
}

// The chance of a dog that holds no territory to be seen on a count, as the pilot fitted it.
QString chance_words(const analysis::BlockModel& m, const QLocale& locale) {
    //: The chance of being seen on each of the three counts, as shares such as "40%".
    QString chance = m.p_by_count ? PlanWords::tr("%1, %2 and %3 on counts 1, 2 and 3")
                                        .arg(share_words((*m.p_by_count)[0], locale),
                                             share_words((*m.p_by_count)[1], locale),
                                             share_words((*m.p_by_count)[2], locale))
                                  : share_words(m.P, locale);
    if (m.p_again) {
        //: %1 is the chance of being seen before a dog is first seen (one or more shares); %2
        //: the chance of being seen again once it has been.
        chance = PlanWords::tr("%1 until first seen, %2 once seen")
                     .arg(chance, share_words(*m.p_again, locale));
    }
    return chance;
}

// What the plan assumes of a stratum: a list of clauses, each whole.
QString stratum_words(const analysis::PlanStratum& stratum, const QLocale& locale) {
    const analysis::BlockModel& m = stratum.model;
    //: The share of a block's dogs that hold a territory and are seen on every count.
    QStringList clauses{PlanWords::tr("share always seen %1").arg(share_words(m.S, locale)),
                        PlanWords::tr("for the other dogs, chance of being seen on a count %1")
                            .arg(chance_words(m, locale))};
    const QString dogs = people_number(m.mean_dogs, locale);
    clauses << (m.dispersion
                    //: %2 is the negative binomial's size: the smaller, the more blocks vary.
                    ? PlanWords::tr("%1 dogs a block, varying between blocks with dispersion %2")
                          .arg(dogs, dispersion_words(*m.dispersion, locale))
                    : PlanWords::tr("%1 dogs a block, varying between blocks by chance alone")
                          .arg(dogs));
    if (stratum.seven_histories) {
        clauses << PlanWords::tr("the dogs first seen on count 2 or 3 recorded too");
    }
    //: What separates the clauses of the plan's assumptions.
    const QString list = clauses.join(PlanWords::tr("; "));
    if (stratum.name.empty()) return PlanWords::tr("Assumed: %1.").arg(list);
    //: %1 is the stratum's name as in the data; %2 the list of what is assumed.
    return PlanWords::tr("Assumed in %1: %2.").arg(QString::fromStdString(stratum.name), list);
}

}  // namespace

// The plan's own test (analysis::untrustworthy), worded from the recommended row's figures.
QString untrustworthy_words(const MadePlan& made, const QLocale& locale) {
    if (!made.plan.recommended) return {};
    const double level = made.request.level;
    for (const analysis::PlanRow& row : made.plan.rows) {
        if (row.k != *made.plan.recommended || analysis::untrustworthy(row, level).empty())
            continue;
        const auto percent = [&](double share) {
            return percent_sign(locale.toString(qlonglong(std::lround(share * 100))));
        };
        //: %1 is how often the simulated surveys' intervals held the truth; %2 the interval's
        //: level, both in percent.
        QString why = PlanWords::tr(
                          "The survey's estimate is not trustworthy at these assumptions: its "
                          "interval held the true total in %1 of the simulated surveys (a %2 "
                          "interval should in about %2)")
                          .arg(percent(row.coverage), percent(level));
        if (!std::isnan(row.median_ratio)) {
            why += PlanWords::tr(", and its median estimate was %1 of the truth")
                       .arg(locale.toString(row.median_ratio, 'f', 2));
        }
        if (row.median_seen_again < 50) {
            why += PlanWords::tr(
                       "; with about %1 dogs of the sample seen again on a second or third "
                       "count, too few dogs are seen to estimate visibility")
                       .arg(locale.toString(qlonglong(std::llround(row.median_seen_again))));
        }
        return why + QStringLiteral(".");
    }
    return {};
}

QString share_words(double share, const QLocale& locale) {
    //: No share: the pilot could not tell it.
    if (!std::isfinite(share)) return PlanWords::tr("none");
    const double percent = std::round(share * 100);
    if (percent <= 0 && share > 0) return PlanWords::tr("under 1%");
    if (percent >= 100 && share < 1) return PlanWords::tr("over 99%");
    return percent_sign(locale.toString(percent, 'f', 0));
}

QString target_words(double target, const QLocale& locale) {
    //: The precision wanted of the city's total, %1 in percent.
    return PlanWords::tr("±%1% of the total").arg(locale.toString(target * 100, 'g', 3));
}

QString plan_note_words(const MadePlan& made, const QLocale& locale) {
    const analysis::PlanRequest& r = made.request;
    QStringList sentences{rule_words(made, locale)};
    if (const QString warning = untrustworthy_words(made, locale); !warning.isEmpty())
        sentences << warning;
    if (r.strata.size() > 1) {
        QStringList shares;
        for (const analysis::PlanStratum& stratum : r.strata) {
            shares << QStringLiteral("%1 %2").arg(QString::fromStdString(stratum.name),
                                                  blocks(stratum.blocks_total, locale));
        }
        //: %1 lists each stratum's name with its number of blocks in the city.
        sentences << PlanWords::tr(
                         "The blocks to count are shared among the strata in proportion to "
                         "their blocks in the city (%1).")
                         .arg(shares.join(QStringLiteral(", ")));
    }
    for (const analysis::PlanStratum& stratum : r.strata)
        sentences << stratum_words(stratum, locale);
    sentences << PlanWords::tr(
        "The blocks of each stratum are taken to be drawn at random, as the intervals assume.");
    return sentences.join(QLatin1Char(' '));
}

}  // namespace kestrivo::window
