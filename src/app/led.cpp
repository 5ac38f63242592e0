#include "app/led.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <map>

namespace dorvik {
namespace {

// Full-strength colour of each strip row, top to bottom.
constexpr QRgb kRowColours[] = {qRgb(225, 30, 30), qRgb(30, 200, 40), qRgb(245, 205, 20),
                                qRgb(40, 100, 235), qRgb(60, 60, 60)};
constexpr int kRows = 5;
constexpr int kColumns = 3;

QColor CellColour(QColor base, int column) {
    if (column == static_cast<int>(LedColumn::Unlit)) return base.darker(300);
    if (column == static_cast<int>(LedColumn::Disabled)) {
        const int grey = qGray(base.rgb()) / 2 + 100;
        return QColor(grey, grey, grey);
    }
    return base;
}

void PaintCell(QPainter& p, int column, int row) {
    const QColor body = CellColour(QColor(kRowColours[row]), column);
    const QPointF origin(column * kLedSize, row * kLedSize);
    const QPointF centre = origin + QPointF(8, 8);
    QRadialGradient light(centre, 7, origin + QPointF(5.5, 5.5));
    const bool lit = column == static_cast<int>(LedColumn::Lit);
    light.setColorAt(0.0, lit ? QColor(255, 255, 240) : body.lighter(160));
    light.setColorAt(0.45, body);
    light.setColorAt(1.0, body.darker(170));
    p.setPen(QPen(body.darker(250), 1));
    p.setBrush(light);
    p.drawEllipse(centre, 6.5, 6.5);
}

QImage PaintStrip(qreal scale) {
    const QSize size(kColumns * kLedSize, kRows * kLedSize);
    QImage strip((QSizeF(size) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) PaintCell(p, column, row);
    }
    p.end();
    strip.setDevicePixelRatio(scale);
    return strip;
}

}  // namespace

const QImage& LedStrip(qreal scale) {
    static std::map<int, QImage> strips;  // by scale in hundredths
    const int key = std::max(100, qRound(scale * 100));
    auto found = strips.find(key);
    if (found == strips.end()) found = strips.emplace(key, PaintStrip(key / 100.0)).first;
    return found->second;
}

CLed::CLed(TimerFactory& timers, QWidget* parent)
    : QWidget(parent), pingTimer_(timers.CreateTimer()) {
    setAttribute(Qt::WA_TranslucentBackground);
    setMinimumSize(kLedSize, kLedSize);
}

void CLed::SetLed(LedRow colour, LedColumn state) {
    colour_ = colour;
    state_ = state;
    ShowNow();
}

void CLed::Ping(int ms) {
    pingTimer_->Stop();
    pingActive_ = true;
    state_ = LedColumn::Lit;
    ShowNow();
    pingTimer_->Start(ms, false, [this] {
        pingActive_ = false;
        state_ = LedColumn::Unlit;
        ShowNow();
    });
}

void CLed::StopPing() {
    pingTimer_->Stop();
    pingActive_ = false;
}

void CLed::SetLed(LedColour colour, bool lit) {
    const LedColumn state = lit ? LedColumn::Lit : LedColumn::Unlit;
    switch (colour) {
        case LedColour::Green: SetLed(LedRow::Green, state); break;
        case LedColour::Yellow: SetLed(LedRow::Yellow, state); break;
        case LedColour::Grey: SetLed(colour_, LedColumn::Disabled); break;
    }
}

void CLed::ShowNow() {
    if (isVisible()) {
        repaint();
    } else {
        update();
    }
}

void CLed::paintEvent(QPaintEvent*) {
    const bool fits = width() >= kLedSize && height() >= kLedSize;
    const QPoint at = fits ? QPoint((width() - kLedSize) / 2, (height() - kLedSize) / 2) : QPoint();
    const QImage& strip = LedStrip(devicePixelRatioF());
    const qreal scale = strip.devicePixelRatio();
    const QRectF cell(static_cast<int>(state_) * kLedSize * scale,
                      static_cast<int>(colour_) * scale, kLedSize * scale, kLedSize * scale);
    QPainter p(this);
    p.drawImage(QRectF(at, QSizeF(kLedSize, kLedSize)), strip, cell);
}

}  // namespace dorvik
