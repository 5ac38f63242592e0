#pragma once
// Helpers of the sheet tests: table reads and writes, and the independent
// peer (tests/sheet/peer.py run by the system Python).
#include <unistd.h>

#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/text_codec.h"
#include "sheet/ole_container.h"
#include "sheet/sheet_chooser.h"
#include "sheet/spreadsheet.h"
#include "scratch_dir.h"

namespace dorvik::test {

// Cells of one sheet by (row, column); only non-empty texts, in UTF-8.
using CellMap = std::map<std::pair<int, int>, std::string>;
struct PeerSheet {
    std::string name;  // UTF-8
    CellMap cells;
};

inline std::string RunPeer(const std::string& command, const std::string& arg) {
    std::string line = "/usr/bin/python3 '" + std::string(DORVIK_SOURCE_DIR) + "/tests/sheet/peer.py' " + command +
                       " '" + arg + "' 2>&1";
    std::string out;
    if (FILE* p = popen(line.c_str(), "r")) {
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
        pclose(p);
    }
    return out;
}

inline std::string Unhex(const std::string& hex) {
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

// Every sheet and cell of the workbook as the peer reads it.
inline std::vector<PeerSheet> PeerRead(const std::string& path) {
    std::vector<PeerSheet> sheets;
    std::istringstream in(RunPeer("dump", path));
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string kind, a, b, c;
        std::getline(fields, kind, '\t');
        if (kind == "S" && std::getline(fields, a)) sheets.push_back({Unhex(a), {}});
        if (kind == "C" && !sheets.empty() && fields >> a >> b >> c)
            sheets.back().cells[{std::stoi(a), std::stoi(b)}] = Unhex(c);
    }
    return sheets;
}

// Records every list of sheets offered and answers with `answer`.
class ScriptedSheetChooser : public SheetChooser {
public:
    explicit ScriptedSheetChooser(std::optional<std::string> a = {}) : answer(std::move(a)) {}
    std::optional<std::string> ChooseSheetName(const std::vector<std::string>& names) override {
        offered.push_back(names);
        return answer;
    }
    std::optional<std::string> answer;
    std::vector<std::vector<std::string>> offered;
};

// An .xls file holding the given workbook stream.
inline std::string XlsBytes(const std::string& stream) {
    xls::OleFile ole = xls::NewWorkbookContainer();
    ole.workbook = stream;
    std::string bytes;
    EXPECT_TRUE(xls::BuildOle(ole, bytes));
    return bytes;
}

using Rows = std::vector<std::vector<std::string>>;

// Writes a whole table in one batch.
inline void WriteRows(const std::string& path, const std::string& sheetName, const Rows& rows) {
    CSpreadSheet sheet(path, sheetName, false);
    sheet.StartBatch();
    for (size_t r = 0; r < rows.size(); ++r) sheet.PutRow(rows[r], static_cast<int>(r + 1), true);
    if (!sheet.WriteSheet()) ADD_FAILURE() << sheet.LastError();
}

inline Rows ReadRows(const std::string& path, const std::string& sheetName) {
    CSpreadSheet sheet(path, sheetName, false);
    Rows rows(static_cast<size_t>(sheet.TotalRows()));
    for (size_t r = 0; r < rows.size(); ++r) EXPECT_TRUE(sheet.GetRow(static_cast<int>(r + 1), rows[r]));
    return rows;
}

// The non-empty cells of a table by (row, column), in UTF-8.
inline CellMap CellsOf(const Rows& rows) {
    CellMap cells;
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            if (!rows[r][c].empty()) cells[{int(r), int(c)}] = GbToUtf8(rows[r][c]);
    return cells;
}

// The cells of a sheet as the table layer reads them, to compare with the peer.
inline CellMap TableRead(const std::string& path, const std::string& gbSheet) {
    return CellsOf(ReadRows(path, gbSheet));
}

}  // namespace dorvik::test
