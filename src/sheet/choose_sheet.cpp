#include <filesystem>

#include "sheet/sheet_chooser.h"
#include "sheet/text_table.h"
#include "sheet/workbook_table.h"

namespace dorvik {

constexpr const char* kNoSheet = "There isn't sheet in the file!";
constexpr const char* kNoneChosen = "Hasn't Select sheet name";

std::optional<std::string> ChooseSheet(const std::string& path, const std::string& defaultName,
                                       SheetChooser& chooser, MessageBox& box) {
    // A text file is one table: it goes by the caller's sheet name.
    if (!IsWorkbookPath(path)) return defaultName;
    std::vector<std::string> names;
    std::string error;
    if (!ListWorksheets(path, names, error) || names.empty()) {
        // An existing file that cannot be read says why under the usual message.
        bool unreadable = !error.empty() && std::filesystem::exists(path);
        box.Error(unreadable ? std::string(kNoSheet) + "\n" + error : std::string(kNoSheet));
        return std::nullopt;
    }
    if (names.size() == 1) return names.front();
    std::optional<std::string> chosen = chooser.ChooseSheetName(names);
    if (!chosen || chosen->empty()) {
        box.Error(kNoneChosen);
        return std::nullopt;
    }
    return chosen;
}

}  // namespace dorvik
