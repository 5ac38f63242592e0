#include "sheet/list_exchange.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string_view>

#include "model/decimal_text.h"
#include "sheet/exchange_engine.h"

namespace dorvik {
namespace {

constexpr const char* kPhoneHeaders[] = {"Index", "Phone Number", "User Name", "In Unit"};
// clang-format off
constexpr const char* kSpecialHeaders[] = {
    "Index", "Special Phone Number", "User Name", "From Time", "To Time", "Number Of Entries",
    "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "From Date", "To Date", "In Unit"};
// clang-format on
constexpr const char* kHouseHeaders[] = {"Index", "House Number", "Dial1", "Dial2"};
constexpr const char* kLogHeaders[] = {"Index", "Time", "Phone Number", "User Name"};

constexpr SheetLayout kPhoneLayout{kPhoneSheet, kPhoneHeaders};
constexpr SheetLayout kSpecialLayout{kSpecialSheet, kSpecialHeaders};
constexpr SheetLayout kHouseLayout{kHouseSheet, kHouseHeaders};
constexpr SheetLayout kLogLayout{kLogSheet, kLogHeaders};

// The "In Unit" column is written for the reader's information only.
constexpr const char* kInUnitCell = "0";

constexpr const char* kSheetNull = "The sheet is null";
constexpr const char* kNamedSheetNull = "The sheet which name is %s is null";
constexpr const char* kRowsMessage = "rows %d, %s";
constexpr const char* kTypeDiffers = "Index type different with number type";
constexpr const char* kIndexFormat = "Error Index format";

// Columns of the special sheet; the seven week days follow kSun.
enum SpecialColumn : size_t {
    kLabel = 0,
    kNumber,
    kName,
    kFromTime,
    kToTime,
    kAmount,
    kSun,
    kFromDate = kSun + kWeekDayCount,
    kToDate,
};

__attribute__((format(printf, 1, 2))) std::string Printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int size = std::vsnprintf(nullptr, 0, format, args);
    std::string text(static_cast<size_t>(std::max(size, 0)) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    va_end(args);
    text.pop_back();
    return text;
}

int ProgressEnd(int size) {
    return std::max(size - 1, 0);
}

// One sheet row per slot that is not Empty, progress over every slot.
template <class List, class Cells>
ExportRows UsedSlots(const List& list, Cells cellsOf) {
    return {list.Size(), ProgressEnd(list.Size()), [&list, cellsOf](int r, SheetCells& cells) {
                if (list.Status(r) == RowStatus::Empty) return false;
                cells = cellsOf(r, list.Row(r));
                return true;
            }};
}

SpecialTexts SpecialTextsOf(const SheetCells& cells) {
    SpecialTexts texts;
    texts.number = CellAt(cells, kNumber);
    texts.name = CellAt(cells, kName);
    texts.fromTime = CellAt(cells, kFromTime);
    texts.toTime = CellAt(cells, kToTime);
    texts.amount = CellAt(cells, kAmount);
    for (size_t day = 0; day < texts.days.size(); ++day)
        texts.days[day] = CellAt(cells, kSun + day);
    texts.fromDate = CellAt(cells, kFromDate);
    texts.toDate = CellAt(cells, kToDate);
    return texts;
}

SheetCells SpecialCells(const std::string& label, const SpecialEntry& e) {
    SheetCells cells = {label, e.number, e.name, e.fromTime, e.toTime, e.amount};
    cells.insert(cells.end(), e.days.begin(), e.days.end());
    cells.insert(cells.end(), {e.fromDate, e.toDate, kInUnitCell});
    return cells;
}

// The kind of limit the row's cells describe; a later test wins. An
// entries-amount slot may be stored without an amount, so a Q label on a
// row without limit cells keeps its kind.
char LimitLetter(const SpecialTexts& texts, const std::string& label) {
    char letter = 'X';
    if (!texts.fromTime.empty()) letter = 'S';
    if (!texts.amount.empty()) letter = 'Q';
    if (!texts.fromDate.empty()) letter = 'P';
    if (letter == 'X' && label.starts_with('Q')) letter = 'Q';
    return letter;
}

RowOutcome StoreSpecialRow(SpecialList& list, int sheetRow, const SheetCells& cells,
                           std::string& message) {
    const SpecialTexts texts = SpecialTextsOf(cells);
    const std::string& label = CellAt(cells, kLabel);
    const char letter = LimitLetter(texts, label);
    if (label.empty() || label.front() != letter) {
        message = Printf(kRowsMessage, sheetRow, kTypeDiffers);
        return RowOutcome::Rejected;
    }
    std::optional<SpecialSection> section = SectionFromLetter(letter);
    if (!section) {
        message = kIndexFormat;
        return RowOutcome::Stop;
    }
    // A position beyond its own section names no row: no other slot is touched.
    int row = list.RowOf(*section, LeadingInt(std::string_view(label).substr(1)));
    bool stored = list.SetEntry(texts, row, RowStatus::Pending, std::string(1, letter));
    return stored ? RowOutcome::Stored : RowOutcome::Skipped;
}

RowOutcome StorePhoneRow(PhoneList& list, const SheetCells& cells) {
    const std::string& number = CellAt(cells, 1);
    if (number.empty()) return RowOutcome::Skipped;
    int row = RowOfIndex(LeadingInt(CellAt(cells, 0)));
    bool stored = list.SetEntry(number, CellAt(cells, 2), row, RowStatus::Pending);
    return stored ? RowOutcome::Stored : RowOutcome::Skipped;
}

RowOutcome StoreHouseRow(HouseList& list, const SheetCells& cells) {
    const std::string& house = CellAt(cells, 1);
    if (house.empty()) return RowOutcome::Skipped;
    int row = RowOfIndex(LeadingInt(CellAt(cells, 0)));
    bool stored = list.SetEntry(house, CellAt(cells, 2), CellAt(cells, 3), RowStatus::Pending, row);
    return stored ? RowOutcome::Stored : RowOutcome::Skipped;
}

}  // namespace

ExchangeResult ExportPhoneList(const PhoneList& list, const std::string& path,
                               ProgressBar& progress) {
    auto cells = [](int r, const PhoneEntry& e) {
        return SheetCells{std::to_string(r + 1), e.number, e.name, kInUnitCell};
    };
    return WriteListSheet(path, kPhoneLayout, UsedSlots(list, cells), progress);
}

ExchangeResult ExportSpecialList(const SpecialList& list, const std::string& path,
                                 ProgressBar& progress) {
    auto cells = [&list](int r, const SpecialEntry& e) { return SpecialCells(list.Label(r), e); };
    return WriteListSheet(path, kSpecialLayout, UsedSlots(list, cells), progress);
}

ExchangeResult ExportHouseList(const HouseList& list, const std::string& path,
                               ProgressBar& progress) {
    auto cells = [](int r, const HouseEntry& e) {
        return SheetCells{std::to_string(r + 1), e.houseNumber, e.dial1, e.dial2};
    };
    return WriteListSheet(path, kHouseLayout, UsedSlots(list, cells), progress);
}

ExchangeResult ExportLog(const CallLog& log, const std::string& path, ProgressBar& progress) {
    ExportRows rows{log.RowCount(), ProgressEnd(log.Size()), [&log](int i, SheetCells& cells) {
                        const LogEntry& e = log.Row(i);
                        cells = {e.index, e.time, e.number, e.name};
                        return true;
                    }};
    return WriteListSheet(path, kLogLayout, rows, progress);
}

ExchangeResult ImportPhoneList(PhoneList& list, const std::string& path, const std::string& sheet,
                               ProgressBar& progress, MessageBox& box) {
    ImportRows rows{sheet, kSheetNull, [&list](int, const SheetCells& cells, std::string&) {
                        return StorePhoneRow(list, cells);
                    }};
    return ReadListSheet(path, kPhoneLayout, rows, progress, box);
}

ExchangeResult ImportSpecialList(SpecialList& list, const std::string& path,
                                 const std::string& sheet, ProgressBar& progress, MessageBox& box) {
    ImportRows rows{sheet, Printf(kNamedSheetNull, sheet.c_str()),
                    [&list](int sheetRow, const SheetCells& cells, std::string& message) {
                        return StoreSpecialRow(list, sheetRow, cells, message);
                    }};
    return ReadListSheet(path, kSpecialLayout, rows, progress, box);
}

ExchangeResult ImportHouseList(HouseList& list, const std::string& path, const std::string& sheet,
                               ProgressBar& progress, MessageBox& box) {
    ImportRows rows{sheet, kSheetNull, [&list](int, const SheetCells& cells, std::string&) {
                        return StoreHouseRow(list, cells);
                    }};
    return ReadListSheet(path, kHouseLayout, rows, progress, box);
}

}  // namespace dorvik
