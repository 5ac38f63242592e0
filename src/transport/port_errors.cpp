#include "transport/port_errors.h"

#include <grp.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace dorvik {

std::string FormatPortError(const std::string& stepName, const std::string& reason, int port) {
    return "WARNING:  " + stepName + " Failed with the following error: \n" + reason +
           "\nPort: " + std::to_string(port) + "\n";
}

void ShowPortError(MessageBox& box, const std::string& stepName, const std::string& reason,
                   int port) {
    box.Show(FormatPortError(stepName, reason, port), kPortErrorCaption, MsgIcon::Error,
             MsgButtons::Ok);
}

namespace {

// The name of the group owning path; "dialout", the usual group of serial
// devices, when it cannot be found.
std::string DeviceGroup(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) return "dialout";
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getgrgid_r(st.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return "dialout";
    return found->gr_name;
}

}  // namespace

std::string DescribeOpenError(const std::string& path, int err) {
    std::string text = path + ": " + std::strerror(err);
    if (err == EACCES || err == EPERM) {
        const std::string group = DeviceGroup(path);
        text += "\nThe device belongs to the group \"" + group +
                "\": add your user to it (sudo usermod -aG " + group +
                " $USER) and log in again.";
    }
    return text;
}

std::string DescribeModemInUse(const std::string& path) {
    return path + ": " + std::strerror(EBUSY) + "\n" + kModemInUseText;
}

std::string DescribeSilentModem(const std::string& path) {
    return path + ": no answer to AT\n" + kModemInUseText;
}

}  // namespace dorvik
