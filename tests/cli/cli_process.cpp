#include "cli_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "scratch_dir.h"

namespace dorvik::test {

CliProcess::CliProcess(const std::vector<std::string>& args, const std::string& configDir,
                       const std::string& scratchDir)
    : outPath_(scratchDir + "/cli.out"), errPath_(scratchDir + "/cli.err") {
    pid_ = fork();
    if (pid_ != 0) return;
    // Output goes to files: the test reads it after the end, without pipes to drain.
    const int out = ::open(outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    ::setenv("DORVIK_CONFIG_DIR", configDir.c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(CLI_PATH)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(CLI_PATH, argv.data());
    _exit(127);
}

CliProcess::~CliProcess() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

void CliProcess::Interrupt() {
    if (pid_ > 0) kill(pid_, SIGINT);
}

CliResult CliProcess::Wait() {
    CliResult result;
    int status = 0;
    if (pid_ > 0 && waitpid(pid_, &status, 0) == pid_)
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    pid_ = -1;
    result.out = ReadBytes(outPath_);
    result.err = ReadBytes(errPath_);
    return result;
}

CliResult RunCli(const std::vector<std::string>& args, const std::string& configDir,
                 const std::string& scratchDir) {
    return CliProcess(args, configDir, scratchDir).Wait();
}

}  // namespace dorvik::test
