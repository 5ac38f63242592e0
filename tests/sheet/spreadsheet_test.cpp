// The table layer: modes, row operations, checks and their messages, gap
// rows, backups and text files.
#include "sheet/spreadsheet.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
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

const char* kBeyond = "Desired row is greater than total number of rows in spreadsheet\n";

TEST(SheetMode, PathEndingDecidesWorkbookOrTextAndTheSeparator) {
    ScratchDir dir;
    struct Case {
        const char* name;
        bool workbook;
        const char* separator;
    } cases[] = {{"a.XLS", true, ",;.?"}, {"a.xls", true, ",;.?"}, {"a.Xls", true, ",;.?"},
                 {"a.csv", false, ","},   {"a.XLSX", true, ",;.?"}, {"a.ods", true, ",;.?"},
                 {"a.TXT", false, "\t"},  {"a.tsv", false, "\t"}};
    for (const Case& c : cases) {
        CSpreadSheet sheet(dir.File(c.name), "PhoneNumbers", true);
        EXPECT_EQ(sheet.IsWorkbook(), c.workbook) << c.name;
        EXPECT_EQ(sheet.Separator(), c.separator) << c.name;
    }
    WriteRows(dir.File("UPPER.XLS"), "S", {{"h"}});
    EXPECT_EQ(ReadBytes(dir.File("UPPER.XLS")).substr(0, 4), "\xD0\xCF\x11\xE0");
    // Any other extension is refused, never written as some other kind.
    const std::pair<const char*, const char*> refused[] = {{"noext", "(no extension)"},
                                                           {"a.xlsm", "\".xlsm\""},
                                                           {"a.numbers", "\".numbers\""},
                                                           {"dir.xlsx/file", "(no extension)"},
                                                           {"a.xls.bak", "\".bak\""}};
    for (const auto& [name, kind] : refused) {
        CSpreadSheet sheet(dir.File(name), "S", false);
        EXPECT_FALSE(sheet.PutRow({"h"}, 1, true)) << name;
        EXPECT_EQ(sheet.LastError(), std::string("Unsupported file type ") + kind +
                                         ": use .xlsx, .ods, .xls, .csv, .txt or .tsv\n");
        EXPECT_FALSE(std::filesystem::exists(dir.File(name))) << name;
    }
}

TEST(TextSheet, TwoCellsAreQuotedAndSeparatedByTheKindsSeparator) {
    ScratchDir dir;
    for (auto [name, line] : {std::pair{"list.csv", "\"a\",\"b\"\r\n"}, std::pair{"list.txt", "\"a\"\t\"b\"\r\n"}}) {
        CSpreadSheet sheet(dir.File(name), "PhoneNumbers", true);
        ASSERT_TRUE(sheet.PutRow({"a", "b"}, 1, true));
        EXPECT_EQ(ReadBytes(dir.File(name)), line);
    }
}

TEST(TextSheet, EveryCellTextRoundTrips) {
    ScratchDir dir;
    Cells awkward = {"say \"hi\"", "a,b", "\",\"", "two\r\nlines", "tab\there", "", Utf8ToGb("中文"),
                     "\"", "\"\"", "end\""};
    for (const char* name : {"r.csv", "r.tsv"}) {
        WriteRows(dir.File(name), "", {{"h1", "h2"}, awkward, {"last"}});
        Rows back = ReadRows(dir.File(name), "");
        ASSERT_EQ(back.size(), 3u) << name;
        EXPECT_EQ(back[1], awkward) << name;
        EXPECT_EQ(back[2], Cells{"last"});
    }
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
    EXPECT_FALSE(sheet.HasData());
    EXPECT_TRUE(sheet.SetHeaderRow({"A", "B"}));
    EXPECT_TRUE(sheet.HasData());
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

TEST_P(BothModes, GapRowsAreFilledWithEmptyCells) {
    WriteRows(Path(), "S", {{"H1", "H2"}, {"a", "b"}});
    CSpreadSheet sheet(Path(), "S", false);
    ASSERT_TRUE(sheet.PutRow({"e", "f"}, 5, true)) << sheet.LastError();
    EXPECT_EQ(sheet.TotalRows(), 5);
    // A gap cell is a blank in a workbook, empty in a text file.
    Cells gap = Workbook() ? Cells{" ", " "} : Cells{"", ""};
    Rows rows = ReadRows(Path(), "S");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[2], gap);
    EXPECT_EQ(rows[3], gap);
    EXPECT_EQ(rows[4], (Cells{"e", "f"}));
}

