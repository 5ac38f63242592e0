#include "sheet/exchange_engine.h"

#include <optional>

#include "sheet/spreadsheet.h"

namespace dorvik {
namespace {

ExchangeResult Ended(ExchangeStatus status, std::string error, int rows = 0) {
    return {status, std::move(error), rows};
}

SheetCells HeaderNames(const SheetLayout& layout) {
    return SheetCells(layout.headers.begin(), layout.headers.end());
}

// Writes the rows from sheet row 2 on, one after the other.
bool PutDataRows(CSpreadSheet& sheet, const ExportRows& rows, ProgressBar& progress, int& written) {
    SheetCells cells;
    for (int i = 0; i < rows.count; ++i) {
        cells.clear();
        if (!rows.cellsOf(i, cells)) continue;
        if (!sheet.PutRow(cells, written + 2, true)) return false;
        ++written;
        progress.SetPos(i);
    }
    return true;
}

// The message of the first header test that fails: the cell count (named
// after the first header), then each cell in turn.
std::optional<std::string> HeaderFault(const SheetCells& header, const SheetLayout& layout) {
    const auto& expected = layout.headers;
    if (header.size() != expected.size() || header.front() != expected.front())
        return std::string("Error ") + expected.front();
    for (size_t i = 1; i < expected.size(); ++i)
        if (header[i] != expected[i]) return std::string("Error ") + expected[i];
    return std::nullopt;
}

// Hands rows 2..last to the list; a Stop ends the import.
ExchangeResult StoreDataRows(CSpreadSheet& sheet, const ImportRows& rows, ProgressBar& progress,
                             MessageBox& box) {
    ExchangeResult result;
    SheetCells cells;
    for (int r = 2; r <= sheet.TotalRows() && sheet.GetRow(r, cells); ++r) {
        std::string message;
        RowOutcome outcome = rows.store(r, cells, message);
        if (outcome == RowOutcome::Stored) ++result.rows;
        if (outcome == RowOutcome::Rejected || outcome == RowOutcome::Stop) {
            box.Error(message);
            result.error = message;
        }
        if (outcome == RowOutcome::Stop)
            return Ended(ExchangeStatus::Refused, message, result.rows);
        if (outcome != RowOutcome::Rejected) progress.SetPos(r);
    }
    return result;
}

}  // namespace

const std::string& CellAt(const SheetCells& cells, size_t column) {
    static const std::string kNone;
    return column < cells.size() ? cells[column] : kNone;
}

int RowOfIndex(int index) {
    return index >= 1 ? index - 1 : -1;
}

ExchangeResult WriteListSheet(const std::string& path, const SheetLayout& layout,
                              const ExportRows& rows, ProgressBar& progress) {
    CSpreadSheet sheet(path, layout.sheet, true);
    sheet.StartBatch();
    // The sheet gets exactly the list; its old contents went to the backup.
    sheet.TruncateRows(0);
    if (!sheet.SetHeaderRow(HeaderNames(layout), true))
        return Ended(ExchangeStatus::Failed, sheet.LastError());
    ExchangeResult result;
    progress.Show(0, rows.progressMax);
    bool written = PutDataRows(sheet, rows, progress, result.rows) && sheet.WriteSheet();
    progress.Hide();
    if (!written) return Ended(ExchangeStatus::Failed, sheet.LastError(), result.rows);
    return result;
}

ExchangeResult ReadListSheet(const std::string& path, const SheetLayout& layout,
                             const ImportRows& rows, ProgressBar& progress, MessageBox& box) {
    // Reading only: no backup copy is written into the file being read.
    CSpreadSheet sheet(path, rows.sheet, false);
    if (sheet.TotalRows() < 1) {
        // A file that could not be read at all is a failure of its own; the
        // user is told why under the usual message.
        if (!sheet.LastError().empty()) {
            box.Error(rows.nullMessage + "\n" + sheet.LastError());
            return Ended(ExchangeStatus::Failed, sheet.LastError());
        }
        box.Error(rows.nullMessage);
        return Ended(ExchangeStatus::Refused, rows.nullMessage);
    }
    SheetCells header;
    sheet.GetRow(1, header);
    if (std::optional<std::string> fault = HeaderFault(header, layout)) {
        box.Error(*fault);
        return Ended(ExchangeStatus::Refused, *fault);
    }
    progress.Show(0, sheet.TotalRows());
    ExchangeResult result = StoreDataRows(sheet, rows, progress, box);
    progress.Hide();
    return result;
}

}  // namespace dorvik
