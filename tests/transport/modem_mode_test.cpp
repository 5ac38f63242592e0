// Modem mode end to end inside the tool: connection engine, reply handling
// and the modem on a pseudo-terminal, with the test playing the modem's side
// of the line and the window thread.
#include "transport/modem_mode.h"

#include <gtest/gtest.h>

#include "fake_pages.h"
#include "fake_serial.h"
#include "fakes.h"
#include "protocol/catalogue.h"
#include "serial_test_support.h"
#include "sms_pdu_samples.h"
#include "transport/sms_pdu.h"

namespace dorvik {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

// Keeps every text the drivers wrote, not only the last.
class SendLogPage : public RecordingPage {
public:
    void SetSendText(const std::string& t) override { sent.push_back(t); }
    Strings sent;
};

class NullStatus : public StatusPane {
public:
    void SetConnectionText(const std::string& t) override { text = t; }
    std::string text;
};

const char kUnit[] = "+8613900002222";

class ModemModeTest : public ::testing::Test {
protected:
    ModemModeTest() {
        LinkParams p;
        p.password = "1234";
        p.unitId = "0815";
        p.port.port = 3;
        p.port.devicePath = master.SlavePath();
        p.modemMode = true;
        p.unitPhone = "13900002222";
        p.replyTimeoutSec = 30;
        engine.SetParams(p);
        engine.SetReplySink(&handlers);
        engine.RegisterPage(PageRole::Phone, &phone);
        engine.RegisterPage(PageRole::Msic, &msic);
        handlers.SetPages({&phone, nullptr, nullptr, nullptr, &msic, nullptr, nullptr});
        modem.Attach(engine, handlers);
    }
    ~ModemModeTest() override { modem.StopMonitor(); }

    // Bytes from the modem, handed over as the window thread would.
    Strings Answer(const std::string& bytes) {
        phone.sent.clear();
        for (unsigned char c : bytes) modem.Receiver().OnSerialByte(c, 3);
        return phone.sent;
    }
    void Connect(const char* format) {
        engine.OnConnectCommand();
        EXPECT_EQ(phone.sent, Strings{"AT\r\n"});
        EXPECT_TRUE(phone.modemControls);
        EXPECT_FALSE(engine.Connected());
        EXPECT_EQ(Answer("AT\r\r\nOK\r\n"), Strings{std::string("AT+CMGF=") + format + "\r\n"});
        EXPECT_TRUE(engine.Connected());
        EXPECT_EQ(status.text, "ID:0815 is connected...");
        EXPECT_EQ(Answer(std::string("AT+CMGF=") + format + "\r\r\nOK\r\n"),
                  Strings{"AT+CNMI=1,1,0,0,0\r\n"});
        EXPECT_TRUE(Answer("AT+CNMI=1,1,0,0,0\r\r\nOK\r\n").empty());
        EXPECT_TRUE(serial.writes.empty());  // no house count query by short message
    }
    // The phone page's upload of slot 1, as one press sends it.
    Request SendPhoneSlot() {
        model.Phones.SetEntry("13911112222", "", 0, RowStatus::Pending);
        Request r = WritePhoneSlot("1234", 1, "13911112222");
        phone.sent.clear();
        engine.SetBusy(true);
        engine.SendRequest(r.frame, r.code, r.ack);
        return r;
    }
    ManualTimer& ReplyTimer() { return *timers.timers()[0]; }

