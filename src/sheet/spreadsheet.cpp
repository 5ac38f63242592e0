#include "sheet/spreadsheet.h"

#include <algorithm>

#include "sheet/file_io.h"
#include "sheet/sheet_kind.h"
#include "sheet/text_table.h"

namespace dorvik {
namespace {

constexpr const char* kWorkbookSeparator = ",;.?";
constexpr const char* kOpenFailed = "Error in opening file\n";
constexpr const char* kWriteFailed = "Error writing file\n";
constexpr const char* kRowBeyond = "Desired row is greater than total number of rows in spreadsheet\n";
constexpr const char* kRowTooFar = "Desired row is beyond the last row a sheet can hold\n";
constexpr const char* kDuplicate = "Duplicate header row field:";
constexpr const char* kHeaderShrinks =
    "Number of columns in new header row cannot be less than the number of columns in previous header row";
constexpr const char* kNoHeader = "No header row. Add header row first\n";
constexpr const char* kTooManyCells =
    "Number of columns to be added cannot be greater than the number of fields\n";
constexpr const char* kHeaderProblem = "Problems with adding headers\n";

// A text file may grow beyond a workbook sheet, but gap rows stay bounded.
constexpr size_t kMaxWorkbookRows = 65536;
constexpr size_t kMaxTextRows = size_t{1} << 20;

// Empty header cells name no field, so they never count as duplicates.
const std::string* FirstDuplicate(const std::vector<std::string>& names) {
    for (size_t i = 0; i < names.size(); ++i)
        if (!names[i].empty() &&
            std::find(names.begin() + static_cast<long>(i) + 1, names.end(), names[i]) != names.end())
            return &names[i];
    return nullptr;
}

const std::string* FirstShared(const std::vector<std::string>& added, const std::vector<std::string>& present) {
    for (const std::string& name : added)
        if (!name.empty() && std::find(present.begin(), present.end(), name) != present.end()) return &name;
    return nullptr;
}

}  // namespace

CSpreadSheet::CSpreadSheet(const std::string& path, const std::string& sheetName, bool backup) {
    OpenSheet(path, sheetName, backup);
}

bool CSpreadSheet::OpenSheet(const std::string& path, const std::string& sheetName, bool backup) {
    *this = CSpreadSheet{};
    fileName_ = path;
    kind_ = KindOfPath(path);
    if (kind_ == SheetKind::Unknown) return Fail(UnsupportedKindMessage(path) + "\n");
    workbook_ = IsWorkbookKind(kind_);
    sheetName_ = workbook_ ? sheetName : "";
    separator_ = workbook_ ? kWorkbookSeparator : TextSeparator(path);
    backup_ = backup;
    bool loaded = workbook_ ? LoadWorkbook() : LoadText();
    if (loaded && backup_ && hasData_) MakeBackup();
    return loaded;
}

bool CSpreadSheet::Fail(const std::string& error) {
    lastError_ = error;
    return false;
}

size_t CSpreadSheet::MaxRows() const { return workbook_ ? kMaxWorkbookRows : kMaxTextRows; }

bool CSpreadSheet::LoadWorkbook() {
    TableRows rows;
    if (!LoadSheetTable(fileName_, sheetName_, rows, lastError_)) return false;
    for (const TableRow& row : rows) totalColumns_ = std::max(totalColumns_, row.size());
    if (totalColumns_ > 0) {
        rows_ = std::move(rows);
        fieldNames_ = rows_.front();
        fieldNames_.resize(totalColumns_);
        hasData_ = true;
    }
    return true;
}

bool CSpreadSheet::LoadText() {
    std::string content;
    if (ReadWholeFile(fileName_, content) != FileRead::Ok) return Fail(kOpenFailed);
    rows_ = DecodeTextRows(content, separator_);
    for (const TableRow& row : rows_) totalColumns_ = std::max(totalColumns_, row.size());
    if (!rows_.empty()) fieldNames_ = rows_.front();
    hasData_ = totalColumns_ != 0;
    return true;
}

// Copies the loaded table to the backup sheet or file before it is changed.
void CSpreadSheet::MakeBackup() {
    if (workbook_) {
        std::string sheet = sheetName_;
        sheetName_ = kBackupSheet;
        hasData_ = false;
        if (!WriteSheet()) backup_ = false;
        hasData_ = true;
        sheetName_ = sheet;
        currentRow_ = 1;
        return;
    }
    std::string path = fileName_;
    fileName_ = path + ".bak";
    if (!WriteSheet()) backup_ = false;
    fileName_ = path;
}

bool CSpreadSheet::SetHeaderRow(const std::vector<std::string>& names, bool replace) {
    if (!hasData_) {
        totalColumns_ = names.size();
        return PutRow(names, 1, true);
    }
    if (replace) return PutRow(names, 1, true);
    std::vector<std::string> all;
    GetRow(1, all);
    if (const std::string* name = FirstShared(names, all)) return Fail(kDuplicate + *name + "\n");
    all.insert(all.end(), names.begin(), names.end());
    if (!PutRow(all, 1, true)) return Fail(kHeaderProblem);
    totalColumns_ = std::max(totalColumns_, all.size());
    return true;
}

bool CSpreadSheet::CheckWorkbookRow(const std::vector<std::string>& cells, int row) {
    if (row == 1) {
        if (const std::string* name = FirstDuplicate(cells)) return Fail(kDuplicate + *name + "\n");
        if (cells.size() < totalColumns_) return Fail(kHeaderShrinks);
        totalColumns_ = cells.size();
        return true;
    }
    if (totalColumns_ == 0) return Fail(kNoHeader);
    if (cells.size() > fieldNames_.size()) return Fail(kTooManyCells);
    return true;
}

bool CSpreadSheet::PutRow(const std::vector<std::string>& cells, int row, bool replace) {
    if (row < 0 || static_cast<size_t>(row) > MaxRows()) return Fail(kRowTooFar);
    if (workbook_ && !CheckWorkbookRow(cells, row)) return false;
    if (!workbook_) totalColumns_ = std::max(totalColumns_, cells.size());
    if (row == 1) fieldNames_ = cells;
    Place(cells, row, replace);
    return batch_ || WriteSheet();
}

void CSpreadSheet::Place(const std::vector<std::string>& cells, int row, bool replace) {
    size_t at = static_cast<size_t>(row);
    if (at == 0) {
        rows_.push_back(cells);
    } else if (at <= rows_.size()) {
        if (replace)
            rows_[at - 1] = cells;
        else
            rows_.insert(rows_.begin() + static_cast<long>(at - 1), cells);
    } else {
        // A gap cell is a blank in a workbook and empty in a text file.
        TableRow gap(totalColumns_, workbook_ ? " " : "");
        rows_.resize(at - 1, gap);
        rows_.push_back(cells);
    }
}

bool CSpreadSheet::GetRow(int row, std::vector<std::string>& cells) {
    if (row < 0 || row > TotalRows()) return Fail(kRowBeyond);
    if (row == 0 && currentRow_ > TotalRows()) return Fail(kRowBeyond);
    if (row != 0) currentRow_ = row;
    cells = rows_[static_cast<size_t>(currentRow_ - 1)];
    ++currentRow_;
    if (workbook_ && cells.size() < totalColumns_) cells.resize(totalColumns_);
    return true;
}

void CSpreadSheet::TruncateRows(int rows) {
    rows_.resize(static_cast<size_t>(std::clamp(rows, 0, TotalRows())));
    totalColumns_ = 0;
    for (const TableRow& row : rows_) totalColumns_ = std::max(totalColumns_, row.size());
    if (rows_.empty()) fieldNames_.clear();
    currentRow_ = 1;
}

bool CSpreadSheet::WriteSheet() {
    if (kind_ == SheetKind::Unknown) return Fail(UnsupportedKindMessage(fileName_) + "\n");
    if (!(workbook_ ? WriteWorkbook() : WriteText())) return false;
    batch_ = false;
    return true;
}

// Without data the sheet is created, which fails when one of that name
// already holds cells; with data its contents are replaced.
bool CSpreadSheet::WriteWorkbook() {
    if (!SaveSheetTable(fileName_, sheetName_, rows_, !hasData_, lastError_)) return false;
    if (!hasData_) totalColumns_ = fieldNames_.size();
    hasData_ = true;
    return true;
}

bool CSpreadSheet::WriteText() {
    std::string out;
    for (const TableRow& row : rows_) out += EncodeTextRow(row, separator_) + "\r\n";
    if (!ReplaceFile(fileName_, out)) return Fail(kWriteFailed);
    hasData_ = true;
    return true;
}

}  // namespace dorvik
