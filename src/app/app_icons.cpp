#include "app/app_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <array>
#include <functional>

namespace dorvik {
namespace {

// Every picture is drawn on a 16 x 16 grid and scaled to its size.
using Painter = void (*)(QPainter&);

const QColor kInk(40, 40, 50);

void Sheet(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(90, 110, 160), 0.8));
    for (double y = r.top() + 2.5; y < r.bottom() - 1; y += 2.5)
        p.drawLine(QPointF(r.left() + 1.5, y), QPointF(r.right() - 1.5, y));
}

void Floppy(QPainter& p) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(50, 90, 170));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 2, 8, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4.5, 10, 7, 4.5));
}

void PaintChooseView(QPainter& p) {
    Sheet(p, QRectF(1.5, 1.5, 9, 11));
    Sheet(p, QRectF(5.5, 4.5, 9, 11));
}

void PaintOpen(QPainter& p) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(230, 180, 60));
    p.drawPolygon(
        QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(QColor(250, 215, 110));
    p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
}

void PaintSaveAs(QPainter& p) {
    Floppy(p);
    p.setPen(QPen(QColor(220, 110, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.5, 14), QPointF(15, 7.5));
}

void PaintCommunication(QPainter& p) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(170, 175, 185));
    p.drawPolygon(QPolygonF({{1, 4.5}, {15, 4.5}, {13, 11.5}, {3, 11.5}}));
    p.setBrush(kInk);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(3.6 + i * 2.2, 6.8), 0.6, 0.6);
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(4.7 + i * 2.2, 9.2), 0.6, 0.6);
}

void PaintConnect(QPainter& p) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(60, 160, 80));
    p.drawRoundedRect(QRectF(1, 5, 6, 6), 1, 1);
    p.setBrush(QColor(200, 70, 60));
    p.drawRoundedRect(QRectF(10, 5, 5, 6), 1, 1);
    p.setPen(QPen(kInk, 1.4));
    p.drawLine(QPointF(7, 6.8), QPointF(9.5, 6.8));
    p.drawLine(QPointF(7, 9.2), QPointF(9.5, 9.2));
}

void PaintLanguage(QPainter& p) {
    p.setPen(QPen(QColor(30, 70, 140), 0.9));
    p.setBrush(QColor(120, 180, 240));
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 3, 6.5);
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
}

void PaintSettingView(QPainter& p) {
    p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
    const double knobs[] = {5, 11, 7.5};
    for (int i = 0; i < 3; ++i) {
        const double y = 3.5 + i * 4.5;
        p.drawLine(QPointF(2, y), QPointF(14, y));
        p.setBrush(QColor(70, 130, 210));
        p.drawRoundedRect(QRectF(knobs[i] - 1.5, y - 1.8, 3, 3.6), 0.8, 0.8);
    }
}

void PaintLogView(QPainter& p) {
    Sheet(p, QRectF(2, 1.5, 11, 13));
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(250, 230, 120));
    p.drawEllipse(QPointF(11.5, 11.5), 3.5, 3.5);
    p.drawLine(QPointF(11.5, 11.5), QPointF(11.5, 9.3));
    p.drawLine(QPointF(11.5, 11.5), QPointF(13, 11.5));
}

void Handset(QPainter& p, QColor body) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 1, 8, 14), 1.5, 1.5);
    p.setBrush(QColor(210, 235, 250));
    p.drawRect(QRectF(5.3, 2.8, 5.4, 6));
    p.setBrush(kInk);
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(6 + i * 2, 11.5), 0.55, 0.55);
}

void PaintPhoneTab(QPainter& p) {
    Handset(p, QColor(90, 100, 120));
}

void PaintSpecialTab(QPainter& p) {
    Handset(p, QColor(90, 100, 120));
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(250, 200, 60));
    p.drawEllipse(QPointF(11.5, 11.5), 3.8, 3.8);
    p.drawLine(QPointF(11.5, 11.5), QPointF(11.5, 9));
    p.drawLine(QPointF(11.5, 11.5), QPointF(13.2, 11.5));
}

