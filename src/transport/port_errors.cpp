#include "transport/port_errors.h"

#include <cerrno>
#include <cstring>

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

std::string DescribeOpenError(const std::string& path, int err) {
    std::string text = path + ": " + std::strerror(err);
    if (err == EACCES || err == EPERM)
        text += "\nAdd your user to the \"dialout\" group (sudo usermod -aG dialout $USER)"
                " and log in again.";
    return text;
}

}  // namespace dorvik
