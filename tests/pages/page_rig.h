#pragma once
// The four list pages wired to a real connection engine and real reply
// handlers over a scripted link (a cable, or a modem) and manual timers: a
// test presses buttons, feeds the unit's answers and fires timers.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes.h"
#include "pages/list_page_set.h"
#include "scripted_link.h"

namespace dorvik::test {

struct PageRig {
    static constexpr const char* kPassword = "1234";

    PageRig()
        : engine({link, timers, boxes, led, progress, status}),
          handlers(model, engine),
          pages(engine, model) {
        engine.SetReplySink(&handlers);
        handlers.SetPages(pages.Replies());
    }

    // Opens the link on the serial cable (or through the modem) and forgets
    // what connecting wrote and showed.
    void Connect(bool modemMode = false) {
        LinkParams p;
        p.password = kPassword;
        p.unitId = "1";
        p.port.port = 1;
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
    // Bytes from the unit.
    void Feed(const std::string& bytes) { link.Feed(bytes); }
    // The unit confirms the pending command with its acknowledgement text.
    void Confirm() { Feed(engine.Pending().ack + "\n"); }
    // The pause after a confirmed slot ends.
    void Pause() { timers.FireAll(200); }
    // The unit's short message answering the last command.
    void SmsAnswer(const std::string& body) { link.Message(body); }
    // The texts sent, in order.
    std::vector<std::string> Sent() const { return link.Texts(); }
    std::vector<std::string> Boxes() const { return boxes.Texts(); }
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

    UnitModel model;
    ScriptedLink link;
    ManualTimerFactory timers;
    RecordingMessageBox boxes;
    RecordingIndicator led;
    RecordingProgressBar progress;
    RecordingStatusPane status;
    ConnectionEngine engine;
    ReplyHandlers handlers;
    ListPageSet pages;
};

}  // namespace dorvik::test
