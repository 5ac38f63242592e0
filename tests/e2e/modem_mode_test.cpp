// Modem mode against the simulated unit behind its simulated GSM modem: a
// setting and a phone slot travel by short message, the answers come back
// as messages that are read, handed on and deleted from the SIM.
#include <algorithm>
#include <cctype>
#include <set>

#include "frame_fixture.h"

namespace dorvik::test {
namespace {

constexpr char kBand[] = "GSM 850, PCS 1900";

class ModemModeE2e : public FrameFixture {
protected:
    // Starts the unit behind a modem with the extra options, and connects
    // in text mode or, when `pdu`, in PDU mode.
    bool StartAndConnect(std::vector<std::string> options, bool pdu = false,
                         FrameSettings settings = {}) {
        options.insert(options.begin(), "--modem");
        if (pdu) options.push_back("--pdu");
        StartUnit(options);
        settings.modem = true;
        OpenFrame(settings);
        Modem().UsePduMode(pdu);
        return ConnectModem();
    }

    void TypePhone(int slot, const std::string& number) {
        F().Phone().Form() = {std::to_string(slot), number, ""};
        F().Phone().OnSet();
    }

    // Presses "Download All Phones" and waits until the slot is confirmed
    // and the answer deleted from the SIM.
    bool UploadSlot(int slot) {
        F().Phone().OnDownloadAll();
        return RunUntil([&] {
            return F().Model().phones.Status(slot - 1) == RowStatus::InUnit &&
                   F().Phone().CommandsEnabled() &&
                   Modem().Modem().State() == ModemState::Idle &&
                   Modem().Receiver().WaitingReads() == 0;
        });
    }

    // Every message read from the SIM was deleted again.
    bool SimEmptied() const {
        std::multiset<std::string> read, deleted;
        for (const std::string& line : JournalWith("AT+CMGR=")) read.insert(line.substr(8));
        for (const std::string& line : JournalWith("AT+CMGD=")) deleted.insert(line.substr(8));
        return !read.empty() && read == deleted;
    }
};

// Modems differ: each of these ways of answering loses nothing.
class ModemVariantE2e : public ModemModeE2e,
                        public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(ModemVariantE2e, CarriesASettingAndPhoneSlots) {
    std::vector<std::string> options = GetParam();
    const bool pdu = std::erase(options, "--pdu") > 0;
    ASSERT_TRUE(StartAndConnect(options, pdu));
    EXPECT_EQ(JournalWith("AT+CMGF").front(), pdu ? "AT+CMGF=0" : "AT+CMGF=1");
    // A setting and two phone slots, one per press, as the user does them.
    CMsic& msic = F().Msic();
    msic.Form().band = kBand;
    EXPECT_EQ(PressForBox([&] { msic.OnSetBand(); }), "Set band  success");
    EXPECT_EQ(msic.MessageText(), std::string("BAND SET TO ") + kBand + " OK");
    EXPECT_EQ(JournalWith("#BAND=").size(), 1u);

    TypePhone(5, "13900005555");
    TypePhone(6, "13900006666");
    ASSERT_TRUE(UploadSlot(5));
    EXPECT_EQ(F().Model().phones.Status(5), RowStatus::Pending) << "one slot per press";
    ASSERT_TRUE(UploadSlot(6));
    EXPECT_EQ(JournalWith("#WHL").size(), 2u);
    EXPECT_EQ(F().Phone().MessageText(), "WHL0006 SET TO 13900006666 OK");
    EXPECT_TRUE(BoxTexts() == std::vector<std::string>{"Set band  success"});
    EXPECT_TRUE(F().Engine().Connected());
    EXPECT_TRUE(SimEmptied());
    EXPECT_EQ(JournalWith("#WHL0005").front(), "#PWD482915#WHL0005=13900005555");
}

INSTANTIATE_TEST_SUITE_P(
    Modems, ModemVariantE2e,
    ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"--pdu"},
                      std::vector<std::string>{"--echo-off"},
                      std::vector<std::string>{"--foreign-sms", "--pdu"},
                      std::vector<std::string>{"--echo-off", "--urc", "--pdu"},
                      std::vector<std::string>{"--sender-prefix", "+86", "--cmgr-alias"},
                      std::vector<std::string>{"--cmgr-extra", "--cmti-nospace"},
                      std::vector<std::string>{"--cmti-storage", "ME", "--pdu", "--ucs2"},
                      std::vector<std::string>{"--cmti-storage", "MT"},
                      std::vector<std::string>{"--prompt", "bare"},
                      std::vector<std::string>{"--prompt", "bare", "--pdu"},
                      std::vector<std::string>{"--prompt", "line", "--cmti-storage", "ME"},
                      std::vector<std::string>{"--slow-ms", "30", "--urc", "--foreign-sms"}),
    [](const auto& info) {
        std::string name = info.param.empty() ? "text" : "";
        for (const std::string& option : info.param) {
            if (!name.empty()) name += '_';
            for (char c : option)
                if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        }
        return name;
    });

