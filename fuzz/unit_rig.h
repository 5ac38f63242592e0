#pragma once
// What the reply and modem fuzz targets drive: a connection engine with the
// real reply handlers, every page a reply may update, and the modem mode,
// wired as the main window wires them. Nothing reaches a device: the serial
// link sends nowhere, the modem's port stays closed, timers never fire and
// every box is answered Ok.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pages/link_switch.h"
#include "pages/list_page_set.h"
#include "pages/log_view.h"
#include "pages/msic.h"
#include "pages/multi_relay.h"
#include "platform/null_seams.h"
#include "platform/quiet_seams.h"
#include "platform/ui_dispatcher.h"
#include "transport/modem_mode.h"

namespace dorvik::fuzz {

class FixedClock : public Clock {
public:
    std::tm LocalNow() const override {
        std::tm t{};
        t.tm_year = 126;
        t.tm_mday = 1;
        return t;
    }
};

// The unit's phone number the modem seeds write as the sender.
inline constexpr const char* kUnitPhone = "13900002222";

// A fuzz input: a request code, the acknowledgement text awaited (up to the
// first LF, at most 64 bytes) and the bytes that follow.
struct FramedInput {
    int code = 0;
    std::string ack;
    std::string_view bytes;
};

inline FramedInput SplitInput(const std::uint8_t* data, std::size_t size) {
    FramedInput in;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    if (rest.empty()) return in;
    in.code = 1 + static_cast<unsigned char>(rest[0]) % 39;
    rest.remove_prefix(1);
    const std::size_t lf = rest.substr(0, 65).find('\n');
    if (lf != std::string_view::npos) {
        in.ack = std::string(rest.substr(0, lf));
        rest.remove_prefix(lf + 1);
    }
    in.bytes = rest;
    return in;
}

struct UnitRig {
    UnitRig() {
        LinkParams p;
        p.password = "1234";
        p.unitId = "1";
        p.port.port = 1;
        p.unitPhone = kUnitPhone;
        p.messageCentre = GSMModem::kDefaultMessageCentre;
        engine.SetParams(p);
        engine.SetReplySink(&handlers);
        modem.Configure(p);
        ReplyPages replies = lists.Replies();
        replies.msic = &msic;
        replies.multiRelay = &multi;
        replies.log = &logView;
        handlers.SetPages(replies);
    }

    InlineDispatcher ui;
    OkBoxes boxes;
    QuietLink serial;
    IdleTimers timers;
    NullIndicator led;
    NullProgressBar progress;
    NullStatusPane status;
    FixedClock clock;
    UnitModel model;
    ModemMode modem{ui, boxes};
    // Commands go to the quiet serial link; the modem's answers still reach the engine.
    LinkSwitch link{serial, modem};
    ConnectionEngine engine{{link, timers, boxes, led, progress, status}};
    ReplyHandlers handlers{model, engine};
    ListPageSet lists{engine, model};
    CMsic msic{engine, model.settings, clock};
    CMultiRelay multi{engine, model.multiRelay, clock};
    CLogView logView{model.log};
};

}  // namespace dorvik::fuzz
