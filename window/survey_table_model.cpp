// SurveyTableModel: the report's JSON turned once into cells of numbers and words; texts,
// tooltips and the doses are made when the view asks, in the user's locale and coverage.
#include "window/survey_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace kestrivo::window {
namespace {

// The report's columns the table shows, in its order; "doses" is the window's own.
const std::vector<std::string>& shown_columns() {
    static const std::vector<std::string> columns = {
        "block",     "n",       "N_hat", "N_lo",  "N_hi",  "N_pool", "N_pool_lo",
        "N_pool_hi", "S",       "P",     "seen",  "het_p", "model",  "city_N",
        "city_lo",   "city_hi", "doses", "edges", "error", "note"};
    return columns;
}

// A number as the table shows it: whole dogs from a thousand up, four digits below.
QString shown(double value, const QLocale& locale) {
    if (std::fabs(value) >= 1000)
        return locale.toString(static_cast<qlonglong>(std::llround(value)));
    return locale.toString(value, 'g', 4);
}

// The shortest text that reads back to the same double, as the report's JSON writes it.
QString exact(double value) {
    return QString::fromStdString(nlohmann::json(value).dump());
}

}  // namespace

SurveyTableRows table_rows(const nlohmann::json& report, std::size_t blocks,
                           const std::string& stratum_column) {
    std::vector<std::string> columns = shown_columns();
    if (!stratum_column.empty()) columns.insert(columns.begin() + 1, stratum_column);
    SurveyTableRows table;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        table.columns.push_back(QString::fromStdString(columns[c]));
        if (columns[c] == "city_N") table.city_column = int(c);
        if (columns[c] == "doses") table.doses_column = int(c);
        if (columns[c] == "het_p") table.het_p_column = int(c);
    }
    if (!report.is_array()) return table;
    table.rows.reserve(report.size());
    std::size_t block = 0;
    for (std::size_t r = 0; r < report.size(); ++r) {
        const nlohmann::json& in = report[r];
        SurveyTableRows::Row row;
        row.values.reserve(columns.size());
        for (const std::string& name : columns) {
            const auto at = in.find(name);
            if (at == in.end() || at->is_null()) {
                row.values.emplace_back();
            } else if (at->is_number()) {
                row.values.emplace_back(at->get<double>());
            } else if (at->is_string()) {
                row.values.emplace_back(QString::fromStdString(at->get<std::string>()));
            } else {
                row.values.emplace_back();
            }
        }
        const bool summary = r >= blocks;  // pooled and total rows follow the blocks
        row.block = summary ? -1 : int(block++);
        row.total = in.value("block", "") == "total" && summary;
        if (!stratum_column.empty()) {
            const auto at = in.find(stratum_column);
            if (at != in.end() && at->is_string()) {
                row.stratum = QString::fromStdString(at->get<std::string>());
            }
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

void SurveyTableModel::reset(SurveyTableRows rows) {
    beginResetModel();
    table_ = std::move(rows);
    order_rows();
    endResetModel();
}

void SurveyTableModel::set_coverage(double share) {
    share_ = share;
    if (table_.doses_column < 0 || table_.rows.empty()) return;
    emit dataChanged(index(0, table_.doses_column), index(rowCount() - 1, table_.doses_column));
    if (sort_column_ == table_.doses_column) sort(sort_column_, sort_order_);
}

int SurveyTableModel::column(const QString& name) const {
    const auto at = std::find(table_.columns.begin(), table_.columns.end(), name);
    return at == table_.columns.end() ? -1 : int(at - table_.columns.begin());
}

int SurveyTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(table_.rows.size());
}

int SurveyTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(table_.columns.size());
}

QVariant SurveyTableModel::value(const SurveyTableRows::Row& row, int column) const {
    if (column == table_.doses_column) {
        const QVariant dogs = row.values[std::size_t(table_.city_column)];
        return dogs.typeId() == QMetaType::Double ? QVariant(share_ * dogs.toDouble()) : QVariant();
    }
    return row.values[std::size_t(column)];
}

QVariant SurveyTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const SurveyTableRows::Row& row = table_.rows[order_[std::size_t(index.row())]];
    const QVariant v = value(row, index.column());
    const bool number = v.typeId() == QMetaType::Double;
    const bool unlikely = index.column() == table_.het_p_column && number && v.toDouble() < 0.05;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return number ? shown(v.toDouble(), QLocale()) : v.toString();
        case Qt::ToolTipRole:
            if (unlikely) {
                return QStringLiteral(
                           "%1: the blocks differ in visibility more than chance would "
                           "make them, so the pooled visibility may not suit each of "
                           "them")
                    .arg(exact(v.toDouble()));
            }
            return number ? exact(v.toDouble()) : v.toString();
        case kNumberRole:
            return v;
        case kExactRole:
            return number ? QVariant(exact(v.toDouble())) : QVariant();
        case kBlockRole:
            return index.column() == 0 ? QVariant(row.block) : QVariant();
        case kStratumRole:
            return index.column() == 0 && !row.stratum.isEmpty() ? QVariant(row.stratum)
                                                                 : QVariant();
        case Qt::FontRole:
            if (row.total) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::BackgroundRole:
            // Said where it is read: one visibility may not suit all these blocks.
            return unlikely ? QVariant(QBrush(QColor(255, 214, 170))) : QVariant();
        case Qt::TextAlignmentRole:
            return number ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
        default:
            return {};
    }
}

QVariant SurveyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return table_.columns[std::size_t(section)];
}

void SurveyTableModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> rows_before;
    for (const QModelIndex& i : before)
        rows_before.push_back(order_[std::size_t(i.row())]);
    sort_column_ = column >= 0 && column < columnCount() ? column : -1;
    sort_order_ = order;
    order_rows();
    // The selection and the current cell follow their rows.
    std::vector<std::size_t> where(order_.size());
    for (std::size_t v = 0; v < order_.size(); ++v)
        where[order_[v]] = v;
    QModelIndexList after;
    for (std::size_t i = 0; i < std::size_t(before.size()); ++i)
        after.push_back(index(int(where[rows_before[i]]), before[int(i)].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

void SurveyTableModel::order_rows() {
    order_.resize(table_.rows.size());
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    if (sort_column_ < 0 || sort_column_ >= columnCount()) return;
    const auto key = [&](std::size_t r) { return value(table_.rows[r], sort_column_); };
    std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
        const QVariant x = key(a), y = key(b);
        // Blanks last in either order; numbers by value, words by their text.
        if (x.isValid() != y.isValid()) return x.isValid();
        if (!x.isValid()) return false;
        const bool numbers = x.typeId() == QMetaType::Double && y.typeId() == QMetaType::Double;
        const bool less = numbers ? x.toDouble() < y.toDouble() : x.toString() < y.toString();
        const bool more = numbers ? y.toDouble() < x.toDouble() : y.toString() < x.toString();
        return sort_order_ == Qt::AscendingOrder ? less : more;
    });
}

}  // namespace kestrivo::window
