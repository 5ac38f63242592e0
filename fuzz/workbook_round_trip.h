#pragma once
// What the workbook fuzz targets check: a workbook that reads and can be
// written again reads back with the same sheets and cell texts.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
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

// One fuzz input: with an odd first byte the rest is one XML part that wrap
// puts into an otherwise fixed archive (the cell grammar is reached sooner);
// any other input is the archive itself.
template <class Wrap, class Read, class Build>
void FuzzWorkbook(const uint8_t* data, size_t size, Wrap wrap, Read read, Build build) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string bytes = size > 0 && (data[0] & 1) ? wrap(input.substr(1)) : std::string(input);
    CheckRoundTrip(bytes, read, build);
}

}  // namespace dorvik::fuzz
