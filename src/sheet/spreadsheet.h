#pragma once
// The table layer of the list exchange: one sheet of a workbook (.xls,
// .xlsx, .ods), or
// one delimited text file, held in memory as rows of cell texts (GB18030).
// Row 1 is the header row. Changes are written at once unless a batch is
// started, in which case WriteSheet commits them all. Every failure is
// reported by the result, with the reason in LastError().
#include <string>
#include <vector>

#include "sheet/sheet_kind.h"
#include "sheet/workbook_table.h"

namespace dorvik {

class CSpreadSheet {
public:
    // Name of the sheet that receives a copy of the loaded data before a
    // workbook sheet is changed.
    static constexpr const char* kBackupSheet = "CSpreadSheetBackup";

    // Runs OpenSheet.
    CSpreadSheet(const std::string& path, const std::string& sheetName, bool backup);

    // Loads the table. A path ending in ".xls", ".xlsx" or ".ods" (any case)
    // is a workbook and sheetName the sheet; ".csv", ".txt" and ".tsv" are
    // text files (comma, tab, tab). Any other extension is refused, and so
    // is every later write. With backup on,
    // data already present is first copied to the sheet "CSpreadSheetBackup"
    // (workbook) or to the file path + ".bak" (text); a failed copy only
    // turns backup off. False when nothing could be loaded; a missing
    // sheet or file is then created by the first write.
    bool OpenSheet(const std::string& path, const std::string& sheetName, bool backup);

    // Holds changes in memory until WriteSheet.
    void StartBatch() { batch_ = true; }

    // Sets the header row; without replace the names are added after the
    // present ones, refusing a name that is already there.
    bool SetHeaderRow(const std::vector<std::string>& names, bool replace = false);

    // Puts a row: row 0 appends; a row within the table is overwritten
    // (replace) or inserted before; a row past the end is reached through
    // gap rows of empty cells.
    bool PutRow(const std::vector<std::string>& cells, int row = 0, bool replace = false);

    // Reads a row (0: the current row) and makes the row after it current.
    bool GetRow(int row, std::vector<std::string>& cells);

    // Writes the whole table and ends the batch.
    bool WriteSheet();

    // Keeps the first `rows` rows and drops the rest (0: the header row
    // too), so that a table written anew leaves nothing of a longer one.
    // The sheet or file is still replaced, not created, by the next write.
    void TruncateRows(int rows);

    int TotalRows() const { return static_cast<int>(rows_.size()); }
    int TotalColumns() const { return static_cast<int>(totalColumns_); }
    int CurrentRow() const { return currentRow_; }
    const std::string& LastError() const { return lastError_; }
    const std::vector<std::string>& FieldNames() const { return fieldNames_; }
    const std::string& FileName() const { return fileName_; }
    const std::string& SheetName() const { return sheetName_; }
    const std::string& Separator() const { return separator_; }
    bool IsWorkbook() const { return workbook_; }
    bool HasData() const { return hasData_; }
    bool Backup() const { return backup_; }
    bool InBatch() const { return batch_; }

private:
    CSpreadSheet() = default;
    bool LoadWorkbook();
    bool LoadText();
    void MakeBackup();
    bool CheckWorkbookRow(const std::vector<std::string>& cells, int row);
    void Place(const std::vector<std::string>& cells, int row, bool replace);
    bool WriteWorkbook();
    bool WriteText();
    bool Fail(const std::string& error);
    size_t MaxRows() const;

    std::string fileName_;
    SheetKind kind_ = SheetKind::Text;
    bool workbook_ = false;
    std::string sheetName_;
    std::string separator_;
    bool hasData_ = false;
    bool backup_ = false;
    bool batch_ = false;
    TableRows rows_;
    std::vector<std::string> fieldNames_;
    size_t totalColumns_ = 0;
    int currentRow_ = 1;
    std::string lastError_;
};

}  // namespace dorvik
