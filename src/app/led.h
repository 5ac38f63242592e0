#pragma once
// The activity LED of the status bar: one 16 x 16 LED image, drawn from a
// strip of five colours (rows) by three states (columns).
#include <QImage>
#include <QWidget>
#include <memory>

#include "platform/indicator.h"
#include "platform/timer.h"

namespace dorvik {

// The strip row, given as its pixel offset.
enum class LedRow { Red = 0, Green = 16, Yellow = 32, Blue = 48, Black = 64 };
// The strip column.
enum class LedColumn { Lit = 0, Unlit = 1, Disabled = 2 };

inline constexpr int kLedSize = 16;

// The LED images: 3 columns x 5 rows of 16 x 16 pixels on a transparent
// background, painted at first use for each screen scale (an image of
// scale times as many pixels, with that device pixel ratio).
const QImage& LedStrip(qreal scale = 1.0);

class CLed : public QWidget, public Indicator {
    Q_OBJECT
public:
    // The ping's one-shot timer comes from timers.
    explicit CLed(TimerFactory& timers, QWidget* parent = nullptr);

    // Stores both and redraws at once.
    void SetLed(LedRow colour, LedColumn state);
    // Shows the stored colour lit for ms milliseconds, then unlit; a ping
    // still running is restarted.
    void Ping(int ms);
    void StopPing();

    // Indicator: green and yellow lit or unlit; grey is the disabled image.
    void SetLed(LedColour colour, bool lit) override;

    LedRow Colour() const { return colour_; }
    LedColumn State() const { return state_; }
    bool PingActive() const { return pingActive_; }
    QSize sizeHint() const override { return {kLedSize, kLedSize}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowNow();

    std::unique_ptr<Timer> pingTimer_;
    LedRow colour_ = LedRow::Red;
    LedColumn state_ = LedColumn::Disabled;
    bool pingActive_ = false;
};

}  // namespace dorvik
