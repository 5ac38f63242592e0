#include "protocol/connection_engine.h"

#include <gtest/gtest.h>

#include "engine_rig.h"
#include "fake_pages.h"

namespace dorvik {
namespace {

using test::RecordingPage;

// Collects every byte of codes other than 18/19 and every message, and
// evaluates nothing.
class LineSink : public ReplySink {
public:
    bool Collects(int code) const override { return code != 18 && code != 19; }
    void OnByte(int, unsigned char b, std::string& line) override {
        if (b == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(b);
        }
    }
    void DispatchMessageReply(const std::string& body, int code, const std::string& ack) override {
        lines.push_back(std::to_string(code) + " " + ack + ": " + body);
    }
    std::vector<std::string> lines;
};

class EngineTest : public ::testing::Test, protected test::EngineRig {
protected:
    EngineTest() {
        engine.SetReplySink(&sink);
        for (int i = 0; i < kPageRoleCount; ++i)
            engine.RegisterPage(static_cast<PageRole>(i), &pages[i]);
    }
    RecordingPage& page(PageRole r) { return pages[static_cast<int>(r)]; }
    // Opens the link; a modem is up once it answered its test.
    void Connect() {
        engine.OnConnectCommand();
        if (link.kind == LinkKind::Modem) link.Up();
        ASSERT_TRUE(engine.Connected());
        link.writes.clear();
    }
    int Tick(int ms) { return timers.FireAll(ms); }

    LineSink sink;
    RecordingPage pages[kPageRoleCount];
};

TEST_F(EngineTest, ConnectChecksParametersInOrder) {
    LinkParams p;
    engine.SetParams(p);
    engine.OnConnectCommand();
    p.password = "1";
    engine.SetParams(p);
    engine.OnConnectCommand();
    p.unitId = "1";
    engine.SetParams(p);
    engine.OnConnectCommand();
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"Please enter password", "Please enter unit ID",
                                        "Please select COM port"}));
    EXPECT_EQ(boxes.shown[0].caption, "DORVIK");
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Error);
    EXPECT_EQ(link.opens, 0);
}

TEST_F(EngineTest, PortThatCannotOpenIsReportedWithItsNumber) {
    link.openSucceeds = false;
    engine.OnConnectCommand();
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Cannot open COM1"}));
    EXPECT_FALSE(engine.Connected());
}

// A modem that does not answer its test within 5000 ms is given up with the
// link's own reason, or the generic one when it has none.
TEST_F(EngineTest, AModemThatNeverComesUpIsGivenUpWithItsReason) {
    link.kind = LinkKind::Modem;
    for (const char* why : {"COM1: no answer to AT", ""}) {
        link.silence = why;
        boxes.shown.clear();
        const int closes = link.closes;
        engine.OnConnectCommand();
        EXPECT_EQ(Tick(5000), 1);
        EXPECT_FALSE(engine.LinkActive());
        EXPECT_EQ(link.closes, closes + 1);
        EXPECT_FALSE(page(PageRole::Phone).modemControls);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{
                                     *why ? why : "Connect device fialed,Please check device!"});
    }
    engine.OnConnectCommand();
    link.Up();
    EXPECT_EQ(Tick(5000), 0);
    EXPECT_TRUE(engine.Connected());
}

TEST_F(EngineTest, ConnectShowsIdAsksHouseCountAndEnablesPages) {
    engine.OnConnectCommand();
    EXPECT_TRUE(engine.Connected());
    EXPECT_TRUE(engine.LinkActive());
    EXPECT_EQ(status.text, "ID:1 is connected...");
    for (auto& p : pages) EXPECT_TRUE(p.enabled);
    ASSERT_EQ(link.writes.size(), 1u);
    EXPECT_EQ(link.writes[0].text, "#PWD1234#NUMBER?\r\n");
    EXPECT_EQ(link.writes[0].code, 38);
    EXPECT_EQ(link.writes[0].ack, "");
    EXPECT_EQ(engine.Indicator(), LedState::Idle);
    ASSERT_FALSE(timers.timers().empty());
    EXPECT_EQ(Tick(3000), 1);
}

