#pragma once
// The exchange buttons of the list pages and the log page ("Export to
// Excel", "Import From Excel", "Export Log"): each asks for the file, an
// import also for the sheet, and then runs the exchange of list_exchange.h.
// A cancelled dialog ends the operation with nothing changed; a file of a
// kind the tool does not write or read is refused with a message.
#include <functional>
#include <string>

#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "platform/progress_bar.h"
#include "sheet/list_exchange.h"
#include "sheet/sheet_chooser.h"

namespace dorvik {

class SheetExchange {
public:
    // The filter of the file dialogs: every kind together, then one per kind.
    static constexpr const char* kFilter =
        "Spreadsheets (*.xlsx *.ods *.xls *.csv)|*.xlsx;*.ods;*.xls;*.csv|"
        "Excel Workbook (*.xlsx)|*.xlsx|OpenDocument Spreadsheet (*.ods)|*.ods|"
        "Excel 97-2003 Workbook (*.xls)|*.xls|CSV (*.csv)|*.csv|Text (*.txt *.tsv)|*.txt;*.tsv||";
    static constexpr const char* kDefaultExt = "xlsx";

    SheetExchange(FileChooser& files, SheetChooser& sheets, MessageBox& box, ProgressBar& progress)
        : files_(files), sheets_(sheets), box_(box), progress_(progress) {}

    ExchangeResult ExportPhones(const PhoneList& list);
    ExchangeResult ExportSpecials(const SpecialList& list);
    ExchangeResult ExportHouses(const HouseList& list);
    ExchangeResult ExportLog(const CallLog& log);

    ExchangeResult ImportPhones(PhoneList& list);
    ExchangeResult ImportSpecials(SpecialList& list);
    ExchangeResult ImportHouses(HouseList& list);

private:
    using ExportTo = std::function<ExchangeResult(const std::string& path)>;
    using ImportFrom =
        std::function<ExchangeResult(const std::string& path, const std::string& sheet)>;

    // False, after telling the user, for a file of an unknown kind.
    bool KnownKind(const std::string& path);
    // Asks where to save, suggesting the sheet's name for the file.
    ExchangeResult Export(const char* sheet, const ExportTo& run);
    // Asks for the file, then for one of its sheets (`sheet` by default).
    ExchangeResult Import(const char* sheet, const ImportFrom& run);

    FileChooser& files_;
    SheetChooser& sheets_;
    MessageBox& box_;
    ProgressBar& progress_;
};

}  // namespace dorvik
