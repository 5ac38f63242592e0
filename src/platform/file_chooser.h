#pragma once
// File open/save dialogs.
#include <optional>
#include <string>

namespace dorvik {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // filter uses the "Description|pattern||" form; paths are UTF-8.
    // std::nullopt when the user cancels.
    virtual std::optional<std::string> ChooseOpen(const std::string& filter,
                                                  const std::string& defaultExt) = 0;
    virtual std::optional<std::string> ChooseSave(const std::string& filter,
                                                  const std::string& defaultExt,
                                                  const std::string& suggestedName) = 0;
};

}  // namespace dorvik
