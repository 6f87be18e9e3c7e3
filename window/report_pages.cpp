// The document is laid out on the PDF writer itself, at its resolution, so that the page breaks
// found here are the ones printed. Positions come from the lines' places, not the blocks' boxes:
// a line moved to the next page leaves its block's box starting on the page before.
#include "window/report_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrivo::window {
namespace {

// The translations (i18n/*.ts) hold the footer's words under this name.
class ReportPages {
    Q_DECLARE_TR_FUNCTIONS(kestrivo::window::ReportPages)
};

// The top and bottom of a block's lines, in the document's coordinates. A block's layout is
// placed within its table cell, and the cell within its table: the block's bounding box, which
// the document's layout gives in the document's coordinates, says where the layout's origin is.
std::pair<double, double> line_span(QTextDocument& document, const QTextBlock& block) {
    const double top = document.documentLayout()->blockBoundingRect(block).top();
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0) return {top, top};
    const QTextLine first = layout->lineAt(0), last = layout->lineAt(layout->lineCount() - 1);
    return {top + first.y(), top + last.y() + last.height()};
}

struct Element {
    double top = 0, bottom = 0;
    bool heading = false;
    int lines = 0;
    QTextBlock block;             // a block's
    QTextTable* table = nullptr;  // a table's
    QString text;
};

std::pair<double, double> table_span(QTextDocument& document, QTextTable* table) {
    double top = std::numeric_limits<double>::max(), bottom = 0;
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            for (auto it = cell.begin(); !it.atEnd(); ++it) {
                const auto [t, b] = line_span(document, it.currentBlock());
                top = std::min(top, t);
                bottom = std::max(bottom, b);
            }
        }
    }
    return {top, std::max(top, bottom)};
}

std::vector<Element> elements_of(QTextDocument& document) {
    document.documentLayout()->documentSize();  // lays it out
    std::vector<Element> elements;
    for (auto it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        Element e;
        if (QTextFrame* frame = it.currentFrame()) {
            e.table = qobject_cast<QTextTable*>(frame);
            if (!e.table) continue;
            std::tie(e.top, e.bottom) = table_span(document, e.table);
        } else {
            e.block = it.currentBlock();
            if (e.block.text().trimmed().isEmpty() &&
                e.block.text().indexOf(QChar::ObjectReplacementCharacter) < 0)
                continue;
            std::tie(e.top, e.bottom) = line_span(document, e.block);
            e.heading = e.block.blockFormat().headingLevel() > 0;
            e.lines = e.block.layout() ? e.block.layout()->lineCount() : 0;
            e.text = e.block.text();
        }
        elements.push_back(e);
    }
    return elements;
}

int page_of(double y, double page) {
    return int(std::floor(y / page));
}

// A page break before `e`, unless it has one already (then the group it leads does not fit on
// one page, and is left to run on).
bool break_before(const Element& e) {
    if (e.table) {
        QTextTableFormat format = e.table->format();
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) return false;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        e.table->setFormat(format);
        return true;
    }
    QTextBlockFormat format = e.block.blockFormat();
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) return false;
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(e.block).setBlockFormat(format);
    return true;
}

// The first element that should start a new page and does not: a heading whose text starts on a
// later page, or the lead of a table split over two pages that fits on one. Moves it and says so.
bool move_first_stray(QTextDocument& document) {
    const double page = document.pageSize().height();
    const std::vector<Element> elements = elements_of(document);
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& e = elements[i];
        if (e.heading && i + 1 < elements.size() &&
            page_of(elements[i + 1].top, page) != page_of(e.top, page)) {
            if (break_before(e)) return true;
        }
        if (!e.table) continue;
        // A table goes with the lead-in of a few lines just before it, and the heading before
        // that (or just before the table).
        std::size_t lead = i;
        const auto is_lead_in = [&](std::size_t k) {
            return !elements[k].table && !elements[k].heading && elements[k].lines <= 3;
        };
        if (lead > 0 && is_lead_in(lead - 1)) --lead;
        if (lead > 0 && elements[lead - 1].heading) --lead;
        const bool split =
            page_of(e.top, page) != page_of(e.bottom - 1, page) && e.bottom - e.top < page * 0.9;
        const bool apart = page_of(elements[lead].top, page) != page_of(e.top, page);
        if ((split || apart) && break_before(elements[lead])) return true;
    }
    return false;
}

}  // namespace

void keep_together(QTextDocument& document, QSizeF page) {
    document.setPageSize(page);
    // Each move puts one more break, later in the document than the one before: the loop ends.
    for (int moves = 0; moves < 500 && move_first_stray(document); ++moves) {
    }
}

std::vector<PagedElement> paged_elements(QTextDocument& document) {
    const double page = document.pageSize().height();
    std::vector<PagedElement> paged;
    for (const Element& e : elements_of(document)) {
        paged.push_back({page_of(e.top, page), page_of(std::max(e.top, e.bottom - 1), page),
                         e.heading, e.table != nullptr, e.text});
    }
    return paged;
}

bool print_pdf(const std::vector<QTextDocument*>& parts, const QString& path, const QString& title,
               const QString& footer) {
    QPdfWriter writer(path);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setResolution(300);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Kestrivo"));
    const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
    if (parts.empty()) return false;
    QFont small = parts.front()->defaultFont();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    const QFontMetricsF metrics(small, &writer);
    const double footer_height = metrics.height() * 2;
    int pages = 0;
    for (QTextDocument* part : parts) {
        part->documentLayout()->setPaintDevice(&writer);
        part->setDocumentMargin(0);
        const QSizeF size(area.width(), area.height() - footer_height);
        if (part == parts.front()) {
            keep_together(*part, size);
        } else {
            part->setPageSize(size);
        }
        pages += part->pageCount();
    }
    const QString shown_footer = metrics.elidedText(footer, Qt::ElideRight, area.width() * 0.75);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    int number = 0;
    for (QTextDocument* part : parts) {
        const double page = part->pageSize().height();
        for (int p = 0; p < part->pageCount(); ++p, ++number) {
            if (number > 0 && !writer.newPage()) return false;
            painter.save();
            painter.translate(0, -p * page);
            part->drawContents(&painter, QRectF(0, p * page, area.width(), page));
            painter.restore();
            painter.setFont(small);
            painter.setPen(QColor(0x55, 0x55, 0x55));
            const QRectF foot(0, area.height() - footer_height * 0.6, area.width(),
                              footer_height * 0.6);
            painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, shown_footer);
            painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom,
                             ReportPages::tr("page %1 of %2").arg(number + 1).arg(pages));
        }
    }
    return painter.end();
}

}  // namespace kestrivo::window
