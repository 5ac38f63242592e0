#pragma once
// The cell values of a BIFF8 workbook (.xls): what the table layer reads
// and what it keeps of the other sheets when it writes one sheet back.
// Formats, formulas and drawings are not kept; a formula keeps its last
// computed result.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::xls {

enum class CellKind : uint8_t { Text, Number, Boolean, Error };

struct Cell {
    uint16_t col = 0;
    CellKind kind = CellKind::Text;
    double number = 0;  // Number; Boolean 0/1; Error the error code
    std::u16string text;
};

using Row = std::vector<Cell>;  // ordered by column, one cell per column

// Sheet types of the sheet list; only worksheets hold cells here.
enum class SheetType : uint8_t { Worksheet, Other };

struct Sheet {
    std::u16string name;
    SheetType type = SheetType::Worksheet;
    uint8_t visibility = 0;  // 0 visible, 1 hidden, 2 very hidden
    std::vector<Row> rows;   // rows[r] holds the cells of row r
};

struct Workbook {
    std::vector<Sheet> sheets;
};

// Outcome of reading a workbook file.
enum class ReadStatus {
    Ok, Missing, CannotOpen, NotOle, NotBiff8, Encrypted, Damaged,
    // Archives of XML parts (.xlsx, .ods):
    NotArchive,    // not a ZIP archive
    MissingPart,   // a part the workbook needs is not in the archive
    Expands,       // the parts expand beyond the fixed limit
    TooManyCells,  // a sheet passes the row, column or cell limit
    XmlRefused,    // a part declares a DTD or refers to an entity
};

// Outcome of writing a workbook stream.
enum class WriteStatus { Ok, OtherSheetType, BadSheetName, TooLarge, TextTooLong, Failed };

// Largest sheet and cell text a BIFF8 workbook holds.
inline constexpr size_t kMaxRows = 65536;
inline constexpr size_t kMaxCols = 256;
inline constexpr size_t kMaxTextChars = 32767;

// Parses a BIFF8 "Workbook" stream.
ReadStatus ParseWorkbook(std::string_view stream, Workbook& out);

// Checks that every sheet can be written; *problem names the first that cannot.
WriteStatus CheckSheets(const Workbook& wb, std::u16string* problem);

// Builds the "Workbook" stream of the given sheets; *problem names the sheet
// that stops it when the result is not Ok.
WriteStatus BuildWorkbook(const Workbook& wb, std::string& stream, std::u16string* problem);

// The text a spreadsheet shows for the cell: 13900002222 rather than
// 1.39E+10, 5 rather than 5.0, TRUE/FALSE, #DIV/0!.
std::u16string CellText(const Cell& cell);
std::string NumberText(double v);

// Position of the named sheet (compared without regard to ASCII case), or -1.
int FindSheet(const Workbook& wb, std::u16string_view name);

}  // namespace dorvik::xls
