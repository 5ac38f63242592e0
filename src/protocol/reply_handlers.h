#pragma once
// Turns the unit's answers into changes of the unit model and the pages.
// The serial family is fed byte by byte by the connection engine and
// evaluates each completed line; the message family gets whole short
// message bodies from the modem receive path.
#include <memory>
#include <string>

#include "model/unit_model.h"
#include "platform/timer.h"
#include "protocol/connection_engine.h"
#include "protocol/page_ops.h"
#include "protocol/reply_sink.h"

namespace dorvik {

// The pages a reply may update; any may be null.
struct ReplyPages {
    ListPage* phone = nullptr;
    ListPage* special = nullptr;
    ListPage* alarm = nullptr;
    ListPage* house = nullptr;
    SettingsPage* msic = nullptr;
    SettingsPage* multiRelay = nullptr;
    LogViewOps* log = nullptr;
};

class ReplyHandlers : public ReplySink {
public:
    static constexpr int kNextSlotMs = 200;
    static constexpr int kNextAlarmMs = 20;

    ReplyHandlers(UnitModel& model, ConnectionEngine& engine);

    void SetPages(const ReplyPages& pages) { pages_ = pages; }

    bool Collects(int requestCode) const override;
    void OnByte(int requestCode, unsigned char byte, std::string& line) override;
    // A short message body from the unit, answering the request sent under
    // requestCode with the acknowledgement text ack.
    void DispatchMessageReply(const std::string& body, int requestCode,
                              const std::string& ack) override;

    // Evaluates one completed serial reply line (without its LF).
    void OnSerialLine(int requestCode, const std::string& line);

private:
    using LineHandler = void (ReplyHandlers::*)(const std::string& line, const std::string& ack);
    struct Entry {
        int code;
        LineHandler serial;
        LineHandler message;
    };
    static const Entry* Find(int code);
    static const Entry kTable[];

    bool EmptyListAnnounced(int code, const std::string& line);
    SettingsPage* ActivePage() const;
    void Release();
    void Info(const char* text);
    void ContinueAfter(int ms, ListPage* page);
    void InfoWhenConfirmed(int code, const std::string& reply, const std::string& ack,
                           const char* text);

    // Connection and lists.
    void OnHouses(const std::string& line, const std::string& ack);
    void OnProgRf(const std::string& line, const std::string& ack);
    void OnProgQuit(const std::string& line, const std::string& ack);
    void OnPhoneLine(const std::string& line, const std::string& ack);
    void OnPhoneConfirmed(const std::string& line, const std::string& ack);
    void OnPhoneMessage(const std::string& body, const std::string& ack);
    void OnSpecialLine(const std::string& line, const std::string& ack);
    void OnSpecialConfirmed(const std::string& line, const std::string& ack);
    void OnSpecialMessage(const std::string& body, const std::string& ack);
    void OnAlarmLine(const std::string& line, const std::string& ack);
    void OnAlarmConfirmed(const std::string& line, const std::string& ack);
    void OnAlarmMessage(const std::string& body, const std::string& ack);
    void OnHouseLine(const std::string& line, const std::string& ack);
    void OnHouseConfirmed(const std::string& line, const std::string& ack);
    void OnHouseMessage(const std::string& body, const std::string& ack);
    void OnLogLine(const std::string& line, const std::string& ack);
    bool MarkPhone(const std::string& reply, const std::string& ack);
    bool MarkSpecial(const std::string& reply, const std::string& ack);
    bool MarkAlarm(const std::string& reply, const std::string& ack);
    bool MarkHouse(const std::string& ack);

    // Settings.
    void OnPassword(const std::string& line, const std::string& ack);
    void OnSetName(const std::string& line, const std::string& ack);
    void OnQueryName(const std::string& line, const std::string& ack);
    void OnSetDelay(const std::string& line, const std::string& ack);
    void OnSetDelayMessage(const std::string& body, const std::string& ack);
    void OnQueryDelay(const std::string& line, const std::string& ack);
    void OnSetRelayMode(const std::string& line, const std::string& ack);
    void OnQueryRelayMode(const std::string& line, const std::string& ack);
    void OnSetClock(const std::string& line, const std::string& ack);
    void OnQueryClock(const std::string& line, const std::string& ack);
    void OnSetClockUpdate(const std::string& line, const std::string& ack);
    void OnQueryClockUpdate(const std::string& line, const std::string& ack);
    void OnReception(const std::string& line, const std::string& ack);
    void OnAlarmInputs(const std::string& line, const std::string& ack);
    void OnBattery(const std::string& line, const std::string& ack);
    void OnBatteryMessage(const std::string& body, const std::string& ack);
    void OnAlarmContent(const std::string& line, const std::string& ack);
    void OnSetBand(const std::string& line, const std::string& ack);
    void OnQueryBand(const std::string& line, const std::string& ack);
    void OnSetOutputs(const std::string& line, const std::string& ack);
    void OnQueryOutputs(const std::string& line, const std::string& ack);
    void OnStatus(const std::string& line, const std::string& ack);
    void OnStatusMessage(const std::string& body, const std::string& ack);
    void OnQueryAlarmContent(const std::string& line, const std::string& ack);

    UnitModel& model_;
    ConnectionEngine& engine_;
    ReplyPages pages_;
    std::unique_ptr<Timer> continueTimer_;
};

}  // namespace dorvik
