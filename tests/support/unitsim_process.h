#pragma once
// Runs dorvik-unitsim as a child process for the length of a test.
#include <sys/types.h>

#include <string>
#include <vector>

namespace dorvik::test {

class UnitSimProcess {
public:
    explicit UnitSimProcess(const std::vector<std::string>& args);
    ~UnitSimProcess();
    UnitSimProcess(const UnitSimProcess&) = delete;
    UnitSimProcess& operator=(const UnitSimProcess&) = delete;

    // The pseudo-terminal the simulated unit serves; empty when it did not start.
    const std::string& Device() const { return device_; }
    // Everything it wrote to standard output, the first line included.
    std::string Output();
    // Ends the simulated unit at once (the line goes away).
    void Kill();
    // Asks it to end (SIGTERM), then waits; both return its exit status, -1 when killed.
    int Stop();
    int Wait();
    // True once the process has ended by itself.
    bool Exited();

private:
    pid_t pid_ = -1;
    int stdout_ = -1;
    std::string device_;
    bool lineEnded_ = false;
};

// What a program run as a child process left behind.
struct ProgramResult {
    int status = -1;  // exit status; 128 + n when ended by signal n
    std::string out, err;
};

// Runs a program as a child process with one more "NAME=value" in its
// environment; its output goes to outputPrefix + ".out" and ".err".
class ProgramRun {
public:
    ProgramRun(const std::string& path, const std::vector<std::string>& args,
               const std::string& outputPrefix, const std::string& env);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Ctrl-C.
    void Interrupt();
    // Waits for the end.
    ProgramResult Wait();

private:
    pid_t pid_ = -1;
    std::string outPath_, errPath_;
};

// With DORVIK_WIRE_DIR set, appends a journal the test keeps itself to the
// running test's wire record (before the test clears or deletes it).
void KeepWireJournal(const std::string& journalPath);

}  // namespace dorvik::test
