#include "cli/console_seams.h"

#include "model/text_codec.h"

namespace dorvik::cli {

MsgAnswer ConsoleMessageBox::Show(const std::string& text, const std::string&, MsgIcon icon,
                                  MsgButtons buttons) {
    const std::string utf8 = GbToUtf8(text);
    if (buttons != MsgButtons::Ok) return Answer(utf8, buttons);
    if (icon == MsgIcon::Information)
        infos_.push_back(utf8);
    else if (icon == MsgIcon::Warning)
        warnings_.push_back(utf8);
    else
        errors_.push_back(utf8);
    return MsgAnswer::Ok;
}

MsgAnswer ConsoleMessageBox::Answer(const std::string& text, MsgButtons buttons) {
    if (policy_ == QuestionPolicy::Yes) return MsgAnswer::Yes;
    if (policy_ == QuestionPolicy::No) return MsgAnswer::No;
    errors_.push_back("\"" + text + "\" needs an answer: give --yes or --no");
    return buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::No;
}

void ConsoleMessageBox::Clear() {
    errors_.clear();
    infos_.clear();
    warnings_.clear();
}

}  // namespace dorvik::cli
