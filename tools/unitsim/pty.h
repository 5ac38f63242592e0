#pragma once
// The pseudo-terminal whose slave side the tool opens as its serial port.
#include <memory>
#include <string>

namespace dorvik::unitsim {

class PseudoTerminal {
public:
    // Opens a pair with the slave in raw mode and the master non-blocking;
    // nothing, with *error set, on failure. The unit keeps a slave descriptor
    // of its own, so the tool may close and reopen the slave at will without
    // the master seeing a hang-up.
    static std::unique_ptr<PseudoTerminal> Open(std::string* error);
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int master() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }
    // Hangs up: the tool's next read of the slave fails.
    void CloseMaster();

private:
    PseudoTerminal() = default;
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

// A symbolic link to the slave device, removed again on destruction.
class DeviceLink {
public:
    // Replaces an existing symbolic link at path; refuses any other file.
    static std::unique_ptr<DeviceLink> Create(const std::string& path, const std::string& target,
                                              std::string* error);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

private:
    DeviceLink(std::string path, std::string target) : path_(std::move(path)), target_(std::move(target)) {}
    std::string path_;
    std::string target_;
};

}  // namespace dorvik::unitsim
