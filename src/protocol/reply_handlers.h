#pragma once
// Turns the unit's answers into changes of the unit model and the pages.
// The serial family is fed byte by byte by the connection engine and
// evaluates each completed line; the message family gets whole short
// message bodies from the modem receive path.
#include <memory>
#include <string>
#include <string_view>

#include "model/unit_model.h"
#include "platform/timer.h"
#include "protocol/catalogue.h"
#include "protocol/connection_engine.h"
#include "protocol/page_ops.h"
#include "protocol/reply_sink.h"

namespace dorvik {

// The pages a reply may update; any may be null.
struct ReplyPages {
    ListPageOps* phone = nullptr;
    ListPageOps* special = nullptr;
    ListPageOps* alarm = nullptr;
    ListPageOps* house = nullptr;
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
    enum class Via { Serial, Message };
    using LineHandler = void (ReplyHandlers::*)(const std::string& line, const std::string& ack);
    // A code whose answers need code of their own; the others follow the
    // reply rule of their command's row.
    struct Entry {
        int code;
        LineHandler serial;
        LineHandler message;
    };
    static const Entry* Find(int code);
    static const Entry kTable[];

    void Dispatch(int code, const std::string& reply, const std::string& ack, Via via);
    bool EmptyListAnnounced(int code, const std::string& line);
    SettingsPage* ActivePage() const;
    void Release();
    void Info(std::string_view text);
    void ContinueAfter(int ms, ListPageOps* page);

    // Answers described by a reply rule.
    void OnRuleReply(const ReplyRule& rule, int code, const std::string& reply,
                     const std::string& ack, Via via);
    void OnSlotReply(SlotList list, int code, const std::string& reply, const std::string& ack,
                     Via via);
    void OnInfoReply(const InfoReply& info, int code, const std::string& reply,
                     const std::string& ack, Via via);
    void OnPageAnswer(const PageAnswer& answer, const std::string& reply);

    // Connection, list reads and the log.
    void OnHouses(const std::string& line, const std::string& ack);
    void OnProgRf(const std::string& line, const std::string& ack);
    void OnProgQuit(const std::string& line, const std::string& ack);
    void OnPhoneLine(const std::string& line, const std::string& ack);
    void OnSpecialLine(const std::string& line, const std::string& ack);
    void OnAlarmLine(const std::string& line, const std::string& ack);
    void OnHouseLine(const std::string& line, const std::string& ack);
    void OnLogLine(const std::string& line, const std::string& ack);

    // Settings answers that are more than one value.
    void OnPassword(const std::string& line, const std::string& ack);
    void OnQueryName(const std::string& line, const std::string& ack);
    void OnSetRelayMode(const std::string& line, const std::string& ack);
    void OnQueryClock(const std::string& line, const std::string& ack);
    void OnQueryClockUpdate(const std::string& line, const std::string& ack);
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
