#pragma once
// A connection engine on a scripted serial link, with the real reply
// handlers and the unit model: the common ground of the protocol and page
// tests. Port 1, password "1234", unit ID "1".
#include <string>
#include <vector>

#include "fakes.h"
#include "model/unit_model.h"
#include "protocol/connection_engine.h"
#include "protocol/reply_handlers.h"
#include "scripted_link.h"

namespace dorvik::test {

inline LinkParams TestLinkParams(const std::string& password = "1234") {
    LinkParams p;
    p.password = password;
    p.unitId = "1";
    p.port.port = 1;
    return p;
}

struct EngineRig {
    EngineRig() {
        engine.SetParams(TestLinkParams());
        engine.SetReplySink(&handlers);
    }
    // Bytes from the unit.
    void Feed(const std::string& s) { link.Feed(s); }
    std::vector<std::string> Boxes() const { return boxes.Texts(); }

    UnitModel model;
    ScriptedLink link;
    ManualTimerFactory timers;
    RecordingMessageBox boxes;
    RecordingIndicator led;
    RecordingProgressBar progress;
    RecordingStatusPane status;
    ConnectionEngine engine{{link, timers, boxes, led, progress, status}};
    ReplyHandlers handlers{model, engine};
};

}  // namespace dorvik::test
