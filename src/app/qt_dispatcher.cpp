#include "app/qt_dispatcher.h"

#include <QMetaObject>
#include <QThread>

namespace dorvik {

void QtDispatcher::Invoke(const std::function<void()>& fn) {
    if (QThread::currentThread() == thread()) {
        if (!Closed()) fn();
        return;
    }
    auto call = std::make_shared<Call>(Call{&fn});
    {
        std::lock_guard lock(mutex_);
        if (closed_) return;
        ++posting_;
    }
    QMetaObject::invokeMethod(
        this, [this, call] { Run(call); }, Qt::QueuedConnection);
    std::unique_lock lock(mutex_);
    --posting_;
    changed_.notify_all();
    // A call the window thread has started is always waited for: its work
    // refers to this caller's stack.
    changed_.wait(lock, [&] { return call->done || (closed_ && !call->running); });
}

void QtDispatcher::Run(const std::shared_ptr<Call>& call) {
    {
        std::lock_guard lock(mutex_);
        if (closed_) return;  // the caller has gone on without it
        call->running = true;
    }
    (*call->work)();
    std::lock_guard lock(mutex_);
    call->done = true;
    changed_.notify_all();
}

void QtDispatcher::Close() {
    std::unique_lock lock(mutex_);
    closed_ = true;
    // Posting never blocks, so this wait is short; after it no caller can
    // touch this object any more.
    changed_.wait(lock, [&] { return posting_ == 0; });
    changed_.notify_all();
}

bool QtDispatcher::Closed() const {
    std::lock_guard lock(mutex_);
    return closed_;
}

}  // namespace dorvik
