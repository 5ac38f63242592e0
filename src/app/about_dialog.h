#pragma once
// The about box: our logo, the version, the maker and two links.
#include <QDialog>
#include <QPixmap>

namespace dorvik {

class CHyperLink;

inline constexpr const char* kProductMaker = "The DORVIK project";
inline constexpr const char* kProductEmail = "info@dorvik.example";
inline constexpr const char* kProductWeb = "https://dorvik.example/";

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // The logo is dataDir/logo.bmp; none is drawn when it is missing.
    explicit CAboutDlg(const QString& dataDir, QWidget* parent = nullptr);

    CHyperLink* EmailLink() const { return email_; }
    CHyperLink* WebLink() const { return web_; }
    bool HasLogo() const { return !logo_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap logo_;
    CHyperLink* email_;
    CHyperLink* web_;
};

}  // namespace dorvik
