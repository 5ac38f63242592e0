// Export and import of the lists and the log: round trips through every kind, import rules.
#include "sheet/list_exchange.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "../support/fakes.h"
#include "model/text_codec.h"
#include "sheet/exchange_engine.h"
#include "sheet/text_table.h"
#include "sheet/workbook_table.h"
#include "sheet_test_support.h"

namespace dorvik {
namespace {

using test::ScratchDir;
using test::ReadRows;
using test::Rows;
using test::WriteRows;

// Every slot of `to` holds what `from` holds; used slots are Pending.
template <class List, class Fields>
void ExpectPendingCopy(const List& from, const List& to, Fields fields) {
    ASSERT_EQ(from.Size(), to.Size());
    for (int r = 0; r < from.Size(); ++r) {
        EXPECT_EQ(fields(to.Row(r)), fields(from.Row(r))) << "row " << r;
        EXPECT_EQ(to.Status(r),
                  from.Status(r) == RowStatus::Empty ? RowStatus::Empty : RowStatus::Pending);
    }
}

// A name the row encoding could break: a GB18030 text, a quote and the separators.
std::string Awkward(int r) {
    return Utf8ToGb("张\"三, ;") + std::to_string(r);
}

class ExchangeRoundTrip : public testing::TestWithParam<const char*> {
protected:
    std::string File() const { return dir.File(std::string("lists") + GetParam()); }
    ScratchDir dir;
    ModifiedFlag flag;
    test::RecordingProgressBar progress;
    test::RecordingMessageBox box;
};

TEST_P(ExchangeRoundTrip, FullPhoneListComesBackPendingAShorterOneLeavesNoOldRows) {
    PhoneList from(flag), to(flag);
    for (int r = 0; r < from.Size(); ++r)
        from.SetEntry(std::to_string(13900000000LL + r), r % 3 ? Awkward(r) : "", r,
                      r % 2 ? RowStatus::InUnit : RowStatus::Pending);
    ExchangeResult out = ExportPhoneList(from, File(), progress);
    ASSERT_TRUE(out.ok()) << out.error;
    EXPECT_EQ(out.rows, 2000);
    EXPECT_EQ(std::tie(progress.minimum, progress.maximum, progress.positions.back()),
              std::make_tuple(0, 1999, 1999));
    EXPECT_EQ(ReadRows(File(), kPhoneSheet)[1],
              (std::vector<std::string>{"1", "13900000000", "", "0"}));
    ExchangeResult in = ImportPhoneList(to, File(), kPhoneSheet, progress, box);
    ASSERT_TRUE(in.ok()) << in.error;
    EXPECT_EQ(std::tie(in.rows, progress.maximum, progress.positions.back(), progress.visible),
              std::make_tuple(2000, 2001, 2001, false));
    ExpectPendingCopy(from, to, [](const PhoneEntry& e) { return std::tie(e.number, e.name); });
    EXPECT_TRUE(box.shown.empty());
    // A shorter export leaves no old rows; the old sheet goes to the backup.
    for (int r = 3; r < to.Size(); ++r) to.DeleteEntry(r);
    ASSERT_TRUE(ExportPhoneList(to, File(), progress).ok());
    EXPECT_EQ(ReadRows(File(), kPhoneSheet).size(), 4u);
    std::string backup = IsWorkbookPath(File()) ? File() : File() + ".bak";
    EXPECT_EQ(ReadRows(backup, CSpreadSheet::kBackupSheet).size(), 2001u);
}

TEST_P(ExchangeRoundTrip, SpecialListOfEveryKindComesBackPending) {
    SpecialList from(flag), to(flag);
    for (int r = 0; r < from.Size(); ++r) {
        if (r >= 40 && r < 44) continue;  // a few free slots
        SpecialTexts t;
        t.number = std::to_string(1380000 + r), t.name = Awkward(r);
        char kind = SectionLetter(*from.SectionOf(r));
        if (kind == 'S')
            t.fromTime = "08:00", t.toTime = "18:3" + std::to_string(r % 10), t.days[r % 7] = "V";
        if (kind == 'P') t.fromDate = "16/12/28 08:00", t.toDate = "17/01/31 18:00";
        if (kind == 'Q' && r % 4) t.amount = std::to_string(r);
        if (kind == 'Q' && !(r % 4)) t.name.clear();  // no amount and no name
        from.SetEntry(t, r, RowStatus::InUnit, std::string(1, kind));
    }
    from.DeleteEntry(3);  // "0000" marks a slot to erase in the unit
    ASSERT_TRUE(ExportSpecialList(from, File(), progress).ok());
    ExchangeResult in = ImportSpecialList(to, File(), kSpecialSheet, progress, box);
    EXPECT_EQ(in.rows, 56);
    EXPECT_TRUE(box.shown.empty());
    ExpectPendingCopy(from, to,
                      [](const SpecialEntry& e) { return std::make_tuple(e.ToArray(), e.type); });
}

TEST_P(ExchangeRoundTrip, FullHouseListComesBackPending) {
    HouseList from(flag), to(flag);
    for (int r = 0; r < from.Size(); ++r)
        from.SetEntry(std::to_string(10000 + r), "1390000" + std::to_string(r),
                      r % 2 ? "" : "86" + std::to_string(r), RowStatus::InUnit, r);
    ASSERT_TRUE(ExportHouseList(from, File(), progress).ok());
    EXPECT_EQ(ReadRows(File(), kHouseSheet)[1], (std::vector<std::string>{"1", "10000", "13900000", "860"}));
    EXPECT_EQ(ImportHouseList(to, File(), kHouseSheet, progress, box).rows, 400);
    ExpectPendingCopy(
        from, to, [](const HouseEntry& e) { return std::tie(e.houseNumber, e.dial1, e.dial2); });
}

INSTANTIATE_TEST_SUITE_P(Files, ExchangeRoundTrip, testing::Values(".xls", ".csv", ".txt", ".xlsx", ".ods"),
                         [](const auto& info) { return std::string(info.param + 1); });

TEST(LogExport, CoversEveryEntryAlsoAfterTheCounterWrapped) {
    ScratchDir dir;
    ModifiedFlag flag;
    CallLog log(flag);
    test::RecordingProgressBar progress;
    for (int i = 1; i <= 5; ++i)
        log.AddEntry("20161228134" + std::to_string(i), "555010" + std::to_string(i), "", i);
    ASSERT_TRUE(ExportLog(log, dir.File("five.xls"), progress).ok());
    EXPECT_EQ(ReadRows(dir.File("five.xls"), kLogSheet).at(5),
              (std::vector<std::string>{"5", "2016/12/28 13:45", "5550105", ""}));
    for (int i = 6; i <= 1003; ++i) log.AddEntry("201612281345", std::to_string(i), "Tom", i);
    ASSERT_EQ(log.Counter(), 3);
    EXPECT_EQ(ExportLog(log, dir.File("log.csv"), progress).rows, 1000);
    EXPECT_EQ(ReadRows(dir.File("log.csv"), kLogSheet).size(), 1001u);
    EXPECT_EQ(std::tie(progress.maximum, progress.positions.back()), std::make_tuple(999, 999));
}

// A row the sheet refuses fails the export with the sheet's reason.
TEST(ListExport, RowTheSheetRefusesFailsTheExport) {
    ScratchDir dir;
    test::RecordingProgressBar progress;
    const char* const headers[] = {"A", "B"};
    ExportRows rows{3, 2, [](int i, SheetCells& cells) {
                        cells.assign(i == 1 ? 3 : 2, "x");
                        return true;
                    }};
    ExchangeResult out = WriteListSheet(dir.File("w.xls"), {"S", headers}, rows, progress);
    EXPECT_EQ(std::tie(out.status, out.rows), std::make_tuple(ExchangeStatus::Failed, 1));
    EXPECT_EQ(out.error,
              "Number of columns to be added cannot be greater than the number of fields\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("w.xls")));
}

TEST(ListImport, SkipsRowsOutsideTheListAndLaterRowsWin) {
    ScratchDir dir;
    ModifiedFlag flag;
    PhoneList phones(flag);
    test::RecordingProgressBar progress;
    test::RecordingMessageBox box;
    // clang-format off
    WriteRows(dir.File("p.csv"), "", {{"Index", "Phone Number", "User Name", "In Unit"},
              {"0", "1"}, {"-1", "2"}, {"-2147483648", "3"}, {"2001", "4"}, {"99999999999", "5"},
              {"7", "", "name only"}, {"5", "66", "Ann"}, {"5", "77"}, {"12abc", "88", "", "1"}, {"2000"}});
    // clang-format on
    EXPECT_EQ(ImportPhoneList(phones, dir.File("p.csv"), kPhoneSheet, progress, box).rows, 3);
    EXPECT_EQ(phones.Used(), 2);
    EXPECT_EQ(std::tie(phones.Row(4).number, phones.Row(4).name), std::make_tuple("77", "Ann"));
    EXPECT_EQ(phones.Row(11).number, "88");
    EXPECT_TRUE(box.shown.empty());
}

}  // namespace
}  // namespace dorvik
