// The report's explanations. The references are the standard ones for each step, so that a
// reader with a library can check the method without the program.
#include "window/report_reading.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <sstream>

#include "window/survey_answer.h"

namespace kestrivo::window {
namespace {

// The translations (i18n/*.ts) hold the report's explanations under this name, without their
// HTML tags. The references are left as published, in English.
class ReportReading {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::ReportReading)
};

QString item(const QString& text) {
    return QStringLiteral("<li>%1</li>").arg(text);
}

QString paragraph(const QString& bold, const QString& text) {
    return QStringLiteral("<p><b>%1</b> %2</p>").arg(bold, text);
}

}  // namespace

QString report_heading(const QString& text) {
    return QStringLiteral("<h2>%1</h2>").arg(text);
}

QString report_html(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

QString how_to_read_section(const survey::ReportLayout& layout, double level) {
    const QString percent = percent_sign(QLocale().toString(std::round(level * 100)));
    QString body = report_heading(ReportReading::tr("How to read this report"));
    body += paragraph(
        ReportReading::tr("Counting a block three times."),
        ReportReading::tr("Each block was walked on three counts and each dog seen was given an "
                          "identity, so the counts tell which dogs were seen again. Dogs missed on "
                          "every count are not in the counts; how many there are follows from how "
                          "often the dogs that were seen were seen again."));
    body += paragraph(
        //: The share of a block's dogs that hold a territory and are seen on every count.
        ReportReading::tr("The share always seen."),
        ReportReading::tr("Some dogs hold a territory on the block and are seen on every count. "
                          "Their share among all the block's dogs is the share always seen."));
    body +=
        paragraph(ReportReading::tr("The chance of being seen."),
                  ReportReading::tr(
                      "Each of the other dogs is seen on a count by chance: the chance of being "
                      "seen is how likely such a dog is to be seen on one count. The lower it "
                      "is, the more dogs were missed and the more dogs the estimate adds to "
                      "those seen."));
    body += paragraph(
        //: %1 is the interval's level, "95%".
        ReportReading::tr("The %1 interval.").arg(percent),
        ReportReading::tr(
            "Were the survey done again in the same way, with other blocks drawn and "
            "other chances of each dog being seen, about %1 of such intervals of the "
            "city's dogs would hold the true number, where the model holds. A block's "
            "own interval speaks of that block's counts alone. Neither takes in what "
            "the counts cannot show: dogs that no count can see, dogs that came or went "
            "between the counts, or one dog taken for two.")
            .arg(percent));
    if (layout.with_pool) {
        body += paragraph(
            ReportReading::tr("A block's own estimate and its estimate with its stratum's shared "
                              "visibility."),
            ReportReading::tr(
                "A block's own estimate uses its three counts alone. With 20 to 60 "
                "dogs a block tells little about how visible its dogs are, and its "
                "own estimate is often far from sure. The estimate with the shared "
                "visibility takes the share always seen and the chance of being seen "
                "from all the blocks of its stratum together, and only the dogs from "
                "the block's own counts: it is steadier, and the city's total is "
                "built from it. Where a stratum's blocks do not agree on how visible "
                "their dogs are (the test's p below 0.05), the shared visibility is an "
                "average over blocks that differ."));
    }
    if (layout.with_coverage) {
        body += paragraph(
            ReportReading::tr("Vaccination coverage."),
            ReportReading::tr("The share of the dogs that carry the campaign's mark. Marked and "
                              "unmarked dogs are each counted over their own chance of being seen, "
                              "so that a group easier to see does not weigh more; the share marked "
                              "among the dogs seen is shown beside it for comparison."));
    }
    return body;
}

QString method_section(const survey::ReportLayout& layout, bool weighted) {
    QString body = report_heading(ReportReading::tr("Method"));
    body += QStringLiteral("<p>%1</p>")
                .arg(ReportReading::tr(
                    "The dogs of each block are estimated by closed-population capture–recapture "
                    "(Otis et al. 1978) from the dogs identified on the first count and what "
                    "became of them "
                    "on the second and third. The model is a mixture of two classes of dogs "
                    "(Pledger 2000) "
                    "with one class seen on every count: a share always seen, and the rest seen on "
                    "each count "
                    "with one chance. It is fitted by "
                    "maximum likelihood, and a block's interval is where the profile likelihood "
                    "lies within "
                    "1.92 of its maximum (Venzon and Moolgavkar 1988)."));
    if (layout.with_pool) {
        body += QStringLiteral("<p>") +
                ReportReading::tr(
                    "Within a stratum the blocks share one share always seen and one chance of "
                    "being seen, fitted from all of them together. Whether they can share them is "
                    "tested by comparing each block's own fit with the shared one; the test's p "
                    "comes from a parametric bootstrap, stopped early once it is clear (Besag and "
                    "Clifford 1991).");
        if (layout.with_behaviour) {
            body += QLatin1Char(' ') +
                    ReportReading::tr(
                        "Where the dogs first seen on the later counts are given, the shared fit "
                        "also lets the chance of being seen differ between the counts, or once a "
                        "dog has been seen; these models are weighed against each other by their "
                        "small-sample Akaike information criterion (Hurvich and Tsai 1989) and "
                        "averaged by their weights (Burnham and Anderson 2002).");
        }
        body += QStringLiteral("</p>");
    }
    if (layout.with_city) {
        const QString sum =
            weighted ? ReportReading::tr(
                           "The city's dogs add up the strata: each stratum's blocks' dogs under "
                           "its shared visibility, each block weighted by its design weight "
                           "(Cochran 1977).")
                     : ReportReading::tr(
                           "The city's dogs add up the strata: each stratum's blocks' dogs under "
                           "its shared visibility, scaled up to the stratum's blocks in the city "
                           "(Cochran 1977).");
        body += QStringLiteral("<p>%1 %2</p>")
                    .arg(sum, ReportReading::tr(
                                  "The interval's standard error comes from a rescaled bootstrap "
                                  "of the blocks within each stratum, the shared visibility "
                                  "fitted again in each replicate (Rao and Wu 1988; Efron and "
                                  "Tibshirani 1993); the interval is symmetric on the log scale, "
                                  "with Student's t on the degrees of freedom of Satterthwaite "
                                  "(1946), and never below the dogs identified."));
    }
    // The references as published: their titles are not translated.
    body += QStringLiteral(
        "<p style=\"font-size:8pt\">Besag J, Clifford P (1991). Sequential Monte Carlo p-values. "
        "<i>Biometrika</i> 78: 301–304.<br>Burnham KP, Anderson DR (2002). <i>Model selection "
        "and multimodel inference</i>, 2nd edition. Springer.<br>Cochran WG (1977). <i>Sampling "
        "techniques</i>, 3rd edition. Wiley.<br>Efron B, Tibshirani RJ (1993). <i>An introduction "
        "to the bootstrap</i>. Chapman and Hall.<br>Hurvich CM, Tsai CL (1989). Regression and "
        "time series model selection in small samples. <i>Biometrika</i> 76: 297–307.<br>Otis DL, "
        "Burnham KP, White GC, Anderson DR (1978). Statistical inference from capture data on "
        "closed animal populations. <i>Wildlife Monographs</i> 62.<br>Pledger S (2000). Unified "
        "maximum likelihood estimates for closed capture–recapture models using mixtures. "
        "<i>Biometrics</i> 56: 434–442.<br>Rao JNK, Wu CFJ (1988). Resampling inference with "
        "complex survey data. <i>Journal of the American Statistical Association</i> 83: "
        "231–241.<br>Satterthwaite FE (1946). An approximate distribution of estimates of "
        "variance components. <i>Biometrics Bulletin</i> 2: 110–114.<br>Venzon DJ, Moolgavkar SH "
        "(1988). A method for computing profile-likelihood-based confidence intervals. "
        "<i>Applied Statistics</i> 37: 87–94.</p>");
    return body;
}

QString assumptions_section(bool weighted, const survey::ReportRow* city) {
    QString body =
        report_heading(ReportReading::tr("What the numbers assume")) + QStringLiteral("<ul>");
    body += item(ReportReading::tr(
        "Each block's dogs are of two kinds: a share that hold a territory and are seen on "
        "every count, and the rest, each seen by chance on each count. The counts are close "
        "enough in time that no dog came or went."));
    // The same words as the window's line under the answer.
    body += item(assumption_sentence(weighted).toHtmlEscaped());
    // The city's own notes, each in its line, less what the lines above already say. They are
    // the report's own English words.
    if (city) {
        for (const survey::Note& note : city->notes) {
            if (note.code == survey::NoteCode::weights_as_given ||
                note.code == survey::NoteCode::drawn_at_random ||
                note.code == survey::NoteCode::shy_dogs_unseen)
                continue;
            QString line = QString::fromStdString(survey::note_words(note, {}));
            if (line.isEmpty()) continue;
            line[0] = line[0].toUpper();
            body += QStringLiteral("<li>%1.</li>").arg(line.toHtmlEscaped());
        }
    }
    return body +
           item(ReportReading::tr(
               "The vaccine doses for a coverage are that share of the dogs, with the "
               "same interval; after a campaign the doses still needed have their own "
               "interval from the same bootstrap. Neither counts doses lost or "
               "wasted.")) +
           QStringLiteral("</ul>");
}

QString conflict_kind_words(field::ConflictKind kind) {
    using K = field::ConflictKind;
    switch (kind) {
        case K::duplicate_in_count:
            return ReportReading::tr("one dog entered twice in one count");
        case K::id_in_several_blocks:
            return ReportReading::tr("one dog's identity in two blocks");
        case K::count_missing:
            return ReportReading::tr("a count with no record that it was done");
        case K::no_count_number:
            return ReportReading::tr("a dog seen on no known count");
        case K::missing_dog_id:
            return ReportReading::tr("a dog seen without an identity");
        case K::unknown_block:
            return ReportReading::tr("a dog or count of an unknown block");
        case K::block_facts_differ:
            return ReportReading::tr("two wards or places given for one block");
        case K::count_sent_twice:
            return ReportReading::tr("one count sent twice");
        case K::similar_ids:
            return ReportReading::tr("identities that differ only in capitals or spaces");
        case K::rejected_in_review:
            return ReportReading::tr("a form rejected in review, left out");
        case K::review_has_issues:
            return ReportReading::tr("a form marked in review as having issues");
        case K::same_submission_twice:
            return ReportReading::tr("one form read twice, counted once");
        case K::mark_disagrees:
            return ReportReading::tr("a dog's vaccination mark seen on some counts only");
    }
    return QString::fromLatin1(field::kind_name(kind));
}

QString conflicts_appendix(const std::vector<field::Conflict>& conflicts) {
    if (conflicts.empty()) return {};
    const QString found =
        conflicts.size() == 1
            ? ReportReading::tr("One conflict was found while the field data were tabulated.")
            : ReportReading::tr("%1 conflicts were found while the field data were tabulated.")
                  .arg(QLocale().toString(qulonglong(conflicts.size())));
    QString body =
        QStringLiteral("<h2 style=\"page-break-before: always\">%1</h2><p>%2 %3</p>")
            .arg(ReportReading::tr("Appendix: what the field data held"), found,
                 ReportReading::tr(
                     "Warnings change no count; the others were settled as the last column says."));
    //: The conflicts table's columns: what kind of conflict, and where.
    const QString header =
        QStringLiteral(
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><thead>"
            "<tr><th width=\"18%\">%1</th><th width=\"8%\">%2</th><th width=\"7%\">%3</th>"
            "<th width=\"10%\">%4</th><th>%5</th></tr></thead>")
            .arg(ReportReading::tr("What"), ReportReading::tr("Block"), ReportReading::tr("Count"),
                 ReportReading::tr("Dog"), ReportReading::tr("What was found"));
    // Forty rows a table, as the blocks: one table of thousands would take minutes to lay out.
    for (std::size_t i = 0; i < conflicts.size(); ++i) {
        if (i % 40 == 0) body += (i > 0 ? QStringLiteral("</table>") : QString()) + header;
        const field::Conflict& c = conflicts[i];
        //: A conflict's detail, in English as the tabulation says it, then the file and line
        //: where it was found.
        const QString where =
            ReportReading::tr("%1 (%2, line %3)")
                .arg(report_html(field::conflict_detail(c)), report_html(c.where.file),
                     QLocale().toString(qulonglong(c.where.line)));
        body += QStringLiteral("<tr><td>%1%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td></tr>")
                    .arg(conflict_kind_words(c.kind).toHtmlEscaped(),
                         c.warning ? ReportReading::tr(" (a warning)") : QString(),
                         report_html(c.block), report_html(c.count), report_html(c.dog_id), where);
    }
    return body + QStringLiteral("</table>");
}

QString edges_words(const std::string& names) {
    //: Where a block's own interval reaches the edge of what was tried.
    static const std::pair<const char*, const char*> kWords[] = {
        {"S_lo",
         QT_TRANSLATE_NOOP("kestrivo::window::ReportReading", "share always seen may be none")},
        {"S_hi",
         QT_TRANSLATE_NOOP("kestrivo::window::ReportReading", "share always seen may be all")},
        {"P_lo", QT_TRANSLATE_NOOP("kestrivo::window::ReportReading",
                                   "chance of being seen may be the lowest tried")},
        {"P_hi", QT_TRANSLATE_NOOP("kestrivo::window::ReportReading",
                                   "chance of being seen may be certain")},
        {"seen_lo", QT_TRANSLATE_NOOP("kestrivo::window::ReportReading",
                                      "share seen may be the lowest tried")},
        {"seen_hi", QT_TRANSLATE_NOOP("kestrivo::window::ReportReading", "share seen may be all")},
    };
    std::istringstream in(names);
    QStringList said;
    for (std::string name; in >> name;) {
        for (const auto& [key, words] : kWords)
            if (name == key) said << ReportReading::tr(words);
    }
    if (said.isEmpty()) return {};
    //: What separates the ways a block's own interval is open.
    const QString separator = ReportReading::tr("; ");
    return ReportReading::tr("Own interval open: %1.").arg(said.join(separator));
}

}  // namespace kestrivo::window
