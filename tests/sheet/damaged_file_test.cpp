// Damaged workbooks: hundreds of mutated files (container and record
// level) are opened, read and written. None may crash; a failure carries a
// last error, and a failed write leaves the file byte-identical.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "../support/fakes.h"
#include "model/text_codec.h"
#include "sheet/ole_container.h"
#include "sheet/sheet_chooser.h"
#include "sheet/spreadsheet.h"
#include "sheet_test_support.h"

namespace dorvik {
namespace {

using test::ReadBytes;
using test::ScratchDir;
using test::WriteBytes;

constexpr int kRuns = 400;


// A workbook with two sheets, shared strings over several CONTINUE records
// and a long Chinese text.
std::string SeedWorkbook(const ScratchDir& dir) {
    std::string path = dir.File("seed.xls");
    for (const char* name : {"S1", "S2"}) {
        CSpreadSheet sheet(path, name, false);
        sheet.StartBatch();
        sheet.SetHeaderRow({"Index", "Phone Number", "User Name"});
        for (int r = 2; r < 60; ++r)
            sheet.PutRow({std::to_string(r), std::to_string(13900000000LL + r), Utf8ToGb("张三") + std::to_string(r)}, r, true);
        sheet.PutRow({"1", "2", Utf8ToGb(std::string(9000, 'x') + "中文")}, 60, true);
        EXPECT_TRUE(sheet.WriteSheet()) << sheet.LastError();
    }
    return ReadBytes(path);
}

std::string Mutate(std::string s, std::mt19937& rng) {
    auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
    const unsigned char interesting[] = {0x00, 0x01, 0x7F, 0x80, 0xFF, 0x3C, 0xFC};
    switch (pick(5)) {
        case 0: s.resize(pick(s.size())); break;
        case 1:
            for (int i = 0, n = 1 + static_cast<int>(pick(8)); i < n; ++i) s[pick(s.size())] ^= static_cast<char>(1 << pick(8));
            break;
        case 2: s[pick(s.size())] = static_cast<char>(interesting[pick(sizeof interesting)]); break;
        case 3: {
            size_t at = pick(s.size() - 1);
            s[at] = static_cast<char>(pick(256));
            s[at + 1] = static_cast<char>(pick(256));
            break;
        }
        default: {
            size_t from = pick(s.size()), n = pick(64);
            s.insert(pick(s.size()), s.substr(from, n));
        }
    }
    return s;
}

// Opens and reads every row; returns whether the open worked.
bool Exercise(const std::string& path) {
    CSpreadSheet sheet(path, "S1", false);
    std::vector<std::string> row;
    for (int r = 1; r <= sheet.TotalRows(); ++r) sheet.GetRow(r, row);
    return sheet.LastError().empty();
}

void ListSheets(const std::string& path) {
    test::ScriptedSheetChooser chooser("S1");
    test::RecordingMessageBox box;
    ChooseSheet(path, "S1", chooser, box);
}

// A write either succeeds with a readable result or leaves the file as it was.
void ExpectWriteSafe(const std::string& path) {
    std::string before = ReadBytes(path);
    CSpreadSheet sheet(path, "S2", false);
    if (sheet.PutRow({"Index", "Phone Number", "User Name", "New"}, 1, true)) {
        CSpreadSheet again(path, "S2", false);
        EXPECT_EQ(again.LastError(), "");
        EXPECT_EQ(again.FieldNames().size(), 4u);
    } else {
        EXPECT_FALSE(sheet.LastError().empty());
        EXPECT_EQ(ReadBytes(path), before);
    }
}

// Writes kRuns files made by `make` and exercises each; returns how many
// failed to open.
int MutationRuns(const std::string& path, unsigned seed, const std::function<std::string(std::mt19937&)>& make) {
    std::mt19937 rng(seed);
    int failed = 0;
    for (int i = 0; i < kRuns; ++i) {
        WriteBytes(path, make(rng));
        if (!Exercise(path)) ++failed;
        if (i % 10 == 0) ListSheets(path);
        if (i % 25 == 0) ExpectWriteSafe(path);
    }
    return failed;
}

// Mutations of the whole container and of the records inside an intact one.
TEST(DamagedWorkbook, MutatedContainersAndRecordsNeverCrashAndFailWithAReason) {
    ScratchDir dir;
    std::string seed = SeedWorkbook(dir);
    EXPECT_GT(MutationRuns(dir.File("m.xls"), 20240601, [&](std::mt19937& rng) { return Mutate(seed, rng); }), 0);
    xls::OleFile ole;
    ASSERT_EQ(xls::ReadOle(seed, ole), xls::ReadStatus::Ok);
    auto make = [&](std::mt19937& rng) { return test::XlsBytes(Mutate(ole.workbook, rng)); };
    EXPECT_GT(MutationRuns(dir.File("r.xls"), 7, make), 0);
}

}  // namespace
}  // namespace dorvik
