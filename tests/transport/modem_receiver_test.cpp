// GSMModem and its receive path on a pseudo-terminal without the monitoring
// thread: the test feeds the modem's bytes and the host records what followed.
#include <gtest/gtest.h>

#include "serial_test_support.h"
#include "sms_pdu_samples.h"
#include "transport/gsm_modem.h"
#include "transport/modem_receiver.h"
#include "transport/sms_pdu.h"

namespace dorvik {
namespace {

using Strings = std::vector<std::string>;

const std::string kUnitPhone = "13900002222";
const std::string kCommand = "#PWD1234#WHL0001=13911112222";
const std::string kAnswer = "WHL0001 SET TO 13911112222 OK";
const std::string kStamp = "\"16/12/28,13:45:01+32\"";

// What a stretch of received bytes led to.
struct Outcome {
    Strings written, errors, bodies, messages;
    std::vector<LinkActivity> leds;
    ModemState state = ModemState::Test;
    int ready = 0;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    os << "state " << int(o.state) << ", ready " << o.ready << ", leds " << o.leds.size();
    for (const auto* list : {&o.written, &o.errors, &o.bodies, &o.messages})
        for (const auto& text : *list) os << " [" << text << "]";
    return os;
}

struct RecordingHost : ModemHost, Outcome {
    void ModemReady() override { ++ready; }
    void SetActivity(LinkActivity a) override { leds.push_back(a); }
    void ShowReceived(const std::string& t) override { received = t; }
    void ShowMessage(const std::string& t) override { messages.push_back(t); }
    void ShowError(const std::string& t) override { errors.push_back(t); }
    void OnCommandWritten(const std::string& t) override { written.push_back(t); }
    void OnUnitMessage(const std::string& b) override { bodies.push_back(b); }
    std::string UnitPhone() const override { return kUnitPhone; }
    std::string received;
};

class ModemRig {
public:
    explicit ModemRig(int format = kTextFormat) {
        PortSettings s;
        s.port = 5;
        s.devicePath = master.SlavePath();
        modem.OpenPort(s);
        receiver.UseMessageFormat(format);
        modem.SetMessageFormat(format);
        Forget();
    }
    void Feed(std::string_view bytes) {
        for (unsigned char c : bytes) receiver.OnSerialByte(c, 5);
    }
    // Puts the modem where the command leading to state leaves it.
    void Enter(ModemState state) {
        if (state == ModemState::Read || state == ModemState::Select) modem.PushIndex(12);
        if (state == ModemState::Prompt || state == ModemState::Body)
            modem.SendShortMessage(kUnitPhone, kCommand);
        switch (state) {
            case ModemState::Test: modem.TestModem(); break;
            case ModemState::Format: modem.SetMessageFormat(modem.MessageFormat()); break;
            case ModemState::Indication: modem.EnableNewMessageIndication(); break;
            case ModemState::Prompt: break;
            case ModemState::Body: modem.SendBody(); break;
            case ModemState::Read: modem.ReadMessage(12); break;
            case ModemState::Delete: modem.DeleteMessage(12); break;
            case ModemState::Idle: modem.SetState(ModemState::Idle); break;
            case ModemState::Storages: modem.QueryStorages(); break;
            case ModemState::Select: modem.SelectReadStorage("ME"); break;
            case ModemState::List: modem.ListMessages(); break;
        }
        Forget();
    }
    void Forget() { host = RecordingHost{}; }
    Outcome Result() const {
        Outcome o = host;
        o.state = modem.State();
        return o;
    }
    // Feeds bytes and returns what was written meanwhile, forgetting it.
    Strings Exchange(std::string_view bytes) {
        host.written.clear();
        Feed(bytes);
        return host.written;
    }

