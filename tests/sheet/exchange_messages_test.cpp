// What an import tells the user: the header tests in their order, empty
// sheets, rows whose limit does not match their label; and the file and
// sheet dialogs in front of the exchange.
#include <gtest/gtest.h>

#include "../support/fakes.h"
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
    if (at < cells.size())
        cells[at] = text;
    else
        cells.push_back(text);
    return cells;
}

Cells Without(Cells cells, size_t at) {
    cells.erase(cells.begin() + static_cast<long>(at));
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

TEST_F(ImportMessages, HeaderTestsRunInOrderAndChangeNothing) {
    struct Case {
        const char* list;
        Cells header;
        const char* message;
    } cases[] = {
        {"phone", With(kPhone, 4, "Extra"), "Error Index"},
        {"phone", Without(kPhone, 3), "Error Index"},
        {"phone", With(kPhone, 0, "index"), "Error Index"},
        {"phone", With(With(kPhone, 1, "Phone"), 2, "User"), "Error Phone Number"},
        {"phone", With(kPhone, 2, "User name"), "Error User Name"},
        {"phone", With(kPhone, 3, ""), "Error In Unit"},
        {"house", With(kHouse, 1, "House"), "Error House Number"},
        {"house", With(kHouse, 3, "Dial 2"), "Error Dial2"},
        {"special", Without(kSpecial, 15), "Error Index"},
        {"special", With(kSpecial, 5, "Entires Amount"), "Error Number Of Entries"},
        {"special", With(kSpecial, 12, "Sun"), "Error Sat"},
    };
    for (const Case& c : cases) {
        box.shown.clear();
        EXPECT_EQ(Import({c.header, {"1", "139", "x", "0"}}, c.list), Cells{c.message})
            << c.message;
        EXPECT_EQ(result.status, ExchangeStatus::Refused);
        EXPECT_FALSE(progress.visible);
    }
    EXPECT_FALSE(flag.IsSet());
}

TEST_F(ImportMessages, EmptySheetIsNullForEachListAHeaderOnlySheetStoresNothing) {
    EXPECT_TRUE(Import({kPhone}, "phone").empty());
    EXPECT_TRUE(Import({kSpecial}, "special").empty());
    EXPECT_EQ(Import({}, "phone"), Cells{"The sheet is null"});
    EXPECT_EQ(Import({}, "house").back(), "The sheet is null");
    EXPECT_EQ(Import({}, "special").back(), "The sheet which name is My Sheet is null");
    EXPECT_EQ(result.status, ExchangeStatus::Refused);
    EXPECT_FALSE(flag.IsSet());
}

TEST_F(ImportMessages, SpecialRowsOfTheWrongKindAreSkippedAnXLabelEndsTheImport) {
    auto row = [](const char* label, size_t column, const char* value) {
        Cells cells(16);
        cells[0] = label, cells[1] = "139", cells[column] = value;
        return cells;
    };
    Cells texts =
        Import({kSpecial, row("S001", 13, "16/12/28 08:00"), row("P001", 13, "16/12/28 08:00"),
                row("s002", 3, "08:00"), row("X001", 2, "name"), row("S003", 3, "08:00")},
               "special");
    EXPECT_EQ(texts,
              (Cells{"rows 2, Index type different with number type",
                     "rows 4, Index type different with number type", "Error Index format"}));
    EXPECT_EQ(result.status, ExchangeStatus::Refused);
    EXPECT_EQ(result.rows, 1);
    EXPECT_EQ(specials.Row(20).fromDate, "16/12/28 08:00");  // P001 stays stored
    EXPECT_EQ(specials.Used(), 1);
    EXPECT_EQ(progress.positions, std::vector<int>{3});
    EXPECT_FALSE(progress.visible);
}

TEST(SheetExchangeDialogs, AskForTheFileAndTheSheetAndStopOnCancel) {
    test::ScratchDir dir;
    test::ScriptedFileChooser files;
    test::ScriptedSheetChooser sheets;
    test::RecordingMessageBox box;
    test::RecordingProgressBar progress;
    SheetExchange exchange(files, sheets, box, progress);
    ModifiedFlag flag;
    PhoneList phones(flag);
    phones.SetEntry("5550100", "Tom", 6, RowStatus::InUnit);

    files.answers = {std::nullopt, dir.File("a.xls"), dir.File("a.xls"), std::nullopt};
    EXPECT_EQ(exchange.ExportPhones(phones).status, ExchangeStatus::Cancelled);
    EXPECT_TRUE(exchange.ExportPhones(phones).ok());
    {
        CSpreadSheet other(dir.File("a.xls"), "Other", false);
        other.PutRow({"x"}, 1, true);
    }
    sheets.answer = kPhoneSheet;
    PhoneList back(flag);
    EXPECT_EQ(exchange.ImportPhones(back).rows, 1);
    EXPECT_EQ(sheets.offered, (test::Rows{{kPhoneSheet, "Other"}}));
    EXPECT_EQ(back.Row(6).number, "5550100");
    EXPECT_EQ(exchange.ImportPhones(back).status, ExchangeStatus::Cancelled);
    EXPECT_EQ(files.filters, std::vector<std::string>(4, SheetExchange::kFilter));

    test::WriteBytes(dir.File("bad.xls"), "\xD0\xCF\x11\xE0 truncated");
    files.answers = {dir.File("bad.xls"), dir.File("a.xlsm"), dir.File("a.numbers")};
    EXPECT_EQ(exchange.ImportPhones(back).status, ExchangeStatus::Cancelled);
    EXPECT_EQ(exchange.ImportPhones(back).status, ExchangeStatus::Refused);
    EXPECT_EQ(exchange.ExportPhones(phones).status, ExchangeStatus::Refused);
    EXPECT_EQ(box.Texts(), (std::vector<std::string>{
                               "There isn't sheet in the file!\nThe file is not a workbook\n",
                               "Unsupported file type \".xlsm\": use .xlsx, .ods, .xls, .csv, .txt or .tsv",
                               "Unsupported file type \".numbers\": use .xlsx, .ods, .xls, .csv, .txt or .tsv"}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.numbers")));
}

}  // namespace
}  // namespace dorvik
