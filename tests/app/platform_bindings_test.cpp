// The Qt bindings of the platform seams (texts, filters, timers, dispatcher,
// message boxes) and the window in the user's language.
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>
#include <tuple>

#include "app/language_dialog.h"
#include "app/qt_dispatcher.h"
#include "app/qt_file_chooser.h"
#include "app/qt_message_box.h"
#include "app/qt_text.h"
#include "app/qt_timer.h"
#include "app/ui_language.h"
#include "app/ui_text.h"
#include "model/text_codec.h"
#include "window_fixture.h"

using namespace dorvik;
using dorvik::test::MemoryLanguage;

namespace {

struct CoreText {
    const char* english;
    const char* chinese;
    bool runMeter = false;  // a text of the run meter
};

// Composed forms, one holding a translated piece, a piece holding "%1", and a
// text that stays as it is (whole texts: see the window test below).
const CoreText kCoreTexts[] = {
    {"Unable to open hyperlink:\n\nThe specified file was not found.",
     "无法打开超链接：\n\n找不到指定的文件。"},
    {"Cannot open COM2\n/dev/ttyS1: busy\nAdd your user to the \"dialout\" group (sudo usermod "
     "-aG dialout $USER) and log in again.",
     "无法打开 COM2\n/dev/ttyS1: busy\n请把您的用户加入 \"dialout\" 组（sudo usermod -aG dialout "
     "$USER）后重新登录。"},
    {"Error Response, WHL%1 SET", "主机回复有误：WHL%1 SET"},
    {"GSM 900, DCS 1800", "GSM 900, DCS 1800"},
    {"4 of 42, 0:07 left", "4/42，剩余时间 0:07", true},
    {"7 lines received", "已接收 7 行", true},
};

}  // namespace

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
    void fileFiltersCrossIntoQt();
    void oneShotAndPeriodicTimersTick();
    void dispatcherRunsWorkerCallsOnTheWindowThread();
    void dispatcherCloseReleasesWaitingCallers();
    void messageBoxReturnsTheClickedAnswer();
    void cleanup() { InstallLanguage(UiLanguage::English); }
    void storedChoiceElseLocaleDecidesAndTheDialogStoresIt();
    void coreTextsInEitherLanguage();
    void windowShowsMenusTabsAndMessagesInTheChosenLanguage();
};

// Texts, an emoji among them, cross in the phone tab test (main_window_test).
void PlatformBindingsTest::fileFiltersCrossIntoQt() {
    const std::pair<std::string, QString> filters[] = {
        {Utf8ToGb("文件类型(*.gto)|*.gto||"), QString::fromUtf8("文件类型(*.gto)")},
        {"File Type(*.gto)|*.gto||", QStringLiteral("File Type(*.gto)")},
        {"Excel|*.xls;*.xlsx|All files|*.*||",
         QStringLiteral("Excel (*.xls *.xlsx);;All files (*.*)")},
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
    // A timer may be destroyed by its own tick.
    bool ticked = false;
    periodic->Start(1, true, [&] {
        ticked = true;
        periodic.reset();
    });
    QTRY_VERIFY(ticked);
    QVERIFY(!periodic);
}

void PlatformBindingsTest::dispatcherRunsWorkerCallsOnTheWindowThread() {
    QtDispatcher dispatcher;
    QThread* ranOn = nullptr;
    bool ranBeforeReturn = false;
    QEventLoop loop;
    std::thread worker([&] {
        dispatcher.Invoke([&] { ranOn = QThread::currentThread(); });
        ranBeforeReturn = ranOn != nullptr;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    QCOMPARE(ranOn, QThread::currentThread());
    QVERIFY(ranBeforeReturn);
    bool atOnce = false;
    dispatcher.Invoke([&] { atOnce = true; });
    QVERIFY(atOnce);
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
            [&] { answer = box.Show(row.text, kCaption, MsgIcon::Question, row.buttons); },
            row.press);
        QCOMPARE(answer, row.answer);
        QCOMPARE(seen.mid(0, 2), QStringList({"DORVIK", ToQString(row.text)}));
    }
}

void PlatformBindingsTest::storedChoiceElseLocaleDecidesAndTheDialogStoresIt() {
    const std::tuple<std::optional<std::uint32_t>, const char*, UiLanguage> rows[] = {
        {std::nullopt, "zh_CN", UiLanguage::Chinese}, {std::nullopt, "en_US", UiLanguage::English},
        {0, "zh_CN", UiLanguage::English}, {1, "en_US", UiLanguage::Chinese},
        {7, "zh_CN", UiLanguage::English}};
    for (const auto& [stored, locale, want] : rows) {
        MemoryLanguage store;
        store.stored = stored;
        QCOMPARE(ChosenLanguage(store, QLocale(QString::fromLatin1(locale))), want);
    }
    MemoryLanguage store;
    store.stored = 1;
    Clanguage dialog(&store);
    QCOMPARE(dialog.List()->count(), 2);
    QCOMPARE(dialog.List()->itemText(1), QStringLiteral("简体中文"));
    QCOMPARE(dialog.List()->currentIndex(), 1);
    dialog.List()->setCurrentIndex(0);
    dialog.reject();
    QCOMPARE(store.stored, std::optional<std::uint32_t>(1));
    dialog.accept();
    QCOMPARE(store.stored, std::optional<std::uint32_t>(0));
}

void PlatformBindingsTest::coreTextsInEitherLanguage() {
    for (bool chinese : {false, true}) {
        QVERIFY(InstallLanguage(chinese ? UiLanguage::Chinese : UiLanguage::English));
        for (const CoreText& t : kCoreTexts) {
            const QString want = QString::fromUtf8(chinese ? t.chinese : t.english);
            QCOMPARE(t.runMeter ? TrRunText(t.english) : TrCore(QString::fromUtf8(t.english)),
                     want);
        }
        // " of " inside other texts is left alone.
        QCOMPARE(TrCore(QStringLiteral("copy of a.gto")), QStringLiteral("copy of a.gto"));
    }
}

// The English window's texts are pinned by the main window test.
void PlatformBindingsTest::windowShowsMenusTabsAndMessagesInTheChosenLanguage() {
    test::WindowPlace place;
    QVERIFY(InstallLanguage(UiLanguage::Chinese));
    auto window = place.MakeWindow(true);
    QStringList menus, tabs;
    for (QAction* a : window->menuBar()->actions()) menus << a->text();
    for (int i = 0; i < window->Tabs()->count(); ++i) tabs << window->Tabs()->tabText(i);
    QCOMPARE(menus, QStringList({"文件(&F)", "视图(&V)", "帮助(&H)"}));
    QCOMPARE(tabs, QStringList({"授权号码", "特殊号码", "报警号码", "主机设置", "主机设置",
                                "房号拨号"}));
    QCOMPARE(window->Status()->ConnectionPane()->text(), QStringLiteral("已断开与主机的连接"));
    // The box the phone page shows for a number with a letter in it.
    window->Frame().Phone().Form().index = "1";
    window->Frame().Phone().Form().number = "12a";
    QCOMPARE(test::AnswerBox([&] { window->Frame().Phone().OnSet(); }),
             QStringList({"DORVIK", "电话号码无效", "确定"}));
}

QTEST_MAIN(PlatformBindingsTest)
#include "platform_bindings_test.moc"
