#pragma once
// Runs work on the window thread for the drivers' monitoring threads.
#include <QObject>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/ui_dispatcher.h"

namespace dorvik {

// Create it on the window thread. Invoke from another thread is a blocking
// queued call: the caller waits until the window thread has run the work,
// so the work of one caller runs in call order. On the window thread itself
// the work runs at once.
//
// Before the window thread waits for such a thread to end (closing a
// driver), it calls Close: every waiting caller is released without its
// work being run, and later calls return at once. Destroying the dispatcher
// closes it.
class QtDispatcher : public QObject, public UiDispatcher {
    Q_OBJECT
public:
    explicit QtDispatcher(QObject* parent = nullptr) : QObject(parent) {}
    ~QtDispatcher() override { Close(); }

    void Invoke(const std::function<void()>& fn) override;
    // Window thread only.
    void Close();
    bool Closed() const;

private:
    struct Call {
        const std::function<void()>* work;
        bool running = false;
        bool done = false;
    };
    void Run(const std::shared_ptr<Call>& call);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool closed_ = false;
    int posting_ = 0;  // callers between their check and their post
};

}  // namespace dorvik
