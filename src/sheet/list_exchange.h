#pragma once
// Exchange of the unit's lists with spreadsheet files: export of the phone,
// special and house lists and of the caller log as one sheet of a workbook
// (.xlsx, .ods, .xls) or a text table, and import of the three lists back
// as Pending slots. These take the path (and, for an import, the sheet) directly, so a
// command-line tool can call them; SheetExchange (sheet_exchange.h) adds
// the file and sheet dialogs of the pages.
//
// An export replaces the sheet's contents with the header row and one row
// per used slot; the old contents are first copied to the backup sheet or
// file. Exports show no message: a failure is returned with the table
// layer's reason. An import checks the header row and tells the user what is
// wrong through the message box; it never changes a slot outside the list.
#include <string>

#include "model/call_log.h"
#include "model/house_list.h"
#include "model/phone_list.h"
#include "model/special_list.h"
#include "platform/message_box.h"
#include "platform/progress_bar.h"

namespace dorvik {

inline constexpr const char* kPhoneSheet = "PhoneNumbers";
inline constexpr const char* kSpecialSheet = "SpecialPhoneNumbers";
inline constexpr const char* kHouseSheet = "HouseNumbers";
inline constexpr const char* kLogSheet = "Log";

enum class ExchangeStatus {
    Done,       // every row was written, or every row of the sheet was read
    Cancelled,  // the user chose no file or no sheet
    Refused,    // the sheet does not hold the list; the user was told why
    Failed,     // the file could not be read or written; `error` says why
};

struct ExchangeResult {
    ExchangeStatus status = ExchangeStatus::Done;
    std::string error;  // the message shown, or the table layer's reason
    int rows = 0;       // data rows written, or slots stored by an import

    bool ok() const { return status == ExchangeStatus::Done; }
};

ExchangeResult ExportPhoneList(const PhoneList& list, const std::string& path,
                               ProgressBar& progress);
ExchangeResult ExportSpecialList(const SpecialList& list, const std::string& path,
                                 ProgressBar& progress);
ExchangeResult ExportHouseList(const HouseList& list, const std::string& path,
                               ProgressBar& progress);
// Every row that holds an entry, also after the log's counter wrapped.
ExchangeResult ExportLog(const CallLog& log, const std::string& path, ProgressBar& progress);

// `sheet` is the sheet of a workbook to read (ignored for a text file).
ExchangeResult ImportPhoneList(PhoneList& list, const std::string& path, const std::string& sheet,
                               ProgressBar& progress, MessageBox& box);
ExchangeResult ImportSpecialList(SpecialList& list, const std::string& path,
                                 const std::string& sheet, ProgressBar& progress, MessageBox& box);
ExchangeResult ImportHouseList(HouseList& list, const std::string& path, const std::string& sheet,
                               ProgressBar& progress, MessageBox& box);

}  // namespace dorvik
