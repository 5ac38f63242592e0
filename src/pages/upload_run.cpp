#include "pages/upload_run.h"

#include <algorithm>

namespace dorvik {

void UploadRun::Start() {
    engine_.StartReplyTimer();
    engine_.EnableAllPages(false);
    engine_.Progress().Show(0, std::max(slots_.SlotCount() - 1, 0));
    state_ = RunState{};
    stopRequested_ = false;
    active_ = !engine_.PaysPerFrame();
    if (ResumeLeftover()) return;
    if (active_) engine_.Meter().Begin(CountPending());
    const int row = FindPending(0);
    if (row < 0) {
        Finish();
        engine_.MarkReplySeen();
        return;
    }
    SendSlot(row);
}

void UploadRun::Next() {
    if (!active_) return;
    engine_.EnableAllPages(false);
    if (!followUps_.empty()) {
        SendFollowUp();
        return;
    }
    const int row = stopRequested_ ? -1 : FindPending(current_ + 1);
    if (row < 0) {
        Finish();
        return;
    }
    SendSlot(row);
}

int UploadRun::FindPending(int from) const {
    for (int row = std::max(from, 0); row < slots_.SlotCount(); ++row) {
        if (slots_.SlotStatus(row) == RowStatus::Pending && slots_.HasCommands(row)) return row;
    }
    return -1;
}

int UploadRun::CountPending() const {
    int n = 0;
    for (int row = FindPending(0); row >= 0; row = FindPending(row + 1)) ++n;
    return n;
}

// Sends the slot's first command and keeps the others for the next steps.
void UploadRun::SendSlot(int row) {
    current_ = row;
    engine_.Meter().Step();
    engine_.Progress().SetPos(row);
    std::vector<Request> requests = slots_.SlotRequests(row, state_);
    ++state_.slotsSent;
    followUps_.assign(requests.begin(), requests.end());
    if (followUps_.empty()) return;
    SendFollowUp();
}

// A slot whose first command was confirmed is InUnit already; it goes back
// to Pending while a further command of it is on its way, so that a slot
// whose last command is never confirmed is sent again by the next run.
// Every command of a run is supervised: a unit that falls silent in the
// middle of a run is asked again and finally given up, instead of leaving
// the pages disabled for good.
void UploadRun::SendFollowUp() {
    const Request request = followUps_.front();
    followUps_.pop_front();
    if (slots_.SlotStatus(current_) == RowStatus::InUnit)
        slots_.SetSlotStatus(current_, RowStatus::Pending);
    engine_.StartReplyTimer();
    engine_.SendRequest(request.frame, request.code, request.ack);
}

// Commands left over from a run that stopped between two commands of one
// slot. In modem mode the press sends the next of them; otherwise the slot
// is made Pending again so the run sends it whole.
bool UploadRun::ResumeLeftover() {
    if (followUps_.empty()) return false;
    const bool due = LeftoverStillDue();
    if (due && engine_.PaysPerFrame()) {
        engine_.Progress().SetPos(current_);
        SendFollowUp();
        return true;
    }
    if (slots_.SlotStatus(current_) == RowStatus::InUnit)
        slots_.SetSlotStatus(current_, RowStatus::Pending);
    followUps_.clear();
    return false;
}

// The leftover commands are still what the slot holds, and its earlier
// commands were confirmed.
bool UploadRun::LeftoverStillDue() const {
    if (slots_.SlotStatus(current_) != RowStatus::InUnit) return false;
    RunState scratch;
    const std::vector<Request> now = slots_.SlotRequests(current_, scratch);
    if (now.size() < followUps_.size()) return false;
    return std::equal(followUps_.begin(), followUps_.end(), now.end() - followUps_.size(),
                      [](const Request& a, const Request& b) { return a.frame == b.frame; });
}

void UploadRun::Abort() {
    active_ = false;
    stopRequested_ = false;
}

void UploadRun::Finish() {
    active_ = false;
    stopRequested_ = false;
    engine_.Meter().End();
    engine_.Progress().Hide();
    engine_.EnableAllPages(true);
}

}  // namespace dorvik
