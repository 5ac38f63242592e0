#pragma once
// The progress bar of the status bar.
#include <string>

namespace dorvik {

class ProgressBar {
public:
    virtual ~ProgressBar() = default;
    virtual void Show(int minimum, int maximum) = 0;
    virtual void SetPos(int pos) = 0;
    virtual void Hide() = 0;
    // The text beside the bar: how far a run is and the time it has left
    // (empty: none).
    virtual void SetText(const std::string& text) { (void)text; }
};

}  // namespace dorvik
