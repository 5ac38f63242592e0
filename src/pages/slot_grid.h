#pragma once
// A list view over one of the unit's slot lists: its columns, the texts of
// each cell and the status marker of each row. The list itself lives in the
// unit model; a window's table model reads rows through this view on demand.
#include <cstdint>
#include <span>
#include <string>

#include "model/row_status.h"

namespace dorvik {

template <class List>
class SlotGrid {
public:
    struct Column {
        const char* title;
        int width;  // pixels
        std::string (*text)(const List& list, int row);
    };

    SlotGrid(List& list, std::span<const Column> columns) : list_(list), columns_(columns) {}

    int RowCount() const { return list_.Size(); }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    // Empty title and width 0 for a column that does not exist.
    const char* ColumnTitle(int col) const { return HasColumn(col) ? columns_[col].title : ""; }
    int ColumnWidth(int col) const { return HasColumn(col) ? columns_[col].width : 0; }
    // Empty for a cell outside the grid.
    std::string CellText(int row, int col) const {
        if (!HasColumn(col) || !list_.InRange(row)) return std::string();
        return columns_[col].text(list_, row);
    }
    // The marker shown in the first column.
    RowStatus Marker(int row) const { return list_.Status(row); }

    // Selects a row of the list (ignored outside it).
    void SelectRow(int row) { list_.SelectRow(row); }
    // -1 when no row is selected.
    int SelectedRow() const { return list_.SelectedRow(); }
    // Grows with every change of the list's rows.
    std::uint64_t Revision() const { return list_.Revision(); }

    List& Rows() { return list_; }
    const List& Rows() const { return list_; }

private:
    bool HasColumn(int col) const { return col >= 0 && col < ColumnCount(); }

    List& list_;
    std::span<const Column> columns_;
};

}  // namespace dorvik
