#include "app/language_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/title_width.h"

namespace dorvik {

Clanguage::Clanguage(LanguageStore* store, QWidget* parent) : QDialog(parent), store_(store) {
    setWindowTitle(QStringLiteral("Language"));
    setMinimumWidth(TitleFitWidth(*this));
    list_ = new QComboBox(this);
    list_->addItem(QStringLiteral("English"));
    list_->setAccessibleName(QStringLiteral("Language"));
    list_->setCurrentIndex(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void Clanguage::done(int result) {
    if (result == QDialog::Accepted && store_ && list_->currentIndex() >= 0) {
        store_->Set(static_cast<std::uint32_t>(list_->currentIndex()));
    }
    QDialog::done(result);
}

}  // namespace dorvik
