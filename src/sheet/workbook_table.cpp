#include "sheet/workbook_table.h"

#include <algorithm>

#include "model/text_codec.h"
#include "sheet/file_io.h"
#include "sheet/sheet_kind.h"
#include "sheet/ole_container.h"
#include "sheet/xls_workbook.h"
#include "sheet/xml_workbooks.h"

namespace dorvik {
namespace {

using xls::ReadStatus;
using xls::WriteStatus;

constexpr struct {
    ReadStatus status;
    const char* text;
} kReadErrors[] = {
    {ReadStatus::Missing, "Error in opening file\n"},
    {ReadStatus::CannotOpen, "Error in opening file\n"},
    {ReadStatus::NotOle, "The file is not a workbook\n"},
    {ReadStatus::NotBiff8, "The workbook is not in the Excel 97-2003 format\n"},
    {ReadStatus::Encrypted, "The workbook is protected with a password\n"},
    {ReadStatus::Damaged, "The workbook file is damaged\n"},
    {ReadStatus::NotArchive, "The file is not a workbook\n"},
    {ReadStatus::MissingPart, "The workbook file is damaged: a part is missing\n"},
    {ReadStatus::Expands, "The workbook file expands beyond 32 MB a part or 64 MB in all and is not read\n"},
    {ReadStatus::TooManyCells,
     "The workbook holds more sheets, rows or columns than a list can use and is not read\n"},
    {ReadStatus::XmlRefused, "The workbook file declares a DTD or entities and is not read\n"},
};

constexpr const char* kBadName = "Invalid sheet name:";
constexpr const char* kTooLarge = "Too many rows or columns for the sheet:";

// Messages that name the sheet at fault.
constexpr struct {
    WriteStatus status;
    const char* prefix;
} kWriteErrors[] = {
    {WriteStatus::OtherSheetType, "The workbook holds a sheet that cannot be kept:"},
    {WriteStatus::BadSheetName, kBadName},
    {WriteStatus::TooLarge, kTooLarge},
    {WriteStatus::TextTooLong, "A cell text is longer than 32767 characters in sheet:"},
};

constexpr const char* kWriteFailed = "Error writing file\n";
constexpr const char* kNoSheet = "The sheet does not exist:";
constexpr const char* kSheetExists = "The sheet already exists:";
constexpr const char* kNotWorksheet = "The sheet is not a worksheet:";
constexpr size_t kMaxSheetName = 31;
constexpr std::u16string_view kSheetNameForbidden = u"[]:*?/\\";

bool IsAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::u16string ToUtf16(const std::string& gb) {
    return IsAscii(gb) ? std::u16string(gb.begin(), gb.end()) : GbToUtf16(gb);
}

std::string ToGb(const std::u16string& s) {
    bool ascii = std::all_of(s.begin(), s.end(), [](char16_t c) { return c < 0x80; });
    return ascii ? std::string(s.begin(), s.end()) : Utf16ToGb(s);
}

std::string Named(const char* prefix, const std::string& name) { return prefix + name + "\n"; }

bool Fail(std::string& error, std::string text) {
    error = std::move(text);
    return false;
}

int Refuse(std::string& error, const char* prefix, const std::string& sheet) {
    error = Named(prefix, sheet);
    return -1;
}

// A workbook file of any kind as it was read; the container of an .xls
// file keeps its other streams.
struct Book {
    SheetKind kind = SheetKind::Xls;
    xls::OleFile ole;
    xls::Workbook wb;
};

ReadStatus Parse(std::string_view bytes, Book& book) {
    if (book.kind == SheetKind::Xlsx) return xls::ReadXlsx(bytes, book.wb);
    if (book.kind == SheetKind::Ods) return xls::ReadOds(bytes, book.wb);
    ReadStatus s = xls::ReadOle(bytes, book.ole);
    return s == ReadStatus::Ok ? xls::ParseWorkbook(book.ole.workbook, book.wb) : s;
}

// Reads and parses the file; a missing file is an empty workbook (in
// Excel's container for an .xls file).
ReadStatus Load(const std::string& path, Book& book) {
    book.kind = KindOfPath(path);
    std::string bytes;
    FileRead r = ReadWholeFile(path, bytes);
    if (r == FileRead::Missing) {
        book.ole = xls::NewWorkbookContainer();
        return ReadStatus::Missing;
    }
    if (r != FileRead::Ok) return ReadStatus::CannotOpen;
    return Parse(bytes, book);
}

std::string ReadErrorText(ReadStatus s) {
    for (const auto& e : kReadErrors)
        if (e.status == s) return e.text;
    return "";
}

// Cells right of column IV lie outside any sheet range and are not read.
TableRow RowTexts(const xls::Row& cells) {
    TableRow row;
    for (const xls::Cell& c : cells) {
        if (c.col >= xls::kMaxCols) break;
        std::u16string text = xls::CellText(c);
        if (text.empty()) continue;
        row.resize(c.col);
        row.push_back(ToGb(text));
    }
    return row;
}

xls::Row RowCells(const TableRow& row) {
    xls::Row cells;
    for (size_t col = 0; col < row.size(); ++col) {
        if (row[col].empty()) continue;
        xls::Cell c;
        c.col = static_cast<uint16_t>(std::min<size_t>(col, UINT16_MAX));
        c.text = ToUtf16(row[col]);
        cells.push_back(std::move(c));
    }
    return cells;
}

bool HoldsCells(const xls::Sheet& s) {
    return std::any_of(s.rows.begin(), s.rows.end(), [](const xls::Row& r) { return !r.empty(); });
}

bool ValidNewName(const std::u16string& name) {
    if (name.empty() || name.size() > kMaxSheetName) return false;
    if (name.front() == u'\'' || name.back() == u'\'') return false;
    return name.find_first_of(kSheetNameForbidden) == std::u16string::npos;
}

// Finds the sheet to write, or adds it; -1 with *error when that is refused.
int TargetSheet(xls::Workbook& wb, const std::string& sheet, bool createOnly, std::string& error) {
    std::u16string name = ToUtf16(sheet);
    int at = xls::FindSheet(wb, name);
    if (at >= 0 && wb.sheets[at].type != xls::SheetType::Worksheet)
        return Refuse(error, kNotWorksheet, sheet);
    if (at >= 0 && createOnly && HoldsCells(wb.sheets[at])) return Refuse(error, kSheetExists, sheet);
    if (at >= 0) return at;
    if (!ValidNewName(name)) return Refuse(error, kBadName, sheet);
    wb.sheets.push_back(xls::Sheet{});
    wb.sheets.back().name = name;
    return static_cast<int>(wb.sheets.size() - 1);
}

WriteStatus Build(Book& book, std::string& bytes, std::u16string& problem) {
    if (book.kind == SheetKind::Xlsx) return xls::BuildXlsx(book.wb, bytes, &problem);
    if (book.kind == SheetKind::Ods) return xls::BuildOds(book.wb, bytes, &problem);
    WriteStatus s = xls::BuildWorkbook(book.wb, book.ole.workbook, &problem);
    if (s == WriteStatus::Ok && !xls::BuildOle(book.ole, bytes)) return WriteStatus::Failed;
    return s;
}

bool Store(const std::string& path, Book& book, std::string& error) {
    std::u16string problem;
    std::string bytes;
    WriteStatus s = Build(book, bytes, problem);
    for (const auto& e : kWriteErrors)
        if (e.status == s) return Fail(error, Named(e.prefix, ToGb(problem)));
    if (s != WriteStatus::Ok || !ReplaceFile(path, bytes)) return Fail(error, kWriteFailed);
    return true;
}

}  // namespace

bool LoadSheetTable(const std::string& path, const std::string& sheet, TableRows& rows,
                    std::string& error) {
    rows.clear();
    Book book;
    ReadStatus s = Load(path, book);
    if (s != ReadStatus::Ok) return Fail(error, ReadErrorText(s));
    const xls::Workbook& wb = book.wb;
    int at = xls::FindSheet(wb, ToUtf16(sheet));
    if (at < 0) return Fail(error, Named(kNoSheet, sheet));
    if (wb.sheets[at].type != xls::SheetType::Worksheet) return Fail(error, Named(kNotWorksheet, sheet));
    for (const xls::Row& cells : wb.sheets[at].rows) rows.push_back(RowTexts(cells));
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    return true;
}

bool SaveSheetTable(const std::string& path, const std::string& sheet, const TableRows& rows,
                    bool createOnly, std::string& error) {
    Book book;
    ReadStatus s = Load(path, book);
    if (s != ReadStatus::Ok && s != ReadStatus::Missing) return Fail(error, ReadErrorText(s));
    xls::Workbook& wb = book.wb;
    int at = TargetSheet(wb, sheet, createOnly, error);
    if (at < 0) return false;
    if (rows.size() > xls::kMaxRows) return Fail(error, Named(kTooLarge, sheet));
    std::vector<xls::Row>& target = wb.sheets[at].rows;
    target.clear();
    for (const TableRow& row : rows) {
        if (row.size() > xls::kMaxCols) return Fail(error, Named(kTooLarge, sheet));
        target.push_back(RowCells(row));
    }
    return Store(path, book, error);
}

bool ListWorksheets(const std::string& path, std::vector<std::string>& names, std::string& error) {
    names.clear();
    Book book;
    ReadStatus s = Load(path, book);
    if (s != ReadStatus::Ok) return Fail(error, ReadErrorText(s));
    for (const xls::Sheet& sheet : book.wb.sheets)
        if (sheet.type == xls::SheetType::Worksheet) names.push_back(ToGb(sheet.name));
    return true;
}

}  // namespace dorvik