    PtyMaster master;
    UnitModel model;
    FakeSerialDevice serial;
    ManualTimerFactory timers;
    RecordingMessageBox boxes;
    RecordingIndicator led;
    RecordingProgressBar progress;
    NullStatus status;
    SendLogPage phone;
    RecordingSettingsPage msic;
    InlineDispatcher ui;
    ModemMode modem{ui, boxes};
    ConnectionEngine engine{{serial, &modem, timers, boxes, led, progress, status}};
    ReplyHandlers handlers{model, engine};
};

TEST_F(ModemModeTest, PhoneSlotTravelsByTextMessageAndIsConfirmed) {
    Connect("1");
    Request r = SendPhoneSlot();
    EXPECT_EQ(phone.sent, Strings{"AT+CMGS=\"13900002222\"\r\n"});
    EXPECT_EQ(ReplyTimer().interval(), 30000);
    EXPECT_EQ(Answer("AT+CMGS=\"13900002222\"\r\r\n> "), Strings{r.frame + "\x1A"});
    EXPECT_EQ(phone.messageText, r.frame);
    EXPECT_TRUE(Answer(r.frame + "\x1A\r\n+CMGS: 5\r\n\r\nOK\r\n").empty());
    EXPECT_EQ(engine.Indicator(), LedState::Modem);

    // Another sender's message comes first; it is removed and nothing changes.
    EXPECT_EQ(Answer("\r\n+CMTI: \"SM\",1\r\n"), Strings{"AT+CMGR=1\r\n"});
    EXPECT_EQ(Answer("AT+CMGR=1\r\r\n+CMGR: \"REC UNREAD\",\"+8613800000000\",,"
                     "\"16/12/28,13:45:01+32\"\r\n" + r.ack + "\r\n\r\nOK\r\n"),
              Strings{"AT+CMGD=1\r\n"});
    EXPECT_EQ(model.Phones.Status(0), RowStatus::Pending);
    EXPECT_TRUE(Answer("AT+CMGD=1\r\r\nOK\r\n").empty());

    EXPECT_EQ(Answer("\r\n+CMTI: \"SM\",2\r\n"), Strings{"AT+CMGR=2\r\n"});
    EXPECT_EQ(Answer("AT+CMGR=2\r\r\n+CMGR: \"REC UNREAD\",\"" + std::string(kUnit) +
                     "\",,\"16/12/28,13:45:02+32\"\r\n" + r.ack + "\r\n\r\nOK\r\n"),
              Strings{"AT+CMGD=2\r\n"});
    EXPECT_EQ(model.Phones.Status(0), RowStatus::InUnit);
    EXPECT_EQ(phone.messageText, r.ack);
    EXPECT_TRUE(phone.enabled);
    EXPECT_EQ(engine.Indicator(), LedState::Idle);
    EXPECT_GE(progress.hides, 1);
    EXPECT_TRUE(Answer("AT+CMGD=2\r\r\nOK\r\n").empty());

    ReplyTimer().Fire();  // the answer came: supervision ends quietly
    EXPECT_FALSE(ReplyTimer().IsActive());
    EXPECT_TRUE(engine.Connected());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ModemModeTest, PhoneSlotTravelsByPduMessageAndIsConfirmed) {
    modem.UsePduMode(true);
    modem.SetMessageCentre("+8613800210500");
    Connect("0");
    Request r = SendPhoneSlot();
    ASSERT_EQ(phone.sent.size(), 1u);
    std::string pdu = modem.Modem().SendBuffer();
    ASSERT_FALSE(pdu.empty());
    pdu.pop_back();  // Ctrl-Z
    EXPECT_EQ(phone.sent[0], "AT+CMGS=" + std::to_string(CSMSPDU::TpduLength(pdu)) + "\r\n");
    CSMSItem carried;
    ASSERT_TRUE(CSMSPDU::DecodePdu(carried, SubmitToDeliver(pdu)));
    EXPECT_EQ(carried.body, r.frame);
    EXPECT_TRUE(carried.sender.ends_with("13900002222"));
    EXPECT_EQ(Answer("\r\n> "), Strings{pdu + "\x1A"});
    EXPECT_TRUE(Answer("\r\n+CMGS: 5\r\n\r\nOK\r\n").empty());

    SmsSubmit reply;
    reply.destination = kUnit;
    reply.text = r.ack;
    std::string deliver = SubmitToDeliver(*CSMSPDU::EncodePdu(reply));
    EXPECT_EQ(Answer("\r\n+CMTI: \"SM\",4\r\n"), Strings{"AT+CMGR=4\r\n"});
    EXPECT_EQ(Answer("\r\n+CMGR: 0,," + std::to_string(CSMSPDU::TpduLength(deliver)) + "\r\n" +
                     deliver + "\r\n\r\nOK\r\n"),
              Strings{"AT+CMGD=4\r\n"});
    EXPECT_EQ(model.Phones.Status(0), RowStatus::InUnit);
    EXPECT_EQ(phone.messageText, r.ack);
}

TEST_F(ModemModeTest, SilentUnitClosesTheLinkAtTheFourthTickWithoutWritingAgain) {
    Connect("1");
    SendPhoneSlot();
    Answer("\r\n> ");
    Answer("\r\nOK\r\n");
    phone.sent.clear();
    for (int tick = 0; tick < 3; ++tick) ReplyTimer().Fire();
    EXPECT_TRUE(phone.sent.empty());
    EXPECT_TRUE(engine.Connected());
    ReplyTimer().Fire();
    EXPECT_TRUE(phone.sent.empty());
    EXPECT_TRUE(serial.writes.empty());
    EXPECT_FALSE(engine.Connected());
    EXPECT_FALSE(modem.Modem().IsOpen());
    EXPECT_EQ(boxes.Texts(), (Strings{"Connect device fialed,Please check device!",
                                      "Didn't receive response message"}));
}

TEST_F(ModemModeTest, ReplyTimeOutIsKeptToAUsableRange) {
    const std::pair<int, int> cases[] = {{0, 1000}, {-5, 1000}, {7, 7000}, {1000000, 3600000}};
    for (auto [seconds, ms] : cases) {
        LinkParams p = engine.Params();
        p.replyTimeoutSec = seconds;
        engine.SetParams(p);
        if (!engine.Connected()) Connect("1");
        SendPhoneSlot();
        EXPECT_EQ(ReplyTimer().interval(), ms) << seconds;
    }
}

TEST_F(ModemModeTest, DisconnectStopsTheModemAndHidesTheMessageBoxes) {
    Connect("1");
    boxes.Script(MsgAnswer::Yes);
    engine.OnConnectCommand();
    EXPECT_EQ(boxes.shown.back().text, "Disconnected from unit");
    EXPECT_FALSE(engine.Connected());
    EXPECT_FALSE(modem.Modem().IsOpen());
    EXPECT_FALSE(phone.modemControls);

    engine.OnConnectCommand();  // connects afresh with the modem test
    EXPECT_EQ(phone.sent.back(), "AT\r\n");
    EXPECT_EQ(modem.Receiver().Buffer(), "");
}

}  // namespace
}  // namespace dorvik
