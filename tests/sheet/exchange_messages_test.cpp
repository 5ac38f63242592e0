// What an import tells the user, and the file and sheet dialogs in front of the exchange.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "../support/fakes.h"
#include "model/text_codec.h"
#include "sheet/ole_container.h"
#include "sheet/sheet_exchange.h"
#include "sheet_test_support.h"

namespace dorvik {
namespace {

using Cells = std::vector<std::string>;

const Cells kPhone = {"Index", "Phone Number", "User Name", "In Unit"};
const Cells kHouse = {"Index", "House Number", "Dial1", "Dial2"};
const Cells kSpecial = {"Index", "Special Phone Number", "User Name", "From Time", "To Time",
                        "Number Of Entries", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat",
                        "From Date", "To Date", "In Unit"};

Cells With(Cells cells, size_t at, const char* text) {
    cells.resize(std::max(cells.size(), at + 1));
    cells[at] = text;
    return cells;
}

class ImportMessages : public testing::Test {
protected:
    // Imports a sheet holding `rows` into every list and returns the boxes shown.
    std::vector<std::string> Import(const std::vector<Cells>& rows, const char* list) {
        test::WriteBytes(path, "");
        CSpreadSheet sheet(path, "", false);
        for (size_t r = 0; r < rows.size(); ++r)
            sheet.PutRow(rows[r], static_cast<int>(r + 1), true);
        std::string which = list;
        if (which == "phone") result = ImportPhoneList(phones, path, kPhoneSheet, progress, box);
        if (which == "house") result = ImportHouseList(houses, path, kHouseSheet, progress, box);
        if (which == "special")
            result = ImportSpecialList(specials, path, "My Sheet", progress, box);
        for (const test::ShownBox& shown : box.shown) {
            EXPECT_EQ(shown.caption, "DORVIK");
            EXPECT_EQ(shown.icon, MsgIcon::Error);
        }
        return box.Texts();
    }

