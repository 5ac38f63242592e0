// The simulated unit behind its simulated GSM modem, as a running program:
// the AT exchanges a tool sees on the line.
#include <regex>

#include "unitsim_process.h"

namespace dorvik::unitsim::test {
namespace {

constexpr char kOk[] = "OK\r\n";
// The end of a read: a unit's answer may itself end with "OK".
constexpr char kReadEnd[] = "\r\n\r\nOK\r\n";
// "#PWD482915#CSQ?" to 13900002222, 7-bit, relative validity period.
constexpr char kSubmit7[] = "0011000B813109002022F20000AA0F23E89548C3C972B1DA68388DFE00";
// The same command to +8613900002222 in UCS2.
constexpr char kSubmitUcs2[] =
    "0011000D91683109002022F20008AA1E00230050005700440034003800320039003100350023004300530051003F";

class Modem {
public:
    explicit Modem(std::vector<std::string> args) : sim_(WithModem(std::move(args))), line_(sim_.ReadOutput(true)) {}

    // A command line; the answer up to and including `end`.
    std::string Say(const std::string& command, std::string_view end = kOk) {
        line_.SendRaw(command + "\r\n");
        return line_.ReadUntil(end);
    }
    // AT+CMGS and, after the prompt, the body; the answer to the body.
    std::string SendSms(const std::string& argument, const std::string& body, std::string_view end = kOk) {
        EXPECT_TRUE(Say("AT+CMGS=" + argument, "> ").ends_with("\r\n> "));
        line_.SendRaw(body + "\x1A");
        return line_.ReadUntil(end);
    }
    std::string ReadUntil(std::string_view end) { return line_.ReadUntil(end); }
    void SendRaw(const std::string& bytes) { line_.SendRaw(bytes); }

private:
    static std::vector<std::string> WithModem(std::vector<std::string> args) {
        args.insert(args.begin(), "--modem");
        return args;
    }
    Unitsim sim_;
    Line line_;
};

// The modem's time stamp is the clock's: it is replaced by <time>.
std::string Unstamped(const std::string& text) {
    static const std::regex stamp(R"("\d\d/\d\d/\d\d,\d\d:\d\d:\d\d[+-]\d\d")");
    return std::regex_replace(text, stamp, "<time>");
}

TEST(UnitsimModem, TextModeCarriesACommandToTheUnitAndItsAnswerBack) {
    Modem modem({"--sender-prefix", "+86"});
    EXPECT_EQ(modem.Say("AT"), "AT\r\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT+CMGF=1"), "AT+CMGF=1\r\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT+CNMI=1,1,0,0,0"), "AT+CNMI=1,1,0,0,0\r\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT+CMGS=\"13900002222\"", "> "), "AT+CMGS=\"13900002222\"\r\r\n> ");
    modem.SendRaw(std::string("#PWD482915#WHL0002=555\x1A\0", 24));
    EXPECT_EQ(modem.ReadUntil("+CMTI: \"SM\",1\r\n"),
              "#PWD482915#WHL0002=555\r\n+CMGS: 1\r\n\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\n");
    const std::string header = "AT+CMGR=1\r\r\n+CMGR: \"REC UNREAD\",\"+8613900002222\",,<time>\r\n";
    EXPECT_EQ(Unstamped(modem.Say("AT+CMGR=1", kReadEnd)), header + "WHL0002 SET TO 555 OK\r\n\r\nOK\r\n");
    EXPECT_EQ(Unstamped(modem.Say("AT+CMGR=1", kReadEnd)).find("\"REC READ\""), 19u);
    EXPECT_EQ(modem.Say("AT+CMGD=1"), "AT+CMGD=1\r\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT+CMGD=1", "\r\n+CMS ERROR: 321\r\n"), "AT+CMGD=1\r\r\n+CMS ERROR: 321\r\n");
    EXPECT_EQ(modem.Say("AT+CMGR=1", "321\r\n"), "AT+CMGR=1\r\r\n+CMS ERROR: 321\r\n");
    EXPECT_EQ(modem.Say("AT+CMGX=1", "ERROR\r\n"), "AT+CMGX=1\r\r\nERROR\r\n");
}

