#pragma once
// The platform seams of the main window logic for a run without a window:
// message boxes answered from the options and collected for the command's
// result, and quiet stand-ins for the LED, progress bar, status text and
// file dialogs.
#include <optional>
#include <string>
#include <vector>

#include "platform/file_chooser.h"
#include "platform/indicator.h"
#include "platform/message_box.h"
#include "platform/progress_bar.h"
#include "platform/status_pane.h"

namespace dorvik::cli {

// How questions are answered: --yes, --no, or not at all (the default, which
// makes a question fail the command).
enum class QuestionPolicy { Refuse, Yes, No };

// Every box shown; texts converted to UTF-8.
class ConsoleMessageBox : public MessageBox {
public:
    explicit ConsoleMessageBox(QuestionPolicy policy = QuestionPolicy::Refuse) : policy_(policy) {}
    void SetPolicy(QuestionPolicy policy) { policy_ = policy; }

    MsgAnswer Show(const std::string& text, const std::string& caption, MsgIcon icon,
                   MsgButtons buttons) override;

    // Errors (error boxes, the give-up notice, unanswered questions),
    // confirmations (information boxes) and warnings, in order.
    const std::vector<std::string>& Errors() const { return errors_; }
    const std::vector<std::string>& Infos() const { return infos_; }
    const std::vector<std::string>& Warnings() const { return warnings_; }
    // Forgets what was shown (a new command starts).
    void Clear();

private:
    MsgAnswer Answer(const std::string& text, MsgButtons buttons);

    QuestionPolicy policy_;
    std::vector<std::string> errors_, infos_, warnings_;
};

class SilentIndicator : public Indicator {
public:
    void SetLed(LedColour, bool) override {}
};

class SilentProgress : public ProgressBar {
public:
    void Show(int, int) override {}
    void SetPos(int) override {}
    void Hide() override {}
};

class StatusText : public StatusPane {
public:
    void SetConnectionText(const std::string& text) override { text_ = text; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// Paths come from the command line; no dialog is ever answered.
class NoFileChooser : public FileChooser {
public:
    std::optional<std::string> ChooseOpen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseSave(const std::string&, const std::string&,
                                          const std::string&) override {
        return std::nullopt;
    }
};

}  // namespace dorvik::cli
