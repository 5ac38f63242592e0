#pragma once
// What the workbook fuzz targets check: a workbook that reads and can be
// written again reads back with the same sheets and cell texts.
#include <string>
#include <vector>

#include "sheet/xls_workbook.h"

namespace dorvik::fuzz {

inline std::vector<std::u16string> Texts(const xls::Workbook& wb) {
    std::vector<std::u16string> out;
    for (const xls::Sheet& s : wb.sheets) {
        out.push_back(s.name);
        for (const xls::Row& row : s.rows)
            for (const xls::Cell& c : row) out.push_back(xls::CellText(c));
    }
    return out;
}

template <class Read, class Build>
void CheckRoundTrip(const std::string& bytes, Read read, Build build) {
    xls::Workbook wb;
    if (read(bytes, wb) != xls::ReadStatus::Ok) return;
    std::string again;
    if (build(wb, again, nullptr) != xls::WriteStatus::Ok) return;
    xls::Workbook back;
    if (read(again, back) != xls::ReadStatus::Ok || Texts(back) != Texts(wb)) __builtin_trap();
}

}  // namespace dorvik::fuzz
