#pragma once
// The progress bar of the status bar.

namespace dorvik {

class ProgressBar {
public:
    virtual ~ProgressBar() = default;
    virtual void Show(int minimum, int maximum) = 0;
    virtual void SetPos(int pos) = 0;
    virtual void Hide() = 0;
};

}  // namespace dorvik
