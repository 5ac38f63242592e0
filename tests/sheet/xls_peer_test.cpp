// Workbooks of the peer are read by us, and the peer reads what we write, cell for cell.
#include <gtest/gtest.h>

#include <tuple>

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

// Writes `rows` numbered phone rows in one batch; returns the cells in UTF-8.
CellMap Export(const std::string& path, const std::string& sheetName, int rows) {
    test::Rows table = {{"Index", "Phone Number", "User Name", "In Unit"}};
    for (int r = 1; r <= rows; ++r)
        table.push_back({std::to_string(r), std::to_string(13900000000LL + r),
                         kZhang + std::to_string(r), "0"});
    test::WriteRows(path, sheetName, table);
    return test::CellsOf(table);
}

// Every sheet of a peer's workbook, listed and read through the table layer.
void ExpectSameAsPeer(const std::string& path) {
    std::vector<test::PeerSheet> peer = test::PeerRead(path);
    ASSERT_FALSE(peer.empty()) << test::RunPeer("dump", path);
    test::ScriptedSheetChooser chooser;
    test::RecordingMessageBox box;
    std::optional<std::string> only = ChooseSheet(path, "PhoneNumbers", chooser, box);
    std::vector<std::string> names, offered = only ? std::vector{*only} : chooser.offered.at(0);
    for (const std::string& gb : offered) names.push_back(GbToUtf8(gb));
    ASSERT_EQ(names.size(), peer.size());
    for (size_t i = 0; i < peer.size(); ++i) {
        EXPECT_EQ(names[i], peer[i].name);
        CellMap ours = test::TableRead(path, Utf8ToGb(peer[i].name));
        EXPECT_EQ(ours, peer[i].cells) << "sheet " << peer[i].name;
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
}

// The peer's sheets (numbers staying numbers) are kept and it reads the
// sheet we add, with as many rows as a list export writes.
bool HoldsNumber(const std::string& path, size_t row, uint16_t col) {
    xls::Workbook wb;
    auto read = path.ends_with(".ods") ? xls::ReadOds : xls::ReadXlsx;
    EXPECT_EQ(read(test::ReadBytes(path), wb), xls::ReadStatus::Ok);
    for (const xls::Cell& c : wb.sheets.at(0).rows.at(row))
        if (c.col == col) return c.kind == xls::CellKind::Number;
    return false;
}

TEST_F(PeerWorkbooks, WritingOneSheetKeepsTheOtherSheetsValuesAndNumbers) {
    ASSERT_EQ(made_, "");
    for (const char* name : {"multi.xls", "multi.xlsx", "multi.ods"}) {
        std::string path = dir_->File(std::string("kept_") + name);
        test::WriteBytes(path, test::ReadBytes(dir_->File(name)));
        std::vector<test::PeerSheet> before = test::PeerRead(path);
        CellMap fresh = Export(path, "Fresh", 500);
        std::vector<test::PeerSheet> after = test::PeerRead(path);
        ASSERT_EQ(after.size(), before.size() + 1) << name;
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(std::tie(after[i].name, after[i].cells),
                      std::tie(before[i].name, before[i].cells));
        EXPECT_EQ(std::tie(after.back().name, after.back().cells), std::tie("Fresh", fresh));
        EXPECT_TRUE(std::string_view(name).ends_with(".xls") || HoldsNumber(path, 5, 1)) << name;
    }
}

}  // namespace
}  // namespace dorvik
