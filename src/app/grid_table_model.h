#pragma once
// The list views: a table model that reads the rows of a page's list on
// demand (so thousands of rows cost nothing until they are on screen), and
// a table view that follows the list's selected row.
#include <QAbstractTableModel>
#include <QTableView>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "model/row_status.h"
#include "pages/log_view.h"

namespace dorvik {

// What a list view reads from a list.
class GridSource {
public:
    virtual ~GridSource() = default;
    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    virtual const char* Title(int col) const = 0;
    virtual int Width(int col) const = 0;
    virtual std::string Cell(int row, int col) const = 0;
    // Whether the first column carries a status marker.
    virtual bool HasMarkers() const { return false; }
    virtual RowStatus Marker(int /*row*/) const { return RowStatus::Empty; }
    // -1 when none.
    virtual int SelectedRow() const = 0;
    virtual std::uint64_t Revision() const = 0;
};

// A SlotGrid (the number lists) as a GridSource.
template <class Grid>
class SlotGridSource : public GridSource {
public:
    explicit SlotGridSource(const Grid& grid) : grid_(grid) {}
    int RowCount() const override { return grid_.RowCount(); }
    int ColumnCount() const override { return grid_.ColumnCount(); }
    const char* Title(int col) const override { return grid_.ColumnTitle(col); }
    int Width(int col) const override { return grid_.ColumnWidth(col); }
    std::string Cell(int row, int col) const override { return grid_.CellText(row, col); }
    bool HasMarkers() const override { return true; }
    RowStatus Marker(int row) const override { return grid_.Marker(row); }
    int SelectedRow() const override { return grid_.SelectedRow(); }
    std::uint64_t Revision() const override { return grid_.Revision(); }

private:
    const Grid& grid_;
};

// The caller log as a GridSource.
class LogSource : public GridSource {
public:
    explicit LogSource(const CLogView& view) : view_(view) {}
    int RowCount() const override { return view_.RowCount(); }
    int ColumnCount() const override { return static_cast<int>(kLogColumns.size()); }
    const char* Title(int col) const override;
    int Width(int col) const override;
    std::string Cell(int row, int col) const override { return view_.Cell(row, col); }
    int SelectedRow() const override { return view_.SelectedRow(); }
    std::uint64_t Revision() const override { return view_.Revision(); }

private:
    const CLogView& view_;
};

class GridTableModel : public QAbstractTableModel {
public:
    explicit GridTableModel(std::unique_ptr<GridSource> source, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Tells the views about changed rows; false when nothing changed.
    bool Refresh();
    const GridSource& Source() const { return *source_; }

private:
    std::unique_ptr<GridSource> source_;
    int rows_ = 0;
    std::uint64_t revision_ = 0;
};

// A report-style list: full-row selection, grid lines, the column widths of
// the list widened in proportion to fill the view; it scrolls the list's
// selected row to the top when it changes. A row reached with the keys is
// handed on as a click on it.
class ListTable : public QTableView {
    Q_OBJECT
public:
    ListTable(std::unique_ptr<GridSource> source, const QString& name, QWidget* parent = nullptr);

    // Redraws changed rows and follows the selected row.
    void Refresh();
    GridTableModel* Model() const { return model_; }
    // Called with the row the user clicked or moved to with the keys.
    std::function<void(int)> onRowClicked;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowSelected();
    void RowChosen(int row);
    void FitColumns();

    GridTableModel* model_;
    int shownSelection_ = -1;
};

}  // namespace dorvik
