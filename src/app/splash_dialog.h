#pragma once
// The borderless start-up picture at the top left of the screen; any key or
// mouse press closes it.
#include <QDialog>
#include <QImage>

namespace dorvik {

class CSplashDlg : public QDialog {
    Q_OBJECT
public:
    // Shows LoadStartPicture(dataDir).
    explicit CSplashDlg(const QString& dataDir, QWidget* parent = nullptr);

    bool HasPicture() const { return !picture_.isNull(); }
    // Shows the splash. With wait, returns once a press has closed it (it
    // takes every key and mouse press meanwhile); without, returns at once
    // and the splash closes on a later press. False, showing nothing, when
    // there is no picture.
    bool Start(bool wait);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

}  // namespace dorvik
