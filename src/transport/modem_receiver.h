#pragma once
// The modem receive path: judges every byte the GSM modem sends according to
// the modem state, runs the next AT step, reads the short messages the modem
// announces, hands the unit's answers on and deletes them from the SIM.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/link.h"
#include "transport/gsm_modem.h"
#include "transport/serial_listener.h"
#include "transport/modem_lines.h"
#include "transport/sms_item.h"

namespace dorvik {

// What the receive path asks of the rest of the tool.
class ModemHost {
public:
    virtual ~ModemHost() = default;
    // The modem answered its test: the link is up.
    virtual void ModemReady() = 0;
    virtual void SetActivity(LinkActivity activity) = 0;
    // Every page's Receive box: the modem's answer collected so far.
    virtual void ShowReceived(const std::string& text) = 0;
    // Every page's Message box.
    virtual void ShowMessage(const std::string& text) = 0;
    // An error box.
    virtual void ShowError(const std::string& text) = 0;
    // Every text about to be written to the modem.
    virtual void OnCommandWritten(const std::string& text) = 0;
    // A short message from the unit, with its body.
    virtual void OnUnitMessage(const std::string& body) = 0;
    virtual std::string UnitPhone() const = 0;
};

// Listens to the modem's port on the window thread.
class ModemReceiver : public SerialListener {
public:
    // More than any answer the modem gives; a longer run without the
    // awaited line is noise and is dropped.
    static constexpr std::size_t kMaxBuffer = 64 * 1024;

    ModemReceiver(GSMModem& modem, ModemHost& host);

    // Forgets what was received, announced or waiting to be sent.
    void Reset();
    // The message format the initialisation selects (kTextFormat by default).
    void UseMessageFormat(int format) { format_ = format; }
    // Starts afresh with the modem test; the answers run the initialisation.
    void Start();
    // Sends the short message now when the modem is idle, otherwise as soon
    // as it is; a later message replaces one still waiting.
    void SendMessage(const std::string& number, const std::string& text);

    void OnSerialByte(unsigned char byte, int port) override;
    void OnCommandWritten(const std::string& text) override;

    // The answer collected since it was last judged.
    const std::string& Buffer() const { return buffer_; }
    // Announced messages waiting to be read.
    std::size_t WaitingReads() const { return announced_.size(); }
    // The set-up after the modem test has finished: storages read, the
    // unit's old answers deleted from the read storage.
    bool Initialised() const { return ready_; }

private:
    // Which received text runs a state's action.
    enum class Trigger { Ok, AnyLine, Prompt };
    using Action = void (ModemReceiver::*)(const std::string& line);
    struct Row {
        ModemState state;
        Trigger trigger;
        Action action;
        bool checksErrors;
        bool idleOnFailure;   // indicator back to idle on an error answer
        const char* failure;  // error box on an error answer; null: none
    };
    static const Row kRows[];
    static const Row* RowOf(ModemState state);

    void OnLine(const std::string& line);
    bool PromptSeen() const;
    bool InsideReadPayload() const;
    bool IsIdle() const;
    void Fail(const Row& row);
    void Clear();
    void BecomeIdle();
    void RunWaiting();
    void SendNow(const std::string& number, const std::string& text);
    void Announce(const NewMessage& message);

    void OnTestAnswered(const std::string& line);
    void OnFormatLine(const std::string& line);
    void OnIndicationLine(const std::string& line);
    void OnStorageLine(const std::string& line);
    void OnStorageSelected(const std::string& line);
    void OnListLine(const std::string& line);
    void DeleteOldAnswers();
    bool ReadAnnounced(const NewMessage& message);
    void OnIdleLine(const std::string& line);
    void OnPrompt(const std::string& line);
    void OnMessageSent(const std::string& line);
    void OnReadLine(const std::string& line);
    void OnMessageDeleted(const std::string& line);

    void FinishRead(const std::optional<CSMSItem>& item);
    std::optional<CSMSItem> ReadItem();
    std::vector<std::string> TakePayload();

    GSMModem& modem_;
    ModemHost& host_;
    int format_ = kTextFormat;
    std::string buffer_;
    std::size_t lineStart_ = 0;
    // Complete lines of buffer_, without their line ends.
    std::vector<std::string> lines_;
    // Position of the "+CMGR:" line in lines_ while a message is read.
    std::optional<std::size_t> header_;
    std::deque<NewMessage> announced_;
    // The message to read once its storage is selected.
    std::optional<NewMessage> selecting_;
    // The listing at connect: the header of the message whose line comes
    // next, and the unit's messages found so far.
    std::optional<std::string> listHeader_;
    std::vector<int> oldAnswers_;
    bool ready_ = false;
    struct Outgoing {
        std::string number, text;
    };
    std::optional<Outgoing> outgoing_;
};

}  // namespace dorvik
