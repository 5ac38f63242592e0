// The demo mode: an upload shown by the LED and the progress bar, closing
// while the simulated unit talks, and the unit ending with its parent.
#include "app/demo_mode.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <set>

#include "app/list_page_widgets.h"
#include "app/main_window.h"
#include "app/qt_timer.h"
#include "model/config_dir.h"
#include "scripted_link.h"
#include "window_fixture.h"

using namespace dorvik;
using dorvik::test::RecordingMessageBox;
using dorvik::test::ScriptedLink;

namespace {

constexpr int kLimitMs = 15000;

// A unit of 200 houses that confirms every command.
std::string UnitAnswer(const ScriptedLink::Write& w) {
    if (w.text.ends_with("#NUMBER?\r\n")) return "HOUSE NUMBER IS 200\n";
    return w.ack.empty() ? "" : w.ack + "\n";
}

}  // namespace

class DemoModeTest : public QObject {
    Q_OBJECT
private slots:
    // Orphans of this test's children come to this process, which can wait for them.
    void initTestCase() { QCOMPARE(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0); }
    void init() {
        if (QByteArray(QTest::currentTestFunction()) == "unitEndsWithItsParent") return;
        demo_ = std::make_unique<DemoSession>();
        QVERIFY(demo_->UseOwnFolders());
        // Only the close test needs the simulated unit; the others talk to a scripted one.
        if (QByteArray(QTest::currentTestFunction()) == "closesWhileTheUnitIsStillSending")
            QVERIFY2(demo_->StartUnit(QStringLiteral(UNITSIM_PATH)),
                     qPrintable(demo_->Error()));
        unit_ = std::make_unique<ScriptedLink>();
        unit_->AnswerWith(timers_, UnitAnswer);
        boxes_ = RecordingMessageBox();
        MainWindowOptions options;
        if (demo_->Device().empty()) options.serialLink = unit_.get();
        options.messages = &boxes_;
        options.titleSuffix = QString::fromLatin1(kDemoTitle);
        options.downloadStartPicture = false;
        window_ = std::make_unique<CMainWindow>(options);
        demo_->Configure(window_->Frame());
        window_->show();
    }
    void cleanup() {
        window_.reset();
        demo_.reset();
    }
    void connectsUploadsAndStops();
    void closesWhileTheUnitIsStillSending();
    void unitEndsWithItsParent();

private:
    bool Connect() {
        window_->Action(MenuCommand::Connect)->trigger();
        CMainFrame& frame = window_->Frame();
        // Connected, the house count in, and the start-up tick has made the LED.
        return QTest::qWaitFor(
            [&] {
                return frame.Engine().Connected() && frame.Engine().ReplySeen() &&
                       frame.Phone().CommandsEnabled() && frame.Model().houses.Size() == 200 &&
                       window_->Status()->Led();
            },
            kLimitMs);
    }

    std::unique_ptr<DemoSession> demo_;
    RecordingMessageBox boxes_;
    QtTimerFactory timers_;
    std::unique_ptr<ScriptedLink> unit_;
    std::unique_ptr<CMainWindow> window_;
};

// The phone tab's upload keeps the LED a steady green and shows the progress
// bar and "n of m"; Stop (Esc) ends it after the slot on its way.
void DemoModeTest::connectsUploadsAndStops() {
    // The demo keeps its settings in its own folder and says so in the title.
    QVERIFY(window_->windowTitle().endsWith(QStringLiteral("Demo on a simulated unit")));
    QVERIFY(QString::fromStdString(DefaultSettingsPath()).startsWith(demo_->Folder()));
    QCOMPARE(window_->Frame().Settings().password, std::string(kDemoPassword));
    QVERIFY(Connect());
    QCOMPARE(window_->Status()->ConnectionPane()->text(),
             QStringLiteral("ID:0001 is connected..."));
    CMainFrame& frame = window_->Frame();
    PhoneList& phones = frame.Model().phones;
    for (int row = 100; row < 108; ++row)
        phones.SetEntry("55501" + std::to_string(row), "", row, RowStatus::Pending);
    std::set<std::pair<LedRow, LedColumn>> ledSeen;
    bool progressSeen = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        progressSeen = progressSeen || window_->Status()->ProgressShown();
        ledSeen.insert({window_->Status()->Led()->Colour(), window_->Status()->Led()->State()});
    });
    watch.start(1);
    QAction* stop = window_->Action(MenuCommand::Stop);
    QCOMPARE(stop->shortcut(), QKeySequence(Qt::Key_Escape));
    QLabel* runText = window_->Status()->RunText();
    auto* upload =
        test::Named<QPushButton>(window_->Pages()[0], QStringLiteral("Download All Phones"));
    upload->click();
    QVERIFY(!frame.Phone().CommandsEnabled());
    QVERIFY(QTest::qWaitFor([&] { return runText->text().startsWith("2 of 8"); }, kLimitMs));
    QVERIFY(stop->isEnabled());
    stop->trigger();
    QVERIFY(QTest::qWaitFor([&] { return !frame.RunActive(); }, kLimitMs));
    watch.stop();
    QCOMPARE(phones.Status(100), RowStatus::InUnit);
    QCOMPARE(phones.Status(107), RowStatus::Pending);
    QVERIFY(progressSeen && !window_->Status()->ProgressShown() && runText->isHidden());
    const std::set<std::pair<LedRow, LedColumn>> steadyGreen = {{LedRow::Green, LedColumn::Lit}};
    QCOMPARE(ledSeen, steadyGreen);
    QCoreApplication::sendPostedEvents();  // the redraw the run's end asked for
    QVERIFY(upload->isEnabled());
    QVERIFY2(boxes_.shown.empty(), boxes_.shown.empty() ? "" : boxes_.shown[0].text.c_str());
}

void DemoModeTest::closesWhileTheUnitIsStillSending() {
    QVERIFY(Connect());
    window_->Frame().LogPage().OnGetEntireLog();
    QVERIFY(
        QTest::qWaitFor([&] { return !window_->Frame().LogView().Cell(0, 2).empty(); }, kLimitMs));
    // The log is still arriving: the monitoring thread waits for this thread.
    window_.reset();
    QVERIFY(QFile::exists(demo_->Folder() + QStringLiteral("/DORVIK.ini")));
}

// A program holding the demo's simulated unit is killed and cleans nothing up.
void DemoModeTest::unitEndsWithItsParent() {
    QProcess holder;
    holder.start(QStringLiteral(HOLDER_PATH), {});
    QVERIFY(holder.waitForStarted() && (holder.canReadLine() || holder.waitForReadyRead(10000)));
    const pid_t unit = holder.readLine().trimmed().toInt();
    QVERIFY(unit > 0);
    QCOMPARE(::kill(static_cast<pid_t>(holder.processId()), SIGKILL), 0);
    QVERIFY(holder.waitForFinished());
    const bool ended = QTest::qWaitFor([&] { return ::waitpid(unit, nullptr, WNOHANG) == unit; }, 10000);
    if (!ended) {
        ::kill(unit, SIGKILL);
        ::waitpid(unit, nullptr, 0);
    }
    QVERIFY2(ended, "the simulated unit outlived its parent");
}

QTEST_MAIN(DemoModeTest)
#include "demo_mode_test.moc"