    test::PtyMaster master;
    InlineDispatcher ui;
    test::SyncMessageBox box;
    RecordingHost host;
    ModemReceiver receiver{modem, host};
    GSMModem modem{receiver, ui, box};
};

// The modem's answer to AT+CMGR in text mode, with the command's echo.
std::string TextRead(int index, const std::string& sender, const std::string& body) {
    return "AT+CMGR=" + std::to_string(index) + "\r\r\n+CMGR: \"REC UNREAD\",\"" + sender +
           "\",," + kStamp + "\r\n" + body + "\r\n\r\nOK\r\n";
}

// The commands the receiver's tables do not answer; they pin the others.
TEST(GsmModem, TestFormatAndPduListingCommandsAndAClosedPort) {
    ModemRig rig;
    EXPECT_TRUE(rig.modem.TestModem());
    EXPECT_TRUE(rig.modem.SetMessageFormat(kPduFormat));
    EXPECT_TRUE(rig.modem.ListMessages());
    EXPECT_FALSE(rig.modem.ReadMessage(-1));
    EXPECT_EQ(rig.host.written, (Strings{"AT\r\n", "AT+CMGF=0\r\n", "AT+CMGL=4\r\n"}));
    EXPECT_EQ(rig.modem.State(), ModemState::List);
    EXPECT_EQ(rig.modem.MessageFormat(), kPduFormat);
    // A closed port writes nothing, yet the state moves on.
    rig.modem.StopMonitor();
    EXPECT_FALSE(rig.modem.ReadMessage(2));
    EXPECT_EQ(rig.modem.State(), ModemState::Read);
    EXPECT_EQ(rig.host.written.size(), 3u);
}

TEST(GsmModem, PduModeMessageGivesTheTpduLengthAndUcs2Body) {
    ModemRig rig(kPduFormat);
    rig.modem.SetMessageCentre("+8613800210500");
    EXPECT_TRUE(rig.modem.SendShortMessage("+8613900002222", "#PWD1234#DELAY?"));
    // Service centre 08 91 683108200105F0 (9 octets), then the 45-octet TPDU:
    // SUBMIT 11, MR 00, 0D91 + 13 digits, PID 00, DCS 08 (UCS2), VP 00, UDL 1E.
    const std::string pdu =
        "0891683108200105F0"
        "11000D91683109002022F2"
        "0008001E"
        "00230050005700440031003200330034002300440045004C00410059003F";
    EXPECT_EQ(rig.modem.SendBuffer(), pdu + "\x1A");
    EXPECT_EQ(rig.host.written, Strings{"AT+CMGS=45\r\n"});
    EXPECT_EQ(CSMSPDU::TpduLength(pdu), 45);
}

// One to sixty-nine characters are sent, in text mode after a prompt;
// Chinese text counts characters, not bytes. A refused message writes
// nothing and leaves no body to send.
TEST(GsmModem, MessageOfOneToSixtyNineCharactersIsSentOthersWriteNothing) {
    ModemRig rig;
    GSMModem& modem = rig.modem;
    std::string chinese;
    for (int i = 0; i < 69; ++i) chinese += "\xC4\xE3";  // GB18030 "你"
    EXPECT_TRUE(modem.SendShortMessage(kUnitPhone, std::string(69, 'a')));
    EXPECT_TRUE(modem.SendShortMessage(kUnitPhone, chinese));
    ASSERT_TRUE(modem.SendShortMessage(kUnitPhone, "x"));
    EXPECT_EQ(rig.host.written.back(), "AT+CMGS=\"13900002222\"\r\n");
    EXPECT_EQ(modem.State(), ModemState::Prompt);
    EXPECT_EQ(modem.SendBuffer(), "x\x1A");  // sent on the prompt, see the state table
    const std::pair<std::string, std::string> refused[] = {
        {kUnitPhone, std::string(70, 'a')},
        {kUnitPhone, chinese + "\xC4\xE3"},
        {kUnitPhone, ""},
        {kUnitPhone, "cut\x1A" "AT+CMGD=1"},  // Ctrl-Z would end the body early
        {kUnitPhone, "esc\x1B"},
        {"", "text"},
        {"139\"\r\nAT+CMGD=1", "text"},  // the number must not end the command
        {"+", "text"},
    };
    for (const auto& [number, text] : refused) {
        EXPECT_FALSE(modem.SendShortMessage(number, text)) << number << "/" << text;
        EXPECT_EQ(modem.SendBuffer(), "");  // the earlier body is not sent on a prompt
    }
    EXPECT_FALSE(modem.SendBody());
    EXPECT_EQ(rig.host.written.size(), 3u);
    modem.SetMessageFormat(kPduFormat);
    EXPECT_FALSE(modem.SendShortMessage("123456789012345678901", "too many digits"));
    EXPECT_EQ(rig.host.written.size(), 4u);  // only AT+CMGF=0
}

struct StateCase {
    const char* name;
    ModemState state;
    std::string answer;
    Outcome expected;
};

// A listing: an old answer of the unit (its text "OK"), a message from
// another number, another old answer.
std::string OldAnswers() {
    return "AT+CMGL=\"ALL\"\r\r\n+CMGL: 2,\"REC READ\",\"+8613900002222\",," + kStamp +
           "\r\nOK\r\n+CMGL: 4,\"REC READ\",\"10086\",," + kStamp + "\r\nbalance\r\n" +
           "+CMGL: 9,\"REC UNREAD\",\"13900002222\",," + kStamp + "\r\nAT last\r\n\r\nOK\r\n";
}

// Each state with the answer that moves it on: the step fires exactly when
// the answer is complete, however the bytes are split.
std::vector<StateCase> StateCases() {
    const std::string sent = kCommand + "\x1A", error = "\r\n+CMS ERROR: 500\r\n";
    const ModemState idle = ModemState::Idle;
    return {
        {"test", ModemState::Test, "AT\r\r\nOK\r\n",
         {{"AT+CMGF=1\r\n"}, {}, {}, {}, {}, ModemState::Format, 1}},
        {"format", ModemState::Format, "AT+CMGF=1\r\r\nOK\r\n",
         {{"AT+CNMI=1,1,0,0,0\r\n"}, {}, {}, {}, {}, ModemState::Indication, 0}},
        {"indication", ModemState::Indication, "AT+CNMI=1,1,0,0,0\r\r\nOK\r\n",
         {{"AT+CPMS?\r\n"}, {}, {}, {}, {}, ModemState::Storages, 0}},
        {"storages", ModemState::Storages,
         "AT+CPMS?\r\r\n+CPMS: \"SM\",3,30,\"SM\",3,30,\"SM\",3,30\r\n\r\nOK\r\n",
         {{"AT+CMGL=\"ALL\"\r\n"}, {}, {}, {}, {}, ModemState::List, 0}},
        // The unit's old answers are deleted, whatever they say; others stay.
        {"list", ModemState::List, OldAnswers(),
         {{"AT+CMGD=2\r\n"}, {}, {}, {}, {}, ModemState::Delete, 0}},
        {"prompt", ModemState::Prompt, "AT+CMGS=\"13900002222\"\r\r\n>",
         {{sent}, {}, {}, {kCommand}, {}, ModemState::Body, 0}},
        {"body", ModemState::Body, sent + "\r\n+CMGS: 7\r\n\r\nOK\r\n",
         {{}, {}, {}, {}, {LinkActivity::AwaitingAnswer}, ModemState::Idle, 0}},
        {"idle", ModemState::Idle, "\r\n+CMTI: \"SM\",12\r\n",
         {{"AT+CMGR=12\r\n"}, {}, {}, {}, {}, ModemState::Read, 0}},
        {"read", ModemState::Read, TextRead(12, "+8613900002222", kAnswer),
         {{"AT+CMGD=12\r\n"}, {}, {kAnswer}, {}, {}, ModemState::Delete, 0}},
        {"delete", ModemState::Delete, "AT+CMGD=12\r\r\nOK\r\n",
         {{}, {}, {}, {}, {}, ModemState::Idle, 0}},
        // An error ends each step with its message, except in the set-up after
        // the message format, which goes on without what the modem refused.
        // Which lines are errors is modem_message_test's.
        {"test error", ModemState::Test, error, {{}, {"Modem test error"}, {}, {}, {}, idle, 0}},
        {"format error", ModemState::Format, "AT+CMGF=1\r\r" + error,
         {{}, {"Message format setting error"}, {}, {}, {}, idle, 0}},
        {"indication error", ModemState::Indication, "AT+CNMI=1,1,0,0,0\r\r" + error,
         {{"AT+CPMS?\r\n"}, {}, {}, {}, {}, ModemState::Storages, 0}},
        {"storages error", ModemState::Storages, error,
         {{"AT+CMGL=\"ALL\"\r\n"}, {}, {}, {}, {}, ModemState::List, 0}},
        {"list error", ModemState::List, error, {{}, {}, {}, {}, {}, idle, 0}},
        {"select error", ModemState::Select, error,
         {{}, {"Read message error"}, {}, {}, {LinkActivity::Idle}, idle, 0}},
        {"prompt error", ModemState::Prompt, error,
         {{}, {"Ready to send message error"}, {}, {}, {}, idle, 0}},
        {"body error", ModemState::Body, error,
         {{}, {"Send message error"}, {}, {}, {LinkActivity::Idle}, idle, 0}},
        {"idle error", ModemState::Idle, error, {{}, {}, {}, {}, {LinkActivity::Idle}, idle, 0}},
        {"read error", ModemState::Read, error,
         {{}, {"Read message error"}, {}, {}, {LinkActivity::Idle}, idle, 0}},
        {"delete error", ModemState::Delete, error,
         {{}, {"Delete message error"}, {}, {}, {LinkActivity::Idle}, idle, 0}},
    };
}

TEST(ModemReceiver, EveryStateFiresOnlyOnItsCompleteAnswerWhereverSplit) {
    const ModemState idle = ModemState::Idle;
    for (const StateCase& c : StateCases()) {
        for (std::size_t split = 0; split < c.answer.size(); ++split) {
            ModemRig rig;
            rig.Enter(c.state);
            rig.Feed(std::string_view(c.answer).substr(0, split));
            EXPECT_TRUE(rig.host.written.empty()) << c.name << " split " << split;
            EXPECT_TRUE(rig.host.bodies.empty()) << c.name << " split " << split;
            rig.Feed(std::string_view(c.answer).substr(split));
            ASSERT_EQ(rig.Result(), c.expected) << c.name << " split " << split;
            EXPECT_EQ(rig.receiver.Buffer(), "") << c.name;
            EXPECT_TRUE(c.expected.state != idle || rig.modem.IndexCount() == 0) << c.name;
        }
    }
}

TEST(ModemReceiver, ReceiveBoxShowsTheAnswerAsItGrowsAndNoiseIsNotHoarded) {
    ModemRig rig;
    rig.Enter(ModemState::Test);
    rig.Feed("AT\r\r\nO");
    EXPECT_EQ(rig.host.received, "AT\r\r\nO");
    EXPECT_EQ(rig.Exchange("K\r\n"), Strings{"AT+CMGF=1\r\n"});
    EXPECT_EQ(rig.host.received, "AT\r\r\nOK\r");  // judged and cleared at the LF
    // Noise without a line end is dropped, and the answer after it still counts.
    rig.Feed(std::string(ModemReceiver::kMaxBuffer + 100, 'z'));
    EXPECT_LE(rig.receiver.Buffer().size(), ModemReceiver::kMaxBuffer);
    EXPECT_EQ(rig.Exchange("\r\nOK\r\n"), Strings{"AT+CNMI=1,1,0,0,0\r\n"});
}

std::string PduRead(const std::string& pdu, int claimed) {
    return "AT+CMGR=12\r\r\n+CMGR: 0,," + std::to_string(claimed) + "\r\n" + pdu +
           "\r\n\r\nOK\r\n";
}

// Every read ends in the deletion of its slot and the next announcement is
// read as usual; only a readable message from the unit reaches the pages,
// whatever its text says (the readers' tests hold the kinds of unreadable).
TEST(ModemReceiver, EveryReadIsDeletedAndOnlyTheUnitsMessageIsTaken) {
    SmsSubmit submit;
    submit.destination = "+8613900002222";
    submit.text = kAnswer;
    const std::string pdu = test::SubmitToDeliver(*CSMSPDU::EncodePdu(submit));
    const int length = CSMSPDU::TpduLength(pdu);
    struct Case { int format; std::string answer; Strings bodies; };
    std::vector<Case> cases = {
        {kPduFormat, PduRead(pdu, length), {kAnswer}},
        {kPduFormat, PduRead(pdu, length + 1), {}},
        {kPduFormat, PduRead(test::kChineseDeliver, 24), {}},
        {kTextFormat, "AT+CMGR=12\r\r\nOK\r\n", {}},
        {kTextFormat, "AT+CMGR=12\r\r\n+CMGR: \"REC UNREAD\"\r\nbody\r\n\r\nOK\r\n", {}},
        {kTextFormat, TextRead(12, "+8613900009999", kAnswer), {}},
        {kTextFormat, TextRead(12, "Vodafone", kAnswer), {}},
    };
    for (std::string body : {"OK", "ERROR", "RING", "two\r\nlines", ""})
        cases.push_back({kTextFormat, TextRead(12, kUnitPhone, body), {body}});
    for (const Case& c : cases) {
        ModemRig rig(c.format);
        rig.Enter(ModemState::Read);
        EXPECT_EQ(rig.Exchange(c.answer), Strings{"AT+CMGD=12\r\n"}) << c.answer;
        EXPECT_EQ(rig.host.bodies, c.bodies) << c.answer;
        EXPECT_TRUE(rig.host.errors.empty());
        rig.Feed("AT+CMGD=12\r\r\nOK\r\n");
        EXPECT_EQ(rig.modem.State(), ModemState::Idle);
        EXPECT_EQ(rig.receiver.Buffer(), "");
        EXPECT_EQ(rig.Exchange("+CMTI: \"SM\",13\r\n"), Strings{"AT+CMGR=13\r\n"});
    }
}

TEST(ModemReceiver, MessageAskedForWhileBusyWaitsUntilIdle) {
    ModemRig rig;
    rig.Enter(ModemState::Read);
    rig.receiver.SendMessage(kUnitPhone, "first");
    rig.receiver.SendMessage(kUnitPhone, kCommand);  // replaces the one waiting
    EXPECT_EQ(rig.Exchange(TextRead(12, "+8613900009999", "spam")), Strings{"AT+CMGD=12\r\n"});
    EXPECT_EQ(rig.Exchange("AT+CMGD=12\r\r\nOK\r\n"), Strings{"AT+CMGS=\"13900002222\"\r\n"});
    EXPECT_EQ(rig.modem.MessageText(), kCommand);

    ModemRig init;
    init.Enter(ModemState::Storages);
    init.receiver.SendMessage(kUnitPhone, kCommand);
    EXPECT_EQ(init.Exchange("ERROR\r\n"), Strings{"AT+CMGL=\"ALL\"\r\n"});
    EXPECT_FALSE(init.receiver.Initialised());
    EXPECT_EQ(init.Exchange("OK\r\n"), Strings{"AT+CMGS=\"13900002222\"\r\n"});
    EXPECT_TRUE(init.receiver.Initialised());
}

// Modems prompt with or without a blank and a line end.
TEST(ModemReceiver, PromptWithOrWithoutBlankSendsTheBodyOnce) {
    for (const char* prompt : {"\r\n> ", "\r\n>\r\n", "\r\n\r\n>\r\n"}) {
        ModemRig rig;
        rig.Enter(ModemState::Prompt);
        EXPECT_EQ(rig.Exchange(std::string("AT+CMGS=12\r") + prompt), Strings{kCommand + "\x1A"});
        EXPECT_EQ(rig.Exchange("\r\n+CMGS: 7\r\n\r\nOK\r\n"), Strings{}) << prompt;
        EXPECT_EQ(rig.modem.State(), ModemState::Idle) << prompt;
    }
}

// "+CMTI:" names the storage; reads and the deletion after them use it,
// selected only when the modem reads elsewhere. The index is kept until its
// deletion, and the next announcement waits for that. A refused message
// leaves the modem idle for announcements.
TEST(ModemReceiver, AnnouncedMessagesAreReadFromTheirStorageAndDeletedInTurn) {
    ModemRig rig;
    rig.modem.SetReadStorage("SM");
    rig.Enter(ModemState::Idle);
    rig.receiver.SendMessage(kUnitPhone, std::string(70, 'x'));
    EXPECT_TRUE(rig.host.written.empty());
    EXPECT_EQ(rig.Exchange("+CMTI: \"ME\",67\r\n"), Strings{"AT+CPMS=\"ME\"\r\n"});
    EXPECT_EQ(rig.Exchange("+CPMS: 1,50,1,50,1,50\r\n\r\nOK\r\n"), Strings{"AT+CMGR=67\r\n"});
    EXPECT_EQ(rig.modem.IndexCount(), 1u);
    EXPECT_EQ(rig.Exchange(TextRead(67, kUnitPhone, kAnswer)), Strings{"AT+CMGD=67\r\n"});
    EXPECT_EQ(rig.modem.IndexCount(), 0u);
    EXPECT_TRUE(rig.Exchange("AT+CMGD=67\r\r\n+CMTI: \"ME\",68\r\n").empty());
    EXPECT_EQ(rig.Exchange("OK\r\n"), Strings{"AT+CMGR=68\r\n"});
    EXPECT_EQ(rig.Exchange(TextRead(68, kUnitPhone, "second")), Strings{"AT+CMGD=68\r\n"});
    EXPECT_EQ(rig.Exchange("OK\r\n+CMTI: \"SM\",3\r\n"), Strings{"AT+CPMS=\"SM\"\r\n"});
    EXPECT_EQ(rig.host.bodies, (Strings{kAnswer, "second"}));
    EXPECT_EQ(rig.modem.ReadStorage(), "ME");
}

// Closing lets the queued deletion out and waits for its answer; a modem
// waiting for message text gets Esc. Neither reaches the pages.
TEST(ModemReceiver, ClosingFinishesTheDeletionAndCancelsTextEntry) {
    ModemRig rig;
    rig.Enter(ModemState::Delete);
    rig.receiver.SendMessage(kUnitPhone, kCommand);
    ASSERT_TRUE(rig.master.Write("AT+CMGD=12\r\r\nOK\r\n"));
    rig.modem.StopMonitor();
    EXPECT_EQ(rig.modem.State(), ModemState::Idle);
    EXPECT_TRUE(rig.host.written.empty()) << "no new message while closing";
    const std::string deleted = "AT+CMGF=1\r\nAT+CMGD=12\r\n";
    EXPECT_EQ(rig.master.Read(deleted.size()), deleted);

    ModemRig entry;
    entry.Enter(ModemState::Prompt);
    entry.modem.StopMonitor();
    const std::string cancelled = "AT+CMGF=1\r\nAT+CMGS=\"13900002222\"\r\n\x1B";
    EXPECT_EQ(entry.master.Read(cancelled.size()), cancelled);
    EXPECT_TRUE(entry.host.written.empty());
    EXPECT_FALSE(entry.modem.IsOpen());
}

// Deleting all pops the index stack to the end; a full stack leaves a new
// message on the SIM rather than forgetting what to delete.
TEST(ModemReceiver, DeletingAllEmptiesTheIndexStackAndAFullOneReadsNothing) {
    ModemRig rig;
    rig.modem.PushIndex(3);
    rig.modem.PushIndex(5);
    rig.modem.SetDeletingAll(true);
    rig.Enter(ModemState::Delete);
    EXPECT_EQ(rig.Exchange("OK\r\n"), Strings{"AT+CMGD=5\r\n"});
    EXPECT_EQ(rig.Exchange("OK\r\n"), Strings{"AT+CMGD=3\r\n"});
    EXPECT_TRUE(rig.Exchange("OK\r\n").empty());
    EXPECT_FALSE(rig.modem.DeletingAll());
    EXPECT_EQ(rig.modem.State(), ModemState::Idle);

    for (std::size_t i = 0; i < GSMModem::kMaxIndices; ++i) rig.modem.PushIndex(int(i));
    EXPECT_TRUE(rig.Exchange("+CMTI: \"SM\",7\r\n").empty());
    EXPECT_EQ(rig.modem.IndexCount(), GSMModem::kMaxIndices);
    EXPECT_EQ(rig.modem.State(), ModemState::Idle);
}

}  // namespace
}  // namespace dorvik
