// The activity LED and the status bar with its progress bar.
#include <QTest>

#include "app/led.h"
#include "app/status_bar_with_progress.h"
#include "fakes.h"
#include "model/text_codec.h"

using namespace dorvik;
using dorvik::test::ManualTimerFactory;

class StatusBarTest : public QObject {
    Q_OBJECT
private slots:
    void everyLedStateDrawsDifferentPixels();
    void pingLightsThenDarkensAndRestarts();
    void indicatorCallsChooseRowAndColumn();
    void panesComeInOrder();
    void connectionPaneShowsConvertedText();
    void progressBarShownOnlyWhileRunning();
    void progressBarSitsRightOfTheMessage();
    void ledIsCreatedOnceWithTheRememberedState();
};

namespace {

QImage Grab(CLed& led, LedRow row, LedColumn column) {
    led.SetLed(row, column);
    return led.grab().toImage();
}

}  // namespace

void StatusBarTest::everyLedStateDrawsDifferentPixels() {
    ManualTimerFactory timers;
    CLed led(timers);
    led.resize(20, 20);
    const QImage images[] = {
        Grab(led, LedRow::Green, LedColumn::Lit), Grab(led, LedRow::Green, LedColumn::Unlit),
        Grab(led, LedRow::Yellow, LedColumn::Lit), Grab(led, LedRow::Yellow, LedColumn::Unlit),
        Grab(led, LedRow::Green, LedColumn::Disabled), Grab(led, LedRow::Red, LedColumn::Lit)};
    for (std::size_t a = 0; a < std::size(images); ++a) {
        for (std::size_t b = a + 1; b < std::size(images); ++b) {
            QVERIFY2(images[a] != images[b], qPrintable(QStringLiteral("%1 == %2").arg(a).arg(b)));
        }
    }
    // The lit green is greener than anything else at the LED's centre.
    const QColor centre = images[0].pixelColor(10, 10);
    QVERIFY(centre.green() > centre.red() && centre.green() > centre.blue());
    // Around the round LED the strip is transparent.
    QCOMPARE(qAlpha(LedStrip().pixel(0, 0)), 0);
}

void StatusBarTest::pingLightsThenDarkensAndRestarts() {
    ManualTimerFactory timers;
    CLed led(timers);
    led.SetLed(LedRow::Yellow, LedColumn::Unlit);
    led.Ping(200);
    QCOMPARE(led.State(), LedColumn::Lit);
    QVERIFY(led.PingActive());
    auto* timer = timers.timers().front();
    QCOMPARE(timer->interval(), 200);
    QVERIFY(!timer->periodic());
    led.Ping(300);  // restarts the duration
    QCOMPARE(timer->starts(), 2);
    QCOMPARE(timer->interval(), 300);
    timer->Fire();
    QCOMPARE(led.State(), LedColumn::Unlit);
    QCOMPARE(led.Colour(), LedRow::Yellow);
    QVERIFY(!led.PingActive());
    led.Ping(200);
    led.StopPing();
    QVERIFY(!timer->IsActive());
    QVERIFY(!led.PingActive());
}

void StatusBarTest::indicatorCallsChooseRowAndColumn() {
    ManualTimerFactory timers;
    CLed led(timers);
    Indicator& indicator = led;
    indicator.SetLed(LedColour::Yellow, true);
    QCOMPARE(led.Colour(), LedRow::Yellow);
    QCOMPARE(led.State(), LedColumn::Lit);
    indicator.SetLed(LedColour::Green, false);
    QCOMPARE(led.Colour(), LedRow::Green);
    QCOMPARE(led.State(), LedColumn::Unlit);
    indicator.SetLed(LedColour::Grey, false);
    QCOMPARE(led.State(), LedColumn::Disabled);
}

