#pragma once
// Choosing the sheet of a workbook that an import reads.
#include <optional>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace dorvik {

// The sheet selection dialog: offers the names (GB18030, workbook order)
// and returns the chosen one, or nothing when the user picks none.
class SheetChooser {
public:
    virtual ~SheetChooser() = default;
    virtual std::optional<std::string> ChooseSheetName(const std::vector<std::string>& names) = 0;
};

// The sheet to import from the file: the default name for a text file, the
// only worksheet of a workbook, or the one the user picks when there are
// several. Nothing, after telling the user, when the workbook has no
// worksheet (or cannot be read) or the user picks none.
std::optional<std::string> ChooseSheet(const std::string& path, const std::string& defaultName,
                                       SheetChooser& chooser, MessageBox& box);

}  // namespace dorvik
