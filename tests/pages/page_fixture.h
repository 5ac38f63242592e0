#pragma once
// A connected engine on a scripted serial link, the real reply
// handlers, the unit model, both settings pages and the log page.
#include <gtest/gtest.h>

#include <string>

#include "engine_rig.h"
#include "pages/dialog_log.h"
#include "pages/log_view.h"
#include "pages/msic.h"
#include "pages/multi_relay.h"
#include "protocol/reply_handlers.h"

namespace dorvik::test {

class PageTest : public ::testing::Test, protected EngineRig {
protected:
    PageTest()
        : clock(Time(2017, 3, 4, 5, 6, 7)),
          msic(engine, model.settings, clock),
          multi(engine, model.multiRelay, clock),
          logView(model.log),
          logPage(engine, logView) {
        handlers.SetPages({nullptr, nullptr, nullptr, nullptr, &msic, &multi, &logView});
    }
    void Connect() {
        engine.OnConnectCommand();
        Feed("HOUSE NUMBER IS 200\n");
        timers.FireAll(3000);
        link.writes.clear();
        boxes.shown.clear();
    }
    // The last command written, without its line end.
    std::string LastFrame() const {
        if (link.writes.empty()) return {};
        std::string t = link.writes.back().text;
        return t.size() >= 2 ? t.substr(0, t.size() - 2) : t;
    }
    FixedClock clock;
    CMsic msic;
    CMultiRelay multi;
    CLogView logView;
    CDialogLog logPage;
};

}  // namespace dorvik::test
