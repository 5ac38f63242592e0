#pragma once
// The steps every list exchange shares: writing a header row and data rows
// as a whole sheet, and reading a sheet back after checking its header row.
// The lists plug in how a slot becomes cells and how cells become a slot.
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/progress_bar.h"
#include "sheet/list_exchange.h"

namespace dorvik {

using SheetCells = std::vector<std::string>;

// The sheet a list is exchanged with: its default name and header row.
struct SheetLayout {
    const char* sheet;
    std::span<const char* const> headers;
};

// The cell at `column`, empty when the row is shorter.
const std::string& CellAt(const SheetCells& cells, size_t column);

// The 0-based row of a 1-based slot index; -1 (no row) for an index below 1.
int RowOfIndex(int index);

// What to write: `count` candidate rows, progress shown over 0..progressMax.
struct ExportRows {
    int count = 0;
    int progressMax = 0;
    // Fills the cells of candidate `i`; false when it is not written.
    std::function<bool(int i, SheetCells& cells)> cellsOf;
};

// Replaces the sheet with the header row and the rows, in one commit.
ExchangeResult WriteListSheet(const std::string& path, const SheetLayout& layout,
                              const ExportRows& rows, ProgressBar& progress);

enum class RowOutcome {
    Stored,    // the row went into the list
    Skipped,   // the row holds nothing to store
    Rejected,  // the row was refused with a message; the import goes on
    Stop,      // the row was refused with a message; the import ends
};

struct ImportRows {
    std::string sheet;        // the workbook sheet to read
    std::string nullMessage;  // shown when the sheet has no rows
    // Stores one data row; `sheetRow` is the 1-based row of the sheet.
    std::function<RowOutcome(int sheetRow, const SheetCells& cells, std::string& message)> store;
};

// Checks the header row against the layout, then hands every data row to
// `store`. Nothing is stored when the sheet is empty or its header is wrong.
ExchangeResult ReadListSheet(const std::string& path, const SheetLayout& layout,
                             const ImportRows& rows, ProgressBar& progress, MessageBox& box);

}  // namespace dorvik
