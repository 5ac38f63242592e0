#pragma once
// Seams for programs that drive the engine and the pages without a device or
// a window (benchmarks, fuzz targets): a link that sends nowhere, timers
// that never fire, boxes answered Ok.
#include <functional>
#include <memory>
#include <string>

#include "platform/message_box.h"
#include "platform/link.h"
#include "platform/timer.h"

namespace dorvik {

// A link that takes every frame and answers nothing by itself.
class QuietLink : public Link {
public:
    explicit QuietLink(LinkKind kind = LinkKind::Serial) : kind_(kind) {}
    LinkKind Kind() const override { return kind_; }
    void SetListener(LinkListener* listener) override { listener_ = listener; }
    bool Open(const LinkSettings&) override { return true; }
    std::string OpenError() const override { return {}; }
    void Close() override {}
    bool Send(const std::string&, int, const std::string&) override { return true; }
    // Where the link's notifications go (the engine), for feeding answers.
    LinkListener* Listener() const { return listener_; }

private:
    LinkKind kind_;
    LinkListener* listener_ = nullptr;
};

class IdleTimer : public Timer {
public:
    void Start(int, bool, std::function<void()>) override { active_ = true; }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }

private:
    bool active_ = false;
};

class IdleTimers : public TimerFactory {
public:
    std::unique_ptr<Timer> CreateTimer() override { return std::make_unique<IdleTimer>(); }
};

class OkBoxes : public MessageBox {
public:
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
        return MsgAnswer::Ok;
    }
};

}  // namespace dorvik
