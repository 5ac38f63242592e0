#pragma once
// The "Special Phone Numbers" tab: the slot label, number and name, the mode
// with the controls it shows (week days and times, dates, or an amount).
#include <array>

#include "app/list_tab_widget.h"
#include "pages/special_page.h"

class QCheckBox;
class QDateTimeEdit;
class QRadioButton;

namespace dorvik {

class SpecialPageWidget : public ListTabWidget {
public:
    explicit SpecialPageWidget(CSpecial& page, QWidget* parent = nullptr);

    QRadioButton* ModeButton(SpecialMode mode) const { return modes_[static_cast<int>(mode)]; }
    QWidget* WeekDays() const { return weekDays_; }
    QLineEdit* AmountEdit() const { return amount_; }

private:
    QWidget* BuildModeControls();
    QWidget* BuildModeGroup();
    QWidget* BuildWeekDays();
    QDateTimeEdit* AddPicker(int row, const QString& label, const QString& format,
                             PickerValue SpecialForm::*field);
    void RedrawFields() override;
    void ShowLayout(const SpecialLayout& layout);

    CSpecial& page_;
    QLineEdit *index_, *number_, *name_, *amount_ = nullptr;
    QLabel* amountLabel_ = nullptr;
    std::array<QRadioButton*, 3> modes_{};
    QWidget* weekDays_ = nullptr;
    std::array<QCheckBox*, kWeekDayCount> days_{};
    QGridLayout* pickers_ = nullptr;
    // From Time, To Time, From Date, To Date.
    std::array<QDateTimeEdit*, 4> pickerEdits_{};
    std::array<QLabel*, 4> pickerLabels_{};
    std::array<PickerValue SpecialForm::*, 4> pickerFields_{};
};

}  // namespace dorvik
