// dorvik-art: writes the pictures shipped with the program into a share
// folder at build time: the start picture and about logo (dorvik/), and the
// application icon in the hicolor theme as SVG and PNG sizes (icons/).
//   dorvik-art SHARE_DIR
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

#include "app/emblem.h"
#include "app/start_pictures.h"

namespace {

constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Quality 92 for the JPEG; for PNG, 0 asks for the strongest compression.
bool Save(const QImage& image, const QString& path, const char* format) {
    const int quality = qstrcmp(format, "PNG") == 0 ? 0 : 92;
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path, format, quality);
}

bool SaveText(const QString& text, const QString& path) {
    QSaveFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly)) return false;
    file.write(text.toUtf8());
    return file.commit();
}

bool WriteAll(const QDir& share) {
    using namespace dorvik;
    bool ok = Save(DrawStartPicture(), share.filePath(QStringLiteral("dorvik/start.jpg")), "JPG") &&
              Save(DrawAboutLogo(), share.filePath(QStringLiteral("dorvik/logo.bmp")), "BMP");
    const QString icons = share.filePath(QStringLiteral("icons/hicolor/"));
    for (const int size : kIconSizes) {
        const QString path = icons + QStringLiteral("%1x%1/apps/dorvik.png").arg(size);
        ok = ok && Save(DrawAppIcon(size), path, "PNG");
    }
    return ok && SaveText(AppIconSvg(), icons + QStringLiteral("scalable/apps/dorvik.svg"));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the start picture's text
    if (argc != 2) {
        std::fprintf(stderr, "usage: dorvik-art SHARE_DIR\n");
        return 2;
    }
    if (WriteAll(QDir(QString::fromLocal8Bit(argv[1])))) return 0;
    std::fprintf(stderr, "dorvik-art: cannot write into %s\n", argv[1]);
    return 1;
}