// The prompt never comes: once the link gives up, Esc ends the modem's
// text entry, so that the next connection's commands are commands again.
TEST_F(ModemModeE2e, GivingUpInTextEntrySendsEsc) {
    FrameSettings settings;
    settings.modemReplySec = 2;
    ASSERT_TRUE(StartAndConnect({"--prompt", "none"}, false, settings));
    TypePhone(5, "13900005555");
    F().Phone().OnDownloadAll();
    EXPECT_EQ(NextBox(), "Connect device fialed,Please check device!");
    EXPECT_EQ(NextBox(), "Didn't receive response message");
    ASSERT_TRUE(ConnectModem()) << "the modem takes commands again";
    const std::vector<std::string> lines = JournalLines();
    const auto esc = std::find(lines.begin(), lines.end(), "<ESC>");
    ASSERT_NE(esc, lines.end());
    EXPECT_EQ(*std::prev(esc), "AT+CMGS=\"13900002222\"");
    EXPECT_EQ(std::count(esc, lines.end(), "AT"), 1);
}

// "+CMS ERROR" at one step of sending a slot and reading its answer.
struct CmsCase {
    int step;  // 1 to 5 initialise the modem
    const char* box;
    RowStatus slotAfter;
};

class ModemCmsErrorE2e : public ModemModeE2e, public ::testing::WithParamInterface<CmsCase> {};

TEST_P(ModemCmsErrorE2e, ShowsItsMessageAndTheSlotIsSentAgainNextTime) {
    const CmsCase c = GetParam();
    ASSERT_TRUE(StartAndConnect({"--cms-error", std::to_string(c.step)}));
    TypePhone(5, "13900005555");
    F().Phone().OnDownloadAll();
    EXPECT_EQ(NextBox(), c.box);
    ASSERT_TRUE(RunUntil([&] { return F().Model().phones.Status(4) == c.slotAfter; }));
    EXPECT_EQ(Modem().Modem().State(), ModemState::Idle);
    ASSERT_TRUE(F().Engine().Connected());

    if (c.slotAfter == RowStatus::Pending) {
        ASSERT_TRUE(UploadSlot(5));
    }
    EXPECT_EQ(F().Model().phones.Status(4), RowStatus::InUnit);
    TypePhone(6, "13900006666");
    ASSERT_TRUE(UploadSlot(6)) << "the modem goes on after the error";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ModemCmsErrorE2e,
    ::testing::Values(CmsCase{6, "Ready to send message error", RowStatus::Pending},
                      CmsCase{7, "Send message error", RowStatus::Pending},
                      CmsCase{8, "Read message error", RowStatus::Pending},
                      CmsCase{9, "Delete message error", RowStatus::InUnit}),
    [](const auto& info) { return "Step" + std::to_string(info.param.step); });

}  // namespace
}  // namespace dorvik::test
