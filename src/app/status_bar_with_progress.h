#pragma once
// The main window's status bar: the message pane (with the progress bar
// inside it while a run goes on), the LED pane, the connection pane and the
// Caps/Num/Scroll Lock panes, in this order.
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

#include "app/led.h"
#include "platform/indicator.h"
#include "platform/progress_bar.h"
#include "platform/status_pane.h"
#include "platform/timer.h"

namespace dorvik {

enum class LockKey { Caps = 0, Num = 1, Scroll = 2 };

class CStatusBarWithProgress : public QStatusBar,
                               public ProgressBar,
                               public StatusPane,
                               public Indicator {
    Q_OBJECT
public:
    static constexpr int kProgressHeight = 10;
    static constexpr int kProgressGap = 10;

    explicit CStatusBarWithProgress(TimerFactory& timers, int progressWidth = 300,
                                    QWidget* parent = nullptr);

    // Shows or hides the progress bar; returns the previous flag. The same
    // flag again changes nothing.
    bool ShowProgress(bool show);
    bool ProgressShown() const { return progressShown_; }
    QProgressBar* Progress() const { return progress_; }

    // Puts the LED into its pane, green and unlit unless the indicator was
    // already set; once only. Until then indicator calls are only remembered.
    CLed* CreateLed();
    CLed* Led() const { return led_; }
    QWidget* LedPane() const { return ledPane_; }
    QLabel* ConnectionPane() const { return connection_; }
    void SetLockState(LockKey key, bool on);
    QLabel* LockPane(LockKey key) const { return locks_[static_cast<int>(key)]; }

    // ProgressBar: the callers set range and position directly.
    void Show(int minimum, int maximum) override;
    void SetPos(int pos) override { progress_->setValue(pos); }
    void Hide() override { ShowProgress(false); }
    // How far the run is and its time left, beside the bar.
    void SetText(const std::string& text) override;
    QLabel* RunText() const { return runText_; }
    // StatusPane.
    void SetConnectionText(const std::string& text) override;
    // Indicator: forwarded to the LED once it exists.
    void SetLed(LedColour colour, bool lit) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceProgress();
    QLabel* AddPane(const QString& text, int chars);

    TimerFactory& timers_;
    int progressWidth_;
    bool progressShown_ = false;
    QProgressBar* progress_;
    QLabel* runText_;
    QWidget* ledPane_;
    CLed* led_ = nullptr;
    LedColour ledColour_ = LedColour::Green;
    bool ledLit_ = false;
    QLabel* connection_;
    QLabel* locks_[3];
};

}  // namespace dorvik
