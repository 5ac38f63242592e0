#include "app/qt_dispatcher.h"

#include <QMetaObject>
#include <QThread>

namespace dorvik {

void QtDispatcher::Invoke(const std::function<void()>& fn) {
    if (QThread::currentThread() == thread()) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(this, [&fn] { fn(); }, Qt::BlockingQueuedConnection);
}

}  // namespace dorvik
