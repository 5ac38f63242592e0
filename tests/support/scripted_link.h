#pragma once
// A link that records every frame sent and answers what the test feeds it,
// or answers by itself as the test scripts it; the test chooses its kind and
// whether it opens.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/link.h"
#include "platform/timer.h"

namespace dorvik::test {

class ScriptedLink : public Link {
public:
    explicit ScriptedLink(LinkKind kind = LinkKind::Serial) : kind(kind) {}

    LinkKind Kind() const override { return kind; }
    void SetListener(LinkListener* l) override { listener = l; }
    bool Open(const LinkSettings&) override {
        ++opens;
        return openSucceeds;
    }
    std::string OpenError() const override { return {}; }
    std::string SilenceError() const override { return silence; }
    void Close() override { ++closes; }
    bool Send(const std::string& frame, int code, const std::string& ack) override {
        // As the text goes on the wire: the serial link ends each frame with CR LF.
        writes.push_back({kind == LinkKind::Serial ? frame + "\r\n" : frame, code, ack});
        if (answer_) {
            auto& timer = answerTimers_.emplace_back(answerClock_->CreateTimer());
            timer->Start(0, false, [this, w = writes.back()] {
                if (listener) Feed(answer_(w));
            });
        }
        return true;
    }

    // The unit's answer: bytes on the cable, or the body of a short message;
    // Up: the modem answered its test.
    void Feed(const std::string& bytes) {
        for (unsigned char c : bytes) listener->OnReplyByte(c);
    }
    void Message(const std::string& body) { listener->OnReplyMessage(body); }
    void Up() { listener->OnLinkUp(); }
    struct Write;
    // From now on every frame is answered on the cable, once its sender has
    // returned, with what `answer` gives for it.
    void AnswerWith(TimerFactory& timers, std::function<std::string(const Write&)> answer) {
        answerClock_ = &timers;
        answer_ = std::move(answer);
    }
    // The texts sent, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& w : writes) out.push_back(w.text);
        return out;
    }

    struct Write {
        std::string text;
        int code;
        std::string ack;
    };
    LinkKind kind;
    LinkListener* listener = nullptr;
    std::vector<Write> writes;
    bool openSucceeds = true;
    std::string silence;  // why the link stayed down, as the link tells it
    int opens = 0, closes = 0;

private:
    TimerFactory* answerClock_ = nullptr;
    std::function<std::string(const Write&)> answer_;
    std::vector<std::unique_ptr<Timer>> answerTimers_;
};

}  // namespace dorvik::test
