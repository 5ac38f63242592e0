#pragma once
// The one link the connection engine holds: the serial link or the modem
// mode, as the connection settings choose. A new choice takes effect at the
// next opening, so the link that is open stays in use until it is closed.
#include <string>

#include "platform/link.h"

namespace dorvik {

class LinkSwitch : public Link {
public:
    LinkSwitch(Link& serial, Link& modem) : serial_(serial), modem_(modem) {}

    void UseModem(bool on) { chosen_ = on ? &modem_ : &serial_; }

    LinkKind Kind() const override { return Current().Kind(); }
    void SetListener(LinkListener* listener) override {
        serial_.SetListener(listener);
        modem_.SetListener(listener);
    }
    bool Open(const LinkSettings& settings) override {
        if (open_ && open_ != chosen_) open_->Close();
        open_ = chosen_;
        return open_->Open(settings);
    }
    std::string OpenError() const override { return Current().OpenError(); }
    std::string SilenceError() const override { return Current().SilenceError(); }
    void Close() override {
        if (open_) open_->Close();
        open_ = nullptr;
    }
    bool Send(const std::string& frame, int requestCode, const std::string& ack) override {
        return Current().Send(frame, requestCode, ack);
    }

private:
    Link& Current() const { return open_ ? *open_ : *chosen_; }

    Link& serial_;
    Link& modem_;
    Link* chosen_ = &serial_;
    Link* open_ = nullptr;
};

}  // namespace dorvik
