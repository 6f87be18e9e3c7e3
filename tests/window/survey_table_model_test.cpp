// The survey window's table over the report's rows: which columns it shows and what each row
// is, the doses it works out from the city's dogs, and its sorting with blanks last. The rows are
// made here as values, as the report hands them over.
#include "window/survey_table_model.h"

#include <gtest/gtest.h>

#include <QBrush>
#include <cmath>

#include "window/design_words.h"

namespace {

using kestrivo::survey::ReportRow;
using kestrivo::survey::RowKind;
using kestrivo::window::SurveyTableModel;

ReportRow block(const std::string& label, const std::string& ward, double dogs_pooled) {
    ReportRow row;
    row.label = label;
    row.stratum = ward;
    row.carried = {ward, "kept"};
    if (!std::isnan(dogs_pooled)) row.cells.dogs_pooled = {dogs_pooled, 0, INFINITY};
    return row;
}

kestrivo::survey::ReportRows survey_rows() {
    kestrivo::survey::ReportRows rows;
    rows.layout.carried = {"ward", "note"};  // "note" clashes with the report's own column
    rows.layout.with_pool = rows.layout.with_city = true;
    rows.layout.stratum_column = "ward";
    rows.rows = {block("a", "North", 12), block("b", "South", NAN), block("c", "North", 3)};
    ReportRow pooled;
    pooled.kind = RowKind::pooled;
    pooled.label = "pooled";
    pooled.stratum = "North";
    pooled.cells.het = kestrivo::analysis::Heterogeneity{9.0, 2, 0.01};
    ReportRow total;
    total.kind = RowKind::total;
    total.label = "total";
    total.city = true;
    kestrivo::analysis::TotalEstimate city;
    city.dogs = 200;
    total.cells.total = city;
    rows.rows.push_back(pooled);
    rows.rows.push_back(total);
    return rows;
}

TEST(survey_table_model_test, rows_columns_and_doses) {
    const auto table = kestrivo::window::table_rows(survey_rows(), "ward");
    ASSERT_GE(table.columns.size(), 3u);
    EXPECT_EQ(table.columns[0], "block");
    EXPECT_EQ(table.columns[1], "ward");
    ASSERT_EQ(table.rows.size(), 5u);
    const struct {
        int block;
        const char* stratum;
        bool total;
    } expected[] = {{0, "North", false},
                    {1, "South", false},
                    {2, "North", false},
                    {-1, "North", false},
                    {-1, "", true}};
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        EXPECT_EQ(table.rows[r].block, expected[r].block) << r;
        EXPECT_EQ(table.rows[r].stratum.toStdString(), expected[r].stratum) << r;
        EXPECT_EQ(table.rows[r].total, expected[r].total) << r;
        EXPECT_EQ(table.rows[r].values[1].toString().toStdString(), expected[r].stratum) << r;
    }
    SurveyTableModel model;
    model.reset(table);
    const int n_pool = model.column("N_pool"), n_pool_hi = model.column("N_pool_hi");
    const int doses = model.column("doses"), het_p = model.column("het_p");
    ASSERT_GE(n_pool, 0);
    // An infinite upper limit is no number to show: the cell is blank, as in the report's JSON.
    EXPECT_FALSE(model.data(model.index(0, n_pool_hi), kestrivo::window::kNumberRole).isValid());
    EXPECT_EQ(model.data(model.index(0, n_pool), kestrivo::window::kExactRole).toString(), "12.0");
    // The doses follow the coverage, on the city's row only.
    model.set_coverage(0.5);
    EXPECT_DOUBLE_EQ(model.data(model.index(4, doses), kestrivo::window::kNumberRole).toDouble(),
                     100);
    model.set_coverage(0.8);
    EXPECT_DOUBLE_EQ(model.data(model.index(4, doses), kestrivo::window::kNumberRole).toDouble(),
                     160);
    EXPECT_FALSE(model.data(model.index(0, doses), kestrivo::window::kNumberRole).isValid());
    // A pooling test that fails is marked where it is read.
    EXPECT_TRUE(model.data(model.index(3, het_p), Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model.data(model.index(3, het_p), Qt::ToolTipRole).toString().isEmpty());
}

TEST(survey_table_model_test, sorting_puts_blanks_last_either_way) {
    SurveyTableModel model;
    model.reset(kestrivo::window::table_rows(survey_rows(), "ward"));
    const int n_pool = model.column("N_pool");
    const auto labels = [&] {
        std::string order;
        for (int r = 0; r < model.rowCount(); ++r)
            order += model.data(model.index(r, 0)).toString().toStdString() + " ";
        return order;
    };
    model.sort(n_pool, Qt::AscendingOrder);
    EXPECT_EQ(labels(), "c a b pooled total ");
    model.sort(n_pool, Qt::DescendingOrder);
    EXPECT_EQ(labels(), "a c b pooled total ");
    model.sort(-1);  // the report's own order
    EXPECT_EQ(labels(), "a b c pooled total ");
}

// The window says what is wrong with a design by its controls' names, never by an option's.
TEST(design_words_test, refusals_name_the_windows_controls) {
    using Kind = kestrivo::survey::DesignRefusal::Kind;
    kestrivo::survey::DesignRefusal fewer;
    fewer.kind = Kind::fewer_than_read;
    fewer.in_strata = true;
    fewer.stratum = "North %2";  // a name that looks like a placeholder stays as it is
    fewer.number = 3;
    fewer.blocks = 10;
    kestrivo::survey::DesignRefusal twice;
    twice.kind = Kind::block_twice;
    twice.label = "b7";
    twice.first = {"a.csv", 3};
    twice.second = {"b.csv", 9};
    const struct {
        kestrivo::survey::DesignRefusal refusal;
        const char* words;
    } cases[] = {
        {fewer, "Blocks in the city for \"North %2\": 3 is fewer than the 10 blocks counted."},
        {twice,
         "a.csv, line 3 and b.csv, line 9: the block \"b7\" appears twice; a sample holds each "
         "block once."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kestrivo::window::window_words(c.refusal).toStdString(), c.words);
    for (int kind = 0; kind <= int(Kind::block_twice); ++kind) {
        kestrivo::survey::DesignRefusal any;
        any.kind = Kind(kind);
        EXPECT_EQ(kestrivo::window::window_words(any).indexOf(QStringLiteral("--")), -1) << kind;
    }
}

}  // namespace
