#pragma once
// Message boxes for a run without a window: answered from the options and
// collected for the command's result.
#include <string>
#include <vector>

#include "platform/message_box.h"

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

}  // namespace dorvik::cli