void PaintAlarmTab(QPainter& p) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(235, 170, 40));
    QPainterPath bell;
    bell.moveTo(3, 12);
    bell.cubicTo(4.5, 10, 3.5, 3, 8, 3);
    bell.cubicTo(12.5, 3, 11.5, 10, 13, 12);
    bell.closeSubpath();
    p.drawPath(bell);
    p.drawEllipse(QPointF(8, 13.2), 1.3, 1.3);
}

void PaintSettingsTab(QPainter& p) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(150, 155, 170));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(8, 8);
        p.rotate(i * 45);
        p.drawRect(QRectF(-1.2, -7, 2.4, 3));
        p.restore();
    }
    p.drawEllipse(QPointF(8, 8), 5, 5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 2, 2);
}

// A handset on a blue rounded square.
void PaintApplication(QPainter& p) {
    p.setPen(QPen(QColor(20, 50, 110), 0.6));
    p.setBrush(QColor(40, 100, 200));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.save();
    p.translate(2, 1.5);
    p.scale(0.8, 0.8);
    Handset(p, QColor(235, 240, 250));
    p.restore();
}

constexpr std::array<Painter, 14> kPainters = {
    PaintChooseView, PaintOpen,       Floppy,           PaintSaveAs,  PaintCommunication,
    PaintConnect,    PaintLanguage,   PaintSettingView, PaintLogView, PaintPhoneTab,
    PaintSpecialTab, PaintAlarmTab,   PaintSettingsTab, PaintApplication};

// Draws a picture of the 16 x 16 grid (a `grid` x `grid` one for markers)
// into a pixmap of the given device-pixel size.
QPixmap Paint(const std::function<void(QPainter&)>& painter, QSize size, double grid) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / grid, size.height() / grid);
    painter(p);
    p.end();
    return QPixmap::fromImage(image);
}

void PaintMarker(QPainter& p, QColor fill) {
    p.setPen(QPen(fill.darker(160), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 6), QPointF(10, 11.5));
    p.drawPoint(QPointF(10, 14.5));
}

// An icon painted on demand at the device-pixel size it is asked for.
class PaintedIconEngine : public QIconEngine {
public:
    PaintedIconEngine(std::function<void(QPainter&)> painter, double grid)
        : painter_(std::move(painter)), grid_(grid) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap pixmap = Paint(painter_, size, grid_);
        if (mode == QIcon::Normal || mode == QIcon::Active || !qApp) return pixmap;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatioF();
        QPixmap shown = pixmap(rect.size() * scale, mode, state);
        shown.setDevicePixelRatio(scale);
        painter->drawPixmap(rect, shown);
    }
    QIconEngine* clone() const override { return new PaintedIconEngine(painter_, grid_); }

private:
    std::function<void(QPainter&)> painter_;
    double grid_;
};

}  // namespace

QIcon PaintedIcon(IconKind kind) {
    return QIcon(new PaintedIconEngine(kPainters[static_cast<std::size_t>(kind)], 16));
}

QIcon AppIcon() {
    return PaintedIcon(IconKind::Application);
}

QIcon TabIcon(int index) {
    constexpr IconKind kTabs[] = {IconKind::PhoneTab, IconKind::SpecialTab, IconKind::AlarmTab,
                                  IconKind::SettingsTab};
    return PaintedIcon(kTabs[std::clamp(index, 0, 3)]);
}

const QIcon& MarkerIcon(RowStatus status) {
    static const std::array<QIcon, 3> markers = [] {
        std::array<QIcon, 3> icons;
        const QColor fills[] = {QColor(240, 200, 30), QColor(215, 45, 40), QColor(45, 95, 215)};
        for (std::size_t i = 0; i < icons.size(); ++i) {
            const QColor fill = fills[i];
            icons[i] = QIcon(new PaintedIconEngine([fill](QPainter& p) { PaintMarker(p, fill); },
                                                   kMarkerSize));
        }
        return icons;
    }();
    return markers[IsValidRowStatus(status) ? static_cast<std::size_t>(status) : 0];
}

}  // namespace dorvik