TEST_P(BothModes, RowsAreReadInTurnAndNotPastTheEnd) {
    WriteRows(Path(), "S", {{"H"}, {"one"}, {"two"}});
    CSpreadSheet sheet(Path(), "S", false);
    Cells row;
    EXPECT_TRUE(sheet.GetRow(2, row));
    EXPECT_EQ(row, Cells{"one"});  // a single-cell row is read successfully
    EXPECT_TRUE(sheet.GetRow(0, row));
    EXPECT_EQ(row, Cells{"two"});
    EXPECT_FALSE(sheet.GetRow(0, row));
    EXPECT_FALSE(sheet.GetRow(4, row));
    EXPECT_EQ(sheet.LastError(), kBeyond);
    EXPECT_FALSE(sheet.GetRow(-1, row));
}

TEST_P(BothModes, PutRowInsertsReplacesAndAppends) {
    WriteRows(Path(), "S", {{"H"}, {"a"}, {"b"}});
    CSpreadSheet sheet(Path(), "S", false);
    sheet.StartBatch();
    ASSERT_TRUE(sheet.PutRow({"x"}, 2, false));
    ASSERT_TRUE(sheet.PutRow({"y"}, 4, true));
    ASSERT_TRUE(sheet.PutRow({"z"}, 0, false));
    EXPECT_EQ(sheet.CurrentRow(), 1);
    // A batch writes nothing until WriteSheet.
    EXPECT_EQ(ReadRows(Path(), "S"), (Rows{{"H"}, {"a"}, {"b"}}));
    ASSERT_TRUE(sheet.WriteSheet());
    EXPECT_FALSE(sheet.InBatch());
    EXPECT_EQ(ReadRows(Path(), "S"), (Rows{{"H"}, {"x"}, {"a"}, {"y"}, {"z"}}));
}

TEST_P(BothModes, RowNumbersOutOfReachAreRefusedWithoutGrowing) {
    CSpreadSheet sheet(Path(), "S", false);
    sheet.StartBatch();
    sheet.SetHeaderRow({"A"});
    EXPECT_FALSE(sheet.PutRow({"x"}, INT_MAX, true));
    EXPECT_FALSE(sheet.PutRow({"x"}, -3, true));
    EXPECT_EQ(sheet.LastError(), "Desired row is beyond the last row a sheet can hold\n");
    EXPECT_EQ(sheet.TotalRows(), 1);
}

INSTANTIATE_TEST_SUITE_P(Sheet, BothModes, ::testing::Values("t.xls", "t.csv", "t.xlsx", "t.ods"));

TEST(WorkbookChecks, HeaderRowsAreCheckedWithTheirMessages) {
    ScratchDir dir;
    CSpreadSheet sheet(dir.File("w.xls"), "S", false);
    sheet.StartBatch();
    EXPECT_FALSE(sheet.PutRow({"x"}, 2, true));
    EXPECT_EQ(sheet.LastError(), "No header row. Add header row first\n");
    EXPECT_FALSE(sheet.PutRow({"A", "B", "A"}, 1, true));
    EXPECT_EQ(sheet.LastError(), "Duplicate header row field:A\n");
    ASSERT_TRUE(sheet.SetHeaderRow({"A", "B", "C"}));
    EXPECT_FALSE(sheet.PutRow({"A", "B"}, 1, true));
    EXPECT_EQ(sheet.LastError(),
              "Number of columns in new header row cannot be less than the number of columns in previous header row");
    EXPECT_FALSE(sheet.PutRow({"1", "2", "3", "4"}, 2, true));
    EXPECT_EQ(sheet.LastError(), "Number of columns to be added cannot be greater than the number of fields\n");
    ASSERT_TRUE(sheet.PutRow({"1", "2"}, 2, true));
    EXPECT_EQ(sheet.TotalRows(), 2);
}

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

