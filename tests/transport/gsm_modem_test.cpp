#include "transport/gsm_modem.h"

#include <gtest/gtest.h>

#include "modem_test_support.h"
#include "transport/sms_pdu.h"

namespace dorvik {
namespace {

// The modem on a pseudo-terminal without its monitoring thread: every text
// it writes reaches the host before it is queued for the wire.
class GsmModemTest : public ::testing::Test {
protected:
    std::vector<std::string> Written() { return rig.host.written; }

    test::ModemRig rig;
    GSMModem& modem = rig.modem;
};

TEST_F(GsmModemTest, CommandsWriteTheirTextAndSetTheState) {
    struct Step {
        std::function<bool()> run;
        std::string text;
        ModemState state;
        std::string expected;
    };
    const Step steps[] = {
        {[&] { return modem.TestModem(); }, "AT\r\n", ModemState::Test, "AT\r\r\nOK\r\n"},
        {[&] { return modem.SetMessageFormat(1); }, "AT+CMGF=1\r\n", ModemState::Format,
         "AT+CMGF=1\r\r\nOK\r\n"},
        {[&] { return modem.SetMessageFormat(0); }, "AT+CMGF=0\r\n", ModemState::Format,
         "AT+CMGF=0\r\r\nOK\r\n"},
        {[&] { return modem.EnableNewMessageIndication(); }, "AT+CNMI=1,1,0,0,0\r\n",
         ModemState::Indication, ""},
        {[&] { return modem.ReadMessage(12); }, "AT+CMGR=12\r\n", ModemState::Read, ""},
        {[&] { return modem.DeleteMessage(3); }, "AT+CMGD=3\r\n", ModemState::Delete, ""},
        {[&] { return modem.QueryStorages(); }, "AT+CPMS?\r\n", ModemState::Storages, ""},
        {[&] { return modem.SelectReadStorage("ME"); }, "AT+CPMS=\"ME\"\r\n",
         ModemState::Select, ""},
        {[&] { return modem.ListMessages(); }, "AT+CMGL=4\r\n", ModemState::List, ""},
    };
    for (const Step& s : steps) {
        EXPECT_TRUE(s.run()) << s.text;
        EXPECT_EQ(Written().back(), s.text);
        EXPECT_EQ(modem.State(), s.state) << s.text;
        EXPECT_EQ(modem.ExpectedReply(), s.expected) << s.text;
    }
    EXPECT_EQ(modem.MessageFormat(), kPduFormat);
    EXPECT_FALSE(modem.ReadMessage(-1));
    EXPECT_EQ(Written().size(), std::size(steps));
}

TEST_F(GsmModemTest, PduModeMessageGivesTheTpduLengthAndUcs2Body) {
    modem.SetMessageFormat(kPduFormat);
    modem.SetMessageCentre("+8613800210500");
    EXPECT_TRUE(modem.SendShortMessage("+8613900002222", "#PWD1234#DELAY?"));
    // Service centre 08 91 683108200105F0 (9 octets), then the 45-octet TPDU:
    // SUBMIT 11, MR 00, 0D91 + 13 digits, PID 00, DCS 08 (UCS2), VP 00, UDL 1E.
    const std::string pdu =
        "0891683108200105F0"
        "11000D91683109002022F2"
        "0008001E"
        "00230050005700440031003200330034002300440045004C00410059003F";
    EXPECT_EQ(modem.SendBuffer(), pdu + "\x1A");
    EXPECT_EQ(Written().back(), "AT+CMGS=45\r\n");
    EXPECT_EQ(CSMSPDU::TpduLength(pdu), 45);
}

// One to sixty-nine characters are sent, in text mode after a prompt;
// Chinese text counts characters, not bytes. A refused message writes
// nothing and leaves no body to send.
TEST_F(GsmModemTest, MessageOfOneToSixtyNineCharactersIsSentOthersWriteNothing) {
    std::string chinese;
    for (int i = 0; i < 69; ++i) chinese += "\xC4\xE3";  // GB18030 "你"
    EXPECT_TRUE(modem.SendShortMessage("13900002222", std::string(69, 'a')));
    EXPECT_TRUE(modem.SendShortMessage("13900002222", chinese));
    ASSERT_TRUE(modem.SendShortMessage("13900002222", "x"));
    EXPECT_EQ(Written().back(), "AT+CMGS=\"13900002222\"\r\n");
    EXPECT_EQ(modem.State(), ModemState::Prompt);
    EXPECT_EQ(modem.DestinationNumber(), "13900002222");
    EXPECT_EQ(modem.SendBuffer(), "x\x1A");  // the receiver's tests send it on the prompt
    chinese += "\xC4\xE3";
    const std::pair<std::string, std::string> refused[] = {
        {"13900002222", std::string(70, 'a')},
        {"13900002222", chinese},
        {"13900002222", ""},
        {"13900002222", "cut\x1A" "AT+CMGD=1"},  // Ctrl-Z would end the body early
        {"13900002222", "esc\x1B"},
        {"", "text"},
        {"139\"\r\nAT+CMGD=1", "text"},  // the number must not end the command
        {"+", "text"},
    };
    for (const auto& [number, text] : refused) {
        EXPECT_FALSE(modem.SendShortMessage(number, text)) << number << "/" << text;
        EXPECT_EQ(modem.State(), ModemState::Prompt);
        EXPECT_EQ(modem.SendBuffer(), "");  // the earlier body is not sent on a prompt
    }
    EXPECT_FALSE(modem.SendBody());
    EXPECT_EQ(Written().size(), 3u);

    modem.SetMessageFormat(kPduFormat);
    EXPECT_FALSE(modem.SendShortMessage("123456789012345678901", "too many digits"));
    EXPECT_EQ(Written().size(), 4u);  // only AT+CMGF=0
}

TEST_F(GsmModemTest, ClosedPortWritesNothingYetTheStateMovesOn) {
    modem.StopMonitor();
    EXPECT_FALSE(modem.ReadMessage(2));
    EXPECT_EQ(modem.State(), ModemState::Read);
    EXPECT_TRUE(Written().empty());
}

}  // namespace
}  // namespace dorvik
