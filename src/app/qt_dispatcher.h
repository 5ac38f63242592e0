#pragma once
// Runs work on the window thread for the drivers' monitoring threads.
#include <QObject>

#include "platform/ui_dispatcher.h"

namespace dorvik {

// Create it on the window thread. Invoke from another thread is a blocking
// queued call: the caller waits until the window thread has run the work,
// so the work of one caller runs in call order. On the window thread itself
// the work runs at once.
//
// A thread blocked in Invoke needs the window thread's event loop: the
// window thread must never wait for such a thread to end while it may be
// inside Invoke (destroying the dispatcher releases every waiting caller
// without running their work).
class QtDispatcher : public QObject, public UiDispatcher {
    Q_OBJECT
public:
    explicit QtDispatcher(QObject* parent = nullptr) : QObject(parent) {}
    void Invoke(const std::function<void()>& fn) override;
};

}  // namespace dorvik
