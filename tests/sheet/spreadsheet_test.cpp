// The table layer: kinds, batches, header names, backups and text files.
#include "sheet/spreadsheet.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>

#include "model/text_codec.h"
#include "sheet/text_table.h"
#include "sheet_test_support.h"

namespace dorvik {
namespace {

using Cells = std::vector<std::string>;
using test::ReadBytes;
using test::ScratchDir;
using test::WriteBytes;
using test::ReadRows;
using test::Rows;
using test::WriteRows;

TEST(SheetMode, PathEndingDecidesWorkbookOrTextAndTheSeparator) {
    ScratchDir dir;
    for (auto [name, workbook, separator] :
         {std::tuple{"a.Xls", true, ",;.?"}, {"a.csv", false, ","}, {"a.XLSX", true, ",;.?"},
          {"a.ods", true, ",;.?"}, {"a.TXT", false, "\t"}, {"a.tsv", false, "\t"}}) {
        CSpreadSheet sheet(dir.File(name), "PhoneNumbers", true);
        EXPECT_EQ(std::make_tuple(sheet.IsWorkbook(), sheet.Separator()),
                  std::make_tuple(workbook, separator)) << name;
    }
    // Any other extension is refused, never written as some other kind.
    for (auto [name, kind] : {std::pair{"noext", "(no extension)"},
                              {"dir.xlsx/file", "(no extension)"}, {"a.xls.bak", "\".bak\""}}) {
        CSpreadSheet sheet(dir.File(name), "S", false);
        EXPECT_FALSE(sheet.PutRow({"h"}, 1, true)) << name;
        EXPECT_EQ(sheet.LastError(), std::string("Unsupported file type ") + kind +
                                         ": use .xlsx, .ods, .xls, .csv, .txt or .tsv\n");
        EXPECT_FALSE(std::filesystem::exists(dir.File(name))) << name;
    }
}

// Texts that could break the row encoding of any kind are stored as they are.
TEST(EveryKind, AwkwardCellTextsRoundTrip) {
    ScratchDir dir;
    // The last text holds a character outside the BMP (four UTF-8 bytes).
    Rows rows = {{"H1", "H2"}, {"say \"hi\"", "a,b"}, {"\",\"", "two\r\nlines"}, {"tab\there", ""},
                 {Utf8ToGb("中文"), "\""}, {"\"\"", "end\""}, {"O'Brien", "a\",;.?\"b"},
                 {" lead", "a  b\tc\r\nd "}, {"<&>", Utf8ToGb("]]>𝄞")}};
    for (const char* name : {"r.csv", "r.tsv", "r.xls", "r.xlsx", "r.ods"}) {
        WriteRows(dir.File(name), "S", rows);
        EXPECT_EQ(ReadRows(dir.File(name), "S"), rows) << name;
    }
    EXPECT_EQ(ReadBytes(dir.File("r.csv")).substr(0, 11), "\"H1\",\"H2\"\r\n");
    EXPECT_EQ(ReadBytes(dir.File("r.tsv")).substr(0, 11), "\"H1\"\t\"H2\"\r\n");
}

TEST(TextSheet, LinesWrittenTheOldWayReadAsBefore) {
    ScratchDir dir;
    WriteBytes(dir.File("old.csv"),
               "\"Index\",\"Name\"\r\n\"1\",\"a\"b\"\r\n2,plain\r\n\"solo\"\r\n\"x\",\"say \"hi\" now\"\n");
    Rows rows = ReadRows(dir.File("old.csv"), "");
    EXPECT_EQ(rows, (Rows{{"Index", "Name"}, {"1", "a\"b"}, {"2", "plain"}, {"solo"}, {"x", "say \"hi\" now"}}));
}

TEST(TextSheet, MissingFileFailsToLoadAndIsCreatedByTheFirstWrite) {
    ScratchDir dir;
    CSpreadSheet sheet(dir.File("new.csv"), "", true);
    EXPECT_EQ(sheet.LastError(), "Error in opening file\n");
    EXPECT_TRUE(sheet.SetHeaderRow({"A", "B"}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("new.csv.bak")));
    CSpreadSheet nowhere(dir.File("no/such/dir.csv"), "", false);
    EXPECT_FALSE(nowhere.PutRow({"x"}, 1, true));
    EXPECT_EQ(nowhere.LastError(), "Error writing file\n");
}

class BothModes : public ::testing::TestWithParam<const char*> {
protected:
    std::string Path() const { return dir_.File(GetParam()); }
    bool Workbook() const { return IsWorkbookPath(GetParam()); }
    ScratchDir dir_;
};

TEST_P(BothModes, ABatchIsWrittenOnlyByWriteSheetAndGapsAreFilled) {
    WriteRows(Path(), "S", {{"H"}, {"a"}, {"b"}});
    CSpreadSheet sheet(Path(), "S", false);
    sheet.StartBatch();
    ASSERT_TRUE(sheet.PutRow({"x"}, 2, false));
    ASSERT_TRUE(sheet.PutRow({"z"}, 6, true));
    EXPECT_EQ(ReadRows(Path(), "S"), (Rows{{"H"}, {"a"}, {"b"}}));
    ASSERT_TRUE(sheet.WriteSheet());
    // A gap cell is a blank in a workbook.
    Cells gap = {Workbook() ? " " : ""};
    EXPECT_EQ(ReadRows(Path(), "S"), (Rows{{"H"}, {"x"}, {"a"}, {"b"}, gap, {"z"}}));
    EXPECT_FALSE(sheet.PutRow({"x"}, INT_MAX, true));
    EXPECT_EQ(sheet.LastError(), "Desired row is beyond the last row a sheet can hold\n");
}

INSTANTIATE_TEST_SUITE_P(Sheet, BothModes, ::testing::Values("t.xls", "t.csv", "t.xlsx", "t.ods"));

TEST(WorkbookChecks, HeaderNamesAreAddedAfterThePresentOnes) {
    ScratchDir dir;
    std::string path = dir.File("w.xls");
    WriteRows(path, "S", {{"A", "B", "", ""}, {"1", "2", "", "wide"}});
    CSpreadSheet sheet(path, "S", false);
    EXPECT_EQ(sheet.FieldNames(), (Cells{"A", "B", "", ""}));
    EXPECT_FALSE(sheet.SetHeaderRow({"C", "B"}));
    EXPECT_EQ(sheet.LastError(), "Duplicate header row field:B\n");
    ASSERT_TRUE(sheet.SetHeaderRow({"C"})) << sheet.LastError();
    EXPECT_EQ(sheet.FieldNames(), (Cells{"A", "B", "", "", "C"}));
    EXPECT_EQ(sheet.TotalColumns(), 5);
    // The header cannot be added when the workbook can no longer be written.
    WriteBytes(path, "not a workbook");
    EXPECT_FALSE(sheet.SetHeaderRow({"D"}));
    EXPECT_EQ(sheet.LastError(), "Problems with adding headers\n");
    EXPECT_EQ(ReadBytes(path), "not a workbook");
}

// The first backup stays: a second copy is refused and the export goes on.
TEST(WorkbookFile, ASecondBackupIsRefusedAndTheExportGoesOn) {
    ScratchDir dir;
    std::string path = dir.File("b.xls");
    WriteRows(path, "PhoneNumbers", {{"Index"}, {"1"}});
    CSpreadSheet sheet(path, "PhoneNumbers", true);
    EXPECT_TRUE(sheet.Backup());
    ASSERT_TRUE(sheet.PutRow({"2"}, 2, true));
    CSpreadSheet again(path, "phonenumbers", true);
    EXPECT_FALSE(again.Backup());
    EXPECT_EQ(again.LastError(), "The sheet already exists:CSpreadSheetBackup\n");
    ASSERT_TRUE(again.PutRow({"3"}, 2, true));
    EXPECT_EQ(ReadRows(path, "PhoneNumbers"), (Rows{{"Index"}, {"3"}}));
    EXPECT_EQ(ReadRows(path, "CSpreadSheetBackup"), (Rows{{"Index"}, {"1"}}));
}

// Damaged and foreign files are refused without change in HostileWorkbook.
TEST(WorkbookFile, TooLongCellFailsTheWriteAndTheOldFileStaysByteIdentical) {
    ScratchDir dir;
    std::string path = dir.File("keep.xls");
    WriteRows(path, "S", {{"H"}, {"v"}});
    std::string good = ReadBytes(path);
    CSpreadSheet sheet(path, "S", false);
    EXPECT_FALSE(sheet.PutRow({std::string(40000, 'x')}, 1, true));
    EXPECT_EQ(sheet.LastError(), "A cell text is longer than 32767 characters in sheet:S\n");
    EXPECT_EQ(ReadBytes(path), good);
}

}  // namespace
}  // namespace dorvik
