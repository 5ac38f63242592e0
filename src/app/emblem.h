#pragma once
// The project's emblem, a gate of vertical bars under an antenna sending
// waves, as one set of strokes drawn on a painter (start picture, about
// logo, icon pictures) or written as SVG (the scalable application icon).
#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QString>
#include <vector>

namespace dorvik {

struct Emblem {
    std::vector<QLineF> lines;  // the bars, the rail and the mast
    QPointF waveCentre;         // the top of the mast
    std::vector<qreal> waves;   // radii of the arcs from 30 to 150 degrees
    qreal pen = 1;              // stroke width, round caps
};

// The strokes that fill box.
Emblem EmblemIn(const QRectF& box);
void PaintEmblem(QPainter& p, const QRectF& box, const QColor& ink);

// The application icon: the emblem on a dark disc, transparent around it.
QImage DrawAppIcon(int size);
QString AppIconSvg();

}  // namespace dorvik
