#pragma once
// Workbooks made of XML parts in a ZIP archive: Office Open XML (.xlsx) and
// OpenDocument spreadsheets (.ods), read into and written from the same
// cell values as an .xls workbook. Reading is bounded (part sizes, sheets,
// rows, columns and cells); writing gives the same bytes for the same cells.
// What is kept of a workbook written again: sheet names, order and cell
// values (texts, numbers, booleans; a formula keeps its last result).
#include <cstddef>
#include <string>
#include <string_view>

#include "sheet/xls_workbook.h"
#include "sheet/zip_archive.h"

namespace dorvik {
class XmlScan;
}

namespace dorvik::xls {

inline constexpr size_t kMaxSheets = 1024;
inline constexpr size_t kMaxCells = size_t{1} << 20;

ReadStatus ReadXlsx(std::string_view bytes, Workbook& out);
WriteStatus BuildXlsx(const Workbook& wb, std::string& bytes, std::u16string* problem);

ReadStatus ReadOds(std::string_view bytes, Workbook& out);
WriteStatus BuildOds(const Workbook& wb, std::string& bytes, std::u16string* problem);

// Places the cells of one sheet while it is read, within the limits above.
class SheetFiller {
public:
    explicit SheetFiller(Workbook& wb) : wb_(wb) {}
    // Starts the next sheet; false past the sheet limit.
    bool AddSheet(std::u16string name, SheetType type = SheetType::Worksheet);
    // Puts a non-empty cell of the current sheet; false past the limits.
    bool Put(size_t row, size_t col, const Cell& cell);

private:
    Workbook& wb_;
    size_t cells_ = 0;
};

// What a failed read of a part means for the workbook.
ReadStatus PartStatus(zip::PartRead r);

// How a walk over a part ended: Ok, Damaged or XmlRefused.
ReadStatus XmlStatus(const XmlScan& scan);

// The text of the <t> runs up to the end of `element`, phonetic runs left out.
std::string XlsxRunText(XmlScan& scan, std::string_view element);

// The cells of one worksheet part of an .xlsx workbook.
ReadStatus ReadXlsxSheet(const std::string& xml, const std::vector<std::u16string>& strings,
                         SheetFiller& fill);

std::u16string Utf8ToUtf16(std::string_view utf8);
void AppendUtf8(std::string& out, std::u16string_view text);
// A number as the shortest text that reads back as the same double.
std::string ExactNumber(double v);
// Parses a whole decimal number ("13900002222", "1.5E3"); false otherwise.
bool ParseNumber(std::string_view text, double& v);

}  // namespace dorvik::xls
