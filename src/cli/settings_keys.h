#pragma once
// The settings of the single-relay page (CMsic) and the seven-relay page
// (CMultiRelay) by name, as "set KEY=VALUE" takes them and "get settings"
// prints them: each key writes its page control, and each group of keys is
// sent with the page's own button operation.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pages/msic.h"
#include "pages/multi_relay.h"

namespace dorvik::cli {

// One of the two settings pages.
struct SettingsTarget {
    CMsic* msic = nullptr;  // exactly one of the two is set
    CMultiRelay* multi = nullptr;
    // The password in use: the "current password" box of a password change.
    std::string password;

    SettingsForm& Form() { return msic ? msic->Form() : multi->Form(); }
    bool CommandsEnabled() const {
        return msic ? msic->CommandsEnabled() : multi->CommandsEnabled();
    }
    const std::string& ReceiveText() const {
        return msic ? msic->ReceiveText() : multi->ReceiveText();
    }
    const std::string& MessageText() const {
        return msic ? msic->MessageText() : multi->MessageText();
    }
};

// A button operation of the page, with whether the unit confirms it with a
// message ("Set band  success").
struct PageCommand {
    const char* name;
    void (*press)(SettingsTarget& target);
    bool confirmed;
    // The read that fills the other controls this command sends; null when
    // each of its controls is named by a key.
    const PageCommand* fill = nullptr;
};

// Names of the keys "set" takes on the single-relay or the seven-relay page.
std::vector<std::string> SettingKeyNames(bool multiRelay);
// Names of the keys the page takes, in the order "get settings" prints them.
std::vector<std::string> SettingKeys(const SettingsTarget& target);
// The value of a key as text (UTF-8).
std::string SettingValue(SettingsTarget& target, const std::string& key);

// Writes KEY=VALUE (VALUE in UTF-8) into the page's controls and adds the
// command that sends it to *commands unless already there. The reason
// (a usage error) when the key is unknown or the value refused.
std::optional<std::string> ApplySetting(SettingsTarget& target, const std::string& key,
                                        const std::string& value,
                                        std::vector<const PageCommand*>* commands);

// The reads to press before the commands of the given keys, so that the
// controls no key names are sent with the unit's own values.
std::vector<const PageCommand*> ReadsBefore(const SettingsTarget& target,
                                            const std::vector<std::string>& keys);

// The read commands "get settings" presses, in order.
std::vector<PageCommand> ReadCommands(const SettingsTarget& target);

}  // namespace dorvik::cli