TEST_F(EngineTest, TavrinConnectWaitsForProgRf) {
    LinkParams p = engine.Params();
    p.tavrin = true;
    p.unitId = "0815";
    engine.SetParams(p);
    engine.OnConnectCommand();
    EXPECT_FALSE(engine.Connected());
    ASSERT_EQ(link.writes.size(), 1u);
    EXPECT_EQ(link.writes[0].text, "#PWD1234#PROG-RF-0815\r\n");
    EXPECT_EQ(link.writes[0].code, 33);
    EXPECT_EQ(link.writes[0].ack, "PROG-RF-0815 OK");
    engine.StartLink("0815", false);
    EXPECT_EQ(link.writes[1].text, "#PWD1234#PROG-QUIT-0815\r\n");
    EXPECT_EQ(link.writes[1].code, 34);
}

TEST_F(EngineTest, DisconnectQuestionNoKeepsLinkYesCloses) {
    Connect();
    boxes.Script(MsgAnswer::No);
    engine.OnConnectCommand();
    EXPECT_EQ(boxes.shown.back().text, "Disconnected from unit?");
    EXPECT_EQ(boxes.shown.back().buttons, MsgButtons::YesNo);
    EXPECT_TRUE(engine.Connected());
    EXPECT_EQ(link.closes, 0);

    boxes.Script(MsgAnswer::Yes);
    engine.OnConnectCommand();
    EXPECT_FALSE(engine.Connected());
    EXPECT_FALSE(engine.LinkActive());
    EXPECT_EQ(link.closes, 1);
    EXPECT_EQ(status.text, "Disconnected from unit");
    for (auto& p : pages) EXPECT_FALSE(p.enabled);
    EXPECT_EQ(engine.Indicator(), LedState::Off);
}

// A command on the cable goes out again at each silent tick; a short message
// costs money and goes once, with the configured seconds to be answered.
TEST_F(EngineTest, FourSilentTicksGiveUpWithMessagesInOrder) {
    struct Case {
        LinkKind kind;
        int tickMs;
        std::size_t copies;
        const char *wire, *error;
    };
    for (const Case& c :
         {Case{LinkKind::Serial, 3000, 4, "#PWD1234#MODE?\r\n", "Disconnected from unit"},
          Case{LinkKind::Modem, 30000, 1, "#PWD1234#MODE?", "Didn't receive response message"}}) {
        link.kind = c.kind;
        boxes.shown.clear();
        Connect();
        engine.SendRequest("#PWD1234#MODE?", 12, "");
        engine.SetBusy(true);
        for (int i = 0; i < 3; ++i) Tick(c.tickMs);
        ASSERT_EQ(link.writes.size(), c.copies);
        for (const auto& w : link.writes) {
            EXPECT_EQ(w.text, c.wire);
            EXPECT_EQ(w.code, 12);
        }
        EXPECT_TRUE(engine.Connected());
        Tick(c.tickMs);
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[0].text, "Connect device fialed,Please check device!");
        EXPECT_EQ(boxes.shown[0].caption, "");
        EXPECT_EQ(boxes.shown[0].icon, MsgIcon::None);
        EXPECT_EQ(boxes.shown[1].text, c.error);
        EXPECT_EQ(boxes.shown[1].icon, MsgIcon::Error);
        EXPECT_FALSE(engine.Connected());
        EXPECT_EQ(engine.RetryCount(), 0);
        EXPECT_EQ(Tick(c.tickMs), 0);
    }
}

TEST_F(EngineTest, AnswerAfterThreeSilentTicksKeepsTheLink) {
    Connect();
    engine.SendRequest("#PWD1234#CSQ?", 17, "");
    engine.SetBusy(true);
    for (int i = 0; i < 3; ++i) Tick(3000);
    Feed("C");
    Tick(3000);
    EXPECT_TRUE(engine.Connected());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(Tick(3000), 0) << "reply timer stopped";
    // A later command's silence starts counting from zero again.
    engine.SendRequest("#PWD1234#CSQ?", 17, "");
    engine.StartReplyTimer();
    for (int i = 0; i < 3; ++i) Tick(3000);
    EXPECT_TRUE(engine.Connected());
}

