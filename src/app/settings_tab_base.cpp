#include "app/settings_tab_base.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/ui_text.h"
#include "model/unit_settings.h"

namespace dorvik {
namespace {

QDateTime ToDateTime(const std::tm& t) {
    return QDateTime(QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday),
                     QTime(t.tm_hour, t.tm_min, t.tm_sec));
}

std::tm FromDateTime(const QDateTime& d) {
    std::tm t{};
    t.tm_year = d.date().year() - 1900;
    t.tm_mon = d.date().month() - 1;
    t.tm_mday = d.date().day();
    t.tm_hour = d.time().hour();
    t.tm_min = d.time().minute();
    t.tm_sec = d.time().second();
    t.tm_isdst = -1;
    return t;
}

QLineEdit* Masked(QLineEdit* edit) {
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

}  // namespace

void RadioPair::Show(bool secondChecked) const {
    const QSignalBlocker a(first), b(second);
    first->setChecked(!secondChecked);
    second->setChecked(secondChecked);
}

void RadioPair::SetEnabled(bool on) const {
    first->setEnabled(on);
    second->setEnabled(on);
}

template <class Record>
SettingsTabBase<Record>::SettingsTabBase(Page& page, QWidget* parent)
    : PageWidget(parent), page_(page), traffic_(new TrafficRow(this)) {
    Follow(page);
}

template <class Record>
QPushButton* SettingsTabBase<Record>::Command(const QString& text,
                                              std::function<void()> operation) {
    QPushButton* button = CommandButton(text, std::move(operation));
    commands_.push_back(button);
    return button;
}

template <class Record>
RadioPair SettingsTabBase<Record>::MakeRadios(const QString& first, const QString& second,
                                              QWidget* parent, std::function<void(bool)> onClick) {
    RadioPair pair{new QRadioButton(Tr(first), parent), new QRadioButton(Tr(second), parent)};
    auto* group = new QButtonGroup(parent);
    for (QRadioButton* radio : {pair.first, pair.second}) {
        radio->setAccessibleName(radio->text());
        group->addButton(radio);
    }
    connect(pair.first, &QRadioButton::clicked, this,
            [this, onClick] { Run([&] { onClick(false); }); });
    connect(pair.second, &QRadioButton::clicked, this,
            [this, onClick] { Run([&] { onClick(true); }); });
    return pair;
}

template <class Record>
QGroupBox* SettingsTabBase<Record>::Group(const QString& title,
                                          std::initializer_list<std::array<QWidget*, 3>> rows,
                                          std::initializer_list<QWidget*> buttons) {
    QGroupBox* group = MakeGroup(title, this);
    auto* column = new QVBoxLayout(group);
    auto* grid = new QGridLayout;
    int r = 0;
    for (const auto& row : rows) {
        for (int c = 0; c < 3; ++c) {
            if (row[c]) grid->addWidget(row[c], r, c);
        }
        // A label names the field beside it; radios carry their own names.
        auto* label = qobject_cast<QLabel*>(row[0]);
        if (label && row[1] && !qobject_cast<QRadioButton*>(row[1])) label->setBuddy(row[1]);
        ++r;
    }
    column->addLayout(grid);
    auto* line = new QHBoxLayout;
    for (QWidget* button : buttons) line->addWidget(button);
    column->addLayout(line);
    EnterRunsSet(rows, buttons);
    return group;
}

// Enter in an edit of a group runs the group's Set command, as its button would.
template <class Record>
void SettingsTabBase<Record>::EnterRunsSet(std::initializer_list<std::array<QWidget*, 3>> rows,
                                           std::initializer_list<QWidget*> buttons) {
    QPushButton* set = nullptr;
    for (QWidget* button : buttons) {
        auto* push = qobject_cast<QPushButton*>(button);
        if (!set && push && push->text().startsWith(QStringLiteral("Set"))) set = push;
    }
    if (!set) return;
    for (const auto& row : rows) {
        for (QWidget* field : row) {
            if (auto* edit = qobject_cast<QLineEdit*>(field))
                connect(edit, &QLineEdit::returnPressed, set, &QPushButton::click);
        }
    }
}

template <class Record>
QGroupBox* SettingsTabBase<Record>::UnitInfoGroup() {
    SettingsForm& f = page_.Form();
    unitName_ = MakeEdit(QStringLiteral("Unit Name"), f.unitName, this);
    unitVersion_ = MakeEdit(QStringLiteral("Unit Version"), f.unitVersion, this);
    return Group(QStringLiteral("Unit Info"),
                 {{MakeLabel(QStringLiteral("Unit Name"), this), unitName_, nullptr},
                  {MakeLabel(QStringLiteral("Unit Version"), this), unitVersion_, nullptr}},
                 {Command(QStringLiteral("Get Unit Name"), [this] { page_.OnGetUnitName(); }),
                  Command(QStringLiteral("Set Unit Name"), [this] { page_.OnSetUnitName(); })});
}

template <class Record>
QGroupBox* SettingsTabBase<Record>::UnitTimeGroup() {
    picker_ = new QDateTimeEdit(this);
    picker_->setDisplayFormat(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    picker_->setAccessibleName(Tr("Unit Time"));
    connect(picker_, &QDateTimeEdit::dateTimeChanged, this,
            [this](const QDateTime& t) { page_.SetPickerTime(FromDateTime(t)); });
    return Group(QStringLiteral("Unit Time"), {{picker_, nullptr, nullptr}},
                 {Command(QStringLiteral("Get Unit Time"), [this] { page_.OnGetUnitTime(); }),
                  CommandButton(QStringLiteral("Get PC Time"), [this] { page_.OnGetPcTime(); }),
                  Command(QStringLiteral("Set Unit Time"), [this] { page_.OnSetUnitTime(); })});
}

template <class Record>
QGroupBox* SettingsTabBase<Record>::PasswordGroup() {
    SettingsForm& f = page_.Form();
    password_ = Masked(MakeEdit(QStringLiteral("Password"), f.password, this));
    newPassword_ = Masked(MakeEdit(QStringLiteral("New Password"), f.newPassword, this));
    confirm_ = Masked(MakeEdit(QStringLiteral("Confirm Password"), f.confirmPassword, this));
    return Group(
        QStringLiteral("Unit Password"),
        {{MakeLabel(QStringLiteral("Password"), this), password_, nullptr},
         {MakeLabel(QStringLiteral("New Password"), this), newPassword_, nullptr},
         {MakeLabel(QStringLiteral("Confirm Password"), this), confirm_, nullptr}},
        {Command(QStringLiteral("Set Unit Password"), [this] { page_.OnSetUnitPassword(); })});
}

template <class Record>
QGroupBox* SettingsTabBase<Record>::ReceptionGroup() {
    reception_ = MakeEdit(QStringLiteral("Reception"), page_.Form().reception, this);
    return Group(QStringLiteral("Reception"), {{reception_, nullptr, nullptr}},
                 {Command(QStringLiteral("Get Reception"), [this] { page_.OnGetReception(); })});
}

template <class Record>
QGroupBox* SettingsTabBase<Record>::ClockUpdateGroup() {
    clockUpdate_ = new QCheckBox(Tr("Enabled"), this);
    clockUpdate_->setAccessibleName(clockUpdate_->text());
    connect(clockUpdate_, &QCheckBox::toggled, this,
            [this](bool on) { page_.Form().clockUpdateEnabled = on; });
    unitPhone_ = MakeEdit(QStringLiteral("UnitPhone Number"), page_.Form().unitPhone, this);
    return Group(QStringLiteral("Self clock update SMS"),
                 {{clockUpdate_, nullptr, nullptr},
                  {MakeLabel(QStringLiteral("UnitPhone Number"), this), unitPhone_, nullptr}},
                 {Command(QStringLiteral("Get Data"), [this] { page_.OnGetClockUpdate(); }),
                  Command(QStringLiteral("Set Data"), [this] { page_.OnSetClockUpdate(); })});
}

template <class Record>
QGroupBox* SettingsTabBase<Record>::BandGroup() {
    band_ = new QComboBox(this);
    band_->setEditable(true);
    band_->setInsertPolicy(QComboBox::NoInsert);
    band_->setAccessibleName(Tr("Band Selection"));
    for (const char* choice : kBandChoices) band_->addItem(QString::fromLatin1(choice));
    connect(band_, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { page_.Form().band = FromQString(text); });
    QPushButton* set = Command(QStringLiteral("Set Data"), [this] { page_.OnSetBand(); });
    set->setVisible(false);
    return Group(QStringLiteral("Band Selection"), {{band_, nullptr, nullptr}},
                 {Command(QStringLiteral("Get Data"), [this] { page_.OnGetBand(); }), set});
}

template <class Record>
QGroupBox* SettingsTabBase<Record>::RelayModeGroup(const QString& title) {
    mode_ = MakeRadios(QStringLiteral("Mode 0"), QStringLiteral("Mode 1"), this,
                       [this](bool one) { page_.OnModeRadio(one ? 1 : 0); });
    return Group(title, {{mode_.first, mode_.second, nullptr}},
                 {Command(QStringLiteral("Set Mode"), [this] { page_.OnSetMode(); }),
                  Command(QStringLiteral("Get Mode"), [this] { page_.OnGetMode(); })});
}

template <class Record>
void SettingsTabBase<Record>::AddAlarmInput(QGridLayout* grid, int n, const QString& intervalUnit,
                                            QWidget* group) {
    const QString name = Tr("Alarm%1").arg(n + 1);
    alarmToggles_[n] = new QCheckBox(name, group);
    alarmToggles_[n]->setAccessibleName(name);
    connect(alarmToggles_[n], &QCheckBox::clicked, this,
            [this, n] { Run([&] { page_.OnAlarmToggle(n); }); });
    alarmModes_[n] = MakeRadios(QStringLiteral("SMS"), QStringLiteral("PHONE"), group,
                                [this, n](bool phone) { page_.OnAlarmModeRadio(n, phone); });
    intervals_[n] = MakeEdit(QStringLiteral("Interval"), page_.Form().alarms[n].interval, group);
    QWidget* row[] = {alarmToggles_[n],      alarmModes_[n].first,
                      alarmModes_[n].second, MakeLabel(QStringLiteral("Interval"), group),
                      intervals_[n],         MakeLabel(intervalUnit, group)};
    for (int c = 0; c < 6; ++c) grid->addWidget(row[c], n, c);
}

template <class Record>
QGroupBox* SettingsTabBase<Record>::AlarmContentGroup(std::function<void()> getContent,
                                                      QWidget* parent) {
    QGroupBox* content = MakeGroup(QStringLiteral("Alarm content"), parent);
    auto* grid = new QGridLayout(content);
    for (int n = 0; n < 2; ++n) {
        const QString label = Tr("Alarm%1:").arg(n + 1);
        alarmTexts_[n] = MakeEdit(label, page_.Form().alarmTexts[n], content);
        AddLabelledRow(grid, n, MakeLabel(label, content), alarmTexts_[n]);
    }
    auto* buttons = new QHBoxLayout;
    if (getContent) buttons->addWidget(Command(QStringLiteral("Get Data"), std::move(getContent)));
    buttons->addWidget(Command(QStringLiteral("Set Data"), [this] { page_.OnSetAlarmContent(); }));
    grid->addLayout(buttons, 2, 0, 1, 2);
    return content;
}

template <class Record>
QGroupBox* SettingsTabBase<Record>::AlarmGroup(const QString& intervalUnit,
                                               std::function<void()> getContent) {
    QGroupBox* group = MakeGroup(QStringLiteral("Alarm"), this);
    auto* inputs = new QGridLayout;
    for (int n = 0; n < 2; ++n) AddAlarmInput(inputs, n, intervalUnit, group);
    auto* column = new QVBoxLayout(group);
    column->addLayout(inputs);
    column->addWidget(
        Command(QStringLiteral("Set Alarm Mode"), [this] { page_.OnSetAlarmMode(); }));
    column->addWidget(AlarmContentGroup(std::move(getContent), group));
    return group;
}

template <class Record>
void SettingsTabBase<Record>::PlaceColumns(std::initializer_list<std::vector<QWidget*>> columns) {
    // The groups scroll when the window is smaller than they need.
    auto* area = new QScrollArea(this);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(area);
    auto* row = new QHBoxLayout(content);
    for (const auto& groups : columns) {
        auto* column = new QVBoxLayout;
        for (QWidget* g : groups) column->addWidget(g);
        column->addStretch(1);
        row->addLayout(column);
    }
    area->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area, 1);
    layout->addWidget(traffic_);
}

template <class Record>
void SettingsTabBase<Record>::Redraw() {
    const SettingsForm& f = page_.Form();
    for (QPushButton* button : commands_) button->setEnabled(page_.CommandsEnabled());
    for (auto [edit, text] : {std::pair{unitName_, &f.unitName},
                              {unitVersion_, &f.unitVersion},
                              {password_, &f.password},
                              {newPassword_, &f.newPassword},
                              {confirm_, &f.confirmPassword},
                              {reception_, &f.reception},
                              {unitPhone_, &f.unitPhone}}) {
        ShowText(edit, *text);
    }
    {
        const QSignalBlocker quiet(picker_);
        picker_->setDateTime(ToDateTime(page_.PickerTime()));
    }
    ShowCheck(clockUpdate_, f.clockUpdateEnabled);
    if (band_->currentText() != ToQString(f.band)) band_->setEditText(ToQString(f.band));
    mode_.Show(page_.RelayMode() != 0);
    RedrawAlarms();
    traffic_->ShowFrom(page_);
    RedrawExtra();
}

template <class Record>
void SettingsTabBase<Record>::RedrawAlarms() {
    const SettingsForm& f = page_.Form();
    for (int n = 0; n < 2; ++n) {
        const AlarmInputForm& a = f.alarms[n];
        ShowCheck(alarmToggles_[n], a.enabled);
        alarmModes_[n].Show(a.phoneChecked);
        alarmModes_[n].SetEnabled(a.enabled);
        intervals_[n]->setEnabled(a.enabled);
        ShowText(intervals_[n], a.interval);
        ShowText(alarmTexts_[n], f.alarmTexts[n]);
    }
}

template class SettingsTabBase<UnitSettings>;
template class SettingsTabBase<MultiRelaySettings>;

}  // namespace dorvik
