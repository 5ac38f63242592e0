#include "transport/modem_receiver.h"

#include <gtest/gtest.h>

#include "modem_test_support.h"
#include "sms_pdu_samples.h"
#include "transport/sms_pdu.h"

namespace dorvik {
namespace {

using test::kAnswer;
using test::kCommand;
using test::kStamp;
using test::kUnitPhone;
using test::ModemRig;
using test::Outcome;
using test::TextRead;
using Strings = std::vector<std::string>;

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
    const std::string sent = kCommand + "\x1A";
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
    };
}

TEST(ModemReceiver, EveryStateFiresOnlyOnItsCompleteAnswerWhereverSplit) {
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
        }
    }
}

struct ErrorCase {
    ModemState state;
    const char* echo;  // the command's echo ahead of the error
    const char* box;   // null: none
    bool ledIdle;
    ModemState next = ModemState::Idle;
    const char* writes = nullptr;  // the next step of the set-up
};

// An error ends each step with its message, except in the set-up after the
// message format, which goes on without what the modem refused.
const ErrorCase kErrorCases[] = {
    {ModemState::Test, "", "Modem test error", false},
    {ModemState::Format, "", "Message format setting error", false},
    {ModemState::Format, "AT+CMGF=1\r\r\n", "Message format setting error", false},
    {ModemState::Indication, "AT+CNMI=1,1,0,0,0\r\r\n", nullptr, false, ModemState::Storages,
     "AT+CPMS?\r\n"},
    {ModemState::Storages, "", nullptr, false, ModemState::List, "AT+CMGL=\"ALL\"\r\n"},
    {ModemState::List, "", nullptr, false},
    {ModemState::Select, "", "Read message error", true},
    {ModemState::Prompt, "", "Ready to send message error", false},
    {ModemState::Body, "", "Send message error", true},
    {ModemState::Idle, "", nullptr, true},
    {ModemState::Read, "", "Read message error", true},
    {ModemState::Delete, "", "Delete message error", true},
};

