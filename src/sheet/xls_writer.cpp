// Writing a BIFF8 workbook stream: the globals every reader expects (fonts,
// style and cell formats, sheet list, shared strings with their index) and
// one substream per worksheet with its cell values.
#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "sheet/biff_records.h"
#include "sheet/xls_workbook.h"

namespace dorvik::xls {
namespace {

using namespace std::string_view_literals;

constexpr uint16_t kCellXf = 16;  // first cell format, after the 16 style formats
constexpr int kStyleXfs = 16;
constexpr int kFonts = 4;
constexpr size_t kMinStreamSize = 4096;  // older readers want at least this much

constexpr std::string_view kGlobalsBof = "\x00\x06\x05\x00\xBB\x0D\xCC\x07\x00\x00\x00\x00\x06\x00\x00\x00"sv;
constexpr std::string_view kSheetBof = "\x00\x06\x10\x00\xBB\x0D\xCC\x07\x00\x00\x00\x00\x06\x00\x00\x00"sv;
constexpr std::string_view kCodePageUtf16 = "\xB0\x04"sv;
// Arial 10 pt, regular, automatic colour.
constexpr std::string_view kFont =
    "\xC8\x00\x00\x00\xFF\x7F\x90\x01\x00\x00\x00\x00\x00\x00\x05\x00"
    "Arial"sv;
constexpr std::string_view kStyleXf =
    "\x00\x00\x00\x00\xF5\xFF\x20\x00\x00\xF4\x00\x00\x00\x00\x00\x00\x00\x00\xC0\x20"sv;
constexpr std::string_view kCellXfData =
    "\x00\x00\x00\x00\x01\x00\x20\x00\x00\xF8\x00\x00\x00\x00\x00\x00\x00\x00\xC0\x20"sv;
constexpr std::string_view kNormalStyle = "\x00\x80\x00\xFF"sv;
// Window position and size, tab bar shown, first tab active.
constexpr std::string_view kWindow1 =
    "\xE0\x01\x5A\x00\xCF\x3F\x4E\x2A\x38\x00\x00\x00\x00\x00\x01\x00\x58\x02"sv;

constexpr uint16_t kWindow2Shown = 0x00B6;     // grid, headers, zeros, outline
constexpr uint16_t kWindow2Selected = 0x0600;  // selected and displayed tab

bool AllNarrow(std::u16string_view s) {
    return std::all_of(s.begin(), s.end(), [](char16_t c) { return c <= 0xFF; });
}

void PutChars(std::string& out, std::u16string_view s, bool wide) {
    for (char16_t c : s) {
        if (wide)
            Put16(out, c);
        else
            out.push_back(static_cast<char>(c));
    }
}

// Shared strings split into record-sized segments; a string's characters
// that do not fit go on in the next segment after a fresh option byte.
class SstBuilder {
public:
    struct Mark {
        size_t segment, pos;
    };
    SstBuilder(uint32_t total, uint32_t unique) : segs_(1) {
        Put32(segs_[0], total);
        Put32(segs_[0], unique);
    }
    Mark Add(std::u16string_view s);
    const std::vector<std::string>& segments() const { return segs_; }

private:
    size_t Room() const { return kMaxRecordData - segs_.back().size(); }
    std::vector<std::string> segs_;
};

SstBuilder::Mark SstBuilder::Add(std::u16string_view s) {
    bool wide = !AllNarrow(s);
    size_t width = wide ? 2 : 1;
    if (Room() < 3 + (s.empty() ? 0 : width)) segs_.emplace_back();
    Mark mark{segs_.size() - 1, segs_.back().size()};
    Put16(segs_.back(), static_cast<uint16_t>(s.size()));
    segs_.back().push_back(wide ? 1 : 0);
    for (size_t i = 0;;) {
        size_t n = std::min(s.size() - i, Room() / width);
        PutChars(segs_.back(), s.substr(i, n), wide);
        i += n;
        if (i == s.size()) return mark;
        segs_.emplace_back(1, static_cast<char>(wide ? 1 : 0));
    }
}

// Unique strings of all text cells, in first-use order.
struct StringTable {
    std::unordered_map<std::u16string, uint32_t> index;
    std::vector<const std::u16string*> order;
    uint32_t uses = 0;
};

bool Written(const Cell& c) { return c.kind != CellKind::Text || !c.text.empty(); }

StringTable CollectStrings(const Workbook& wb) {
    StringTable t;
    for (const Sheet& sheet : wb.sheets)
        for (const Row& row : sheet.rows)
            for (const Cell& c : row) {
                if (c.kind != CellKind::Text || c.text.empty()) continue;
                ++t.uses;
                auto [it, fresh] = t.index.emplace(c.text, static_cast<uint32_t>(t.order.size()));
                if (fresh) t.order.push_back(&it->first);
            }
    return t;
}

// SST in record-sized pieces, then EXTSST pointing at every dsst-th string.
void WriteSst(RecordWriter& w, const StringTable& t) {
    SstBuilder sst(t.uses, static_cast<uint32_t>(t.order.size()));
    size_t perBucket = std::max<size_t>(8, (t.order.size() + 127) / 128);
    std::vector<SstBuilder::Mark> marks;
    for (size_t i = 0; i < t.order.size(); ++i) {
        SstBuilder::Mark m = sst.Add(*t.order[i]);
        if (i % perBucket == 0) marks.push_back(m);
    }
    std::vector<size_t> segStart;
    for (const std::string& seg : sst.segments()) {
        segStart.push_back(w.Size());
        w.Add(segStart.size() == 1 ? rec::kSst : rec::kContinue, seg);
    }
    std::string ext;
    Put16(ext, static_cast<uint16_t>(perBucket));
    for (const SstBuilder::Mark& m : marks) {
        Put32(ext, static_cast<uint32_t>(segStart[m.segment] + 4 + m.pos));
        Put16(ext, static_cast<uint16_t>(4 + m.pos));
        Put16(ext, 0);
    }
    w.Add(rec::kExtSst, ext);
}

size_t ActiveSheet(const Workbook& wb) {
    for (size_t i = 0; i < wb.sheets.size(); ++i)
        if (wb.sheets[i].visibility == 0) return i;
    return 0;
}

std::string Window1(size_t active) {
    std::string d(kWindow1);
    d[10] = static_cast<char>(active & 0xFF);
    d[11] = static_cast<char>(active >> 8);
    return d;
}

std::string BoundSheet(const Sheet& s) {
    std::string d;
    Put32(d, 0);  // substream position, set once the globals are complete
    d.push_back(static_cast<char>(s.visibility));
    d.push_back(0);  // worksheet
    bool wide = !AllNarrow(s.name);
    d.push_back(static_cast<char>(s.name.size()));
    d.push_back(wide ? 1 : 0);
    PutChars(d, s.name, wide);
    return d;
}

constexpr struct {
    uint16_t id;
    std::string_view data;
    int count;
} kFormatRecords[] = {
    {rec::kFont, kFont, kFonts},
    {rec::kXf, kStyleXf, kStyleXfs},
    {rec::kXf, kCellXfData, 1},
    {rec::kStyle, kNormalStyle, 1},
};

// Writes the globals; returns where each sheet's substream position goes.
std::vector<size_t> WriteGlobals(RecordWriter& w, const Workbook& wb, const StringTable& t) {
    w.Add(rec::kBof, kGlobalsBof);
    w.Add(rec::kCodePage, kCodePageUtf16);
    w.Add(rec::kWindow1, Window1(ActiveSheet(wb)));
    for (const auto& f : kFormatRecords)
        for (int i = 0; i < f.count; ++i) w.Add(f.id, f.data);
    std::vector<size_t> positions;
    for (const Sheet& s : wb.sheets) {
        positions.push_back(w.Size() + 4);
        w.Add(rec::kBoundSheet, BoundSheet(s));
    }
    WriteSst(w, t);
    w.Add(rec::kEof, {});
    return positions;
}

std::string Dimensions(const Sheet& s) {
    uint32_t firstRow = UINT32_MAX, lastRow = 0;
    uint16_t firstCol = UINT16_MAX, lastCol = 0;
    for (size_t r = 0; r < s.rows.size(); ++r)
        for (const Cell& c : s.rows[r]) {
            if (!Written(c)) continue;
            firstRow = std::min<uint32_t>(firstRow, static_cast<uint32_t>(r));
            lastRow = static_cast<uint32_t>(r + 1);
            firstCol = std::min(firstCol, c.col);
            lastCol = std::max<uint16_t>(lastCol, static_cast<uint16_t>(c.col + 1));
        }
    std::string d;
    Put32(d, firstRow == UINT32_MAX ? 0 : firstRow);
    Put32(d, lastRow);
    Put16(d, firstCol == UINT16_MAX ? 0 : firstCol);
    Put16(d, lastCol);
    Put16(d, 0);
    return d;
}

// The record of one cell value: shared string, number, or boolean/error.
uint16_t CellRecord(const Cell& c, size_t row, const StringTable& t, std::string& d) {
    d.clear();
    Put16(d, static_cast<uint16_t>(row));
    Put16(d, c.col);
    Put16(d, kCellXf);
    switch (c.kind) {
        case CellKind::Text: Put32(d, t.index.at(c.text)); return rec::kLabelSst;
        case CellKind::Number: PutDouble(d, c.number); return rec::kNumber;
        case CellKind::Boolean:
        case CellKind::Error: break;
    }
    d.push_back(static_cast<char>(static_cast<uint8_t>(c.number)));
    d.push_back(c.kind == CellKind::Error ? 1 : 0);
    return rec::kBoolErr;
}

std::string Window2(bool active) {
    std::string d;
    Put16(d, active ? kWindow2Shown | kWindow2Selected : kWindow2Shown);
    Put16(d, 0);     // top row
    Put16(d, 0);     // left column
    Put32(d, 0x40);  // default grid colour
    d.append(8, '\0');
    return d;
}

void WriteSheet(RecordWriter& w, const Sheet& s, const StringTable& t, bool active) {
    w.Add(rec::kBof, kSheetBof);
    w.Add(rec::kDimensions, Dimensions(s));
    std::string d;
    for (size_t r = 0; r < s.rows.size(); ++r)
        for (const Cell& c : s.rows[r])
            if (Written(c)) {
                uint16_t id = CellRecord(c, r, t, d);
                w.Add(id, d);
            }
    w.Add(rec::kWindow2, Window2(active));
    w.Add(rec::kEof, {});
}

WriteStatus Check(const Sheet& s) {
    if (s.type != SheetType::Worksheet) return WriteStatus::OtherSheetType;
    if (s.name.empty() || s.name.size() > 255) return WriteStatus::BadSheetName;
    if (s.rows.size() > kMaxRows) return WriteStatus::TooLarge;
    for (const Row& row : s.rows)
        for (const Cell& c : row) {
            if (c.col >= kMaxCols) return WriteStatus::TooLarge;
            if (c.text.size() > kMaxTextChars) return WriteStatus::TextTooLong;
        }
    return WriteStatus::Ok;
}

}  // namespace

WriteStatus CheckSheets(const Workbook& wb, std::u16string* problem) {
    for (const Sheet& s : wb.sheets) {
        WriteStatus status = Check(s);
        if (status == WriteStatus::Ok) continue;
        if (problem) *problem = s.name;
        return status;
    }
    return WriteStatus::Ok;
}

WriteStatus BuildWorkbook(const Workbook& wb, std::string& stream, std::u16string* problem) {
    if (WriteStatus status = CheckSheets(wb, problem); status != WriteStatus::Ok) return status;
    StringTable strings = CollectStrings(wb);
    RecordWriter w;
    std::vector<size_t> positions = WriteGlobals(w, wb, strings);
    size_t active = ActiveSheet(wb);
    for (size_t i = 0; i < wb.sheets.size(); ++i) {
        Set32(w.Bytes(), positions[i], static_cast<uint32_t>(w.Size()));
        WriteSheet(w, wb.sheets[i], strings, i == active);
    }
    if (w.Size() < kMinStreamSize) w.Bytes().resize(kMinStreamSize, '\0');
    stream = std::move(w.Bytes());
    return WriteStatus::Ok;
}

}  // namespace dorvik::xls
