#pragma once
// The connection text of the status bar.
#include <string>

namespace dorvik {

class StatusPane {
public:
    virtual ~StatusPane() = default;
    virtual void SetConnectionText(const std::string& text) = 0;
};

}  // namespace dorvik