TEST(ModemReceiver, ErrorAnswerOfEachStateShowsItsMessageAndGoesIdle) {
    for (const char* error : {"+CMS ERROR: 500", "+CMS ERROR: 321", "ERROR"}) {
        for (const ErrorCase& c : kErrorCases) {
            ModemRig rig;
            rig.Enter(c.state);
            rig.Feed(std::string(c.echo) + "\r\n" + error + "\r\n");
            Outcome want;
            if (c.box) want.errors = {c.box};
            if (c.ledIdle) want.leds = {LinkActivity::Idle};
            if (c.writes) want.written = {c.writes};
            want.state = c.next;
            EXPECT_EQ(rig.Result(), want) << error << " in state " << int(c.state) << c.echo;
            EXPECT_EQ(rig.receiver.Buffer(), "");
            EXPECT_EQ(rig.modem.IndexCount(), 0u) << "nothing left to delete";
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

TEST(ModemReceiver, AnnouncedIndexIsPushedDeletedAfterTheMessageAndTheNextWaits) {
    ModemRig rig;
    rig.Enter(ModemState::Idle);
    EXPECT_EQ(rig.Exchange("+CMTI: \"SM\",12\r\n"), Strings{"AT+CMGR=12\r\n"});
    EXPECT_EQ(rig.modem.IndexCount(), 1u);
    EXPECT_EQ(rig.Exchange(TextRead(12, kUnitPhone, kAnswer)), Strings{"AT+CMGD=12\r\n"});
    EXPECT_EQ(rig.modem.IndexCount(), 0u);
    // The next announcement waits until the deletion is answered.
    EXPECT_TRUE(rig.Exchange("AT+CMGD=12\r\r\n+CMTI: \"SM\",2\r\n").empty());
    EXPECT_EQ(rig.Exchange("OK\r\n"), Strings{"AT+CMGR=2\r\n"});
    EXPECT_EQ(rig.Exchange(TextRead(2, kUnitPhone, "second")), Strings{"AT+CMGD=2\r\n"});
    EXPECT_EQ(rig.host.bodies, (Strings{kAnswer, "second"}));
}

TEST(ModemReceiver, MessageTextIsTakenWholeWhateverItSays) {
    const std::string bodies[] = {
        "OK", "ERROR", "+CMS ERROR: 500", "RING", "two\r\nlines", std::string(3000, 'x') + "end",
        "",
    };
    for (const std::string& body : bodies) {
        ModemRig rig;
        rig.Enter(ModemState::Read);
        rig.Feed(TextRead(12, kUnitPhone, body));
        EXPECT_EQ(rig.host.bodies, Strings{body}) << body.substr(0, 20);
        EXPECT_TRUE(rig.host.errors.empty());
        EXPECT_EQ(rig.modem.State(), ModemState::Delete);
    }
}

std::string PduFromUnit(const std::string& text) {
    SmsSubmit m;
    m.destination = "+8613900002222";
    m.text = text;
    return test::SubmitToDeliver(*CSMSPDU::EncodePdu(m));
}

std::string PduRead(const std::string& pdu, int claimed) {
    return "AT+CMGR=12\r\r\n+CMGR: 0,," + std::to_string(claimed) + "\r\n" + pdu +
           "\r\n\r\nOK\r\n";
}

TEST(ModemReceiver, PduModeMessageIsDecodedAndChecked) {
    const std::string pdu = PduFromUnit(kAnswer);
    const int length = CSMSPDU::TpduLength(pdu);
    ModemRig rig(kPduFormat);
    rig.Enter(ModemState::Read);
    EXPECT_EQ(rig.Exchange(PduRead(pdu, length)), Strings{"AT+CMGD=12\r\n"});
    EXPECT_EQ(rig.host.bodies, Strings{kAnswer});
}

// An empty slot, an unreadable header or PDU (the readers' tests hold the
// other kinds) or a message from another number is deleted unanswered,
// and the next announcement is read as usual.
TEST(ModemReceiver, EmptySlotUnreadableOrForeignMessageIsDeletedWithoutAnswer) {
    const std::string pdu = PduFromUnit(kAnswer);
    const std::pair<int, std::string> answers[] = {
        {kTextFormat, "AT+CMGR=12\r\r\nOK\r\n"},
        {kTextFormat, "AT+CMGR=12\r\r\n+CMGR: \"REC UNREAD\"\r\nbody\r\n\r\nOK\r\n"},
        {kTextFormat, TextRead(12, "+8613900009999", kAnswer)},
        {kTextFormat, TextRead(12, "Vodafone", kAnswer)},
        {kPduFormat, PduRead(pdu, CSMSPDU::TpduLength(pdu) + 1)},
        {kPduFormat, PduRead(test::kChineseDeliver, 24)},
    };
    for (const auto& [format, a] : answers) {
        ModemRig rig(format);
        rig.Enter(ModemState::Read);
        EXPECT_EQ(rig.Exchange(a), Strings{"AT+CMGD=12\r\n"}) << a;
        EXPECT_TRUE(rig.host.bodies.empty()) << a;
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
    init.Enter(ModemState::Format);
    init.receiver.SendMessage(kUnitPhone, kCommand);
    EXPECT_EQ(init.Exchange("AT+CMGF=1\r\r\nOK\r\n"), Strings{"AT+CNMI=1,1,0,0,0\r\n"});
    EXPECT_EQ(init.Exchange("AT+CNMI=1,1,0,0,0\r\r\nOK\r\n"), Strings{"AT+CPMS?\r\n"});
    EXPECT_EQ(init.Exchange("ERROR\r\n"), Strings{"AT+CMGL=\"ALL\"\r\n"});
    EXPECT_FALSE(init.receiver.Initialised());
    EXPECT_EQ(init.Exchange("OK\r\n"), Strings{"AT+CMGS=\"13900002222\"\r\n"});
    EXPECT_TRUE(init.receiver.Initialised());
}

// Modems prompt with or without a blank and a line end, in either format.
TEST(ModemReceiver, PromptWithOrWithoutBlankSendsTheBodyOnce) {
    for (int format : {kTextFormat, kPduFormat}) {
        for (const char* prompt : {"\r\n> ", "\r\n>", "\r\n>\r\n", "\r\n\r\n>\r\n"}) {
            ModemRig rig(format);
            rig.Enter(ModemState::Prompt);
            const Strings sent = rig.Exchange(std::string("AT+CMGS=12\r") + prompt);
            ASSERT_EQ(sent.size(), 1u) << prompt;
            EXPECT_TRUE(sent[0].ends_with("\x1A")) << prompt;
            EXPECT_EQ(rig.Exchange("\r\n+CMGS: 7\r\n\r\nOK\r\n"), Strings{}) << prompt;
            EXPECT_EQ(rig.modem.State(), ModemState::Idle) << prompt;
        }
    }
}

// "+CMTI:" names the storage; reads and the deletion after them use it,
// selected only when the modem reads elsewhere.
TEST(ModemReceiver, AnnouncedStorageIsSelectedForReadingAndDeleting) {
    ModemRig rig;
    rig.modem.SetReadStorage("SM");
    rig.Enter(ModemState::Idle);
    EXPECT_EQ(rig.Exchange("+CMTI: \"ME\",67\r\n"), Strings{"AT+CPMS=\"ME\"\r\n"});
    EXPECT_EQ(rig.Exchange("+CPMS: 1,50,1,50,1,50\r\n\r\nOK\r\n"), Strings{"AT+CMGR=67\r\n"});
    EXPECT_EQ(rig.Exchange(TextRead(67, kUnitPhone, kAnswer)), Strings{"AT+CMGD=67\r\n"});
    EXPECT_EQ(rig.Exchange("OK\r\n+CMTI: \"ME\",68\r\n"), Strings{"AT+CMGR=68\r\n"});
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

TEST(ModemReceiver, RefusedMessageLeavesTheModemIdleForAnnouncements) {
    ModemRig rig;
    rig.Enter(ModemState::Idle);
    rig.receiver.SendMessage(kUnitPhone, std::string(70, 'x'));
    EXPECT_TRUE(rig.host.written.empty());
    EXPECT_EQ(rig.modem.State(), ModemState::Idle);
    EXPECT_EQ(rig.Exchange("+CMTI: \"SM\",4\r\n"), Strings{"AT+CMGR=4\r\n"});
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
