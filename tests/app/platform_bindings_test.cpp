// The Qt bindings of the platform seams: text crossing, file filters,
// timers, the blocking dispatcher and message boxes.
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <numeric>
#include <thread>

#include "app/qt_dispatcher.h"
#include "app/qt_file_chooser.h"
#include "app/qt_message_box.h"
#include "app/qt_text.h"
#include "app/qt_timer.h"
#include "model/text_codec.h"
#include "window_fixture.h"

using namespace dorvik;

// Swallows the queued calls posted to the object it filters, noting each.
class EventCatcher : public QObject {
public:
    explicit EventCatcher(std::function<void()> seen) : seen_(std::move(seen)) {}
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::MetaCall && (seen_(), true); }

private:
    std::function<void()> seen_;
};

class PlatformBindingsTest : public QObject {
    Q_OBJECT
private slots:
    void textAndFiltersCrossIntoQt();
    void oneShotAndPeriodicTimersTick();
    void dispatcherRunsWorkerCallsOnGuiThreadInOrder();
    void dispatcherCloseReleasesWaitingCallers();
    void messageBoxReturnsTheClickedAnswer();
};

void PlatformBindingsTest::textAndFiltersCrossIntoQt() {
    const QString chinese = QString::fromUtf8("文件类型 DORVIK 😀");
    const std::string gb = Utf8ToGb(chinese.toStdString());
    QCOMPARE(ToQString(gb), chinese);
    QCOMPARE(FromQString(chinese), gb);
    QCOMPARE(ToQString(""), QString());
    const std::pair<std::string, QString> filters[] = {
        {Utf8ToGb("文件类型(*.gto)|*.gto||"), QString::fromUtf8("文件类型(*.gto)")},
        {"File Type(*.gto)|*.gto||", QStringLiteral("File Type(*.gto)")},
        {"Excel|*.xls;*.xlsx|All files|*.*||", QStringLiteral("Excel (*.xls *.xlsx);;All files (*.*)")},
        {"|*.csv||", QStringLiteral("(*.csv)")},
        {"", QString()},
        {"no pattern", QString()}};
    for (const auto& [pipes, qt] : filters) QCOMPARE(ToQtFilter(pipes), qt);
}

void PlatformBindingsTest::oneShotAndPeriodicTimersTick() {
    QtTimerFactory factory;
    auto once = factory.CreateTimer();
    auto periodic = factory.CreateTimer();
    int onceTicks = 0, periodicTicks = 0;
    once->Start(1, false, [&] { ++onceTicks; });
    periodic->Start(1, true, [&] { ++periodicTicks; });
    QVERIFY(once->IsActive() && periodic->IsActive());
    QTRY_VERIFY(onceTicks == 1 && periodicTicks >= 3);
    QVERIFY(!once->IsActive());
    QVERIFY(periodic->IsActive());
    periodic->Stop();
    const int stoppedAt = periodicTicks;
    // A restarted timer calls only its new function.
    int restartedTicks = 0;
    once->Start(1, false, [&] { ++restartedTicks; });
    QTRY_COMPARE(restartedTicks, 1);
    QCOMPARE(onceTicks, 1);
    QCOMPARE(periodicTicks, stoppedAt);
    // A timer may be destroyed by its own tick.
    bool ticked = false;
    periodic->Start(1, true, [&] {
        ticked = true;
        periodic.reset();
    });
    QTRY_VERIFY(ticked);
    QVERIFY(!periodic);
}

void PlatformBindingsTest::dispatcherRunsWorkerCallsOnGuiThreadInOrder() {
    QtDispatcher dispatcher;
    std::vector<int> order;
    bool allOnGui = true;
    QEventLoop loop;
    QThread* gui = QThread::currentThread();
    std::thread worker([&] {
        for (int i = 0; i < 20; ++i) {
            dispatcher.Invoke([&, i] {
                allOnGui = allOnGui && QThread::currentThread() == gui;
                order.push_back(i);
            });
            // Blocking: the call has run before Invoke returned.
            if (static_cast<int>(order.size()) != i + 1) allOnGui = false;
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    QVERIFY(allOnGui);
    std::vector<int> want(20);
    std::iota(want.begin(), want.end(), 0);
    QCOMPARE(order, want);
    // On the window thread itself the call runs at once.
    dispatcher.Invoke([&] { order.clear(); });
    QVERIFY(order.empty());
}

void PlatformBindingsTest::dispatcherCloseReleasesWaitingCallers() {
    QtDispatcher dispatcher;
    std::atomic<bool> returned{false};
    bool ran = false, posted = false;
    // The window thread drops the posted call: the worker stays blocked.
    EventCatcher catcher([&] { posted = true; });
    dispatcher.installEventFilter(&catcher);
    std::thread worker([&] {
        dispatcher.Invoke([&] { ran = true; });
        returned = true;
    });
    // The posted call reaches the window thread and is held back there.
    QTRY_VERIFY(posted);
    QVERIFY(!returned);
    dispatcher.Close();
    worker.join();  // would hang if the caller were still waiting
    QVERIFY(returned);
    QCoreApplication::processEvents();
    QVERIFY(!ran);
    // Later calls return at once without running.
    std::thread late([&] { dispatcher.Invoke([&] { ran = true; }); });
    late.join();
    dispatcher.Invoke([&] { ran = true; });
    QVERIFY(!ran);
}

void PlatformBindingsTest::messageBoxReturnsTheClickedAnswer() {
    QtMessageBox box;
    const struct {
        std::string text;
        MsgButtons buttons;
        QMessageBox::StandardButton press;  // NoButton: Escape
        MsgAnswer answer;
    } rows[] = {{Utf8ToGb("保存?"), MsgButtons::YesNoCancel, QMessageBox::Yes, MsgAnswer::Yes},
                {"Close?", MsgButtons::YesNoCancel, QMessageBox::NoButton, MsgAnswer::Cancel},
                {"Done", MsgButtons::Ok, QMessageBox::Ok, MsgAnswer::Ok}};
    for (const auto& row : rows) {
        MsgAnswer answer{};
        const QStringList seen = test::AnswerBox(
            [&] { answer = box.Show(row.text, kCaption, MsgIcon::Question, row.buttons); }, row.press);
        QCOMPARE(answer, row.answer);
        QCOMPARE(seen.mid(0, 2), QStringList({"DORVIK", ToQString(row.text)}));
    }
}

QTEST_MAIN(PlatformBindingsTest)
#include "platform_bindings_test.moc"
