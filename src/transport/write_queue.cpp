#include "transport/write_queue.h"

#include <sys/eventfd.h>

#include <cstdint>

namespace dorvik {

WriteQueue::WriteQueue() : event_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

void WriteQueue::Put(const std::string& text) {
    {
        std::lock_guard lock(mutex_);
        pending_ += text;
        hasPending_ = true;
    }
    std::uint64_t one = 1;
    [[maybe_unused]] auto n = ::write(event_.Get(), &one, sizeof one);
}

std::optional<std::string> WriteQueue::Take() {
    std::lock_guard lock(mutex_);
    DrainEvent();
    if (!hasPending_) return std::nullopt;
    hasPending_ = false;
    return std::exchange(pending_, {});
}

void WriteQueue::PutBack(const std::string& rest) {
    if (rest.empty()) return;
    std::lock_guard lock(mutex_);
    pending_.insert(0, rest);
    hasPending_ = true;
}

void WriteQueue::Clear() {
    std::lock_guard lock(mutex_);
    DrainEvent();
    pending_.clear();
    hasPending_ = false;
}

void WriteQueue::DrainEvent() {
    std::uint64_t count = 0;
    [[maybe_unused]] auto n = ::read(event_.Get(), &count, sizeof count);
}

}  // namespace dorvik
