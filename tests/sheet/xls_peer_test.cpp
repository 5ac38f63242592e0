// Workbooks checked against independent readers and writers: files we write
// are read by xlrd (.xls), openpyxl (.xlsx) and odfpy (.ods), files they
// write are read by us, and both sides must agree cell for cell.
#include <gtest/gtest.h>

#include "../support/fakes.h"
#include "model/text_codec.h"
#include "sheet/sheet_chooser.h"
#include "sheet/spreadsheet.h"
#include "sheet/xml_workbooks.h"
#include "sheet_test_support.h"

namespace dorvik {
namespace {

using test::CellMap;
using test::ScratchDir;

const std::string kZhang = Utf8ToGb("张三");
const std::string kSheetUser = Utf8ToGb("用户");


// Writes a sheet through the table layer in one batch, the way a list
// export does; returns the cells written.
CellMap Export(const std::string& path, const std::string& sheetName, int rows,
               const std::string& name) {
    CSpreadSheet sheet(path, sheetName, true);
    sheet.StartBatch();
    sheet.SetHeaderRow({"Index", "Phone Number", "User Name", "In Unit"});
    CellMap expected{{{0, 0}, "Index"}, {{0, 1}, "Phone Number"}, {{0, 2}, "User Name"}, {{0, 3}, "In Unit"}};
    for (int r = 1; r <= rows; ++r) {
        std::vector<std::string> cells = {std::to_string(r), std::to_string(13900000000LL + r),
                                          name + std::to_string(r), "0"};
        EXPECT_TRUE(sheet.PutRow(cells, r + 1, true));
        for (int c = 0; c < 4; ++c) expected[{r, c}] = GbToUtf8(cells[static_cast<size_t>(c)]);
    }
    EXPECT_TRUE(sheet.WriteSheet()) << sheet.LastError();
    return expected;
}

class PeerReads : public ::testing::TestWithParam<const char*> {
protected:
    std::string File(const std::string& stem) const { return dir.File(stem + GetParam()); }
    ScratchDir dir;
};

TEST_P(PeerReads, OurWorkbooksWithTheSameCellsAndSheetOrder) {
    std::string path = File("lists");
    CellMap phones = Export(path, "PhoneNumbers", 500, kZhang);
    CellMap users = Export(path, kSheetUser, 3, "x\"y,z");
    CellMap log = Export(path, "Log", 0, "");

    std::vector<test::PeerSheet> peer = test::PeerRead(path);
    ASSERT_EQ(peer.size(), 3u) << test::RunPeer("dump", path);
    EXPECT_EQ(peer[0].name, "PhoneNumbers");
    EXPECT_EQ(peer[1].name, "用户");
    EXPECT_EQ(peer[2].name, "Log");
    EXPECT_EQ(peer[0].cells, phones);
    EXPECT_EQ(peer[1].cells, users);
    EXPECT_EQ(peer[2].cells, log);
    EXPECT_EQ(peer[0].cells[std::make_pair(500, 2)], "张三500");
}

INSTANTIATE_TEST_SUITE_P(Kinds, PeerReads, ::testing::Values(".xls", ".xlsx", ".ods"),
                         [](const auto& info) { return std::string(info.param + 1); });

// Every sheet of a peer's workbook, listed and read through the table layer.
void ExpectSameAsPeer(const std::string& path) {
    std::vector<test::PeerSheet> peer = test::PeerRead(path);
    ASSERT_FALSE(peer.empty()) << test::RunPeer("dump", path);
    test::ScriptedSheetChooser chooser;
    test::RecordingMessageBox box;
    std::optional<std::string> only = ChooseSheet(path, "PhoneNumbers", chooser, box);
    // A single sheet is taken without asking.
    std::vector<std::string> names, offered = only ? std::vector{*only} : chooser.offered.at(0);
    for (const std::string& gb : offered) names.push_back(GbToUtf8(gb));
    ASSERT_EQ(names.size(), peer.size());
    for (size_t i = 0; i < peer.size(); ++i) {
        EXPECT_EQ(names[i], peer[i].name);
        CellMap ours = test::TableRead(path, Utf8ToGb(peer[i].name));
        EXPECT_EQ(ours.size(), peer[i].cells.size()) << peer[i].name;
        EXPECT_TRUE(ours == peer[i].cells) << "sheet " << peer[i].name;
    }
}

class PeerWorkbooks : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new ScratchDir;
        made_ = test::RunPeer("make", dir_->path());
    }
    static void TearDownTestSuite() { delete dir_; }
    static ScratchDir* dir_;
    static std::string made_;
};
ScratchDir* PeerWorkbooks::dir_ = nullptr;
std::string PeerWorkbooks::made_;

