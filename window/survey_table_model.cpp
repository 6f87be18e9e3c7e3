// SurveyTableModel: the report's rows turned once into cells of numbers and words; texts,
// tooltips and the doses are made when the view asks, in the user's locale and coverage.
#include "window/survey_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <numeric>

#include <nlohmann/json.hpp>

#include "platform/number_text.h"
#include "survey/report_table.h"

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

// A cell as the table holds it: a number (not one past the largest double, which the report's
// JSON leaves empty), a text, or nothing.
QVariant variant(const survey::Cell& cell) {
    if (const double* d = std::get_if<double>(&cell)) {
        return std::isfinite(*d) ? QVariant(*d) : QVariant();
    }
    if (const std::int64_t* i = std::get_if<std::int64_t>(&cell)) return double(*i);
    if (const std::string* text = std::get_if<std::string>(&cell)) {
        return QString::fromStdString(*text);
    }
    return {};
}

// The shortest text that reads back to the same double, as the report's JSON writes it.
QString exact(double value) {
    return QString::fromStdString(nlohmann::json(value).dump());
}

}  // namespace

SurveyTableRows table_rows(const survey::ReportRows& report, const std::string& stratum_column) {
    std::vector<std::string> columns = shown_columns();
    if (!stratum_column.empty()) columns.insert(columns.begin() + 1, stratum_column);
    SurveyTableRows table;
    const survey::ReportColumns cells(report.layout, platform::kRoundTripDigits);
    // Where each shown column is among the report's: -1 for the window's own (doses, strata).
    std::vector<int> place;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        table.columns.push_back(QString::fromStdString(columns[c]));
        if (columns[c] == "city_N") table.city_column = int(c);
        if (columns[c] == "doses") table.doses_column = int(c);
        if (columns[c] == "het_p") table.het_p_column = int(c);
        const auto& keys = cells.keys();
        const auto at = std::find(keys.begin(), keys.end(), columns[c]);
        const bool ours = at != keys.end() && (c != 1 || stratum_column.empty());
        place.push_back(ours ? int(at - keys.begin()) : -1);
    }
    table.rows.reserve(report.rows.size());
    int block = 0;
    for (const survey::ReportRow& in : report.rows) {
        const std::vector<survey::Cell> values = cells.cells(in);
        SurveyTableRows::Row row;
        row.values.reserve(columns.size());
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c == 1 && !stratum_column.empty()) {
                row.values.emplace_back(QString::fromStdString(in.stratum));
            } else {
                row.values.push_back(place[c] < 0 ? QVariant() : variant(values[place[c]]));
            }
        }
        row.block = in.kind == survey::RowKind::block ? block++ : -1;
        row.total = in.kind == survey::RowKind::total;
        if (!stratum_column.empty()) row.stratum = QString::fromStdString(in.stratum);
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
