// left_out_words and left_out_summary: a table of the survey file's columns in words, and one
// sentence (or one summary phrase) for each reason a block is left out.
#include "window/left_out_words.h"

#include <QCoreApplication>
#include <QStringList>
#include <map>
#include <utility>

#include "window/report_reasons.h"

namespace kestrivo::window {
namespace {

using Why = survey::LeftOut::Why;

// The translations (i18n/*.ts) hold these words under this name. The column names in brackets
// and the values quoted from the file are data, the same in every language.
class LeftOutWords {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::LeftOutWords)
};

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

QString column_words(const std::string& column) {
    // Whole phrases, one a column, rather than phrases put together from parts: a translation
    // may need to order them otherwise.
    static const std::map<std::string, const char*> kWords = {
        {"c100", QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                                   "the number of dogs seen on the first count only (c100)")},
        {"c111", QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                                   "the number of dogs seen on all three counts (c111)")},
        {"c101",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of dogs seen on the first and third counts, not the second "
                           "(c101)")},
        {"c110",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of dogs seen on the first and second counts, not the third "
                           "(c110)")},
        {"c010",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of dogs first seen on the second count, and not seen again "
                           "(c010)")},
        {"c001", QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                                   "the number of dogs first seen on the third count (c001)")},
        {"c011",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of dogs first seen on the second count, and seen again on "
                           "the third (c011)")},
        {"m100",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of marked dogs seen on the first count only (m100)")},
        {"m111", QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                                   "the number of marked dogs seen on all three counts (m111)")},
        {"m101",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of marked dogs seen on the first and third counts, not the "
                           "second (m101)")},
        {"m110",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of marked dogs seen on the first and second counts, not the "
                           "third (m110)")},
        {"m010",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of marked dogs first seen on the second count, and not seen "
                           "again (m010)")},
        {"m001",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of marked dogs first seen on the third count (m001)")},
        {"m011",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of marked dogs first seen on the second count, and seen "
                           "again on the third (m011)")},
        {"mark_unknown",
         QT_TRANSLATE_NOOP("kestrivo::window::LeftOutWords",
                           "the number of dogs whose vaccination mark could not be told "
                           "(mark_unknown)")},
        {"s_held", QT_TRANSLATE_NOOP(
                       "kestrivo::window::LeftOutWords",
                       "the share of the block's dogs seen on a count, held as given (s_held)")},
    };
    if (const auto found = kWords.find(column); found != kWords.end())
        return LeftOutWords::tr(found->second);
    return LeftOutWords::tr("column %1").arg(text(column));
}

QString left_out_words(const survey::ReportRow& row) {
    if (row.error.empty()) return {};
    //: %1 is the report's own reason, in English.
    if (!row.left_out) return LeftOutWords::tr("Left out: %1.").arg(text(row.error));
    const survey::LeftOut& out = *row.left_out;
    const QString column = column_words(out.column), value = text(out.value);
    const QString line = QString::number(out.line), limit = text(out.limit);
    const QString detail = text(out.detail);
    switch (out.why) {
        case Why::unreadable:
            return LeftOutWords::tr(
                       "Left out: line %1 of the file cannot be read (at column %2): %3.")
                .arg(line, text(out.column), detail);
        case Why::beyond_header:
            return LeftOutWords::tr(
                       "Left out: line %1 of the file has \"%2\" in column %3, past the last "
                       "column the header names.")
                .arg(line, value, text(out.column));
        case Why::missing:
            return LeftOutWords::tr("Left out: %1 is missing (line %2 of the file).")
                .arg(column, line);
        case Why::not_whole:
            return LeftOutWords::tr(
                       "Left out: %1 is \"%2\", not a whole number of dogs (line %3 of the file).")
                .arg(column, value, line);
        case Why::too_large:
            return LeftOutWords::tr("Left out: %1 is %2, too large a number (line %3 of the file).")
                .arg(column, value, line);
        case Why::not_share:
            return LeftOutWords::tr(
                       "Left out: %1 is \"%2\", not a share from 0 to 1 (line %3 of the file).")
                .arg(column, value, line);
        case Why::later_incomplete:
            return LeftOutWords::tr(
                       "Left out: %1 is missing, while the other dogs first seen later are "
                       "filled in; fill in all three or none (line %2 of the file).")
                .arg(column, line);
        case Why::marked_more:
            return LeftOutWords::tr(
                       "Left out: %1 is %2, more than the %3 dogs seen that way (line %4 of the "
                       "file).")
                .arg(column, value, limit, line);
        case Why::unknown_more:
            return LeftOutWords::tr(
                       "Left out: %1 is %2, more than the %3 dogs seen without the mark (line %4 "
                       "of the file).")
                .arg(column, value, limit, line);
        case Why::weight_missing:
            return LeftOutWords::tr(
                       "Left out: the block's weight (column %1) is missing (line %2 of the file).")
                .arg(text(out.column), line);
        case Why::not_weight:
            return LeftOutWords::tr(
                       "Left out: the block's weight (column %1) is \"%2\", not a number of "
                       "blocks (line %3 of the file).")
                .arg(text(out.column), value, line);
        case Why::weight_too_small:
            return LeftOutWords::tr(
                       "Left out: the block's weight (column %1) is %2, less than the 1 block it "
                       "stands for at least (line %3 of the file).")
                .arg(text(out.column), value, line);
        case Why::weight_too_large:
            return LeftOutWords::tr(
                       "Left out: the block's weight (column %1) is %2, more blocks than a city "
                       "has (line %3 of the file).")
                .arg(text(out.column), value, line);
        // These blocks are still in their stratum's shared fit and the city's total.
        case Why::not_estimable:
            return LeftOutWords::tr(
                       "No estimate of its own: the counts on line %1 of the file give none (%2); "
                       "its dogs are counted in its stratum.")
                .arg(line, report_reason(out.detail));
        case Why::plot_not_written:
            return LeftOutWords::tr(
                       "Counted, but the plot of the block on line %1 of the file could not be "
                       "written: %2.")
                .arg(line, detail);
        case Why::other:
            break;
    }
    return LeftOutWords::tr("Left out: %1.").arg(text(row.error));
}

