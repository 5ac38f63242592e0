#pragma once
// One worksheet of a workbook file (.xls, .xlsx or .ods, by extension) as rows of cell texts (GB18030):
// reading a sheet, writing one back while every other sheet keeps its
// values, and listing the worksheets.
#include <string>
#include <vector>

namespace dorvik {

using TableRow = std::vector<std::string>;
using TableRows = std::vector<TableRow>;

// Reads the named worksheet (name compared without regard to ASCII case).
// Rows end at their last non-empty cell; the table ends at its last
// non-empty row. False with *error set when the file or sheet cannot be read.
bool LoadSheetTable(const std::string& path, const std::string& sheet, TableRows& rows,
                    std::string& error);

// Writes the rows as the named worksheet, adding the sheet when the workbook
// has none of that name and creating the file when it does not exist. With
// createOnly, a sheet of that name that already holds cells is an error.
// Empty cells are left out. The file is replaced only when everything
// succeeded; on failure it is left as it was and *error says why.
bool SaveSheetTable(const std::string& path, const std::string& sheet, const TableRows& rows,
                    bool createOnly, std::string& error);

// Names of the worksheets in workbook order.
bool ListWorksheets(const std::string& path, std::vector<std::string>& names, std::string& error);

}  // namespace dorvik
