// BlockPicker: a table of the blocks, the first chosen, Return or a double click to open one; a
// find box above it narrows the table as the user types.
#include "window/block_picker.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kestrivo::window {

BlockPicker::BlockPicker(const kestrivo::survey::Header& header,
                         const std::vector<kestrivo::survey::Row>& rows, QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(this)), finder_(new QLineEdit(this)) {
    finder_->setPlaceholderText(QStringLiteral("Find a block: type part of its label or values"));
    finder_->setAccessibleName(QStringLiteral("find a block"));
    finder_->setClearButtonEnabled(true);
    connect(finder_, &QLineEdit::textChanged, this, &BlockPicker::filter);
    finder_->installEventFilter(this);
    setWindowTitle(QStringLiteral("Choose a block"));
    QStringList columns = {QStringLiteral("block"), QStringLiteral("line")};
    for (const std::string& name : header.carried)
        columns << QString::fromStdString(name);
    columns << QStringLiteral("counts");
    table_->setColumnCount(int(columns.size()));
    table_->setHorizontalHeaderLabels(columns);
    table_->setRowCount(int(rows.size()));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setAccessibleName(QStringLiteral("blocks of the survey"));
    for (int r = 0; r < int(rows.size()); ++r) {
        const kestrivo::survey::Row& row = rows[std::size_t(r)];
        int c = 0;
        const auto cell = [&](const std::string& text) {
            table_->setItem(r, c++, new QTableWidgetItem(QString::fromStdString(text)));
        };
        cell(row.label);
        cell(std::to_string(row.line));
        for (const std::string& value : row.carried)
            cell(value);
        cell(row.error.empty()
                 ? std::to_string(row.counts[0]) + ", " + std::to_string(row.counts[1]) + ", " +
                       std::to_string(row.counts[2]) + ", " + std::to_string(row.counts[3])
                 : "cannot be read");
    }
    // Every row counts when the columns are sized (Qt looks at the first thousand otherwise, and
    // cuts longer labels further down), as far as that stays quick.
    if (rows.size() <= 100000) table_->horizontalHeader()->setResizeContentsPrecision(-1);
    table_->resizeColumnsToContents();
    if (!rows.empty()) table_->selectRow(0);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(finder_);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(560, 360);
    finder_->setFocus();
}

bool BlockPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == finder_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(table_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void BlockPicker::filter(const QString& text) {
    int first = -1;
    for (int r = 0; r < table_->rowCount(); ++r) {
        bool match = text.isEmpty();
        // The last column holds the counts; the line number is searched too.
        for (int c = 0; !match && c + 1 < table_->columnCount(); ++c) {
            const QTableWidgetItem* item = table_->item(r, c);
            match = item && item->text().contains(text, Qt::CaseInsensitive);
        }
        table_->setRowHidden(r, !match);
        if (match && first < 0) first = r;
    }
    if (first >= 0) {
        table_->selectRow(first);
    } else {
        table_->clearSelection();
    }
}

int BlockPicker::chosen() const {
    const auto selected = table_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int choose_block(QWidget* parent, const kestrivo::survey::Header& header,
                 const std::vector<kestrivo::survey::Row>& rows) {
    BlockPicker picker(header, rows, parent);
    return picker.exec() == QDialog::Accepted ? picker.chosen() : -1;
}

}  // namespace kestrivo::window
