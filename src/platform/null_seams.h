#pragma once
// Seams that show nothing, for front ends and tools without a window: no
// LED, no progress bar, no status text, and file dialogs that are never
// answered.
#include <optional>
#include <string>

#include "platform/file_chooser.h"
#include "platform/indicator.h"
#include "platform/progress_bar.h"
#include "platform/status_pane.h"

namespace dorvik {

class NullIndicator : public Indicator {
public:
    void SetLed(LedColour, bool) override {}
};

class NullProgressBar : public ProgressBar {
public:
    void Show(int, int) override {}
    void SetPos(int) override {}
    void Hide() override {}
};

class NullStatusPane : public StatusPane {
public:
    void SetConnectionText(const std::string&) override {}
};

class NullFileChooser : public FileChooser {
public:
    std::optional<std::string> ChooseOpen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseSave(const std::string&, const std::string&,
                                          const std::string&) override {
        return std::nullopt;
    }
};

}  // namespace dorvik
