// The window never freezes: an upload of 200 phone slots from the phone tab
// in demo mode (against dorvik-unitsim), with a 1 ms timer recording the
// longest gap between two event-loop iterations (target < 50 ms); and the
// time from start to a shown main window beside a bare QMainWindow in the
// same run (target < 250 ms).
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/demo_mode.h"
#include "app/list_page_widgets.h"
#include "app/main_window.h"
#include "app/screenshots.h"
#include "scratch_dir.h"

namespace dorvik {
namespace {

constexpr int kSlots = 200;
constexpr double kGapLimitMs = 50.0;
constexpr double kShowLimitMs = 250.0;
constexpr int kUploadLimitMs = 300000;

// A failure the run cannot go past is printed, never shown modally.
class PrintedMessages : public MessageBox {
public:
    MsgAnswer Show(const std::string& text, const std::string&, MsgIcon, MsgButtons) override {
        std::printf("message: %s\n", text.c_str());
        return MsgAnswer::No;
    }
};

template <class Make>
double ShowMs(Make make) {
    QElapsedTimer clock;
    clock.start();
    auto window = make();
    window->show();
    QApplication::processEvents();
    return clock.nsecsElapsed() / 1e6;
}

void MeasureStart(PrintedMessages& messages) {
    // The platform's fonts and styles are loaded once for any first window.
    ShowMs([] { return std::make_unique<QLabel>(QStringLiteral("warm-up")); });
    const double bare = ShowMs([] { return std::make_unique<QMainWindow>(); });
    MainWindowOptions options;
    options.messages = &messages;
    options.downloadStartPicture = false;
    const double ours = ShowMs([&] { return std::make_unique<CMainWindow>(options); });
    std::printf("start to shown main window   %8.1f ms (bare QMainWindow %6.1f ms) %s\n", ours,
                bare, ours < kShowLimitMs ? "ok" : "SLOW");
}

// The longest time between two ticks of a 1 ms timer while work() runs the loop.
struct GapWatch {
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0, longest = 0, ticks = 0;
    GapWatch() {
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - last);
            last = now;
            ++ticks;
        });
        clock.start();
        timer.start(1);
    }
};

bool MeasureUpload(PrintedMessages& messages) {
    DemoSession demo;
    if (!demo.UseOwnFolders() || !demo.StartUnit(QStringLiteral(UNITSIM_PATH))) {
        std::printf("demo did not start: %s\n", qPrintable(demo.Error()));
        return false;
    }
    MainWindowOptions options;
    options.messages = &messages;
    options.downloadStartPicture = false;
    CMainWindow window(options);
    demo.Configure(window.Frame());
    window.show();
    CMainFrame& frame = window.Frame();
    frame.OnConnect();
    if (!WaitUntil([&] { return frame.Engine().ReplySeen() && frame.Phone().CommandsEnabled(); },
                   10000))
        return false;
    for (int i = 1; i <= kSlots; ++i) {
        frame.Phone().Form() = {std::to_string(i), "1390000" + std::to_string(1000 + i), ""};
        frame.Phone().OnSet();
    }
    auto* phone = static_cast<NumberPageWidget*>(window.Pages()[0]);
    QPushButton* download = nullptr;
    for (auto* b : phone->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Download All Phones")) download = b;
    window.RefreshPages();  // the button shows the enabled state now
    GapWatch watch;
    QElapsedTimer run;
    run.start();
    download->click();
    const bool done = WaitUntil(
        [&] {
            return frame.Model().phones.Status(kSlots - 1) == RowStatus::InUnit &&
                   frame.Phone().CommandsEnabled();
        },
        kUploadLimitMs);
    const double gap = watch.longest / 1e6;
    std::printf("upload of %d slots           %8.1f s, %lld loop ticks\n", kSlots,
                run.elapsed() / 1e3, static_cast<long long>(watch.ticks));
    std::printf("longest event-loop gap       %8.1f ms %s\n", gap,
                done && gap < kGapLimitMs ? "ok" : "SLOW");
    return done;
}

}  // namespace
}  // namespace dorvik

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    dorvik::PrintedMessages messages;
    {
        // The window of the start measure keeps its settings in a folder of its own.
        const dorvik::test::ScratchDir folder;
        ::setenv("DORVIK_CONFIG_DIR", folder.path().c_str(), 1);
        ::setenv("DORVIK_DATA_DIR", folder.path().c_str(), 1);
        dorvik::MeasureStart(messages);
    }
    return dorvik::MeasureUpload(messages) ? 0 : 1;
}