TEST(UnitsimModem, PduModeDecodesTheCommandAndStoresADeliverPdu) {
    Modem modem({"--pdu", "--sender-prefix", "+86"});
    EXPECT_EQ(modem.Say("AT+CMGF?"), "AT+CMGF?\r\r\n+CMGF: 0\r\n\r\nOK\r\n");
    EXPECT_TRUE(modem.SendSms("45", kSubmitUcs2, "\",1\r\n").ends_with("+CMGS: 1\r\n\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\n"))
        << "the command in UCS2 reached the unit";
    const std::string answer = modem.Say("AT+CMGR=1");
    const std::string head = "AT+CMGR=1\r\r\n+CMGR: 0,,28\r\n";
    ASSERT_EQ(answer.substr(0, head.size()), head);
    const std::string pdu = answer.substr(head.size());
    // Service centre, SMS-DELIVER, sender +8613900002222, 7-bit, then the time stamp.
    EXPECT_EQ(pdu.substr(0, 42), "0891683108200105F0040D91683109002022F20000");
    EXPECT_EQ(pdu.substr(56), "09C36914949C826433\r\n\r\nOK\r\n");  // "CSQ IS 23"
    // A PDU one octet shorter than announced is refused.
    EXPECT_TRUE(modem.SendSms("28", std::string(kSubmit7).erase(6, 2), "304\r\n").ends_with("\r\n+CMS ERROR: 304\r\n"));
}

TEST(UnitsimModem, Ucs2SwitchAndCancelledOrMisdirectedMessages) {
    Modem modem({"--pdu", "--ucs2"});
    modem.SendSms("28", kSubmit7, "+CMTI: \"SM\",1\r\n");
    const std::string pdu = modem.Say("AT+CMGR=1");
    EXPECT_NE(pdu.find("F20008"), std::string::npos);
    EXPECT_NE(pdu.find("12004300530051002000490053002000320033\r\n"), std::string::npos);  // "CSQ IS 23"
    EXPECT_EQ(modem.Say("AT+CMGS=28", "> ").substr(0, 10), "AT+CMGS=28");
    modem.SendRaw("00\x1B");
    EXPECT_EQ(modem.ReadUntil(kOk), "00\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT+CMGF=1"), "AT+CMGF=1\r\r\nOK\r\n");
    EXPECT_EQ(modem.SendSms("\"13911112222\"", "#PWD482915#CSQ?"), "#PWD482915#CSQ?\r\n+CMGS: 2\r\n\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT"), "AT\r\r\nOK\r\n");  // nothing arrived
}

TEST(UnitsimModem, EchoOffByOptionOrAte0) {
    Modem quiet({"--echo-off"});
    EXPECT_EQ(quiet.Say("AT"), "\r\nOK\r\n");
    EXPECT_EQ(quiet.SendSms("\"13900002222\"", "#PWD482915#CSQ?", "\",1\r\n"),
              "\r\n+CMGS: 1\r\n\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\n");
    Modem modem({});
    EXPECT_EQ(modem.Say("ATE0"), "ATE0\r\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT"), "\r\nOK\r\n");
    EXPECT_EQ(modem.Say("ATE1"), "\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT"), "AT\r\r\nOK\r\n");
}

TEST(UnitsimModem, CmsErrorAnswersTheChosenStepOnly) {
    Modem command({"--cms-error", "2"});
    EXPECT_EQ(command.Say("AT"), "AT\r\r\nOK\r\n");
    EXPECT_EQ(command.Say("AT+CMGF=1", "500\r\n"), "AT+CMGF=1\r\r\n+CMS ERROR: 500\r\n");
    EXPECT_EQ(command.Say("AT+CMGF=1"), "AT+CMGF=1\r\r\nOK\r\n");
    // Step 1 is AT+CMGS, step 2 its body: the message is refused and the unit gets nothing.
    Modem body({"--cms-error", "2"});
    EXPECT_EQ(body.SendSms("\"13900002222\"", "#PWD482915#CSQ?", "500\r\n"), "#PWD482915#CSQ?\r\n+CMS ERROR: 500\r\n");
    EXPECT_EQ(body.Say("AT"), "AT\r\r\nOK\r\n");
}

