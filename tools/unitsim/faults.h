#pragma once
// Misbehaviour on request: silence, noise before answers, hanging up.
#include <random>
#include <string>
#include <vector>

namespace dorvik::unitsim {

struct FaultOptions {
    int silentAfter = -1;  // answer this many commands, then none; -1: no limit
    bool silentOnce = false;  // ignore the first command, answer its resend
    bool garbage = false;     // noise lines before every answer
    int hangupAfter = -1;     // hang up after this many commands; -1: never
};

struct FaultDecision {
    bool answer = true;
    bool hangup = false;  // after this command (and its answer, if any)
};

class FaultPlan {
public:
    explicit FaultPlan(const FaultOptions& options);

    // What to do with the next received command; called once per command.
    FaultDecision OnCommand();
    // Lines to send before an answer: none unless garbage is on; otherwise a
    // line of random bytes (never CR or LF), sometimes followed by an empty line.
    std::vector<std::string> Noise();

private:
    FaultOptions options_;
    int commands_ = 0;
    std::mt19937 random_{20240301};  // fixed: every run misbehaves alike
};

}  // namespace dorvik::unitsim
