#include "app/list_page_widgets.h"

namespace dorvik {

NumberPageWidget::NumberPageWidget(CPhone& page, QWidget* parent)
    : NumberPageWidget(page, std::make_unique<SlotGridSource<CPhoneGrid>>(page.Grid()),
                       QStringLiteral("Phone Numbers"), QStringLiteral("Telefono"), true, parent) {}

NumberPageWidget::NumberPageWidget(CAlarm& page, QWidget* parent)
    : NumberPageWidget(page, std::make_unique<SlotGridSource<CAlarmGrid>>(page.Grid()),
                       QStringLiteral("Alarm Phone Numbers"), QStringLiteral("Alarm number"), false,
                       parent) {}

NumberPageWidget::NumberPageWidget(NumberPage& page, std::unique_ptr<GridSource> list,
                                   const QString& listName, const QString& numberLabel,
                                   bool spreadsheet, QWidget* parent)
    : ListTabWidget(page, std::move(list), listName, parent), page_(page) {
    NumberForm& form = page.Form();
    index_ = AddField(0, QStringLiteral("Index"), form.index, [this] { page_.OnSearchIndex(); });
    number_ = AddField(1, numberLabel, form.number, [this] { page_.OnSearchNumber(); });
    name_ = AddField(2, QStringLiteral("User name"), form.name, [this] { page_.OnSearchName(); });
    Place(
        QStringLiteral("User Details"), nullptr, spreadsheet, [this] { page_.OnSet(); },
        [this] { page_.OnDelete(); });
    OnRowClicked([this](int row) { page_.OnRowClicked(row); });
    Refresh();
}

void NumberPageWidget::RedrawFields() {
    ShowText(index_, page_.Form().index);
    ShowText(number_, page_.Form().number);
    ShowText(name_, page_.Form().name);
}

HousePageWidget::HousePageWidget(CHouse& page, QWidget* parent)
    : ListTabWidget(page, std::make_unique<SlotGridSource<CHouseGrid>>(page.Grid()),
                    QStringLiteral("House Dial Numbers"), parent),
      page_(page) {
    HouseForm& form = page.Form();
    index_ = AddField(0, QStringLiteral("Index"), form.index, [this] { page_.OnSearchIndex(); });
    house_ = AddField(1, QStringLiteral("House Number"), form.houseNumber,
                      [this] { page_.OnSearchHouse(); });
    dial1_ = AddField(2, QStringLiteral("Dial1:"), form.dial1);
    dial2_ = AddField(3, QStringLiteral("Dial2:"), form.dial2);
    Place(
        QStringLiteral("User Details"), nullptr, true, [this] { page_.OnSet(); },
        [this] { page_.OnDelete(); });
    OnRowClicked([this](int row) { page_.OnRowClicked(row); });
    Refresh();
}

void HousePageWidget::RedrawFields() {
    ShowText(index_, page_.Form().index);
    ShowText(house_, page_.Form().houseNumber);
    ShowText(dial1_, page_.Form().dial1);
    ShowText(dial2_, page_.Form().dial2);
}

}  // namespace dorvik
