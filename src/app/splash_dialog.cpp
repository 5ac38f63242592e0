#include "app/splash_dialog.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/start_pictures.h"

namespace dorvik {

CSplashDlg::CSplashDlg(const QString& dataDir, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), picture_(LoadStartPicture(dataDir)) {
    setWindowTitle(QStringLiteral("DORVIK"));
    if (!picture_.isNull()) setFixedSize(picture_.size());
}

bool CSplashDlg::Start(bool wait) {
    if (!HasPicture()) return false;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().topLeft());
    }
    if (!wait) {
        show();
        return true;
    }
    setModal(true);
    show();
    grabKeyboard();
    grabMouse();
    exec();
    return true;
}

void CSplashDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void CSplashDlg::keyPressEvent(QKeyEvent*) {
    releaseKeyboard();
    releaseMouse();
    accept();
}

// With the mouse grabbed, presses outside the window arrive here too.
void CSplashDlg::mousePressEvent(QMouseEvent*) {
    releaseKeyboard();
    releaseMouse();
    accept();
}

}  // namespace dorvik
