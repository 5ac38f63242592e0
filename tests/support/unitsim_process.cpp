#include "unitsim_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "scratch_dir.h"

namespace dorvik::test {

namespace {

// The test this process runs, as CTest names it on the command line.
std::string TestFilter() {
    std::ifstream in("/proc/self/cmdline");
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string key = "--gtest_filter=";
    auto at = all.find(key);
    if (at == std::string::npos) return {};
    return all.substr(at + key.size(), all.find('\0', at) - at - key.size());
}

// With DORVIK_WIRE_DIR set, DIR/<running test>; empty otherwise.
std::string WireRecordBase() {
    const char* dir = std::getenv("DORVIK_WIRE_DIR");
    std::string name = TestFilter();
    if (!dir || name.empty()) return {};
    std::replace(name.begin(), name.end(), '/', '_');
    return std::string(dir) + "/" + name;
}

// With DORVIK_WIRE_DIR set, every simulated unit that keeps no journal of its
// own writes one named after the running test, so that the lines a whole
// suite sends can be compared between two builds.
std::vector<std::string> WithWireJournal(std::vector<std::string> args) {
    const std::string base = WireRecordBase();
    if (base.empty() || std::find(args.begin(), args.end(), "--journal") != args.end()) return args;
    static int serial = 0;
    args.push_back("--journal");
    args.push_back(base + "." + std::to_string(serial++) + ".log");
    return args;
}

[[noreturn]] void Exec(const std::string& path, const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(path.c_str(), argv.data());
    _exit(127);
}

int ExitStatus(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

void KeepWireJournal(const std::string& journalPath) {
    const std::string base = WireRecordBase();
    if (base.empty()) return;
    std::ifstream in(journalPath, std::ios::binary);
    std::ofstream(base + ".kept.log", std::ios::app | std::ios::binary) << in.rdbuf();
}

UnitSimProcess::UnitSimProcess(const std::vector<std::string>& argsIn) {
    const std::vector<std::string> args = WithWireJournal(argsIn);
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        Exec(UNITSIM_PATH, args);
    }
    close(out[1]);
    // The first output line names the device.
    char c;
    while (read(out[0], &c, 1) == 1 && !(lineEnded_ = c == '\n')) device_ += c;
    stdout_ = out[0];  // kept open: a closed pipe would end the child on its next line
}

UnitSimProcess::~UnitSimProcess() { Kill(); }

void UnitSimProcess::Kill() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(std::exchange(pid_, -1), nullptr, 0);
    }
    if (stdout_ >= 0) close(std::exchange(stdout_, -1));
}

std::string UnitSimProcess::Output() {
    std::string text = lineEnded_ ? device_ + "\n" : device_;
    char c;
    while (stdout_ >= 0 && read(stdout_, &c, 1) == 1) text += c;
    return text;
}

int UnitSimProcess::Stop() {
    if (pid_ > 0) kill(pid_, SIGTERM);
    return Wait();
}

int UnitSimProcess::Wait() {
    int status = 0;
    if (pid_ <= 0 || waitpid(std::exchange(pid_, -1), &status, 0) <= 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool UnitSimProcess::Exited() {
    if (pid_ <= 0) return true;
    if (waitpid(pid_, nullptr, WNOHANG) != pid_) return false;
    pid_ = -1;
    return true;
}

ProgramRun::ProgramRun(const std::string& path, const std::vector<std::string>& args,
                       const std::string& outputPrefix, const std::string& env)
    : outPath_(outputPrefix + ".out"), errPath_(outputPrefix + ".err") {
    pid_ = fork();
    if (pid_ != 0) return;
    // Output goes to files: the test reads it after the end, without pipes to drain.
    dup2(::open(outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
    dup2(::open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
    ::putenv(const_cast<char*>(env.c_str()));
    Exec(path, args);
}

ProgramRun::~ProgramRun() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

void ProgramRun::Interrupt() {
    if (pid_ > 0) kill(pid_, SIGINT);
}

ProgramResult ProgramRun::Wait() {
    ProgramResult result;
    int status = 0;
    if (pid_ > 0 && waitpid(std::exchange(pid_, -1), &status, 0) > 0)
        result.status = ExitStatus(status);
    result.out = ReadBytes(outPath_);
    result.err = ReadBytes(errPath_);
    return result;
}

}  // namespace dorvik::test
