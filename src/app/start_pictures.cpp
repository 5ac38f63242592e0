#include "app/start_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QSaveFile>

#include "app/data_dir.h"
#include "app/emblem.h"

namespace dorvik {
namespace {

constexpr int kStartWidth = 480;
constexpr int kStartHeight = 300;

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
    if (QFileInfo::exists(PicturePath(dir, name))) return true;
    return SaveImage(image, QDir(dir).filePath(QString::fromLatin1(name)), format);
}

}  // namespace

QString PicturePath(const QString& dataDir, const char* name) {
    const QString own = QDir(dataDir).filePath(QString::fromLatin1(name));
    const QString shipped = QString::fromStdString(ProgramDataDir());
    if (QFileInfo::exists(own) || shipped.isEmpty()) return own;
    return QDir(shipped).filePath(QString::fromLatin1(name));
}

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
    if (image.load(PicturePath(dataDir, kStartPictureFile))) return image;
    return {};
}

}  // namespace dorvik
