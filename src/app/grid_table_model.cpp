#include "app/grid_table_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <numeric>
#include <vector>

#include "app/app_icons.h"
#include "app/qt_text.h"
#include "app/ui_text.h"

namespace dorvik {

namespace {
constexpr int kRowHeight = 21;
constexpr int kMarkerColumn = 80;
}  // namespace

const char* LogSource::Title(int col) const {
    return col >= 0 && col < ColumnCount() ? kLogColumns[col].heading : "";
}

int LogSource::Width(int col) const {
    return col >= 0 && col < ColumnCount() ? kLogColumns[col].width : 0;
}

GridTableModel::GridTableModel(std::unique_ptr<GridSource> source, QObject* parent)
    : QAbstractTableModel(parent),
      source_(std::move(source)),
      rows_(source_->RowCount()),
      revision_(source_->Revision()) {}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : source_->ColumnCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) return {};
    if (role == Qt::DisplayRole) return ToQString(source_->Cell(index.row(), index.column()));
    if (role == Qt::DecorationRole && index.column() == 0 && source_->HasMarkers())
        return MarkerIcon(source_->Marker(index.row()));
    return {};
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return TrCore(std::string(source_->Title(section)));
}

bool GridTableModel::Refresh() {
    const std::uint64_t revision = source_->Revision();
    if (revision == revision_ && rows_ == source_->RowCount()) return false;
    revision_ = revision;
    if (rows_ != source_->RowCount()) {
        // The list was rebuilt with another number of slots.
        beginResetModel();
        rows_ = source_->RowCount();
        endResetModel();
    } else if (rows_ > 0) {
        // Only the rows on screen are read again.
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }
    return true;
}

ListTable::ListTable(std::unique_ptr<GridSource> source, const QString& name, QWidget* parent)
    : QTableView(parent), model_(new GridTableModel(std::move(source), this)) {
    setModel(model_);
    setObjectName(name);
    setAccessibleName(Tr(name));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setIconSize(QSize(kMarkerSize, kMarkerSize));
    FitColumns();
    horizontalHeader()->setStretchLastSection(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) RowChosen(index.row());
    });
    ShowSelected();
}

void ListTable::RowChosen(int row) {
    shownSelection_ = row;
    if (onRowClicked) onRowClicked(row);
}

void ListTable::keyPressEvent(QKeyEvent* event) {
    const int before = currentIndex().row();
    QTableView::keyPressEvent(event);
    const QModelIndex now = currentIndex();
    if (now.isValid() && now.row() != before) RowChosen(now.row());
}

void ListTable::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitColumns();
}

// The list's widths, each widened by the same factor when the view is wider.
void ListTable::FitColumns() {
    const GridSource& source = model_->Source();
    std::vector<int> widths;
    for (int col = 0; col < model_->columnCount(); ++col) widths.push_back(source.Width(col));
    // The marker and a label such as "S001" need more than a narrow column.
    if (source.HasMarkers() && !widths.empty()) widths[0] = std::max(widths[0], kMarkerColumn);
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    const int room = viewport()->width();
    int used = 0;
    for (std::size_t col = 0; col < widths.size(); ++col) {
        int width = total > 0 && room > total ? widths[col] * room / total : widths[col];
        // The last column takes what rounding left over.
        if (col + 1 == widths.size() && room > total) width = room - used;
        setColumnWidth(static_cast<int>(col), width);
        used += width;
    }
}

void ListTable::Refresh() {
    model_->Refresh();
    if (model_->Source().SelectedRow() != shownSelection_) ShowSelected();
}


void ListTable::ShowSelected() {
    shownSelection_ = model_->Source().SelectedRow();
    if (shownSelection_ < 0 || shownSelection_ >= model_->rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex row = model_->index(shownSelection_, 0);
    selectRow(shownSelection_);
    setCurrentIndex(row);
    scrollTo(row, QAbstractItemView::PositionAtTop);
}

}  // namespace dorvik