void StatusBarTest::panesComeInOrder() {
    ManualTimerFactory timers;
    CStatusBarWithProgress bar(timers);
    bar.resize(1000, 24);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    const int xs[] = {bar.LedPane()->x(), bar.ConnectionPane()->x(),
                      bar.LockPane(LockKey::Caps)->x(), bar.LockPane(LockKey::Num)->x(),
                      bar.LockPane(LockKey::Scroll)->x()};
    for (std::size_t i = 1; i < std::size(xs); ++i) QVERIFY(xs[i - 1] < xs[i]);
    QVERIFY(bar.LedPane()->width() >= kLedSize);
    QVERIFY(bar.ConnectionPane()->width() >= bar.fontMetrics().horizontalAdvance(
                                                 QStringLiteral("Disconnected from unit")));
}

void StatusBarTest::connectionPaneShowsConvertedText() {
    ManualTimerFactory timers;
    CStatusBarWithProgress bar(timers);
    QCOMPARE(bar.ConnectionPane()->text(), QStringLiteral("Disconnected from unit"));
    StatusPane& pane = bar;
    pane.SetConnectionText(Utf8ToGb("已连接 Connected to unit"));
    QCOMPARE(bar.ConnectionPane()->text(), QString::fromUtf8("已连接 Connected to unit"));
}

void StatusBarTest::progressBarShownOnlyWhileRunning() {
    ManualTimerFactory timers;
    CStatusBarWithProgress bar(timers);
    bar.resize(800, 24);
    bar.show();
    QVERIFY(!bar.ProgressShown());
    QVERIFY(!bar.Progress()->isVisible());
    QCOMPARE(bar.ShowProgress(false), false);  // unchanged flag: nothing happens
    QVERIFY(!bar.Progress()->isVisible());

    ProgressBar& seam = bar;
    seam.Show(0, 999);
    QVERIFY(bar.Progress()->isVisible());
    QCOMPARE(bar.Progress()->minimum(), 0);
    QCOMPARE(bar.Progress()->maximum(), 999);
    seam.SetPos(42);
    QCOMPARE(bar.Progress()->value(), 42);
    QCOMPARE(bar.ShowProgress(true), true);
    QVERIFY(bar.Progress()->isVisible());
    seam.Hide();
    QVERIFY(!bar.Progress()->isVisible());
    QCOMPARE(bar.ShowProgress(false), false);
}

void StatusBarTest::progressBarSitsRightOfTheMessage() {
    ManualTimerFactory timers;
    CStatusBarWithProgress bar(timers);
    bar.resize(900, 26);
    bar.show();
    bar.showMessage(QStringLiteral("Downloading phone numbers"));
    bar.ShowProgress(true);
    const QRect g = bar.Progress()->geometry();
    const int text = bar.fontMetrics().horizontalAdvance(bar.currentMessage());
    QCOMPARE(g.width(), 300);
    QVERIFY(g.left() >= text + CStatusBarWithProgress::kProgressGap);
    QCOMPARE(g.top(), bar.contentsRect().top() + 1);
    QCOMPARE(g.height(), bar.contentsRect().height() - 2);
    // A longer message moves the bar along.
    bar.showMessage(QStringLiteral("Downloading phone numbers to the unit, slot 1999"));
    QVERIFY(bar.Progress()->geometry().left() > g.left());
}

void StatusBarTest::ledIsCreatedOnceWithTheRememberedState() {
    ManualTimerFactory timers;
    CStatusBarWithProgress bar(timers);
    QVERIFY(!bar.Led());
    CLed* led = bar.CreateLed();
    QCOMPARE(bar.CreateLed(), led);
    QCOMPARE(led->Colour(), LedRow::Green);
    QCOMPARE(led->State(), LedColumn::Unlit);
    QCOMPARE(led->parentWidget(), bar.LedPane());

    CStatusBarWithProgress early(timers);
    Indicator& indicator = early;
    indicator.SetLed(LedColour::Yellow, true);
    QCOMPARE(early.CreateLed()->Colour(), LedRow::Yellow);
    QCOMPARE(early.Led()->State(), LedColumn::Lit);
}

QTEST_MAIN(StatusBarTest)
#include "status_bar_test.moc"
