#pragma once
// A modem receive path over a real GSMModem on a pseudo-terminal, with a
// host that records what the receive path asked for. Without the monitoring
// thread the test plays the window thread and feeds the modem's bytes itself.
#include <string>
#include <string_view>
#include <vector>

#include "serial_test_support.h"
#include "transport/gsm_modem.h"
#include "transport/modem_receiver.h"

namespace dorvik::test {

inline const std::string kUnitPhone = "13900002222";
inline const std::string kCommand = "#PWD1234#WHL0001=13911112222";
inline const std::string kAnswer = "WHL0001 SET TO 13911112222 OK";
inline const std::string kStamp = "\"16/12/28,13:45:01+32\"";

class RecordingHost : public ModemHost {
public:
    void ModemReady() override { ++ready; }
    void SetActivity(LinkActivity a) override { leds.push_back(a); }
    void ShowReceived(const std::string& t) override { received = t; }
    void ShowMessage(const std::string& t) override { messages.push_back(t); }
    void ShowError(const std::string& t) override { errors.push_back(t); }
    void OnCommandWritten(const std::string& t) override { written.push_back(t); }
    void OnUnitMessage(const std::string& b) override { bodies.push_back(b); }
    std::string UnitPhone() const override { return unitPhone; }

    std::string unitPhone = kUnitPhone;
    int ready = 0;
    std::vector<LinkActivity> leds;
    std::string received;
    std::vector<std::string> messages, errors, written, bodies;
};

// What a stretch of received bytes led to.
struct Outcome {
    std::vector<std::string> written, errors, bodies, messages;
    std::vector<LinkActivity> leds;
    ModemState state = ModemState::Test;
    int ready = 0;
    bool operator==(const Outcome&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    os << "state " << int(o.state) << ", written:";
    for (const auto& w : o.written) os << " [" << w << "]";
    os << ", errors:";
    for (const auto& e : o.errors) os << " [" << e << "]";
    os << ", bodies:";
    for (const auto& b : o.bodies) os << " [" << b << "]";
    return os << ", leds " << o.leds.size() << ", ready " << o.ready;
}

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
        switch (state) {
            case ModemState::Test: modem.TestModem(); break;
            case ModemState::Format: modem.SetMessageFormat(modem.MessageFormat()); break;
            case ModemState::Indication: modem.EnableNewMessageIndication(); break;
            case ModemState::Prompt: modem.SendShortMessage(kUnitPhone, kCommand); break;
            case ModemState::Body:
                modem.SendShortMessage(kUnitPhone, kCommand);
                modem.SendBody();
                break;
            case ModemState::Read:
                modem.PushIndex(12);
                modem.ReadMessage(12);
                break;
            case ModemState::Delete: modem.DeleteMessage(12); break;
            case ModemState::Idle: modem.SetState(ModemState::Idle); break;
            case ModemState::Storages: modem.QueryStorages(); break;
            case ModemState::Select:
                modem.PushIndex(12);
                modem.SelectReadStorage("ME");
                break;
            case ModemState::List: modem.ListMessages(); break;
        }
        Forget();
    }
    // Forgets what the host recorded; the unit's number stays.
    void Forget() {
        std::string phone = host.unitPhone;
        host = RecordingHost{};
        host.unitPhone = phone;
    }
    Outcome Result() const {
        return {host.written, host.errors, host.bodies, host.messages,
                host.leds,    modem.State(), host.ready};
    }
    // Feeds bytes and returns what was written meanwhile, forgetting it.
    std::vector<std::string> Exchange(std::string_view bytes) {
        host.written.clear();
        Feed(bytes);
        return host.written;
    }

    PtyMaster master;
    InlineDispatcher ui;
    SyncMessageBox box;
    RecordingHost host;
    ModemReceiver receiver{modem, host};
    GSMModem modem{receiver, ui, box};
};

// The modem's answer to AT+CMGR in text mode, with the command's echo.
inline std::string TextRead(int index, const std::string& sender, const std::string& body) {
    return "AT+CMGR=" + std::to_string(index) + "\r\r\n+CMGR: \"REC UNREAD\",\"" + sender +
           "\",," + kStamp + "\r\n" + body + "\r\n\r\nOK\r\n";
}

}  // namespace dorvik::test
