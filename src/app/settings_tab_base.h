#pragma once
// What the two "Miscellaneous" tabs share: the groups both settings pages
// show (unit name, clock, password, reception, self clock update, band,
// relay mode, alarm inputs), the unit command buttons that the connection
// enables and disables, and the copying between controls and the form.
#include <array>
#include <functional>
#include <initializer_list>
#include <vector>

#include "app/page_controls.h"
#include "pages/settings_page_base.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QGridLayout;
class QGroupBox;
class QRadioButton;

namespace dorvik {

// Two exclusive radios, such as "ON"/"OFF" or "SMS"/"PHONE".
struct RadioPair {
    QRadioButton* first = nullptr;
    QRadioButton* second = nullptr;
    // Checks second when on, else first, without running the click handlers.
    void Show(bool secondChecked) const;
    void SetEnabled(bool on) const;
};

template <class Record>
class SettingsTabBase : public PageWidget {
public:
    using Page = SettingsPageBase<Record>;

    // The unit command buttons, in the order they were made.
    const std::vector<QPushButton*>& Commands() const { return commands_; }

protected:
    SettingsTabBase(Page& page, QWidget* parent);

    QGroupBox* UnitInfoGroup();
    QGroupBox* UnitTimeGroup();
    QGroupBox* PasswordGroup();
    QGroupBox* ReceptionGroup();
    QGroupBox* ClockUpdateGroup();
    QGroupBox* BandGroup();
    QGroupBox* RelayModeGroup(const QString& title);
    // intervalUnit follows each Interval box; getContent adds the content's "Get Data".
    QGroupBox* AlarmGroup(const QString& intervalUnit, std::function<void()> getContent);

    // A unit command button: enabled only while the page's commands are.
    QPushButton* Command(const QString& text, std::function<void()> operation);
    // "text" radios in a new exclusive pair; a click runs onClick(second?).
    RadioPair MakeRadios(const QString& first, const QString& second, QWidget* parent,
                         std::function<void(bool)> onClick);
    // A grid of labelled rows: {label, field, after}.
    QGroupBox* Group(const QString& title, std::initializer_list<std::array<QWidget*, 3>> rows,
                     std::initializer_list<QWidget*> buttons);
    // Enter in one of the rows' edits clicks the first "Set..." button.
    void EnterRunsSet(std::initializer_list<std::array<QWidget*, 3>> rows,
                      std::initializer_list<QWidget*> buttons);
    // Columns of groups above the Send/Receive line.
    void PlaceColumns(std::initializer_list<std::vector<QWidget*>> columns);

    std::uint64_t StateRevision() const override { return page_.Revision(); }
    void Redraw() override;
    virtual void RedrawExtra() = 0;

    Page& page_;

private:
    void AddAlarmInput(QGridLayout* grid, int n, const QString& intervalUnit, QWidget* group);
    QGroupBox* AlarmContentGroup(std::function<void()> getContent, QWidget* parent);
    void RedrawAlarms();

    std::vector<QPushButton*> commands_;
    QLineEdit *unitName_, *unitVersion_, *password_, *newPassword_, *confirm_, *reception_;
    QLineEdit* unitPhone_;
    QDateTimeEdit* picker_;
    QCheckBox* clockUpdate_;
    QComboBox* band_;
    RadioPair mode_;
    std::array<QCheckBox*, 2> alarmToggles_{};
    std::array<RadioPair, 2> alarmModes_{};
    std::array<QLineEdit*, 2> intervals_{};
    std::array<QLineEdit*, 2> alarmTexts_{};
    TrafficRow* traffic_;
};

extern template class SettingsTabBase<UnitSettings>;
extern template class SettingsTabBase<MultiRelaySettings>;

}  // namespace dorvik
