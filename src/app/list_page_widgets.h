#pragma once
// The tabs of the phone, alarm and house dial lists.
#include "app/list_tab_widget.h"
#include "pages/alarm_page.h"
#include "pages/house_page.h"
#include "pages/phone_page.h"

namespace dorvik {

// The phone and alarm tabs: Index, the number and User name, each with Search.
class NumberPageWidget : public ListTabWidget {
public:
    // "Phone Numbers" tab: "Telefono" and the spreadsheet buttons.
    NumberPageWidget(CPhone& page, QWidget* parent = nullptr);
    // "Alarm Phone Numbers" tab: "Alarm number", no spreadsheet buttons.
    NumberPageWidget(CAlarm& page, QWidget* parent = nullptr);

    QLineEdit* IndexEdit() const { return index_; }
    QLineEdit* NumberEdit() const { return number_; }
    QLineEdit* NameEdit() const { return name_; }

private:
    NumberPageWidget(NumberPage& page, std::unique_ptr<GridSource> list, const QString& listName,
                     const QString& numberLabel, bool spreadsheet, QWidget* parent);
    void RedrawFields() override;

    NumberPage& page_;
    QLineEdit *index_, *number_, *name_;
};

class HousePageWidget : public ListTabWidget {
public:
    explicit HousePageWidget(CHouse& page, QWidget* parent = nullptr);

private:
    void RedrawFields() override;

    CHouse& page_;
    QLineEdit *index_, *house_, *dial1_, *dial2_;
};

}  // namespace dorvik
