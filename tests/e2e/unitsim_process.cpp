#include "unitsim_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace dorvik::test {

UnitSimProcess::UnitSimProcess(const std::vector<std::string>& args) {
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv{const_cast<char*>(UNITSIM_PATH)};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(UNITSIM_PATH, argv.data());
        _exit(127);
    }
    close(out[1]);
    // The first output line names the device.
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') device_ += c;
    stdout_ = out[0];  // kept open: a closed pipe would end the child on its next line
}

UnitSimProcess::~UnitSimProcess() { Kill(); }

void UnitSimProcess::Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    if (stdout_ >= 0) close(stdout_);
    stdout_ = -1;
}

bool UnitSimProcess::Exited() {
    if (pid_ <= 0) return true;
    if (waitpid(pid_, nullptr, WNOHANG) != pid_) return false;
    pid_ = -1;
    return true;
}

}  // namespace dorvik::test
