#pragma once
// Runs the built dorvik-cli as a child process with its own settings folder
// and collects its exit status and output.
#include <sys/types.h>

#include <string>
#include <vector>

namespace dorvik::test {

struct CliResult {
    int status = -1;  // exit status; 128 + n when ended by signal n
    std::string out, err;
};

class CliProcess {
public:
    // Starts dorvik-cli with the arguments; DORVIK_CONFIG_DIR is configDir.
    CliProcess(const std::vector<std::string>& args, const std::string& configDir,
               const std::string& scratchDir);
    ~CliProcess();
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // Ctrl-C.
    void Interrupt();
    // Waits for the end.
    CliResult Wait();

private:
    pid_t pid_ = -1;
    std::string outPath_, errPath_;
};

// Runs dorvik-cli to its end.
CliResult RunCli(const std::vector<std::string>& args, const std::string& configDir,
                 const std::string& scratchDir);

}  // namespace dorvik::test
