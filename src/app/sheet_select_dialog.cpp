#include "app/sheet_select_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/qt_text.h"
#include "app/title_width.h"
#include "app/ui_text.h"

namespace dorvik {

CSheetSelect::CSheetSelect(const std::vector<std::string>& names, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Tr("DORVIK     Select Excel Table"));
    setMinimumWidth(TitleFitWidth(*this));
    auto* label = new QLabel(Tr("Please select sheet"), this);
    list_ = new QComboBox(this);
    list_->setAccessibleName(label->text());
    QStringList sorted;
    for (const auto& n : names) sorted << ToQString(n);
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    list_->addItems(sorted);
    list_->setCurrentIndex(sorted.isEmpty() ? -1 : 0);
    auto* ok = new QPushButton(Tr("OK"), this);
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CSheetSelect::done(int result) {
    result_.reset();
    if (result == QDialog::Accepted && list_->currentIndex() >= 0) {
        result_ = FromQString(list_->currentText());
    }
    QDialog::done(result);
}

std::optional<std::string> ChooseSheet(const std::vector<std::string>& names, QWidget* parent) {
    CSheetSelect dialog(names, parent);
    dialog.exec();
    return dialog.Result();
}

}  // namespace dorvik
