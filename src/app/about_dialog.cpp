#include "app/about_dialog.h"

#include <QBitmap>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/hyperlink.h"
#include "app/start_pictures.h"
#include "app/ui_text.h"

namespace dorvik {
namespace {

constexpr QPoint kLogoAt(30, 40);
constexpr int kTextLeft = 150;

QPixmap LoadLogo(const QString& dataDir) {
    QPixmap logo(PicturePath(dataDir, kAboutLogoFile));
    if (!logo.isNull()) logo.setMask(logo.createMaskFromColor(QColor(kLogoBackground)));
    return logo;
}

}  // namespace

CAboutDlg::CAboutDlg(const QString& dataDir, QWidget* parent)
    : QDialog(parent), logo_(LoadLogo(dataDir)) {
    setWindowTitle(QStringLiteral("DORVIK"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kTextLeft, 30, 30, 20);
    layout->addWidget(new QLabel(Tr("DORVIK Version %1").arg(QStringLiteral(DORVIK_VERSION)), this));
    layout->addWidget(new QLabel(Tr(kProductMaker), this));
    email_ = new CHyperLink(QString::fromLatin1(kProductEmail),
                            QStringLiteral("mailto:") + QString::fromLatin1(kProductEmail), this);
    web_ = new CHyperLink(QString::fromLatin1(kProductWeb), QString(), this);
    layout->addWidget(email_);
    layout->addWidget(web_);
    layout->addStretch();
    auto* ok = new QPushButton(Tr("OK"), this);
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumSize(kTextLeft + 260, kLogoAt.y() + 130);
}

void CAboutDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (logo_.isNull()) return;
    QPainter p(this);
    p.drawPixmap(kLogoAt, logo_);
}

}  // namespace dorvik
