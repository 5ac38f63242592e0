#pragma once
// The connection settings and the two application preferences, and the file
// "DORVIK.ini" that keeps them between runs.
#include <cstddef>
#include <string>
#include <utility>

#include "model/atomic_file.h"

namespace dorvik {

// Longest text value taken from the file, in bytes (never splitting a
// GB18030 character).
inline constexpr std::size_t kMaxSettingText = 259;

struct ConnectionSettings {
    // Section "INIT".
    bool autoOpen = true;              // "auto": open the last project at start-up
    std::string projectPath;           // "ADDR": last project file opened or saved
    std::string password;              // "password": unit password, put into every command
    std::string unitId;                // "unitID": used by the TAVRIN commands
    std::string unitPhoneNumber;       // "unitphonenumber": destination in modem mode
    std::string messageCenter = "13800210500";  // "messagecenter": SMS service centre
    bool savePassword = true;          // "savepassword": the dialog shows the stored password
    bool useModem = false;             // "usemodem": commands travel by short message
    bool tavrinMode = false;           // "usepassword": link opened with the TAVRIN commands
    int expiredTime = 1;               // "expiredtime": modem reply time-out, seconds
    // Section "PORT".
    int port = 1;                      // "nport": n of COMn, 0 = none chosen
    int dataBits = 8;                  // "databit"
    int stopBits = 1;                  // "stopbit"
    int baud = 9600;                   // "band"
    char parity = 'N';                 // "parity": 'N', 'O' or 'E'

    bool operator==(const ConnectionSettings&) const = default;
};

// Reads and writes the settings file. Reading is forgiving: a missing file,
// section, key or value gives the default; unknown keys are ignored.
// Writing puts every key in its fixed order and keeps any other line of an
// existing file, replacing the file atomically with mode 0600.
class SettingsFile {
public:
    // The file at DefaultSettingsPath().
    SettingsFile();
    explicit SettingsFile(std::string path);

    const std::string& Path() const { return path_; }
    // Why the last Read or Write failed; empty after a success.
    const std::string& LastError() const { return error_; }
    // Replaces the final rename of Write (tests make it fail).
    void SetRenameStep(RenameStep step) { rename_ = std::move(step); }

    // The settings in the file. A file that exists but cannot be read gives
    // the defaults and sets LastError().
    ConnectionSettings Read();
    ConnectionSettings Read(const std::string& path);
    // False, with LastError() and the old file untouched, when it fails.
    bool Write(const ConnectionSettings& settings);
    bool Write(const std::string& path, const ConnectionSettings& settings);

private:
    std::string path_;
    std::string error_;
    RenameStep rename_ = SystemRename();
};

// The file text Write produces for settings over an existing file text
// (empty for a new file).
std::string SettingsText(const ConnectionSettings& settings, const std::string& existing = {});
// The settings a file text holds.
ConnectionSettings ParseSettings(const std::string& text);

}  // namespace dorvik
