#pragma once
// The connection settings dialog without the toolkit: what its controls show
// when it opens, which fields are enabled, the two mutually exclusive check
// boxes, the checks of OK with their messages, and the settings the main
// window takes back when it closes. While the link is up the port settings
// are shown but cannot change: the open port would silently stop serving it.
#include <optional>
#include <string>

#include "model/settings_file.h"
#include "platform/message_box.h"

namespace dorvik {

// What the dialog's controls hold (and the dialog's own copy of its values).
struct ConnectionForm {
    std::string port, baud, parity, dataBits, stopBits;  // combo texts
    std::string password;
    bool savePassword = false;
    bool useModem = false;
    bool tavrinMode = false;
    std::string expiredTime;  // signed decimal
    std::string unitPhoneNumber, messageCenter, unitId;

    bool operator==(const ConnectionForm&) const = default;
};

// "NONE", "ODD", "EVEN" for 'N', 'O', 'E'; "NONE" for anything else.
std::string ParityText(char parity);
// n of a text that starts "COM<n>" (more text may follow), 1..kMaxComPort.
std::optional<int> ParseComNumber(const std::string& text);
// The whole text as a signed decimal int; 0 when it is none.
int ParseSignedInt(const std::string& text);

class ConnectionDialogModel {
public:
    static constexpr const char* kBadExpiredTime = "Invalidate expired time";
    static constexpr const char* kNeedPhoneNumber = "You must set unit phone number if use modem";
    static constexpr const char* kNeedIdAndPassword =
        "You must set unit ID and password if use modem";
    static constexpr const char* kDefaultPassword = "Default password is 482915";
    static constexpr const char* kPortLocked =
        "The port cannot be changed while connected: disconnect first.";

    explicit ConnectionDialogModel(MessageBox& messages) : messages_(messages) {}

    // Fills the values from the main window's settings; `connected` locks
    // the port settings.
    void Open(const ConnectionSettings& current, bool connected = false);
    // What the controls show; the password only when "Save password" is on.
    const ConnectionForm& Controls() const { return controls_; }
    bool ModemFieldsEnabled() const { return controls_.useModem; }
    bool PortFieldsEnabled() const { return !connected_; }
    // The port typed as a device path was given COM number n.
    void SetPortNumber(int n) { values_.port = "COM" + std::to_string(n); }

    // The two check boxes exclude each other.
    void ClickUseModem(bool checked);
    void ClickTavrinMode(bool checked);
    // The "?" button.
    void ShowPasswordHelp();

    // Reads the controls into the values, then checks them in order; true
    // when the dialog may close. A refusal shows its message and keeps what
    // was read.
    bool Ok(const ConnectionForm& controls);
    // The settings the main window takes back, whichever button closed the
    // dialog: the values it holds, over the settings it was opened with.
    ConnectionSettings Result() const;
    const ConnectionForm& Values() const { return values_; }

private:
    MessageBox& messages_;
    ConnectionSettings opened_;
    ConnectionForm openedValues_;
    ConnectionForm values_;
    ConnectionForm controls_;
    bool connected_ = false;
};

}  // namespace dorvik
