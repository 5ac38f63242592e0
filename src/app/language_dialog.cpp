#include "app/language_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/title_width.h"
#include "app/ui_language.h"
#include "app/ui_text.h"

namespace dorvik {

Clanguage::Clanguage(LanguageStore* store, QWidget* parent) : QDialog(parent), store_(store) {
    setWindowTitle(Tr("Language"));
    setMinimumWidth(TitleFitWidth(*this));
    list_ = new QComboBox(this);
    // Listed in the order of UiLanguage.
    list_->addItem(QStringLiteral("English"));
    list_->addItem(QStringLiteral("简体中文"));
    list_->setAccessibleName(Tr("Language"));
    list_->setCurrentIndex(static_cast<int>(store ? ChosenLanguage(*store) : InstalledLanguage()));
    auto* note = new QLabel(Tr("The language changes when DORVIK is started again."), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Tr("OK"));
    TrStandardButtons(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(note);
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