// Several sheets, numbers, Chinese, rich text and repeated cells; cached
// formula results of .xls files are read in XlsRecords.
TEST_F(PeerWorkbooks, EveryKindReadsLikeThePeer) {
    ASSERT_EQ(made_, "");
    for (const char* name : {"multi.xls", "multi.xlsx", "crafted.xlsx", "multi.ods"})
        ExpectSameAsPeer(dir_->File(name));
    CellMap numbers = test::TableRead(dir_->File("multi.xls"), "Numbers");
    EXPECT_EQ(numbers[std::make_pair(2, 0)], "13900002222");
    EXPECT_EQ(numbers[std::make_pair(0, 0)], "5");
    for (const char* name : {"multi.xlsx", "multi.ods"}) {
        CellMap phones = test::TableRead(dir_->File(name), "PhoneNumbers");
        EXPECT_EQ(phones[std::make_pair(3, 1)], "13900000003") << name;
        EXPECT_EQ(phones[std::make_pair(3, 2)], "中文姓名3") << name;
    }
    CellMap runs = test::TableRead(dir_->File("crafted.xlsx"), "Runs");
    EXPECT_EQ(runs[std::make_pair(0, 0)], "rich 中文姓名");
    EXPECT_EQ(runs[std::make_pair(0, 2)], "13900002222");
}

// Numbers of the other sheets stay numbers when one sheet is written.
bool HoldsNumber(const std::string& path, size_t row, uint16_t col) {
    xls::Workbook wb;
    std::string bytes = test::ReadBytes(path);
    auto read = path.ends_with(".ods") ? xls::ReadOds : xls::ReadXlsx;
    if (read(bytes, wb) != xls::ReadStatus::Ok || wb.sheets.empty() || wb.sheets[0].rows.size() <= row) return false;
    for (const xls::Cell& c : wb.sheets[0].rows[row])
        if (c.col == col) return c.kind == xls::CellKind::Number;
    return false;
}

TEST_F(PeerWorkbooks, WritingOneSheetKeepsTheOtherSheetsValuesAndNumbers) {
    ASSERT_EQ(made_, "");
    for (const char* name : {"multi.xls", "multi.xlsx", "multi.ods"}) {
        std::string path = dir_->File(std::string("kept_") + name);
        test::WriteBytes(path, test::ReadBytes(dir_->File(name)));
        std::vector<test::PeerSheet> before = test::PeerRead(path);
        CellMap fresh = Export(path, "Fresh", 3, kZhang);
        std::vector<test::PeerSheet> after = test::PeerRead(path);
        ASSERT_EQ(after.size(), before.size() + 1) << name;
        for (size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(after[i].name, before[i].name);
            EXPECT_EQ(after[i].cells, before[i].cells) << before[i].name;
        }
        EXPECT_EQ(after.back().name, "Fresh");
        EXPECT_EQ(after.back().cells, fresh);
        if (!std::string_view(name).ends_with(".xls")) {
            EXPECT_TRUE(HoldsNumber(path, 5, 1)) << name;
        }
    }
}

}  // namespace
}  // namespace dorvik