TEST(WorkbookFile, ExportCreatesTheSheetAndBacksUpLoadedData) {
    ScratchDir dir;
    std::string path = dir.File("b.xls");
    WriteRows(path, "Other", {{"keep"}, {"me"}});
    WriteRows(path, "PhoneNumbers", {{"Index"}, {"1"}});
    CSpreadSheet sheet(path, "PhoneNumbers", true);
    EXPECT_TRUE(sheet.Backup());
    EXPECT_EQ(ReadRows(path, "CSpreadSheetBackup"), (Rows{{"Index"}, {"1"}}));
    EXPECT_EQ(sheet.SheetName(), "PhoneNumbers");
    ASSERT_TRUE(sheet.PutRow({"2"}, 2, true));
    // The first backup stays: a second copy is refused, the export goes on.
    CSpreadSheet again(path, "phonenumbers", true);
    EXPECT_FALSE(again.Backup());
    EXPECT_EQ(again.LastError(), "The sheet already exists:CSpreadSheetBackup\n");
    ASSERT_TRUE(again.PutRow({"3"}, 2, true));
    EXPECT_EQ(ReadRows(path, "PhoneNumbers"), (Rows{{"Index"}, {"3"}}));
    EXPECT_EQ(ReadRows(path, "CSpreadSheetBackup"), (Rows{{"Index"}, {"1"}}));
    EXPECT_EQ(ReadRows(path, "Other"), (Rows{{"keep"}, {"me"}}));
}

TEST(WorkbookFile, TextsThatBrokeTheRowEncodingAreStoredAsTheyAre) {
    ScratchDir dir;
    Rows rows = {{"H1", "H2"}, {"O'Brien", "a\",;.?\"b"}, {"\"", "x,y"},
                               {" lead", "a  b\tc\r\nd "}, {"<&>", "]]>"}};
    for (const char* name : {"q.xls", "q.xlsx", "q.ods"}) {
        WriteRows(dir.File(name), "S", rows);
        EXPECT_EQ(ReadRows(dir.File(name), "S"), rows) << name;
    }
    // The same table gives the same archive bytes.
    for (const char* name : {"again.xlsx", "again.ods"}) {
        WriteRows(dir.File(name), "S", rows);
        EXPECT_EQ(ReadBytes(dir.File(name)), ReadBytes(dir.File(std::string("q") + (name + 5)))) << name;
    }
}

TEST(WorkbookFile, WhateverFailsTheOldFileStaysByteIdentical) {
    ScratchDir dir;
    std::string path = dir.File("keep.xls");
    WriteRows(path, "S", {{"H"}, {"v"}});
    std::string good = ReadBytes(path);
    std::string tooLong(40000, 'x');
    struct Case {
        std::string bytes;
        std::string cell;
        const char* error;
    } cases[] = {
        {"Index,Name\r\n1,a\r\n", "H", "The file is not a workbook\n"},
        {good.substr(0, good.size() / 2), "H", nullptr},  // truncated
        {good, tooLong, "A cell text is longer than 32767 characters in sheet:S\n"},
    };
    for (const Case& c : cases) {
        WriteBytes(path, c.bytes);
        CSpreadSheet sheet(path, "S", false);
        EXPECT_FALSE(sheet.PutRow({c.cell}, 1, true));
        if (c.error) {
            EXPECT_EQ(sheet.LastError(), c.error);
        }
        EXPECT_FALSE(sheet.LastError().empty());
        EXPECT_EQ(ReadBytes(path), c.bytes);
    }
}

}  // namespace
}  // namespace dorvik
