// A report's pages as a reader expects them: no heading alone at the foot of a page, a table that
// fits on one page kept on one page with the lines that lead into it, and each page numbered.
// QTextDocument breaks pages wherever the text runs out of room, so the breaks are found by laying
// the document out and moved until none is left where it should not be.
#pragma once

#include <QSizeF>
#include <QString>
#include <QTextDocument>
#include <vector>

namespace kestrivo::window {

/// Lays `document` out on pages of `page` (in the document's pixels) and puts a page break
/// before each heading whose text would start on the next page, and before each table that
/// would be split though it fits on one page (with the heading and the short lead-in before it).
void keep_together(QTextDocument& document, QSizeF page);

/// Where each of the document's top-level blocks and tables starts and ends, as page numbers
/// from 0: what keep_together moved, for whoever checks it.
struct PagedElement {
    int first_page = 0, last_page = 0;
    bool heading = false, table = false;
    QString text;  // a block's text; "" for a table
};
std::vector<PagedElement> paged_elements(QTextDocument& document);

/// Lays each of `parts` out for an A4 PDF with 15 mm margins, keeps it together and prints them
/// one after the other, each from a new page, to `path`, every page footed by `footer` and
/// "page N of M". Returns false when the file cannot be written. The parts stay laid out as
/// printed. A long table in a part of its own (a survey's blocks) is laid out once or twice,
/// not once for every break the parts before it need.
bool print_pdf(const std::vector<QTextDocument*>& parts, const QString& path, const QString& title,
               const QString& footer);

}  // namespace kestrivo::window
