// The list a survey file with several blocks opens: one line per block, its label and its carried
// columns, to pick the block whose counts go into the window.
#pragma once

#include <QDialog>
#include <vector>

#include "survey/survey_reader.h"

class QLineEdit;
class QTableWidget;

namespace kestrivo::window {

class BlockPicker : public QDialog {
public:
    BlockPicker(const kestrivo::survey::Header& header,
                const std::vector<kestrivo::survey::Row>& rows, QWidget* parent = nullptr);
    /// The row chosen, or -1.
    int chosen() const;
    QTableWidget* table() const { return table_; }
    /// Typing here shows only the blocks whose label or carried values hold the text.
    QLineEdit* finder() const { return finder_; }

protected:
    /// Up, Down and the page keys typed in the find box move through the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filter(const QString& text);

    QTableWidget* table_;
    QLineEdit* finder_;
};

/// Shows the picker and returns the row chosen, or -1 when the user cancels.
int choose_block(QWidget* parent, const kestrivo::survey::Header& header,
                 const std::vector<kestrivo::survey::Row>& rows);

}  // namespace kestrivo::window