    test::ScratchDir dir;
    std::string path = dir.File("in.csv");
    ModifiedFlag flag;
    PhoneList phones{flag};
    SpecialList specials{flag};
    HouseList houses{flag};
    test::RecordingProgressBar progress;
    test::RecordingMessageBox box;
    ExchangeResult result;
};

TEST_F(ImportMessages, EmptySheetOrHeaderTestsInTheirOrderRefuseAndChangeNothing) {
    const Cells row = {"1", "139", "x", "0"};
    struct Case {
        const char* list;
        std::vector<Cells> rows;
        const char* message;  // none: a header-only sheet stores nothing
    } cases[] = {
        {"phone", {With(kPhone, 4, "Extra"), row}, "Error Index"},
        {"phone", {With(kPhone, 0, "index"), row}, "Error Index"},
        {"phone", {With(With(kPhone, 1, "Phone"), 2, "User"), row}, "Error Phone Number"},
        {"phone", {With(kPhone, 2, "User name"), row}, "Error User Name"},
        {"phone", {With(kPhone, 3, ""), row}, "Error In Unit"},
        {"house", {With(kHouse, 3, "Dial 2"), row}, "Error Dial2"},
        {"special", {With(kSpecial, 5, "Entires Amount"), row}, "Error Number Of Entries"},
        {"special", {With(kSpecial, 12, "Sun"), row}, "Error Sat"},
        {"phone", {}, "The sheet is null"},
        {"house", {}, "The sheet is null"},
        {"special", {}, "The sheet which name is My Sheet is null"},
        {"phone", {kPhone}, nullptr},
        {"special", {kSpecial}, nullptr},
    };
    for (const Case& c : cases) {
        box.shown.clear();
        EXPECT_EQ(Import(c.rows, c.list), c.message ? Cells{c.message} : Cells{}) << c.list;
        EXPECT_EQ(result.status, c.message ? ExchangeStatus::Refused : ExchangeStatus::Done);
        EXPECT_EQ(result.rows, 0);
        EXPECT_FALSE(progress.visible);
    }
    EXPECT_FALSE(flag.IsSet());
}

// Rows naming no slot of their section are skipped without a message.
TEST_F(ImportMessages, SpecialRowsOfTheWrongKindAreSkippedAnXLabelEndsTheImport) {
    auto row = [](const char* label, size_t column, const char* value) {
        Cells cells(16);
        cells[0] = label, cells[1] = "139", cells[column] = value;
        return cells;
    };
    Cells texts = Import({kSpecial, row("S001", 13, "16/12/28 08:00"),
                          row("P001", 13, "16/12/28 08:00"), row("s002", 3, "08:00"),
                          row("S021", 3, "08:00"), row("S-3", 3, "08:00"),
                          row("P000", 13, "16/12/28 08:00"), row("Q020", 5, "7"),
                          row("P9999999999", 13, "1"), row("X001", 2, "name"),
                          row("S003", 3, "08:00")},
                         "special");
    EXPECT_EQ(texts,
              (Cells{"rows 2, Index type different with number type",
                     "rows 4, Index type different with number type", "Error Index format"}));
    EXPECT_EQ(result.status, ExchangeStatus::Refused);
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(specials.Row(20).fromDate, "16/12/28 08:00");  // P001 stays stored
    EXPECT_EQ(std::tie(specials.Row(59).number, specials.Row(59).amount, specials.Row(59).type),
              std::make_tuple("139", "7", 'Q'));
    EXPECT_EQ(specials.Used(), 2);
    EXPECT_EQ(progress.positions, (std::vector<int>{3, 5, 6, 7, 8, 9}));
}

TEST(ChooseSheet, TextFileOrOnlySheetIsTakenSeveralAreOfferedNoChoiceOrNoSheetIsReported) {
    test::ScratchDir dir;
    std::string path = dir.File("w.xls"), chinese = Utf8ToGb("号码"), empty;
    ASSERT_EQ(xls::BuildWorkbook(xls::Workbook{}, empty, nullptr), xls::WriteStatus::Ok);
    test::WriteBytes(dir.File("empty.xls"), test::XlsBytes(empty));
    test::WriteBytes(dir.File("bad.xls"), "\xD0\xCF\x11\xE0 truncated");
    test::WriteRows(path, "Zeta", {{"Index"}});
    test::ScriptedSheetChooser chooser(chinese);
    test::RecordingMessageBox box;
    EXPECT_EQ(ChooseSheet(dir.File("list.csv"), "PhoneNumbers", chooser, box), "PhoneNumbers");
    EXPECT_EQ(ChooseSheet(path, "PhoneNumbers", chooser, box), "Zeta");
    EXPECT_EQ(ChooseSheet(dir.File("empty.xls"), "PhoneNumbers", chooser, box), std::nullopt);
    EXPECT_EQ(ChooseSheet(dir.File("missing.ods"), "PhoneNumbers", chooser, box), std::nullopt);
    EXPECT_EQ(ChooseSheet(dir.File("bad.xls"), "PhoneNumbers", chooser, box), std::nullopt);
    test::WriteRows(path, chinese, {{"Index"}});
    test::WriteRows(path, "Alpha", {{"Index"}});
    EXPECT_EQ(ChooseSheet(path, "PhoneNumbers", chooser, box), chinese);
    EXPECT_EQ(chooser.offered, (test::Rows{{"Zeta", chinese, "Alpha"}}));
    chooser.answer = std::nullopt;
    EXPECT_EQ(ChooseSheet(path, "PhoneNumbers", chooser, box), std::nullopt);
    chooser.answer = "";  // an empty name is no choice either
    EXPECT_EQ(ChooseSheet(path, "PhoneNumbers", chooser, box), std::nullopt);
    const std::string none = "There isn't sheet in the file!";
    EXPECT_EQ(box.Texts(), (Cells{none, none, none + "\nThe file is not a workbook\n",
                                  "Hasn't Select sheet name", "Hasn't Select sheet name"}));
}

// The same path through the main frame and the window: MainFrameTest.AnImportedListShowsItsNewCount,
// MainWindowTest::fileCommandsListButtonsAndClosingReachTheFrame.
TEST(SheetExchangeDialogs, ImportReadsTheChosenSheetCancelStopsUnknownKindsAreRefused) {
    test::ScratchDir dir;
    test::ScriptedFileChooser files;
    test::ScriptedSheetChooser sheets("Other");
    test::RecordingMessageBox box;
    test::RecordingProgressBar progress;
    SheetExchange exchange(files, sheets, box, progress);
    ModifiedFlag flag;
    PhoneList phones(flag);
    test::WriteRows(dir.File("a.xls"), kPhoneSheet, {{"x"}});
    test::WriteRows(dir.File("a.xls"), "Other", {kPhone, {"7", "5550100", "Tom", "0"}});
    files.answers = {std::nullopt, dir.File("a.xls"), dir.File("a.xlsm"), std::nullopt,
                     dir.File("a.numbers")};
    EXPECT_EQ(exchange.ExportPhones(phones).status, ExchangeStatus::Cancelled);
    EXPECT_EQ(exchange.ImportPhones(phones).rows, 1);
    EXPECT_EQ(phones.Row(6).number, "5550100");
    EXPECT_EQ(exchange.ImportPhones(phones).status, ExchangeStatus::Refused);
    EXPECT_EQ(exchange.ImportPhones(phones).status, ExchangeStatus::Cancelled);
    EXPECT_EQ(exchange.ExportPhones(phones).status, ExchangeStatus::Refused);
    EXPECT_EQ(files.filters, std::vector<std::string>(5, SheetExchange::kFilter));
    const std::string use = ": use .xlsx, .ods, .xls, .csv, .txt or .tsv";
    EXPECT_EQ(box.Texts(), (Cells{"Unsupported file type \".xlsm\"" + use,
                                  "Unsupported file type \".numbers\"" + use}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.numbers")));
}

}  // namespace
}  // namespace dorvik
