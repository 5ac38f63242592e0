#pragma once
// Every page wired to a real connection engine and real reply handlers over a
// scripted cable and manual timers: a test presses buttons, feeds the unit's
// answers and fires timers.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine_rig.h"
#include "pages/dialog_log.h"
#include "pages/list_page_set.h"
#include "pages/log_view.h"
#include "pages/msic.h"
#include "pages/multi_relay.h"

namespace dorvik::test {

using Strings = std::vector<std::string>;

struct PageRig : EngineRig {
    PageRig() {
        ReplyPages replies = pages.Replies();
        replies.msic = &msic;
        replies.multiRelay = &multi;
        replies.log = &logView;
        handlers.SetPages(replies);
    }

    // Connects over the scripted link (the modem answering its test) and
    // forgets what connecting wrote.
    void Connect(bool modemMode = false) {
        LinkParams p = TestLinkParams();
        p.modemMode = modemMode;
        link.kind = modemMode ? LinkKind::Modem : LinkKind::Serial;
        engine.SetParams(p);
        engine.OnConnectCommand();
        if (modemMode) link.Up();
        Forget();
    }
    void Forget() {
        link.writes.clear();
        boxes.shown.clear();
    }
    // Special slot 1 holds `number` as a time-rule slot.
    void HoldSpecial(const std::string& number, const std::string& name = "",
                     RowStatus status = RowStatus::Pending) {
        SpecialTexts t;
        t.number = number;
        t.name = name;
        model.specials.SetEntry(t, 0, status, "S");
    }
    // The unit confirms the pending command with its acknowledgement text.
    void Confirm() { Feed(engine.Pending().ack + "\n"); }
    // The pause after a confirmed slot ends.
    void Pause() { timers.FireAll(200); }
    // The texts sent, in order.
    std::vector<std::string> Sent() const { return link.Texts(); }
    // The last command written, without its line end.
    std::string LastFrame() const {
        if (link.writes.empty()) return {};
        std::string t = link.writes.back().text;
        return t.size() >= 2 ? t.substr(0, t.size() - 2) : t;
    }
    // Runs an operation that must be refused: it shows exactly one box, the
    // message with the error icon, sends nothing and leaves the list as it was.
    template <class List>
    void ExpectRefused(const List& list, const std::function<void()>& op,
                       const std::string& message) {
        const auto revision = list.Revision();
        const std::vector<std::string> before = boxes.Texts();
        const std::size_t written = link.writes.size();
        op();
        std::vector<std::string> expected = before;
        expected.push_back(message);
        ASSERT_EQ(boxes.Texts(), expected);
        EXPECT_EQ(boxes.shown.back().icon, MsgIcon::Error) << message;
        EXPECT_EQ(link.writes.size(), written) << message;
        EXPECT_EQ(list.Revision(), revision) << message;
    }

    ListPageSet pages{engine, model};
    FixedClock clock{Time(2017, 3, 4, 5, 6, 7)};
    CMsic msic{engine, model.settings, clock};
    CMultiRelay multi{engine, model.multiRelay, clock};
    CLogView logView{model.log};
    CDialogLog logPage{engine, logView};
};

// Connected over the scripted cable, with what connecting wrote forgotten.
class PageTest : public ::testing::Test, protected PageRig {
protected:
    PageTest() { Connect(); }
};

}  // namespace dorvik::test
