#include "app/start_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QSaveFile>

namespace dorvik {
namespace {

constexpr int kStartWidth = 480;
constexpr int kStartHeight = 300;

// A gate of vertical bars under an antenna sending waves: the unit's job.
void PaintEmblem(QPainter& p, const QRectF& box, const QColor& ink) {
    p.setPen(QPen(ink, box.width() / 24, Qt::SolidLine, Qt::RoundCap));
    const qreal base = box.bottom();
    const qreal top = box.top() + box.height() * 0.45;
    for (int i = 0; i < 5; ++i) {
        const qreal x = box.left() + box.width() * (0.15 + 0.175 * i);
        p.drawLine(QPointF(x, top), QPointF(x, base));
    }
    p.drawLine(QPointF(box.left() + box.width() * 0.1, top), QPointF(box.right() - box.width() * 0.1, top));
    const QPointF mast(box.center().x(), top);
    p.drawLine(mast, QPointF(mast.x(), box.top() + box.height() * 0.2));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 2; ++i) {
        const qreal r = box.width() * 0.12 * i;
        const QRectF arc(mast.x() - r, box.top() + box.height() * 0.2 - r, 2 * r, 2 * r);
        p.drawArc(arc, 30 * 16, 120 * 16);
    }
}

bool SaveImage(const QImage& image, const QString& path, const char* format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!image.save(&file, format, 92)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool EnsureOne(const QString& dir, const char* name, const QImage& image, const char* format) {
    const QString path = QDir(dir).filePath(QString::fromLatin1(name));
    return QFileInfo::exists(path) || SaveImage(image, path, format);
}

}  // namespace

QImage DrawStartPicture() {
    QImage image(kStartWidth, kStartHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kStartHeight);
    sky.setColorAt(0.0, QColor(18, 52, 96));
    sky.setColorAt(1.0, QColor(40, 120, 170));
    p.fillRect(image.rect(), sky);
    PaintEmblem(p, QRectF(40, 60, 150, 180), QColor(235, 240, 245));
    p.setPen(QColor(255, 255, 255));
    QFont title(QStringLiteral("DejaVu Sans"), 40, QFont::Bold);
    p.setFont(title);
    p.drawText(QRectF(210, 90, 250, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("DORVIK"));
    QFont line(QStringLiteral("DejaVu Sans"), 12);
    p.setFont(line);
    p.drawText(QRectF(212, 160, 260, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("GSM access-control unit\nmanagement tool"));
    return image;
}

QImage DrawAboutLogo() {
    QImage image(96, 96, QImage::Format_RGB32);
    image.fill(kLogoBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 52, 96));
    p.drawEllipse(QRectF(4, 4, 88, 88));
    PaintEmblem(p, QRectF(20, 14, 56, 66), QColor(235, 240, 245));
    return image;
}

bool EnsureStartPictures(const QString& dataDir) {
    if (!QDir().mkpath(dataDir)) return false;
    const bool start = EnsureOne(dataDir, kStartPictureFile, DrawStartPicture(), "JPG");
    const bool logo = EnsureOne(dataDir, kAboutLogoFile, DrawAboutLogo(), "BMP");
    return start && logo;
}

QImage LoadStartPicture(const QString& dataDir) {
    QImage image;
    const QDir dir(dataDir);
    if (image.load(dir.filePath(QString::fromLatin1(kNewStartPictureFile)))) return image;
    if (image.load(dir.filePath(QString::fromLatin1(kStartPictureFile)))) return image;
    return {};
}

}  // namespace dorvik
