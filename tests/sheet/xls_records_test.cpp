// Records xlwt never writes (RK forms, LABEL, RSTRING, BOOLERR, formula results, rich and
// phonetic strings over CONTINUE records, charts) read like xlrd; the OLE container.
#include <gtest/gtest.h>

#include <cstring>

#include "../support/fakes.h"
#include "model/text_codec.h"
#include "sheet/biff_records.h"
#include "sheet/ole_container.h"
#include "sheet/sheet_chooser.h"
#include "sheet/spreadsheet.h"
#include "sheet/xml_workbooks.h"
#include "sheet_test_support.h"

namespace dorvik {
namespace {

using xls::Put16;
using xls::Put32;
using xls::PutDouble;
namespace rec = xls::rec;

std::string Bof(uint16_t type) {
    std::string d;
    Put16(d, 0x0600);
    Put16(d, type);
    d.append(12, '\0');
    return d;
}

std::string Chars(std::u16string_view s, bool wide) {
    std::string d;
    for (char16_t c : s) wide ? Put16(d, c) : d.push_back(static_cast<char>(c));
    return d;
}

// Row, column and format of a cell record.
std::string At(uint16_t row, uint16_t col) {
    std::string d;
    Put16(d, row);
    Put16(d, col);
    Put16(d, 15);
    return d;
}

std::string Sst() {
    std::string s;
    Put32(s, 9);
    Put32(s, 8);
    s += std::string("\x05\x00\x00", 3) + "plain";
    s += std::string("\x04\x00\x08\x02\x00", 5) + "rich" + std::string(8, '\x01');
    s += std::string("\x03\x00\x05\x06\x00\x00\x00", 7) + Chars(u"pho", true) + std::string(6, '\x02');
    s += std::string("\x08\x00\x00", 3) + "ABCDEF";  // two characters go on, wide
    return s;
}

std::vector<std::string> SstContinues() {
    std::string c1 = "\x01" + Chars(u"中文", true);
    c1 += std::string("\x02\x00\x09\x01\x00", 5) + Chars(u"文本", true);  // its run follows
    std::string c2 = std::string(4, '\x03') + std::string(3, '\0');    // run, empty string
    c2 += std::string("\x03\x00\x04\x08\x00\x00\x00", 7) + "ph2" + std::string(4, '\x04');
    std::string c3 = std::string(4, '\x04') + std::string("\x04\x00\x00", 3) + "last";
    return {c1, c2, c3};
}

uint32_t Rk(double v, bool times100) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return static_cast<uint32_t>(bits >> 32) | (times100 ? 1u : 0u);
}
uint32_t RkInt(int32_t v, bool times100) {
    return (static_cast<uint32_t>(v) << 2) | 2u | (times100 ? 1u : 0u);
}

void Cells(xls::RecordWriter& w) {
    for (uint16_t i = 0; i < 8; ++i) {
        std::string d = At(0, i);
        Put32(d, i);
        w.Add(rec::kLabelSst, d);
    }
    w.Add(rec::kLabel, At(1, 0) + std::string("\x03\x00\x01", 3) + Chars(u"标签a", true));
    w.Add(rec::kRString, At(1, 1) + std::string("\x02\x00\x00", 3) + "rs" + std::string("\x01\x00\x00\x00\x00\x00", 6));
    uint32_t rks[] = {RkInt(123, false), Rk(1.5, false), RkInt(12345, true), RkInt(-7, false)};
    for (uint16_t c = 0; c < 4; ++c) {
        std::string d = At(2, c);
        Put32(d, rks[c]);
        w.Add(rec::kRk, d);
    }
    std::string mulrk;
    Put16(mulrk, 3);
    Put16(mulrk, 1);
    for (uint32_t rk : {RkInt(1, false), Rk(2.5, false), RkInt(-100, false)}) {
        Put16(mulrk, 15);
        Put32(mulrk, rk);
    }
    Put16(mulrk, 3);
    w.Add(rec::kMulRk, mulrk);
    double numbers[] = {13900002222.0, -0.0, 0.1, 1.0 / 3};
    for (uint16_t c = 0; c < 4; ++c) {
        std::string d = At(4, c);
        PutDouble(d, numbers[c]);
        w.Add(rec::kNumber, d);
    }
    w.Add(rec::kBoolErr, At(5, 0) + std::string("\x01\x00", 2));
    w.Add(rec::kBoolErr, At(5, 1) + std::string("\x07\x01", 2));
    w.Add(rec::kBoolErr, At(5, 2) + std::string("\x00\x00", 2));
    w.Add(rec::kBlank, At(6, 0));
    w.Add(rec::kMulBlank, std::string("\x06\x00\x01\x00\x0f\x00\x0f\x00\x02\x00", 10));
}

std::string Formula(uint16_t col, std::string result) {
    return At(7, col) + result + std::string(6, '\0') + std::string("\x03\x00\x1e\x01\x00", 5);
}

void Formulas(xls::RecordWriter& w) {
    std::string number;
    PutDouble(number, 42);
    w.Add(rec::kFormula, Formula(0, number));
    w.Add(rec::kFormula, Formula(1, std::string("\x00\x00\x00\x00\x00\x00\xff\xff", 8)));
    w.Add(rec::kString, std::string("\x05\x00\x00", 3) + "abc");
    w.Add(rec::kContinue, "\x01" + Chars(u"中文", true));
    w.Add(rec::kFormula, Formula(2, std::string("\x01\x00\x01\x00\x00\x00\xff\xff", 8)));
    w.Add(rec::kFormula, Formula(3, std::string("\x02\x00\x2a\x00\x00\x00\xff\xff", 8)));
    w.Add(rec::kFormula, Formula(4, std::string("\x03\x00\x00\x00\x00\x00\xff\xff", 8)));
}

std::string CraftedStream() {
    xls::RecordWriter w;
    w.Add(rec::kBof, Bof(0x0005));
    // xlrd looks up the cell format of every cell.
    for (int i = 0; i < 4; ++i)
        w.Add(rec::kFont, std::string("\xC8\x00\x00\x00\xFF\x7F\x90\x01\x00\x00\x00\x00\x00\x00\x05\x00", 16) + "Arial");
    std::string xf("\x00\x00\x00\x00\xF5\xFF\x20\x00\x00\xF4\x00\x00\x00\x00\x00\x00\x00\x00\xC0\x20", 20);
    for (int i = 0; i < 16; ++i) w.Add(rec::kXf, xf);
    std::vector<size_t> positions;
    for (std::string_view name : {"Crafted", "Chart1"}) {
        positions.push_back(w.Size() + 4);
        std::string d(4, '\0');
        d += std::string{'\0', name == "Chart1" ? '\x02' : '\0', static_cast<char>(name.size()), '\0'};
        w.Add(rec::kBoundSheet, d + std::string(name));
    }
    w.Add(rec::kSst, Sst());
    for (const std::string& c : SstContinues()) w.Add(rec::kContinue, c);
    w.Add(rec::kEof, {});
    xls::Set32(w.Bytes(), positions[0], static_cast<uint32_t>(w.Size()));
    w.Add(rec::kBof, Bof(0x0010));
    Cells(w);
    Formulas(w);
    w.Add(rec::kBof, Bof(0x0020));  // an embedded chart: its records hold no cells
    w.Add(rec::kNumber, At(9, 0) + std::string(8, '\0'));
    w.Add(rec::kEof, {});
    w.Add(rec::kEof, {});
    xls::Set32(w.Bytes(), positions[1], static_cast<uint32_t>(w.Size()));
    w.Add(rec::kBof, Bof(0x0020));
    w.Add(rec::kEof, {});
    return w.Bytes();
}

std::string WriteCrafted(const test::ScratchDir& dir) {
    std::string path = dir.File("crafted.xls");
    test::WriteBytes(path, test::XlsBytes(CraftedStream()));
    return path;
}

TEST(XlsRecords, EveryCellRecordReadsAsXlrdReadsIt) {
    test::ScratchDir dir;
    std::string path = WriteCrafted(dir);
    std::vector<test::PeerSheet> peer = test::PeerRead(path);
    ASSERT_EQ(peer.size(), 1u) << test::RunPeer("dump", path);
    test::CellMap ours = test::TableRead(path, "Crafted");
    EXPECT_EQ(ours, peer[0].cells);
    EXPECT_EQ(ours.at({0, 3}), "ABCDEF中文");  // a string split over a CONTINUE
    EXPECT_EQ(ours.at({7, 1}), "abc中文");     // a formula's string result likewise
    EXPECT_EQ(ours.size(), 27u);
}

TEST(XlsRecords, ChartSheetIsNotOfferedAndBlocksWritingWithoutLoss) {
    test::ScratchDir dir;
    std::string path = WriteCrafted(dir);
    test::ScriptedSheetChooser chooser;
    test::RecordingMessageBox box;
    EXPECT_EQ(ChooseSheet(path, "PhoneNumbers", chooser, box), "Crafted");

    std::string before = test::ReadBytes(path);
    CSpreadSheet sheet(path, "Crafted", true);
    EXPECT_FALSE(sheet.Backup());
    EXPECT_FALSE(sheet.PutRow({"x"}, 0, false));
    EXPECT_EQ(sheet.LastError(), "The workbook holds a sheet that cannot be kept:Chart1\n");
    EXPECT_EQ(test::ReadBytes(path), before);
}

// Storages nested as deep as the reader goes are kept on a rewrite; one more is damage.
TEST(XlsContainer, StoragesNestedFifteenDeepAreKeptSixteenAreRefused) {
    test::ScratchDir dir;
    std::string path = dir.File("deep.xls");
    test::WriteRows(path, "S", {{"H"}});
    for (int depth : {15, 16}) {
        xls::OleEntry chain{"Data", false, "leaf", {}};
        for (int i = depth; i > 0; --i) chain = {"L" + std::to_string(i), true, "", {chain}};
        xls::OleFile ole, back;
        ASSERT_EQ(xls::ReadOle(test::ReadBytes(path), ole), xls::ReadStatus::Ok);
        ole.others.push_back(chain);
        std::string bytes;
        ASSERT_TRUE(xls::BuildOle(ole, bytes));
        EXPECT_EQ(xls::ReadOle(bytes, back),
                  depth == 15 ? xls::ReadStatus::Ok : xls::ReadStatus::Damaged);
        if (depth == 16) continue;
        test::WriteBytes(path, bytes);
        test::WriteRows(path, "T", {{"H"}});
        ASSERT_EQ(xls::ReadOle(test::ReadBytes(path), back), xls::ReadStatus::Ok);
        const xls::OleEntry* e = &back.others.at(0);
        for (int i = 0; i < depth; ++i) e = &e->children.at(0);
        EXPECT_EQ(std::tie(e->name, e->data), std::make_tuple("Data", "leaf"));
    }
}

// Hidden sheets stay hidden when a sheet is written; the first shown sheet is the active one.
TEST(XlsContainer, HiddenSheetsStayHiddenOnRewrite) {
    test::ScratchDir dir;
    xls::Workbook wb;
    for (uint8_t state : {1, 2, 0})
        wb.sheets.push_back({std::u16string(1, u'a' + state), xls::SheetType{}, state, {}});
    std::string stream, xlsx;
    ASSERT_EQ(xls::BuildWorkbook(wb, stream, nullptr), xls::WriteStatus::Ok);
    ASSERT_EQ(xls::BuildXlsx(wb, xlsx, nullptr), xls::WriteStatus::Ok);
    test::WriteBytes(dir.File("h.xls"), test::XlsBytes(stream));
    test::WriteBytes(dir.File("h.xlsx"), xlsx);
    for (const char* name : {"h.xls", "h.xlsx"}) test::WriteRows(dir.File(name), "New", {{"x"}});
    xls::OleFile ole;
    ASSERT_EQ(xls::ReadOle(test::ReadBytes(dir.File("h.xls")), ole), xls::ReadStatus::Ok);
    // The first write is read too: swapped hidden states would swap back on the rewrite.
    xls::Workbook fromXls, built, rewritten;
    ASSERT_EQ(xls::ParseWorkbook(ole.workbook, fromXls), xls::ReadStatus::Ok);
    ASSERT_EQ(xls::ReadXlsx(xlsx, built), xls::ReadStatus::Ok);
    ASSERT_EQ(xls::ReadXlsx(test::ReadBytes(dir.File("h.xlsx")), rewritten), xls::ReadStatus::Ok);
    for (const xls::Workbook* b : {&fromXls, &built, &rewritten})
        EXPECT_EQ(std::make_pair(+b->sheets.at(0).visibility, +b->sheets.at(1).visibility),
                  std::make_pair(1, 2));
    xls::RecordReader reader(ole.workbook, 0);
    int active = -1;
    for (xls::Record r; reader.Next(r);)
        if (r.id == rec::kWindow1) active = xls::Get16(r.Data().data() + 10);
    EXPECT_EQ(active, 2);
}

// The sheet's used range: first row and column, then one past the last of each.
TEST(XlsRecords, DimensionsSpanTheWrittenCells) {
    xls::Sheet sheet{u"s", xls::SheetType{}, 0, {}};
    sheet.rows.resize(3);
    sheet.rows[1].push_back({2, xls::CellKind::Text, 0, u"x"});
    sheet.rows[2].push_back({4, xls::CellKind::Number, 5, u""});
    xls::Workbook wb;
    wb.sheets.push_back(sheet);
    std::string stream;
    ASSERT_EQ(xls::BuildWorkbook(wb, stream, nullptr), xls::WriteStatus::Ok);
    xls::RecordReader reader(stream, 0);
    std::string dimensions;
    for (xls::Record r; reader.Next(r);)
        if (r.id == rec::kDimensions) dimensions = std::string(r.Data());
    EXPECT_EQ(dimensions, std::string("\1\0\0\0\3\0\0\0\2\0\5\0\0\0", 14));
}

// Other numbers are read above and against the peer; no file it writes holds an infinity.
TEST(XlsRecords, InfinityShowsAsANumberError) {
    EXPECT_EQ(xls::NumberText(1.0 / 0.0), "#NUM!");
}

}  // namespace
}  // namespace dorvik
