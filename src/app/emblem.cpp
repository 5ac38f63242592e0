#include "app/emblem.h"

#include <QtMath>

namespace dorvik {
namespace {

constexpr qreal kIconSize = 96;  // the icon's own units; other sizes scale
const QRectF kDisc(4, 4, 88, 88);
const QRectF kIconEmblem(20, 14, 56, 66);
const QColor kDiscColour(18, 52, 96);
const QColor kInk(235, 240, 245);

QString Number(qreal v) {
    return QString::number(v, 'f', 2);
}

QString SvgLine(const QLineF& l) {
    return QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>\n")
        .arg(Number(l.x1()), Number(l.y1()), Number(l.x2()), Number(l.y2()));
}

// An arc from 30 to 150 degrees, counter-clockwise on screen (over the top).
QString SvgWave(const QPointF& c, qreal r) {
    const qreal dx = r * qCos(qDegreesToRadians(30.0));
    const qreal y = c.y() - r / 2;
    return QStringLiteral("  <path d=\"M %1 %2 A %3 %3 0 0 0 %4 %2\"/>\n")
        .arg(Number(c.x() + dx), Number(y), Number(r), Number(c.x() - dx));
}

}  // namespace

Emblem EmblemIn(const QRectF& box) {
    Emblem e;
    e.pen = box.width() / 24;
    const qreal top = box.top() + box.height() * 0.45;
    for (int i = 0; i < 5; ++i) {
        const qreal x = box.left() + box.width() * (0.15 + 0.175 * i);
        e.lines.emplace_back(x, top, x, box.bottom());
    }
    e.lines.emplace_back(box.left() + box.width() * 0.1, top, box.right() - box.width() * 0.1, top);
    e.waveCentre = QPointF(box.center().x(), box.top() + box.height() * 0.2);
    e.lines.emplace_back(QPointF(e.waveCentre.x(), top), e.waveCentre);
    e.waves = {box.width() * 0.12, box.width() * 0.24};
    return e;
}

void PaintEmblem(QPainter& p, const QRectF& box, const QColor& ink) {
    const Emblem e = EmblemIn(box);
    p.setPen(QPen(ink, e.pen, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QLineF& line : e.lines) p.drawLine(line);
    for (const qreal r : e.waves) {
        const QRectF arc(e.waveCentre.x() - r, e.waveCentre.y() - r, 2 * r, 2 * r);
        p.drawArc(arc, 30 * 16, 120 * 16);
    }
}

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kIconSize, size / kIconSize);
    p.setPen(Qt::NoPen);
    p.setBrush(kDiscColour);
    p.drawEllipse(kDisc);
    PaintEmblem(p, kIconEmblem, kInk);
    return image;
}

QString AppIconSvg() {
    const Emblem e = EmblemIn(kIconEmblem);
    QString svg =
        QStringLiteral(
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"96\" height=\"96\" "
            "viewBox=\"0 0 96 96\">\n <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n"
            " <g fill=\"none\" stroke=\"%5\" stroke-width=\"%6\" stroke-linecap=\"round\">\n")
            .arg(Number(kDisc.center().x()), Number(kDisc.center().y()), Number(kDisc.width() / 2),
                 kDiscColour.name(), kInk.name(), Number(e.pen));
    for (const QLineF& line : e.lines) svg += SvgLine(line);
    for (const qreal r : e.waves) svg += SvgWave(e.waveCentre, r);
    return svg + QStringLiteral(" </g>\n</svg>\n");
}

}  // namespace dorvik