namespace {

// Each reason as the summary counts it, "%1" the number of blocks.
QString summary_phrase(Why why) {
    switch (why) {
        case Why::unreadable:
            //: This phrase and the next ones start with the number of blocks left out.
            return LeftOutWords::tr("%1 on a line that cannot be read");
        case Why::beyond_header:
            return LeftOutWords::tr("%1 with a value past the header's last column");
        case Why::missing:
            return LeftOutWords::tr("%1 with a count missing");
        case Why::not_whole:
            return LeftOutWords::tr("%1 with a count that is not a whole number");
        case Why::too_large:
            return LeftOutWords::tr("%1 with a count too large");
        case Why::not_share:
            return LeftOutWords::tr("%1 with a held share that is not from 0 to 1");
        case Why::later_incomplete:
            return LeftOutWords::tr("%1 with the dogs first seen later only partly filled in");
        case Why::marked_more:
            return LeftOutWords::tr("%1 with more marked dogs than dogs seen");
        case Why::unknown_more:
            return LeftOutWords::tr("%1 with more dogs of unknown mark than dogs seen unmarked");
        case Why::weight_missing:
            return LeftOutWords::tr("%1 with no weight");
        case Why::not_weight:
            return LeftOutWords::tr("%1 with a weight that is not a number");
        case Why::weight_too_small:
            return LeftOutWords::tr("%1 with a weight below 1");
        case Why::weight_too_large:
            return LeftOutWords::tr("%1 with a weight of more blocks than a city has");
        case Why::not_estimable:
            return LeftOutWords::tr("%1 whose counts give no estimate");
        case Why::plot_not_written:
            return LeftOutWords::tr("%1 whose plot could not be written");
        case Why::other:
            break;
    }
    return LeftOutWords::tr("%1 for another reason");
}

}  // namespace

bool left_out_of_strata(const survey::ReportRow& row) {
    if (row.kind != survey::RowKind::block || row.error.empty()) return false;
    return !row.left_out ||
           (row.left_out->why != Why::not_estimable && row.left_out->why != Why::plot_not_written);
}

QString left_out_summary(const survey::ReportRows& rows) {
    int used = 0, left_out = 0;
    std::map<Why, int> by_reason;  // in the order of the reasons, the same in every summary
    for (const survey::ReportRow& row : rows.rows) {
        if (row.kind != survey::RowKind::block) continue;
        if (!left_out_of_strata(row)) {
            ++used;
            continue;
        }
        ++left_out;
        ++by_reason[row.left_out ? row.left_out->why : Why::other];
    }
    // The plural forms of the languages that have them: French says "0 îlot utilisé".
    const QString blocks = used == 1 ? LeftOutWords::tr("1 block used")
                                     : LeftOutWords::tr("%n blocks used", nullptr, used);
    //: %1 is the number of blocks used, "12 blocks used".
    if (left_out == 0) return LeftOutWords::tr("%1; none left out.").arg(blocks);
    QStringList reasons;
    for (const auto& [why, count] : by_reason)
        reasons << summary_phrase(why).arg(count);
    //: What separates the reasons blocks were left out for.
    const QString separator = LeftOutWords::tr(", ");
    //: %1 is "12 blocks used"; %n the number of blocks left out; %2 the reasons, each with its
    //: number of blocks.
    return LeftOutWords::tr("%1; %n left out: %2.", nullptr, left_out)
        .arg(blocks, reasons.join(separator));
}

}  // namespace kestrivo::window
