// The survey window's table as a model over the report's rows. A survey of thousands of blocks
// is tens of thousands of cells: the rows are built on the worker that ran the report, and the
// view asks only for the cells it shows, so a new table costs the window's thread a swap, not a
// pause the user would feel.
#pragma once

#include <QAbstractTableModel>
#include <QVariant>
#include <string>
#include <vector>

#include "survey/report_rows.h"

namespace kestrivo::window {

/// The roles a cell answers besides its text and tooltip.
enum SurveyTableRole {
    kNumberRole = Qt::UserRole,       // the number itself (or the text), for sorting
    kBlockRole = Qt::UserRole + 1,    // column 0: the block's index in the survey, -1 for summaries
    kStratumRole = Qt::UserRole + 2,  // column 0: the row's stratum, when there are strata
    kExactRole = Qt::UserRole + 3,    // the number at the report's full precision, for copies
};

/// The report's rows as the table shows them; built off the window's thread.
struct SurveyTableRows {
    struct Row {
        std::vector<QVariant> values;  // a double, a string, or nothing
        int block = -1;                // index among the survey's blocks; -1: pooled or total
        QString stratum;
        bool total = false;
    };
    std::vector<QString> columns;
    std::vector<Row> rows;
    int city_column = -1, doses_column = -1, het_p_column = -1;
};

/// The shown columns of `report`, with the strata column second when there is one and the
/// window's own "doses".
SurveyTableRows table_rows(const survey::ReportRows& report, const std::string& stratum_column);

class SurveyTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    /// The new table, kept in the order the view was sorted by.
    void reset(SurveyTableRows rows);
    /// The coverage the doses column multiplies the city's dogs by.
    void set_coverage(double share);
    /// The column named `name`, or -1.
    int column(const QString& name) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    /// Numbers by value before blanks, text by text; column -1 is the report's own order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QVariant value(const SurveyTableRows::Row& row, int column) const;
    void order_rows();

    SurveyTableRows table_;
    std::vector<std::size_t> order_;  // view row -> table row
    double share_ = 0.7;
    int sort_column_ = -1;
    Qt::SortOrder sort_order_ = Qt::AscendingOrder;
};

}  // namespace kestrivo::window
