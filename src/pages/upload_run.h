#pragma once
// The upload of a list's Pending slots to the unit, one command at a time:
// the run sends the lowest Pending slot, and each confirmation (handled by
// the reply handlers, which then call the page's DownloadNext) sends the
// next Pending slot after it, until none is left. In modem mode a run is
// one command per press; the short-message answer marks the slot.
#include <deque>
#include <vector>

#include "model/row_status.h"
#include "protocol/connection_engine.h"
#include "protocol/request.h"

namespace dorvik {

// What the current run has sent so far; a page may keep notes in it.
struct RunState {
    int slotsSent = 0;
};

// What a list page supplies to an upload run.
class UploadSlots {
public:
    virtual ~UploadSlots() = default;
    virtual int SlotCount() const = 0;
    virtual RowStatus SlotStatus(int row) const = 0;
    virtual void SetSlotStatus(int row, RowStatus status) = 0;
    // Whether a Pending slot has anything to send (all do, unless a page says otherwise).
    virtual bool HasCommands(int row) const {
        (void)row;
        return true;
    }
    // The commands that upload the slot, in order.
    virtual std::vector<Request> SlotRequests(int row, RunState& run) const = 0;
};

class UploadRun {
public:
    UploadRun(ConnectionEngine& engine, UploadSlots& list) : engine_(engine), slots_(list) {}

    // Starts a run (the caller has checked the connection).
    void Start();
    // Continues the run after a confirmation: the slot's next command, or
    // the next Pending slot, or the end of the run.
    void Next();
    // Ends the run once the slot on its way is confirmed with all of its
    // commands; the slots after it stay Pending.
    void StopAfterSlot() { stopRequested_ = active_; }
    // The link closed: the run ends now. Commands left of a slot stay for
    // the next run, which sends that slot again.
    void Abort();
    bool Active() const { return active_; }
    // The slot the run sent last; -1 before the first.
    int CurrentRow() const { return current_; }

private:
    int FindPending(int from) const;
    int CountPending() const;
    void SendSlot(int row);
    void SendFollowUp();
    bool ResumeLeftover();
    bool LeftoverStillDue() const;
    void Finish();

    ConnectionEngine& engine_;
    UploadSlots& slots_;
    RunState state_;
    bool active_ = false;
    bool stopRequested_ = false;
    int current_ = -1;
    // Commands of the current slot still to send after its first one.
    std::deque<Request> followUps_;
};

}  // namespace dorvik
