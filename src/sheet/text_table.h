#pragma once
// Delimited text files as rows of cell texts. Lines are written with every
// cell between double quotes (a quote inside a cell doubled) and read back
// the same way; lines of older files, whose quotes were not doubled, are
// still split as they always were.
#include <string>
#include <string_view>

#include "sheet/workbook_table.h"

namespace dorvik {

// True when the path ends in ".xls", ".xlsx" or ".ods", compared without regard to case.
bool IsWorkbookPath(const std::string& path);

// The field separator of a text file: a tab for ".txt" and ".tsv" (and their
// ".bak" copies), else a comma.
std::string TextSeparator(const std::string& path);

// One row as a line without its line end: "a","b" for the cells a and b.
std::string EncodeTextRow(const TableRow& cells, std::string_view sep);

// Splits a text file's contents into rows.
TableRows DecodeTextRows(std::string_view content, std::string_view sep);

}  // namespace dorvik
