// header_words: one whole sentence for each reason, so that each translates as a whole.
#include "window/header_words.h"

#include <QCoreApplication>

namespace kestrivo::window {
namespace {

// The translations (i18n/*.ts) hold these words under this name.
class HeaderWords {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::HeaderWords)
};

}  // namespace

QString header_words(const survey::HeaderRefused& refused) {
    using Why = survey::HeaderRefused::Why;
    const QString file = QString::fromStdString(refused.file);
    const QString detail = QString::fromStdString(refused.detail);
    switch (refused.why) {
        case Why::empty:
            return HeaderWords::tr(
                       "%1: the file is empty; a survey needs a header row with c100, c111, c101 "
                       "and c110.")
                .arg(file);
        case Why::unreadable:
            //: %4 is the reason the record cannot be read, in English.
            return HeaderWords::tr("%1: the header (line %2, column %3) cannot be read: %4.")
                .arg(file, QString::number(refused.line), QString::number(refused.column), detail);
        case Why::column_twice:
            return HeaderWords::tr("%1: the column \"%2\" appears twice in the header.")
                .arg(file, detail);
        case Why::counts_missing:
            return (detail.contains(QLatin1Char(','))
                        ? HeaderWords::tr("%1: the header lacks the columns %2; a survey needs "
                                          "c100, c111, c101 and c110.")
                        : HeaderWords::tr("%1: the header lacks the column %2; a survey needs "
                                          "c100, c111, c101 and c110."))
                .arg(file, detail);
        case Why::marks_partial:
            return HeaderWords::tr(
                       "%1: the header has some of m010, m001 and m011 but not all three; the "
                       "marked dogs first seen later go together.")
                .arg(file);
        case Why::marks_without_later:
            return HeaderWords::tr(
                       "%1: the header has c010, c001 and c011 and the marked dogs' m100 to m110 "
                       "but not m010, m001 and m011; give the marked dogs first seen later too.")
                .arg(file);
        case Why::later_without_marks:
            return HeaderWords::tr(
                       "%1: the header has m010, m001 and m011 without c010, c001 and c011; the "
                       "marked dogs first seen later are some of the dogs first seen later.")
                .arg(file);
    }
    return QString::fromUtf8(refused.what());
}

}  // namespace kestrivo::window
