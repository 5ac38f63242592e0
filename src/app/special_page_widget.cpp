#include "app/special_page_widget.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QValidator>

#include "app/ui_text.h"

namespace dorvik {
namespace {

constexpr const char* kModeTitles[] = {"From Time to Time", "From Date to Date", "Entries Amount"};
constexpr const char* kDayTitles[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

QDateTime ToDateTime(const PickerValue& v) {
    return QDateTime(QDate(v.year, v.month, v.day), QTime(v.hour, v.minute));
}

PickerValue FromDateTime(const QDateTime& t) {
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute()};
}

// Takes a text when the page's key rule accepts each of its characters typed in turn.
class AmountValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        std::string typed;
        for (QChar c : input) {
            const char key = c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\0';
            if (!AmountAcceptsKey(typed, key)) return Invalid;
            typed += key;
        }
        return Acceptable;
    }
};

}  // namespace

SpecialPageWidget::SpecialPageWidget(CSpecial& page, QWidget* parent)
    : ListTabWidget(page, std::make_unique<SlotGridSource<CSpecialGrid>>(page.Grid()),
                    QStringLiteral("Special Phone Numbers"), parent),
      page_(page) {
    SpecialForm& form = page.Form();
    index_ = AddField(0, QStringLiteral("Index"), form.index, [this] { page_.OnSearchLabel(); });
    number_ = AddField(1, QStringLiteral("Phone number"), form.number,
                       [this] { page_.OnSearchNumber(); });
    name_ = AddField(2, QStringLiteral("User name"), form.name, [this] { page_.OnSearchName(); });
    Place(
        QStringLiteral("User Detail"), BuildModeControls(), true, [this] { page_.OnSet(); },
        [this] { page_.OnDelete(); });
    OnRowClicked([this](int row) { page_.OnRowClicked(row); });
    Refresh();
}

QWidget* SpecialPageWidget::BuildModeControls() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(BuildModeGroup());
    auto* restriction = new QVBoxLayout;
    restriction->addWidget(BuildWeekDays());
    pickers_ = new QGridLayout;
    AddPicker(0, QStringLiteral("From Time"), QStringLiteral("HH:mm"), &SpecialForm::fromTime);
    AddPicker(1, QStringLiteral("To Time"), QStringLiteral("HH:mm"), &SpecialForm::toTime);
    AddPicker(2, QStringLiteral("From Date"), QStringLiteral("yyyy/MM/dd HH:mm"),
              &SpecialForm::fromDate);
    AddPicker(3, QStringLiteral("To Date"), QStringLiteral("yyyy/MM/dd HH:mm"),
              &SpecialForm::toDate);
    amount_ = MakeEdit(QStringLiteral("Entries Amount"), page_.Form().amount, this);
    amount_->setValidator(new AmountValidator(amount_));
    AddFormEdit(amount_);
    amountLabel_ = MakeLabel(QStringLiteral("Entries Amount"), this);
    AddLabelledRow(pickers_, 4, amountLabel_, amount_);
    restriction->addLayout(pickers_);
    restriction->addStretch(1);
    row->addLayout(restriction, 1);
    return box;
}

QWidget* SpecialPageWidget::BuildModeGroup() {
    QGroupBox* group = MakeGroup(QStringLiteral("Special User Mode"), this);
    auto* column = new QVBoxLayout(group);
    for (int m = 0; m < 3; ++m) {
        const QString title = Tr(kModeTitles[m]);
        modes_[m] = new QRadioButton(title, group);
        modes_[m]->setAccessibleName(title);
        column->addWidget(modes_[m]);
        connect(modes_[m], &QRadioButton::clicked, this,
                [this, m] { Run([&] { page_.OnModeClicked(static_cast<SpecialMode>(m)); }); });
    }
    column->addStretch(1);
    return group;
}

QWidget* SpecialPageWidget::BuildWeekDays() {
    QGroupBox* group = MakeGroup(QStringLiteral("Week Days"), this);
    auto* row = new QHBoxLayout(group);
    for (int d = 0; d < kWeekDayCount; ++d) {
        const QString title = Tr(kDayTitles[d]);
        days_[d] = new QCheckBox(title, group);
        days_[d]->setAccessibleName(title);
        row->addWidget(days_[d]);
        connect(days_[d], &QCheckBox::toggled, this,
                [this, d](bool on) { page_.Form().days[d] = on; });
    }
    weekDays_ = group;
    return group;
}

QDateTimeEdit* SpecialPageWidget::AddPicker(int row, const QString& label, const QString& format,
                                            PickerValue SpecialForm::*field) {
    auto* edit = new QDateTimeEdit(this);
    edit->setDisplayFormat(format);
    edit->setAccessibleName(Tr(label));
    edit->setDateTime(ToDateTime(page_.Form().*field));
    connect(edit, &QDateTimeEdit::dateTimeChanged, this,
            [this, field](const QDateTime& t) { page_.Form().*field = FromDateTime(t); });
    pickerEdits_[row] = edit;
    pickerFields_[row] = field;
    pickerLabels_[row] = MakeLabel(label, this);
    AddLabelledRow(pickers_, row, pickerLabels_[row], edit);
    return edit;
}

void SpecialPageWidget::ShowLayout(const SpecialLayout& layout) {
    weekDays_->setVisible(layout.weekDays);
    for (int i = 0; i < 4; ++i) {
        const bool shown = i < 2 ? layout.weekDays : layout.datePickers;
        pickerEdits_[i]->setVisible(shown);
        pickerLabels_[i]->setVisible(shown);
    }
    amount_->setVisible(layout.amount);
    amountLabel_->setVisible(layout.amount);
}

void SpecialPageWidget::RedrawFields() {
    const SpecialForm& form = page_.Form();
    ShowText(index_, form.index);
    ShowText(number_, form.number);
    ShowText(name_, form.name);
    ShowText(amount_, form.amount);
    ShowCheck(modes_[static_cast<int>(form.mode)], true);
    for (int d = 0; d < kWeekDayCount; ++d) {
        const QSignalBlocker quiet(days_[d]);
        days_[d]->setChecked(form.days[d]);
    }
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker quiet(pickerEdits_[i]);
        pickerEdits_[i]->setDateTime(ToDateTime(form.*pickerFields_[i]));
    }
    ShowLayout(page_.Layout());
}

}  // namespace dorvik
