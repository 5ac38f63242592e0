#include "app/communication_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/ui_text.h"

namespace dorvik {
namespace {

QComboBox* EditableCombo(const QString& name, const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setObjectName(name);
    return combo;
}

QLineEdit* Edit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QCheckBox* Check(const QString& text, const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(Tr(text), parent);
    box->setObjectName(name);
    box->setAccessibleName(box->text());
    return box;
}

// A labelled row; the control's accessible name is its label. The row
// shows `row` when given (the control with something beside it).
void AddRow(QFormLayout* form, const QString& english, QWidget* control, QLayout* row = nullptr) {
    const QString label = Tr(english);
    control->setAccessibleName(label);
    if (row) {
        form->addRow(label, row);
    } else {
        form->addRow(label, control);
    }
}

// A control followed by a small widget (a button, a unit) on one row.
QHBoxLayout* Pair(QWidget* control, QWidget* after) {
    auto* row = new QHBoxLayout;
    row->addWidget(control);
    row->addWidget(after);
    return row;
}


}  // namespace

CCommunciation::CCommunciation(const ConnectionSettings& current, MessageBox& messages,
                               PortPlaces places, ClosedFn onClosed, QWidget* parent)
    : QDialog(parent), model_(messages), places_(std::move(places)), onClosed_(std::move(onClosed)) {
    setWindowTitle(Tr("Communication selection"));
    model_.Open(current, places_.connected);
    BuildControls();
    // The open port is left alone while it carries the link.
    if (!places_.connected) ports_ = ScanSerialPorts(places_.devRoot, places_.configDir, places_.probe);
    FillPortList();
    ShowControls(model_.Controls());
}

QWidget* CCommunciation::BuildPortGroup() {
    auto* group = new QGroupBox(Tr("COM Set"), this);
    auto* form = new QFormLayout(group);
    port_ = EditableCombo(QStringLiteral("port"), {}, group);
    port_->setMinimumContentsLength(12);
    port_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    baud_ = EditableCombo(QStringLiteral("baud"),
                          {"1200", "2400", "4800", "9600", "38400", "43000", "56000", "57600",
                           "115200"},
                          group);
    dataBits_ = EditableCombo(QStringLiteral("dataBits"), {"8", "7", "6"}, group);
    stopBits_ = EditableCombo(QStringLiteral("stopBits"), {"1", "2"}, group);
    parity_ = EditableCombo(QStringLiteral("parity"), {"NONE", "ODD", "EVEN"}, group);
    AddRow(form, QStringLiteral("Port"), port_);
    AddRow(form, QStringLiteral("Baud Rate"), baud_);
    AddRow(form, QStringLiteral("Data Bit"), dataBits_);
    AddRow(form, QStringLiteral("Stop Bit"), stopBits_);
    AddRow(form, QStringLiteral("Parity"), parity_);
    portNote_ = new QLabel(group);
    portNote_->setObjectName(QStringLiteral("portNote"));
    portNote_->setWordWrap(true);
    portNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(portNote_);
    for (QWidget* field : {port_, baud_, dataBits_, stopBits_, parity_})
        field->setEnabled(model_.PortFieldsEnabled());
    connect(port_, &QComboBox::currentTextChanged, this, [this] { ShowPortNote(); });
    return group;
}

QLayout* CCommunciation::BuildUnitRows(QPushButton* help) {
    auto* unit = new QFormLayout;
    unitId_ = Edit(QStringLiteral("unitId"), this);
    tavrin_ = Check(QStringLiteral("TAVRIN Mode"), QStringLiteral("tavrin"), this);
    password_ = Edit(QStringLiteral("password"), this);
    password_->setEchoMode(QLineEdit::Password);
    savePassword_ = Check(QStringLiteral("Save password"), QStringLiteral("savePassword"), this);
    useModem_ = Check(QStringLiteral("Use Modem"), QStringLiteral("useModem"), this);
    useModem_->setLayoutDirection(Qt::RightToLeft);  // text on the left
    useModem_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    expiredTime_ = Edit(QStringLiteral("expiredTime"), this);
    unitPhone_ = Edit(QStringLiteral("unitPhone"), this);
    AddRow(unit, QStringLiteral("Unit ID"), unitId_);
    unit->addRow(tavrin_);
    AddRow(unit, QStringLiteral("Password"), password_, Pair(password_, help));
    unit->addRow(savePassword_);
    unit->addRow(useModem_);
    AddRow(unit, QStringLiteral("Receive Expired Time"), expiredTime_,
           Pair(expiredTime_, new QLabel(Tr("s"), this)));
    AddRow(unit, QStringLiteral("Unit Phone Number"), unitPhone_);
    return unit;
}

void CCommunciation::BuildControls() {
    auto* help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName(QStringLiteral("passwordHelp"));
    help->setAccessibleName(QStringLiteral("?"));
    help->setFixedWidth(help->fontMetrics().horizontalAdvance(QStringLiteral("??")) + 16);
    messageCenter_ = Edit(QStringLiteral("messageCenter"), this);
    messageCenter_->setVisible(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Tr("OK"));
    TrStandardButtons(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildPortGroup());
    layout->addLayout(BuildUnitRows(help));
    layout->addWidget(messageCenter_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCommunciation::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { model_.ShowPasswordHelp(); });
    ConnectChecks();
}

void CCommunciation::ConnectChecks() {
    connect(useModem_, &QCheckBox::clicked, this, [this](bool on) {
        model_.ClickUseModem(on);
        ShowChecks();
    });
    connect(tavrin_, &QCheckBox::clicked, this, [this](bool on) {
        model_.ClickTavrinMode(on);
        ShowChecks();
    });
}

void CCommunciation::FillPortList() {
    port_->addItem(QString());
    for (const auto& p : ports_) {
        QString text = QStringLiteral("COM%1  %2").arg(p.number).arg(QString::fromStdString(p.name));
        if (!p.problem.empty()) text += Tr("  (cannot be opened)");
        port_->addItem(text, p.number);
        port_->setItemData(port_->count() - 1, TrCore(p.problem), Qt::ToolTipRole);
    }
}

// Why the port cannot be changed, or why the chosen one cannot be opened.
void CCommunciation::ShowPortNote() {
    QString note;
    if (!model_.PortFieldsEnabled()) {
        note = Tr(ConnectionDialogModel::kPortLocked);
    } else if (const auto n = ParseComNumber(FromQString(port_->currentText()))) {
        for (const auto& p : ports_) {
            if (p.number == *n) note = TrCore(p.problem);
        }
    }
    portNote_->setText(note);
    portNote_->setVisible(!note.isEmpty());
}

void CCommunciation::ShowControls(const ConnectionForm& form) {
    port_->setEditText(ToQString(form.port));
    baud_->setEditText(ToQString(form.baud));
    parity_->setEditText(ToQString(form.parity));
    dataBits_->setEditText(ToQString(form.dataBits));
    stopBits_->setEditText(ToQString(form.stopBits));
    password_->setText(ToQString(form.password));
    savePassword_->setChecked(form.savePassword);
    expiredTime_->setText(ToQString(form.expiredTime));
    unitPhone_->setText(ToQString(form.unitPhoneNumber));
    messageCenter_->setText(ToQString(form.messageCenter));
    unitId_->setText(ToQString(form.unitId));
    ShowChecks();
    ShowPortNote();
}

void CCommunciation::ShowChecks() {
    useModem_->setChecked(model_.Controls().useModem);
    tavrin_->setChecked(model_.Controls().tavrinMode);
    for (QWidget* w : {static_cast<QWidget*>(expiredTime_), static_cast<QWidget*>(unitPhone_),
                       static_cast<QWidget*>(messageCenter_)}) {
        w->setEnabled(model_.ModemFieldsEnabled());
    }
}

ConnectionForm CCommunciation::ReadControls() const {
    ConnectionForm f;
    f.port = FromQString(port_->currentText());
    f.baud = FromQString(baud_->currentText());
    f.parity = FromQString(parity_->currentText());
    f.dataBits = FromQString(dataBits_->currentText());
    f.stopBits = FromQString(stopBits_->currentText());
    f.password = FromQString(password_->text());
    f.savePassword = savePassword_->isChecked();
    f.useModem = useModem_->isChecked();
    f.tavrinMode = tavrin_->isChecked();
    f.expiredTime = FromQString(expiredTime_->text());
    f.unitPhoneNumber = FromQString(unitPhone_->text());
    f.messageCenter = FromQString(messageCenter_->text());
    f.unitId = FromQString(unitId_->text());
    return f;
}

void CCommunciation::OnOk() {
    if (model_.Ok(ReadControls())) accept();
}

void CCommunciation::LinkChosenPort() {
    if (!model_.PortFieldsEnabled()) return;
    const std::string& typed = model_.Values().port;
    if (!typed.empty() && typed[0] == '/') {
        // A device path typed by the user gets a COM number of its own.
        const int number = NumberForDevice(ports_, places_.configDir, typed);
        if (number && WritePortLink(places_.configDir, number, typed)) model_.SetPortNumber(number);
        return;
    }
    const auto n = ParseComNumber(typed);
    if (!n) return;
    for (const auto& p : ports_) {
        if (p.number == *n) WritePortLink(places_.configDir, p.number, p.device);
    }
}

void CCommunciation::done(int result) {
    if (result == QDialog::Accepted) LinkChosenPort();
    QDialog::done(result);
    if (onClosed_) onClosed_(model_.Result());
}

}  // namespace dorvik
