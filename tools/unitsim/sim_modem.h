#pragma once
// The simulated unit reached through a GSM modem: AT commands in, the
// modem's answers out. A short message to the unit's number is handed to the
// unit; each line of its answer comes back as a new message on the SIM.
#include <ctime>
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "unitsim/faults.h"
#include "unitsim/message_store.h"
#include "unitsim/sim_unit.h"

namespace dorvik::unitsim {

// How the modem prompts for the message text after AT+CMGS.
enum class PromptForm { Blank, Bare, Line, None };

struct ModemOptions {
    std::string unitPhone = "13900002222";
    std::string senderPrefix{};  // put before unitPhone as the sender of the unit's messages
    bool pdu = false;          // PDU mode until AT+CMGF=1
    bool ucs2 = false;         // PDU mode: the unit's messages in UCS2 even when plain
    bool echoOff = false;      // as after ATE0
    int cmsErrorStep = -1;     // this step answers "+CMS ERROR: 500" (see SimModem)
    bool foreignSms = false;   // a message from another number arrives before the unit's first answer
    bool urc = false;          // an unsolicited line before every final answer
    int slowMs = 0;            // pause before every answer (not before the echo)
    std::string cmtiStorage = "SM";  // where new messages are stored
    PromptForm prompt = PromptForm::Blank;
    bool simFull = false;  // the SIM starts full of the unit's old answers
    bool cmtiNoSpace = false;  // "+CMTI:\"SM\",3"
    bool cmgrAlias = false;    // the alias field of "+CMGR:" filled
    bool cmgrExtra = false;    // text-mode parameters in "+CMGR:", as after AT+CSDH=1
    bool operator==(const ModemOptions&) const = default;
};

// Bytes for the line, written after a pause.
struct Output {
    int pauseMs = 0;
    std::string bytes;
};
using Outputs = std::vector<Output>;

// Steps, counted from 1 for the cms-error fault: every command line and
// every message body ended with Ctrl-Z. A message waiting on the network is
// announced ("+CMTI:") after the final answer to any command but AT+CMGR
// (which the tool follows with AT+CMGD), or after kQuietMs of quiet line.
class SimModem {
public:
    using Now = std::function<std::time_t()>;
    static constexpr int kQuietMs = 2000;

    SimModem(const ModemOptions& options, SimUnit& unit, FaultPlan& faults, std::ostream* journal,
             Now now = [] { return std::time(nullptr); });

    Outputs Receive(std::string_view bytes);
    // How long the line may stay quiet before OnQuiet is due; -1: nothing waits.
    int QuietMs() const;
    Outputs OnQuiet();
    // A fault asked to hang up after the answers given so far.
    bool hangup() const { return hangup_; }

private:
    struct Row;
    static const Row kRows[];

    void OnCommandByte(char c, Outputs& out);
    void OnBodyByte(char c, Outputs& out);
    void RunCommand(const std::string& line, Outputs& out);
    void Answer(const std::string& text, bool mayAnnounce, Outputs& out);
    std::string StartSend(std::string_view rest);
    std::string EndBody();
    void Carry(const std::string& command);
    std::string Read(std::string_view rest);
    std::string Delete(std::string_view rest);
    std::string List(std::string_view rest);
    std::string Storages(std::string_view rest);
    MessageStore& ReadStore() { return stores_[readStorage_]; }
    std::string Announce();
    std::string Urc();

    ModemOptions options_;
    SimUnit& unit_;
    FaultPlan& faults_;
    std::ostream* journal_;
    Now now_;
    std::map<std::string, MessageStore> stores_;  // by storage name
    std::string readStorage_ = "SM";  // the one AT+CMGR, AT+CMGD and AT+CMGL use
    std::deque<ShortMessage> waiting_;  // sent by the network, not yet on the SIM
    std::string line_;
    std::string body_;
    std::string destination_;  // text mode: the number of AT+CMGS
    int pduLength_ = 0;        // PDU mode: the TPDU length of AT+CMGS
    bool inBody_ = false;
    bool echo_;
    bool textMode_;
    bool extra_;
    int steps_ = 0;
    int reference_ = 0;
    unsigned urcs_ = 0;
    bool foreignSent_ = false;
    bool hangup_ = false;
};

}  // namespace dorvik::unitsim