TEST(UnitsimModem, ForeignMessageArrivesBeforeTheUnitsAnswer) {
    Modem modem({"--foreign-sms"});
    modem.SendSms("\"13900002222\"", "#PWD482915#CSQ?", "+CMTI: \"SM\",1\r\n");
    EXPECT_NE(modem.Say("AT+CMGR=1").find(",\"10086\","), std::string::npos);
    EXPECT_EQ(modem.Say("AT+CMGD=1", "+CMTI: \"SM\",1\r\n"), "AT+CMGD=1\r\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\n");
    EXPECT_TRUE(Unstamped(modem.Say("AT+CMGR=1")).ends_with(",\"13900002222\",,<time>\r\nCSQ IS 23\r\n\r\nOK\r\n"));
    // Only before the first answer.
    const std::string second = modem.SendSms("\"13900002222\"", "#PWD482915#CSQ?", "\",2\r\n");
    EXPECT_TRUE(second.ends_with("OK\r\n\r\n+CMTI: \"SM\",2\r\n"));
}

TEST(UnitsimModem, UnsolicitedLinesComeBeforeFinalAnswersOnly) {
    Modem modem({"--urc"});
    EXPECT_EQ(modem.Say("AT"), "AT\r\r\nRING\r\n\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT+CMGS=\"13900002222\"", "> "), "AT+CMGS=\"13900002222\"\r\r\n> ");
    modem.SendRaw("#PWD482915#CSQ?\x1A");
    EXPECT_EQ(modem.ReadUntil("\",1\r\n"),
              "#PWD482915#CSQ?\r\n+CREG: 1\r\n\r\n+CMGS: 1\r\n\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\n");
    EXPECT_TRUE(Unstamped(modem.Say("AT+CMGR=1")).starts_with("AT+CMGR=1\r\r\n+CSQ: 20,0\r\n\r\n+CMGR: "));
}

TEST(UnitsimModem, NewMessageAndHeaderVariants) {
    Modem modem({"--cmti-storage", "ME", "--cmti-nospace", "--cmgr-alias", "--cmgr-extra"});
    modem.SendSms("\"13900002222\"", "#PWD482915#CSQ?", "+CMTI:\"ME\",1\r\n");
    EXPECT_EQ(Unstamped(modem.Say("AT+CMGR=1")),
              "AT+CMGR=1\r\r\n+CMGR: \"REC UNREAD\",\"13900002222\",\"Gate unit\",<time>,129,4,0,0,"
              "\"+8613800210500\",145,9\r\nCSQ IS 23\r\n\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT+CSDH=0"), "AT+CSDH=0\r\r\nOK\r\n");
    EXPECT_TRUE(Unstamped(modem.Say("AT+CMGR=1")).ends_with("\"Gate unit\",<time>\r\nCSQ IS 23\r\n\r\nOK\r\n"));
}

TEST(UnitsimModem, EachAnswerLineIsOneMessageAnnouncedInTurn) {
    Modem modem({"--slow-ms", "5", "--byte-delay-ms", "1"});
    modem.SendSms("\"13900002222\"", "#PWD482915#SHL=ALL?", "+CMTI: \"SM\",1\r\n");
    EXPECT_NE(modem.Say("AT+CMGR=1").find("SHL IS 0000"), std::string::npos);
    // Nothing more is said on the line: the next message is announced all the same.
    EXPECT_EQ(modem.ReadUntil("+CMTI: \"SM\",2\r\n"), "\r\n+CMTI: \"SM\",2\r\n");
    EXPECT_EQ(modem.Say("AT+CMGD=1", "+CMTI: \"SM\",1\r\n"), "AT+CMGD=1\r\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\n");
    EXPECT_NE(modem.Say("AT+CMGR=2").find("PHL IS 0000"), std::string::npos);
    EXPECT_NE(modem.Say("AT+CMGR=1").find("QHL IS 0000"), std::string::npos);
}

TEST(UnitsimModem, UnitFaultsApplyToTheCarriedCommands) {
    Modem modem({"--silent-once", "--hangup-after", "2"});
    EXPECT_EQ(modem.SendSms("\"13900002222\"", "#PWD482915#CSQ?"), "#PWD482915#CSQ?\r\n+CMGS: 1\r\n\r\nOK\r\n");
    EXPECT_EQ(modem.Say("AT"), "AT\r\r\nOK\r\n");
    // The line closes after the second (what was written just before may go with it).
    const std::string last = modem.SendSms("\"13900002222\"", "#PWD482915#CSQ?", "<end>");
    EXPECT_TRUE(std::string("#PWD482915#CSQ?\r\n+CMGS: 2\r\n\r\nOK\r\n\r\n+CMTI: \"SM\",1\r\n").starts_with(last));
}

}  // namespace
}  // namespace dorvik::unitsim::test
