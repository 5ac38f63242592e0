#pragma once
// Hands texts to be written from the window thread to a port's monitoring
// thread, with an event the monitoring thread can poll.
#include <mutex>
#include <optional>
#include <string>

#include "transport/unique_fd.h"

namespace dorvik {

class WriteQueue {
public:
    WriteQueue();
    // False when the wake-up event could not be created.
    bool Valid() const { return event_.Valid(); }
    // Readable while a text waits; poll it for POLLIN.
    int EventFd() const { return event_.Get(); }
    // Adds text after any text not yet taken, and wakes the monitoring thread.
    void Put(const std::string& text);
    // Everything put so far, or nothing; consumes the wake-up.
    std::optional<std::string> Take();
    // Puts back the part of a taken text that was not written, before
    // anything put since.
    void PutBack(const std::string& rest);
    void Clear();

private:
    void DrainEvent();

    std::mutex mutex_;
    std::string pending_;
    bool hasPending_ = false;
    UniqueFd event_;
};

}  // namespace dorvik