TEST_F(EngineTest, ReadAllEndsAtFirstTickAfterDataAndGivesUpWhenSilent) {
    Connect();
    engine.SendRequest("#PWD1234#WHL=ALL?", 1, "");
    engine.BeginReadAll();
    EXPECT_EQ(engine.Indicator(), LedState::Busy);
    Feed("WHL1 IS 5\n");
    progress.visible = true;
    Tick(2000);
    EXPECT_EQ(engine.Indicator(), LedState::Idle);
    EXPECT_FALSE(progress.visible);
    EXPECT_EQ(sink.lines, std::vector<std::string>{"WHL1 IS 5"});

    engine.BeginReadAll();
    for (int i = 0; i < 4; ++i) Tick(2000);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Communication failed,please try again"});
    EXPECT_FALSE(engine.Connected());
}

TEST_F(EngineTest, ReceivedBytesAreRoutedByCode) {
    Connect();
    engine.SendRequest("#PWD1234#MODE?", 12, "");
    Feed("RELAY IS MODE1\r\n");
    EXPECT_TRUE(engine.ReplySeen());
    EXPECT_EQ(sink.lines, std::vector<std::string>{"RELAY IS MODE1\r"});
    EXPECT_EQ(page(PageRole::Msic).receiveText, "RELAY IS MODE1\r") << "last non-empty line shown";

    engine.SendRequest("#PWD1234#OUT1=ON", 18, "OUT1=ON OK");
    Feed("OUT1=ON OK\n");
    EXPECT_EQ(sink.lines.size(), 1u) << "output answers are not evaluated";
    EXPECT_EQ(page(PageRole::Msic).receiveText, "RELAY IS MODE1\r") << "nor shown";
    // A short message answers the pending command whole, and frees the pages.
    engine.SetBusy(true);
    link.Message("OUT1=ON OK");
    EXPECT_EQ(sink.lines.back(), "18 OUT1=ON OK: OUT1=ON OK");
    EXPECT_EQ(page(PageRole::Msic).messageText, "OUT1=ON OK");
    EXPECT_TRUE(page(PageRole::Phone).enabled);
    EXPECT_EQ(engine.Indicator(), LedState::Idle);
}

TEST_F(EngineTest, BusyLeavesHouseDialPageAloneAndWritesAreShownInEverySendBox) {
    Connect();
    page(PageRole::House).enableCalls.clear();
    engine.SetBusy(true);
    EXPECT_FALSE(page(PageRole::Phone).enabled);
    EXPECT_TRUE(page(PageRole::House).enableCalls.empty());
    engine.SetBusy(false);
    EXPECT_TRUE(page(PageRole::Phone).enabled);
    EXPECT_EQ(engine.Indicator(), LedState::Idle);
    engine.OnWritten("#PWD1234#BAND?\r\n");
    for (auto& p : pages) EXPECT_EQ(p.sendText, "#PWD1234#BAND?\r\n");
}

TEST_F(EngineTest, BusyLedBlinksWithShortFlash) {
    engine.SetIndicator(LedState::Busy);
    led.states.clear();
    Tick(400);
    Tick(200);
    using S = std::pair<LedColour, bool>;
    EXPECT_EQ(led.states, (std::vector<S>{{LedColour::Green, true}, {LedColour::Green, false}}));
    engine.SetIndicator(LedState::Modem);
    led.states.clear();
    Tick(400);
    EXPECT_EQ(led.states, (std::vector<S>{{LedColour::Yellow, true}}));
    engine.SetIndicator(LedState::Idle);
    EXPECT_EQ(Tick(400) + Tick(200), 0);
    EXPECT_EQ(led.states.back(), (S{LedColour::Green, true}));
}

}  // namespace
}  // namespace dorvik
