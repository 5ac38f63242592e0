#pragma once
// Modal message boxes, answered by the user (or by a test script).
#include <string>

namespace dorvik {

enum class MsgIcon { None, Error, Information, Question, Warning };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// The caption every box of the tool carries; an empty caption means the
// toolkit's default one.
inline constexpr const char* kCaption = "DORVIK";

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Texts are GB18030 byte strings. Blocks until answered.
    virtual MsgAnswer Show(const std::string& text, const std::string& caption,
                           MsgIcon icon, MsgButtons buttons) = 0;

    void Error(const std::string& text) { Show(text, kCaption, MsgIcon::Error, MsgButtons::Ok); }
    void Info(const std::string& text) { Show(text, kCaption, MsgIcon::Information, MsgButtons::Ok); }
};

}  // namespace dorvik
