// Reading the cell values of a BIFF8 workbook stream: the globals (sheet
// list, shared strings) and each worksheet's cell records.
#include <algorithm>
#include <cstring>

#include "sheet/biff_records.h"
#include "sheet/xls_workbook.h"

namespace dorvik::xls {
namespace {

constexpr uint16_t kBiff8 = 0x0600;
constexpr uint16_t kWorksheetBof = 0x0010;
constexpr uint16_t kCachedNonNumber = 0xFFFF;

struct SheetEntry {
    uint32_t offset = 0;
    Sheet sheet;
};

struct Globals {
    std::vector<SheetEntry> entries;
    std::vector<std::u16string> sst;
};

// What a sheet's cell records need while they are read.
struct SheetState {
    Sheet& sheet;
    const std::vector<std::u16string>& sst;
    int pendingRow = -1;  // a formula whose text result follows in STRING
    uint16_t pendingCol = 0;
};

// ---- globals ----

ReadStatus OnBoundSheet(const Record& r, Globals& g) {
    if (r.Data().size() < 8) return ReadStatus::Damaged;
    SheetEntry e;
    e.offset = Get32(r.Data().data());
    e.sheet.visibility = static_cast<uint8_t>(r.Data()[4]);
    e.sheet.type = r.Data()[5] == 0 ? SheetType::Worksheet : SheetType::Other;
    SegmentCursor c(r, 6);
    if (!c.String(true, e.sheet.name)) return ReadStatus::Damaged;
    g.entries.push_back(std::move(e));
    return ReadStatus::Ok;
}

ReadStatus OnSst(const Record& r, Globals& g) {
    SegmentCursor c(r);
    uint32_t total, unique;
    if (!c.U32(total) || !c.U32(unique)) return ReadStatus::Damaged;
    g.sst.clear();
    g.sst.reserve(std::min<uint32_t>(unique, 1u << 16));
    std::u16string s;
    for (uint32_t i = 0; i < unique; ++i) {
        if (!c.String(false, s)) return ReadStatus::Damaged;
        g.sst.push_back(s);
    }
    return ReadStatus::Ok;
}

ReadStatus OnFilePass(const Record&, Globals&) { return ReadStatus::Encrypted; }

using GlobalHandler = ReadStatus (*)(const Record&, Globals&);
constexpr struct {
    uint16_t id;
    GlobalHandler handle;
} kGlobalHandlers[] = {
    {rec::kBoundSheet, OnBoundSheet},
    {rec::kSst, OnSst},
    {rec::kFilePass, OnFilePass},
};

bool IsBiff8Bof(const Record& r, uint16_t* type) {
    if (r.id != rec::kBof || r.Data().size() < 4) return false;
    *type = Get16(r.Data().data() + 2);
    return Get16(r.Data().data()) == kBiff8;
}

ReadStatus ReadGlobals(std::string_view stream, Globals& g) {
    RecordReader reader(stream, 0);
    Record r;
    uint16_t type = 0;
    if (!reader.Next(r) || !IsBiff8Bof(r, &type)) return ReadStatus::NotBiff8;
    while (reader.Next(r)) {
        if (r.id == rec::kEof) return ReadStatus::Ok;
        for (const auto& h : kGlobalHandlers) {
            if (h.id != r.id) continue;
            ReadStatus s = h.handle(r, g);
            if (s != ReadStatus::Ok) return s;
        }
    }
    return ReadStatus::Damaged;
}

// ---- sheet cells ----

void PutCell(Sheet& sheet, uint16_t row, Cell cell) {
    if (sheet.rows.size() <= row) sheet.rows.resize(row + 1u);
    Row& cells = sheet.rows[row];
    auto at = std::lower_bound(cells.begin(), cells.end(), cell.col,
                               [](const Cell& c, uint16_t col) { return c.col < col; });
    if (at != cells.end() && at->col == cell.col)
        *at = std::move(cell);
    else
        cells.insert(at, std::move(cell));
}

void PutNumber(SheetState& s, uint16_t row, uint16_t col, CellKind kind, double v) {
    Cell c;
    c.col = col;
    c.kind = kind;
    c.number = v;
    PutCell(s.sheet, row, std::move(c));
}

void PutText(SheetState& s, uint16_t row, uint16_t col, std::u16string text) {
    Cell c;
    c.col = col;
    c.text = std::move(text);
    PutCell(s.sheet, row, std::move(c));
}

double RkValue(uint32_t rk) {
    double v;
    if (rk & 0x02) {
        v = static_cast<int32_t>(rk) >> 2;
    } else {
        uint64_t bits = static_cast<uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&v, &bits, sizeof v);
    }
    return (rk & 0x01) ? v / 100 : v;
}

uint16_t RowOf(const Record& r) { return Get16(r.Data().data()); }
uint16_t ColOf(const Record& r) { return Get16(r.Data().data() + 2); }

bool OnLabelSst(const Record& r, SheetState& s) {
    if (r.Data().size() < 10) return false;
    uint32_t index = Get32(r.Data().data() + 6);
    if (index >= s.sst.size()) return false;
    PutText(s, RowOf(r), ColOf(r), s.sst[index]);
    return true;
}

bool OnLabel(const Record& r, SheetState& s) {
    std::u16string text;
    SegmentCursor c(r, 6);
    if (r.Data().size() < 6 || !c.String(false, text)) return false;
    PutText(s, RowOf(r), ColOf(r), std::move(text));
    return true;
}

bool OnNumber(const Record& r, SheetState& s) {
    if (r.Data().size() < 14) return false;
    PutNumber(s, RowOf(r), ColOf(r), CellKind::Number, GetDouble(r.Data().data() + 6));
    return true;
}

bool OnRk(const Record& r, SheetState& s) {
    if (r.Data().size() < 10) return false;
    PutNumber(s, RowOf(r), ColOf(r), CellKind::Number, RkValue(Get32(r.Data().data() + 6)));
    return true;
}

bool OnMulRk(const Record& r, SheetState& s) {
    std::string_view d = r.Data();
    if (d.size() < 6) return false;
    size_t count = (d.size() - 6) / 6;
    for (size_t i = 0; i < count; ++i) {
        uint32_t rk = Get32(d.data() + 4 + 6 * i + 2);
        PutNumber(s, RowOf(r), static_cast<uint16_t>(ColOf(r) + i), CellKind::Number, RkValue(rk));
    }
    return true;
}

bool OnBoolErr(const Record& r, SheetState& s) {
    if (r.Data().size() < 8) return false;
    CellKind kind = r.Data()[7] ? CellKind::Error : CellKind::Boolean;
    PutNumber(s, RowOf(r), ColOf(r), kind, static_cast<uint8_t>(r.Data()[6]));
    return true;
}

// A formula keeps its cached result; a text result follows in a STRING record.
bool OnFormula(const Record& r, SheetState& s) {
    std::string_view d = r.Data();
    if (d.size() < 20) return false;
    uint16_t row = RowOf(r), col = ColOf(r);
    if (Get16(d.data() + 12) != kCachedNonNumber) {
        PutNumber(s, row, col, CellKind::Number, GetDouble(d.data() + 6));
        return true;
    }
    double v = static_cast<uint8_t>(d[8]);
    switch (d[6]) {
        case 0:
            s.pendingRow = row;
            s.pendingCol = col;
            break;
        case 1: PutNumber(s, row, col, CellKind::Boolean, v); break;
        case 2: PutNumber(s, row, col, CellKind::Error, v); break;
        default: PutText(s, row, col, u""); break;
    }
    return true;
}

bool OnString(const Record& r, SheetState& s) {
    if (s.pendingRow < 0) return true;
    std::u16string text;
    SegmentCursor c(r);
    if (!c.String(false, text)) return false;
    PutText(s, static_cast<uint16_t>(s.pendingRow), s.pendingCol, std::move(text));
    s.pendingRow = -1;
    return true;
}

using CellHandler = bool (*)(const Record&, SheetState&);
constexpr struct {
    uint16_t id;
    CellHandler handle;
} kCellHandlers[] = {
    {rec::kLabelSst, OnLabelSst}, {rec::kLabel, OnLabel},     {rec::kRString, OnLabel},
    {rec::kNumber, OnNumber},     {rec::kRk, OnRk},           {rec::kMulRk, OnMulRk},
    {rec::kBoolErr, OnBoolErr},   {rec::kFormula, OnFormula}, {rec::kFormula4, OnFormula},
    {rec::kString, OnString},
};

bool HandleCell(const Record& r, SheetState& s) {
    for (const auto& h : kCellHandlers)
        if (h.id == r.id) return h.handle(r, s);
    return true;  // formats, drawings and the like carry no cell value
}

ReadStatus ReadSheet(std::string_view stream, uint32_t offset, SheetState& s) {
    RecordReader reader(stream, offset);
    Record r;
    uint16_t type = 0;
    if (offset >= stream.size() || !reader.Next(r) || !IsBiff8Bof(r, &type))
        return ReadStatus::Damaged;
    if (type != kWorksheetBof) s.sheet.type = SheetType::Other;
    // Embedded charts bring their own BOF..EOF; only depth 1 holds cells.
    for (int depth = 1; reader.Next(r);) {
        if (r.id == rec::kBof) ++depth;
        if (r.id == rec::kEof && --depth == 0) return ReadStatus::Ok;
        if (depth == 1 && !HandleCell(r, s)) return ReadStatus::Damaged;
    }
    return ReadStatus::Damaged;
}

}  // namespace

ReadStatus ParseWorkbook(std::string_view stream, Workbook& out) {
    Globals g;
    ReadStatus status = ReadGlobals(stream, g);
    if (status != ReadStatus::Ok) return status;
    out.sheets.clear();
    for (SheetEntry& e : g.entries) {
        if (e.sheet.type == SheetType::Worksheet) {
            SheetState state{e.sheet, g.sst};
            status = ReadSheet(stream, e.offset, state);
            if (status != ReadStatus::Ok) return status;
        }
        out.sheets.push_back(std::move(e.sheet));
    }
    return ReadStatus::Ok;
}

}  // namespace dorvik::xls
