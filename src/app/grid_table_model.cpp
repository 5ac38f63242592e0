#include "app/grid_table_model.h"

#include <QHeaderView>

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
        return MarkerPixmap(source_->Marker(index.row()));
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
    for (int col = 0; col < model_->columnCount(); ++col)
        setColumnWidth(col, model_->Source().Width(col));
    // The marker and a label such as "S001" need more than a narrow column.
    if (model_->Source().HasMarkers()) setColumnWidth(0, std::max(columnWidth(0), kMarkerColumn));
    horizontalHeader()->setStretchLastSection(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (!index.isValid()) return;
        shownSelection_ = index.row();
        if (onRowClicked) onRowClicked(index.row());
    });
    ShowSelected();
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
