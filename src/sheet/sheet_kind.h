#pragma once
// The kinds of spreadsheet file the table layer reads and writes, told
// apart by the file's extension (compared without regard to case).
#include <string>

namespace dorvik {

enum class SheetKind {
    Xls,      // Excel 97-2003 workbook
    Xlsx,     // Office Open XML workbook
    Ods,      // OpenDocument spreadsheet
    Text,     // delimited text: .csv (comma), .txt and .tsv (tab), and their .bak copies
    Unknown,  // anything else: refused, never written as some other kind
};

SheetKind KindOfPath(const std::string& path);

// True for the kinds that hold several named sheets.
bool IsWorkbookKind(SheetKind kind);

// The message that refuses a file of an unknown kind (one line, no line end).
std::string UnsupportedKindMessage(const std::string& path);

}  // namespace dorvik
