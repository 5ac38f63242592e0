#include "unitsim/faults.h"

namespace dorvik::unitsim {

FaultPlan::FaultPlan(const FaultOptions& options) : options_(options) {}

FaultDecision FaultPlan::OnCommand() {
    ++commands_;
    FaultDecision decision;
    if (options_.silentOnce && commands_ == 1) decision.answer = false;
    if (options_.silentAfter >= 0 && commands_ > options_.silentAfter) decision.answer = false;
    decision.hangup = options_.hangupAfter >= 0 && commands_ >= options_.hangupAfter;
    return decision;
}

std::vector<std::string> FaultPlan::Noise() {
    if (!options_.garbage) return {};
    std::uniform_int_distribution<int> length(1, 24);
    std::uniform_int_distribution<int> byte(1, 255);
    std::string junk;
    for (int n = length(random_); n > 0; --n) {
        char c = static_cast<char>(byte(random_));
        junk += (c == '\n' || c == '\r') ? '~' : c;
    }
    std::vector<std::string> lines{junk};
    if (random_() % 2 == 0) lines.emplace_back();
    return lines;
}

}  // namespace dorvik::unitsim
